#pragma once
// The PDF417 encoder: a byte string becomes the 1-bit bitmap of a PDF417 symbol (ISO/IEC 15438).
// Everything happens on one parameter record owned by the caller; there is no global state, so
// any number of records may be encoded at once on different threads.

#include <vector>

namespace pdf417 {

// Option bits of the record.
enum Options {
    OptionFixedRectangle = 1,   // keep the given rows and columns as a rectangle
    OptionFixedColumns = 2,     // keep the given columns
    OptionFixedRows = 4,        // keep the given rows
    OptionUseErrorLevel = 16,   // use the given error level (else it follows the data size)
    OptionRawCodewords = 64,    // the codewords are given by the caller
    OptionInvertBitmap = 128    // invert the bitmap (1 = space)
};

// Error codes of the record.
enum Errors {
    ErrorNone = 0,
    ErrorDataTooLong = 1,         // more than 5420 bytes, or the data codewords would pass 926
    ErrorInvalidCodewords = 2     // given codewords with a bad count (or value)
};

constexpr int MaxTextBytes = 5420;
constexpr int MaxDataCodewords = 926;
constexpr int MaxCodewords = 928;

struct _pdf417param {
    std::vector<unsigned char> outBits;   // codeRows rows of lenBits / codeRows bytes, MSB first
    int lenBits = 0;
    int bitColumns = 0;                   // 17 x (codeColumns + 3) + 18
    int codeRows = 0;                     // 3 .. 90
    int codeColumns = 0;                  // 1 .. 30
    int codewords[MaxCodewords] = {};     // [0] is the symbol length descriptor
    int lenCodewords = 0;
    int errorLevel = 0;                   // 0 .. 8: 2^(level + 1) correction codewords
    const char *text = "";                // the data (not owned)
    int lenText = -1;                     // below 0: up to the terminating zero byte
    int options = 0;
    float aspectRatio = 0.5f;             // wanted width-to-height relation
    float yHeight = 3.0f;                 // row height in module widths
    int error = ErrorNone;
};
using pdf417param = _pdf417param;

// Clears the bitmap and its sizes, options and error, sets an empty text, yHeight 3.0 and
// aspectRatio 0.5; rows, columns, error level and codewords keep what they held.
_pdf417param *pdf417init(_pdf417param *param);
// Encodes and paints. On failure error is set and no bitmap exists.
void paintCode(_pdf417param *param);
// Releases the bitmap.
void pdf417free(_pdf417param *param);

} // namespace pdf417
