#pragma once
// A picture with a size in points (72 per inch) holding either a vector recording (a painting
// routine replayed at any resolution) or a bitmap. Copies share their content; pictures are
// immutable once made, so any thread may rasterise them.

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

    Picture() = default;   // the null picture
    // A vector picture of the given size; the routine must own (capture by value) what it paints.
    static Picture record(const QSizeF &points, PaintRoutine paint);
    // A bitmap picture of the given size in points.
    static Picture fromImage(const QImage &image, const QSizeF &points);
    // A bitmap picture whose size in points follows from the image's resolution (72 DPI when it has none).
    static Picture fromImage(const QImage &image);

    bool isNull() const { return !m_paint && m_image.isNull(); }
    bool isVector() const { return bool(m_paint); }
    QSizeF size() const { return m_size; }
    // The bitmap of a bitmap picture (null for a vector one).
    const QImage &image() const { return m_image; }

    // Draws the picture scaled into target (painter units). smooth: filter bitmaps when scaling.
    void draw(QPainter &painter, const QRectF &target, bool smooth = false) const;
    // Rasterises at dpi: ceil(dpi x points / 72) pixels each way (quotients in double, converted to
    // float before the ceiling), premultiplied ARGB, transparent where nothing is painted, nearest
    // neighbour for bitmaps, the resolution recorded in the image.
    QImage toImage(double dpi) const;
    // The picture as a bitmap rasterised at dpi, with the same size in points; null for a null or
    // empty picture or a bitmap that cannot be allocated.
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
    QImage m_image;
};

} // namespace platform
