#pragma once
// Fill and stroke of a card object's path by its style codes, in card points (y downward). Every
// kind that draws an outline goes through these two, so a code means the same on every object.

#include <QColor>
#include <QLinearGradient>
#include <QRectF>
#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;
class QPainterPath;
class QPen;
class SKTGraphic;

namespace graphicstyle {

// Fills the path by the object's fill type, nothing when the object answers that it draws no fill:
// "G" a gradient across the path's box at the fill angle (90 runs from the top edge to the bottom
// edge; opacity not applied); "H" (shapes only) the hatch colour at the fill opacity under the
// tiled pattern picture; anything else the fill colour at the fill opacity. Non-zero winding.
void fillPath(QPainter &painter, const SKTGraphic &graphic, const QPainterPath &path);

// Strokes the path in the given colour at the object's width with its border style's dashes
// (lengths in points, phase 0) and miter joins; a line takes its cap style, other kinds flat caps.
// Nothing when the object answers that it draws no stroke. A negative width draws a hairline.
void strokePath(QPainter &painter, const SKTGraphic &graphic, const QPainterPath &path, const QColor &color);
// The pen strokePath draws with.
QPen strokePen(const SKTGraphic &graphic, const QColor &color);
// The box of what strokePath paints along the path, mitred corners included; empty when it paints
// nothing or a hairline.
QRectF strokedBounds(const SKTGraphic &graphic, const QPainterPath &path);

// An opacity as stored (a fraction; 1 or more is opaque) made a fraction 0 to 1.
double opacity(float stored);
// The colour with its alpha multiplied by an opacity.
QColor withOpacity(const QColor &color, float stored);

// The hatch pattern picture of a name: Fill_Style_Image/<name>.png in the resource folder, read
// once and kept (any thread may ask); null for a missing file or a name that is not a plain file name.
QImage hatchImage(const QString &name);
// The names of the hatch patterns: the files of Fill_Style_Image in the resource folder without
// their extensions, sorted by their names in character order.
QStringList hatchNames();

// The gradient line through the box's centre at the angle in degrees (90 runs from the top edge
// down), its ends on the box's extreme corners along that direction, so the box shows both colours
// whole; an angle that is not finite counts as 0.
QLinearGradient gradientAcross(const QRectF &box, double angle, const QColor &from, const QColor &to);

} // namespace graphicstyle
