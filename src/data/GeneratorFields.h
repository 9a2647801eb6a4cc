#pragma once
// What the series generator and the value-list generator windows share of their count and random
// fields: the typed limits with their steppers kept in step, and the padding help alert.

class QLineEdit;
class QObject;
class QString;
namespace platform {
class Stepper;
}

namespace generator_fields {

struct Fields {
    QLineEdit *count = nullptr;
    platform::Stepper *countStepper = nullptr;
    QLineEdit *randomLength = nullptr;
    platform::Stepper *randomLengthStepper = nullptr;
    QLineEdit *randomCount = nullptr;
    platform::Stepper *randomCountStepper = nullptr;
};

// A typed count or random length held to its limit, then copied into its stepper; other controls
// are left alone.
void Limit_Typed_Field(const Fields &fields, const QObject *control);

// The informational alert of the padding help.
void Show_Padding_Help(const QString &title, const QString &text);

} // namespace generator_fields
