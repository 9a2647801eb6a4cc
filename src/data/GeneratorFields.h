#pragma once
// What the series generator and the value-list generator windows share of their count and random
// fields: the typed limits with their steppers kept in step, and the padding help alert.

#include <functional>

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

// The count, random count and random length take digits only and are typed freely: nothing is put
// back while the user types, so that emptying one and typing 3 gives 3. When the editing of one ends
// (an empty one is 1 then), ended runs with that field.
void Connect_Typed_Fields(const Fields &fields, QObject *context, const std::function<void(QObject *)> &ended);

// The informational alert of the padding help.
void Show_Padding_Help(const QString &title, const QString &text);

} // namespace generator_fields
