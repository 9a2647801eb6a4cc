// The computed code tables against the field arithmetic and the published tables of ISO/IEC 18004.

#include "engines/qr/QrTables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace qr;

namespace {

int gfMul(int a, int b)
{
    // Shift-and-add multiplication modulo x^8 + x^4 + x^3 + x^2 + 1, independent of the tables.
    int product = 0;
    while (b) {
        if (b & 1)
            product ^= a;
        b >>= 1;
        a <<= 1;
        if (a & 0x100)
            a ^= 0x11D;
    }
    return product;
}

} // namespace

TEST(QrTables, GaloisFieldTablesAreInverseAndFollowThePrimitivePolynomial)
{
    const auto &exp = byExpToInt();
    const auto &log = byIntToExp();
    EXPECT_EQ(exp[0], 1);
    EXPECT_EQ(exp[255], 1);
    EXPECT_EQ(log[0], 0);
    std::set<int> seen;
    for (int i = 0; i < 255; ++i) {
        EXPECT_EQ(exp[size_t(i + 1)], gfMul(exp[size_t(i)], 2)) << i;
        EXPECT_EQ(log[exp[size_t(i)]], i);
        seen.insert(exp[size_t(i)]);
    }
    EXPECT_EQ(seen.size(), 255u);   // 2 generates every non-zero element
}

TEST(QrTables, GeneratorPolynomialsVanishAtTheirRootsOnlyForTheUsedDegrees)
{
    const auto &exp = byExpToInt();
    const std::set<int> filled = {7, 10, 13, 15, 16, 17, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42, 44,
                                  46, 48, 50, 52, 54, 56, 58, 60, 62, 64, 66, 68};
    for (int n = 0; n <= 68; ++n) {
        const auto &g = byRSExp(n);
        if (!filled.count(n)) {
            EXPECT_TRUE(g.empty()) << n;
            continue;
        }
        ASSERT_EQ(g.size(), size_t(n));
        // g(x) = x^n + sum exp[g[k]] x^(n-1-k); it must vanish at 2^0 ... 2^(n-1) and not at 2^n.
        auto evaluate = [&](int point) {
            int value = 1;   // Horner from the leading 1
            for (int k = 0; k < n; ++k)
                value = gfMul(value, point) ^ exp[g[size_t(k)]];
            return value;
        };
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(evaluate(exp[size_t(i)]), 0) << "degree " << n << " root " << i;
        EXPECT_NE(evaluate(exp[size_t(n)]), 0) << n;
    }
    // The degree-7 generator of the standard: exponents 87, 229, 146, 149, 238, 102, 21.
    EXPECT_EQ(byRSExp(7), (std::vector<uint8_t>{87, 229, 146, 149, 238, 102, 21}));
}

TEST(QrTables, VersionRowsMatchThePublishedCapacitiesAndBlockStructure)
{
    const auto &t = QR_VersonInfo();
    EXPECT_EQ(t[0].allCodewords, 0);
    const std::pair<int, int> totals[] = {{1, 26}, {2, 44}, {3, 70}, {4, 100}, {5, 134}, {6, 172}, {7, 196},
                                          {10, 346}, {40, 3706}};
    for (auto [v, total] : totals)
        EXPECT_EQ(t[size_t(v)].allCodewords, total) << v;
    EXPECT_EQ(t[1].dataCodewords, (std::array<int, 4>{19, 16, 13, 9}));
    EXPECT_EQ(t[40].dataCodewords, (std::array<int, 4>{2956, 2334, 1666, 1276}));
    // 5-Q: two blocks of (33, 15) and two of (34, 16); 5-H: two of (33, 11) and two of (34, 12).
    EXPECT_EQ(t[5].group1[2].blocks, 2);
    EXPECT_EQ(t[5].group1[2].codewords, 33);
    EXPECT_EQ(t[5].group1[2].dataCodewords, 15);
    EXPECT_EQ(t[5].group2[2].blocks, 2);
    EXPECT_EQ(t[5].group2[2].codewords, 34);
    EXPECT_EQ(t[5].group2[2].dataCodewords, 16);
    EXPECT_EQ(t[5].group1[3].dataCodewords, 11);
    EXPECT_EQ(t[5].group2[3].dataCodewords, 12);
    EXPECT_EQ(t[1].group2[0].blocks, 0);

    for (int v = 1; v <= kMaxVersion; ++v) {
        const QrVersionRow &row = t[size_t(v)];
        EXPECT_EQ(row.version, v);
        const int remainder = v == 1 ? 0 : v <= 6 ? 7 : v <= 13 ? 0 : v <= 20 ? 3 : v <= 27 ? 4 : v <= 34 ? 3 : 0;
        EXPECT_EQ(row.remainderBits, remainder) << v;
        for (size_t level = 0; level < 4; ++level) {
            const QrBlockGroup &a = row.group1[level];
            const QrBlockGroup &b = row.group2[level];
            // Every block has the same number of error-correction codewords and the blocks add up.
            if (b.blocks > 0) {
                EXPECT_EQ(b.codewords, a.codewords + 1);
                EXPECT_EQ(b.codewords - b.dataCodewords, a.codewords - a.dataCodewords);
            }
            EXPECT_EQ(a.blocks * a.codewords + b.blocks * b.codewords, row.allCodewords) << v << "/" << level;
            EXPECT_EQ(a.blocks * a.dataCodewords + b.blocks * b.dataCodewords, row.dataCodewords[level]);
            EXPECT_LE(a.codewords + (b.blocks ? 1 : 0), kMaxBlockCodewords);
            EXPECT_FALSE(byRSExp(a.codewords - a.dataCodewords).empty());
            if (level > 0) {
                EXPECT_LT(row.dataCodewords[level], row.dataCodewords[level - 1]);
            }
        }
        if (v > 1) {
            EXPECT_GT(row.allCodewords, t[size_t(v - 1)].allCodewords);
        }
    }
}

TEST(QrTables, AlignmentCentresMatchThePublishedPositions)
{
    const std::map<int, std::vector<int>> published = {
        {1, {}}, {2, {18}}, {6, {34}}, {7, {22, 38}}, {13, {34, 62}}, {14, {26, 46, 66}}, {16, {26, 50, 74}},
        {21, {28, 50, 72, 94}}, {24, {28, 54, 80, 106}}, {28, {26, 50, 74, 98, 122}}, {30, {26, 52, 78, 104, 130}},
        {32, {34, 60, 86, 112, 138}}, {35, {30, 54, 78, 102, 126, 150}}, {36, {24, 50, 76, 102, 128, 154}},
        {39, {26, 54, 82, 110, 138, 166}}, {40, {30, 58, 86, 114, 142, 170}}};
    for (const auto &[v, centres] : published) {
        const QrVersionRow &row = QR_VersonInfo()[size_t(v)];
        ASSERT_EQ(row.alignCount, int(centres.size())) << v;
        for (size_t i = 0; i < centres.size(); ++i)
            EXPECT_EQ(row.alignPoints[i], centres[i]) << v;
    }
}

TEST(QrTables, FormatAndVersionWordsMatchThePublishedTables)
{
    // Levels L, M, Q, H; masks 0-7.
    const unsigned published[4][8] = {
        {0x77C4, 0x72F3, 0x7DAA, 0x789D, 0x662F, 0x6318, 0x6C41, 0x6976},
        {0x5412, 0x5125, 0x5E7C, 0x5B4B, 0x45F9, 0x40CE, 0x4F97, 0x4AA0},
        {0x355F, 0x3068, 0x3F31, 0x3A06, 0x24B4, 0x2183, 0x2EDA, 0x2BED},
        {0x1689, 0x13BE, 0x1CE7, 0x19D0, 0x0762, 0x0255, 0x0D0C, 0x083B}};
    for (int level = 0; level < 4; ++level)
        for (int mask = 0; mask < 8; ++mask)
            EXPECT_EQ(formatInformation(level, mask), published[level][mask]) << level << "/" << mask;

    EXPECT_EQ(versionInformation(7), 0x07C94u);
    EXPECT_EQ(versionInformation(8), 0x085BCu);
    EXPECT_EQ(versionInformation(9), 0x09A99u);
    EXPECT_EQ(versionInformation(10), 0x0A4D3u);
    EXPECT_EQ(versionInformation(40), 0x28C69u);
    // Every version word is a multiple of the generator over GF(2).
    for (int v = 7; v <= 40; ++v) {
        uint32_t r = versionInformation(v);
        for (int bit = 17; bit >= 12; --bit)
            if (r & (1u << bit))
                r ^= 0x1F25u << (bit - 12);
        EXPECT_EQ(r, 0u) << v;
        EXPECT_EQ(versionInformation(v) >> 12, uint32_t(v));
    }
}
