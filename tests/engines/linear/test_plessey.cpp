#include "engines/linear/NKDModifiedPlesseyHexBarcode.h"
#include "engines/linear/PatternRaster.h"
#include "engines/linear/decoders/SymbolImage.h"
#include "engines/linear/decoders/WidthDecoders.h"

#include <gtest/gtest.h>

using lineartest::makeModel;
using lineartest::randomText;

namespace {

std::unique_ptr<NKDBarcode> plessey(const QString &value)
{
    return makeModel(QStringLiteral("Modified Plessey"), value);
}

std::unique_ptr<NKDBarcode> hex(const QString &value)
{
    return makeModel(QStringLiteral("Modified Plessey (Hex)"), value);
}

lineartest::WidthRead read(const NKDBarcode &m)
{
    return lineartest::readModifiedPlessey(testsupport::renderPattern(m.completeBarcode(), 2, 20, 10));
}

} // namespace

TEST(ModifiedPlessey, CheckDigitsOfThePublishedExamples)
{
    EXPECT_EQ(plessey(QStringLiteral("1234"))->checkDigit(), 4);
    EXPECT_EQ(plessey(QStringLiteral("80523"))->checkDigit(), 4);
    EXPECT_EQ(plessey(QStringLiteral("12345"))->checkDigit(), 5);
    auto a = hex(QStringLiteral("a"));
    EXPECT_EQ(a->content(), QStringLiteral("A"));
    EXPECT_EQ(a->checkDigit(), 3);
}

TEST(ModifiedPlessey, SymbolIsStartDigitsCheckStop)
{
    auto m = plessey(QStringLiteral("1234"));
    EXPECT_EQ(m->caption(), QStringLiteral("1234"));
    const QString p = m->completeBarcode();
    EXPECT_EQ(p.size(), 3 + 5 * 12 + 4);
    EXPECT_TRUE(p.startsWith(QStringLiteral("110")));
    EXPECT_TRUE(p.endsWith(QStringLiteral("1001")));
    // "0" and "9" as four bits, most significant first.
    EXPECT_EQ(NKDModifiedPlesseyBarcode::digitPattern('0'), QStringLiteral("100100100100"));
    EXPECT_EQ(NKDModifiedPlesseyBarcode::digitPattern('9'), QStringLiteral("110100100110"));
    EXPECT_EQ(NKDModifiedPlesseyBarcode::digitPattern(9), QStringLiteral("110100100110"));
    const auto r = read(*m);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.data, QStringLiteral("1234"));
    EXPECT_EQ(r.check, QLatin1Char('4'));
}

TEST(ModifiedPlessey, HexLettersAreFourModuleBitsLeastSignificantFirst)
{
    EXPECT_EQ(NKDModifiedPlesseyHexBarcode::letterPattern('A'), QStringLiteral("1000111010001110"));
    EXPECT_EQ(NKDModifiedPlesseyHexBarcode::letterPattern('F'), QStringLiteral("1110111011101110"));
    auto m = hex(QStringLiteral("1f"));
    ASSERT_TRUE(m->isContentValid());
    const auto r = read(*m);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.data, QStringLiteral("1F"));
}

TEST(ModifiedPlessey, OnlyDigitsAndInHexTheLettersAToF)
{
    EXPECT_FALSE(plessey(QStringLiteral("12A"))->isContentValid());
    EXPECT_FALSE(plessey(QStringLiteral("12 3"))->isContentValid());
    EXPECT_TRUE(hex(QStringLiteral("12AbC"))->isContentValid());
    EXPECT_FALSE(hex(QStringLiteral("12G"))->isContentValid());
    EXPECT_FALSE(plessey(QStringLiteral("\u0661\u0662")));   // not ASCII: no object
    // Control characters 0..9 share their codes with the raw check numbers; as content they are
    // not digits.
    for (int code = 0; code <= 9; ++code) {
        EXPECT_FALSE(plessey(QStringLiteral("12") + QChar(code))->isContentValid()) << code;
        EXPECT_FALSE(hex(QChar(code) + QStringLiteral("A"))->isContentValid()) << code;
    }
}

TEST(ModifiedPlesseyRoundTrip, ThousandDigitValues)
{
    std::mt19937 rng(10);
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray value = randomText(rng, "0123456789", 1, 20);
        auto m = plessey(QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid());
        const auto r = read(*m);
        if ((!r.ok || r.data != QString::fromLatin1(value)) && ++failures <= 5)
            ADD_FAILURE() << "wrote " << value.toStdString() << " read " << r.data.toStdString() << " "
                          << r.error.toStdString();
    }
    EXPECT_EQ(failures, 0);
}

TEST(ModifiedPlesseyRoundTrip, ThousandHexValues)
{
    std::mt19937 rng(16);
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray value = randomText(rng, "0123456789ABCDEFabcdef", 1, 16);
        auto m = hex(QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid());
        const auto r = read(*m);
        if ((!r.ok || r.data != QString::fromLatin1(value).toUpper()) && ++failures <= 5)
            ADD_FAILURE() << "wrote " << value.toStdString() << " read " << r.data.toStdString() << " "
                          << r.error.toStdString();
    }
    EXPECT_EQ(failures, 0);
}
