#include "platform/EpsPaintDevice.h"
#include "platform/Picture.h"

#include <QPainter>

namespace platform {

QByteArray Picture::epsData() const
{
    if (isNull() || m_size.width() <= 0 || m_size.height() <= 0)
        return {};
    EpsPaintDevice device(m_size);
    QPainter painter(&device);
    if (!painter.isActive())
        return {};
    if (m_paint) {
        (*m_paint)(painter);
    } else {
        draw(painter, QRectF(QPointF(0, 0), m_size));
    }
    painter.end();
    return device.data();
}

} // namespace platform
