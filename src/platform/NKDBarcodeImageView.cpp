#include "platform/NKDBarcodeImageView.h"

#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

NKDBarcodeImageView::NKDBarcodeImageView(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(false);
}

void NKDBarcodeImageView::setImage(const platform::Picture &image)
{
    m_image = image;
    update();
}

QRectF NKDBarcodeImageView::imageRect() const
{
    const QSizeF size = m_image.size();
    if (m_image.isNull() || size.isEmpty())
        return {};
    const double scale = std::min({1.0, width() / size.width(), height() / size.height()});
    const QSizeF shown = size * scale;
    return {QPointF((width() - shown.width()) / 2.0, (height() - shown.height()) / 2.0), shown};
}

QSize NKDBarcodeImageView::sizeHint() const
{
    return m_image.isNull() ? QSize(100, 100) : m_image.size().toSize();
}

void NKDBarcodeImageView::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    m_image.draw(p, imageRect(), true);
}

void NKDBarcodeImageView::mousePressEvent(QMouseEvent *event)
{
    // Clicking only focuses the view: no drag, no selection.
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void NKDBarcodeImageView::dragEnterEvent(QDragEnterEvent *event)
{
    event->ignore();
}
