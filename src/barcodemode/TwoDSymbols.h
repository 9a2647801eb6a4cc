#pragma once
// The 2D symbol drawing of the barcode settings editor with its inputs as plain values: the editors
// read their controls and call these, and so can a worker or a tool that has no window. None of
// them touches a widget.

#include "engines/datamatrix/iec16022ecc200.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <cstdint>

class pdf417View;

namespace twod {

// Colour packings of the 2D bitmap encoders, each component of the colour's RGB form times 255,
// rounded halves away from zero. An invalid colour packs as 0.
// alpha << 24 | blue << 16 | green << 8 | red
std::uint32_t packBGR(const QColor &colour);
// red << 16 | green << 8 | blue, alpha dropped
std::uint32_t packRGB(const QColor &colour);

// The picture raised to the output resolution dpi (0 or less: as it is). A symbol too large for
// that stays as it is, so the picture framed around it is refused as a value too long.
platform::Picture raisedForOutput(const platform::Picture &picture, double dpi);

// The smallest side of a QR symbol for a version index (0 automatic, 1-40): the module count of
// that version, and 21 for automatic.
int minimumQrSide(int versionIndex);

// Whether the toolkit version takes the generator route (1265 and later) rather than the encoder.
bool usesQrGenerator(double toolkitVersion);

// Generator route: the value's UTF-8 bytes at the level ("L", "M", "Q", "H"), dark modules in the
// bar colour and light ones in the background colour, stretched to size x size points, raised to
// dpi when dpi > 0. Null for an empty value (silently) or when a step fails (logged).
platform::Picture qrByGenerator(const QString &value, const QString &level, const QColor &barColour,
                                const QColor &backgroundColour, double size, int dpi);

// Encoder route: the module grid of the value at the level index (0-3) and version (-1 or 0
// automatic), painted into side x side points and raised to dpi when dpi > 0. Null when the value
// cannot be encoded; an image that cannot be made is also reported to the user.
platform::Picture qrByEncoder(const QString &value, int level, int version, int side, const QColor &barColour,
                              const QColor &backgroundColour, bool transparent, int dpi);

// The view's last symbol as a module grid picture of that size: the modules stretched to it as the
// view stretches them, each the same whole rectangle of pixels wherever it is rasterised, raised
// to the resolution the view raised its own bitmap to (unless raiseAsTheView is false). Null when
// the view holds no symbol.
platform::Picture pdf417Picture(const pdf417View &view, const QSizeF &size, bool raiseAsTheView = true);

// The DataMatrix palette image of a grid (W x H bytes, row after row, non-zero dark, row 0 the
// bottom) with a one-module border, one pixel per module: (W + 2) x (H + 2) pixels, built straight
// from the grid. The light entry (background and border) is transparent, showing beneath where
// beneath has some opacity (the background the picture is framed on); the module entry is the
// module colour, opaque. comment is no longer used. Null, with the reason in *error, when the image
// cannot be made.
QImage dataMatrixImage(const QByteArray &comment, int W, int H, const std::uint8_t *grid, const QColor &moduleColour,
                       const QColor &beneath, QString *error = nullptr);

// The symbol image as a module grid picture of (W x module + border) by (H x module + border)
// points (square modules of module points, centred), raised to dpi when dpi > 0. Null unless the
// image is (W + 2) x (H + 2).
platform::Picture dataMatrixPicture(const QImage &image, int W, int H, int module, int border, int dpi);

// The encoder's request for a format item ("Auto", "C10X10" ...) and an encodation item ("Auto",
// "Ascii", "C40", "Text", "Base256") for the value's UTF-8 bytes.
datamatrix::Ecc200Request dataMatrixRequest(const QString &formatItem, const QString &encodingItem,
                                            const QByteArray &utf8);

// What a failed DataMatrix draw reports: one line to standard error, four to standard output.
void reportDataMatrixFailure(const datamatrix::Ecc200Result &result, const QByteArray &utf8);

} // namespace twod
