#include "platform/Float_Num_Formatter.h"

#include <QLocale>

#include <cmath>

Float_Num_Formatter::Float_Num_Formatter(QObject *parent) : QValidator(parent) {}

bool Float_Num_Formatter::isAccepted(const QString &text)
{
    const QString number = text.trimmed();
    if (number.isEmpty())
        return true;
    // Digits, one point, an exponent: what reads entirely as one number (never "inf" or "nan").
    for (const QChar c : number)
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char('-') && c != QLatin1Char('+')
            && c != QLatin1Char('e') && c != QLatin1Char('E'))
            return false;
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok && std::isfinite(value);
}

QValidator::State Float_Num_Formatter::validate(QString &input, int &) const
{
    return isAccepted(input) ? Acceptable : Invalid;
}
