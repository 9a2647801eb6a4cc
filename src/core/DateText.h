#pragma once
// Dates and times as text. Patterns are written in the Unicode date-pattern syntax ("M-d-yyyy",
// "h:mm:ss a", "dd-MMM-yy" ...), as they are stored, and translated to Qt's format here, where the
// text is produced.

#include <QDateTime>
#include <QLocale>
#include <QString>

// The Qt format string that gives the same text as the Unicode pattern for this moment. Letters Qt
// has no equal for (a 12-hour hour without AM/PM, 'k', 'K', eras, fractions, zone offsets) come out
// as quoted literal text.
QString Translate_Unicode_Date_Pattern(const QString &pattern, const QDateTime &moment, const QLocale &locale);
// The moment formatted with a Unicode pattern in the locale.
QString Format_Unicode_Date(const QDateTime &moment, const QString &pattern, const QLocale &locale = QLocale());

// The current date and time formatted with the pattern, in the user's locale and time zone. The
// two behave identically; the insert-date and insert-time commands each call their own.
QString Get_date_Value(const QString &pattern);
QString Get_time_Value(const QString &pattern);
