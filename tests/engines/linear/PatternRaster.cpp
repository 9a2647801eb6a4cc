#include "engines/linear/PatternRaster.h"

#include <QPainter>

#include <algorithm>

namespace testsupport {

QImage renderPattern(const QString &pattern, int pixelsPerModule, int barHeight, int quietModules)
{
    const int ppm = std::max(1, pixelsPerModule);
    const int quiet = std::max(0, quietModules) * ppm;
    const int w = int(pattern.size()) * ppm + 2 * quiet;
    const int h = std::max(1, barHeight) + 2 * quiet;
    QImage image(w, h, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == QLatin1Char('1'))
            p.drawRect(QRect(quiet + int(i) * ppm, quiet, ppm, std::max(1, barHeight)));
    }
    return image;
}

Decoded decodePattern(const QString &pattern, const QString &format, int pixelsPerModule)
{
    return decode(renderPattern(pattern, pixelsPerModule), format);
}

} // namespace testsupport
