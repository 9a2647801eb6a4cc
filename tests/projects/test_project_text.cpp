#include "platform/FontNames.h"
#include "projects/ProjectFileText.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <stdexcept>

using namespace projectfile;

namespace {

QFont dejaVu(double size, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

TEST(FontText, NamesTheFaceByPostScriptNameWithTwoDecimals)
{
    EXPECT_EQ(fontToText(dejaVu(12)), QStringLiteral("DejaVuSans::::12.00"));
    EXPECT_EQ(fontToText(dejaVu(10.5)), QStringLiteral("DejaVuSans::::10.50"));
    EXPECT_EQ(fontToText(dejaVu(18, true)), QStringLiteral("DejaVuSans-Bold::::18.00"));
}

TEST(FontText, ReadsBackByPostScriptNameThenFamily)
{
    const auto bold = fontFromText(QStringLiteral("DejaVuSans-Bold::::18.00"));
    ASSERT_TRUE(bold.has_value());
    EXPECT_EQ(bold->family(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(bold->bold());
    EXPECT_DOUBLE_EQ(bold->pointSizeF(), 18.0);
    EXPECT_EQ(fontToText(*bold), QStringLiteral("DejaVuSans-Bold::::18.00"));

    const auto family = fontFromText(QStringLiteral("DejaVu Serif::::9.25"));
    ASSERT_TRUE(family.has_value());
    EXPECT_EQ(family->family(), QStringLiteral("DejaVu Serif"));
    EXPECT_FALSE(family->bold());
    EXPECT_DOUBLE_EQ(family->pointSizeF(), 9.25);
}

TEST(FontText, TextsThatNameNoFont)
{
    EXPECT_FALSE(fontFromText(QStringLiteral("::::12.00")));
    EXPECT_FALSE(fontFromText(QStringLiteral("NoSuchFont-Regular::::12.00")));
    EXPECT_THROW(fontFromText(QStringLiteral("DejaVuSans 12")), std::out_of_range);
    EXPECT_THROW(fontSizeOfText(QString()), std::out_of_range);
    // The size is the leading number of what follows the first separator; none gives 0.
    EXPECT_DOUBLE_EQ(fontSizeOfText(QStringLiteral("X::::14.5pt")), 14.5);
    EXPECT_DOUBLE_EQ(fontSizeOfText(QStringLiteral("X::::big")), 0.0);
    EXPECT_DOUBLE_EQ(fontSizeOfText(QStringLiteral("X::::::::7")), 0.0);
    // A size that is unusable for a font takes the default size or the limit.
    EXPECT_DOUBLE_EQ(usablePointSize(0), 12.0);
    EXPECT_DOUBLE_EQ(usablePointSize(-3), 12.0);
    EXPECT_DOUBLE_EQ(usablePointSize(1e300), 10000.0);
    const auto sized = fontFromText(QStringLiteral("DejaVuSans::::0"));
    ASSERT_TRUE(sized.has_value());
    EXPECT_DOUBLE_EQ(sized->pointSizeF(), 12.0);
}

TEST(FontNames, FullNamesReadBackByFullNameFamilyOrPostScriptName)
{
    EXPECT_EQ(platform::fontFullName(dejaVu(18, true)), QStringLiteral("DejaVu Sans Bold"));
    EXPECT_EQ(platform::fontFullName(dejaVu(10)), QStringLiteral("DejaVu Sans"));
    for (const QString &name : {QStringLiteral("DejaVu Sans Bold"), QStringLiteral("DejaVuSans-Bold")}) {
        const auto f = platform::fontWithFullName(name, 11);
        ASSERT_TRUE(f.has_value()) << name.toStdString();
        EXPECT_TRUE(f->bold());
        EXPECT_EQ(f->family(), QStringLiteral("DejaVu Sans"));
    }
    const auto family = platform::fontWithFullName(QStringLiteral("DejaVu Sans Mono"), 11);
    ASSERT_TRUE(family.has_value());
    EXPECT_EQ(family->family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_FALSE(platform::fontWithFullName(QStringLiteral("Nothing Like This"), 11));
    EXPECT_FALSE(platform::fontWithFullName(QString(), 11));
}

TEST(ColorText, ReadsFourPiecesInOrder)
{
    struct Case {
        const char *text;
        double r, g, b, a;
    };
    const Case cases[] = {
        {"1.0:0.0:0.0:1.0", 1, 0, 0, 1},     {"0.2:0.4:0.6", 0.2, 0.4, 0.6, 0},
        {"0.2:0.4:0.6:1.0:0.5", 0.2, 0.4, 0.6, 1}, {"", 0, 0, 0, 0},
        {"garbage", 0, 0, 0, 0},             {"0.5x:1:abc:1", 0.5, 1, 0, 1},
        {"7:-2:0.5:1", 1, 0, 0.5, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const QColor col = colorFromText(QString::fromLatin1(c.text));
        EXPECT_NEAR(col.redF(), c.r, 1e-4);
        EXPECT_NEAR(col.greenF(), c.g, 1e-4);
        EXPECT_NEAR(col.blueF(), c.b, 1e-4);
        EXPECT_NEAR(col.alphaF(), c.a, 1e-4);
    }
}

TEST(ColorText, WritesOneDecimalPerComponent)
{
    EXPECT_EQ(colorToText(QColor::fromRgbF(0.33f, 0.66f, 0.99f, 1.0f)), QStringLiteral("0.3:0.7:1.0:1.0"));
    const QColor back = colorFromText(QStringLiteral("0.3:0.7:1.0:1.0"));
    EXPECT_NEAR(back.redF(), 0.3, 1e-4);
    EXPECT_NEAR(back.greenF(), 0.7, 1e-4);
    EXPECT_EQ(colorToText(back), QStringLiteral("0.3:0.7:1.0:1.0"));
    EXPECT_EQ(colorToText(Qt::transparent), QStringLiteral("0.0:0.0:0.0:0.0"));
    EXPECT_EQ(colorToText(QColor::fromHsvF(0, 1, 1)), QStringLiteral("1.0:0.0:0.0:1.0"));
}

TEST(GeometryText, ShortestNumbersReadBackExactly)
{
    EXPECT_EQ(rectToText(QRectF(10, 20, 50, 50)), QStringLiteral("{{10, 20}, {50, 50}}"));
    EXPECT_EQ(pointToText(QPointF(0.1, -2.5)), QStringLiteral("{0.1, -2.5}"));
    EXPECT_EQ(sizeToText(QSizeF(283.46456692913387, 1e-7)), QStringLiteral("{283.46456692913387, 1e-07}"));
    const QRectF odd(1.0 / 3.0, 2.0 / 3.0, 123456.789, 0.1 + 0.2);
    EXPECT_EQ(rectFromText(rectToText(odd)), odd);
    EXPECT_EQ(rectToText(QRectF(-0.0, 0, 1, 1)), QStringLiteral("{{0, 0}, {1, 1}}"));
}

TEST(GeometryText, ReadsNumberByNumber)
{
    EXPECT_EQ(rectFromText(QStringLiteral("{{-1.5,2e3},{3, 4}}")), QRectF(-1.5, 2000, 3, 4));
    EXPECT_EQ(rectFromText(QStringLiteral("{{1, 2}, {3")), QRectF(1, 2, 3, 0));
    EXPECT_EQ(rectFromText(QStringLiteral("")), QRectF());
    EXPECT_EQ(pointFromText(QStringLiteral("x=7 y=.5")), QPointF(7, 0.5));
    EXPECT_EQ(sizeFromText(QStringLiteral("{100, 50}")), QSizeF(100, 50));
}

TEST(NumberText, FlagsIntegersAndReals)
{
    EXPECT_TRUE(flagFromText(QStringLiteral("Y")));
    for (const char *t : {"y", "YES", "1", "", " Y"})
        EXPECT_FALSE(flagFromText(QString::fromLatin1(t))) << t;
    EXPECT_EQ(intFromText(QStringLiteral("  42abc")), 42);
    EXPECT_EQ(intFromText(QStringLiteral("12.9")), 12);
    EXPECT_EQ(intFromText(QStringLiteral("99999999999999999999")), std::numeric_limits<int>::max());
    EXPECT_EQ(intFromText(QStringLiteral("x")), 0);
    EXPECT_EQ(realText(1.005), QStringLiteral("1.00"));
    EXPECT_EQ(realText(2.5), QStringLiteral("2.50"));
    EXPECT_DOUBLE_EQ(realFromText(QStringLiteral("3.25mm")), 3.25);
}

// A German user's decimal comma never reaches a file, and files written elsewhere read the same.
TEST(ProjectTextLocale, GermanLocaleWritesAndReadsTheSameTexts)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char *cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(fontToText(dejaVu(10.5)), QStringLiteral("DejaVuSans::::10.50"));
    EXPECT_EQ(colorToText(QColor::fromRgbF(0.33f, 0.66f, 0.99f, 0.5f)), QStringLiteral("0.3:0.7:1.0:0.5"));
    EXPECT_EQ(rectToText(QRectF(10.5, 20.25, 1000.5, 0.125)), QStringLiteral("{{10.5, 20.25}, {1000.5, 0.125}}"));
    EXPECT_EQ(realText(1234.5), QStringLiteral("1234.50"));
    EXPECT_DOUBLE_EQ(realFromText(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(rectFromText(QStringLiteral("{{10.5, 20.25}, {1000.5, 0.125}}")), QRectF(10.5, 20.25, 1000.5, 0.125));
    EXPECT_NEAR(colorFromText(QStringLiteral("0.5:0.25:0.0:1.0")).greenF(), 0.25, 1e-4);
    const auto f = fontFromText(QStringLiteral("DejaVuSans::::10.50"));
    ASSERT_TRUE(f.has_value());
    EXPECT_DOUBLE_EQ(f->pointSizeF(), 10.5);
    if (cLocale)
        std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(saved);
}

} // namespace
