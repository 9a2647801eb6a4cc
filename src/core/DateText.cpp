#include "core/DateText.h"

#include <cstdlib>

namespace {

// Literal text in Qt's format: quoted, a quote inside written twice. Qt reads two quotes at the
// start of a section as one literal quote, so leading quotes are written that way instead.
QString quoted(const QString &literal)
{
    const QChar quote = QLatin1Char('\'');
    QString out;
    qsizetype i = 0;
    for (; i < literal.size() && literal.at(i) == quote; ++i)
        out += QStringLiteral("''");
    if (i == literal.size())
        return out;
    out += quote;
    for (; i < literal.size(); ++i) {
        if (literal.at(i) == quote)
            out += QStringLiteral("''");
        else
            out += literal.at(i);
    }
    return out + quote;
}

struct Token {
    QString text;
    bool literal = false;   // plain text, not a Qt field
};

Token field(const char *qtField)
{
    return {QString::fromLatin1(qtField), false};
}

Token text(const QString &literal)
{
    return {literal, true};
}

QString padded(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

// One run of a pattern letter, as Qt format text (or quoted literal text).
Token translateField(QChar letter, int count, const QDateTime &moment, const QLocale &locale, bool hasMarker)
{
    const QTime time = moment.time();
    switch (letter.unicode()) {
    case 'G':
        return text(moment.date().year() > 0 ? QStringLiteral("AD") : QStringLiteral("BC"));
    case 'y':
    case 'Y':
    case 'u':
        return field(count == 2 ? "yy" : "yyyy");
    case 'M':
    case 'L':
        if (count >= 5)
            return text(locale.monthName(moment.date().month(), QLocale::NarrowFormat));
        return {QString(count, QLatin1Char('M')), false};
    case 'd':
        return field(count >= 2 ? "dd" : "d");
    case 'D':
        return text(padded(moment.date().dayOfYear(), count));
    case 'E':
    case 'e':
    case 'c':
        if ((letter != QLatin1Char('E')) && count <= 2)
            return text(padded(moment.date().dayOfWeek() % 7 + 1, count));   // Sunday is 1
        if (count >= 5)
            return text(locale.dayName(moment.date().dayOfWeek(), QLocale::NarrowFormat));
        return field(count == 4 ? "dddd" : "ddd");
    case 'a':
        return field("AP");
    case 'h':
        if (hasMarker)
            return field(count >= 2 ? "hh" : "h");
        return text(padded(time.hour() % 12 == 0 ? 12 : time.hour() % 12, count));
    case 'H':
        return field(count >= 2 ? "HH" : "H");
    case 'K':
        return text(padded(time.hour() % 12, count));
    case 'k':
        return text(padded(time.hour() == 0 ? 24 : time.hour(), count));
    case 'm':
        return field(count >= 2 ? "mm" : "m");
    case 's':
        return field(count >= 2 ? "ss" : "s");
    case 'S': {
        // Fractional seconds, truncated (or padded with zeros) to the count.
        const QString ms = padded(time.msec(), 3);
        return text(count <= 3 ? ms.left(count) : ms + QString(count - 3, QLatin1Char('0')));
    }
    case 'Z':
    case 'x':
    case 'X': {
        const int offset = moment.offsetFromUtc();
        if (offset == 0 && letter == QLatin1Char('X'))
            return text(QStringLiteral("Z"));
        const int minutes = std::abs(offset) / 60;
        return text(QString(offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) + padded(minutes / 60, 2)
                      + padded(minutes % 60, 2));
    }
    case 'z':
    case 'v':
    case 'V':
    case 'O':
        return field("t");
    default:
        return text(QString(count, letter));
    }
}

bool isPatternLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

} // namespace

QString Translate_Unicode_Date_Pattern(const QString &pattern, const QDateTime &moment, const QLocale &locale)
{
    // The AM/PM marker turns Qt's 'h' into a 12-hour hour; without it 'h' must be computed here.
    bool hasMarker = false;
    bool inQuote = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            inQuote = !inQuote;
        else if (!inQuote && c == QLatin1Char('a'))
            hasMarker = true;
    }

    QString out;
    QString literal;
    const qsizetype n = pattern.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\'')) {
            // Quoted text; '' is one quote, inside or outside quotes.
            if (i + 1 < n && pattern.at(i + 1) == QLatin1Char('\'')) {
                literal += QLatin1Char('\'');
                i += 2;
                continue;
            }
            ++i;
            while (i < n) {
                if (pattern.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && pattern.at(i + 1) == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += pattern.at(i++);
            }
            continue;
        }
        if (isPatternLetter(c)) {
            qsizetype j = i;
            while (j < n && pattern.at(j) == c)
                ++j;
            const Token token = translateField(c, int(j - i), moment, locale, hasMarker);
            if (token.literal) {
                literal += token.text;
            } else if (literal.isEmpty() && !out.isEmpty() && out.back() == token.text.front()) {
                // Qt would read two touching fields of one letter ("ddd" + "d") as one: write the
                // second as its text.
                literal += locale.toString(moment, token.text);
            } else {
                out += quoted(literal);
                literal.clear();
                out += token.text;
            }
            i = j;
            continue;
        }
        literal += c;
        ++i;
    }
    out += quoted(literal);
    return out;
}

QString Format_Unicode_Date(const QDateTime &moment, const QString &pattern, const QLocale &locale)
{
    return locale.toString(moment, Translate_Unicode_Date_Pattern(pattern, moment, locale));
}

QString Get_date_Value(const QString &pattern)
{
    return Format_Unicode_Date(QDateTime::currentDateTime(), pattern);
}

QString Get_time_Value(const QString &pattern)
{
    return Format_Unicode_Date(QDateTime::currentDateTime(), pattern);
}
