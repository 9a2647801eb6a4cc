#include "platform/PlistGuard.h"

#include <QRegularExpression>

namespace platform {

namespace {

quint64 bigEndian(const uchar *p, int n)
{
    quint64 v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

bool binaryStringsSafe(const QByteArray &bytes)
{
    const auto *d = reinterpret_cast<const uchar *>(bytes.constData());
    const quint64 size = quint64(bytes.size());
    if (size < 8 + 32)
        return false;
    const uchar *trailer = d + size - 32;
    const int offsetSize = trailer[6];
    const quint64 count = bigEndian(trailer + 8, 8);
    const quint64 table = bigEndian(trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || table > size - 32 || count > (size - 32 - table) / quint64(offsetSize))
        return false;
    for (quint64 i = 0; i < count; ++i) {
        const quint64 at = bigEndian(d + table + i * quint64(offsetSize), offsetSize);
        if (at >= size - 32)
            return false;
        const int kind = d[at] >> 4;
        if (kind != 0x5 && kind != 0x6)
            continue;
        quint64 length = d[at] & 0x0f;
        quint64 start = at + 1;
        if (length == 0x0f) {
            if (at + 2 > size - 32 || (d[at + 1] >> 4) != 1 || (d[at + 1] & 0x0f) > 3)
                return false;
            const int n = 1 << (d[at + 1] & 0x0f);
            if (at + 2 + quint64(n) > size - 32)
                return false;
            length = bigEndian(d + at + 2, n);
            start = at + 2 + quint64(n);
        }
        const quint64 unit = kind == 0x6 ? 2 : 1;
        if (length > (size - 32 - start) / unit)
            return false;
        for (quint64 k = 0; k < length; ++k) {
            const quint64 p = start + k * unit;
            if (unit == 1 ? d[p] == 0 : (d[p] == 0 && d[p + 1] == 0))
                return false;
        }
    }
    return true;
}

} // namespace

bool plistStringsAreSafe(const QByteArray &bytes)
{
    if (bytes.startsWith("bplist00"))
        return binaryStringsSafe(bytes);
    // XML allows no NUL character, neither as a byte nor as a character reference.
    if (bytes.contains('\0'))
        return false;
    static const QRegularExpression nulReference(QStringLiteral("&#(0+|[xX]0+);"));
    return !QString::fromLatin1(bytes).contains(nulReference);
}

} // namespace platform
