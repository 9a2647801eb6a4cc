#include "engines/pdf417/pdf417Tool.h"

#include "engines/pdf417/pdf417Bitmap.h"

#include <cmath>
#include <cstring>

namespace pdf417 {

platform::Picture renderSymbolForTool(const QString &text, int level, double dpi, QString *error)
{
    const auto failWith = [error](const QString &reason) {
        if (error)
            *error = reason;
        return platform::Picture();
    };
    if (text.isEmpty())
        return failWith(QStringLiteral("Empty value."));
    if (!(dpi > 0))
        return failWith(QStringLiteral("Invalid resolution."));

    const QByteArray bytes = textBytes(text);
    _pdf417param param;
    pdf417init(&param);
    param.text = bytes.constData();
    param.lenText = int(bytes.size());
    param.options = OptionUseErrorLevel | OptionInvertBitmap;
    param.errorLevel = level;
    param.aspectRatio = 1.0f;
    paintCode(&param);
    if (param.error)
        return failWith(QStringLiteral("Error encountered while drawing barcode, error %1.").arg(param.error));

    // One bit per pixel, bit 1 a bar: built scanline by scanline from the modules.
    const int module = std::max(1, int(std::lround(dpi / 72.0)));
    const int quiet = 2;
    const int rowHeight = 3;
    const int width = (param.bitColumns + 2 * quiet) * module;
    const int height = (param.codeRows * rowHeight + 2 * quiet) * module;
    QImage out(width, height, QImage::Format_Mono);
    if (out.isNull())
        return failWith(QStringLiteral("The symbol is too large to draw."));
    out.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    out.fill(0);
    const bool inverted = param.options & OptionInvertBitmap;
    const int stride = param.lenBits / param.codeRows;
    for (int r = 0; r < param.codeRows; ++r) {
        const int first = (quiet + r * rowHeight) * module;
        uchar *line = out.scanLine(first);
        const unsigned char *bits = param.outBits.data() + size_t(r) * size_t(stride);
        for (int m = 0; m < param.bitColumns; ++m) {
            const bool bar = ((bits[m >> 3] >> (7 - (m & 7))) & 1) != (inverted ? 1 : 0);
            if (!bar)
                continue;
            for (int x = (quiet + m) * module, end = x + module; x < end; ++x)
                line[x >> 3] |= uchar(0x80 >> (x & 7));
        }
        for (int y = 1; y < rowHeight * module; ++y)
            std::memcpy(out.scanLine(first + y), line, size_t(out.bytesPerLine()));
    }
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    out.setDotsPerMeterX(dotsPerMeter);
    out.setDotsPerMeterY(dotsPerMeter);
    return platform::Picture::fromImage(out, QSizeF(out.width() * 72.0 / dpi, out.height() * 72.0 / dpi));
}

} // namespace pdf417
