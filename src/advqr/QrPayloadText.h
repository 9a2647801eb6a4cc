#pragma once
// The text operations of the QR payload builder and parser: cutting at labels, and the escapes and
// percent-encodings of the forms that phones read (vCard, iCalendar, the Wi-Fi form, URIs).

#include <QString>
#include <QStringList>

namespace qrpayload::text {

// The text before the first occurrence of a label and the text behind it; both empty when the
// label does not occur, so that a missing label empties every field from there on.
struct Split {
    QString before;
    QString after;
};
Split split(const QString &text, const QString &label);

// The text without the prefix when it starts with it, else the text unchanged.
QString removePrefix(const QString &text, const QString &prefix);
// The text with its end trimmed as Trim_Str trims it; the start stays.
QString trimEnd(const QString &text);

// UTF-8 percent-encoding: letters, digits and "-._~" stay, and the characters of keep; every other
// byte becomes "%XX" (upper-case hex).
QString percentEncode(const QString &text, const char *keep = "");
// Every "%XX" with two hex digits becomes its byte; anything else stays; the bytes are read as UTF-8.
QString percentDecode(const QString &text);

// vCard 3.0 text values: backslash, semicolon and comma get a backslash, line breaks become "\n".
QString vcardEscape(const QString &value);
// "\\", "\;", "\," and "\n" (or "\N") undone; a backslash before anything else stays as it is.
QString vcardUnescape(const QString &value);
// The value cut at every semicolon that no backslash escapes (the pieces still escaped).
QStringList splitUnescaped(const QString &value, QChar separator);

// iCalendar text values: backslash, semicolon and comma get a backslash, line breaks become "\n".
QString icalEscape(const QString &value);
// The Wi-Fi form's values: backslash, semicolon, comma, colon and double quote get a backslash.
QString wifiEscape(const QString &value);

} // namespace qrpayload::text
