#include "output/LabelSizeFields.h"

#include "core/Messages.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QLineEdit>

#include <cmath>
#include <optional>

namespace labelsize {

namespace {

using platform::PairFormat;

// The size as the pair keeps it (two decimals), when it is one above 0.
std::optional<double> sizeOf(const std::optional<double> &given)
{
    if (!given || platform::formatValue(*given, PairFormat::TwoDecimals) <= 0)
        return std::nullopt;
    return platform::formatValue(*given, PairFormat::TwoDecimals);
}

bool holds(const platform::Stepper *stepper, double size)
{
    // Half a hundredth either way: the field shows two decimals of what the stepper holds.
    return size >= stepper->minValue() - 0.005 && size <= stepper->maxValue() + 0.005;
}

} // namespace

const QString &Message(Side side) { return side == Side::Width ? Width_Message : Height_Message; }

QString Range_Message(Side side, const platform::Stepper *stepper)
{
    return QStringLiteral("Please enter a label %1 from %2 to %3 mm.")
        .arg(side == Side::Width ? QStringLiteral("width") : QStringLiteral("height"),
             QString::asprintf("%.2f", stepper->minValue()), QString::asprintf("%.2f", stepper->maxValue()));
}

QString Refusal(const QLineEdit *field, const platform::Stepper *stepper, Side side)
{
    if (!field || !stepper)
        return QString();
    const std::optional<double> typed = platform::typedNumber(field->text());
    if (!sizeOf(typed))
        return Message(side);
    // The field shows two decimals (or a catalogue's size) of what the stepper holds, or a typed
    // size the stepper could not hold.
    if (std::abs(*typed - stepper->doubleValue()) > 0.006)
        return Range_Message(side, stepper);
    return QString();
}

bool Take(const QObject *sender, QLineEdit *field, platform::Stepper *stepper, Side side)
{
    if (!field || !stepper)
        return true;
    const bool fromStepper = sender == stepper;
    const std::optional<double> size = sizeOf(fromStepper ? std::optional<double>(stepper->doubleValue())
                                                          : platform::typedNumber(field->text()));
    if (size && holds(stepper, *size))
        return true;
    if (fromStepper)
        stepper->setDoubleValue(platform::fieldValue(field));
    else
        field->setText(platform::formatPairValue(stepper->doubleValue(), PairFormat::TwoDecimals));
    Show_MessageBox(size ? Range_Message(side, stepper) : Message(side));
    return false;
}

void Load(QLineEdit *field, platform::Stepper *stepper, const QString &stored)
{
    const std::optional<double> size = sizeOf(platform::typedNumber(stored));
    stepper->setDoubleValue(size ? *size : platform::fieldValue(stored));
    field->setText(size ? platform::formatPairValue(stepper->doubleValue(), PairFormat::TwoDecimals) : stored);
}

void Offer(QLineEdit *field, platform::Stepper *stepper, bool offered)
{
    stepper->setEnabled(offered);
    field->setReadOnly(!offered);
}

} // namespace labelsize
