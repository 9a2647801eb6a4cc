#include "platform/ModuleGrid.h"

#include "platform/RasterImage.h"
#include "platform/WholePixels.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace platform {

QImage indexedCells(const QImage &image)
{
    if (image.isNull())
        return {};
    if (image.format() == QImage::Format_Indexed8)
        return image;
    QImage out(image.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    // Symbols have two colours or a few: the colour of the pixel before, then the table itself,
    // answer almost every pixel; the hash only serves tables past a handful.
    QList<QRgb> table;
    QHash<QRgb, int> index;
    QRgb last = 0;
    int lastIndex = -1;
    for (int y = 0; y < src.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        uchar *line = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = in[x];
            if (lastIndex < 0 || c != last) {
                if (table.size() <= 8) {
                    lastIndex = int(table.indexOf(c));
                } else {
                    const auto it = index.constFind(c);
                    lastIndex = it == index.constEnd() ? -1 : it.value();
                }
                if (lastIndex < 0) {
                    if (table.size() == 256)
                        return {};
                    lastIndex = int(table.size());
                    table.append(c);
                    if (table.size() == 9) {
                        for (int i = 0; i < 9; ++i)
                            index.insert(table.at(i), i);
                    } else if (table.size() > 9) {
                        index.insert(c, lastIndex);
                    }
                }
                last = c;
            }
            line[x] = uchar(lastIndex);
        }
    }
    out.setColorTable(table);
    return out;
}

GridPlacement placeGrid(const ModuleGrid &grid, const QSizeF &pictureSize, const QTransform &toDevice)
{
    GridPlacement placement;
    if (grid.isNull() || pictureSize.isEmpty())
        return placement;
    placement.target = deviceRect(toDevice, QRectF(QPointF(0, 0), pictureSize));
    if (placement.target.isEmpty())
        return placement;
    const double sx = std::abs(toDevice.m11());
    const double sy = std::abs(toDevice.m22());
    const double cellWidth = grid.cellsRect.width() / grid.cells.width();
    const double cellHeight = grid.cellsRect.height() / grid.cells.height();
    const int columns = grid.columns();
    const int rows = grid.rows();
    int mx = modulePixels(cellWidth * sx, columns, placement.target.width());
    int my = modulePixels(cellHeight * sy, rows, placement.target.height());
    if (std::abs(cellWidth - cellHeight) <= 1e-6 * std::max(cellWidth, cellHeight))
        mx = my = std::min(mx, my);
    placement.moduleWidth = mx;
    placement.moduleHeight = my;

    // The symbol (quiet zone aside) keeps its centre, moved onto a whole pixel, and stays inside.
    const QPointF centre = toDevice.map(grid.cellsRect.center());
    auto start = [](double centre, int span, int low, int high) {
        int first = int(std::lround(centre - span / 2.0));
        if (first + span > high)
            first = high - span;
        return std::max(first, low);
    };
    const int left = start(centre.x(), columns * mx, placement.target.left(), placement.target.right() + 1);
    const int top = start(centre.y(), rows * my, placement.target.top(), placement.target.bottom() + 1);
    placement.origin = QPoint(left - grid.quietZone * mx, top - grid.quietZone * my);
    return placement;
}

void rasteriseGrid(QImage &image, const ModuleGrid &grid, const GridPlacement &placement,
                   const std::function<uint(QRgb)> &pixelOf)
{
    if (grid.isNull() || placement.isNull() || image.isNull())
        return;
    const QImage::Format format = image.format();
    const QRect clip = placement.target.intersected(image.rect());
    if (clip.isEmpty())
        return;
    if (grid.surround.isValid())
        raster::fillRect(image, clip, pixelOf(grid.surround.rgba()));

    std::array<uint, 256> lut{};
    for (int i = 0; i < grid.cells.colorCount() && i < 256; ++i)
        lut[size_t(i)] = pixelOf(grid.cells.color(i));
    const int mx = placement.moduleWidth;
    const int my = placement.moduleHeight;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int r = 0; r < grid.cells.height(); ++r) {
        const int y0 = std::max(placement.origin.y() + r * my, clip.top());
        const int y1 = std::min(placement.origin.y() + (r + 1) * my, clip.bottom() + 1);
        if (y1 <= y0)
            continue;
        const uchar *cells = grid.cells.constScanLine(r);
        // Runs of equal cells make one span each.
        auto paintLine = [&](uchar *line) {
            int c = 0;
            const int n = grid.cells.width();
            while (c < n) {
                int e = c + 1;
                while (e < n && cells[e] == cells[c])
                    ++e;
                const int x0 = std::max(placement.origin.x() + c * mx, clip.left());
                const int x1 = std::min(placement.origin.x() + e * mx, clip.right() + 1);
                if (x1 > x0)
                    raster::fillLine(line, format, x0, x1, lut[cells[c]]);
                c = e;
            }
        };
        uchar *first = bits + stride * y0;
        paintLine(first);
        const int x0 = std::max(placement.origin.x(), clip.left());
        const int x1 = std::min(placement.origin.x() + grid.cells.width() * mx, clip.right() + 1);
        for (int y = y0 + 1; y < y1; ++y)
            raster::copyLine(bits + stride * y, first, format, x0, x1);
    }
}

namespace {

// The grid placed as an output at dpi places it, drawn back in the painter's points.
void paintAsOutput(QPainter &painter, const ModuleGrid &grid, const QSizeF &pictureSize, const QTransform &toTarget,
                   double dpi)
{
    const double k = dpi / 72.0;
    const GridPlacement out = placeGrid(grid, pictureSize, toTarget * QTransform::fromScale(k, k));
    if (out.isNull())
        return;
    const QRectF area(QRectF(out.target).topLeft() / k, QRectF(out.target).size() / k);
    const QRectF picture = toTarget.mapRect(QRectF(QPointF(0, 0), pictureSize));
    const QRectF placed(QPointF(out.origin) / k, QSizeF(grid.cells.width() * out.moduleWidth / k,
                                                        grid.cells.height() * out.moduleHeight / k));
    const QRectF cells = placed & picture & area;
    // The picture's rectangle exactly, its edges on whole pixels as those of whatever is painted
    // around it; the surround only around the cells, which replace it: drawn over what lies beneath,
    // a translucent surround under them would give their light modules a second coat.
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (grid.surround.isValid()) {
        QPainterPath around;
        around.addRect(picture);
        around.addRect(cells);
        painter.fillPath(around, grid.surround);
    }
    painter.setClipRect(cells, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(placed, grid.cells);
}

} // namespace

void paintGrid(QPainter &painter, const ModuleGrid &grid, const QSizeF &pictureSize, const QRectF &target,
               double outputDpi)
{
    if (grid.isNull() || pictureSize.isEmpty() || target.isEmpty())
        return;
    QTransform toTarget = QTransform::fromTranslate(target.x(), target.y());
    toTarget.scale(target.width() / pictureSize.width(), target.height() / pictureSize.height());
    painter.save();
    if (outputDpi > 0 && paintsOnScreen(painter)) {
        paintAsOutput(painter, grid, pictureSize, toTarget, outputDpi);
    } else if (paintsWholePixels(painter)) {
        const QTransform toDevice = toTarget * painter.deviceTransform();
        GridPlacement placement = placeGrid(grid, pictureSize, toDevice);
        if (!placement.isNull()) {
            QRect area = placement.target;
            if (!grid.surround.isValid())
                area &= QRect(placement.origin, QSize(grid.cells.width() * placement.moduleWidth,
                                                      grid.cells.height() * placement.moduleHeight));
            if (!area.isEmpty()) {
                QImage pixels(area.size(), QImage::Format_ARGB32_Premultiplied);
                if (!pixels.isNull()) {
                    GridPlacement local = placement;
                    local.target.translate(-area.topLeft());
                    local.origin -= area.topLeft();
                    rasteriseGrid(pixels, grid, local, [](QRgb c) { return uint(qPremultiply(c)); });
                    painter.resetTransform();
                    const QTransform rest = painter.deviceTransform();
                    if (rest.type() <= QTransform::TxTranslate) {
                        // One device pixel per image pixel: a plain copy.
                        painter.drawImage(area.topLeft() - QPoint(int(std::lround(rest.dx())), int(std::lround(rest.dy()))), pixels);
                    } else {
                        // A device scale the painter applies by itself (high-density screens): the
                        // same pixels mapped back, which it scales up exactly.
                        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
                        painter.drawImage(rest.inverted().mapRect(QRectF(area)), pixels);
                    }
                }
            }
        }
    } else {
        painter.setClipRect(target, Qt::IntersectClip);
        if (grid.surround.isValid())
            painter.fillRect(target, grid.surround);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(toTarget.mapRect(grid.cellsRect), grid.cells);
    }
    painter.restore();
}

} // namespace platform
