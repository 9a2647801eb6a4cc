#include "engines/linear/NKDExtendedCode39Barcode.h"
#include "engines/linear/decoders/SymbolImage.h"

#include <gtest/gtest.h>

using lineartest::makeModel;
using lineartest::randomText;
using lineartest::readWithZxing;

namespace {

std::unique_ptr<NKDBarcode> code39(const QString &value)
{
    return makeModel(QStringLiteral("Code 39"), value);
}

std::unique_ptr<NKDBarcode> extended(const QString &value)
{
    return makeModel(QStringLiteral("Extended Code 39"), value);
}

const QString kStar = QStringLiteral("1001011011010");

} // namespace

TEST(Code39Patterns, PublishedCharacterPatterns)
{
    EXPECT_EQ(NKDCode39Barcode::code39Pattern('0'), QStringLiteral("1010011011010"));
    EXPECT_EQ(NKDCode39Barcode::code39Pattern('A'), QStringLiteral("1101010010110"));
    EXPECT_EQ(NKDCode39Barcode::code39Pattern('*'), kStar);
    EXPECT_TRUE(NKDCode39Barcode::code39Pattern('a').isEmpty());
    EXPECT_TRUE(NKDCode39Barcode::code39Pattern('_').isEmpty());
    EXPECT_TRUE(NKDCode39Barcode::code39Pattern('\0').isEmpty());
}

TEST(Code39Patterns, EveryCharacterHasThreeWideOfNineElements)
{
    const QByteArray set("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*");
    QStringList seen;
    for (const char c : set) {
        const QString p = NKDCode39Barcode::code39Pattern(c);
        ASSERT_EQ(p.size(), 13) << c;
        EXPECT_EQ(p.back(), QLatin1Char('0')) << c;   // the gap
        // Nine elements, bar first, three of them wide (two modules).
        std::vector<int> runs{1};
        for (int i = 1; i < 12; ++i) {
            if (p.at(i) == p.at(i - 1))
                ++runs.back();
            else
                runs.push_back(1);
        }
        EXPECT_EQ(p.front(), QLatin1Char('1')) << c;
        EXPECT_EQ(runs.size(), 9u) << c;
        EXPECT_EQ(std::count(runs.begin(), runs.end(), 2), 3) << c;
        EXPECT_FALSE(seen.contains(p)) << c;
        seen << p;
    }
}

TEST(Code39Symbol, FramedByStarsAndUpperCased)
{
    auto m = code39(QStringLiteral("abc"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->content(), QStringLiteral("ABC"));
    EXPECT_EQ(m->caption(), QStringLiteral("ABC"));
    EXPECT_TRUE(m->isContentValid());
    const QString p = m->completeBarcode();
    EXPECT_EQ(p.size(), 13 * 5);
    EXPECT_TRUE(p.startsWith(kStar));
    EXPECT_TRUE(p.endsWith(kStar));
    EXPECT_EQ(p.mid(13, 13), NKDCode39Barcode::code39Pattern('A'));
    const auto read = readWithZxing(p, QStringLiteral("Code39"));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, QByteArray("ABC"));
}

TEST(Code39Validity, StarInsideAndCharactersOutsideTheSetAreInvalid)
{
    EXPECT_FALSE(code39(QStringLiteral("AB*CD"))->isContentValid());
    EXPECT_FALSE(code39(QStringLiteral("a_b"))->isContentValid());
    EXPECT_FALSE(code39(QStringLiteral("A\tB"))->isContentValid());
    EXPECT_TRUE(code39(QStringLiteral("-. $/+%"))->isContentValid());
    EXPECT_TRUE(code39(QString(""))->isContentValid());
    // Not ASCII: no object, also where upper-casing would give ASCII ("ß" to "SS").
    EXPECT_FALSE(code39(QStringLiteral("\u00c5")));
    EXPECT_FALSE(code39(QStringLiteral("stra\u00dfe")));
}

TEST(ExtendedCode39, FullAsciiPairs)
{
    auto a = extended(QStringLiteral("a"));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->content(), QStringLiteral("a"));
    EXPECT_EQ(a->caption(), QStringLiteral("a"));
    EXPECT_EQ(a->completeBarcode(),
              kStar + NKDCode39Barcode::code39Pattern('+') + NKDCode39Barcode::code39Pattern('A') + kStar);

    EXPECT_EQ(NKDExtendedCode39Barcode::fullAsciiPair('$'), QByteArray("/D"));
    EXPECT_EQ(NKDExtendedCode39Barcode::fullAsciiPair('_'), QByteArray("%O"));
    EXPECT_EQ(NKDExtendedCode39Barcode::fullAsciiPair('*'), QByteArray("/J"));
    EXPECT_EQ(NKDExtendedCode39Barcode::fullAsciiPair('\t'), QByteArray("$I"));
    EXPECT_EQ(NKDExtendedCode39Barcode::fullAsciiPair('~'), QByteArray("%S"));
    EXPECT_EQ(NKDExtendedCode39Barcode::fullAsciiPair('@'), QByteArray("%V"));
    EXPECT_TRUE(NKDExtendedCode39Barcode::fullAsciiPair('Q').isEmpty());   // in Code 39 as it is

    // "*" inside the content must not read as the end of the symbol.
    auto star = extended(QStringLiteral("A*B"));
    ASSERT_TRUE(star->isContentValid());
    EXPECT_EQ(star->completeBarcode().size(), 13 * (2 + 1 + 2 + 1));
    const auto read = readWithZxing(star->completeBarcode(), QStringLiteral("Code39"), true);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, QByteArray("A*B"));
}

TEST(ExtendedCode39, ControlCharactersOtherThanTabAndLineFeedAreInvalid)
{
    EXPECT_FALSE(extended(QStringLiteral("A\rB"))->isContentValid());
    EXPECT_FALSE(extended(QStringLiteral("\x01"))->isContentValid());
    EXPECT_FALSE(extended(QStringLiteral("\x7f"))->isContentValid());
    EXPECT_TRUE(extended(QStringLiteral("a\tb\nc"))->isContentValid());
}

TEST(Code39RoundTrip, ThousandRandomValues)
{
    std::mt19937 rng(39);
    const QByteArray set("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray value = randomText(rng, set, 1, 20);
        auto m = code39(QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid()) << value.toStdString();
        const auto read = readWithZxing(m->completeBarcode(), QStringLiteral("Code39"));
        if ((!read.ok || read.bytes != value) && ++failures <= 5)
            ADD_FAILURE() << "wrote \"" << value.toStdString() << "\" read \"" << read.bytes.toStdString() << "\"";
    }
    EXPECT_EQ(failures, 0);
}

TEST(ExtendedCode39RoundTrip, ThousandRandomValues)
{
    std::mt19937 rng(3939);
    QByteArray set("\t\n");
    for (int c = 32; c <= 126; ++c)
        set += char(c);
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray value = randomText(rng, set, 1, 16);
        auto m = extended(QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid()) << value.toStdString();
        EXPECT_EQ(m->caption(), QString::fromLatin1(value));
        const auto read = readWithZxing(m->completeBarcode(), QStringLiteral("Code39"), true);
        if ((!read.ok || read.bytes != value) && ++failures <= 5)
            ADD_FAILURE() << "wrote \"" << value.toStdString() << "\" read \"" << read.bytes.toStdString() << "\"";
    }
    EXPECT_EQ(failures, 0);
}
