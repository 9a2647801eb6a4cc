#pragma once
// Helpers of the card object tests: a canvas of a given size behind the model's hooks, a
// container that records the changes reported to it, and drawing an object into a picture.

#include "model/SKTGraphic.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace cardtest {

// Installs canvas hooks for one test and takes them away again.
class CanvasScope {
public:
    explicit CanvasScope(const QRectF &canvas = QRectF(0, 0, 300, 200))
    {
        SKTCanvasHooks h;
        h.canvasBounds = [this] { return m_canvas; };
        h.controlNewPoint = [this](const QString &side) {
            sides.push_back(side);
            return QPointF(100 + 10 * int(sides.size()), 50);
        };
        h.setControlPosAndSize = [this](SKTGraphic &) { ++posAndSizeCalls; };
        m_canvas = canvas;
        SKTGraphic::setCanvasHooks(std::move(h));
    }
    ~CanvasScope() { SKTGraphic::setCanvasHooks({}); }
    CanvasScope(const CanvasScope &) = delete;
    CanvasScope &operator=(const CanvasScope &) = delete;

    std::vector<QString> sides;   // one entry per proposed point
    int posAndSizeCalls = 0;

private:
    QRectF m_canvas;
};

struct Change {
    QString key;
    QVariant oldValue, newValue;
};

class RecordingContainer : public SKTGraphicContainer {
public:
    void graphicDidChange(SKTGraphic &, const QString &key, const QVariant &oldValue, const QVariant &newValue) override
    {
        changes.push_back({key, oldValue, newValue});
    }
    QStringList keys() const
    {
        QStringList k;
        for (const Change &c : changes)
            k << c.key;
        return k;
    }
    std::vector<Change> changes;
};

// The object drawn at one pixel per point (scale > 1: more pixels per point) over a background.
inline QImage drawn(const SKTGraphic &g, const QSize &points, const QColor &background = Qt::transparent,
                    double scale = 1.0)
{
    QImage image(QSize(int(points.width() * scale), int(points.height() * scale)), QImage::Format_ARGB32);
    image.fill(background);
    QPainter p(&image);
    p.scale(scale, scale);
    g.drawContentsInView(p, false);
    p.end();
    return image;
}

inline bool painted(const QImage &image, int x, int y) { return qAlpha(image.pixel(x, y)) > 0; }

} // namespace cardtest
