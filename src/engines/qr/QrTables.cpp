#include "engines/qr/QrTables.h"

#include <cstddef>

namespace qr {

namespace {

// ISO/IEC 18004, error-correction characteristics: error-correction codewords per block and the
// number of blocks, by level (L, M, Q, H) and version 1-40. Everything else of a version row
// (codeword counts, block groups, data capacity) follows from these and the module layout.
constexpr int kEccPerBlock[4][kMaxVersion] = {
    {7, 10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
};
constexpr int kBlockCount[4][kMaxVersion] = {
    {1, 1, 1, 1, 1, 2, 2, 2, 2, 4, 4, 4, 4, 4, 6, 6, 6, 6, 7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {1, 1, 1, 2, 2, 4, 4, 4, 5, 5, 5, 8, 9, 9, 10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {1, 1, 2, 2, 4, 4, 6, 6, 8, 8, 8, 10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {1, 1, 2, 4, 4, 4, 5, 6, 8, 8, 11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
};

// Alignment-pattern centres of a version, 6 included. The centres are spread evenly from the last
// one (7 modules in from the far edge) back towards 6 with an even spacing; version 32 is the one
// exception the standard makes to the rounding.
std::vector<int> alignmentCentres(int version)
{
    if (version < 2)
        return {};
    const int count = version / 7 + 2;
    const int step = version == 32 ? 26 : (version * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
    std::vector<int> centres(count);
    centres[0] = 6;
    int c = version * 4 + 10;
    for (int i = count - 1; i >= 1; --i, c -= step)
        centres[i] = c;
    return centres;
}

// Modules left for codewords: the symbol less finders with separators, format areas with the
// dark module, timing patterns, alignment patterns and version areas.
int dataModuleCount(int version, const std::vector<int> &centres)
{
    const int s = version * 4 + 17;
    std::vector<char> used(size_t(s) * size_t(s), 0);
    auto mark = [&](int x, int y) { used[size_t(y) * size_t(s) + size_t(x)] = 1; };
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j)
            mark(i, j);   // top-left finder, separator and format area
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 9; ++j) {
            mark(s - 1 - i, j);   // top-right finder, separator and format area
            mark(j, s - 1 - i);   // bottom-left finder, separator, format area and dark module
        }
    }
    for (int k = 0; k < s; ++k) {
        mark(k, 6);
        mark(6, k);
    }
    for (int cy : centres) {
        for (int cx : centres) {
            if ((cx == 6 && cy == 6) || (cx == 6 && cy == s - 7) || (cx == s - 7 && cy == 6))
                continue;   // would lie on a finder pattern
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    mark(cx + dx, cy + dy);
        }
    }
    if (version >= 7) {
        for (int a = 0; a < 6; ++a) {
            for (int b = 0; b < 3; ++b) {
                mark(a, s - 11 + b);
                mark(s - 11 + b, a);
            }
        }
    }
    int free = 0;
    for (char u : used)
        free += u ? 0 : 1;
    return free;
}

std::array<QrVersionRow, kMaxVersion + 1> buildVersionTable()
{
    std::array<QrVersionRow, kMaxVersion + 1> table{};
    for (int v = 1; v <= kMaxVersion; ++v) {
        QrVersionRow &row = table[size_t(v)];
        row.version = v;
        const std::vector<int> centres = alignmentCentres(v);
        const int modules = dataModuleCount(v, centres);
        row.allCodewords = modules / 8;
        row.remainderBits = modules % 8;
        for (size_t i = 1; i < centres.size(); ++i)
            row.alignPoints[i - 1] = centres[i];
        row.alignCount = centres.empty() ? 0 : int(centres.size()) - 1;
        for (int level = 0; level < 4; ++level) {
            const int blocks = kBlockCount[level][v - 1];
            const int ecc = kEccPerBlock[level][v - 1];
            const int shortLength = row.allCodewords / blocks;
            const int longBlocks = row.allCodewords % blocks;
            row.group1[size_t(level)] = {blocks - longBlocks, shortLength, shortLength - ecc};
            if (longBlocks > 0)
                row.group2[size_t(level)] = {longBlocks, shortLength + 1, shortLength + 1 - ecc};
            row.dataCodewords[size_t(level)] = row.allCodewords - blocks * ecc;
        }
    }
    return table;
}

struct GaloisTables {
    std::array<uint8_t, 256> exp{};
    std::array<uint8_t, 256> log{};
};

GaloisTables buildGaloisTables()
{
    GaloisTables t;
    int value = 1;
    for (int i = 0; i < 255; ++i) {
        t.exp[size_t(i)] = uint8_t(value);
        t.log[size_t(value)] = uint8_t(i);
        value <<= 1;
        if (value & 0x100)
            value ^= 0x11D;
    }
    t.exp[255] = t.exp[0];   // 2^255 = 1
    t.log[0] = 0;            // no logarithm; kept 0 as a harmless entry
    return t;
}

const GaloisTables &galois()
{
    static const GaloisTables tables = buildGaloisTables();
    return tables;
}

bool generatorDegreeUsed(int n)
{
    return n == 7 || n == 10 || n == 13 || (n >= 15 && n <= 18) || (n >= 20 && n <= 68 && n % 2 == 0);
}

std::array<std::vector<uint8_t>, 69> buildGenerators()
{
    const GaloisTables &gf = galois();
    auto mul = [&](int a, int b) -> int {
        if (a == 0 || b == 0)
            return 0;
        return gf.exp[size_t((gf.log[size_t(a)] + gf.log[size_t(b)]) % 255)];
    };
    std::array<std::vector<uint8_t>, 69> out;
    for (int n = 1; n <= 68; ++n) {
        if (!generatorDegreeUsed(n))
            continue;
        // coefficients[k] of x^k; start with 1 and multiply by (x + 2^i) for each root.
        std::vector<int> poly{1};
        for (int i = 0; i < n; ++i) {
            const int root = gf.exp[size_t(i)];
            std::vector<int> next(poly.size() + 1, 0);
            for (size_t k = 0; k < poly.size(); ++k) {
                next[k + 1] ^= poly[k];            // x * term
                next[k] ^= mul(poly[k], root);     // root * term (minus equals plus in GF(2^8))
            }
            poly = std::move(next);
        }
        std::vector<uint8_t> exps(static_cast<size_t>(n), 0);
        for (int k = 0; k < n; ++k)
            exps[size_t(k)] = gf.log[size_t(poly[size_t(n - 1 - k)])];   // x^(n-1) down to x^0
        out[size_t(n)] = std::move(exps);
    }
    return out;
}

// Remainder of data x 2^(degree of generator) divided by the generator, over GF(2).
uint32_t bchRemainder(uint32_t data, uint32_t generator)
{
    int degree = 0;
    while ((generator >> (degree + 1)) != 0)
        ++degree;
    uint32_t value = data << degree;
    for (int bit = 31; bit >= degree; --bit)
        if (value & (1u << bit))
            value ^= generator << (bit - degree);
    return value;
}

} // namespace

const std::array<QrVersionRow, kMaxVersion + 1> &QR_VersonInfo()
{
    static const std::array<QrVersionRow, kMaxVersion + 1> table = buildVersionTable();
    return table;
}

const std::array<uint8_t, 256> &byExpToInt()
{
    return galois().exp;
}

const std::array<uint8_t, 256> &byIntToExp()
{
    return galois().log;
}

const std::vector<uint8_t> &byRSExp(int degree)
{
    static const std::array<std::vector<uint8_t>, 69> generators = buildGenerators();
    static const std::vector<uint8_t> none;
    if (degree < 0 || degree > 68)
        return none;
    return generators[size_t(degree)];
}

uint32_t formatInformation(int level, int mask)
{
    // Level bits of the format word: L 01, M 00, Q 11, H 10.
    static constexpr uint32_t kLevelBits[4] = {1, 0, 3, 2};
    const uint32_t data = (kLevelBits[level & 3] << 3) | uint32_t(mask & 7);
    return ((data << 10) | bchRemainder(data, 0x537)) ^ 0x5412;
}

uint32_t versionInformation(int version)
{
    const uint32_t data = uint32_t(version);
    return (data << 12) | bchRemainder(data, 0x1F25);
}

} // namespace qr
