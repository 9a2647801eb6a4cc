#include "platform/Ruler.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace platform {

namespace {
constexpr int kThickness = 18;
constexpr double kMinLabelSpacing = 48;   // pixels between numbered ticks at least
} // namespace

Ruler::Ruler(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setOrientation(Qt::Horizontal);
}

void Ruler::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    if (orientation == Qt::Horizontal) {
        setMinimumSize(0, kThickness);
        setMaximumSize(QWIDGETSIZE_MAX, kThickness);
    } else {
        setMinimumSize(kThickness, 0);
        setMaximumSize(kThickness, QWIDGETSIZE_MAX);
    }
    update();
}

void Ruler::setOriginOffset(double pixels)
{
    if (!std::isfinite(pixels) || pixels == m_origin)
        return;
    m_origin = pixels;
    update();
}

void Ruler::setScale(double pixelsPerPoint)
{
    if (!std::isfinite(pixelsPerPoint) || pixelsPerPoint <= 0 || pixelsPerPoint == m_scale)
        return;
    m_scale = pixelsPerPoint;
    update();
}

void Ruler::moveRulerlineFromLocation(double from, double to)
{
    if (from >= 0) {
        int nearest = -1;
        for (int i = 0; i < m_markers.size(); ++i)
            if (std::abs(m_markers.at(i) - from) <= 0.5 &&
                (nearest < 0 || std::abs(m_markers.at(i) - from) < std::abs(m_markers.at(nearest) - from)))
                nearest = i;
        if (nearest < 0)
            return;
        m_markers.removeAt(nearest);
    }
    if (to >= 0 && std::isfinite(to))
        m_markers.append(to);
    update();
}

double Ruler::labelStep() const
{
    // 1, 2, 5 times a power of ten, the smallest whose ticks stand far enough apart.
    const double pixelsPerUnit = m_pointsPerUnit * m_scale;
    for (double decade = 0.01; decade < 1e7; decade *= 10)
        for (double m : {1.0, 2.0, 5.0})
            if (m * decade * pixelsPerUnit >= kMinLabelSpacing)
                return m * decade;
    return 1e7;
}

namespace {
QFont labelFont(QFont font)
{
    font.setPointSizeF(7);
    return font;
}
} // namespace

QList<Ruler::NumberLabel> Ruler::numberLabels() const
{
    QList<NumberLabel> out;
    const int length = m_orientation == Qt::Horizontal ? width() : height();
    const double step = labelStep();
    const double pixelsPerStep = step * m_pointsPerUnit * m_scale;
    const QFontMetricsF metrics(labelFont(font()));
    const double firstStep = std::floor(-m_origin / pixelsPerStep);
    const double lastStep = std::ceil((length - m_origin) / pixelsPerStep);
    for (double k = firstStep; k <= lastStep; ++k) {
        const double at = m_origin + k * pixelsPerStep;
        NumberLabel label;
        label.text = QString::number(k * step, 'g', 6);
        label.from = at + 2;
        label.to = label.from + metrics.horizontalAdvance(label.text);
        if (at >= 0 && label.to <= length)
            out.append(label);
    }
    return out;
}

QSize Ruler::sizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(100, kThickness) : QSize(kThickness, 100);
}

void Ruler::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QColor ink = palette().color(QPalette::ButtonText);
    painter.setPen(ink);
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    const int depth = horizontal ? height() : width();
    painter.drawLine(horizontal ? QLine(0, depth - 1, length, depth - 1) : QLine(depth - 1, 0, depth - 1, length));

    const double step = labelStep();
    const double pixelsPerStep = step * m_pointsPerUnit * m_scale;
    const int minorTicks = 10;
    const double firstStep = std::floor(-m_origin / pixelsPerStep);
    const double lastStep = std::ceil((length - m_origin) / pixelsPerStep);
    for (double k = firstStep; k <= lastStep; ++k) {
        for (int t = 0; t < minorTicks; ++t) {
            const double at = m_origin + (k + double(t) / minorTicks) * pixelsPerStep;
            if (at < 0 || at > length)
                continue;
            const int tick = t == 0 ? depth - 2 : (t == minorTicks / 2 ? depth / 2 : depth / 4);
            const int p = int(std::lround(at));
            if (horizontal)
                painter.drawLine(p, depth - 1 - tick, p, depth - 1);
            else
                painter.drawLine(depth - 1 - tick, p, depth - 1, p);
        }
    }
    painter.setFont(labelFont(painter.font()));
    for (const NumberLabel &label : numberLabels()) {
        if (horizontal) {
            painter.drawText(QPointF(label.from, 9), label.text);
        } else {
            painter.save();
            painter.translate(9, label.from);
            painter.rotate(90);
            painter.drawText(QPointF(0, 0), label.text);
            painter.restore();
        }
    }

    painter.setPen(QPen(Qt::black, 1));
    for (double m : m_markers) {
        const int p = int(std::lround(m));
        if (horizontal)
            painter.drawLine(p, 0, p, depth);
        else
            painter.drawLine(0, p, depth, p);
    }
}

} // namespace platform
