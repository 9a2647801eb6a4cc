#include "data/OnlyIntegerValueFormatter.h"

#include "data/SeriesGenerator.h"

OnlyIntegerValueFormatter::OnlyIntegerValueFormatter(QObject *parent) : QValidator(parent) {}

QValidator::State OnlyIntegerValueFormatter::validate(QString &input, int &) const
{
    if (input.isEmpty() || series_generator::scanInteger(input))
        return Acceptable;
    // A sign alone may still become a number; OK refuses it if it stays alone.
    const QString t = input.trimmed();
    if (t == QLatin1String("-") || t == QLatin1String("+"))
        return Intermediate;
    return Invalid;
}
