#pragma once
// Constant tables of the PDF417 encoder (ISO/IEC 15438), read-only after their first use.

namespace pdf417 {

// Bar-space patterns of the 929 codeword values in clusters 0, 3 and 6; 17 bits, MSB first, 1 = bar.
extern const int CLUSTERS[3][929];

constexpr int START_PATTERN = 130728;   // 17 modules
constexpr int STOP_PATTERN = 260649;    // 18 modules

// The Reed-Solomon coefficients of an error level (0 .. 8): 2^(level + 1) values, the
// coefficient of x^i of the generator (x - 3)(x - 3^2)...(x - 3^k) over GF(929) at index i,
// without its leading 1. Computed once.
const int *ERROR_LEVEL(int level);

// Text compaction sub-mode tables: the characters at values 0 .. 24 (mixed) and 0 .. 28 (punctuation).
extern const char MIXED_SET[];
extern const char PUNCTUATION_SET[];

} // namespace pdf417
