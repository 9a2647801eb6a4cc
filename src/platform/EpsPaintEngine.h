#pragma once
// An Encapsulated PostScript paint device: the same painting code that draws on screen, into a
// bitmap or into a PDF draws here too. Units are points (72 per inch), origin at the top-left
// corner as everywhere in Qt; the y axis is flipped once, where PostScript is written.
//
// Paths are written as paths, pens as filled outlines, text as glyph outlines (no fonts are
// embedded), bitmaps as hex-encoded image data. PostScript has no transparency: colours with alpha
// are flattened onto white paper, and a bitmap's transparent pixels become a mask.

#include <QByteArray>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QSizeF>
#include <QTransform>

#include <memory>

namespace platform {

class EpsPaintEngine : public QPaintEngine {
public:
    explicit EpsPaintEngine(const QSizeF &points);

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override;
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags = Qt::AutoColor) override;
    void drawTiledPixmap(const QRectF &target, const QPixmap &pixmap, const QPointF &offset) override;
    Type type() const override { return QPaintEngine::User; }

    QByteArray result() const { return m_result; }

private:
    // The painter's transform from logical units to device points (top-left origin).
    QTransform deviceTransform() const;
    void refreshClip();
    // Fills a path given in device points with a brush given in logical units.
    void fillDevicePath(const QPainterPath &devicePath, const QBrush &brush, const QTransform &brushToDevice);
    void fillSolid(const QPainterPath &devicePath, const QColor &color);
    void fillRasterised(const QPainterPath &devicePath, const QBrush &brush, const QTransform &brushToDevice);
    void strokePath(const QPainterPath &logicalPath, const QPen &pen);
    // Draws an image into a device-space parallelogram: unitToDevice maps the unit square (0,0 the
    // image's top-left corner) to device points.
    void writeImage(const QImage &image, const QTransform &unitToDevice, bool smooth);
    void beginClipped();
    void endClipped();
    void writePath(const QPainterPath &devicePath);
    QByteArray point(const QPointF &devicePoint) const;

    QSizeF m_size;
    QByteArray m_body;
    QByteArray m_result;
    bool m_clipDirty = true;
    bool m_clipping = false;
    QPainterPath m_clip;   // device points
};

// Formats a length for PostScript: at most four decimals, no trailing zeros.
QByteArray epsNumber(double value);

} // namespace platform
