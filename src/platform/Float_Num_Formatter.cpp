#include "platform/Float_Num_Formatter.h"

#include <QLocale>

#include <algorithm>

Float_Num_Formatter::Float_Num_Formatter(QObject *parent) : QValidator(parent) {}

bool Float_Num_Formatter::isTypable(const QString &text)
{
    // The locale's own digits, decimal point and signs too, with the marks of writing direction they
    // come with: the readers take "١٢٫٥" under ar_EG, so its keystrokes stand. Its group sign stands
    // too, for the field to refuse with its message when the typing ends, not drop unsaid.
    const QLocale locale;
    const char16_t zero = locale.zeroDigit().size() == 1 ? locale.zeroDigit().at(0).unicode() : u'0';
    const QString own = locale.decimalPoint() + locale.groupSeparator() + locale.negativeSign() + locale.positiveSign() +
                        QStringLiteral("\u2212\u200E\u200F\u061C");
    return std::all_of(text.begin(), text.end(), [&](QChar c) {
        const bool digit = (c.unicode() >= u'0' && c.unicode() <= u'9') || (c.unicode() >= zero && c.unicode() <= zero + 9);
        return digit || c.isSpace() || QStringLiteral(".,+-eE").contains(c) || own.contains(c);
    });
}

QValidator::State Float_Num_Formatter::validate(QString &input, int &) const
{
    // Dropping a keystroke of a number would make another number of the rest (",5" read as 5,
    // "1e2" as 12): what a number may hold stands, and what does not read is refused when the
    // editing ends.
    return isTypable(input) ? Acceptable : Invalid;
}
