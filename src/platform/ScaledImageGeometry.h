#pragma once
// Where an image view draws its picture, computed in the view's own y-up coordinates ("top" is the
// larger y) so that a selection drawn over the picture can keep the same arithmetic; callers flip
// once, where painting starts.

#include <QRectF>
#include <QSizeF>

namespace platform {

// How a picture is fitted into the drawing rectangle; the numbers are stored and compared.
enum class ImageScaling : int {
    ProportionallyDown = 0,
    AxesIndependently = 1,
    None = 2,
    ProportionallyUpOrDown = 3,
};

// Where the fitted picture sits inside the drawing rectangle.
enum class ImageAlignment : int {
    Center = 0,
    Top = 1,
    TopLeft = 2,
    TopRight = 3,
    Left = 4,
    Bottom = 5,
    BottomLeft = 6,
    BottomRight = 7,
    Right = 8,
};

// Horizontal and vertical factors from picture points to displayed points. `drawing` is the view's
// drawing rectangle, `picture` the picture's size in points.
QSizeF imageRatio(const QRectF &drawing, const QSizeF &picture, ImageScaling scaling);

// The rectangle the picture is drawn in, y up; the zero rectangle for a picture under one point
// on either axis (no picture at all counts as 0 by 0) or an unknown alignment.
QRectF scaledImageRect(const QRectF &drawing, const QSizeF &picture, ImageScaling scaling,
                       ImageAlignment alignment);

// The numbered alignment that a Qt alignment means; a missing axis is centred.
ImageAlignment imageAlignmentFromQt(Qt::Alignment alignment);

// A y-up rectangle of a widget `height` points tall, in the widget's y-down coordinates.
QRectF flippedRect(const QRectF &rect, double height);

} // namespace platform
