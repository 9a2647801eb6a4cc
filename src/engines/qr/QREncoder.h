#pragma once
// The QR facade: text in, module grid out (through CQR_Encode), and the grid painted into a square
// two-colour bitmap that the picture renderer frames with header, footer and margins.

#include "engines/qr/DataMatrix.h"
#include "platform/Picture.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>

namespace qr {

// A colour as one 32-bit word alpha << 24 | blue << 16 | green << 8 | red, each component of the
// colour's RGB form taken to the nearest of 0-255 (halves away from zero); stored little-endian the
// bytes run red, green, blue, alpha. An invalid colour packs as 0.
uint32_t packColourBGR(const QColor &colour);

} // namespace qr

class QREncoder {
public:
    QREncoder() = delete;

    // level 0-3 (L, M, Q, H); version 1-40, or 0 or -1 for automatic (a version too small for the
    // text grows). The text's UTF-8 bytes are encoded up to the first zero byte. Null for empty
    // text or text too long for any version at the level.
    static std::shared_ptr<qr::DataMatrix> encodeWithECLevel(int level, int version, const QString &string);
    static std::shared_ptr<qr::DataMatrix> encodeCStringWithECLevel(int level, int version, const char *cstring);

    // Paints the grid into a square of imageDimension pixels and points: whole-pixel modules, the
    // spare pixels split into margins (the extra one at the bottom and right), margins transparent
    // white, light modules transparent white when transp_bg is set and bar_bg_clr otherwise, dark
    // modules barcode_clr. A side below the grid's dimension is raised to one pixel per module.
    // With raiseToDpi above 0 the picture is raised to that resolution (same size in points).
    // Null for a null or empty grid; null with the reason in error when the image cannot be made.
    static platform::Picture renderDataMatrix(const qr::DataMatrix *matrix, int imageDimension, const QColor &barcode_clr,
                                              const QColor &bar_bg_clr, bool transp_bg, double raiseToDpi,
                                              QString *error = nullptr);

    // The bitmap of renderDataMatrix() before any raise: Format_RGBA8888, not premultiplied, each
    // pixel the packed word above. Null for an empty grid or a side too large to allocate.
    static QImage moduleImage(const qr::DataMatrix &matrix, int imageDimension, const QColor &barcode_clr,
                              const QColor &bar_bg_clr, bool transp_bg);
};
