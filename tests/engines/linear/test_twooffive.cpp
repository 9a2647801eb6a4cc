#include "engines/linear/NKDIndustrialTwoOfFiveBarcode.h"
#include "engines/linear/PatternRaster.h"
#include "engines/linear/decoders/SymbolImage.h"
#include "engines/linear/decoders/WidthDecoders.h"

#include <gtest/gtest.h>

using lineartest::makeModel;
using lineartest::randomText;
using lineartest::readWithZxing;

namespace {

std::unique_ptr<NKDBarcode> itf(const QString &value)
{
    return makeModel(QStringLiteral("Interleaved 2 of 5"), value);
}

std::unique_ptr<NKDBarcode> industrial(const QString &value)
{
    return makeModel(QStringLiteral("Industrial 2 of 5"), value);
}

lineartest::WidthRead readIndustrial(const NKDBarcode &m)
{
    return lineartest::readIndustrialTwoOfFive(testsupport::renderPattern(m.completeBarcode(), 2, 20, 10));
}

} // namespace

TEST(InterleavedTwoOfFive, OddLengthIsEncodedWithALeadingZero)
{
    auto m = itf(QStringLiteral("123"));
    ASSERT_TRUE(m && m->isContentValid());
    EXPECT_EQ(m->completeBarcode().size(), 45);
    EXPECT_EQ(m->caption(), QStringLiteral("123"));
    EXPECT_EQ(m->completeBarcode(), itf(QStringLiteral("0123"))->completeBarcode());
    const auto read = readWithZxing(itf(QStringLiteral("123456"))->completeBarcode(), QStringLiteral("ITF"));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, QByteArray("123456"));
}

TEST(InterleavedTwoOfFive, PairTakesBarsFromTheFirstDigitAndSpacesFromTheSecond)
{
    // "1" is WNNNW, "0" NNWWN: bars 111 1 1 1 111, spaces 0 0 000 000 0.
    const QString pattern = itf(QStringLiteral("10"))->completeBarcode();
    EXPECT_EQ(pattern, QStringLiteral("1010") + QStringLiteral("111010100010001110") + QStringLiteral("11101"));
}

TEST(InterleavedTwoOfFive, OnlyDigitsAreValid)
{
    EXPECT_TRUE(itf(QString(""))->isContentValid());
    EXPECT_FALSE(itf(QStringLiteral("12A4"))->isContentValid());
    EXPECT_FALSE(itf(QStringLiteral("12 4"))->isContentValid());
    EXPECT_TRUE(industrial(QString(""))->isContentValid());
    EXPECT_FALSE(industrial(QStringLiteral("1-2"))->isContentValid());
    // Digits of another script are not ASCII: no object at all.
    EXPECT_FALSE(industrial(QStringLiteral("\u0661\u0662")));
}

TEST(IndustrialTwoOfFive, OwnStartAndStopAroundBarWidthDigits)
{
    auto m = industrial(QStringLiteral("12"));
    ASSERT_TRUE(m && m->isContentValid());
    const QString p = m->completeBarcode();
    // Start: wide, wide, narrow bar; each digit 19 modules; stop: wide, narrow, wide bar.
    EXPECT_TRUE(p.startsWith(QStringLiteral("1110011100100")));
    EXPECT_TRUE(p.endsWith(QStringLiteral("11100100111")));
    EXPECT_EQ(p.size(), 13 + 2 * 19 + 11);
    // "1" is WNNNW: only the bars carry it, every space is two modules.
    EXPECT_EQ(p.mid(13, 19), QStringLiteral("1110010010010011100"));
    EXPECT_EQ(m->caption(), QStringLiteral("12"));
    const auto read = readIndustrial(*m);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.data, QStringLiteral("12"));
}

TEST(IndustrialTwoOfFive, OddLengthGetsNoLeadingZero)
{
    auto m = industrial(QStringLiteral("7"));
    EXPECT_EQ(m->completeBarcode().size(), 13 + 19 + 11);
    EXPECT_EQ(readIndustrial(*m).data, QStringLiteral("7"));
}

TEST(InterleavedTwoOfFiveRoundTrip, ThousandEvenLengthValuesThroughZxing)
{
    std::mt19937 rng(25);
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        QByteArray value = randomText(rng, "0123456789", 6, 30);
        if (value.size() % 2)
            value.chop(1);
        auto m = itf(QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid());
        EXPECT_EQ(m->completeBarcode().size(), 4 + 9 * value.size() + 5);
        const auto read = readWithZxing(m->completeBarcode(), QStringLiteral("ITF"));
        if ((!read.ok || read.bytes != value) && ++failures <= 5)
            ADD_FAILURE() << "wrote " << value.toStdString() << " read " << read.bytes.toStdString();
    }
    EXPECT_EQ(failures, 0);
}

TEST(IndustrialTwoOfFiveRoundTrip, ThousandValuesThroughTheWidthReader)
{
    std::mt19937 rng(52);
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray value = randomText(rng, "0123456789", 1, 25);
        auto m = industrial(QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid());
        const auto read = readIndustrial(*m);
        if ((!read.ok || read.data != QString::fromLatin1(value)) && ++failures <= 5)
            ADD_FAILURE() << "wrote " << value.toStdString() << " read " << read.data.toStdString() << " "
                          << read.error.toStdString();
    }
    EXPECT_EQ(failures, 0);
}
