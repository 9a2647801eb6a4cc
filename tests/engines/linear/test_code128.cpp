#include "engines/Symbologies.h"
#include "engines/linear/NKDCode128Barcode.h"
#include "engines/linear/RegisterOtherLinear.h"
#include "engines/linear/decoders/SymbolImage.h"

#include <gtest/gtest.h>

#include <set>

using lineartest::makeModel;
using lineartest::randomText;
using lineartest::readWithZxing;

namespace {

std::unique_ptr<NKDCode128Barcode> code128(int codeSet, const QString &value)
{
    auto model = std::make_unique<NKDCode128Barcode>();
    model->setCodeSet(codeSet);
    EXPECT_TRUE(model->initWithContent(value, true));
    return model;
}

int check(const NKDCode128Barcode &m)
{
    return static_cast<unsigned char>(m.checkDigit());
}

// Number of symbol characters between start and stop (data and check).
qsizetype symbolCharacters(const NKDBarcode &m)
{
    return (m.completeBarcode().size() - 11 - 13) / 11;
}

QByteArray zxingText(const NKDBarcode &m)
{
    const lineartest::ZxingRead r = readWithZxing(m.completeBarcode(), QStringLiteral("Code128"));
    return r.ok ? r.bytes : QByteArray("<unread>");
}

} // namespace

TEST(Code128Examples, CheckValuesOfThePublishedExamples)
{
    // Start C, pairs 01 23 45: (105 + 1 + 2*23 + 3*45) mod 103.
    auto c = code128(NKDCode128Barcode::SetC, QStringLiteral("012345"));
    EXPECT_EQ(check(*c), 81);
    EXPECT_EQ(symbolCharacters(*c), 4);

    auto abc = code128(NKDCode128Barcode::Automatic, QStringLiteral("ABC"));
    EXPECT_EQ(abc->codeSet(), NKDCode128Barcode::SetB);
    EXPECT_EQ(check(*abc), 1);
    EXPECT_EQ(check(*code128(NKDCode128Barcode::Automatic, QStringLiteral("A B"))), 33);

    auto hello = code128(NKDCode128Barcode::SetA, QStringLiteral("HELLO"));
    EXPECT_EQ(check(*hello), 39);
    EXPECT_EQ(check(*code128(NKDCode128Barcode::SetA, QStringLiteral("\tA"))), 36);

    EXPECT_EQ(zxingText(*c), QByteArray("012345"));
    EXPECT_EQ(zxingText(*abc), QByteArray("ABC"));
    EXPECT_EQ(zxingText(*hello), QByteArray("HELLO"));
}

TEST(Code128Examples, SymbolIsStartDataCheckStop)
{
    auto abc = code128(NKDCode128Barcode::SetB, QStringLiteral("ABC"));
    const QString pattern = abc->completeBarcode();
    EXPECT_EQ(pattern.size(), 11 * 5 + 13);
    EXPECT_TRUE(pattern.startsWith(QStringLiteral("11010010000")));   // start B
    EXPECT_TRUE(pattern.endsWith(QStringLiteral("1100011101011")));   // stop
    EXPECT_EQ(abc->caption(), QStringLiteral("ABC"));
    EXPECT_TRUE(code128(NKDCode128Barcode::SetA, QStringLiteral("A"))->completeBarcode().startsWith(
        QStringLiteral("11010000100")));
    EXPECT_TRUE(code128(NKDCode128Barcode::SetC, QStringLiteral("00"))->completeBarcode().startsWith(
        QStringLiteral("11010011100") + QStringLiteral("11011001100")));   // start C, value 0
}

TEST(Code128Table, EveryValueHasItsOwnElevenModulePattern)
{
    std::set<QString> seen;
    for (int v = 0; v <= 105; ++v) {
        const QString p = NKDCode128Barcode::patternForValue(v);
        ASSERT_EQ(p.size(), 11) << v;
        EXPECT_EQ(p.front(), QLatin1Char('1')) << v;
        EXPECT_EQ(p.back(), QLatin1Char('0')) << v;
        EXPECT_EQ(p.count(QStringLiteral("10")), 3) << v;   // three bars
        EXPECT_EQ(p.count(QLatin1Char('1')) % 2, 0) << v;   // even bar modules
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), 106u);
    EXPECT_EQ(NKDCode128Barcode::patternForValue(102), QStringLiteral("11110101110"));
    EXPECT_TRUE(NKDCode128Barcode::patternForValue(106).isEmpty());
    EXPECT_TRUE(NKDCode128Barcode::patternForValue(-1).isEmpty());
}

TEST(Code128Automatic, ChoosesTheSetFromTheContent)
{
    // As many lower-case letters as control characters: B; one control character more: A.
    EXPECT_EQ(code128(NKDCode128Barcode::Automatic, QStringLiteral("ab\t\n"))->codeSet(), NKDCode128Barcode::SetB);
    auto a = code128(NKDCode128Barcode::Automatic, QStringLiteral("A\t\nB"));
    EXPECT_EQ(a->codeSet(), NKDCode128Barcode::SetA);
    EXPECT_TRUE(a->isContentValid());
    EXPECT_EQ(zxingText(*a), QByteArray("A\t\nB"));
    EXPECT_EQ(code128(NKDCode128Barcode::Automatic, QStringLiteral("1234"))->codeSet(), NKDCode128Barcode::SetC);
}

TEST(Code128Automatic, OddDigitCountIsNeverPaddedWithZero)
{
    auto m = code128(NKDCode128Barcode::Automatic, QStringLiteral("12345"));
    ASSERT_TRUE(m->isContentValid());
    EXPECT_EQ(m->codeSet(), NKDCode128Barcode::SetB);
    // Start B, "1", code C, 23, 45: (104 + 17 + 2*99 + 3*23 + 4*45) mod 103.
    EXPECT_EQ(check(*m), 53);
    EXPECT_EQ(symbolCharacters(*m), 5);
    EXPECT_EQ(zxingText(*m), QByteArray("12345"));
    EXPECT_EQ(m->caption(), QStringLiteral("12345"));

    auto one = code128(NKDCode128Barcode::Automatic, QStringLiteral("7"));
    EXPECT_EQ(one->codeSet(), NKDCode128Barcode::SetB);
    EXPECT_EQ(symbolCharacters(*one), 2);
    EXPECT_EQ(zxingText(*one), QByteArray("7"));
}

TEST(Code128Automatic, EmptyContentIsSetCWithOnlyItsCheck)
{
    auto m = code128(NKDCode128Barcode::Automatic, QString(""));
    EXPECT_TRUE(m->isContentValid());
    EXPECT_EQ(m->codeSet(), NKDCode128Barcode::SetC);
    EXPECT_EQ(check(*m), 105 % 103);
    // Start C, the check value 2, stop.
    EXPECT_EQ(m->completeBarcode(), NKDCode128Barcode::patternForValue(105) + NKDCode128Barcode::patternForValue(2)
                                        + QStringLiteral("1100011101011"));
}

TEST(Code128Validity, CharactersTheSetCannotEncodeAreInvalid)
{
    EXPECT_FALSE(code128(NKDCode128Barcode::SetC, QStringLiteral("123"))->isContentValid());
    EXPECT_FALSE(code128(NKDCode128Barcode::SetC, QStringLiteral("12A4"))->isContentValid());
    EXPECT_TRUE(code128(NKDCode128Barcode::SetC, QString(""))->isContentValid());
    EXPECT_TRUE(code128(NKDCode128Barcode::SetC, QStringLiteral("1234"))->isContentValid());

    EXPECT_TRUE(code128(NKDCode128Barcode::SetA, QStringLiteral("AZ_ \x01\x1f"))->isContentValid());
    for (const char *bad : {"a", "z", "{", "`", "|", "}", "~", "\x7f"})
        EXPECT_FALSE(code128(NKDCode128Barcode::SetA, QString::fromLatin1(bad))->isContentValid()) << bad;

    EXPECT_TRUE(code128(NKDCode128Barcode::SetB, QStringLiteral("az{|}~`"))->isContentValid());
    EXPECT_FALSE(code128(NKDCode128Barcode::SetB, QStringLiteral("A\tB"))->isContentValid());
    // DEL has the value 95 in set B.
    auto del = code128(NKDCode128Barcode::SetB, QStringLiteral("A\x7f"));
    EXPECT_TRUE(del->isContentValid());
    EXPECT_EQ(zxingText(*del), QByteArray("A\x7f"));

    // The automatic choice settles on one set; a character that set lacks is refused, not dropped.
    auto mixed = code128(NKDCode128Barcode::Automatic, QStringLiteral("ab\tc"));
    EXPECT_EQ(mixed->codeSet(), NKDCode128Barcode::SetB);
    EXPECT_FALSE(mixed->isContentValid());
    EXPECT_TRUE(mixed->barcode().isEmpty());
}

TEST(Code128Construction, NonAsciiContentGivesNoObject)
{
    NKDCode128Barcode m;
    m.setCodeSet(NKDCode128Barcode::SetB);
    EXPECT_FALSE(m.initWithContent(QStringLiteral("caf\u00e9"), true));
}

TEST(Code128Construction, CopyKeepsTheChosenSet)
{
    auto m = code128(NKDCode128Barcode::Automatic, QStringLiteral("98765"));
    m->setBarWidth(1.0f);
    m->calculateWidth();
    std::unique_ptr<NKDBarcode> twin = m->copy();
    ASSERT_TRUE(twin);
    EXPECT_EQ(twin->completeBarcode(), m->completeBarcode());
    EXPECT_EQ(twin->checkDigit(), m->checkDigit());
    EXPECT_EQ(twin->width(), m->width());
    EXPECT_EQ(zxingText(*twin), QByteArray("98765"));
}

TEST(Code128Registration, TitlesMapToTheirModelsAndCodeSets)
{
    const auto list = otherLinearSymbologies();
    const QStringList expected = {
        QStringLiteral("Code 39"), QStringLiteral("Extended Code 39"), QStringLiteral("Interleaved 2 of 5"),
        QStringLiteral("PostNet"), QStringLiteral("Modified Plessey"), QStringLiteral("Modified Plessey (Hex)"),
        QStringLiteral("Industrial 2 of 5"), QStringLiteral("Code 128"), QStringLiteral("Code 128 SET A"),
        QStringLiteral("Code 128 SET B"), QStringLiteral("Code 128 SET C"), QStringLiteral("Codabar"),
        QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"), QStringLiteral("Planet"),
        QStringLiteral("Japan Post Barcode")};
    const QStringList classes = {
        QStringLiteral("NKDCode39Barcode"), QStringLiteral("NKDExtendedCode39Barcode"),
        QStringLiteral("NKDInterleavedTwoOfFiveBarcode"), QStringLiteral("NKDPostnetBarcode"),
        QStringLiteral("NKDModifiedPlesseyBarcode"), QStringLiteral("NKDModifiedPlesseyHexBarcode"),
        QStringLiteral("NKDIndustrialTwoOfFiveBarcode"), QStringLiteral("NKDCode128Barcode"),
        QStringLiteral("NKDCode128Barcode"), QStringLiteral("NKDCode128Barcode"), QStringLiteral("NKDCode128Barcode"),
        QStringLiteral("NKDCodabarBarcode"), QStringLiteral("NKDRoyalMailBarcode"), QStringLiteral("NKDPlanetBarcode"),
        QStringLiteral("JapanPostBarcode")};
    ASSERT_EQ(int(list.size()), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list[size_t(i)].first, expected[i]);
        EXPECT_EQ(list[size_t(i)].second()->className(), classes[i]) << expected[i].toStdString();
    }
    // Each Code 128 title builds its set before construction; the same digits give three symbols.
    EXPECT_EQ(static_cast<NKDCode128Barcode &>(*makeModel(QStringLiteral("Code 128 SET A"), QStringLiteral("12")))
                  .codeSet(),
              NKDCode128Barcode::SetA);
    EXPECT_EQ(static_cast<NKDCode128Barcode &>(*makeModel(QStringLiteral("Code 128 SET B"), QStringLiteral("12")))
                  .codeSet(),
              NKDCode128Barcode::SetB);
    EXPECT_EQ(static_cast<NKDCode128Barcode &>(*makeModel(QStringLiteral("Code 128 SET C"), QStringLiteral("12")))
                  .codeSet(),
              NKDCode128Barcode::SetC);
    EXPECT_EQ(static_cast<NKDCode128Barcode &>(*makeModel(QStringLiteral("Code 128"), QStringLiteral("12"))).codeSet(),
              NKDCode128Barcode::SetC);
}

TEST(Code128Registration, EveryTitleIsALinearTitleOfTheSharedList)
{
    for (const auto &[title, factory] : otherLinearSymbologies()) {
        EXPECT_TRUE(Symbologies::isLinear(title)) << title.toStdString();
        ASSERT_TRUE(Symbologies::registerLinearSymbology(title, factory)) << title.toStdString();
        auto model = Symbologies::createLinearBarcode(title, QStringLiteral("1234567"), true);
        ASSERT_TRUE(model) << title.toStdString();
        EXPECT_EQ(model->className(), factory()->className());
    }
}

namespace {

QByteArray range(int from, int to)
{
    QByteArray chars;
    for (int c = from; c <= to; ++c)
        chars += char(c);
    return chars;
}

// Builds 1,000 values with make, checks that each is valid under the title and that zxing-cpp reads
// each symbol back to the value.
template <typename Make>
void roundTrip(const QString &title, Make make)
{
    std::mt19937 rng(128);
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray value = make(rng);
        auto model = makeModel(title, QString::fromLatin1(value));
        ASSERT_TRUE(model);
        ASSERT_TRUE(model->isContentValid()) << title.toStdString() << " " << value.toStdString();
        const QByteArray read = zxingText(*model);
        if (read != value && ++failures <= 5)
            ADD_FAILURE() << title.toStdString() << ": wrote \"" << value.toStdString() << "\" read \""
                          << read.toStdString() << "\"";
    }
    EXPECT_EQ(failures, 0);
}

} // namespace

TEST(Code128RoundTrip, SetAWithControlCharacters)
{
    const QByteArray alphabet = range(0, 95);
    roundTrip(QStringLiteral("Code 128 SET A"), [&](std::mt19937 &rng) { return randomText(rng, alphabet, 1, 24); });
}

TEST(Code128RoundTrip, SetB)
{
    const QByteArray alphabet = range(32, 127);
    roundTrip(QStringLiteral("Code 128 SET B"), [&](std::mt19937 &rng) { return randomText(rng, alphabet, 1, 24); });
}

TEST(Code128RoundTrip, SetC)
{
    roundTrip(QStringLiteral("Code 128 SET C"), [](std::mt19937 &rng) {
        QByteArray v = randomText(rng, "0123456789", 1, 20);
        return v.size() % 2 ? v + '0' : v;
    });
}

TEST(Code128RoundTrip, AutomaticOverDigitsTextAndControlCharacters)
{
    const QByteArray printable = range(32, 127);
    const QByteArray upperAndControls = range(0, 95);
    roundTrip(QStringLiteral("Code 128"), [&](std::mt19937 &rng) {
        switch (rng() % 3) {
        case 0:
            return randomText(rng, "0123456789", 1, 21);   // odd and even digit counts
        case 1:
            return randomText(rng, printable, 1, 20);
        default: {
            // Upper case with more control characters than lower-case letters: set A.
            QByteArray v = randomText(rng, upperAndControls, 0, 16);
            return v + '\x1d';
        }
        }
    });
}
