// Dates in workbooks: which number formats are dates, the Unicode date pattern of a format code,
// and a serial day number as text.

#include "io/SpreadsheetWriter.h"

#include "core/DateText.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>

#include <cmath>

namespace {

struct Token {
    enum Kind { Literal, Day, Month, Year, Hour, Second, AmPm } kind = Literal;
    int count = 0;
    QString text;   // Literal
};

bool startsWithNoCase(const QString &code, qsizetype at, QLatin1String what)
{
    return QStringView(code).mid(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

// The first section of a code: up to the first ";" outside quotes, brackets and escapes.
QString firstSection(const QString &code)
{
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (quoted) {
            quoted = c != QLatin1Char('"');
        } else if (bracket) {
            bracket = c != QLatin1Char(']');
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char('[')) {
            bracket = true;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;
        } else if (c == QLatin1Char(';')) {
            return code.left(i);
        }
    }
    return code;
}

void addLiteral(QList<Token> &tokens, const QString &text)
{
    if (text.isEmpty())
        return;
    if (!tokens.isEmpty() && tokens.last().kind == Token::Literal)
        tokens.last().text += text;
    else
        tokens.append({Token::Literal, 0, text});
}

QList<Token> tokenize(const QString &section)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < section.size();) {
        const QChar c = section.at(i);
        const QChar lower = c.toLower();
        if (c == QLatin1Char('"')) {
            const qsizetype close = section.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? section.size() : close;
            addLiteral(tokens, section.mid(i + 1, end - i - 1));
            i = end + 1;
        } else if (c == QLatin1Char('\\')) {
            addLiteral(tokens, section.mid(i + 1, 1));
            i += 2;
        } else if (c == QLatin1Char('_') || c == QLatin1Char('*')) {
            i += 2;   // padding and fill characters take no text of their own
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = section.indexOf(QLatin1Char(']'), i + 1);
            const qsizetype end = close < 0 ? section.size() : close;
            const QString inside = section.mid(i + 1, end - i - 1).toLower();
            // Elapsed hours, minutes and seconds; colours, locales and conditions carry no text.
            if (!inside.isEmpty() && inside.count(inside.at(0)) == inside.size()
                && (inside.at(0) == QLatin1Char('h') || inside.at(0) == QLatin1Char('m') || inside.at(0) == QLatin1Char('s'))) {
                const Token::Kind kind = inside.at(0) == QLatin1Char('h')   ? Token::Hour
                                         : inside.at(0) == QLatin1Char('s') ? Token::Second
                                                                            : Token::Month;   // resolved below
                tokens.append({kind, int(inside.size()), QString()});
            }
            i = end + 1;
        } else if (startsWithNoCase(section, i, QLatin1String("am/pm"))) {
            tokens.append({Token::AmPm, 1, QString()});
            i += 5;
        } else if (startsWithNoCase(section, i, QLatin1String("a/p"))) {
            tokens.append({Token::AmPm, 1, QString()});
            i += 3;
        } else if (lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')
                   || lower == QLatin1Char('h') || lower == QLatin1Char('s')) {
            qsizetype j = i;
            while (j < section.size() && section.at(j).toLower() == lower)
                ++j;
            const Token::Kind kind = lower == QLatin1Char('d')   ? Token::Day
                                     : lower == QLatin1Char('m') ? Token::Month
                                     : lower == QLatin1Char('y') ? Token::Year
                                     : lower == QLatin1Char('h') ? Token::Hour
                                                                 : Token::Second;
            tokens.append({kind, int(j - i), QString()});
            i = j;
        } else {
            addLiteral(tokens, QString(c));
            ++i;
        }
    }
    return tokens;
}

// Literal text in a Unicode pattern: runs with letters are quoted, a quote written twice.
QString patternLiteral(const QString &text)
{
    bool letters = false;
    for (QChar c : text)
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || c == QLatin1Char('\''))
            letters = true;
    if (!letters)
        return text;
    QString out = QStringLiteral("'");
    for (QChar c : text)
        out += c == QLatin1Char('\'') ? QStringLiteral("''") : QString(c);
    return out + QLatin1Char('\'');
}

bool isPatternLetter(QChar c) { return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')); }

// Whether a pattern has a field letter outside quotes.
bool hasPatternField(const QString &pattern)
{
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && isPatternLetter(c))
            return true;
    }
    return false;
}

} // namespace

QString Translate_Excel_Date_Code(const QString &formatCode)
{
    QList<Token> tokens = tokenize(firstSection(formatCode));
    bool hasDate = false;
    bool hasAmPm = false;
    for (const Token &t : tokens) {
        if (t.kind == Token::AmPm)
            hasAmPm = true;
        else if (t.kind != Token::Literal)
            hasDate = true;
    }
    if (!hasDate)
        return QString();
    // m and mm are minutes right after an hour or right before a second, else the month.
    QList<bool> minutes(tokens.size(), false);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens.at(i).kind != Token::Month)
            continue;
        qsizetype p = i - 1;
        while (p >= 0 && (tokens.at(p).kind == Token::Literal || tokens.at(p).kind == Token::AmPm))
            --p;
        qsizetype n = i + 1;
        while (n < tokens.size() && (tokens.at(n).kind == Token::Literal || tokens.at(n).kind == Token::AmPm))
            ++n;
        const bool afterHour = p >= 0 && tokens.at(p).kind == Token::Hour;
        const bool beforeSecond = n < tokens.size() && tokens.at(n).kind == Token::Second;
        minutes[i] = tokens.at(i).count <= 2 && (afterHour || beforeSecond);
    }
    QString pattern;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token &t = tokens.at(i);
        switch (t.kind) {
        case Token::Literal:
            pattern += patternLiteral(t.text);
            break;
        case Token::Day:
            pattern += t.count == 1 ? QStringLiteral("d") : t.count == 2 ? QStringLiteral("dd")
                       : t.count == 3                      ? QStringLiteral("EEE")
                                                           : QStringLiteral("EEEE");
            break;
        case Token::Month:
            if (minutes.at(i))
                pattern += t.count == 1 ? QStringLiteral("m") : QStringLiteral("mm");
            else
                pattern += QString(qMin(t.count, 5), QLatin1Char('M'));
            break;
        case Token::Year:
            pattern += t.count <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
            break;
        case Token::Hour:
            // Without an AM/PM marker the hour runs 0 to 23.
            pattern += QString(qMin(t.count, 2), hasAmPm ? QLatin1Char('h') : QLatin1Char('H'));
            break;
        case Token::Second:
            pattern += t.count == 1 ? QStringLiteral("s") : QStringLiteral("ss");
            break;
        case Token::AmPm:
            pattern += QLatin1Char('a');
            break;
        }
    }
    return pattern.trimmed();
}

QString SpreadsheetWriter::Get_Date_Time_Format_String(int numFmtId) const
{
    for (const auto &pair : Styles_Fmt_Code) {
        bool ok = false;
        if (pair.first.trimmed().toInt(&ok) == numFmtId && ok)
            return Translate_Excel_Date_Code(pair.second);
    }
    return QString();
}

bool SpreadsheetWriter::isDateFormat(int numFmtId) const
{
    if ((numFmtId >= 14 && numFmtId <= 17) || (numFmtId >= 19 && numFmtId <= 22))
        return true;
    if (numFmtId >= 164)
        return !Get_Date_Time_Format_String(numFmtId).isEmpty();
    return false;
}

namespace {

// A serial's date and time of day, seconds rounded; nothing for a text that is no date.
struct Serial {
    bool ok = false;
    QDateTime moment;
    QDate date;      // the moment's date and time of day, seconds carried
    int secondOfDay = 0;
    bool midnight = false;
    int year = 0;
};

Serial parseSerial(const QString &text)
{
    Serial s;
    bool ok = false;
    const double x = text.trimmed().toDouble(&ok);
    // Serials past 31 December 9999, negative ones and texts that are no number keep their text.
    if (!ok || !std::isfinite(x) || x < 0 || x >= 2958466.0)
        return s;
    const qint64 days = qint64(std::trunc(x));
    const double f = x - double(days);
    const double H = 24.0 * f;
    const int hours = int(std::trunc(H));
    const double M = 60.0 * (H - hours);
    const int minutes = int(std::trunc(M));
    const int seconds = int(std::lround(60.0 * (M - minutes)));
    const QDate date = QDate(1899, 12, 30).addDays(days);
    // The serial is a wall-clock time: composed without a zone, so that no daylight-saving change
    // moves it; the patterns here have no zone field.
    int second = hours * 3600 + minutes * 60 + seconds;
    s.date = date;
    if (second >= 86400) {   // a second rounded up to the next day
        second -= 86400;
        s.date = date.addDays(1);
    }
    s.secondOfDay = second;
    s.moment = QDateTime(s.date, QTime(0, 0).addSecs(second), Qt::UTC);
    s.midnight = hours == 0 && minutes == 0 && seconds == 0;
    s.year = date.year();
    s.ok = true;
    return s;
}

QString defaultPattern(const Serial &s)
{
    if (s.year == 1899 || s.year == 1900)
        return QStringLiteral("hh:mm:ss a");
    if (s.midnight)
        return QStringLiteral("dd-MM-yyyy");
    return QStringLiteral("dd-MM-yyyy hh:mm:ss a");
}

// The Qt format of a pattern when it does not depend on the moment (most do not), so that it is
// translated once; else empty.
QString fixedFormat(const QString &pattern, const QLocale &locale)
{
    const QDateTime a(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    const QDateTime b(QDate(2012, 11, 25), QTime(17, 45, 30), Qt::UTC);
    const QString fa = Translate_Unicode_Date_Pattern(pattern, a, locale);
    return fa == Translate_Unicode_Date_Pattern(pattern, b, locale) ? fa : QString();
}

// A Qt date format reduced to tokens that can be written without the locale's calendar machinery:
// numbers, the AM/PM marker and literal text. Names of months and days are left to the locale.
struct QtToken {
    char kind;   // 'L' literal, 'd' 'M' 'y' 'h' 'H' 'm' 's', 'A' marker in upper case, 'a' in lower case
    int count;
    QString literal;
};

bool tokenizeQtFormat(const QString &format, QList<QtToken> &tokens, bool &marker)
{
    marker = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            QString literal;
            if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'')) {
                tokens.append({'L', 0, QStringLiteral("'")});
                i += 2;
                continue;
            }
            ++i;
            while (i < format.size()) {
                if (format.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    break;
                }
                literal += format.at(i++);
            }
            ++i;
            tokens.append({'L', 0, literal});
            continue;
        }
        const char16_t u = c.unicode();
        if (u == 'a' || u == 'A') {
            const bool two = i + 1 < format.size() && (format.at(i + 1) == QLatin1Char('p') || format.at(i + 1) == QLatin1Char('P'));
            tokens.append({u == 'A' ? 'A' : 'a', 1, QString()});
            marker = true;
            i += two ? 2 : 1;
            continue;
        }
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) {
            qsizetype j = i;
            while (j < format.size() && format.at(j) == c)
                ++j;
            const int count = int(j - i);
            const bool numeric = ((u == 'd' || u == 'M' || u == 'h' || u == 'H' || u == 'm' || u == 's') && count <= 2)
                                 || (u == 'y' && (count == 2 || count == 4));
            if (!numeric)
                return false;
            tokens.append({char(u), count, QString()});
            i = j;
            continue;
        }
        tokens.append({'L', 0, QString(c)});
        ++i;
    }
    return true;
}

void appendNumber(QString &out, int value, int width)
{
    const QString digits = QString::number(value);
    for (qsizetype k = digits.size(); k < width; ++k)
        out += QLatin1Char('0');
    out += digits;
}

QString formatTokens(const QList<QtToken> &tokens, bool marker, const Serial &s, const QString &am, const QString &pm)
{
    int y = 0, mo = 0, d = 0;
    s.date.getDate(&y, &mo, &d);
    const int hour = s.secondOfDay / 3600, minute = s.secondOfDay / 60 % 60, second = s.secondOfDay % 60;
    QString out;
    out.reserve(24);
    for (const QtToken &t : tokens) {
        switch (t.kind) {
        case 'L': out += t.literal; break;
        case 'd': appendNumber(out, d, t.count); break;
        case 'M': appendNumber(out, mo, t.count); break;
        case 'y': appendNumber(out, t.count == 2 ? y % 100 : y, t.count); break;
        case 'h': appendNumber(out, marker ? (hour % 12 == 0 ? 12 : hour % 12) : hour, t.count); break;
        case 'H': appendNumber(out, hour, t.count); break;
        case 'm': appendNumber(out, minute, t.count); break;
        case 's': appendNumber(out, second, t.count); break;
        case 'A': out += (hour < 12 ? am : pm).toUpper(); break;
        case 'a': out += (hour < 12 ? am : pm).toLower(); break;
        default: break;
        }
    }
    return out;
}

} // namespace

QString SpreadsheetWriter::dateText(std::size_t style, const QString &text, const QLocale &locale)
{
    // The Qt format of each pattern, translated once per thread and locale.
    struct Format {
        QString qt;               // the fixed Qt format, "" when it varies with the moment
        bool fast = false;        // written from tokens
        bool marker = false;
        QList<QtToken> tokens;
    };
    struct Cache {
        QLocale locale;
        QString am, pm;
        bool asciiDigits = true;
        QHash<QString, Format> formats;   // by pattern
    };
    static thread_local Cache cache;
    if (cache.locale != locale || cache.am.isEmpty()) {
        cache.locale = locale;
        cache.formats.clear();
        cache.am = locale.amText();
        cache.pm = locale.pmText();
        cache.asciiDigits = locale.zeroDigit() == QLatin1String("0");
    }
    const QString &pattern = m_dateStyles[style].pattern;
    if (!pattern.isEmpty() && !hasPatternField(pattern))
        return text;
    const Serial s = parseSerial(text);
    if (!s.ok)
        return text;
    const QString use = pattern.isEmpty() ? defaultPattern(s) : pattern;
    auto found = cache.formats.constFind(use);
    if (found == cache.formats.cend()) {
        Format f;
        f.qt = fixedFormat(use, locale);
        f.fast = !f.qt.isEmpty() && cache.asciiDigits && tokenizeQtFormat(f.qt, f.tokens, f.marker);
        found = cache.formats.insert(use, f);
    }
    const Format &format = found.value();
    if (format.fast)
        return formatTokens(format.tokens, format.marker, s, cache.am, cache.pm);
    return format.qt.isEmpty() ? Format_Unicode_Date(s.moment, use, locale) : locale.toString(s.moment, format.qt);
}

QString SpreadsheetWriter::Excel_Xml_Date_To_String(const QString &text, const QString &pattern) const
{
    if (!pattern.isEmpty() && !hasPatternField(pattern))
        return text;
    const Serial s = parseSerial(text);
    if (!s.ok)
        return text;
    return Format_Unicode_Date(s.moment, pattern.isEmpty() ? defaultPattern(s) : pattern, QLocale());
}

void SpreadsheetWriter::prepareDateStyles()
{
    m_dateStyles.clear();
    m_dateStyles.reserve(std::size_t(Styles.size()));
    for (const QString &entry : Styles) {
        bool ok = false;
        const int id = entry.trimmed().toInt(&ok);
        DateStyle style;
        if (ok && id != 0 && isDateFormat(id)) {
            style.date = true;
            style.pattern = Get_Date_Time_Format_String(id);
        }
        m_dateStyles.push_back(style);
    }
    m_dateStylesReady = true;
}
