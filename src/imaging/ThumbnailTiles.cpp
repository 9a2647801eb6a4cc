#include "imaging/ThumbnailTiles.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace thumbnailtiles {

namespace {

QImage blankTile(int side)
{
    QImage image(std::max(1, side), std::max(1, side), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A rounded card a little inside the tile, the ground of both tiles.
void card(QPainter &p, int side, const QColor &fill, const QColor &edge)
{
    const double inset = std::max(1.0, side * 0.04);
    p.setPen(QPen(edge, std::max(1.0, side / 64.0)));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(inset, inset, side - 2 * inset, side - 2 * inset), side * 0.06, side * 0.06);
}

} // namespace

QImage placeholder(int side)
{
    QImage image = blankTile(side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    card(p, image.width(), QColor(236, 236, 236), QColor(214, 214, 214));
    return image;
}

QImage broken(int side)
{
    QImage image = blankTile(side);
    const double s = image.width();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    card(p, int(s), QColor(244, 244, 244), QColor(190, 190, 190));

    // A small landscape picture: a frame, a sun and two hills.
    const QRectF frame(s * 0.22, s * 0.26, s * 0.56, s * 0.44);
    p.setPen(QPen(QColor(150, 150, 150), std::max(1.0, s / 48.0)));
    p.setBrush(QColor(226, 226, 226));
    p.drawRect(frame);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(175, 175, 175));
    p.drawEllipse(QPointF(frame.left() + frame.width() * 0.72, frame.top() + frame.height() * 0.3), s * 0.05, s * 0.05);
    QPolygonF hills;
    hills << QPointF(frame.left(), frame.bottom()) << QPointF(frame.left() + frame.width() * 0.35, frame.top() + frame.height() * 0.45)
          << QPointF(frame.left() + frame.width() * 0.55, frame.top() + frame.height() * 0.7)
          << QPointF(frame.left() + frame.width() * 0.75, frame.top() + frame.height() * 0.55) << frame.bottomRight();
    p.drawPolygon(hills);

    // Torn across by a zigzag in the ground's colour, with a red cross beneath.
    QPainterPath tear;
    tear.moveTo(frame.left() + frame.width() * 0.45, frame.top() - s * 0.02);
    const double step = frame.height() / 4.0;
    for (int i = 1; i <= 4; ++i)
        tear.lineTo(frame.left() + frame.width() * (i % 2 ? 0.58 : 0.45), frame.top() + step * i);
    tear.lineTo(frame.left() + frame.width() * 0.5, frame.bottom() + s * 0.02);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(244, 244, 244), std::max(2.0, s / 24.0)));
    p.drawPath(tear);
    const QPointF c(s * 0.5, s * 0.82);
    const double r = s * 0.05;
    p.setPen(QPen(QColor(200, 40, 40), std::max(1.5, s / 36.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
    return image;
}

} // namespace thumbnailtiles
