#include "engines/linear/NKDIndustrialTwoOfFiveBarcode.h"

QString NKDIndustrialTwoOfFiveBarcode::barcode() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return QString();
    QString pattern;
    for (const char c : ascii) {
        const char *elements = twoOfFiveElements(c);
        for (int e = 0; e < 5; ++e)
            pattern += elements[e] == 'W' ? QStringLiteral("11100") : QStringLiteral("100");
    }
    return pattern;
}
