#include "platform/PictureView.h"

#include <QPainter>
#include <QStyle>

#include <cmath>

namespace platform {

PictureView::PictureView(QWidget *parent) : QWidget(parent) {}

void PictureView::setPicture(const Picture &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

void PictureView::setImageAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize PictureView::sizeHint() const
{
    if (m_picture.isNull())
        return {200, 100};
    return {int(std::ceil(m_picture.size().width())), int(std::ceil(m_picture.size().height()))};
}

void PictureView::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    const QSize size(int(std::ceil(m_picture.size().width())), int(std::ceil(m_picture.size().height())));
    const QRect target = QStyle::alignedRect(Qt::LeftToRight, m_alignment, size, rect());
    p.setRenderHint(QPainter::Antialiasing);
    m_picture.draw(p, QRectF(target.topLeft(), m_picture.size()), true);
}

} // namespace platform
