#include "platform/StepperField.h"

#include "platform/Stepper.h"

#include <QLineEdit>
#include <QObject>

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

bool copyPair(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    // The kind of the sender decides, as the handlers of the pairs ask it.
    const bool fromStepper = qobject_cast<const Stepper *>(sender) != nullptr;
    if (!stepper || !field)
        return fromStepper;
    if (fromStepper) {
        field->setText(formatPairValue(stepper->doubleValue(), format));
    } else if (format == PairFormat::Integer) {
        stepper->setIntValue(leadingInteger(field->text()));
    } else {
        stepper->setDoubleValue(double(float(leadingReal(field->text()))));
    }
    return fromStepper;
}

bool copyPairBounded(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format)
{
    const bool fromStepper = copyPair(sender, stepper, field, format);
    if (fromStepper || !stepper || !field)
        return fromStepper;
    const QString text = field->text();
    const qsizetype start = firstNonBlank(text);
    const bool number = numberEnd(text, start, format != PairFormat::Integer) != start;
    const double typed = format == PairFormat::Integer ? double(leadingInteger(text)) : double(float(leadingReal(text)));
    if (!number || typed != stepper->doubleValue())
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
