#include "engines/linear/JapanPostBarcode.h"
#include "engines/linear/NKDPlanetBarcode.h"
#include "engines/linear/NKDRoyalMailBarcode.h"
#include "engines/linear/decoders/PostalDecoders.h"
#include "engines/linear/decoders/SymbolImage.h"

#include <gtest/gtest.h>

#include <cctype>

using lineartest::makeModel;
using lineartest::randomText;
using lineartest::renderWithExtents;

namespace {

constexpr float kPointsPerMm = 72.0f / 25.4f;

std::unique_ptr<NKDBarcode> postnet(const QString &v) { return makeModel(QStringLiteral("PostNet"), v); }
std::unique_ptr<NKDBarcode> planet(const QString &v) { return makeModel(QStringLiteral("Planet"), v); }
std::unique_ptr<NKDBarcode> royalMail(const QString &v)
{
    return makeModel(QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"), v);
}
std::unique_ptr<JapanPostBarcode> japanPost(const QString &v)
{
    auto m = std::make_unique<JapanPostBarcode>();
    EXPECT_TRUE(m->initWithContent(v, true));
    return m;
}

// Indices of the bar modules of a pattern.
std::vector<int> barIndices(const NKDBarcode &m)
{
    std::vector<int> bars;
    const QString p = m.completeBarcode();
    for (int i = 0; i < p.size(); ++i) {
        if (p.at(i) == QLatin1Char('1'))
            bars.push_back(i);
    }
    return bars;
}

} // namespace

TEST(Postnet, PublishedExample)
{
    auto m = postnet(QStringLiteral("12345"));
    ASSERT_TRUE(m && m->isContentValid());
    EXPECT_EQ(m->checkDigit(), '5');
    EXPECT_EQ(m->completeBarcode().size(), 94);
    EXPECT_FLOAT_EQ(m->barWidth(), 1.08f);
    EXPECT_FLOAT_EQ(m->height(), 9.0f);
    EXPECT_FLOAT_EQ(m->width(), 94 * 1.08f);
    const std::vector<int> bars = barIndices(*m);
    ASSERT_EQ(bars.size(), 32u);
    EXPECT_FLOAT_EQ(m->barTop(bars.front()), 9.0f);
    EXPECT_FLOAT_EQ(m->barTop(bars.back()), 9.0f);
    // The bars of "1": short, short, short, tall, tall (0.05 and 0.125 inch).
    const float expected[] = {3.6f, 3.6f, 3.6f, 9.0f, 9.0f};
    for (int b = 0; b < 5; ++b)
        EXPECT_FLOAT_EQ(m->barTop(bars[size_t(1 + b)]), expected[b]) << b;
    const auto read = lineartest::readPostnet(renderWithExtents(*m));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.data, QStringLiteral("12345"));
    EXPECT_EQ(read.check, QLatin1Char('5'));
}

TEST(Planet, TallAndShortSwappedFrameBarsKept)
{
    auto m = planet(QStringLiteral("12345"));
    auto p = postnet(QStringLiteral("12345"));
    ASSERT_TRUE(m && m->isContentValid());
    EXPECT_EQ(m->checkDigit(), '5');
    EXPECT_EQ(m->completeBarcode(), p->completeBarcode());
    const std::vector<int> bars = barIndices(*m);
    EXPECT_FLOAT_EQ(m->barTop(bars.front()), 9.0f);
    EXPECT_FLOAT_EQ(m->barTop(bars.back()), 9.0f);
    for (size_t b = 1; b + 1 < bars.size(); ++b)
        EXPECT_NE(m->barTop(bars[b]), p->barTop(bars[b])) << b;
    EXPECT_FLOAT_EQ(m->barTop(bars[1]), 9.0f);
    EXPECT_FALSE(lineartest::readPostnet(renderWithExtents(*m)).ok);
    const auto read = lineartest::readPlanet(renderWithExtents(*m));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.data, QStringLiteral("12345"));
}

TEST(Postnet, OnlyAsciiDigitsOfFiveNineOrElevenDigits)
{
    for (const char *bad : {"1234", "123456", "123456789012", "1234A", "12 45", ""})
        EXPECT_FALSE(postnet(QString::fromLatin1(bad))->isContentValid()) << bad;
    for (const char *good : {"12345", "123456789", "12345678901"}) {
        EXPECT_TRUE(postnet(QString::fromLatin1(good))->isContentValid()) << good;
        EXPECT_TRUE(planet(QString::fromLatin1(good))->isContentValid()) << good;
    }
    // Decimal digits of another script have no bars here.
    auto arabic = postnet(QStringLiteral("\u0661\u0662\u0663\u0664\u0665"));
    EXPECT_TRUE(!arabic || !arabic->isContentValid());
    auto planetArabic = planet(QStringLiteral("\u0661\u0662\u0663\u0664\u0665"));
    EXPECT_TRUE(!planetArabic || !planetArabic->isContentValid());
}

TEST(RoyalMail, CheckCharacterFromRowAndColumnSums)
{
    auto zero = royalMail(QStringLiteral("0"));
    ASSERT_TRUE(zero && zero->isContentValid());
    EXPECT_EQ(zero->checkDigit(), '0');
    EXPECT_EQ(royalMail(QStringLiteral("00"))->checkDigit(), '7');
    EXPECT_FALSE(zero->printsCaption());
    EXPECT_FLOAT_EQ(zero->barWidth(), 1.4173229f);
    EXPECT_FLOAT_EQ(zero->height(), 14.3149605f);
    // Start bar, four bars per character and for the check, stop bar.
    EXPECT_EQ(zero->completeBarcode().size(), 2 + 8 * 2 + 1);
}

TEST(RoyalMail, BarExtentsOfStartStopAndTracker)
{
    auto m = royalMail(QStringLiteral("0"));
    const std::vector<int> bars = barIndices(*m);
    ASSERT_EQ(bars.size(), 10u);
    // Start: ascender 1.9..5.05 mm; stop: full bar 0..5.05 mm.
    EXPECT_NEAR(m->barBottom(bars.front()), 1.9f * kPointsPerMm, 1e-4);
    EXPECT_NEAR(m->barTop(bars.front()), 5.05f * kPointsPerMm, 1e-4);
    EXPECT_NEAR(m->barBottom(bars.back()), 0.0f, 1e-6);
    EXPECT_NEAR(m->barTop(bars.back()), 5.05f * kPointsPerMm, 1e-4);
    // "0" is tracker, tracker, full, full.
    EXPECT_NEAR(m->barBottom(bars[1]), 1.9f * kPointsPerMm, 1e-4);
    EXPECT_NEAR(m->barTop(bars[1]), 3.15f * kPointsPerMm, 1e-4);
    EXPECT_NEAR(m->barBottom(bars[3]), 0.0f, 1e-6);
    EXPECT_TRUE(m->isFourState());
    EXPECT_EQ(royalmail_characterDescriptor('0'), 0x0033);
    EXPECT_EQ(royalmail_characterDescriptor('Z'), 0x3300);
    EXPECT_EQ(royalmail_characterDescriptor('a'), 0);
    EXPECT_EQ(royalmail_collapseAscenders(royalmail_characterDescriptor('U')), 0xC);
    EXPECT_EQ(royalmail_collapseDescenders(royalmail_characterDescriptor('U')), 0x3);
}

TEST(RoyalMail, LettersAreUpperCasedOtherCharactersRefused)
{
    auto m = royalMail(QStringLiteral("sn34rd1a"));
    EXPECT_EQ(m->content(), QStringLiteral("SN34RD1A"));
    EXPECT_TRUE(m->isContentValid());
    EXPECT_FALSE(royalMail(QStringLiteral("SN34 RD1A"))->isContentValid());
    EXPECT_FALSE(royalMail(QStringLiteral("AB-1"))->isContentValid());
    EXPECT_FALSE(royalMail(QStringLiteral("\u00df")));   // would upper-case to "SS"
    EXPECT_FALSE(royalMail(QStringLiteral("\u0131")));   // dotless i would become "I"
    const auto read = lineartest::readRoyalMail(renderWithExtents(*m));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.data, QStringLiteral("SN34RD1A"));
    EXPECT_EQ(read.check, QLatin1Char(m->checkDigit()));
}

TEST(JapanPost, SevenDigitsPaddedWithFillersAndCheck)
{
    auto m = japanPost(QStringLiteral("1234567"));
    ASSERT_TRUE(m->isContentValid());
    EXPECT_EQ(m->japanpostContents(), QStringLiteral("1234567") + QString(13, QLatin1Char('=')));
    EXPECT_EQ(m->checkDigit(), '/');   // 28 + 13 x 14 = 210; (19 - 210 mod 19) mod 19 = 18
    EXPECT_EQ(m->completeBarcode().size(), 133);
    EXPECT_EQ(barIndices(*m).size(), 67u);
    EXPECT_FLOAT_EQ(m->japanPostSize(), 10.0f);
    const auto read = lineartest::readJapanPost(renderWithExtents(*m));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.data, QStringLiteral("1234567"));
    EXPECT_EQ(read.check, QLatin1Char('/'));
}

TEST(JapanPost, LettersBecomeShiftCodeAndDigit)
{
    auto m = japanPost(QStringLiteral("1234567ab-Z"));
    EXPECT_EQ(m->content(), QStringLiteral("1234567AB-Z"));
    EXPECT_TRUE(m->japanpostContents().startsWith(QStringLiteral("1234567:0:1-<5=")));
    const auto read = lineartest::readJapanPost(renderWithExtents(*m));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.data, QStringLiteral("1234567AB-Z"));
    // Characters the code cannot carry are dropped; a content without seven leading digits is invalid.
    EXPECT_EQ(japanPost(QStringLiteral("123-4567 1-3"))->content(), QStringLiteral("123-45671-3"));
    EXPECT_FALSE(japanPost(QStringLiteral("123-4567"))->isContentValid());
    EXPECT_FALSE(japanPost(QStringLiteral("123456"))->isContentValid());
}

TEST(JapanPost, LongContentIsCutToTwentyCodeCharacters)
{
    // 19 code characters, then a letter whose digit does not fit: its shift code stays alone.
    auto m = japanPost(QStringLiteral("1234567123456789012A9"));
    EXPECT_EQ(m->japanpostContents(), QStringLiteral("1234567123456789012:"));
    EXPECT_EQ(m->content(), QStringLiteral("1234567123456789012"));
    auto twin = m->copy();
    ASSERT_TRUE(twin);
    EXPECT_EQ(static_cast<JapanPostBarcode &>(*twin).japanpostContents(), m->japanpostContents());
    EXPECT_EQ(twin->completeBarcode(), m->completeBarcode());
    const auto read = lineartest::readJapanPost(renderWithExtents(*m));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.data, QStringLiteral("1234567123456789012"));
}

TEST(JapanPost, SizeFollowsTheModuleWidthWithinItsRange)
{
    auto m = japanPost(QStringLiteral("1234567"));
    m->setJapanPostSize(8.2f);
    EXPECT_FLOAT_EQ(m->japanPostSize(), 8.5f);
    EXPECT_FLOAT_EQ(m->barWidth(), 8.5f / 6.0f);
    m->setBarWidth(1.0f);
    EXPECT_FLOAT_EQ(m->barWidth(), 1.3333334f);
    EXPECT_FLOAT_EQ(m->japanPostSize(), 8.0f);
    EXPECT_FLOAT_EQ(m->width(), 133 * 1.3333334f);
    m->setBarWidth(5.0f);
    EXPECT_FLOAT_EQ(m->japanPostSize(), 11.5f);
    // The long bar is 3.6 x size / 10 mm.
    const int full = barIndices(*m).front();   // the start code's long bar
    EXPECT_NEAR(m->barTop(full), 3.6f * 11.5f / 10.0f * kPointsPerMm, 1e-3);
    EXPECT_NEAR(m->barBottom(full), 0.0f, 1e-6);
}

TEST(JapanPost, PictureHeightNeverCutsTheBars)
{
    auto m = japanPost(QStringLiteral("1234567"));
    auto settings = std::make_shared<BarcodeSettings>();
    settings->value_margin = 3;
    settings->TB_margin = 2;
    m->setSettings(settings);
    m->setPrintsCaption(true);
    m->setCaptionHeight(0.25f);   // 18 points
    const float longBar = 3.6f * m->japanPostSize() / 10.0f * kPointsPerMm;
    const float bands = 18.0f + 3.0f + 2 * 2.0f;

    // A tall picture keeps its height and the symbol its size.
    m->setHeight(200.0f);
    EXPECT_FLOAT_EQ(m->height(), 200.0f);
    EXPECT_FLOAT_EQ(m->japanPostSize(), 10.0f);

    // A low one is raised to the long bar plus the bands, through this class or the base class.
    m->setHeight(12.0f);
    EXPECT_NEAR(m->height(), longBar + bands, 1e-3);
    NKDBarcode &base = *m;
    base.setHeight(5.0f);
    base.calculateWidth();
    EXPECT_NEAR(m->height(), longBar + bands, 1e-3);
    EXPECT_FLOAT_EQ(m->japanPostSize(), 10.0f);

    // A module width set through the base class is brought into range before drawing.
    base.setBarWidth(0.5f);
    base.calculateWidth();
    EXPECT_FLOAT_EQ(m->barWidth(), JapanPostBarcode::kMinBarWidth);
}

namespace {

template <typename Make, typename Read>
void postalRoundTrip(unsigned seed, Make makeValue, const QString &title, Read read)
{
    std::mt19937 rng(seed);
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        const auto [value, expected] = makeValue(rng);
        auto m = makeModel(title, QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid()) << value.toStdString();
        const lineartest::PostalRead r = read(renderWithExtents(*m));
        if ((!r.ok || r.data != expected) && ++failures <= 5)
            ADD_FAILURE() << title.toStdString() << ": wrote " << value.toStdString() << " read "
                          << r.data.toStdString() << " " << r.error.toStdString();
    }
    EXPECT_EQ(failures, 0);
}

std::pair<QByteArray, QString> zipValue(std::mt19937 &rng)
{
    static const int lengths[] = {5, 9, 11};
    const int n = lengths[rng() % 3];
    const QByteArray v = randomText(rng, "0123456789", n, n);
    return {v, QString::fromLatin1(v)};
}

} // namespace

TEST(PostalRoundTrip, PostnetThousandValues)
{
    postalRoundTrip(5, zipValue, QStringLiteral("PostNet"), lineartest::readPostnet);
}

TEST(PostalRoundTrip, PlanetThousandValues)
{
    postalRoundTrip(11, zipValue, QStringLiteral("Planet"), lineartest::readPlanet);
}

TEST(PostalRoundTrip, RoyalMailThousandValues)
{
    postalRoundTrip(
        4,
        [](std::mt19937 &rng) {
            const QByteArray v = randomText(rng, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 1, 12);
            return std::make_pair(v, QString::fromLatin1(v).toUpper());
        },
        QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"), lineartest::readRoyalMail);
}

TEST(PostalRoundTrip, JapanPostThousandValues)
{
    postalRoundTrip(
        7,
        [](std::mt19937 &rng) {
            const QByteArray postal = randomText(rng, "0123456789", 7, 7);
            const QByteArray address = randomText(rng, "0123456789-ABCDEFGHIJKLMNOPQRSTUVWXYZxyz", 0, 16);
            // The readable part is what fits in 20 code characters, a letter taking two.
            QString expected = QString::fromLatin1(postal);
            int codes = 7;
            for (const char c : address) {
                const bool letter = std::isalpha(static_cast<unsigned char>(c));
                codes += letter ? 2 : 1;
                if (codes > 20)
                    break;
                expected += QChar::fromLatin1(c).toUpper();
            }
            return std::make_pair(postal + address, expected);
        },
        QStringLiteral("Japan Post Barcode"), lineartest::readJapanPost);
}
