#pragma once
// A slider over a range of real numbers: the picture effects take fractional values (saturation 1,
// contrast 0.25 to 4 ...), which an integer slider cannot hold.

#include <QSlider>

class DoubleSlider : public QSlider {
    Q_OBJECT
    Q_PROPERTY(double doubleValue READ doubleValue)
public:
    // steps: slider positions per unit of the value.
    explicit DoubleSlider(QWidget *parent = nullptr, double steps = 100);

    double doubleValue() const { return value() / m_steps; }
    double doubleMinimum() const { return minimum() / m_steps; }
    double doubleMaximum() const { return maximum() / m_steps; }
    // Clamped to the range; sends no action.
    void setDoubleValue(double v);

private:
    double m_steps;
};
