#include "data/SeriesGenerator.h"

#include <QRandomGenerator>

#include <algorithm>
#include <limits>

namespace series_generator {

namespace {

const QString kFromMessage = QStringLiteral("Please enter valid 'From' value.");
const QString kToMessage = QStringLiteral("Please enter valid 'To' value.");
const QString kOrderMessage = QStringLiteral("'From' value must be smaller than 'To' value.");
const QString kRangeMessage = QStringLiteral("Please enter a range of at most 1000000 values.");
const QString kValueMessage = QStringLiteral("Please enter valid 'Value'.");
const QString kCountMessage = QStringLiteral("Please enter valid 'Count' value.");
const QString kLengthMessage = QStringLiteral("Please enter valid 'Length' value.");

// A count field's value: its integer, or 1 when it holds none (the limits keep it at 1 or more).
int countOf(const QString &text) { return int(std::clamp<qint64>(scanInteger(text).value_or(1), 1, kMaxCount)); }

} // namespace

std::optional<qint64> scanInteger(const QString &text)
{
    // Leading white space and one sign, then decimal digits and nothing after them.
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    if (i >= text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return value;
}

std::optional<Refusal> validate(const Input &in)
{
    switch (in.mode) {
    case Mode::Sequential: {
        if (in.from.isEmpty())
            return Refusal{kFromMessage, Field::From};
        if (in.to.isEmpty())
            return Refusal{kToMessage, Field::To};
        const std::optional<qint64> from = scanInteger(in.from), to = scanInteger(in.to);
        if (!from)
            return Refusal{kFromMessage, Field::From};
        if (!to)
            return Refusal{kToMessage, Field::To};
        if (*from >= *to)
            return Refusal{kOrderMessage, Field::From};
        if (*to - *from + 1 > kMaxSequentialValues)
            return Refusal{kRangeMessage, Field::To};
        return std::nullopt;
    }
    case Mode::Constant:
        if (in.value.isEmpty())
            return Refusal{kValueMessage, Field::Value};
        if (in.count.isEmpty())
            return Refusal{kCountMessage, Field::Count};
        return std::nullopt;
    case Mode::Random:
        if (in.randCount.isEmpty())
            return Refusal{kCountMessage, Field::RandomCount};
        if (in.randLength.isEmpty())
            return Refusal{kLengthMessage, Field::RandomLength};
        return std::nullopt;
    }
    return std::nullopt;
}

qint64 valueCount(const Input &in)
{
    switch (in.mode) {
    case Mode::Sequential: {
        const qint64 from = scanInteger(in.from).value_or(0), to = scanInteger(in.to).value_or(0);
        return to >= from ? to - from + 1 : 0;
    }
    case Mode::Constant:
        return countOf(in.count);
    case Mode::Random:
        return countOf(in.randCount);
    }
    return 0;
}

bool produce(const Input &in, const std::function<bool(const QString &)> &sink)
{
    switch (in.mode) {
    case Mode::Sequential: {
        const qint64 from = scanInteger(in.from).value_or(0), to = scanInteger(in.to).value_or(0);
        // The width counts the texts as typed, so zeros typed in front widen it.
        const int width = int(std::max(in.from.size(), in.to.size()));
        // Counted in 64 bits: a sequence ending at the largest integer ends.
        for (qint64 n = from; n <= to; ++n) {
            QString text = QString::number(n);
            if (in.padding)
                text = PadZero(text, width);
            if (!sink(in.prefix + text + in.suffix))
                return false;
        }
        return true;
    }
    case Mode::Constant: {
        const int count = countOf(in.count);
        for (int i = 0; i < count; ++i)
            if (!sink(in.value))
                return false;
        return true;
    }
    case Mode::Random: {
        const int count = countOf(in.randCount);
        const int length = int(std::clamp<qint64>(scanInteger(in.randLength).value_or(1), 1, kMaxLength));
        qint64 low = 1;
        for (int i = 1; i < length; ++i)
            low *= 10;
        const qint64 high = low * 10 - 1;
        for (int i = 0; i < count; ++i)
            if (!sink(in.randPrefix + QString::number(getRandomNumberBetweenMin(low, high)) + in.randSuffix))
                return false;
        return true;
    }
    }
    return true;
}

QString limitCount(const QString &text)
{
    const QString trimmed = text.trimmed();
    QString out = text;
    const std::optional<qint64> value = scanInteger(trimmed);
    // A count below 1 (also a pasted negative one) is no count.
    if (trimmed.isEmpty() || !value || *value < 1)
        out = QStringLiteral("1");
    else if (trimmed.size() > 5)
        out = trimmed.left(5);
    if (scanInteger(out).value_or(0) > kMaxCount)
        out = QString::number(kMaxCount);
    return out;
}

QString limitLength(const QString &text)
{
    const QString trimmed = text.trimmed();
    QString out = text;
    const std::optional<qint64> value = scanInteger(trimmed);
    if (trimmed.isEmpty() || !value || *value < 1)
        out = QStringLiteral("1");
    else if (trimmed.size() > 1)
        out = trimmed.left(1);
    if (scanInteger(out).value_or(0) > kMaxLength)
        out = QString::number(kMaxLength);
    if (scanInteger(out).value_or(0) < 1)
        out = QStringLiteral("1");
    return out;
}

QString PadZero(const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString zeros(width - text.size(), QLatin1Char('0'));
    return negative ? QLatin1Char('-') + zeros + text.mid(1) : zeros + text;
}

qint64 getRandomNumberBetweenMin(qint64 min, qint64 max)
{
    if (max <= min)
        return min;
    // bounded() draws without the modulo bias of a plain remainder.
    return QRandomGenerator::system()->bounded(min, max + 1);
}

} // namespace series_generator
