#include "platform/EpsPaintDevice.h"

#include "platform/EpsPaintEngine.h"

#include <climits>
#include <cmath>

namespace platform {

EpsPaintDevice::EpsPaintDevice(const QSizeF &points)
    : m_size(points), m_engine(std::make_unique<EpsPaintEngine>(points))
{
}

EpsPaintDevice::~EpsPaintDevice() = default;

QPaintEngine *EpsPaintDevice::paintEngine() const
{
    return m_engine.get();
}

QByteArray EpsPaintDevice::data() const
{
    return m_engine->result();
}

int EpsPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return int(std::ceil(m_size.width()));
    case PdmHeight:
        return int(std::ceil(m_size.height()));
    case PdmWidthMM:
        return int(std::lround(m_size.width() * 25.4 / 72.0));
    case PdmHeightMM:
        return int(std::lround(m_size.height() * 25.4 / 72.0));
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 72;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace platform
