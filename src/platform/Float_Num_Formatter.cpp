#include "platform/Float_Num_Formatter.h"

#include <algorithm>

Float_Num_Formatter::Float_Num_Formatter(QObject *parent) : QValidator(parent) {}

bool Float_Num_Formatter::isTypable(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= '0' && c.unicode() <= '9') || c.isSpace() || QStringLiteral(".,+-eE").contains(c);
    });
}

QValidator::State Float_Num_Formatter::validate(QString &input, int &) const
{
    // Dropping a keystroke of a number would make another number of the rest (",5" read as 5,
    // "1e2" as 12): what a number may hold stands, and what does not read is refused when the
    // editing ends.
    return isTypable(input) ? Acceptable : Invalid;
}
