#include "support/Decode.h"

#include <QPainter>

#include <ZXing/ReadBarcode.h>

namespace testsupport {

Decoded decode(const QImage &in, const QString &format, bool fullAscii)
{
    if (in.isNull())
        return {};
    // Flatten transparency onto white so that clear backgrounds read as light.
    QImage flat(in.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, in);
    }
    const QImage img = flat.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(img.constBits(), img.width(), img.height(), ZXing::ImageFormat::Lum,
                                int(img.bytesPerLine()));
    auto hints = ZXing::DecodeHints().setTryHarder(true).setTryRotate(false);
    hints.setTryCode39ExtendedMode(fullAscii);
    hints.setReturnCodabarStartEnd(fullAscii);
    hints.setFormats(format.isEmpty() ? ZXing::BarcodeFormat::Any
                                      : ZXing::BarcodeFormatFromString(format.toStdString()));
    const ZXing::Result r = ZXing::ReadBarcode(view, hints);
    if (!r.isValid())
        return {};
    Decoded d;
    d.ok = true;
    d.text = QString::fromStdString(r.text());
    const auto &raw = r.bytes();
    d.bytes = QByteArray(reinterpret_cast<const char *>(raw.data()), qsizetype(raw.size()));
    d.format = QString::fromStdString(ZXing::ToString(r.format()));
    return d;
}

} // namespace testsupport
