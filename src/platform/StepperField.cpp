#include "platform/StepperField.h"

#include "platform/Stepper.h"

#include <QLineEdit>
#include <QObject>

#include <algorithm>
#include <cmath>

namespace platform {

double fieldValue(const QLineEdit *field) { return field ? fieldValue(field->text()) : 0.0; }

bool copyPair(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    // The kind of the sender decides, as the handlers of the pairs ask it.
    const bool fromStepper = qobject_cast<const Stepper *>(sender) != nullptr;
    if (!stepper || !field)
        return fromStepper;
    if (fromStepper) {
        field->setText(formatPairValue(stepper->doubleValue(), format));
    } else {
        // Text that is no number reads as 0, as it always has; the stepper's range bounds it.
        const double typed = fieldValue(field->text());
        if (format == PairFormat::Integer)
            stepper->setIntValue(int(formatValue(typed, format)));
        else
            stepper->setDoubleValue(formatValue(typed, format));
    }
    return fromStepper;
}

bool copyPairBounded(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    const bool fromStepper = copyPair(sender, stepper, field, format);
    if (fromStepper || !stepper || !field)
        return fromStepper;
    // The field shows the value it applied: a refused text, a value out of range and "40,25"
    // alike are replaced by the stepper's value in the field's own format.
    const QString text = field->text();
    const std::optional<double> typed = typedNumber(text);
    const bool plain = text == text.trimmed() && !text.contains(QLatin1Char(','));
    const bool kept = typed && formatValue(*typed, format) == stepper->doubleValue() &&
                      (format == PairFormat::Real || formatValue(*typed, format) == *typed);
    if (!plain || !kept)
        field->setText(formatPairValue(stepper->doubleValue(), format));
    return fromStepper;
}

QString numberRefusal(const QString &text, double lowest, double highest, const QString &what, const QString &unit)
{
    const std::optional<double> typed = typedNumber(text);
    if (!typed)
        return QStringLiteral("Please enter the %1 as a number, such as 12.5.").arg(what);
    // Compared as shown: "0.095" is the 0.10 a field of two decimals shows.
    const double shown = formatValue(*typed, PairFormat::TwoDecimals);
    if (shown < lowest - 1e-9 || shown > highest + 1e-9)
        return QStringLiteral("Please enter a %1 from %2 to %3 %4.")
            .arg(what, QString::asprintf("%.2f", lowest), QString::asprintf("%.2f", highest), unit);
    return QString();
}

QString copyPairRefusing(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format,
                         const PairRefusal &refusal)
{
    if (qobject_cast<const Stepper *>(sender) || !stepper || !field) {
        copyPair(sender, stepper, field, format);
        return QString();
    }
    const QString refused = numberRefusal(field->text(), std::max(stepper->minValue(), refusal.lowest),
                                          stepper->maxValue(), refusal.what, refusal.unit);
    if (refused.isEmpty())
        copyPair(sender, stepper, field, format);
    field->setText(formatPairValue(stepper->doubleValue(), format));
    return refused;
}

void connectPair(Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *sender)> handler)
{
    if (stepper)
        QObject::connect(stepper, &Stepper::stepped, context, [stepper, handler] { handler(stepper); });
    if (field)
        QObject::connect(field, &QLineEdit::editingFinished, context, [field, handler] { handler(field); });
}

} // namespace platform

namespace platform {

void scalePairs(std::initializer_list<std::pair<QLineEdit *, Stepper *>> pairs, float factor)
{
    for (const auto &[field, stepper] : pairs) {
        if (!field)
            continue;
        // Single precision, as the fields were always converted.
        const float value = float(leadingReal(field->text())) * factor;
        field->setText(formatPairValue(value, PairFormat::Real));
        if (stepper)
            stepper->setDoubleValue(value);
    }
}

} // namespace platform
