#include "engines/linear/NKDEAN13Barcode.h"
#include "engines/linear/NKDEAN8Barcode.h"
#include "engines/linear/NKDUPCABarcode.h"
#include "engines/linear/NKDUPCEBarcode.h"
#include "engines/linear/PatternRaster.h"
#include "engines/linear/UPCEANStrings.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Number sets A, B and C of the EAN/UPC standard.
const char *const kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};
const char *const kSetB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                               "0111001", "0000101", "0010001", "0001001", "0010111"};
const char *const kSetC[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                               "1001110", "1010000", "1000100", "1001000", "1110100"};

template <class T>
std::unique_ptr<T> make(const QString &content, bool caption = true)
{
    auto b = std::make_unique<T>();
    if (!b->initWithContent(content, caption))
        return nullptr;
    return b;
}

// "A" or "B" per 7-module digit of a stretch of pattern; "?" for anything that is neither.
QString setsOf(const QString &stretch)
{
    QString out;
    for (qsizetype at = 0; at + 7 <= stretch.size(); at += 7) {
        const QString digit = stretch.mid(at, 7);
        QChar which = QLatin1Char('?');
        for (int d = 0; d < 10; ++d) {
            if (digit == QLatin1String(kSetA[d]))
                which = QLatin1Char('A');
            else if (digit == QLatin1String(kSetB[d]))
                which = QLatin1Char('B');
        }
        out += which;
    }
    return out;
}

QString randomDigits(std::mt19937 &rng, int n)
{
    std::uniform_int_distribution<int> digit(0, 9);
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + digit(rng));
    return s;
}

// Reference check digit, summed from the left: after padding to an odd length with a leading zero,
// the digits at even positions (the rightmost among them) carry weight 3.
QChar referenceCheck(QString digits)
{
    if (digits.size() % 2 == 0)
        digits.prepend(QLatin1Char('0'));
    int odd = 0, even = 0;
    for (int i = 0; i < digits.size(); ++i)
        (i % 2 == 0 ? odd : even) += digits.at(i).digitValue();
    return QChar(u'0' + (10 - (3 * odd + even) % 10) % 10);
}

} // namespace

TEST(UPCEANStrings, DerivedSetsMatchTheStandardTables)
{
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(UPCEAN::swapHandedness(QLatin1String(kSetA[d])), QLatin1String(kSetC[d])) << d;
        EXPECT_EQ(UPCEAN::swapParity(QLatin1String(kSetA[d])), QLatin1String(kSetB[d])) << d;
    }
    EXPECT_EQ(UPCEAN::swapHandedness(QStringLiteral("0x1")), QStringLiteral("100"));
    EXPECT_EQ(UPCEAN::swapParity(QString()), QString());
}

TEST(UPCEANExamples, EAN13CheckDigitAndCaptions)
{
    auto b = make<NKDEAN13Barcode>(QStringLiteral("400638133393"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->checkDigit(), '1');
    EXPECT_TRUE(b->isContentValid());
    EXPECT_EQ(b->caption(), QStringLiteral("  006381\t333931"));
    EXPECT_EQ(b->leftCaption(), QStringLiteral("4"));
    EXPECT_EQ(b->rightCaption(), QStringLiteral(""));
    EXPECT_EQ(b->completeBarcode().size(), 95);
    // Leading digit 4 puts digits 2 to 7 in sets A B A A B B.
    EXPECT_EQ(setsOf(b->completeBarcode().mid(3, 42)), QStringLiteral("ABAABB"));
    EXPECT_EQ(b->completeBarcode().mid(45, 5), QStringLiteral("01010"));
    EXPECT_EQ(b->completeBarcode().mid(85, 7), QLatin1String(kSetC[1]));
}

TEST(UPCEANExamples, EAN13LeadingDigitParityTable)
{
    const char *const expected[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                      "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
    for (int lead = 0; lead < 10; ++lead) {
        auto b = make<NKDEAN13Barcode>(QString::number(lead) + QStringLiteral("12345678901"));
        ASSERT_TRUE(b);
        EXPECT_EQ(setsOf(b->completeBarcode().mid(3, 42)), QLatin1String(expected[lead])) << lead;
    }
}

TEST(UPCEANExamples, UPCACheckDigitAndCaptions)
{
    auto b = make<NKDUPCABarcode>(QStringLiteral("03600029145"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->checkDigit(), '2');
    EXPECT_TRUE(b->isContentValid());
    EXPECT_EQ(b->caption(), QStringLiteral("36000\t29145"));
    EXPECT_EQ(b->leftCaption(), QStringLiteral("0"));
    EXPECT_EQ(b->rightCaption(), QStringLiteral("2"));
    EXPECT_EQ(b->completeBarcode().size(), 95);
    EXPECT_EQ(setsOf(b->completeBarcode().mid(3, 42)), QStringLiteral("AAAAAA"));

    auto given = make<NKDUPCABarcode>(QStringLiteral("036000291452"));
    ASSERT_TRUE(given);
    EXPECT_EQ(given->checkDigit(), '2');
    EXPECT_TRUE(given->isContentValid());
}

TEST(UPCEANExamples, EAN8CheckDigitCutAndCaption)
{
    auto b = make<NKDEAN8Barcode>(QStringLiteral("9638507"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->checkDigit(), '4');
    EXPECT_TRUE(b->isContentValid());
    EXPECT_EQ(b->caption(), QStringLiteral(" 9638\t5074"));
    EXPECT_EQ(b->leftCaption(), QStringLiteral(""));
    EXPECT_EQ(b->rightCaption(), QStringLiteral(""));
    EXPECT_EQ(b->completeBarcode().size(), 67);

    auto eight = make<NKDEAN8Barcode>(QStringLiteral("96385074"));
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->content(), QStringLiteral("9638507"));
    EXPECT_EQ(eight->checkDigit(), '4');
    EXPECT_TRUE(eight->isContentValid());
    EXPECT_EQ(eight->completeBarcode(), b->completeBarcode());
}

TEST(UPCEANExamples, UPCEExpansionCheckDigitAndParity)
{
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("0425261")), QStringLiteral("04210000526"));
    auto b = make<NKDUPCEBarcode>(QStringLiteral("0425261"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->checkDigit(), '4');
    EXPECT_TRUE(b->isContentValid());
    EXPECT_EQ(b->parityForDigit('4'), QStringLiteral("EOEEOO"));
    EXPECT_EQ(setsOf(b->completeBarcode().mid(3, 42)), QStringLiteral("BABBAA"));
    EXPECT_EQ(b->completeBarcode().size(), 51);
    EXPECT_TRUE(b->completeBarcode().endsWith(QStringLiteral("010101")));
    EXPECT_EQ(b->caption(), QStringLiteral("425261"));
    EXPECT_EQ(b->leftCaption(), QStringLiteral("0"));
    EXPECT_EQ(b->rightCaption(), QStringLiteral("4"));

    auto one = make<NKDUPCEBarcode>(QStringLiteral("1425261"));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->checkDigit(), '1');
    EXPECT_EQ(one->parityForDigit('1'), QStringLiteral("OOEOEE"));
    EXPECT_EQ(setsOf(one->completeBarcode().mid(3, 42)), QStringLiteral("AABABB"));
}

TEST(UPCEANExamples, UPCEZeroSuppressionForEachLastDigit)
{
    // One case per rule of the standard's zero suppression.
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("0123450")), QStringLiteral("01200000345"));
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("0123452")), QStringLiteral("01220000345"));
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("0123453")), QStringLiteral("01230000045"));
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("1123454")), QStringLiteral("11234000005"));
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("0123455")), QStringLiteral("01234500005"));
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("0123459")), QStringLiteral("01234500009"));
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("012345")), QString());
    EXPECT_EQ(NKDUPCEBarcode::upcaNumberOf(QStringLiteral("01234A5")), QString());
}

TEST(UPCEANValidity, WrongGivenCheckDigitIsNotValid)
{
    // The given check digit must be the computed one, else the symbol carries another number.
    auto upca = make<NKDUPCABarcode>(QStringLiteral("036000291453"));
    ASSERT_TRUE(upca);
    EXPECT_FALSE(upca->isContentValid());
    auto ean13 = make<NKDEAN13Barcode>(QStringLiteral("4006381333930"));
    ASSERT_TRUE(ean13);
    EXPECT_FALSE(ean13->isContentValid());
    auto ean13ok = make<NKDEAN13Barcode>(QStringLiteral("4006381333931"));
    ASSERT_TRUE(ean13ok);
    EXPECT_TRUE(ean13ok->isContentValid());
    EXPECT_EQ(ean13ok->checkDigit(), '1');
    auto ean8 = make<NKDEAN8Barcode>(QStringLiteral("96385075"));
    ASSERT_TRUE(ean8);
    EXPECT_FALSE(ean8->isContentValid());
}

TEST(UPCEANValidity, LengthsAndCharacters)
{
    struct Case {
        int kind;   // 0 EAN-13, 1 EAN-8, 2 UPC-A, 3 UPC-E
        const char *content;
        bool valid;
    };
    const Case cases[] = {
        {0, "40063813339", false},  {0, "40063813339311", false}, {0, "40063813339A", false},
        {0, "", false},             {1, "963850", false},         {1, "963850745", false},
        {1, "96385A7", false},      {2, "0360002914", false},     {2, "0360002914521", false},
        {2, "0360002914 ", false},  {3, "2425261", false},        {3, "042526", false},
        {3, "04252612", false},     {3, "042526X", false},        {3, "1425261", true},
    };
    for (const Case &c : cases) {
        std::unique_ptr<NKDBarcode> b;
        const QString content = QString::fromLatin1(c.content);
        switch (c.kind) {
        case 0: b = make<NKDEAN13Barcode>(content); break;
        case 1: b = make<NKDEAN8Barcode>(content); break;
        case 2: b = make<NKDUPCABarcode>(content); break;
        default: b = make<NKDUPCEBarcode>(content); break;
        }
        ASSERT_TRUE(b) << c.content;
        EXPECT_EQ(b->isContentValid(), c.valid) << c.kind << " " << c.content;
        // Whatever the content, building the pattern reads nothing past its end.
        EXPECT_LE(b->completeBarcode().size(), 95);
    }
}

TEST(UPCEANValidity, NonAsciiContentGivesNoObject)
{
    EXPECT_FALSE(make<NKDEAN13Barcode>(QStringLiteral("40063813339\u0663")));
    EXPECT_FALSE(make<NKDEAN8Barcode>(QStringLiteral("963850\u00b2")));
    EXPECT_FALSE(make<NKDUPCABarcode>(QStringLiteral("\uff10" "3600029145")));
    EXPECT_FALSE(make<NKDUPCEBarcode>(QStringLiteral("042526\u00e9")));
}

TEST(UPCEANValidity, StaleCheckDigitAfterContentChangeIsNotValid)
{
    auto b = make<NKDEAN13Barcode>(QStringLiteral("400638133393"));
    ASSERT_TRUE(b);
    b->setContent(QStringLiteral("400638133394"));
    EXPECT_FALSE(b->isContentValid());
    EXPECT_EQ(b->checkDigit(), '1');   // asking does not change it
}

TEST(UPCEANObject, EqualityByContentAndCheckDigitMinusOne)
{
    auto a = make<NKDEAN13Barcode>(QStringLiteral("400638133393"), true);
    auto b = make<NKDEAN13Barcode>(QStringLiteral("400638133393"), false);
    auto c = make<NKDEAN13Barcode>(QStringLiteral("400638133394"), true);
    ASSERT_TRUE(a && b && c);
    b->setBarWidth(1.5f);
    b->setHeight(70);
    EXPECT_TRUE(a->isEqual(*b));
    EXPECT_FALSE(a->isEqual(*c));
    a->setCheckDigit(char(-1));
    EXPECT_EQ(a->checkDigit(), 0);
    EXPECT_FALSE(a->isContentValid());
}

TEST(UPCEANGeometry, WidthKeepsAFifthForSideCaptionsAndEmptyIsZero)
{
    auto b = make<NKDEAN13Barcode>(QStringLiteral("400638133393"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->width(), 0.0f);
    b->setBarWidth(1.0f);
    b->calculateWidth();
    EXPECT_FLOAT_EQ(b->width(), 95 * 1.2f);
    EXPECT_FLOAT_EQ(b->firstBar(), 95 * 1.2f * 0.1f);

    auto e = make<NKDUPCABarcode>(QStringLiteral(""));
    ASSERT_TRUE(e);
    e->setBarWidth(1.0f);
    e->calculateWidth();
    EXPECT_EQ(e->width(), 0.0f);
}

TEST(UPCEANGeometry, GuardBarsReachDownFurtherThanDataBars)
{
    auto ean13 = make<NKDEAN13Barcode>(QStringLiteral("400638133393"));
    auto ean8 = make<NKDEAN8Barcode>(QStringLiteral("9638507"));
    auto upce = make<NKDUPCEBarcode>(QStringLiteral("0425261"));
    ASSERT_TRUE(ean13 && ean8 && upce);
    for (NKDBarcode *b : {static_cast<NKDBarcode *>(ean13.get()), static_cast<NKDBarcode *>(ean8.get()),
                          static_cast<NKDBarcode *>(upce.get())})
        b->setCaptionHeight(0.25f);
    const float data = 0.25f * 72;
    // EAN-13: start, centre and end guards.
    EXPECT_FLOAT_EQ(ean13->barBottom(0), 3.6f);
    EXPECT_FLOAT_EQ(ean13->barBottom(46), 3.6f);
    EXPECT_FLOAT_EQ(ean13->barBottom(48), 3.6f);
    EXPECT_FLOAT_EQ(ean13->barBottom(94), 3.6f);
    EXPECT_FLOAT_EQ(ean13->barBottom(20), data);
    EXPECT_FLOAT_EQ(ean13->barBottom(44), data);
    EXPECT_FLOAT_EQ(ean13->barBottom(50), data);
    EXPECT_FLOAT_EQ(ean13->barBottom(88), data);
    // EAN-8: the centre guard's two bars (modules 32 and 34) too.
    EXPECT_FLOAT_EQ(ean8->barBottom(32), 3.6f);
    EXPECT_FLOAT_EQ(ean8->barBottom(34), 3.6f);
    EXPECT_FLOAT_EQ(ean8->barBottom(2), 3.6f);
    EXPECT_FLOAT_EQ(ean8->barBottom(66), 3.6f);
    EXPECT_FLOAT_EQ(ean8->barBottom(4), data);
    EXPECT_FLOAT_EQ(ean8->barBottom(30), data);
    EXPECT_FLOAT_EQ(ean8->barBottom(36), data);
    EXPECT_FLOAT_EQ(ean8->barBottom(63), data);
    // UPC-E: no centre guard; the six-module stop guard.
    EXPECT_FLOAT_EQ(upce->barBottom(47), 3.6f);
    EXPECT_FLOAT_EQ(upce->barBottom(50), 3.6f);
    EXPECT_FLOAT_EQ(upce->barBottom(46), 3.6f);   // > n - 7 = 44
    EXPECT_FLOAT_EQ(upce->barBottom(45), 3.6f);
    EXPECT_FLOAT_EQ(upce->barBottom(44), data);
    EXPECT_FLOAT_EQ(upce->barBottom(46 - 21), data);
}

TEST(UPCEANObject, CopyKeepsClassCheckDigitAndPattern)
{
    auto b = make<NKDEAN8Barcode>(QStringLiteral("96385074"));
    ASSERT_TRUE(b);
    b->setBarWidth(0.8f);
    b->calculateWidth();
    const auto twin = b->copy();
    ASSERT_TRUE(twin);
    EXPECT_EQ(twin->className(), QStringLiteral("NKDEAN8Barcode"));
    EXPECT_EQ(twin->completeBarcode(), b->completeBarcode());
    EXPECT_TRUE(twin->isContentValid());
    EXPECT_FLOAT_EQ(twin->width(), 67 * 0.8f * 1.2f);
}

// Random values through the independent decoder.

TEST(UPCEANDecode, EAN13RandomValues)
{
    std::mt19937 rng(1301);
    for (int i = 0; i < 1000; ++i) {
        const QString data = randomDigits(rng, 12);
        auto b = make<NKDEAN13Barcode>(data);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isContentValid()) << data.toStdString();
        const QString full = data + referenceCheck(data);
        ASSERT_EQ(b->checkDigit(), full.back().toLatin1());
        const auto d = testsupport::decodePattern(b->completeBarcode(), QStringLiteral("EAN13"), 2);
        ASSERT_TRUE(d.ok) << data.toStdString();
        ASSERT_EQ(d.text, full);
        // The same number given with its check digit draws the same symbol.
        auto given = make<NKDEAN13Barcode>(full);
        ASSERT_TRUE(given && given->isContentValid());
        ASSERT_EQ(given->completeBarcode(), b->completeBarcode());
    }
}

TEST(UPCEANDecode, EAN8RandomValues)
{
    std::mt19937 rng(801);
    for (int i = 0; i < 1000; ++i) {
        const QString data = randomDigits(rng, 7);
        auto b = make<NKDEAN8Barcode>(data);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isContentValid()) << data.toStdString();
        const auto d = testsupport::decodePattern(b->completeBarcode(), QStringLiteral("EAN8"), 2);
        ASSERT_TRUE(d.ok) << data.toStdString();
        ASSERT_EQ(d.text, data + referenceCheck(data));
    }
}

TEST(UPCEANDecode, UPCARandomValues)
{
    std::mt19937 rng(1201);
    for (int i = 0; i < 1000; ++i) {
        const QString data = randomDigits(rng, 11);
        auto b = make<NKDUPCABarcode>(data);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isContentValid()) << data.toStdString();
        const auto d = testsupport::decodePattern(b->completeBarcode(), QStringLiteral("UPCA"), 2);
        ASSERT_TRUE(d.ok) << data.toStdString();
        ASSERT_EQ(d.text, data + referenceCheck(data));
    }
}

TEST(UPCEANDecode, UPCERandomValues)
{
    std::mt19937 rng(601);
    std::uniform_int_distribution<int> system(0, 1);
    for (int i = 0; i < 1000; ++i) {
        const QString data = QString::number(system(rng)) + randomDigits(rng, 6);
        auto b = make<NKDUPCEBarcode>(data);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isContentValid()) << data.toStdString();
        const auto d = testsupport::decodePattern(b->completeBarcode(), QStringLiteral("UPCE"), 2);
        ASSERT_TRUE(d.ok) << data.toStdString();
        ASSERT_EQ(d.text, data + QChar::fromLatin1(b->checkDigit()));
        ASSERT_EQ(QChar::fromLatin1(b->checkDigit()), referenceCheck(NKDUPCEBarcode::upcaNumberOf(data)));
    }
}
