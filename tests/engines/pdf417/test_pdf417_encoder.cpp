// Compaction, layout, error level and painting of the PDF417 encoder.

#include "Pdf417Testing.h"

#include "engines/pdf417/pdf417internal.h"
#include "engines/pdf417/pdf417tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pdf417;
using pdf417test::encode;

namespace {

std::vector<int> dataCodewords(const _pdf417param &p, int count)
{
    return std::vector<int>(p.codewords, p.codewords + count);
}

std::string segmentsOf(const QByteArray &data)
{
    _pdf417param p;
    p.text = data.constData();
    p.lenText = int(data.size());
    SegmentList list;
    breakString(&p, &list);
    std::string out;
    for (const Segment &s : list.items)
        out += s.type + std::to_string(s.start) + "-" + std::to_string(s.end) + " ";
    return out;
}

QByteArray repeated(char c, int n)
{
    return QByteArray(n, c);
}

} // namespace

TEST(Pdf417Encoder, TheTextPdf417AtLevelTwo)
{
    _pdf417param p;
    const QByteArray data("PDF417");
    encode(p, data, OptionUseErrorLevel, 2, 1.0f);
    ASSERT_EQ(p.error, ErrorNone);
    // P D as Alpha, F and a latch to Mixed, 4 1, 7 and a final shift.
    EXPECT_EQ(dataCodewords(p, 5), (std::vector<int>{5, 453, 178, 121, 239}));
    EXPECT_EQ(p.codeColumns, 1);
    EXPECT_EQ(p.codeRows, 13);
    EXPECT_EQ(p.errorLevel, 2);
    EXPECT_EQ(p.lenCodewords, 13);   // 5 data, no pad, 8 correction
    EXPECT_EQ(p.bitColumns, 86);
    EXPECT_EQ(p.lenBits, 11 * 13);
    EXPECT_EQ(p.outBits.size(), size_t(11 * 13));
}

TEST(Pdf417Encoder, RowsHoldStartIndicatorsDataAndStopInTheirCluster)
{
    _pdf417param p;
    const QByteArray data("Rows of a PDF417 symbol cycle through clusters 0, 3 and 6.");
    encode(p, data, OptionUseErrorLevel, 3, 0.1f);
    ASSERT_EQ(p.error, ErrorNone);
    ASSERT_GT(p.codeColumns, 1);
    ASSERT_GE(p.codeRows, 6);
    std::vector<int> painted, left, right;
    for (int r = 0; r < p.codeRows; ++r) {
        SCOPED_TRACE(r);
        const std::vector<bool> modules = pdf417test::rowModules(p, r);
        EXPECT_EQ(pdf417test::patternAt(p, r, 0), START_PATTERN);
        int stop = 0;
        for (int m = p.bitColumns - 18; m < p.bitColumns; ++m)
            stop = (stop << 1) | (modules[size_t(m)] ? 1 : 0);
        EXPECT_EQ(stop, STOP_PATTERN);
        const int c = r % 3;
        left.push_back(pdf417test::codewordOf(c, pdf417test::patternAt(p, r, 17)));
        right.push_back(pdf417test::codewordOf(c, pdf417test::patternAt(p, r, 17 * (p.codeColumns + 2))));
        ASSERT_GE(left.back(), 0);
        ASSERT_GE(right.back(), 0);
        // Every third row the indicators count on by 30 and repeat otherwise.
        EXPECT_EQ(left.back() / 30, r / 3);
        EXPECT_EQ(right.back() / 30, r / 3);
        if (r >= 3) {
            EXPECT_EQ(left.back() % 30, left[size_t(r - 3)] % 30);
            EXPECT_EQ(right.back() % 30, right[size_t(r - 3)] % 30);
        }
        for (int col = 0; col < p.codeColumns; ++col) {
            const int v = pdf417test::codewordOf(c, pdf417test::patternAt(p, r, 17 * (col + 2)));
            ASSERT_GE(v, 0);
            painted.push_back(v);
        }
    }
    // Rows, columns and level as a reader rebuilds them from the indicators of the first three rows.
    EXPECT_EQ(3 * (left[0] % 30) + (left[1] % 30) % 3 + 1, p.codeRows);
    EXPECT_EQ(right[1] % 30, left[0] % 30);
    EXPECT_EQ((left[1] % 30) / 3, p.errorLevel);
    EXPECT_EQ(right[2] % 30, left[1] % 30);
    EXPECT_EQ(right[0] % 30 + 1, p.codeColumns);
    EXPECT_EQ(left[2] % 30 + 1, p.codeColumns);
    EXPECT_EQ(painted, dataCodewords(p, p.lenCodewords));
}

TEST(Pdf417Encoder, InversionFlipsEveryBit)
{
    _pdf417param plain, inverted;
    const QByteArray data("invert me");
    encode(plain, data, OptionUseErrorLevel, 2);
    encode(inverted, data, OptionUseErrorLevel | OptionInvertBitmap, 2);
    ASSERT_EQ(plain.outBits.size(), inverted.outBits.size());
    for (size_t i = 0; i < plain.outBits.size(); ++i)
        ASSERT_EQ(plain.outBits[i] ^ inverted.outBits[i], 0xff) << i;
    // Uninverted, the first module of a row (start pattern) is a bar, stored as 1.
    EXPECT_TRUE(plain.outBits[0] & 0x80);
}

TEST(Pdf417Encoder, Segmentation)
{
    // Digits alone: 8 or more become numeric even below 13.
    EXPECT_EQ(segmentsOf("123456789012"), "N0-12 ");
    EXPECT_EQ(segmentsOf("1234567"), "T0-7 ");
    // 13 digits inside text are their own segment.
    EXPECT_EQ(segmentsOf("abc1234567890123def"), "T0-3 N3-16 T16-19 ");
    EXPECT_EQ(segmentsOf("abc123456789012def"), "T0-18 ");
    // A high byte between one-byte texts makes all three bytes; between 2 and 1 bytes, text.
    EXPECT_EQ(segmentsOf("a\xe9" "b"), "B0-3 ");
    EXPECT_EQ(segmentsOf("ab\xe9" "c"), "T0-4 ");
    // Long texts keep their neighbours apart from two-byte runs; short ones join the bytes.
    EXPECT_EQ(segmentsOf("hello\x80\x81world"), "T0-5 B5-7 T7-12 ");
    EXPECT_EQ(segmentsOf("ab\x80\x81" "cd"), "B0-6 ");
    EXPECT_EQ(segmentsOf("hello\x80world"), "T0-11 ");
    // Control characters other than tab, line feed and carriage return are bytes.
    EXPECT_EQ(segmentsOf(QByteArray("\x01\x02\x03", 3)), "B0-3 ");
    EXPECT_EQ(segmentsOf("a\tb\r\nc"), "T0-6 ");
}

TEST(Pdf417Encoder, ByteInsideTextUsesTheByteShift)
{
    _pdf417param p;
    encode(p, "ab\xe9" "c", OptionUseErrorLevel, 2);
    ASSERT_EQ(p.error, ErrorNone);
    // latch lower + a, b + pad shift, 913 and the byte, c + final shift
    EXPECT_EQ(dataCodewords(p, 6), (std::vector<int>{6, 27 * 30 + 0, 1 * 30 + 29, 913, 0xe9, 2 * 30 + 29}));
}

TEST(Pdf417Encoder, SubModeLatchesAndShifts)
{
    _pdf417param p;
    // Lower "ab", a single capital is shifted, two or more latch back to Alpha.
    encode(p, "abCdEFG", OptionUseErrorLevel, 2);
    ASSERT_EQ(p.error, ErrorNone);
    // 27 0 | 1 27 | 2 3 | 28 28 | 4 5 | 6 29
    EXPECT_EQ(dataCodewords(p, 7), (std::vector<int>{7, 810, 57, 63, 868, 125, 209}));
    // Punctuation latches when three follow, else it is shifted.
    encode(p, "A@B;<>", OptionUseErrorLevel, 2);
    ASSERT_EQ(p.error, ErrorNone);
    // 0 29 | 3 1 | 28 25 | 0 1 | 2 29(final)
    EXPECT_EQ(dataCodewords(p, 6), (std::vector<int>{6, 29, 91, 865, 1, 89}));
}

TEST(Pdf417Encoder, NumericAndByteCompaction)
{
    _pdf417param p;
    // "1" followed by 000213298174000 is 1000213298174000 in base 900.
    encode(p, "000213298174000", OptionUseErrorLevel, 2);
    ASSERT_EQ(p.error, ErrorNone);
    EXPECT_EQ(dataCodewords(p, 8), (std::vector<int>{8, 902, 1, 624, 434, 632, 282, 200}));
    // Six bytes in base 900 after 924; a seventh byte after 901 stays as it is.
    encode(p, QByteArray("\x80\x81\x82\x83\x84\x85", 6), OptionUseErrorLevel, 2);
    const unsigned long long six = 0x808182838485ULL;
    std::vector<int> expected{7, 924};
    for (unsigned long long d = 900ULL * 900 * 900 * 900; d > 0; d /= 900)
        expected.push_back(int(six / d % 900));
    EXPECT_EQ(dataCodewords(p, 7), expected);
    encode(p, QByteArray("\x80\x81\x82\x83\x84\x85\x86", 7), OptionUseErrorLevel, 2);
    EXPECT_EQ(p.codewords[1], 901);
    EXPECT_EQ(p.codewords[7], 0x86);
    EXPECT_EQ(p.codewords[0], 8);
}

TEST(Pdf417Encoder, LevelFollowsTheDataSize)
{
    _pdf417param p;
    // 78 capitals are 39 codewords, with the descriptor 40; 80 capitals make 41.
    p.codeColumns = 1;
    encode(p, repeated('A', 78), OptionFixedColumns, 0);
    ASSERT_EQ(p.error, ErrorNone);
    EXPECT_EQ(p.codewords[0], 40);
    EXPECT_EQ(p.errorLevel, 2);
    EXPECT_EQ(p.codeRows, 48);
    p.codeColumns = 1;
    encode(p, repeated('A', 80), OptionFixedColumns, 0);
    EXPECT_EQ(p.codewords[0], 41);
    EXPECT_EQ(p.errorLevel, 3);
    EXPECT_EQ(p.codeRows, 57);
}

TEST(Pdf417Encoder, RoomLeftByTheRectangleRaisesTheLevel)
{
    _pdf417param p;
    p.codeColumns = 5;
    p.codeRows = 10;
    encode(p, "PDF417", OptionUseErrorLevel | OptionFixedRectangle, 2);
    ASSERT_EQ(p.error, ErrorNone);
    EXPECT_EQ(p.codeColumns, 5);
    EXPECT_EQ(p.codeRows, 10);
    EXPECT_EQ(p.errorLevel, 4);   // 32 of the 45 free codewords
    EXPECT_EQ(p.codewords[0], 18);
    for (int i = 5; i < 18; ++i)
        EXPECT_EQ(p.codewords[i], 900) << i;
    // A rectangle too small for the data grows its rows.
    p.codeColumns = 2;
    p.codeRows = 3;
    encode(p, "PDF417", OptionUseErrorLevel | OptionFixedRectangle, 2);
    EXPECT_EQ(p.codeColumns, 2);
    EXPECT_EQ(p.codeRows, 7);
    EXPECT_EQ(p.errorLevel, 2);
    EXPECT_EQ(p.codewords[0], 6);   // one pad codeword fills the 14 places
}

TEST(Pdf417Encoder, OversizedRectanglesFallBackToTheLargestSquare)
{
    _pdf417param p;
    p.codeColumns = 30;
    p.codeRows = 90;
    encode(p, "PDF417", OptionFixedRectangle, 0);
    EXPECT_EQ(p.codeColumns, 29);
    EXPECT_EQ(p.codeRows, 32);
    p.codeColumns = 20;
    p.codeRows = 90;
    encode(p, "PDF417", OptionFixedRectangle, 0);
    EXPECT_EQ(p.codeColumns, 16);
    EXPECT_EQ(p.codeRows, 58);
    EXPECT_EQ(p.errorLevel, 8);
    // 397 data codewords at level 8 over 30 columns would need 31 rows, 930 codewords.
    p.codeColumns = 30;
    encode(p, repeated('\x80', 474), OptionFixedColumns | OptionUseErrorLevel, 8);
    ASSERT_EQ(p.error, ErrorNone);
    EXPECT_EQ(p.codeColumns, 29);
    EXPECT_EQ(p.codeRows, 32);
    EXPECT_EQ(p.lenCodewords, 928);
    EXPECT_EQ(p.errorLevel, 8);
}

TEST(Pdf417Encoder, RowsAndColumnsStayInRange)
{
    _pdf417param p;
    p.codeColumns = 0;
    encode(p, "x", OptionFixedColumns, 0);
    EXPECT_EQ(p.codeColumns, 1);
    p.codeColumns = 99;
    encode(p, "x", OptionFixedColumns, 0);
    EXPECT_EQ(p.codeColumns, 30);
    EXPECT_EQ(p.codeRows, 3);
    p.codeRows = 1;
    encode(p, "x", OptionFixedRows, 0);
    EXPECT_EQ(p.codeRows, 3);
    EXPECT_EQ(p.codeColumns, 4);   // 10 codewords over 3 rows
    p.codeRows = 200;
    encode(p, repeated('7', 30), OptionFixedRows, 0);
    EXPECT_EQ(p.codeRows, 90);
    EXPECT_EQ(p.codeColumns, 1);
    // Extreme aspect ratios: 452 data codewords at level 5 need 516 places. One column would
    // take 516 rows, so 90 rows of 6 columns; the other end is capped at 30 columns.
    encode(p, repeated('a', 900), 0, 0, 1000.0f);
    EXPECT_EQ(p.codeColumns, 6);
    EXPECT_EQ(p.codeRows, 90);
    encode(p, repeated('a', 900), 0, 0, 0.0f);
    EXPECT_FLOAT_EQ(p.aspectRatio, 0.001f);
    EXPECT_EQ(p.codeColumns, 30);
    EXPECT_EQ(p.codeRows, 18);
}

TEST(Pdf417Encoder, DataPastTheCapacityIsErrorOne)
{
    _pdf417param p;
    encode(p, repeated('a', 5421), 0, 0);
    EXPECT_EQ(p.error, ErrorDataTooLong);
    EXPECT_TRUE(p.outBits.empty());
    EXPECT_EQ(p.lenBits, 0);
    // Bytes: 184 groups of six and four more fill 926 codewords; one byte more does not fit.
    encode(p, repeated('\x90', 1108), 0, 0);
    EXPECT_EQ(p.error, ErrorNone);
    EXPECT_EQ(p.codewords[0], 926);
    EXPECT_EQ(p.errorLevel, 0);
    encode(p, repeated('\x90', 1109), 0, 0);
    EXPECT_EQ(p.error, ErrorDataTooLong);
    EXPECT_TRUE(p.outBits.empty());
    // Text and digits.
    encode(p, repeated('A', 1850), 0, 0);
    EXPECT_EQ(p.error, ErrorNone);
    encode(p, repeated('A', 1852), 0, 0);
    EXPECT_EQ(p.error, ErrorDataTooLong);
    encode(p, repeated('5', 2710), 0, 0);
    EXPECT_EQ(p.error, ErrorNone);
    encode(p, repeated('5', 2750), 0, 0);
    EXPECT_EQ(p.error, ErrorDataTooLong);
}

TEST(Pdf417Encoder, GivenCodewordsAreChecked)
{
    _pdf417param p;
    pdf417init(&p);
    p.options = OptionRawCodewords | OptionUseErrorLevel;
    p.errorLevel = 2;
    const int given[] = {5, 453, 178, 121, 239};
    std::copy(std::begin(given), std::end(given), p.codewords);
    p.lenCodewords = 5;
    paintCode(&p);
    EXPECT_EQ(p.error, ErrorNone);
    EXPECT_EQ(p.codeRows, 13);

    const auto tryWith = [&](int len, int first, int other) {
        pdf417init(&p);
        p.options = OptionRawCodewords;
        p.codewords[0] = first;
        p.codewords[1] = other;
        p.lenCodewords = len;
        paintCode(&p);
        return p.error;
    };
    EXPECT_EQ(tryWith(0, 0, 1), ErrorInvalidCodewords);
    EXPECT_EQ(tryWith(927, 927, 1), ErrorInvalidCodewords);
    EXPECT_EQ(tryWith(2, 3, 1), ErrorInvalidCodewords);
    EXPECT_EQ(tryWith(2, 2, 929), ErrorInvalidCodewords);
    EXPECT_EQ(tryWith(2, 2, -1), ErrorInvalidCodewords);
    EXPECT_EQ(tryWith(2, 2, 928), ErrorNone);
    EXPECT_TRUE(!p.outBits.empty());
}

TEST(Pdf417Encoder, InitKeepsTheLayoutAndLengthCanComeFromTheTerminator)
{
    _pdf417param p;
    p.codeRows = 7;
    p.codeColumns = 4;
    p.errorLevel = 5;
    p.options = 99;
    p.error = 1;
    pdf417init(&p);
    EXPECT_EQ(p.codeRows, 7);
    EXPECT_EQ(p.codeColumns, 4);
    EXPECT_EQ(p.errorLevel, 5);
    EXPECT_EQ(p.options, 0);
    EXPECT_EQ(p.error, 0);
    EXPECT_EQ(p.lenText, -1);
    EXPECT_FLOAT_EQ(p.aspectRatio, 0.5f);
    EXPECT_FLOAT_EQ(p.yHeight, 3.0f);
    p.text = "PDF417";
    p.options = OptionUseErrorLevel;
    p.errorLevel = 2;
    p.aspectRatio = 1.0f;
    paintCode(&p);
    EXPECT_EQ(p.lenText, 6);
    EXPECT_EQ(p.codewords[1], 453);
    pdf417free(&p);
    EXPECT_TRUE(p.outBits.empty());
    // No data at all still makes a readable frame rather than failing.
    pdf417init(&p);
    p.lenText = 0;
    paintCode(&p);
    EXPECT_EQ(p.error, ErrorNone);
    EXPECT_EQ(p.codewords[0], p.lenCodewords - (1 << (p.errorLevel + 1)));
    EXPECT_FALSE(p.outBits.empty());
}
