#include "platform/Picture.h"

#include "platform/RasterImage.h"
#include "platform/WholePixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// The grid at that pixel size in the leanest format that holds its colours: one bit for two opaque
// colours, a palette for more (with a clear entry where the grid leaves pixels unpainted).
QImage gridImage(const ModuleGrid &grid, const QSizeF &points, const QSize &px)
{
    const QTransform toDevice = QTransform::fromScale(px.width() / points.width(), px.height() / points.height());
    const GridPlacement placement = placeGrid(grid, points, toDevice);
    if (placement.isNull())
        return {};
    QList<QRgb> colours = grid.cells.colorTable();
    if (grid.surround.isValid())
        colours.prepend(grid.surround.rgba());
    const QRect image(QPoint(0, 0), px);
    const QRect cells(placement.origin, QSize(grid.cells.width() * placement.moduleWidth,
                                              grid.cells.height() * placement.moduleHeight));
    const bool covered = grid.surround.isValid() ? placement.target.contains(image) : cells.intersected(placement.target).contains(image);
    if (!covered)
        colours.prepend(qRgba(0, 0, 0, 0));
    QList<QRgb> table = raster::distinctColours(colours, 256);
    if (table.isEmpty())
        return {};
    const bool opaque = std::all_of(table.cbegin(), table.cend(), [](QRgb c) { return qAlpha(c) == 255; });
    const QImage::Format format = opaque && table.size() <= 2 ? QImage::Format_Mono : QImage::Format_Indexed8;
    if (format == QImage::Format_Mono && table.size() == 1)
        table.append(table.first());
    QImage out = raster::pooledImage(px, format);
    if (out.isNull())
        return {};
    out.setColorTable(table);
    if (!covered)
        raster::fillRect(out, out.rect(), 0);
    rasteriseGrid(out, grid, placement, [&table](QRgb c) { return uint(std::max<qsizetype>(table.indexOf(c), 0)); });
    return out;
}

// A palette or grey bitmap enlarged (or reduced) nearest neighbour into the same form, each target
// pixel taking the source pixel under its centre: symbol bitmaps stay one byte (or, written, one
// bit) a pixel instead of becoming 32-bit.
QImage scaledNearest(const QImage &bitmap, const QSize &px)
{
    const QImage src = bitmap.format() == QImage::Format_Grayscale8 || bitmap.format() == QImage::Format_Indexed8
                           ? bitmap
                           : bitmap.convertToFormat(QImage::Format_Indexed8);
    if (src.isNull() || (src.format() == QImage::Format_Indexed8 && src.colorCount() == 0))
        return {};
    QImage out = raster::pooledImage(px, src.format());
    if (out.isNull())
        return {};
    if (src.format() == QImage::Format_Indexed8)
        out.setColorTable(src.colorTable());
    std::vector<int> column(size_t(px.width()));
    for (int x = 0; x < px.width(); ++x)
        column[size_t(x)] = std::min(src.width() - 1, int((x + 0.5) * src.width() / px.width()));
    int previous = -1;
    for (int y = 0; y < px.height(); ++y) {
        const int sy = std::min(src.height() - 1, int((y + 0.5) * src.height() / px.height()));
        uchar *line = out.scanLine(y);
        if (sy == previous) {
            std::memcpy(line, out.constScanLine(y - 1), size_t(px.width()));
            continue;
        }
        const uchar *in = src.constScanLine(sy);
        for (int x = 0; x < px.width(); ++x)
            line[x] = in[column[size_t(x)]];
        previous = sy;
    }
    return out;
}

void setResolution(QImage &image, double dpi)
{
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
}

} // namespace

Picture Picture::record(const QSizeF &points, PaintRoutine paint, RasterRoutine raster)
{
    Picture p;
    p.m_size = points;
    if (paint)
        p.m_paint = std::make_shared<const PaintRoutine>(std::move(paint));
    if (p.m_paint && raster)
        p.m_raster = std::make_shared<const RasterRoutine>(std::move(raster));
    return p;
}

Picture Picture::fromModules(const ModuleGrid &grid, const QSizeF &points, const QImage &bitmap)
{
    ModuleGrid g = grid;
    g.cells = indexedCells(grid.cells);
    if (g.isNull() || points.isEmpty())
        return {};
    Picture p;
    p.m_size = points;
    p.m_grid = std::make_shared<const ModuleGrid>(std::move(g));
    p.m_image = bitmap.isNull() ? grid.cells : bitmap;
    return p;
}

Picture Picture::fromImage(const QImage &image, const QSizeF &points)
{
    Picture p;
    p.m_image = image;
    p.m_size = points;
    return p;
}

Picture Picture::fromImage(const QImage &image)
{
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 72 / 0.0254;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 72 / 0.0254;
    return fromImage(image, QSizeF(image.width() * 72.0 / (dpmX * 0.0254), image.height() * 72.0 / (dpmY * 0.0254)));
}

void Picture::draw(QPainter &painter, const QRectF &target, bool smooth) const
{
    if (isNull() || m_size.width() <= 0 || m_size.height() <= 0)
        return;
    painter.save();
    if (m_paint) {
        painter.translate(target.topLeft());
        painter.scale(target.width() / m_size.width(), target.height() / m_size.height());
        painter.setClipRect(QRectF(QPointF(0, 0), m_size), Qt::IntersectClip);
        (*m_paint)(painter);
    } else if (m_grid) {
        // A symbol raised for output (its bitmap the whole picture at a resolution), or a quick
        // preview told that resolution, shows on screen at the size that output gives it.
        double outputDpi = m_image.isNull() ? 0.0 : m_image.dotsPerMeterX() * 0.0254;
        if (!(outputDpi > 0) || m_image.size() != pixelSize(m_size, std::round(outputDpi)))
            outputDpi = m_shownDpi;
        paintGrid(painter, *m_grid, m_size, target, std::round(outputDpi));
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        painter.drawImage(target, m_image);
    }
    painter.restore();
}

Picture Picture::shownAsOutputAt(double dpi) const
{
    Picture shown = *this;
    if (m_grid && dpi > 0)
        shown.m_shownDpi = dpi;
    return shown;
}

QSize Picture::pixelSize(const QSizeF &points, double dpi)
{
    const float w = float(dpi * points.width() / 72.0);
    const float h = float(dpi * points.height() / 72.0);
    return {int(std::ceil(w)), int(std::ceil(h))};
}

QImage Picture::toImage(double dpi) const
{
    if (isNull() || dpi <= 0)
        return {};
    const QSize px = pixelSize(m_size, dpi);
    if (px.isEmpty() || !rasterFits(px))
        return {};
    QImage made;
    if (m_raster)
        made = (*m_raster)(px, dpi);
    else if (m_grid)
        made = gridImage(*m_grid, m_size, px);
    else if (!m_paint && (m_image.format() == QImage::Format_Mono || m_image.format() == QImage::Format_MonoLSB
                          || m_image.format() == QImage::Format_Indexed8 || m_image.format() == QImage::Format_Grayscale8))
        made = scaledNearest(m_image, px);
    if (!made.isNull()) {
        setResolution(made, dpi);
        return made;
    }
    QImage out = raster::pooledImage(px, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};   // too large to allocate
    out.fill(Qt::transparent);
    // Fonts in points must render as at 72 DPI before the painter scales up.
    out.setDotsPerMeterX(2835);
    out.setDotsPerMeterY(2835);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (m_paint) {
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.scale(px.width() / m_size.width(), px.height() / m_size.height());
            (*m_paint)(p);
        } else if (m_grid) {
            paintGrid(p, *m_grid, m_size, QRectF(QPointF(0, 0), QSizeF(px)));
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform, false);   // nearest neighbour
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(px)), m_image);
        }
    }
    setResolution(out, dpi);
    return out;
}

Picture Picture::raisedTo(double dpi) const
{
    if (isNull() || m_size.isEmpty())
        return {};
    const QImage bitmap = toImage(dpi);
    if (bitmap.isNull())
        return {};
    if (m_grid) {
        Picture raised = *this;
        raised.m_image = bitmap;
        return raised;
    }
    return fromImage(bitmap, m_size);
}

} // namespace platform
