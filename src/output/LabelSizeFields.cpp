#include "output/LabelSizeFields.h"

#include "core/Messages.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <optional>

namespace labelsize {

namespace {

using platform::PairFormat;

// The smallest size above 0 that two decimals show.
constexpr double Smallest_Shown = 0.01;

// The size as the pair keeps it (two decimals), when it is one above 0.
std::optional<double> sizeOf(const std::optional<double> &given)
{
    if (!given || platform::formatValue(*given, PairFormat::TwoDecimals) <= 0)
        return std::nullopt;
    return platform::formatValue(*given, PairFormat::TwoDecimals);
}

double lowest(const platform::Stepper *stepper) { return std::max(stepper->minValue(), Smallest_Shown); }

bool holds(const platform::Stepper *stepper, double size)
{
    // Half a hundredth either way: the field shows two decimals of what the stepper holds.
    return size >= lowest(stepper) - 0.005 && size <= stepper->maxValue() + 0.005;
}

QString sideName(Side side) { return side == Side::Width ? QStringLiteral("label width") : QStringLiteral("label height"); }

// Why a typed size cannot stand, empty when it can. A size below the smallest one shown is refused
// rather than held as another (0.005 would print 0.01-mm cells under a field showing 0.005).
QString typedRefusal(const QString &text, const platform::Stepper *stepper, Side side)
{
    const std::optional<double> typed = platform::typedNumber(text);
    if (!typed)
        return text.trimmed().isEmpty() ? Message(side) : Unreadable_Message(sideName(side));
    if (*typed <= 0)
        return Message(side);
    if (*typed < Smallest_Shown - 1e-9 || !holds(stepper, platform::formatValue(*typed, PairFormat::TwoDecimals)))
        return Range_Message(side, stepper);
    return QString();
}

} // namespace

const QString &Message(Side side) { return side == Side::Width ? Width_Message : Height_Message; }

QString Range_Message(Side side, const platform::Stepper *stepper)
{
    return QStringLiteral("Please enter a %1 from %2 to %3 mm.")
        .arg(sideName(side), QString::asprintf("%.2f", lowest(stepper)), QString::asprintf("%.2f", stepper->maxValue()));
}

QString Unreadable_Message(const QString &what)
{
    return QStringLiteral("Please enter the %1 as a number, such as 12.5.").arg(what);
}

QString Refusal(const QLineEdit *field, const platform::Stepper *stepper, Side side)
{
    if (!field || !stepper)
        return QString();
    const QString refused = typedRefusal(field->text(), stepper, side);
    if (!refused.isEmpty())
        return refused;
    // The field shows two decimals (or a catalogue's size) of what the stepper holds, or a typed
    // size the stepper could not hold.
    if (std::abs(*platform::typedNumber(field->text()) - stepper->doubleValue()) > 0.006)
        return Range_Message(side, stepper);
    return QString();
}

bool Take(const QObject *sender, QLineEdit *field, platform::Stepper *stepper, Side side)
{
    if (!field || !stepper)
        return true;
    if (sender == stepper) {
        const std::optional<double> size = sizeOf(stepper->doubleValue());
        if (size && holds(stepper, *size))
            return true;
        stepper->setDoubleValue(platform::fieldValue(field));
        Show_MessageBox(size ? Range_Message(side, stepper) : Message(side));
        return false;
    }
    const QString refused = typedRefusal(field->text(), stepper, side);
    if (refused.isEmpty()) {
        // Shown as kept: "1.2345" is held and printed as 1.23.
        platform::showNumber(field, *sizeOf(platform::typedNumber(field->text())), PairFormat::TwoDecimals);
        return true;
    }
    platform::showNumber(field, stepper->doubleValue(), PairFormat::TwoDecimals);
    stepper->holdStep();   // an arrow that ended the typing steps from nothing refused
    Show_MessageBox(refused);
    return false;
}

void Load(QLineEdit *field, platform::Stepper *stepper, const QString &stored)
{
    const std::optional<double> size = sizeOf(platform::storedNumber(stored));
    stepper->setDoubleValue(size ? *size : platform::storedNumber(stored).value_or(0));
    if (size)
        platform::showNumber(field, stepper->doubleValue(), PairFormat::TwoDecimals);
    else
        field->setText(stored);
}

void Offer(QLineEdit *field, platform::Stepper *stepper, bool offered)
{
    stepper->setEnabled(offered);
    field->setReadOnly(!offered);
}

} // namespace labelsize
