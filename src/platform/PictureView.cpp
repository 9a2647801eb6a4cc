#include "platform/PictureView.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

#include <cmath>

namespace platform {

PictureView::PictureView(QWidget *parent) : QWidget(parent) {}

void PictureView::setPicture(const Picture &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
    emit imageGeometryChanged();
}

void PictureView::setImageAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
    emit imageGeometryChanged();
}

void PictureView::setImageScaling(ImageScaling scaling)
{
    m_scaling = scaling;
    update();
    emit imageGeometryChanged();
}

QRectF PictureView::drawingRect() const
{
    return flippedRect(QRectF(contentsRect()), height());
}

QSizeF PictureView::imageRatio() const
{
    const QSizeF size = m_picture.isNull() ? QSizeF() : m_picture.size();
    return platform::imageRatio(drawingRect(), size, m_scaling);
}

QRectF PictureView::scaledImageRect() const
{
    const QSizeF size = m_picture.isNull() ? QSizeF() : m_picture.size();
    return platform::scaledImageRect(drawingRect(), size, m_scaling, imageAlignmentFromQt(m_alignment));
}

Qt::DropAction PictureView::dragOperation(const QMimeData *data, Qt::DropActions possible)
{
    if (data && data->hasUrls() && (possible & Qt::CopyAction))
        return Qt::CopyAction;
    return Qt::IgnoreAction;
}

QSize PictureView::sizeHint() const
{
    if (m_picture.isNull())
        return {200, 100};
    return {int(std::ceil(m_picture.size().width())), int(std::ceil(m_picture.size().height()))};
}

void PictureView::paintEvent(QPaintEvent *)
{
    const QRectF shown = scaledImageRect();
    if (m_picture.isNull() || shown.isEmpty())
        return;
    QPainter p(this);
    QRectF target = flippedRect(shown, height());
    // Unscaled pictures start on a whole pixel so that raster pictures stay crisp.
    if (m_scaling == ImageScaling::None)
        target.moveTopLeft(QPointF(std::floor(target.x()), std::floor(target.y())));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform, m_scaling != ImageScaling::None);
    m_picture.draw(p, target, true);
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit imageGeometryChanged();
}

void PictureView::dragEnterEvent(QDragEnterEvent *event)
{
    const Qt::DropAction action = dragOperation(event->mimeData(), event->possibleActions());
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

} // namespace platform
