#pragma once
// The label size pairs of the sheet dialogs (print and PDF): the size the user gives, typed or
// stepped, is above 0, or it is refused with a message before anything is drawn or written; and a
// size field takes typing only where its stepper is offered.

#include <QString>

class QLineEdit;
class QObject;
namespace platform { class Stepper; }

namespace labelsize {

inline const QString Width_Message = QStringLiteral("Please enter a label width greater than 0 mm.");
inline const QString Height_Message = QStringLiteral("Please enter a label height greater than 0 mm.");

// What the sender (the pair's field or stepper) gives stands when it is a size above 0 as the pair
// keeps it (two decimals); empty, 0, below or no number is refused with the message, and the sender
// shows the other half's size again. Answers whether it stands.
bool Take(const QObject *sender, QLineEdit *field, platform::Stepper *stepper, const QString &message);

// The pair takes the user's size only where it is offered: the stepper enabled, the field editable.
void Offer(QLineEdit *field, platform::Stepper *stepper, bool offered);

} // namespace labelsize
