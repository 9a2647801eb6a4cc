#include "platform/PlistGuard.h"

#include "platform/BinaryPlistTable.h"

#include <QRegularExpression>

namespace platform {

namespace {

bool binaryStringsSafe(const QByteArray &bytes)
{
    const std::optional<bplist::Table> table = bplist::Table::of(bytes);
    if (!table)
        return false;
    const uchar *d = table->data();
    for (quint64 i = 0; i < table->count(); ++i) {
        const std::optional<bplist::Object> o = table->object(i);
        if (!o)
            return false;
        if (o->kind != 0x5 && o->kind != 0x6)
            continue;
        const quint64 unit = o->kind == 0x6 ? 2 : 1;   // ASCII bytes or UTF-16 units
        if (!table->fits(o->start, o->count, unit))
            return false;
        for (quint64 k = 0; k < o->count; ++k) {
            const quint64 p = o->start + k * unit;
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
