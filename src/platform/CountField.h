#pragma once
// Whole-number fields: counts, record numbers, rows and columns, pixels, a port. They read what was
// typed as every number field does (typedNumber: "." and "," alike, the locale's own digits), keep
// every keystroke a number may hold while the user types, and judge the entry only when the typing
// ends (Return, the focus leaving, the dialog's OK, a step): a whole number in range stands and is
// shown in plain digits; text that is no number, a fraction, grouped digits, an exponent or a number
// out of range gets the field's message, and the field shows the value it held before.

#include <QPointer>
#include <QSpinBox>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

class QLineEdit;
class QObject;

namespace platform {

class Stepper;
class WholeSpinBox;

// What a whole-number field takes.
struct WholeRule {
    WholeRule() = default;
    WholeRule(const QString &what, qint64 lowest, qint64 highest, const QString &unit = QString())
        : what(what), lowest(lowest), highest(highest), unit(unit)
    {
    }

    // What the field holds, for its messages ("total", "port number").
    QString what;
    qint64 lowest = 1;
    qint64 highest = 999999;
    // After the range in a message ("pixels"); none when empty.
    QString unit;
    // A count: an empty entry, or 0 below the range, is the least (the count fields' rule). Otherwise
    // an empty entry stands empty, for the window's own check to ask for it.
    bool count = true;
    // What a fraction does: refused, or made whole as the field keeps it (rounded or cut).
    enum class Fraction { Refused, Rounded, Truncated } fraction = Fraction::Refused;
    // Shown as typed, zeros in front kept (in plain digits), where their number matters.
    bool keepDigits = false;
};

// The whole number typed, saturated far past any field's range; nothing for text that is no number,
// has a fraction, or reads as a thousand grouped or slipped (readsGrouped: "1,000", "1.000", "1,0000").
std::optional<qint64> typedWhole(const QString &text);

// Why text typed into a whole-number field cannot stand, empty when it can: no number or a fraction
// the field refuses ("Please enter the total as a whole number, such as 12."), or a number outside the
// range ("Please enter a total from 1 to 999999."). An empty text stands (the rule says what it is).
QString wholeRefusal(const QString &text, const WholeRule &rule);

// The text a field shows for what was typed once it stands (empty where an empty entry stands);
// nothing when it cannot stand.
std::optional<QString> wholeShown(const QString &text, const WholeRule &rule);

// The count of what was typed: its whole number of at least 1 (an int); anything else gives 1.
int typedCount(const QString &text);

// The rule for a field: keystrokes a number may hold stand, others are refused as typed; when the
// typing ends, what stands is shown in plain digits and handler runs, and what cannot stand gets its
// message and the field shows what it held before. The field's own validator is replaced. context
// ends the connection.
void connectCountField(QLineEdit *field, const WholeRule &rule, QObject *context, std::function<void()> handler);

// A stepper beside a field of connectCountField: a click on its arrows leaves the focus in the field,
// and a step first ends the field's typing, so that it goes from the entry taken; a refused entry
// holds the step and its repeat.
void connectCountStepper(Stepper *stepper, QLineEdit *field, QObject *context);

// A field of connectCountField with a spin box as its arrows (WholeSpinBox::pairWith): an entry taken
// goes into the box, then handler runs; a step goes into the field.
void connectCountArrows(QLineEdit *field, WholeSpinBox *arrows, const WholeRule &rule, QObject *context,
                        std::function<void()> handler = {});

// Ends the typing of fields of connectCountField that still hold an edit (the dialog's OK, which
// takes no focus from them): answers false when one was refused.
bool endTyping(std::initializer_list<QLineEdit *> fields);

// A spin box that reads as the whole-number fields do, in plain digits whatever the locale; its value
// changes only when the typing ends, and an arrow key, Page Up or Down, the wheel or an arrow button
// ends the typing first (a refused entry is not stepped), then steps from the value taken.
class WholeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit WholeSpinBox(QWidget *parent = nullptr);

    // What the box holds, for its messages; its range is the box's own.
    void setRule(const WholeRule &rule) { m_rule = rule; }
    // Takes or refuses the text typed since the value was last shown: answers false when refused.
    bool endTyping();
    // The box as the arrows of a field of connectCountField: a click on them leaves the focus in the
    // field, and a step first ends the field's typing; a refused entry is not stepped, nor repeated.
    void pairWith(QLineEdit *field);

    void stepBy(int steps) override;
    // Both arrows step while typing waits to be taken (in the field or the box): the step goes from it,
    // not from the value held, which may lie at that arrow's end.
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &) const override {}

protected:
    int valueFromText(const QString &text) const override;
    QString textFromValue(int value) const override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WholeRule rule() const;
    void stopRepeat();
    WholeRule m_rule;
    QPointer<QLineEdit> m_field;
};

} // namespace platform
