// The symbol character tables and the error-correction coefficients against ISO/IEC 15438.

#include "Pdf417Testing.h"

#include "engines/pdf417/pdf417internal.h"
#include "engines/pdf417/pdf417tables.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// Element widths of a 17-module pattern, first element a bar.
std::vector<int> elementWidths(int pattern)
{
    std::vector<int> widths;
    int previous = -1;
    for (int bit = 16; bit >= 0; --bit) {
        const int v = (pattern >> bit) & 1;
        if (v == previous)
            ++widths.back();
        else
            widths.push_back(1);
        previous = v;
    }
    return widths;
}

// c(x) evaluated at x mod 929, c[0] the highest power.
int evaluate(const int *c, int n, int x)
{
    long long acc = 0;
    for (int i = 0; i < n; ++i)
        acc = (acc * x + c[i]) % 929;
    return int(acc);
}

} // namespace

TEST(Pdf417Tables, EveryPatternIsFourBarsAndFourSpacesOfItsCluster)
{
    std::set<int> all;
    for (int c = 0; c < 3; ++c) {
        std::set<int> seen;
        for (int v = 0; v < 929; ++v) {
            const int pattern = pdf417::CLUSTERS[c][v];
            SCOPED_TRACE(testing::Message() << "cluster " << 3 * c << " value " << v);
            ASSERT_GE(pattern, 1 << 16);   // 17 modules, starting with a bar
            ASSERT_LT(pattern, 1 << 17);
            const std::vector<int> w = elementWidths(pattern);
            ASSERT_EQ(w.size(), 8u);       // 4 bars and 4 spaces, ending with a space
            int modules = 0;
            for (int x : w) {
                EXPECT_GE(x, 1);
                EXPECT_LE(x, 6);
                modules += x;
            }
            EXPECT_EQ(modules, 17);
            EXPECT_EQ((w[0] - w[2] + w[4] - w[6] + 9) % 9, 3 * c);
            seen.insert(pattern);
            all.insert(pattern);
        }
        EXPECT_EQ(seen.size(), 929u);
    }
    EXPECT_EQ(all.size(), 3u * 929u);
}

TEST(Pdf417Tables, StartAndStopPatterns)
{
    // 8 1 1 1 1 1 1 3 and 7 1 1 3 1 1 1 2 1.
    EXPECT_EQ(elementWidths(pdf417::START_PATTERN), (std::vector<int>{8, 1, 1, 1, 1, 1, 1, 3}));
    int stop = pdf417::STOP_PATTERN;
    std::vector<int> widths;
    int previous = -1;
    for (int bit = 17; bit >= 0; --bit) {
        const int v = (stop >> bit) & 1;
        if (v == previous)
            ++widths.back();
        else
            widths.push_back(1);
        previous = v;
    }
    EXPECT_EQ(widths, (std::vector<int>{7, 1, 1, 3, 1, 1, 1, 2, 1}));
}

TEST(Pdf417Tables, ErrorCoefficientsOfThePublishedTable)
{
    // The first levels of the coefficient table of ISO/IEC 15438, a0 first.
    const int *l0 = pdf417::ERROR_LEVEL(0);
    EXPECT_EQ(l0[0], 27);
    EXPECT_EQ(l0[1], 917);
    const int *l1 = pdf417::ERROR_LEVEL(1);
    EXPECT_EQ((std::vector<int>(l1, l1 + 4)), (std::vector<int>{522, 568, 723, 809}));
    const int *l2 = pdf417::ERROR_LEVEL(2);
    EXPECT_EQ((std::vector<int>(l2, l2 + 8)), (std::vector<int>{237, 308, 436, 284, 646, 653, 428, 379}));
    EXPECT_EQ(pdf417::ERROR_LEVEL(9), nullptr);
    EXPECT_EQ(pdf417::ERROR_LEVEL(-1), nullptr);
}

TEST(Pdf417Tables, CorrectionCodewordsMakeEveryLevelsSyndromesZero)
{
    for (int level = 0; level <= 8; ++level) {
        SCOPED_TRACE(level);
        pdf417::_pdf417param p;
        p.errorLevel = level;
        const int k = 1 << (level + 1);
        const int n = 300;
        for (int i = 0; i < n; ++i)
            p.codewords[i] = (i * 397 + 11) % 929;
        pdf417::calculateErrorCorrection(&p, n);
        int power = 3;
        for (int j = 1; j <= k; ++j) {
            ASSERT_EQ(evaluate(p.codewords, n + k, power), 0) << "root 3^" << j;
            power = power * 3 % 929;
        }
        // A changed data codeword no longer fits.
        p.codewords[7] = (p.codewords[7] + 1) % 929;
        EXPECT_NE(evaluate(p.codewords, n + k, 3), 0);
    }
}
