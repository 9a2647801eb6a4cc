// The encoder's bit stream, segmentation, version choice, masks and function patterns, checked
// against worked examples of ISO/IEC 18004 and read back with zxing-cpp.

#include "QrTestUtil.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace qrtest;

namespace {

std::vector<uint8_t> dataCodewords(const CQR_Encode &e, int count)
{
    return std::vector<uint8_t>(e.m_byDataCodeWord.begin(), e.m_byDataCodeWord.begin() + count);
}

struct Segment {
    int mode;
    int length;
    bool operator==(const Segment &o) const { return mode == o.mode && length == o.length; }
};

std::vector<Segment> segments(const CQR_Encode &e)
{
    std::vector<Segment> out;
    for (int64_t i = 0; i < e.m_ncDataBlock; ++i)
        out.push_back({e.m_byBlockMode[size_t(i)], int(e.m_nBlockLength[size_t(i)])});
    return out;
}

void expectReadsBack(const CQR_Encode &e, const QByteArray &bytes, const char *level)
{
    const Reading r = readQr(encoderImage(e));
    ASSERT_TRUE(r.ok) << bytes.left(40).toStdString();
    EXPECT_EQ(r.bytes, bytes);
    EXPECT_EQ(r.ecLevel, QString::fromLatin1(level));
}

constexpr int N = CQR_Encode::QR_MODE_NUMERAL;
constexpr int A = CQR_Encode::QR_MODE_ALPHABET;
constexpr int B = CQR_Encode::QR_MODE_8BIT;

} // namespace

TEST(QrEncode, DigitsAtLevelMGiveVersionOneWithTheStandardCodewords)
{
    auto e = encode("12345", 1);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_nVersion, 1);
    EXPECT_EQ(e->m_nSymbleSize, 21);
    EXPECT_EQ(segments(*e), (std::vector<Segment>{{N, 5}}));
    // 0001, count 5 in 10 bits, 123 in 10 bits, 45 in 7 bits, terminator, then 0xEC 0x11 ...
    EXPECT_EQ(dataCodewords(*e, 16), (std::vector<uint8_t>{0x10, 0x14, 0x7B, 0x5A, 0x00, 0xEC, 0x11, 0xEC, 0x11, 0xEC,
                                                            0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC}));
    expectReadsBack(*e, "12345", "M");
}

TEST(QrEncode, WorkedExampleOfTheStandardHasItsErrorCorrectionCodewords)
{
    // "01234567" as 1-M: data and error-correction codewords of the standard's worked example.
    auto e = encode("01234567", 1);
    ASSERT_TRUE(e);
    ASSERT_EQ(e->m_nVersion, 1);
    ASSERT_EQ(e->m_ncAllCodeWord, 26);
    const std::vector<uint8_t> all(e->m_byAllCodeWord.begin(), e->m_byAllCodeWord.begin() + 26);
    EXPECT_EQ(all, (std::vector<uint8_t>{0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC,
                                         0x11, 0xEC, 0x11, 0xA5, 0x24, 0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55}));
}

TEST(QrEncode, SegmentationFollowsTheCostRules)
{
    struct Case {
        const char *text;
        std::vector<Segment> expected;
    };
    const Case cases[] = {
        {"A1B", {{A, 3}}},                                  // a digit between letters is absorbed
        {"AB12CD", {{A, 6}}},
        {"abc", {{B, 3}}},                                  // lower case is never alphanumeric
        {"HELLO12345678901234567890WORLD", {{A, 5}, {N, 20}, {A, 5}}},   // long digit runs pay off
        {"ab1c", {{B, 4}}},                                 // a lone digit inside bytes
        {"a1B", {{B, 3}}},
        {"abc123456789012def", {{B, 3}, {N, 12}, {B, 3}}},
        {"0123456789", {{N, 10}}},
    };
    for (const Case &c : cases) {
        auto e = encode(c.text, 0);
        ASSERT_TRUE(e) << c.text;
        EXPECT_EQ(segments(*e), c.expected) << c.text;
        expectReadsBack(*e, c.text, "L");
    }
}

TEST(QrEncode, RequestedVersionIsKeptOrExtended)
{
    auto kept = encode("HELLO", 0, 5);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->m_nVersion, 5);
    EXPECT_EQ(kept->m_nSymbleSize, 37);
    expectReadsBack(*kept, "HELLO", "L");

    // 330 bytes need version 12 at L (version 11 holds 321).
    const QByteArray big(330, 'a');
    auto automatic = encode(big, 0, 0);
    ASSERT_TRUE(automatic);
    EXPECT_EQ(automatic->m_nVersion, 12);
    auto extended = encode(big, 0, 9, true);
    ASSERT_TRUE(extended);
    EXPECT_EQ(extended->m_nVersion, 12);
    expectReadsBack(*extended, big, "L");
    EXPECT_FALSE(encode(big, 0, 9, false));

    auto minusOne = encode("HELLO WORLD", 2, -1, true);
    ASSERT_TRUE(minusOne);
    EXPECT_EQ(minusOne->m_nVersion, 1);
    auto zero = encode("HELLO WORLD", 2, 0, false);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->m_nVersion, 1);
    EXPECT_FALSE(encode("HELLO WORLD", 2, -1, false));   // a negative request is only automatic with auto-extend

    // A request in a later version group is kept with that group's count indicators.
    auto late = encode("12345", 3, 30);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->m_nVersion, 30);
    expectReadsBack(*late, "12345", "H");
}

TEST(QrEncode, DataNeedingALaterGroupIsMeasuredWithItsLongerIndicators)
{
    // 10-L holds 652 digits with the 12-bit count; 653 digits would fit 10-L with a 10-bit count.
    const QByteArray digits652 = QByteArray(652, '7');
    const QByteArray digits653 = QByteArray(653, '7');
    auto a = encode(digits652, 0);
    auto b = encode(digits653, 0);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->m_nVersion, 10);
    EXPECT_EQ(b->m_nVersion, 11);
    expectReadsBack(*a, digits652, "L");
    expectReadsBack(*b, digits653, "L");
}

TEST(QrEncode, PublishedCapacitiesAreTheLimits)
{
    struct Limit {
        int version, level;
        char fill;
        int count;
    };
    // Capacities of ISO/IEC 18004 (numeric, alphanumeric, byte).
    const Limit limits[] = {{1, 0, '1', 41}, {1, 1, 'A', 20}, {1, 2, 'a', 11}, {1, 3, '9', 17}, {2, 0, 'a', 32},
                            {9, 0, 'a', 230}, {10, 0, 'a', 271}, {40, 0, '5', 7089}, {40, 0, 'Z', 4296},
                            {40, 0, 'z', 2953}, {40, 1, 'z', 2331}, {40, 2, 'Q', 2420}, {40, 3, 'z', 1273},
                            {40, 3, '0', 3057}};
    for (const Limit &l : limits) {
        auto fits = encode(QByteArray(l.count, l.fill), l.level);
        ASSERT_TRUE(fits) << l.version << "/" << l.count;
        EXPECT_EQ(fits->m_nVersion, l.version) << l.count << l.fill;
        auto over = encode(QByteArray(l.count + 1, l.fill), l.level);
        const int64_t next = over ? over->m_nVersion : 0;
        EXPECT_EQ(next, l.version == 40 ? 0 : l.version + 1) << l.count << l.fill;
    }
}

TEST(QrEncode, FullCapacityShortensTheTerminatorAndAddsNoPad)
{
    // 41 digits at 1-L take 151 of 152 bits: one terminator bit, no pad codeword.
    const QByteArray digits = "12345678901234567890123456789012345678941";
    ASSERT_EQ(digits.size(), 41);
    auto e = encode(digits, 0);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_nVersion, 1);
    EXPECT_EQ(e->m_ncDataCodeWordBit, 152);
    EXPECT_EQ(e->m_byDataCodeWord[18], 0x52);   // "41" in 7 bits, then the single zero bit
    expectReadsBack(*e, digits, "L");
}

TEST(QrEncode, MaskWithTheLowestPenaltyWinsAndTiesKeepTheLowerNumber)
{
    std::mt19937 rng(5);
    int ties = 0;
    int large = 0;
    // Small symbols first, then larger ones: the penalty is scored one way up to 49 modules a side
    // (version 8) and another way beyond.
    for (int round = 0; round < 150; ++round) {
        const int level = round % 4;
        const QByteArray data = payload(Payload(round % 5), round < 120 ? 1 + round % 9 : 60 + 11 * (round - 120), rng);
        auto chosen = encode(data, level);
        ASSERT_TRUE(chosen);
        long penalties[8];
        for (int m = 0; m < 8; ++m) {
            auto forced = encode(data, level, 0, true, m);
            ASSERT_TRUE(forced);
            EXPECT_EQ(forced->m_nMaskingNo, m);
            penalties[m] = penaltyOf(*forced);
        }
        int best = 0;
        for (int m = 1; m < 8; ++m)
            best = penalties[m] < penalties[best] ? m : best;
        for (int m = best + 1; m < 8; ++m)
            ties += penalties[m] == penalties[best] ? 1 : 0;
        EXPECT_EQ(chosen->m_nMaskingNo, best) << round;
        large += chosen->m_nSymbleSize > 49 ? 1 : 0;
    }
    EXPECT_GT(ties, 0) << "no tie met: the tie rule was not exercised";
    EXPECT_GT(large, 10);
}

TEST(QrEncode, FormatInformationCarriesLevelAndMaskInBothCopies)
{
    for (int level = 0; level < 4; ++level) {
        for (int mask = 0; mask < 8; ++mask) {
            auto e = encode("FORMAT 42", level, 0, true, mask);
            ASSERT_TRUE(e);
            const unsigned word = qr::formatInformation(level, mask);
            EXPECT_EQ(formatWordTopLeft(*e), word);
            EXPECT_EQ(formatWordSplit(*e), word);
            EXPECT_EQ(e->m_byModuleData[8][size_t(e->m_nSymbleSize - 8)], 1);   // the dark module
        }
    }
}

TEST(QrEncode, OnlyVersionsFromSevenCarryVersionInformation)
{
    auto versionArea = [](const CQR_Encode &e, bool lowerLeft) {
        const int s = int(e.m_nSymbleSize);
        uint32_t word = 0;
        for (int k = 17; k >= 0; --k) {
            const int a = k / 3, b = k % 3;
            const uint8_t cell = lowerLeft ? e.m_byModuleData[size_t(a)][size_t(s - 11 + b)]
                                           : e.m_byModuleData[size_t(s - 11 + b)][size_t(a)];
            word = word << 1 | cell;
        }
        return word;
    };
    for (int v : {7, 8, 22, 40}) {
        auto e = encode("VERSION", 1, v);
        ASSERT_TRUE(e);
        EXPECT_EQ(versionArea(*e, true), qr::versionInformation(v)) << v;
        EXPECT_EQ(versionArea(*e, false), qr::versionInformation(v)) << v;
        expectReadsBack(*e, "VERSION", "M");
    }
    // In version 6 the same cells hold data, so the masks change them.
    auto m0 = encode("VERSION", 1, 6, true, 0);
    auto m1 = encode("VERSION", 1, 6, true, 1);
    ASSERT_TRUE(m0 && m1);
    EXPECT_NE(versionArea(*m0, true), versionArea(*m1, true));
    EXPECT_NE(versionArea(*m0, false), versionArea(*m1, false));
}

TEST(QrEncode, RefusesWhatNoSymbolCanHold)
{
    CQR_Encode e;
    const uint8_t empty[] = {0};
    EXPECT_FALSE(e.EncodeData(0, 0, true, -1, empty, 0));
    EXPECT_FALSE(CQR_Encode().EncodeData(0, 0, true, -1, nullptr, 5));
    EXPECT_FALSE(encode("HELLO", 4));
    EXPECT_FALSE(encode("HELLO", -1));
    EXPECT_FALSE(encode("HELLO", 0, 41));
    EXPECT_FALSE(encode("HELLO", 0, 0, true, 8));
    EXPECT_FALSE(encode(QByteArray(2954, 'z'), 0));
    EXPECT_FALSE(encode(QByteArray(1852 + 1, 'Z'), 3));
}

TEST(QrEncode, LengthBelowOneReadsUpToTheFirstZeroByte)
{
    const char text[] = "AB\0CD";
    CQR_Encode e;
    ASSERT_TRUE(e.EncodeData(1, 0, true, -1, reinterpret_cast<const uint8_t *>(text), 0));
    expectReadsBack(e, "AB", "M");
    CQR_Encode whole;
    ASSERT_TRUE(whole.EncodeData(1, 0, true, -1, reinterpret_cast<const uint8_t *>(text), 5));
    expectReadsBack(whole, QByteArray(text, 5), "M");
}

TEST(QrEncode, ManySegmentsAreHeldAndReadBack)
{
    // Alternating classes open one segment per byte before merging.
    QByteArray mixed;
    for (int i = 0; i < 1200; ++i)
        mixed += i % 2 ? char('0' + i % 10) : char('a' + i % 26);
    auto e = encode(mixed, 0);
    ASSERT_TRUE(e);
    expectReadsBack(*e, mixed, "L");
    // Many alphanumeric and numeric runs.
    QByteArray runs;
    for (int i = 0; i < 400; ++i)
        runs += i % 2 ? QByteArray("1234567") : QByteArray("AB");
    auto r = encode(runs, 0);
    ASSERT_TRUE(r);
    expectReadsBack(*r, runs, "L");
}

TEST(QrEncode, SeparateEncodersOnSeparateThreadsAgree)
{
    std::vector<QByteArray> inputs;
    std::mt19937 rng(99);
    for (int i = 0; i < 24; ++i)
        inputs.push_back(payload(Payload(i % 5), 20 + 15 * i, rng));
    auto cells = [](const QByteArray &data) {
        auto e = encode(data, int(data.size() % 4));
        return e ? encoderImage(*e, 1, 0) : QImage();
    };
    std::vector<QImage> expected;
    for (const QByteArray &data : inputs)
        expected.push_back(cells(data));
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (size_t round = 0; round < 3 * inputs.size(); ++round) {
                const size_t i = (round + t * 5) % inputs.size();
                mismatches[t] += cells(inputs[i]) == expected[i] ? 0 : 1;
            }
        });
    }
    for (auto &th : threads)
        th.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
    EXPECT_FALSE(expected[0].isNull());
}
