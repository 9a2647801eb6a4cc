#include "engines/linear/UPCEANStrings.h"

#include <algorithm>

namespace UPCEAN {

QString swapHandedness(const QString &pattern)
{
    QString out(pattern.size(), QLatin1Char('0'));
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == QLatin1Char('0'))
            out[i] = QLatin1Char('1');
    }
    return out;
}

QString swapParity(const QString &pattern)
{
    QString out = swapHandedness(pattern);
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace UPCEAN
