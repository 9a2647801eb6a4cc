#pragma once
// Helpers of the PDF417 tests: encoding a byte string and drawing the result for the decoder.

#include "engines/pdf417/pdf417lib.h"

#include <QByteArray>
#include <QImage>
#include <vector>

namespace pdf417test {

// Encodes data with the given options, level and aspect ratio into param (which keeps a pointer
// into data, so data must outlive it).
void encode(pdf417::_pdf417param &param, const QByteArray &data, int options, int level, float aspect = 1.0f);

// The symbol's modules as an image: px pixels per module, rows three modules high, a white
// quiet zone of four modules.
QImage render(const pdf417::_pdf417param &param, int px = 2);

// Module values of row r (true = bar), whatever the inversion option.
std::vector<bool> rowModules(const pdf417::_pdf417param &param, int r);

// The 17-bit pattern that starts at module m of row r.
int patternAt(const pdf417::_pdf417param &param, int r, int m);

// The codeword of a pattern in cluster table c (0, 1, 2), or -1.
int codewordOf(int c, int pattern);

} // namespace pdf417test
