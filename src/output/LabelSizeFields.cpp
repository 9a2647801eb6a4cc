#include "output/LabelSizeFields.h"

#include "core/Messages.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QLineEdit>

#include <optional>

namespace labelsize {

bool Take(const QObject *sender, QLineEdit *field, platform::Stepper *stepper, const QString &message)
{
    if (!field || !stepper)
        return true;
    using platform::PairFormat;
    const bool fromStepper = sender == stepper;
    const std::optional<double> given = fromStepper ? std::optional<double>(stepper->doubleValue())
                                                    : platform::typedNumber(field->text());
    if (given && platform::formatValue(*given, PairFormat::TwoDecimals) > 0)
        return true;
    if (fromStepper)
        stepper->setDoubleValue(platform::fieldValue(field));
    else
        field->setText(platform::formatPairValue(stepper->doubleValue(), PairFormat::TwoDecimals));
    Show_MessageBox(message);
    return false;
}

void Offer(QLineEdit *field, platform::Stepper *stepper, bool offered)
{
    stepper->setEnabled(offered);
    field->setReadOnly(!offered);
}

} // namespace labelsize
