#include "engines/pdf417/pdf417Bitmap.h"

#include <QColor>

#include <cstring>

namespace pdf417 {

QByteArray textBytes(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return text.toUtf8();
    }
    return text.toLatin1();
}

QImage bitmapImage(const _pdf417param &param)
{
    if (param.outBits.empty() || param.codeRows <= 0 || param.bitColumns <= 0)
        return {};
    QImage image(param.bitColumns, param.codeRows, QImage::Format_Mono);
    if (image.isNull())
        return {};
    const bool inverted = param.options & OptionInvertBitmap;
    // Index 0 is what a 0 bit means.
    image.setColorTable({inverted ? qRgb(0, 0, 0) : qRgb(255, 255, 255), inverted ? qRgb(255, 255, 255) : qRgb(0, 0, 0)});
    const int stride = param.lenBits / param.codeRows;
    for (int r = 0; r < param.codeRows; ++r)
        std::memcpy(image.scanLine(r), param.outBits.data() + size_t(r) * size_t(stride), size_t(stride));
    return image;
}

} // namespace pdf417
