#pragma once
// A picture with a size in points (72 per inch) holding a vector recording (a painting routine
// replayed at any resolution), a bitmap, or a 2D symbol's grid of modules (which keeps its modules
// whole and uniform wherever it is put on pixels). Copies share their content; pictures are
// immutable once made, so any thread may rasterise them.

#include "platform/ModuleGrid.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <memory>

class QPainter;

namespace platform {

class Picture {
public:
    // Paints the picture into a painter whose unit is one point, origin at the top-left corner.
    using PaintRoutine = std::function<void(QPainter &)>;
    // Makes the whole picture at a resolution straight into the image it will be written as (its
    // pixel size given), or answers a null image to leave it to the painting routine.
    using RasterRoutine = std::function<QImage(const QSize &pixels, double dpi)>;

    Picture() = default;   // the null picture
    // A vector picture of the given size; the routine must own (capture by value) what it paints.
    // raster, when given, makes its bitmaps faster than painting would (and must match it).
    static Picture record(const QSizeF &points, PaintRoutine paint, RasterRoutine raster = {});
    // A bitmap picture of the given size in points.
    static Picture fromImage(const QImage &image, const QSizeF &points);
    // A bitmap picture whose size in points follows from the image's resolution (72 DPI when it has none).
    static Picture fromImage(const QImage &image);
    // A module grid of the given size in points (see ModuleGrid); null when the grid is. bitmap is
    // what image() answers (by default the cells themselves, one pixel per module).
    static Picture fromModules(const ModuleGrid &grid, const QSizeF &points, const QImage &bitmap = QImage());

    bool isNull() const { return !m_paint && !m_grid && m_image.isNull(); }
    bool isVector() const { return bool(m_paint); }
    QSizeF size() const { return m_size; }
    // The bitmap of a bitmap picture (null for a vector one); for a module grid its bitmap form.
    const QImage &image() const { return m_image; }
    // The module grid of a 2D symbol's picture, or nullptr.
    const ModuleGrid *moduleGrid() const { return m_grid.get(); }

    // Draws the picture scaled into target (painter units). smooth: filter bitmaps when scaling.
    void draw(QPainter &painter, const QRectF &target, bool smooth = false) const;
    // The same picture shown on screen as output at dpi makes it (see paintGrid), without making
    // that bitmap: a module grid's quick preview then has the size it prints at. Other pictures
    // are returned as they are.
    Picture shownAsOutputAt(double dpi) const;
    // Rasterises at dpi: ceil(dpi x points / 72) pixels each way (quotients in double, converted to
    // float before the ceiling), transparent where nothing is painted, nearest neighbour for bitmaps,
    // modules on whole pixels, the resolution (dpi exactly) recorded in the image. The format is the
    // leanest that holds the content: one bit, palette or grey for module grids, palette and grey
    // bitmaps and recordings with a raster routine, premultiplied ARGB otherwise. Null beyond
    // rasterFits(). A premultiplied ARGB result is painted into a buffer of the raster pool
    // (platform/RasterImage.h): a thread that makes many such bitmaps and lets each go before the
    // next reuses the same memory instead of taking megabytes from the heap for each.
    QImage toImage(double dpi) const;
    // The picture as a bitmap rasterised at dpi, with the same size in points; a module grid stays
    // one, with that bitmap as its image(). Null for a null or empty picture or a bitmap that cannot
    // be allocated.
    Picture raisedTo(double dpi) const;
    // The pixel size toImage(dpi) makes.
    static QSize pixelSize(const QSizeF &points, double dpi);

    // One PDF page of the picture's size, vector content kept as vectors.
    QByteArray pdfData() const;
    // Encapsulated PostScript with a %%BoundingBox of the picture's size.
    QByteArray epsData() const;

private:
    QSizeF m_size;
    std::shared_ptr<const PaintRoutine> m_paint;
    std::shared_ptr<const RasterRoutine> m_raster;
    std::shared_ptr<const ModuleGrid> m_grid;
    QImage m_image;
    double m_shownDpi = 0;   // a module grid's output resolution when no raised bitmap tells it
};

} // namespace platform
