#pragma once
// A stepper: two small arrow buttons holding a number between a minimum and a maximum. It sits
// beside a text field; together they form a pair whose handler asks which half sent the change.
// Setting the value from code sends nothing, so that filling a form never runs its handlers.

#include <QWidget>

class QToolButton;

namespace platform {

class Stepper : public QWidget {
    Q_OBJECT
    // In this order, so that a form sets the range before the value it clamps.
    Q_PROPERTY(double minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(double increment READ increment WRITE setIncrement)
    Q_PROPERTY(double doubleValue READ doubleValue WRITE setDoubleValue)
public:
    explicit Stepper(QWidget *parent = nullptr);

    double doubleValue() const { return m_value; }
    int intValue() const;
    void setDoubleValue(double v);   // clamped to the range; no signal
    void setIntValue(int v) { setDoubleValue(v); }
    double minValue() const { return m_min; }
    double maxValue() const { return m_max; }
    void setMinValue(double v);
    void setMaxValue(double v);
    double increment() const { return m_increment; }
    void setIncrement(double v) { m_increment = v; }

    // What a click does, for code that acts as the user (tests, keyboard).
    void stepUp();
    void stepDown();
    // Called while aboutToStep is being answered: this step is not made (a text typed into the
    // pair's field was refused, and the value it kept stands). At any other time it does nothing.
    void holdStep();
    // The arrows of field: a click on them leaves the focus in the field, so that the step ends its
    // typing, never the focus leaving in the middle of the click (a message shown then would take
    // the click's release, and the arrow would repeat without end).
    void leaveFocusIn(QWidget *field);

signals:
    // An arrow was used and the step is about to be made from the value held now: the pair's
    // field ends its typing first, so that the step goes from what was typed.
    void aboutToStep();
    // The user changed the value with an arrow.
    void stepped();

protected:
    // A named stepper names its arrows after it ("Rows stepper": "Rows up", "Rows down").
    bool event(QEvent *event) override;

private:
    void step(double delta);
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    double m_value = 0;
    double m_min = 0;
    double m_max = 100;
    double m_increment = 1;
    bool m_asking = false;   // aboutToStep is being answered
    bool m_held = false;
};

} // namespace platform
