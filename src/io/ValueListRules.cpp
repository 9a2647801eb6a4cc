#include "io/ValueListRules.h"

#include "core/Utilities.h"


#include <algorithm>
#include <climits>
#include <stdexcept>

namespace value_list {

const QString &Separator_Value()
{
    static const QString separator(76, QLatin1Char('='));
    return separator;
}

int leadingInt(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;   // saturated; more digits change nothing
    }
    if (negative)
        return static_cast<int>(std::max(-value, static_cast<long long>(INT_MIN)));
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

bool Check_PQ_Number(const QString &text)
{
    const QString t = Trim_Str(text);
    if (t.isEmpty() || leadingInt(t) < 1)
        return true;
    return std::any_of(t.cbegin(), t.cend(), [](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); });
}

QString normalisedPQ(const QString &text)
{
    QString pq = Trim_Str(text);
    if (Check_PQ_Number(pq))
        pq = QStringLiteral("1");
    if (leadingInt(pq) > 1000)
        pq = QStringLiteral("1000");
    return pq;
}

CreateResult createRecord(QList<ValueRecord> &list, const QString &value, const QString &header,
                          const QString &footer, const QString &pq, int index)
{
    const QString v = Trim_Str(value);
    if (v == Separator_Value())
        return CreateResult::Separator;
    const ValueRecord record{{kValue, v},
                             {kHeader, Trim_Str(header)},
                             {kFooter, Trim_Str(footer)},
                             {kPQ, normalisedPQ(pq)}};
    if (list.isEmpty()) {
        list.append(record);
        return CreateResult::Added;
    }
    if (index < 0 || index > list.size())
        return CreateResult::IndexOutOfRange;
    list.insert(index, record);
    return CreateResult::Added;
}

void replaceRecord(QList<ValueRecord> &list, const QString &value, const QString &header, const QString &footer,
                   const QString &pq, int index, bool keepPQ)
{
    if (index < 0 || index >= list.size())
        throw std::out_of_range("Value list: no record at index " + std::to_string(index) + " of "
                                + std::to_string(list.size()) + ".");
    ValueRecord record{{kValue, Trim_Str(value)},
                       {kHeader, Trim_Str(header)},
                       {kFooter, Trim_Str(footer)},
                       {kPQ, Trim_Str(pq)}};
    if (!keepPQ) {
        record[kPQ] = normalisedPQ(record.value(kPQ));
        if (record.value(kValue).isEmpty() && record.value(kHeader).isEmpty() && record.value(kFooter).isEmpty())
            record[kPQ] = QString();
    }
    list[index] = record;
}

bool isBlankRecord(const ValueRecord &record)
{
    if (!Trim_Str(record.value(kValue)).isEmpty() || !Trim_Str(record.value(kHeader)).isEmpty()
        || !Trim_Str(record.value(kFooter)).isEmpty())
        return false;
    const QString pq = Trim_Str(record.value(kPQ));
    return pq.isEmpty() || pq == QStringLiteral("1");
}

qsizetype removeBlankRecords(QList<ValueRecord> &list) { return list.removeIf(isBlankRecord); }

qsizetype removeRows(QList<ValueRecord> &list, const QList<int> &rows)
{
    QList<bool> gone(list.size(), false);
    for (int r : rows)
        if (r >= 0 && r < list.size())
            gone[r] = true;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < list.size(); ++i)
        if (!gone.at(i)) {
            if (kept != i)
                list[kept] = std::move(list[i]);
            ++kept;
        }
    const qsizetype removed = list.size() - kept;
    list.resize(kept);
    return removed;
}

} // namespace value_list
