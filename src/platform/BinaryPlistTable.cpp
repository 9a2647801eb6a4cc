#include "platform/BinaryPlistTable.h"

namespace platform::bplist {

quint64 bigEndian(const uchar *p, int bytes)
{
    quint64 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | p[i];
    return v;
}

std::optional<Table> Table::of(const QByteArray &bytes)
{
    constexpr quint64 kHeader = 8, kTrailer = 32;
    const quint64 size = quint64(bytes.size());
    if (size < kHeader + kTrailer)
        return std::nullopt;
    Table t;
    t.m_d = reinterpret_cast<const uchar *>(bytes.constData());
    t.m_end = size - kTrailer;
    const uchar *trailer = t.m_d + t.m_end;
    t.m_offsetSize = trailer[6];
    t.m_refSize = trailer[7];
    t.m_count = bigEndian(trailer + 8, 8);
    t.m_top = bigEndian(trailer + 16, 8);
    t.m_table = bigEndian(trailer + 24, 8);
    if (t.m_offsetSize < 1 || t.m_offsetSize > 8 || t.m_refSize < 1 || t.m_refSize > 8 || t.m_count == 0 ||
        t.m_top >= t.m_count || t.m_table < kHeader || !t.fits(t.m_table, t.m_count, quint64(t.m_offsetSize)))
        return std::nullopt;
    return t;
}

std::optional<Object> Table::object(quint64 i) const
{
    if (i >= m_count)
        return std::nullopt;
    const quint64 at = bigEndian(m_d + m_table + i * quint64(m_offsetSize), m_offsetSize);
    if (at >= m_end)
        return std::nullopt;
    Object o{m_d[at] >> 4, quint64(m_d[at] & 0x0f), at + 1};
    // Data, strings and containers count their payload; other kinds use the low bits otherwise.
    const bool counted = o.kind == 0x4 || o.kind == 0x5 || o.kind == 0x6 || o.kind == 0xA || o.kind == 0xC || o.kind == 0xD;
    if (counted && o.count == 0x0f) {
        // A longer count follows as an integer object of 1, 2, 4 or 8 bytes.
        if (at + 2 > m_end || (m_d[at + 1] >> 4) != 1 || (m_d[at + 1] & 0x0f) > 3)
            return std::nullopt;
        const int n = 1 << (m_d[at + 1] & 0x0f);
        if (at + 2 + quint64(n) > m_end)
            return std::nullopt;
        o.count = bigEndian(m_d + at + 2, n);
        o.start = at + 2 + quint64(n);
    }
    return o;
}

} // namespace platform::bplist
