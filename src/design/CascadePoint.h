#pragma once
// Where the next new object goes: each one a step right and down from the last, wrapping back near
// the left (or top) edge with a growing offset when it would leave the canvas.

#include <QPointF>
#include <QSizeF>
#include <QString>

struct CascadeState {
    float x = 10.0f;         // the last cascade position, in points
    float y = 10.0f;
    float xOffset = 2.0f;    // the offset of the next wrap of each axis
    float yOffset = 2.0f;
};

// The next position on a card side ("F" the front) of a canvas, the state moved on to it. The step
// is 20 points, or the number of objects on the front side when that is larger. A canvas size or a
// state that is not a finite number throws std::invalid_argument and leaves the state as it was.
QPointF Cascade_Next_Point(CascadeState &state, const QString &cardSide, int frontObjectCount, const QSizeF &canvas);
