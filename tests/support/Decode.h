#pragma once
// The independent decoder the tests check symbols with (zxing-cpp).

#include <QByteArray>
#include <QImage>
#include <QString>

namespace testsupport {

struct Decoded {
    bool ok = false;
    QString text;       // as zxing reads it (UTF-8 or its guess of the character set)
    QByteArray bytes;   // the raw data bytes of the symbol
    QString format;     // "QRCode", "Code128", "EAN13", ...
};

// Decodes the first symbol in the image; try harder, any format unless one is named
// ("QRCode", "DataMatrix", "PDF417", "Code128", "Code39", "Codabar", "ITF", "EAN13", "EAN8", "UPCA", "UPCE").
// fullAscii: read Code 39 in its full-ASCII (extended) form and keep the Codabar start and stop
// characters.
Decoded decode(const QImage &image, const QString &format = QString(), bool fullAscii = false);

} // namespace testsupport
