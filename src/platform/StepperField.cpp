#include "platform/StepperField.h"

#include "platform/Stepper.h"

#include <QLineEdit>
#include <QObject>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

namespace {

// The length of the number at the start of t (after leading blanks): sign, digits, one point, digits.
qsizetype numberEnd(const QString &t, qsizetype start, bool allowPoint)
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
        } else if (c == QLatin1Char('.') && allowPoint && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    return digits ? i : start;
}

// A typed value as a field of the format holds it: whole for an integer field, single precision
// for a real one, two decimals for a two-decimal one.
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

std::optional<double> typedNumber(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    QByteArray plain = t.left(i).toLatin1();
    bool separator = false;
    bool digits = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            digits = true;
            plain.append(char(c.unicode()));
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !separator) {
            separator = true;
            plain.append('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    // The digits are plain ASCII with a point, so the C reading holds whatever the locale.
    double value = 0;
    const auto result = std::from_chars(plain.constData() + (plain.startsWith('+') ? 1 : 0),
                                        plain.constData() + plain.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double fieldValue(const QString &text) { return typedNumber(text).value_or(0.0); }

double fieldValue(const QLineEdit *field) { return field ? fieldValue(field->text()) : 0.0; }

bool copyPair(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    // The kind of the sender decides, as the handlers of the pairs ask it.
    const bool fromStepper = qobject_cast<const Stepper *>(sender) != nullptr;
    if (!stepper || !field)
        return fromStepper;
    if (fromStepper) {
        field->setText(formatPairValue(stepper->doubleValue(), format));
    } else {
        // Text that is no number reads as 0, as it always has; the stepper's range bounds it.
        const double typed = fieldValue(field->text());
        if (format == PairFormat::Integer)
            stepper->setIntValue(int(formatValue(typed, format)));
        else
            stepper->setDoubleValue(formatValue(typed, format));
    }
    return fromStepper;
}

bool copyPairBounded(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    const bool fromStepper = copyPair(sender, stepper, field, format);
    if (fromStepper || !stepper || !field)
        return fromStepper;
    // The field shows the value it applied: a refused text, a value out of range and "40,25"
    // alike are replaced by the stepper's value in the field's own format.
    const QString text = field->text();
    const std::optional<double> typed = typedNumber(text);
    const bool plain = text == text.trimmed() && !text.contains(QLatin1Char(','));
    const bool kept = typed && formatValue(*typed, format) == stepper->doubleValue() &&
                      (format == PairFormat::Real || formatValue(*typed, format) == *typed);
    if (!plain || !kept)
        field->setText(formatPairValue(stepper->doubleValue(), format));
    return fromStepper;
}

void connectPair(Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *sender)> handler)
{
    if (stepper)
        QObject::connect(stepper, &Stepper::stepped, context, [stepper, handler] { handler(stepper); });
    if (field)
        QObject::connect(field, &QLineEdit::editingFinished, context, [field, handler] { handler(field); });
}

} // namespace platform

namespace platform {

void scalePairs(std::initializer_list<std::pair<QLineEdit *, Stepper *>> pairs, float factor)
{
    for (const auto &[field, stepper] : pairs) {
        if (!field)
            continue;
        // Single precision, as the fields were always converted.
        const float value = float(leadingReal(field->text())) * factor;
        field->setText(formatPairValue(value, PairFormat::Real));
        if (stepper)
            stepper->setDoubleValue(value);
    }
}

} // namespace platform
