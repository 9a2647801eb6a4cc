#pragma once
// The object table of binary property-list bytes, read without parsing them: the checks made
// before the bytes reach libplist (nesting, sharing, strings) walk objects through it. Every read
// stays inside the bytes; a malformed table or object answers nothing.

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace platform::bplist {

quint64 bigEndian(const uchar *p, int bytes);

// An object's marker: its kind (the high four bits) and, for data, strings and containers, the
// span of its payload (its count of bytes, units or references and where they start).
struct Object {
    int kind = 0;
    quint64 count = 0;
    quint64 start = 0;
};

class Table {
public:
    // Nothing for bytes too short for a trailer or a trailer whose sizes and table do not fit.
    static std::optional<Table> of(const QByteArray &bytes);

    quint64 count() const { return m_count; }
    quint64 top() const { return m_top; }
    int refSize() const { return m_refSize; }
    // Object i's marker; nothing when its offset or its length lies outside the object area.
    std::optional<Object> object(quint64 i) const;
    // Whether n items of size bytes each, from start, fit in the object area.
    bool fits(quint64 start, quint64 n, quint64 size) const { return start <= m_end && n <= (m_end - start) / size; }
    const uchar *data() const { return m_d; }

private:
    const uchar *m_d = nullptr;
    quint64 m_end = 0;   // the trailer's start: objects and table lie before it
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_count = 0;
    quint64 m_top = 0;
    quint64 m_table = 0;
};

} // namespace platform::bplist
