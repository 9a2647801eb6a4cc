// Dates in workbooks: which number formats are dates, the Unicode date pattern of a format code,
// and a serial day number as text.

#include "data/SpreadsheetWriter.h"

#include "core/DateText.h"

#include <QDateTime>
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

QString SpreadsheetWriter::Excel_Xml_Date_To_String(const QString &text, const QString &pattern) const
{
    if (!pattern.isEmpty() && !hasPatternField(pattern))
        return text;
    bool ok = false;
    const double x = text.trimmed().toDouble(&ok);
    // Serials past 31 December 9999, negative ones and texts that are no number keep their text.
    if (!ok || !std::isfinite(x) || x < 0 || x >= 2958466.0)
        return text;
    const qint64 days = qint64(std::trunc(x));
    const double f = x - double(days);
    const double H = 24.0 * f;
    const int hours = int(std::trunc(H));
    const double M = 60.0 * (H - hours);
    const int minutes = int(std::trunc(M));
    const int seconds = int(std::lround(60.0 * (M - minutes)));
    const QDate date = QDate(1899, 12, 30).addDays(days);
    const QDateTime moment =
        QDateTime(date, QTime(0, 0), Qt::LocalTime).addSecs(qint64(hours) * 3600 + minutes * 60 + seconds);
    QString format = pattern;
    if (format.isEmpty()) {
        if (date.year() == 1899 || date.year() == 1900)
            format = QStringLiteral("hh:mm:ss a");
        else if (hours == 0 && minutes == 0 && seconds == 0)
            format = QStringLiteral("dd-MM-yyyy");
        else
            format = QStringLiteral("dd-MM-yyyy hh:mm:ss a");
    }
    return Format_Unicode_Date(moment, format, QLocale());
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
