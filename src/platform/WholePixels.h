#pragma once
// Modules (bars, spaces, 2D cells) on whole device pixels. Scanners read the ratio of bar widths, so
// a symbol rasterised with anti-aliased edges or with modules alternating between n and n + 1 pixels
// reads badly: when a symbol is painted onto pixels every module takes the same whole number of
// them, the symbol starts on a pixel boundary and nothing is blended. Vector devices (PDF, EPS) keep
// the exact geometry.

#include <QRect>
#include <QSize>
#include <QTransform>

class QColor;
class QPainter;

namespace platform {

// The largest raster made for a picture: a side of 20,000 pixels and 200 MB at four bytes a pixel.
constexpr int kMaxRasterSide = 20000;
constexpr qint64 kMaxRasterBytes = 200LL * 1000 * 1000;
// Whether a raster of that size stays within both limits (an empty size does).
bool rasterFits(const QSize &pixels);

// Whether the painter paints pixels (a raster engine: images, widgets) through a transform that
// keeps the axes (translation and scale only).
bool paintsWholePixels(const QPainter &painter);
// Whether the painter paints a window on screen (a widget, or its grab).
bool paintsOnScreen(const QPainter &painter);

// Pixels per module: the nominal width in pixels rounded to the nearest whole pixel, at least one;
// rounded down instead when count modules of the rounded width would not fit into available pixels.
int modulePixels(double nominal, int count, double available);

// The whole device pixels a rectangle of the painter's logical coordinates covers, edges rounded.
QRect deviceRect(const QTransform &toDevice, const QRectF &logical);

} // namespace platform
