#include "engines/linear/NKDCodabarBarcode.h"
#include "engines/linear/decoders/SymbolImage.h"

#include <gtest/gtest.h>

using lineartest::makeModel;
using lineartest::randomText;
using lineartest::readWithZxing;

namespace {

std::unique_ptr<NKDBarcode> codabar(const QString &value)
{
    return makeModel(QStringLiteral("Codabar"), value);
}

QByteArray zxingText(const NKDBarcode &m)
{
    const auto read = readWithZxing(m.completeBarcode(), QStringLiteral("Codabar"), false, true);
    return read.ok ? read.bytes : QByteArray("<unread>");
}

} // namespace

TEST(CodabarTable, StandardPatterns)
{
    EXPECT_EQ(NKDCodabarBarcode::codabarPattern('0'), QStringLiteral("01010100110"));
    EXPECT_EQ(NKDCodabarBarcode::codabarPattern('.'), QStringLiteral("011011011010"));
    // Where other tables go astray: "+" is n n w n w n w, B is n w n w n n w, C is n n n w n w w,
    // and "8" keeps its light module before the next character.
    EXPECT_EQ(NKDCodabarBarcode::codabarPattern('+'), QStringLiteral("010110110110"));
    EXPECT_EQ(NKDCodabarBarcode::codabarPattern('B'), QStringLiteral("010010010110"));
    EXPECT_EQ(NKDCodabarBarcode::codabarPattern('C'), QStringLiteral("010100100110"));
    EXPECT_EQ(NKDCodabarBarcode::codabarPattern('8'), QStringLiteral("01001101010"));
    EXPECT_TRUE(NKDCodabarBarcode::codabarPattern('E').isEmpty());
    EXPECT_TRUE(NKDCodabarBarcode::codabarPattern('\0').isEmpty());
}

TEST(CodabarSymbol, DefaultFrameIsStartAAndStopB)
{
    auto m = codabar(QStringLiteral("1238"));
    ASSERT_TRUE(m && m->isContentValid());
    const QString p = m->completeBarcode();
    EXPECT_TRUE(p.startsWith(QStringLiteral("1011001001")));
    EXPECT_TRUE(p.endsWith(QStringLiteral("01001001011")));   // a light module between "8" and the stop
    EXPECT_EQ(zxingText(*m), QByteArray("A1238B"));
    EXPECT_EQ(m->caption(), QStringLiteral("1238"));
}

TEST(CodabarSymbol, ContentWithItsOwnStartAndStopIsNotFramedAgain)
{
    auto m = codabar(QStringLiteral("A1234B"));
    ASSERT_TRUE(m && m->isContentValid());
    EXPECT_EQ(zxingText(*m), QByteArray("A1234B"));
    EXPECT_EQ(m->completeBarcode().size(), codabar(QStringLiteral("1234"))->completeBarcode().size());
    EXPECT_EQ(m->caption(), QStringLiteral("A1234B"));

    auto d = codabar(QStringLiteral("C-$:/.+D"));
    ASSERT_TRUE(d->isContentValid());
    EXPECT_EQ(zxingText(*d), QByteArray("C-$:/.+D"));
}

TEST(CodabarValidity, StartStopLettersOnlyAtBothEnds)
{
    EXPECT_FALSE(codabar(QStringLiteral("12A34"))->isContentValid());
    EXPECT_FALSE(codabar(QStringLiteral("A1234"))->isContentValid());
    EXPECT_FALSE(codabar(QStringLiteral("1234B"))->isContentValid());
    EXPECT_FALSE(codabar(QStringLiteral("A12B34C"))->isContentValid());
    EXPECT_FALSE(codabar(QStringLiteral("A"))->isContentValid());
    EXPECT_FALSE(codabar(QStringLiteral("a123b"))->isContentValid());
    EXPECT_FALSE(codabar(QStringLiteral("12E"))->isContentValid());
    EXPECT_TRUE(codabar(QStringLiteral("D0C"))->isContentValid());
    EXPECT_TRUE(codabar(QString(""))->isContentValid());
}

TEST(CodabarRoundTrip, ThousandRandomValues)
{
    std::mt19937 rng(1972);
    const QByteArray data("0123456789-$:/.+");
    const QByteArray ends("ABCD");
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        // zxing-cpp reads Codabar symbols of two or more data characters.
        QByteArray value = randomText(rng, data, 2, 20);
        QByteArray expected = "A" + value + "B";
        if (rng() % 2) {
            value = ends.at(int(rng() % 4)) + value + ends.at(int(rng() % 4));
            expected = value;
        }
        auto m = codabar(QString::fromLatin1(value));
        ASSERT_TRUE(m && m->isContentValid()) << value.toStdString();
        const QByteArray read = zxingText(*m);
        if (read != expected && ++failures <= 5)
            ADD_FAILURE() << "wrote " << value.toStdString() << " read " << read.toStdString();
    }
    EXPECT_EQ(failures, 0);
}
