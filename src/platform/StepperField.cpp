#include "platform/StepperField.h"

#include "platform/Float_Num_Formatter.h"
#include "platform/Stepper.h"

#include <QLineEdit>
#include <QObject>

#include <algorithm>
#include <cmath>

namespace platform {

QLocale fieldLocale(const QLineEdit *field)
{
    // Set on the field itself (Page Setup's "." fields), else the user's: a field made before a
    // change of the default keeps the old one, which the program's writers and readers do not use.
    return field && field->testAttribute(Qt::WA_SetLocale) ? field->locale() : QLocale();
}

double fieldValue(const QLineEdit *field, double inUse)
{
    return field ? fieldValue(field->text(), inUse, fieldLocale(field)) : inUse;
}

std::optional<double> typedNumber(const QLineEdit *field)
{
    return field ? typedNumber(field->text(), fieldLocale(field)) : std::nullopt;
}

void showSize(QLineEdit *field, double value)
{
    showNumber(field, QString::number(value, 'g', 6).toDouble(), PairFormat::Real);
}

void showStored(QLineEdit *field, const QString &stored)
{
    if (const std::optional<double> value = storedNumber(stored))
        showNumber(field, *value, std::round(*value * 100) / 100 == *value ? PairFormat::TwoDecimals : PairFormat::Real);
    else
        field->setText(stored);
}

QString storedText(const QLineEdit *field)
{
    // Plain digits and "." stay as shown ("63.50"); another form is written as the program writes.
    const std::optional<double> value = typedNumber(field);
    const QString text = field->text().trimmed();
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) { return (c.isDigit() && c.unicode() < 128) || c == '.' || c == '-'; });
    return !value ? field->text() : plain ? text : formatPairValue(*value, PairFormat::Real);
}

void showNumber(QLineEdit *field, double value, PairFormat format)
{
    // Whole numbers in plain digits, as every count field shows and reads them.
    field->setText(format == PairFormat::Integer ? formatPairValue(value, format) : localePairValue(value, format, fieldLocale(field)));
}

bool copyPair(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    // The kind of the sender decides, as the handlers of the pairs ask it.
    const bool fromStepper = qobject_cast<const Stepper *>(sender) != nullptr;
    if (!stepper || !field)
        return fromStepper;
    if (fromStepper) {
        showNumber(field, stepper->doubleValue(), format);
    } else {
        // Text that is no number reads as 0, as it always has; the stepper's range bounds it.
        const double typed = fieldValue(field);
        if (format == PairFormat::Integer)
            stepper->setIntValue(int(formatValue(typed, format)));
        else
            stepper->setDoubleValue(formatValue(typed, format));
    }
    return fromStepper;
}

QString numberRefusal(const QString &text, double lowest, double highest, const QString &what, const QString &unit,
                      int decimals, const QLocale &locale)
{
    const std::optional<double> typed = typedNumber(text, locale);
    if (!typed)
        return QStringLiteral("Please enter the %1 as a number, such as 12.5.").arg(what);
    // Compared as shown: "0.095" is the 0.10 a field of two decimals shows, and the ends of the range
    // are those the message gives.
    const double shown = formatValue(*typed, PairFormat::TwoDecimals), scale = std::pow(10.0, decimals);
    if (shown < std::round(lowest * scale) / scale - 1e-9 || shown > std::round(highest * scale) / scale + 1e-9) {
        const bool vowel = !what.isEmpty() && QStringLiteral("aeiou").contains(what.at(0));
        return QStringLiteral("Please enter %1 %2 from %3 to %4%5.")
            .arg(vowel ? QStringLiteral("an") : QStringLiteral("a"), what, QString::number(lowest, 'f', decimals),
                 QString::number(highest, 'f', decimals), unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
    }
    return QString();
}

QString unitName(int unit)
{
    return unit == 0 ? QStringLiteral("in") : unit == 1 ? QStringLiteral("cm") : QStringLiteral("mm");
}

QString copyPairRefusing(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format,
                         const PairRefusal &refusal)
{
    if (qobject_cast<const Stepper *>(sender) || !stepper || !field) {
        copyPair(sender, stepper, field, format);
        return QString();
    }
    // A thousand grouped or slipped is no whole number ("1,0000" would be taken as 1): refused as text that is none.
    const bool grouped = format == PairFormat::Integer && readsGrouped(field->text(), NumberKind::Whole, fieldLocale(field));
    const QString refused =
        numberRefusal(grouped ? QString() : field->text(), std::max(stepper->minValue(), refusal.lowest),
                      stepper->maxValue(), refusal.what, refusal.unit, format == PairFormat::Integer ? 0 : 2,
                      fieldLocale(field));
    if (refused.isEmpty())
        copyPair(sender, stepper, field, format);
    else
        stepper->holdStep();
    showNumber(field, stepper->doubleValue(), format);
    return refused;
}

QString copyPairBounded(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    return copyPairRefusing(sender, stepper, field, format, {QStringLiteral("value"), QString()});
}

void connectPair(Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *sender)> handler)
{
    // What the field holds once its handler has run is taken: only typing after it waits on a step.
    const auto ended = [field, handler] {
        handler(field);
        field->setModified(false);
    };
    if (stepper) {
        QObject::connect(stepper, &Stepper::stepped, context, [stepper, handler] { handler(stepper); });
        if (field) {
            QObject::connect(stepper, &Stepper::aboutToStep, context, [field, ended] {
                if (field->isModified())
                    ended();
            });
            stepper->leaveFocusIn(field);
        }
    }
    if (field) {
        if (!field->validator())
            field->setValidator(new Float_Num_Formatter(field));
        QObject::connect(field, &QLineEdit::editingFinished, context, ended);
    }
}

} // namespace platform

namespace platform {

void scalePairs(std::initializer_list<std::pair<QLineEdit *, Stepper *>> pairs, float factor)
{
    for (const auto &[field, stepper] : pairs) {
        if (!field)
            continue;
        // Single precision, as the fields were always converted.
        const float value = float(fieldValue(field, stepper ? stepper->doubleValue() : 0.0)) * factor;
        showNumber(field, value, PairFormat::Real);
        if (stepper)
            stepper->setDoubleValue(value);
    }
}

} // namespace platform
