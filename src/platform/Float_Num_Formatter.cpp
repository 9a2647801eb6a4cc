#include "platform/Float_Num_Formatter.h"

#include "platform/StepperField.h"

Float_Num_Formatter::Float_Num_Formatter(QObject *parent) : QValidator(parent) {}

bool Float_Num_Formatter::isAccepted(const QString &text)
{
    // What the field's readers take as one number: its separator typed "." or "," whatever the
    // locale, as every number field of the program reads it (never "inf", "nan" or an exponent).
    return text.trimmed().isEmpty() || platform::typedNumber(text).has_value();
}

QValidator::State Float_Num_Formatter::validate(QString &input, int &) const
{
    return isAccepted(input) ? Acceptable : Invalid;
}
