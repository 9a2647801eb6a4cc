#include "platform/ColorWell.h"

#include "platform/Dialogs.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

ColorWell::ColorWell(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(36, 20);
    setCursor(Qt::PointingHandCursor);
}

void ColorWell::setColor(const QColor &c)
{
    m_color = c;
    update();
}

void ColorWell::chooseColor(const QColor &c)
{
    if (!c.isValid())
        return;
    setColor(c);
    emit colorChanged(c);
}

void ColorWell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(2, 2, -2, -2);
    // A checkerboard under the colour shows its transparency.
    const int cell = 5;
    for (int y = r.top(); y <= r.bottom(); y += cell)
        for (int x = r.left(); x <= r.right(); x += cell)
            p.fillRect(QRect(x, y, cell, cell).intersected(r),
                       (((x - r.left()) / cell + (y - r.top()) / cell) % 2) ? QColor(200, 200, 200) : Qt::white);
    p.fillRect(r, m_color);
    p.setPen(isEnabled() ? palette().color(QPalette::Dark) : palette().color(QPalette::Midlight));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!isEnabled())
        p.fillRect(r, QColor(255, 255, 255, 140));
}

void ColorWell::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled() || !rect().contains(event->position().toPoint()))
        return;
    const QColor chosen = platform::chooseColor(m_color);
    if (chosen.isValid())
        chooseColor(chosen);
}

} // namespace platform
