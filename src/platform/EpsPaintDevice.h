#pragma once
// An Encapsulated PostScript paint device (see EpsPaintEngine.h for what it writes and how). Units
// are points (72 per inch), origin at the top-left corner.

#include <QByteArray>
#include <QPaintDevice>
#include <QSizeF>

#include <memory>

namespace platform {

class EpsPaintEngine;

class EpsPaintDevice : public QPaintDevice {
public:
    explicit EpsPaintDevice(const QSizeF &points);
    ~EpsPaintDevice() override;

    QPaintEngine *paintEngine() const override;
    // The complete EPS file, available once the painter has ended.
    QByteArray data() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSizeF m_size;
    std::unique_ptr<EpsPaintEngine> m_engine;
};

} // namespace platform
