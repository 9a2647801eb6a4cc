#pragma once
// DataMatrix ECC200 (ISO/IEC 16022): the encodations, the automatic choice among them, the symbol
// sizes, Reed-Solomon error correction in interleaved blocks and the module placement. Plain
// functions over caller-owned buffers, no state between calls: any thread may encode.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace datamatrix {

// One symbol size: rows, columns, one data region with its finder border, data codewords of the
// symbol, data and error-correction codewords per interleaved block.
struct Ecc200Size {
    int H, W, FH, FW, D, DB, EB;

    bool isNull() const { return H == 0; }
    bool isSquare() const { return H == W; }
    int blocks() const { return (D + 2) / DB; }
    int eccCount() const { return blocks() * EB; }
};

// The sizes in the order in which the automatic size choice tries them, ended by a row of zeros.
extern const Ecc200Size ecc200matrix[31];
// The row with W columns and H rows, or nullptr.
const Ecc200Size *ecc200size(int W, int H);

// One letter per input byte names its encodation; letters are read in either case.
inline constexpr char encchr[] = "ACTXEB";   // ASCII, C40, Text, X12, EDIFACT, Base 256
// The largest input the automatic encodation plans for.
inline constexpr int encmakeMaxLength = 3116;
// Room for the codewords of the largest symbol (1558 data + 620 error correction).
inline constexpr int ecc200MaxCodewords = 3000;

// Encodes data (sl bytes) into exactly tl codewords of t, following the encodation letters (at
// least one per byte), closing with an unlatch and pad codewords. Answers true when every byte was
// encoded within tl codewords; *lenp receives the codewords the data took before the closing
// unlatch and pads. A letter error leaves its message (with its newline) in *error.
bool ecc200encode(std::uint8_t *t, int tl, const std::uint8_t *s, int sl, std::string_view encoding,
                  int *lenp, std::string *error = nullptr);

// The cheapest encodation of the data, one upper-case letter per byte, with the codeword count it
// takes in *lenp. exact: plan the end-of-symbol savings that hold only when the codewords fill a
// symbol exactly. More than encmakeMaxLength bytes: nothing, length 0.
std::optional<std::string> encmake(int l, const std::uint8_t *s, int *lenp, bool exact);

// Where the interleaved correction codewords of 144x144 start, the one size whose blocks differ in
// length (8 blocks of 156 data codewords, 2 of 155). Read literally, ISO/IEC 16022 puts the
// parity of block b at positions b, b + 10, ...; zint, BWIPP and zxing's writer instead start the
// parity with block 8, so that block b's lies at (b + 2) mod 10, and most scanners read only that.
// A later revision of the standard notes this. We write the industry's order so that the symbols
// scan; the literal order stays for comparison.
enum class Ecc144Order {
    Literal,    // block b's parity at b, b + blocks, ... as the standard's text reads
    Industry,   // parity from block 8 on: block b's at (b + 2) mod blocks
};
inline constexpr Ecc144Order ecc144Order = Ecc144Order::Industry;

// Appends the error-correction codewords of the data codewords (bytes of them) behind them,
// interleaved over (bytes + 2) / datablock blocks of rsblock parity codewords each. Symbols of
// 1558 data codewords (144x144) place them in the order given.
void ecc200(std::uint8_t *binary, int bytes, int datablock, int rsblock, Ecc144Order order = ecc144Order);

// Fills the NR x NC data area (row 0 the top) with codeword number x 8 + bit (codewords from 1,
// bit 7 the most significant), or 1 for the fixed dark modules of the bottom-right corner.
void ecc200placement(int *array, int NR, int NC);

// What the caller asks for.
struct Ecc200Request {
    int width = 0;    // W, the columns; 0 asks for the automatic size
    int height = 0;   // H, the rows
    // One letter of encchr per data byte; none asks for the automatic encodation.
    std::optional<std::string> encoding;
    // With an encodation given and the size automatic: take square sizes only.
    bool squareOnly = false;
    // Also write the messages to the standard error stream.
    bool printErrors = true;
};

// What the encoder hands back. On failure grid is empty and error holds the messages; the size and
// counts are written back as far as the failure allows (for the size and fit failures nothing is:
// the request's size and encodation stay, the counts 0).
struct Ecc200Result {
    std::vector<std::uint8_t> grid;   // width x height modules, 0 light, 1 dark, row 0 the bottom
    int width = 0;                    // W used
    int height = 0;                   // H used
    std::optional<std::string> encoding;   // the encodation used
    int dataLength = 0;               // codewords the data took (before the closing unlatch and pads)
    int capacity = 0;                 // data codewords of the size
    int eccLength = 0;                // error-correction codewords of the size
    QString error;                    // the messages, each ending with a newline

    bool ok() const { return !grid.empty(); }
    // Module at column x, row y counted from the bottom.
    bool module(int x, int y) const { return grid[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0; }
};

Ecc200Result iec16022ecc200(const std::uint8_t *barcode, int barcodelen, const Ecc200Request &request);
Ecc200Result iec16022ecc200(const QByteArray &data, const Ecc200Request &request);

} // namespace datamatrix
