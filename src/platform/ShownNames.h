#pragma once
// How the names others gave are said, in the log and in messages alike: an entry's name another may
// have chosen, and the account a file or folder belongs to.

#include <QByteArray>
#include <QString>

namespace platform {

// An entry's name as it is, but each control or format character, line or paragraph separator and
// "%" percent-encoded (its UTF-8 bytes), so that no name another gave writes a line of its own; a
// name that is not UTF-8 keeps only its printable ASCII, the other bytes percent-encoded.
QString shownName(const QByteArray &name);
// The account of a user id, shown as shownName() shows a name ("user <id>" when no account has it).
QString accountName(unsigned uid);

} // namespace platform
