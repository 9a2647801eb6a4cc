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

double leadingDecimal(const QString &text)
{
    // A whole number as a field takes it first, so a margin typed in the locale's own digits is laid
    // out as the field shows it.
    if (const std::optional<double> typed = typedNumber(text))
        return *typed;
    const qsizetype start = firstNonBlank(text);
    const qsizetype end = numberEnd(text, start, true, true);
    return end == start ? 0.0 : fieldValue(text.mid(start, end - start));
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

std::optional<QByteArray> typedNumberText(const QString &text)
{
    // The locale's own digits and decimal point read as well as the plain ones: a user of ar_EG types
    // "١٢٫٥" as they see it shown. Its group separator stays no number, as every other one does.
    const QLocale locale;
    const char16_t zero = locale.zeroDigit().size() == 1 ? locale.zeroDigit().at(0).unicode() : u'0';
    const QString localePoint = locale.decimalPoint();
    const auto digitOf = [zero](QChar c) -> int {
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            return c.unicode() - u'0';
        if (c.unicode() >= zero && c.unicode() <= zero + 9)
            return c.unicode() - zero;
        return -1;
    };
    // Marks of writing direction come with a right-to-left locale's signs and are never typed on purpose.
    QString t;
    for (const QChar c : text)
        if (c != QChar(0x200E) && c != QChar(0x200F) && c != QChar(0x061C))
            t.append(c);
    t = t.trimmed();
    qsizetype i = 0;
    QByteArray plain;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QChar(0x2212) || t.at(i) == QLatin1Char('+'))) {
        if (t.at(i) != QLatin1Char('+'))
            plain.append('-');
        ++i;
    }
    bool separator = false;
    bool digits = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (const int d = digitOf(c); d >= 0) {
            digits = true;
            plain.append(char('0' + d));
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',') || (localePoint.size() == 1 && c == localePoint.at(0)))
                   && !separator) {
            separator = true;
            plain.append('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return plain;
}

std::optional<double> typedNumber(const QString &text)
{
    const std::optional<QByteArray> plain = typedNumberText(text);
    if (!plain)
        return std::nullopt;
    // The digits are plain ASCII with a point, so the C reading holds whatever the locale.
    double value = 0;
    const char *end = plain->constData() + plain->size();
    const auto result = std::from_chars(plain->constData(), end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool readsGrouped(const QString &text)
{
    const std::optional<QByteArray> plain = typedNumberText(text);
    if (!plain || !(text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(','))))
        return false;
    const qsizetype sign = plain->startsWith('-') ? 1 : 0, point = plain->indexOf('.');
    return point - sign >= 1 && point - sign <= 3 && plain->at(sign) != '0' && plain->size() - point - 1 == 3;
}

QString localePairValue(double value, PairFormat format)
{
    const QLocale locale;
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

double fieldValue(const QString &text) { return typedNumber(text).value_or(0.0); }

} // namespace platform
