#include "platform/WholePixels.h"

#include <QColor>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace platform {

bool rasterFits(const QSize &pixels)
{
    if (pixels.width() <= 0 || pixels.height() <= 0)
        return true;
    if (pixels.width() > kMaxRasterSide || pixels.height() > kMaxRasterSide)
        return false;
    return qint64(pixels.width()) * qint64(pixels.height()) * 4 <= kMaxRasterBytes;
}

bool paintsWholePixels(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    return painter.deviceTransform().type() <= QTransform::TxScale;
}

bool paintsOnScreen(const QPainter &painter)
{
    return painter.device() && painter.device()->devType() == QInternal::Widget;
}

int modulePixels(double nominal, int count, double available)
{
    if (!(nominal > 0) || count <= 0)
        return 1;
    // Halves round up, a float's error from a half included (7.5 mils at 600 DPI are 4.5 pixels).
    int pixels = std::max(1, int(std::floor(nominal + 0.5 + 1e-6)));
    // A hundredth of a pixel of slack: the available width is itself a product of floats.
    if (double(pixels) * count > available + 0.01 && double(pixels) > nominal)
        pixels = std::max(1, int(std::floor((available + 0.01) / count)));
    return pixels;
}

QRect deviceRect(const QTransform &toDevice, const QRectF &logical)
{
    const QRectF d = toDevice.mapRect(logical);
    const int left = int(std::lround(d.left()));
    const int top = int(std::lround(d.top()));
    const int right = int(std::lround(d.right()));
    const int bottom = int(std::lround(d.bottom()));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace platform
