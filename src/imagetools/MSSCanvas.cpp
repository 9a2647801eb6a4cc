#include "imagetools/MSSCanvas.h"

#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"

#include <QMouseEvent>
#include <QPainter>

MSSCanvas::MSSCanvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
}

QPointF MSSCanvas::canvasPoint(const QPointF &widgetPos) const
{
    return {widgetPos.x(), height() - widgetPos.y()};
}

void MSSCanvas::paintEvent(QPaintEvent *)
{
    if (!m_delegate)
        return;
    QPainter p(this);
    // The one flip from canvas points (y up) to the widget's pixels.
    p.translate(0, height());
    p.scale(1, -1);
    for (MSSSelector *selector : m_delegate->selectors())
        selector->drawPath(p);
    if (MSSSelector *current = m_delegate->currentSelector())
        current->drawPath(p);
}

void MSSCanvas::mousePressEvent(QMouseEvent *event)
{
    if (m_delegate && event->button() == Qt::LeftButton)
        m_delegate->mouseDown(canvasPoint(event->position()), event->modifiers());
}

void MSSCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_delegate)
        return;
    if (event->buttons() & Qt::LeftButton)
        m_delegate->mouseDragged(canvasPoint(event->position()));
    else
        m_delegate->mouseMoved(canvasPoint(event->position()));
}

void MSSCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_delegate && event->button() == Qt::LeftButton)
        m_delegate->mouseUp(canvasPoint(event->position()));
}

void MSSCanvas::keyPressEvent(QKeyEvent *event)
{
    if (!m_delegate || !m_delegate->keyDown(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}
