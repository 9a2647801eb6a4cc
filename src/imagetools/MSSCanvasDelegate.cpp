#include "imagetools/MSSCanvasDelegate.h"

QRectF MSSCanvasDelegate::defaultRectForFrame(const QRectF &frame)
{
    double x = frame.x(), y = frame.y(), w = frame.width(), h = frame.height();
    if (w < 0) {
        x += w;
        w = -w;
    }
    if (h < 0) {
        y += h;
        h = -h;
    }
    return {x, y, w, h};
}
