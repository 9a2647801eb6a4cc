#include "platform/Stepper.h"

#include <QEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace platform {

Stepper::Stepper(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(18, 11);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, &Stepper::stepUp);
    connect(m_down, &QToolButton::clicked, this, &Stepper::stepDown);
    setFixedWidth(18);
}

bool Stepper::event(QEvent *event)
{
    if (event->type() == QEvent::Polish && !accessibleName().isEmpty()) {
        QString base = accessibleName();
        if (base.endsWith(QLatin1String(" stepper")))
            base.chop(8);
        if (m_up->accessibleName().isEmpty())
            m_up->setAccessibleName(base + QStringLiteral(" up"));
        if (m_down->accessibleName().isEmpty())
            m_down->setAccessibleName(base + QStringLiteral(" down"));
    }
    return QWidget::event(event);
}

int Stepper::intValue() const { return int(std::lround(m_value)); }

void Stepper::setDoubleValue(double v) { m_value = std::clamp(v, m_min, std::max(m_min, m_max)); }

void Stepper::setMinValue(double v)
{
    m_min = v;
    if (m_max < m_min)
        m_max = m_min;
    setDoubleValue(m_value);
}

void Stepper::setMaxValue(double v)
{
    m_max = v;
    if (m_min > m_max)
        m_min = m_max;
    setDoubleValue(m_value);
}

void Stepper::stepUp() { step(m_increment); }
void Stepper::stepDown() { step(-m_increment); }

void Stepper::holdStep()
{
    if (!m_asking)
        return;
    m_held = true;
    // A held arrow repeats no further: the user reads why the value stayed.
    m_up->setDown(false);
    m_down->setDown(false);
}

void Stepper::leaveFocusIn(QWidget *field)
{
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(field);
}

void Stepper::step(double delta)
{
    // A step asked while one is being answered is not made: the arrow, still held, repeats while
    // the message of a refused entry is read.
    if (!isEnabled() || m_asking)
        return;
    m_held = false;
    m_asking = true;
    emit aboutToStep();
    m_asking = false;
    if (m_held)
        return;
    const double before = m_value;
    // Round away the binary noise of repeated decimal increments (0.1 + 0.1 + ...).
    setDoubleValue(std::round((m_value + delta) * 1e6) / 1e6);
    if (m_value != before || delta != 0)
        emit stepped();
}

} // namespace platform
