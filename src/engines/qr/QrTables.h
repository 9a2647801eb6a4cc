#pragma once
// Read-only code tables of the QR Code encoder. Every table is built once, on first use, from the
// defining rules of ISO/IEC 18004 (field arithmetic, generator products, BCH remainders, module
// counts) and never written afterwards, so any number of encoders may run on any threads.

#include <array>
#include <cstdint>
#include <vector>

namespace qr {

constexpr int kMaxVersion = 40;
constexpr int kMaxSymbolSize = 177;          // modules per side of version 40
constexpr int kMaxDataCodewords = 2956;      // version 40-L
constexpr int kMaxAllCodewords = 3706;       // version 40
constexpr int kMaxBlockCodewords = 153;      // the longest block of any version and level
constexpr int kMaxDataBits = kMaxDataCodewords * 8;

// One group of error-correction blocks: how many blocks, codewords per block, data codewords per block.
struct QrBlockGroup {
    int blocks = 0;
    int codewords = 0;
    int dataCodewords = 0;
};

// One row of the version table (row 0 is all zero). Levels are indexed 0 L, 1 M, 2 Q, 3 H.
struct QrVersionRow {
    int version = 0;
    int allCodewords = 0;
    std::array<int, 4> dataCodewords{};
    int alignCount = 0;                      // alignment centre coordinates other than 6
    std::array<int, 6> alignPoints{};        // ascending
    std::array<QrBlockGroup, 4> group1{};
    std::array<QrBlockGroup, 4> group2{};    // all zero where the level has one group
    int remainderBits = 0;                   // modules left over after the last codeword
};

// The version table, 41 rows indexed by version.
const std::array<QrVersionRow, kMaxVersion + 1> &QR_VersonInfo();

// GF(256) with x^8 + x^4 + x^3 + x^2 + 1 and generator 2: antilogarithms (entry 255 is 1) and
// logarithms (entry 0 is 0).
const std::array<uint8_t, 256> &byExpToInt();
const std::array<uint8_t, 256> &byIntToExp();

// Generator polynomial of degree n (the product of (x - 2^i), i = 0 ... n-1) as the n logarithms
// of the coefficients of x^(n-1) down to x^0, the leading 1 left out. Filled for the degrees
// 7, 10, 13, 15-18 and the even degrees 20-68; empty for every other index up to 68.
const std::vector<uint8_t> &byRSExp(int degree);

// Character-count indicator lengths by version group (0: versions 1-9, 1: 10-26, 2: 27-40).
constexpr std::array<int, 3> nIndicatorLenNumeral{10, 12, 14};
constexpr std::array<int, 3> nIndicatorLenAlphabet{9, 11, 13};
constexpr std::array<int, 3> nIndicatorLen8Bit{8, 16, 16};

// The 15-bit format word (BCH with 0x537, masked with 0x5412) of a level (0 L .. 3 H) and mask 0-7.
uint32_t formatInformation(int level, int mask);
// The 18-bit version word (BCH with 0x1F25) of versions 7-40.
uint32_t versionInformation(int version);

} // namespace qr
