#include "engines/linear/NKDModifiedPlesseyHexBarcode.h"

QString NKDModifiedPlesseyHexBarcode::letterPattern(char c)
{
    if (c < 'A' || c > 'F')
        return QString();
    const int value = c - 'A' + 10;
    QString pattern;
    for (int bit = 0; bit < 4; ++bit)
        pattern += (value >> bit) & 1 ? QStringLiteral("1110") : QStringLiteral("1000");
    return pattern;
}

QString NKDModifiedPlesseyHexBarcode::_encodeChar(char c) const
{
    const QString letter = letterPattern(c);
    return letter.isEmpty() ? digitPattern(c) : letter;
}
