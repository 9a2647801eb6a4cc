// PDF417 symbols read back by an independent decoder (zxing-cpp).

#include "Pdf417Testing.h"

#include "support/Decode.h"

#include <gtest/gtest.h>

#include <random>

using namespace pdf417;

namespace {

QByteArray randomBytes(int n, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray out(n, '\0');
    for (char &c : out)
        c = char(rng() & 0xff);
    return out;
}

// Text of every kind the text compaction switches between, with a Latin-1 letter and digit runs.
QByteArray mixedText()
{
    return QByteArray("Invoice #A-2024/17: 3 x Widget (blue), unit price $12.50; total = $37.50!\n"
                      "ship to: M\xfcller & Sons, 221B Baker St.\tLondon NW1 6XE <orders@example.com>\r\n"
                      "ref 12345678901234567 ~ [ok] {done} 'quoted' \"double\" | ^caret% *star* "
                      "MiXeD CaSe lower UPPER 42");
}

// Long digit runs between short texts, and a number longer than one 44-digit group.
QByteArray digitRuns()
{
    QByteArray out("ID:");
    std::mt19937 rng(1234);
    for (int i = 0; i < 120; ++i)
        out += char('0' + rng() % 10);
    out += "/batch-";
    for (int i = 0; i < 47; ++i)
        out += char('0' + rng() % 10);
    return out;
}

void expectRoundTrip(const QByteArray &data, int options, int level, float aspect = 1.0f)
{
    _pdf417param p;
    pdf417test::encode(p, data, options | OptionUseErrorLevel, level, aspect);
    ASSERT_EQ(p.error, ErrorNone);
    const testsupport::Decoded d = testsupport::decode(pdf417test::render(p), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok) << "level " << level << ", " << p.codeColumns << " x " << p.codeRows;
    EXPECT_EQ(d.bytes, data) << "level " << level;
}

} // namespace

TEST(Pdf417Decode, RandomBytesAtEveryLevel)
{
    for (int level = 0; level <= 8; ++level) {
        SCOPED_TRACE(level);
        expectRoundTrip(randomBytes(300, 17u + unsigned(level)), 0, level);
    }
}

TEST(Pdf417Decode, MixedTextAtEveryLevel)
{
    for (int level = 0; level <= 8; ++level) {
        SCOPED_TRACE(level);
        expectRoundTrip(mixedText(), OptionInvertBitmap, level);
    }
}

TEST(Pdf417Decode, LongDigitRunsAtEveryLevel)
{
    for (int level = 0; level <= 8; ++level) {
        SCOPED_TRACE(level);
        expectRoundTrip(digitRuns(), 0, level);
    }
    QByteArray digits;
    for (int i = 0; i < 1000; ++i)
        digits += char('0' + (i * 7 + 3) % 10);
    expectRoundTrip(digits, 0, 5);
}

TEST(Pdf417Decode, SegmentBoundariesAndByteShifts)
{
    // Bytes inside text, texts around byte runs, control characters, numbers at either end.
    expectRoundTrip(QByteArray("ab\xe9" "cd caf\xe9 na\xefve \x01\x02 end"), 0, 2);
    expectRoundTrip(QByteArray("hello\x80\x81world\x82\x83\x84\x85\x86\x87", 19), 0, 3);
    expectRoundTrip(QByteArray("12345678901234567890abc;<>@[\\]_`~!"), 0, 4);
    expectRoundTrip(QByteArray("x;<>y@z\n\n\nq"), 0, 2);
    expectRoundTrip(QByteArray("12345678"), 0, 1);
    expectRoundTrip(QByteArray(6 * 40, '\xa5'), 0, 2);
}

TEST(Pdf417Decode, LayoutOptionsAndLargestSymbol)
{
    _pdf417param p;
    const QByteArray data = randomBytes(120, 99u);
    p.codeColumns = 4;
    pdf417test::encode(p, data, OptionFixedColumns, 0);
    ASSERT_EQ(p.codeColumns, 4);
    EXPECT_EQ(testsupport::decode(pdf417test::render(p), QStringLiteral("PDF417")).bytes, data);
    p.codeRows = 5;
    pdf417test::encode(p, data, OptionFixedRows, 0);
    ASSERT_EQ(p.codeRows, 5);
    EXPECT_EQ(testsupport::decode(pdf417test::render(p), QStringLiteral("PDF417")).bytes, data);
    p.codeColumns = 10;
    p.codeRows = 30;
    pdf417test::encode(p, data, OptionFixedRectangle, 0);
    ASSERT_EQ(p.codeRows * p.codeColumns, 300);
    EXPECT_EQ(testsupport::decode(pdf417test::render(p), QStringLiteral("PDF417")).bytes, data);
    // The fullest symbol: 926 data codewords in 928 places.
    const QByteArray full = randomBytes(1108, 5u);
    QByteArray highBytes = full;
    for (char &c : highBytes)
        c = char(0x80 | (static_cast<unsigned char>(c)));
    pdf417test::encode(p, highBytes, 0, 0);
    ASSERT_EQ(p.error, ErrorNone);
    ASSERT_EQ(p.lenCodewords, 928);
    EXPECT_EQ(testsupport::decode(pdf417test::render(p), QStringLiteral("PDF417")).bytes, highBytes);
}

TEST(Pdf417Decode, GivenCodewords)
{
    _pdf417param p;
    pdf417init(&p);
    // "PDF417" written as codewords by hand.
    const int given[] = {5, 453, 178, 121, 239};
    std::copy(std::begin(given), std::end(given), p.codewords);
    p.lenCodewords = 5;
    p.options = OptionRawCodewords | OptionUseErrorLevel;
    p.errorLevel = 2;
    paintCode(&p);
    ASSERT_EQ(p.error, ErrorNone);
    const testsupport::Decoded d = testsupport::decode(pdf417test::render(p, 3), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("PDF417"));
}

TEST(Pdf417Decode, EveryDataTableEntryReadsAsItsOwnValue)
{
    // Symbols of 30 x 30 at level 0 whose byte codewords put each value 0 .. 899 three times into
    // rows of each cluster. Level 0 corrects one error (or two erasures), so a wrong pattern in
    // any table shows as a failed or wrong read.
    constexpr int Rows = 30, Columns = 30, Len = Rows * Columns - 2;
    constexpr int Groups = (Len - 3) / 5;   // descriptor, 901, groups, one single byte
    static_assert(2 + 5 * Groups + 1 == Len);
    std::vector<int> needs[3];
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 900; ++v)
            needs[c].insert(needs[c].end(), 3, v);
    size_t next[3] = {0, 0, 0};
    int symbols = 0;
    while (next[0] < needs[0].size() || next[1] < needs[1].size() || next[2] < needs[2].size()) {
        ASSERT_LT(++symbols, 40);
        _pdf417param p;
        pdf417init(&p);
        p.codewords[0] = Len;
        p.codewords[1] = 901;
        QByteArray expected;
        for (int g = 0; g < Groups; ++g) {
            unsigned long long value = 0;
            for (int j = 0; j < 5; ++j) {
                const int index = 2 + 5 * g + j;
                const int c = (index / Columns) % 3;
                int cw = 0;   // the first of a group stays small so that six bytes hold it
                if (j > 0 && next[c] < needs[c].size())
                    cw = needs[c][next[c]++];
                p.codewords[index] = cw;
                value = value * 900 + unsigned(cw);
            }
            ASSERT_LT(value, 1ULL << 48);
            for (int b = 5; b >= 0; --b)
                expected += char((value >> (8 * b)) & 0xff);
        }
        p.codewords[Len - 1] = 'Z';
        expected += 'Z';
        p.lenCodewords = Len;
        p.codeColumns = Columns;
        p.options = OptionRawCodewords | OptionFixedColumns | OptionUseErrorLevel;
        p.errorLevel = 0;
        paintCode(&p);
        ASSERT_EQ(p.error, ErrorNone);
        ASSERT_EQ(p.codeRows, Rows);
        ASSERT_EQ(p.errorLevel, 0);
        const testsupport::Decoded d = testsupport::decode(pdf417test::render(p), QStringLiteral("PDF417"));
        ASSERT_TRUE(d.ok) << "symbol " << symbols;
        ASSERT_EQ(d.bytes, expected) << "symbol " << symbols;
    }
}
