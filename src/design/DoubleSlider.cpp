#include "design/DoubleSlider.h"

#include <QSignalBlocker>

#include <cmath>

DoubleSlider::DoubleSlider(QWidget *parent, double steps)
    : QSlider(Qt::Horizontal, parent), m_steps(steps > 0 ? steps : 1)
{
}

void DoubleSlider::setDoubleRange(double min, double max)
{
    setRange(int(std::lround(min * m_steps)), int(std::lround(max * m_steps)));
}

void DoubleSlider::setDoubleValue(double v)
{
    const QSignalBlocker block(this);
    setValue(int(std::lround(v * m_steps)));
}
