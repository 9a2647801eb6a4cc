#include "platform/CountField.h"

#include "platform/Dialogs.h"
#include "platform/Float_Num_Formatter.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QSignalBlocker>
#include <QValidator>

#include <limits>

namespace platform {

namespace {

// Far past any field's range, and far from the ends of qint64, so that no sum overflows.
constexpr qint64 kSaturated = qint64(1) << 60;

// The whole number of what was typed as a field of that fraction rule takes it, read from the digits
// (a number of any length saturates alike, whatever the rule); nothing for text that is no number,
// a thousand grouped or slipped (cut at their sign, "1,000" and "1,0000" would be 1), or a fraction
// the rule refuses.
std::optional<qint64> wholeOf(const QString &text, WholeRule::Fraction rule)
{
    const std::optional<QByteArray> plain = typedNumberText(text);
    if (!plain || readsGrouped(text, NumberKind::Whole))
        return std::nullopt;
    const qsizetype point = plain->indexOf('.');
    const QByteArray fraction = point < 0 ? QByteArray() : plain->mid(point + 1);
    const bool whole = fraction.count('0') == fraction.size();
    if (!whole && rule == WholeRule::Fraction::Refused)
        return std::nullopt;
    const QByteArray digits = point < 0 ? *plain : plain->left(point);
    const bool negative = digits.startsWith('-');
    qint64 value = 0;
    // Saturated before the digit is added, so that no number of digits overflows.
    for (const char c : digits.mid(negative ? 1 : 0))
        value = value > (kSaturated - 9) / 10 ? kSaturated : value * 10 + (c - '0');
    // Half away from zero, as the fields always rounded.
    if (!whole && rule == WholeRule::Fraction::Rounded && fraction.at(0) >= '5' && value < kSaturated)
        ++value;
    return negative ? -value : value;
}

void tell(const QString &message)
{
    AlertRequest request;
    request.message = message;
    request.buttons = {QStringLiteral("OK")};
    runAlert(request);
}

// A field's validator: every keystroke a number may hold stands (as acceptable, so that the typing
// always ends and is judged then), any other is refused as typed. It keeps the rule, and what the
// field held before the user's edit: text set by code, or an entry taken.
class CountValidator : public QValidator {
public:
    CountValidator(QLineEdit *field, const WholeRule &rule) : QValidator(field), rule(rule), held(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this, field] {
            if (!field->isModified())
                held = field->text();
        });
    }
    State validate(QString &text, int &) const override
    {
        return Float_Num_Formatter::isTypable(text) ? Acceptable : Invalid;
    }

    WholeRule rule;
    QString held;
    bool refused = false;
};

CountValidator *validatorOf(const QLineEdit *field)
{
    return field ? const_cast<CountValidator *>(dynamic_cast<const CountValidator *>(field->validator())) : nullptr;
}

} // namespace

std::optional<qint64> typedWhole(const QString &text) { return wholeOf(text, WholeRule::Fraction::Refused); }

std::optional<QString> wholeShown(const QString &text, const WholeRule &rule)
{
    if (text.trimmed().isEmpty())
        return rule.count ? QString::number(rule.lowest) : QString();
    const std::optional<qint64> whole = wholeOf(text, rule.fraction);
    if (!whole)
        return std::nullopt;
    if (rule.count && *whole == 0 && rule.lowest > 0)
        return QString::number(rule.lowest);
    if (*whole < rule.lowest || *whole > rule.highest)
        return std::nullopt;
    const QByteArray plain = typedNumberText(text).value_or(QByteArray());
    if (rule.keepDigits && !plain.contains('.'))
        return QString::fromLatin1(plain);
    return QString::number(*whole);
}

QString wholeRefusal(const QString &text, const WholeRule &rule)
{
    if (wholeShown(text, rule))
        return QString();
    if (!wholeOf(text, rule.fraction))
        return QStringLiteral("Please enter the %1 as a whole number, such as 12.").arg(rule.what);
    const QChar first = rule.what.isEmpty() ? QChar() : rule.what.at(0).toLower();
    const QString article = QStringLiteral("aeiou").contains(first) ? QStringLiteral("an") : QStringLiteral("a");
    return QStringLiteral("Please enter %1 %2 from %3 to %4%5.")
        .arg(article, rule.what, QString::number(rule.lowest), QString::number(rule.highest),
             rule.unit.isEmpty() ? QString() : QLatin1Char(' ') + rule.unit);
}

int typedCount(const QString &text)
{
    const std::optional<qint64> whole = typedWhole(text);
    return whole && *whole >= 1 && *whole <= std::numeric_limits<int>::max() ? int(*whole) : 1;
}

void connectCountField(QLineEdit *field, const WholeRule &rule, QObject *context, std::function<void()> handler)
{
    if (!field)
        return;
    field->setValidator(new CountValidator(field, rule));
    QObject::connect(field, &QLineEdit::editingFinished, context, [field, handler] {
        CountValidator *v = validatorOf(field);
        if (!v)
            return;
        const QString typed = field->text();
        const std::optional<QString> shown = wholeShown(typed, v->rule);
        // A refusal stands until an entry typed after it is taken: the message takes the focus, which
        // ends the typing again, of the value put back.
        if (!shown || field->isModified())
            v->refused = !shown;
        if (!shown) {
            // The value in use stays, shown while the message is read.
            field->setText(v->held);
            tell(wholeRefusal(typed, v->rule));
            return;
        }
        if (typed != *shown)
            field->setText(*shown);
        field->setModified(false);
        // The entry taken is the value in use, which a later refusal puts back, even typed as shown.
        v->held = field->text();
        if (handler)
            handler();
    });
}

void connectCountStepper(Stepper *stepper, QLineEdit *field, QObject *context)
{
    if (!stepper || !field)
        return;
    stepper->leaveFocusIn(field);
    QObject::connect(stepper, &Stepper::aboutToStep, context, [stepper, field] {
        if (!endTyping({field}))
            stepper->holdStep();
    });
}

void connectCountArrows(QLineEdit *field, WholeSpinBox *arrows, const WholeRule &rule, QObject *context,
                        std::function<void()> handler)
{
    arrows->setRule(rule);
    arrows->pairWith(field);
    QObject::connect(arrows, &QSpinBox::valueChanged, context, [field](int v) { field->setText(QString::number(v)); });
    connectCountField(field, rule, context, [field, arrows, handler] {
        {
            const QSignalBlocker quiet(arrows);
            arrows->setValue(field->text().toInt());
        }
        if (handler)
            handler();
    });
}

bool endTyping(std::initializer_list<QLineEdit *> fields)
{
    bool taken = true;
    for (QLineEdit *field : fields) {
        CountValidator *v = validatorOf(field);
        if (!v || !field->isModified())
            continue;
        emit field->editingFinished();
        taken = taken && !v->refused;
    }
    return taken;
}

WholeSpinBox::WholeSpinBox(QWidget *parent) : QSpinBox(parent)
{
    // The value changes when the typing ends, never at a keystroke of an entry still being typed.
    setKeyboardTracking(false);
}

WholeRule WholeSpinBox::rule() const
{
    WholeRule r = m_rule;
    r.lowest = minimum();
    r.highest = maximum();
    r.count = true;
    return r;
}

bool WholeSpinBox::endTyping()
{
    const QString typed = lineEdit()->text();
    if (typed == textFromValue(value()))
        return true;
    const std::optional<QString> shown = wholeShown(typed, rule());
    if (!shown) {
        lineEdit()->setText(textFromValue(value()));
        tell(wholeRefusal(typed, rule()));
        return false;
    }
    setValue(shown->toInt());
    lineEdit()->setText(textFromValue(value()));
    return true;
}

void WholeSpinBox::pairWith(QLineEdit *field)
{
    m_field = field;
    // A click on the arrows leaves the focus in the field: a message shown as the focus left would
    // take the click's release. The box's own text still takes the focus from a click or Tab.
    setFocusPolicy(Qt::TabFocus);
    lineEdit()->installEventFilter(this);
    // The arrows are drawn as they step (stepEnabled), which a keystroke in the field can change.
    connect(field, &QLineEdit::textChanged, this, qOverload<>(&QWidget::update));
}

QAbstractSpinBox::StepEnabled WholeSpinBox::stepEnabled() const
{
    const bool typing = (m_field && m_field->isModified()) || lineEdit()->text() != textFromValue(value());
    if (typing && !isReadOnly())
        return StepUpEnabled | StepDownEnabled;
    return QSpinBox::stepEnabled();
}

bool WholeSpinBox::eventFilter(QObject *watched, QEvent *event)
{
    if (m_field && watched == lineEdit() && event->type() == QEvent::MouseButtonPress && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    return QSpinBox::eventFilter(watched, event);
}

void WholeSpinBox::stepBy(int steps)
{
    // The field's typing first, then the box's own: the step goes from the entry taken, and is not
    // made after a refusal.
    if ((m_field && !platform::endTyping({m_field.data()})) || !endTyping()) {
        // Once the box has started its repeat, which it does when the step returns.
        QMetaObject::invokeMethod(this, &WholeSpinBox::stopRepeat, Qt::QueuedConnection);
        return;
    }
    QSpinBox::stepBy(steps);
}

void WholeSpinBox::stopRepeat()
{
    // The reset a change of style makes: the press or key that stepped is over as far as the box
    // knows, whatever it was, so that nothing repeats it (its release may have gone to the message).
    QEvent restyled(QEvent::StyleChange);
    QSpinBox::changeEvent(&restyled);
}

QValidator::State WholeSpinBox::validate(QString &input, int &) const
{
    if (!Float_Num_Formatter::isTypable(input))
        return QValidator::Invalid;
    return wholeShown(input, rule()) ? QValidator::Acceptable : QValidator::Intermediate;
}

int WholeSpinBox::valueFromText(const QString &text) const
{
    const std::optional<QString> shown = wholeShown(text, rule());
    return shown ? shown->toInt() : value();
}

QString WholeSpinBox::textFromValue(int value) const { return QString::number(value); }

void WholeSpinBox::focusOutEvent(QFocusEvent *event)
{
    // A context menu of the box's own takes the focus for a moment; the typing goes on.
    if (event->reason() != Qt::PopupFocusReason)
        endTyping();
    QSpinBox::focusOutEvent(event);
}

void WholeSpinBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        endTyping();
    QSpinBox::keyPressEvent(event);
}

} // namespace platform
