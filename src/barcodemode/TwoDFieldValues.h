#pragma once
// Numbers of text fields as the 2D settings read them: the leading number of the text after white
// space, 0 when there is none ("12.7" reads 12 as an integer, "abc" reads 0).

#include "platform/StepperField.h"

#include <QLineEdit>
#include <QString>

#include <algorithm>
#include <climits>
#include <cmath>

namespace twod {

inline int leadingInt(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        negative = t[i++] == QLatin1Char('-');
    long long v = 0;
    for (; i < t.size() && t[i].unicode() >= '0' && t[i].unicode() <= '9'; ++i)
        v = std::min<long long>(v * 10 + (t[i].unicode() - '0'), INT_MAX);
    return int(negative ? -v : v);
}

inline double leadingDouble(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype end = 0;
    bool dot = false;
    while (end < t.size()) {
        const QChar c = t.at(end);
        if (c.unicode() >= '0' && c.unicode() <= '9') {
        } else if (c == QLatin1Char('.') && !dot) {
            dot = true;
        } else if (end == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))) {
        } else {
            break;
        }
        ++end;
    }
    bool ok = false;
    const double v = t.left(end).toDouble(&ok);
    return ok ? v : 0.0;
}

// A field reads what the user typed as every number field does ("2,5" is 2.5); no number reads 0.
inline int fieldInt(const QLineEdit *field)
{
    return int(std::clamp<double>(std::trunc(platform::fieldValue(field)), INT_MIN, INT_MAX));
}
inline double fieldDouble(const QLineEdit *field) { return platform::fieldValue(field); }

// An integer as an integer field shows it ("%d").
inline void setFieldInt(QLineEdit *field, int value)
{
    if (field)
        field->setText(QString::asprintf("%d", value));
}

} // namespace twod
