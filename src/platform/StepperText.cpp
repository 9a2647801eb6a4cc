// The text halves of a stepper and field pair: how a field shows a number and reads what was typed.
// No widget here, so that code without widgets reads typed numbers the same way.

#include "platform/StepperField.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

namespace {

// The length of the number at the start of t (after leading blanks): sign, digits, one point, digits;
// with comma, a comma counts as the point.
qsizetype numberEnd(const QString &t, qsizetype start, bool allowPoint, bool comma = false)
{
    qsizetype i = start;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    bool point = false;
    bool digits = false;
    while (i < t.size()) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
        } else if ((c == QLatin1Char('.') || (comma && c == QLatin1Char(','))) && allowPoint && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    return digits ? i : start;
}

} // namespace

double formatValue(double typed, PairFormat format)
{
    switch (format) {
    case PairFormat::Integer:
        return std::clamp<double>(std::trunc(typed), std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    case PairFormat::TwoDecimals:
        return std::round(typed * 100.0) / 100.0;
    case PairFormat::Real:
        break;
    }
    return double(float(typed));
}

namespace {

qsizetype firstNonBlank(const QString &t)
{
    qsizetype i = 0;
    while (i < t.size() && t.at(i).isSpace())
        ++i;
    return i;
}

} // namespace

QString formatPairValue(double value, PairFormat format)
{
    switch (format) {
    case PairFormat::Integer:
        return QString::asprintf("%d", int(std::lround(value)));
    case PairFormat::TwoDecimals:
        return QString::asprintf("%.2f", value);
    case PairFormat::Real:
        break;
    }
    // The single-precision value in plain decimal notation, as short as reads back to the same float.
    const float f = float(value);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, f, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::asprintf("%g", double(f));
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

double leadingReal(const QString &text)
{
    const qsizetype start = firstNonBlank(text);
    const qsizetype end = numberEnd(text, start, true);
    if (end == start)
        return 0;
    bool ok = false;
    const double v = text.mid(start, end - start).toDouble(&ok);
    return ok ? v : 0.0;
}

double leadingDecimal(const QString &text, double inUse, const QLocale &locale)
{
    if (const std::optional<double> typed = typedNumber(text, locale))
        return *typed;
    // A unit after the number ("2,5mm"): the number before it, read whole as the field reads it. Never
    // the first digits of a text refused as a whole ("1 000", "1e3", "1.000"): the value in use stays.
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isLetter())
        --end;
    const std::optional<double> beforeUnit =
        end < text.size() && end > 0 ? typedNumber(text.left(end), locale) : std::nullopt;
    return beforeUnit.value_or(inUse);
}

int leadingInteger(const QString &text)
{
    const qsizetype start = firstNonBlank(text);
    const qsizetype end = numberEnd(text, start, false);
    if (end == start)
        return 0;
    bool ok = false;
    const qlonglong v = text.mid(start, end - start).toLongLong(&ok);
    if (!ok) {
        // Too many digits for any integer: the nearest end of the range, by the sign.
        return text.at(start) == QLatin1Char('-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(v);
}

namespace {

// The digit c stands for, plain or in the locale's own script (zero is its zero); -1 for none.
int digitOf(QChar c, char16_t zero)
{
    if (c.unicode() >= u'0' && c.unicode() <= u'9')
        return c.unicode() - u'0';
    if (c.unicode() >= zero && c.unicode() <= zero + 9)
        return c.unicode() - zero;
    return -1;
}

char16_t zeroOf(const QLocale &locale)
{
    return locale.zeroDigit().size() == 1 ? locale.zeroDigit().at(0).unicode() : u'0';
}

QChar signOf(const QString &sign) { return sign.size() == 1 ? sign.at(0) : QChar(); }

// Typed text without the marks of writing direction, which come with a right-to-left locale's signs
// and are never typed on purpose, and without the blanks around it.
QString withoutMarks(const QString &text)
{
    QString t;
    for (const QChar c : text)
        if (c != QChar(0x200E) && c != QChar(0x200F) && c != QChar(0x061C))
            t.append(c);
    return t.trimmed();
}

bool isSign(QChar c) { return c == QLatin1Char('-') || c == QChar(0x2212) || c == QLatin1Char('+'); }

} // namespace

bool readsGrouped(const QString &text, NumberKind kind, const QLocale &locale)
{
    // The user's digits and decimal sign read in every field, also in one that shows "." decimals.
    const char16_t zero = zeroOf(QLocale());
    const QChar point = signOf(locale.decimalPoint()), group = signOf(locale.groupSeparator());
    const QChar userPoint = signOf(QLocale().decimalPoint());
    const QString t = withoutMarks(text);
    // The runs of digits and the signs between them.
    QList<qsizetype> runs{0};
    QString between;
    bool first0 = false, lastZeros = true;
    for (qsizetype i = !t.isEmpty() && isSign(t.at(0)) ? 1 : 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (digitOf(c, zero) >= 0) {
            first0 = first0 || (runs.size() == 1 && runs.back() == 0 && digitOf(c, zero) == 0);
            lastZeros = lastZeros && digitOf(c, zero) == 0;
            ++runs.back();
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.') || c == point || c == group || c == userPoint) {
            between.append(c);
            runs.append(0);
            lastZeros = true;
        } else {
            return false;   // no number: refused as such
        }
    }
    if (runs.size() < 2)
        return false;
    // A whole number has no fraction of three digits or more: "1,0000", "01,000" and "١٫٠٠٠" would be 1.
    if (kind == NumberKind::Whole && runs.size() == 2 && runs.back() >= 3)
        return true;
    // One to three digits, then groups of three, each after the locale's group sign or the one of "," and "."
    // that is not its decimal sign: "1,000" would be 1 in a field that takes it for a decimal sign.
    // In a decimal field that shows another locale's decimal sign (Page Setup's "."), the user's own
    // decimal sign stays one: "1,125" typed under de_DE is 1.125 there, never a thousand.
    const QChar sign = between.at(0);
    const bool usersPoint = kind == NumberKind::Decimal && sign == userPoint && userPoint != point;
    const bool groups = !usersPoint && (sign == group || ((sign == QLatin1Char(',') || sign == QLatin1Char('.')) && sign != point));
    // A decimal field too: three zeros or more after the sign that is not the decimal one are a
    // thousand slipped ("1,0000" and "01,000" under en_US), not 1; "0,125" and "2,5" stand.
    if (groups && runs.size() == 2 && runs.back() >= 3 && lastZeros)
        return true;
    return groups && !first0 && runs.front() >= 1 && runs.front() <= 3 && between.count(sign) == between.size()
           && std::all_of(runs.begin() + 1, runs.end(), [](qsizetype n) { return n == 3; });
}

std::optional<QByteArray> typedNumberText(const QString &text, const QLocale &locale)
{
    // The locale's own digits and decimal point read as well as the plain ones: a user of ar_EG types
    // "١٢٫٥" as they see it shown. Its group separator stays no number, as every other one does, and so
    // do grouped thousands.
    const char16_t zero = zeroOf(QLocale());
    const QChar localePoint = signOf(locale.decimalPoint()), userPoint = signOf(QLocale().decimalPoint());
    const QString t = withoutMarks(text);
    qsizetype i = 0;
    QByteArray plain;
    if (i < t.size() && isSign(t.at(i))) {
        if (t.at(i) != QLatin1Char('+'))
            plain.append('-');
        ++i;
    }
    bool separator = false;
    bool digits = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (const int d = digitOf(c, zero); d >= 0) {
            digits = true;
            plain.append(char('0' + d));
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',') || (!localePoint.isNull() && c == localePoint)
                    || (!userPoint.isNull() && c == userPoint)) && !separator) {
            separator = true;
            plain.append('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digits || readsGrouped(text, NumberKind::Decimal, locale))
        return std::nullopt;
    return plain;
}

namespace {

std::optional<double> plainValue(const QByteArray &plain)
{
    // The digits are plain ASCII with a point, so the C reading holds whatever the locale.
    double value = 0;
    const char *end = plain.constData() + plain.size();
    const auto result = std::from_chars(plain.constData(), end, value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> typedNumber(const QString &text, const QLocale &locale)
{
    const std::optional<QByteArray> plain = typedNumberText(text, locale);
    return plain ? plainValue(*plain) : std::nullopt;
}

std::optional<double> storedNumber(const QString &text)
{
    // As the program writes numbers first: "1.125" in a file is no thousand, whatever the locale.
    // A file written where "," was the decimal sign holds it so ("1,125" from de_DE): the program
    // never wrote a grouped thousand there, so its one comma is that decimal sign in every locale.
    QString t = text.trimmed();
    if (std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 128; })) {
        if (!t.contains(QLatin1Char('.')) && t.count(QLatin1Char(',')) == 1)
            t.replace(QLatin1Char(','), QLatin1Char('.'));
        if (const std::optional<double> written = plainValue(t.toLatin1()))
            return written;
    }
    return typedNumber(text);
}

QString localePairValue(double value, PairFormat format, const QLocale &locale)
{
    const QString zero = locale.zeroDigit();
    QString shown;
    for (const QChar c : formatPairValue(value, format)) {
        if (c.isDigit() && zero.size() == 1)
            shown += QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
        else
            shown += c == QLatin1Char('.') ? locale.decimalPoint() : c == QLatin1Char('-') ? locale.negativeSign() : QString(c);
    }
    return shown;
}

double fieldValue(const QString &text, double inUse, const QLocale &locale)
{
    return typedNumber(text, locale).value_or(inUse);
}

} // namespace platform
