#include "outputjobs/PaperBands.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace paperbands {

namespace {

bool oneBitOnWhite(const QImage &bitmap)
{
    return !bitmap.isNull() && bitmap.format() == QImage::Format_Mono && bitmap.colorCount() == 2
           && bitmap.color(0) == qRgb(0, 0, 0) && bitmap.color(1) == qRgb(255, 255, 255);
}

// The bytes [first, last) of a line that hold ink (a bit at 0); first == last for a blank line.
// tail: the bits of the last byte that are pixels (the rest is padding, whatever it holds).
std::pair<int, int> inkedBytes(const uchar *line, int bytes, uchar tail)
{
    const auto inked = [&](int i) { return i == bytes - 1 ? (~line[i] & tail) != 0 : line[i] != 0xFF; };
    int first = 0;
    // Whole words of white first: most of a label is paper.
    while (first + 8 <= bytes - 1) {
        std::uint64_t word;
        std::memcpy(&word, line + first, sizeof word);
        if (word != ~std::uint64_t(0))
            break;
        first += 8;
    }
    while (first < bytes && !inked(first))
        ++first;
    if (first == bytes)
        return {0, 0};
    int last = bytes;
    while (last > first && !inked(last - 1))
        --last;
    return {first, last};
}

QImage bandOf(const QImage &bitmap, const QRect &band)
{
    QImage part(band.size(), QImage::Format_Mono);
    if (part.isNull())
        return part;
    part.setColorTable(bitmap.colorTable());
    part.setDotsPerMeterX(bitmap.dotsPerMeterX());
    part.setDotsPerMeterY(bitmap.dotsPerMeterY());
    const size_t bytes = size_t((band.width() + 7) / 8);
    for (int y = 0; y < band.height(); ++y)
        std::memcpy(part.scanLine(y), bitmap.constScanLine(band.y() + y) + band.x() / 8, bytes);
    return part;
}

} // namespace

std::vector<QRect> Ink_Bands(const QImage &bitmap)
{
    std::vector<QRect> bands;
    if (!oneBitOnWhite(bitmap))
        return bands;
    const int w = bitmap.width(), h = bitmap.height();
    const int bytes = (w + 7) / 8;
    const uchar tail = uchar(0xFF << ((8 - w % 8) % 8));   // pixels run from the high bit
    int top = -1, lastInk = -1, from = bytes, to = 0;
    const auto close = [&] {
        const int x0 = std::max(0, from - 1) * 8;
        const int x1 = std::min(w, std::min(bytes, to + 1) * 8);
        bands.emplace_back(QPoint(x0, std::max(0, top - 1)), QPoint(x1 - 1, std::min(h - 1, lastInk + 1)));
    };
    for (int y = 0; y < h; ++y) {
        const auto [first, last] = inkedBytes(bitmap.constScanLine(y), bytes, tail);
        if (first == last)
            continue;
        if (top >= 0 && y - lastInk - 1 >= Band_Gap_Rows) {
            close();
            top = -1;
            from = bytes;
            to = 0;
        }
        if (top < 0)
            top = y;
        lastInk = y;
        from = std::min(from, first);
        to = std::max(to, last);
    }
    if (top >= 0)
        close();
    return bands;
}

bool Draw_In_Bands(QPainter &painter, const QImage &bitmap, const QRectF &target)
{
    if (!target.isValid() || !oneBitOnWhite(bitmap))
        return false;
    const std::vector<QRect> bands = Ink_Bands(bitmap);
    qint64 kept = 0;
    for (const QRect &band : bands)
        kept += qint64(band.width()) * band.height();
    if (kept * 10 > qint64(bitmap.width()) * bitmap.height() * 9)
        return false;
    std::vector<QImage> parts;
    for (const QRect &band : bands) {
        parts.push_back(bandOf(bitmap, band));
        if (parts.back().isNull())
            return false;
    }
    const double sx = target.width() / bitmap.width(), sy = target.height() / bitmap.height();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(target, Qt::white);
    for (size_t i = 0; i < bands.size(); ++i) {
        const QRect &band = bands[i];
        painter.drawImage(QRectF(target.x() + band.x() * sx, target.y() + band.y() * sy, band.width() * sx,
                                 band.height() * sy),
                          parts[i]);
    }
    painter.restore();
    return true;
}

} // namespace paperbands
