#include "imaging/CropGeometry.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace crop {

QRect sourcePixelRect(const QRectF &cropRect, const QSizeF &ratio, const QSizeF &previewSize,
                      const QSize &originalSize)
{
    if (ratio.width() <= 0 || ratio.height() <= 0 || previewSize.width() <= 0 || previewSize.height() <= 0
        || originalSize.isEmpty())
        return {};
    // A rectangle still anchored at a dragged corner covers the same area standardised.
    const QRectF r = cropRect.normalized();
    const double px = r.x() / ratio.width(), py = r.y() / ratio.height();
    const double pw = r.width() / ratio.width(), ph = r.height() / ratio.height();
    const double sx = originalSize.width() / previewSize.width();
    const double sy = originalSize.height() / previewSize.height();
    // Preview points are y up from the bottom; pixels are y down from the top.
    const double left = px * sx, right = (px + pw) * sx;
    const double top = (previewSize.height() - py - ph) * sy, bottom = (previewSize.height() - py) * sy;
    const auto edge = [](double v, int limit) {
        return int(std::clamp<double>(std::round(v), 0.0, double(limit)));
    };
    const int l = edge(left, originalSize.width()), rgt = edge(right, originalSize.width());
    const int t = edge(top, originalSize.height()), b = edge(bottom, originalSize.height());
    if (rgt <= l || b <= t)
        return {};
    return QRect(l, t, rgt - l, b - t);
}

QSize resizedSize(double width, double height, bool keepAspectRatio, const QSizeF &pictureSize)
{
    float w = float(width), h = float(height);
    if (keepAspectRatio) {
        const float iw = float(pictureSize.width()), ih = float(pictureSize.height());
        if (iw <= 0 || ih <= 0)
            return {};
        const float sw = w / iw, sh = h / ih;
        const float s = sh < sw ? sh : sw;
        w = iw * s;
        h = ih * s;
    }
    if (!(w > 0) || !(h > 0))
        return {};
    // A positive size never rounds away to nothing.
    return {std::max(1, int(std::lround(w))), std::max(1, int(std::lround(h)))};
}

int leadingInteger(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        value = std::min<qint64>(value * 10 + (text.at(i).unicode() - '0'), std::numeric_limits<int>::max());
    return int(negative ? -value : value);
}

SizeField sizeFieldTyped(const QString &typed)
{
    QString text;
    for (const QChar c : typed)
        if (c >= u'0' && c <= u'9' && text.size() < 5)
            text += c;
    if (leadingInteger(text) > 10000)
        text = QStringLiteral("10000");
    return {text, leadingInteger(text)};
}

QString croppedFileName(const QString &outputFolder, bool customName, const QString &customText,
                        const QString &inputPath, int cropNum, int formatIndex)
{
    QString base = customName ? customText : QFileInfo(inputPath).completeBaseName();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (cropNum > 0)
        base += QStringLiteral("_%1").arg(cropNum);
    static const char *const formats[] = {"jpg", "bmp", "png", "tiff"};
    QString path = outputFolder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    path += base;
    if (formatIndex >= 0 && formatIndex < 4)
        path += QLatin1Char('.') + QString::fromLatin1(formats[formatIndex]).toUpper();
    return path;
}

} // namespace crop
