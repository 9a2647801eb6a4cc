#include "design/DoubleSlider.h"

#include <QSignalBlocker>

#include <cmath>

DoubleSlider::DoubleSlider(QWidget *parent, double steps)
    : QSlider(Qt::Horizontal, parent), m_steps(steps > 0 ? steps : 1)
{
}

void DoubleSlider::setDoubleValue(double v)
{
    const QSignalBlocker block(this);
    setValue(int(std::lround(v * m_steps)));
}
