#pragma once
// What the series generator and the value-list generator windows share of their number fields: the
// typed limits with their steppers kept in step, and the padding help alert.

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
    QLineEdit *from = nullptr;
    QLineEdit *to = nullptr;
};

// A typed count or random length held to its limit, then copied into its stepper; other controls
// are left alone.
void Limit_Typed_Field(const Fields &fields, const QObject *control);

// The number fields are typed freely: nothing is put back while the user types, so that emptying one
// and typing 3 gives 3. When the typing of one ends, what is no whole number in its range is refused
// with its message; the count, random count and random length then hold 1 to 10000 or 1 to 9 (an
// empty one is 1) and ended runs with that field; From and To hold any whole number, zeros typed in
// front kept (they widen the padding), or stay empty for OK to ask for them.
void Connect_Typed_Fields(const Fields &fields, QObject *context, const std::function<void(QObject *)> &ended);

// OK: a number still being typed is taken first; answers false when one was refused.
bool End_Typing(const Fields &fields);

// The informational alert of the padding help.
void Show_Padding_Help(const QString &title, const QString &text);

} // namespace generator_fields
