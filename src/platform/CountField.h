#pragma once
// A field that takes a count or a record number (a range's From and To, a total, the mails between
// pauses). The user types freely: nothing is put back while the field is edited, so that clearing
// it and typing 3 gives 3. Only when the editing ends (Return, or the focus leaving after a change)
// does an entry that is no count of at least 1 (empty, letters, 0 or below) become 1.

#include <QString>

#include <functional>

class QLineEdit;
class QObject;

namespace platform {

// The count of what was typed: its leading integer (blanks around it and a sign allowed);
// nothing, no number, 0 and below, and a number past any integer give 1.
int typedCount(const QString &text);

// When the editing of the field ends, the field shows typedCount of its text, then handler runs:
// it bounds the count as its window needs. The field keeps the validator it has (set it first):
// what that refuses cannot be typed, and an entry it holds unfinished is fixed to a count when the
// editing ends. context ends the connection.
void connectCountField(QLineEdit *field, QObject *context, std::function<void()> handler);

} // namespace platform
