#include "barcodemode/PrintGrid.h"

#include <algorithm>
#include <climits>

void PrintGrid::append(const ValueRecord &record, qint64 copies)
{
    if (copies < 1)
        return;
    const qint64 before = m_ends.isEmpty() ? 0 : m_ends.last();
    if (before >= INT_MAX)
        return;   // no label past the int maximum could ever be asked for
    m_records.append(record);
    m_ends.append(std::min<qint64>(before + copies, INT_MAX));
}

void PrintGrid::clear()
{
    m_records.clear();
    m_ends.clear();
}

int PrintGrid::size() const { return m_ends.isEmpty() ? 0 : int(m_ends.last()); }

int PrintGrid::recordIndexOf(int label) const
{
    if (label < 0 || label >= size())
        return -1;
    // The first record whose running count passes the label.
    const auto it = std::upper_bound(m_ends.cbegin(), m_ends.cend(), qint64(label));
    return int(it - m_ends.cbegin());
}

std::optional<ValueRecord> PrintGrid::record(int label) const
{
    const int index = recordIndexOf(label);
    if (index < 0)
        return std::nullopt;
    return m_records.at(index);
}
