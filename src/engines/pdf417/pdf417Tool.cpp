#include "engines/pdf417/pdf417Tool.h"

#include "engines/pdf417/pdf417View.h"

#include <QPainter>

#include <cmath>

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

    const QImage modules = bitmapImage(param);
    const int module = std::max(1, int(std::lround(dpi / 72.0)));
    const int quiet = 2;
    const int rowHeight = 3;
    QImage out((param.bitColumns + 2 * quiet) * module, (param.codeRows * rowHeight + 2 * quiet) * module,
               QImage::Format_RGB32);
    if (out.isNull())
        return failWith(QStringLiteral("The symbol is too large to draw."));
    out.fill(Qt::white);
    {
        QPainter painter(&out);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(quiet * module, quiet * module, param.bitColumns * module,
                                param.codeRows * rowHeight * module),
                          modules);
    }
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    out.setDotsPerMeterX(dotsPerMeter);
    out.setDotsPerMeterY(dotsPerMeter);
    return platform::Picture::fromImage(out, QSizeF(out.width() * 72.0 / dpi, out.height() * 72.0 / dpi));
}

} // namespace pdf417
