#pragma once
// Helpers of the DataMatrix tests: module grids as images for the decoder, seeded random data
// and an independent GF(256) check of Reed-Solomon codewords.

#include "engines/datamatrix/iec16022ecc200.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <cstdint>
#include <random>
#include <vector>

namespace dmtest {

// The grid (row 0 the bottom) drawn black on white at px pixels per module with a quiet zone of
// quiet modules on every side.
QImage gridImage(const datamatrix::Ecc200Result &symbol, int px = 4, int quiet = 4);

// The codewords held by a grid, read through the placement.
std::vector<std::uint8_t> gridCodewords(const datamatrix::Ecc200Result &symbol);

// A grid in the form of zint's --dump: one line per row from the top, each row's modules as
// hexadecimal bytes (most significant bit first) separated by spaces. From a grid, or read from a
// file of such lines.
QStringList zintDump(const datamatrix::Ecc200Result &symbol);
QStringList zintDump(const QString &fileName);

// Decodes a symbol with zxing; ok false when it does not read. bytes: the decoded data.
struct Read {
    bool ok = false;
    QByteArray bytes;
};
Read readSymbol(const datamatrix::Ecc200Result &symbol);

// Random data from an alphabet of bytes.
QByteArray randomFrom(std::mt19937 &rng, const QByteArray &alphabet, int length);
QByteArray randomBytes(std::mt19937 &rng, int length);

// Alphabets that favour each encodation.
QByteArray upperAlphabet();    // capitals, digits, space, a little punctuation and lower case
QByteArray lowerAlphabet();    // lower case, digits, space, a little punctuation and capitals
QByteArray printableAlphabet();// every byte 32-126
QByteArray x12Alphabet();      // the X12 set
QByteArray edifactAlphabet();  // bytes 32-94
QByteArray mixedAlphabet();    // printable ASCII plus a few control and high bytes

// True when codeword holds a Reed-Solomon codeword of the ECC200 code with nsym parity symbols:
// it vanishes at alpha^1 ... alpha^nsym of GF(256) with x^8 + x^5 + x^3 + x^2 + 1. The field is
// built here independently of the coder under test.
bool syndromesVanish(const std::vector<std::uint8_t> &codeword, int nsym);

} // namespace dmtest
