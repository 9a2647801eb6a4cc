#pragma once
// Helpers of the QR engine tests: symbol matrices as images, zxing-cpp reading them back, and
// seeded random payloads.

#include "engines/qr/QR_Encode.h"
#include "engines/qr/DataMatrix.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <random>

namespace qrtest {

// A matrix as a greyscale image: scale pixels per module, quiet modules of white on every side.
QImage matrixImage(const std::function<bool(int, int)> &dark, int size, int scale = 3, int quiet = 4);
QImage encoderImage(const CQR_Encode &encoder, int scale = 3, int quiet = 4);
QImage gridImage(const qr::DataMatrix &grid, int scale = 3, int quiet = 4);

struct Reading {
    bool ok = false;
    QByteArray bytes;    // the data bytes as stored in the symbol
    QString text;
    QString ecLevel;     // "L", "M", "Q" or "H"
};
// Reads one QR Code with zxing-cpp.
Reading readQr(const QImage &image);

// Encodes with automatic version, auto-extend and the mask chosen by penalty; null on failure.
std::unique_ptr<CQR_Encode> encode(const QByteArray &bytes, int level, int version = 0, bool autoExtent = true,
                                   int mask = -1);

// The penalty of a finished matrix (cells 1 or 0), from the four scoring rules of ISO/IEC 18004.
long penaltyOf(const CQR_Encode &encoder);

// The 15-bit format word as read from the modules around the top-left finder.
unsigned formatWordTopLeft(const CQR_Encode &encoder);
// The same word as read from the copy split between the top-right and bottom-left finders.
unsigned formatWordSplit(const CQR_Encode &encoder);

enum class Payload { Digits, Alphanumeric, Latin1Text, Utf8Text, Binary };
const char *payloadName(Payload kind);
// n characters of the kind as the bytes handed to the encoder (Latin-1 text as Latin-1 bytes,
// UTF-8 text as UTF-8 bytes: n counts characters).
QByteArray payload(Payload kind, int n, std::mt19937 &rng);

} // namespace qrtest
