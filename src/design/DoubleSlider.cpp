#include "design/DoubleSlider.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

DoubleSlider::DoubleSlider(QWidget *parent, double steps)
    : QSlider(Qt::Horizontal, parent), m_steps(steps > 0 ? steps : 1)
{
}

void DoubleSlider::setDoubleValue(double v)
{
    const QSignalBlocker block(this);
    // Bounded before rounding: a typed value far out of range would not fit an int.
    setValue(int(std::lround(std::clamp(v * m_steps, double(minimum()), double(maximum())))));
}
