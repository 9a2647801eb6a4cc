#pragma once
// The label size pairs of the sheet dialogs (print and PDF): the size the user gives, typed or
// stepped, is above 0 and one its stepper holds, shown as it is held (two decimals), or it is
// refused with a message before anything is drawn or written; and a size field takes typing only
// where its stepper is offered.

#include <QString>

class QLineEdit;
class QObject;
namespace platform { class Stepper; }

namespace labelsize {

inline const QString Width_Message = QStringLiteral("Please enter a label width greater than 0 mm.");
inline const QString Height_Message = QStringLiteral("Please enter a label height greater than 0 mm.");

enum class Side { Width, Height };

// Width_Message or Height_Message.
const QString &Message(Side side);
// The message for a size outside what the stepper holds, or below the smallest two decimals show
// ("Please enter a label width from 0.10 to 10000.00 mm.").
QString Range_Message(Side side, const platform::Stepper *stepper);
// The message for a typed text that reads as no number (an exponent, grouped digits, a sign
// alone): "Please enter the label width as a number, such as 12.5." for what is "label width".
QString Unreadable_Message(const QString &what);

// Why the size the field shows cannot be used, empty when it can: empty, 0 or below (the side's
// message), no number (the unreadable message), or a size its stepper does not hold as shown (the
// range message).
QString Refusal(const QLineEdit *field, const platform::Stepper *stepper, Side side);

// What the sender (the pair's field or stepper) gives stands when it is a size above 0 as the pair
// keeps it (two decimals) and within the stepper's range, and a typed one is then shown as kept;
// else it is refused with the message, and the sender shows the other half's size again. Answers
// whether it stands.
bool Take(const QObject *sender, QLineEdit *field, platform::Stepper *stepper, Side side);

// A stored size (a custom product's) into the pair: a size above 0 as the stepper holds it, shown
// so; anything else shown as it was stored, for the print to refuse.
void Load(QLineEdit *field, platform::Stepper *stepper, const QString &stored);

// The pair takes the user's size only where it is offered: the stepper enabled, the field editable.
void Offer(QLineEdit *field, platform::Stepper *stepper, bool offered);

} // namespace labelsize
