#include "platform/ScaledImageGeometry.h"

#include <algorithm>

namespace platform {

QSizeF imageRatio(const QRectF &drawing, const QSizeF &picture, ImageScaling scaling)
{
    const double rx = drawing.width() / picture.width();
    const double ry = drawing.height() / picture.height();
    switch (scaling) {
    case ImageScaling::ProportionallyDown: {
        // Compared in single precision, as the factors are stored.
        const float r = std::min({float(rx), float(ry), 1.0f});
        return {double(r), double(r)};
    }
    case ImageScaling::AxesIndependently:
        return {rx, ry};
    case ImageScaling::ProportionallyUpOrDown: {
        const float r = std::min(float(rx), float(ry));
        return {double(r), double(r)};
    }
    case ImageScaling::None:
        break;
    }
    return {1.0, 1.0};
}

QRectF scaledImageRect(const QRectF &drawing, const QSizeF &picture, ImageScaling scaling,
                       ImageAlignment alignment)
{
    if (picture.width() < 1.0 || picture.height() < 1.0)
        return {};
    const QSizeF ratio = imageRatio(drawing, picture, scaling);
    const double w = picture.width() * ratio.width();
    const double h = picture.height() * ratio.height();
    const double midX = (drawing.width() - w) / 2;
    const double midY = (drawing.height() - h) / 2;
    const double right = drawing.width() - w;
    const double top = drawing.height() - h;
    double x = 0;
    double y = 0;
    switch (alignment) {
    case ImageAlignment::Center: x = midX; y = midY; break;
    case ImageAlignment::Top: x = midX; y = top; break;
    case ImageAlignment::TopLeft: x = 0; y = top; break;
    case ImageAlignment::TopRight: x = right; y = top; break;
    case ImageAlignment::Left: x = 0; y = midY; break;
    case ImageAlignment::Bottom: x = midX; y = 0; break;
    case ImageAlignment::BottomLeft: x = 0; y = 0; break;
    case ImageAlignment::BottomRight: x = right; y = 0; break;
    case ImageAlignment::Right: x = right; y = midY; break;
    default:
        // An unknown alignment leaves the rectangle empty: only its origin moves.
        return {drawing.x(), drawing.y(), 0, 0};
    }
    return {x + drawing.x(), y + drawing.y(), w, h};
}

ImageAlignment imageAlignmentFromQt(Qt::Alignment alignment)
{
    const bool left = alignment & Qt::AlignLeft;
    const bool right = alignment & Qt::AlignRight;
    const bool top = alignment & Qt::AlignTop;
    const bool bottom = alignment & Qt::AlignBottom;
    if (top)
        return left ? ImageAlignment::TopLeft : right ? ImageAlignment::TopRight : ImageAlignment::Top;
    if (bottom)
        return left ? ImageAlignment::BottomLeft
                    : right ? ImageAlignment::BottomRight : ImageAlignment::Bottom;
    return left ? ImageAlignment::Left : right ? ImageAlignment::Right : ImageAlignment::Center;
}

QRectF flippedRect(const QRectF &rect, double height)
{
    return {rect.x(), height - rect.y() - rect.height(), rect.width(), rect.height()};
}

} // namespace platform
