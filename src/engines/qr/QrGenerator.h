#pragma once
// The QR generator of the platform route: message bytes and a correction level letter in, a
// picture out, with a false-colour step and the stretch to the requested size. Our own encoder
// makes the modules.
//
// This sits with the QR engine rather than in src/platform because the platform library may not
// depend on the engines.

#include "platform/Picture.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

namespace qr {

class QrGenerator {
public:
    // The bytes to encode (the callers pass UTF-8 text).
    void setInputMessage(const QByteArray &message) { m_message = message; }
    // "L", "M" (the default), "Q" or "H".
    void setInputCorrectionLevel(const QString &level) { m_level = level; }

    // The symbol at one pixel per module with a light border of one module: dark modules opaque
    // black, light ones opaque white. Smallest version that holds the message, mask by penalty.
    // Null when the message is empty or too long for the level, or the level is not one of the four.
    QImage outputImage() const;

private:
    QByteArray m_message;
    QString m_level = QStringLiteral("M");
};

// Two colours for a black-and-white image: dark pixels become inputColor0, light ones inputColor1
// (alpha included; non-premultiplied ARGB). Null for a null input.
QImage falseColor(const QImage &inputImage, const QColor &inputColor0, const QColor &inputColor1);

// The generator's image (the symbol with its one-module border) stretched to size x size points: a
// module grid picture, so modules are scaled with no smoothing, each the same whole number of
// pixels wherever the picture is rasterised. Null for a null image or a size not above 0.
platform::Picture scaledToSize(const QImage &image, double size);

// The whole route: generator, colours, stretch. Null when the generator gives no image.
platform::Picture generateQrPicture(const QByteArray &message, const QString &correctionLevel,
                                    const QColor &barColour, const QColor &backgroundColour, double size);

// For the test tool that writes symbol files: the value as the Barcode mode draws it on this
// platform (generator route, black on white, sidePoints x sidePoints), raised to dpi. level is 0-3
// for L, M, Q, H. Null when the value cannot be encoded at that level.
platform::Picture renderSymbolForTool(const QString &value, int level, double dpi, double sidePoints = 60);

} // namespace qr
