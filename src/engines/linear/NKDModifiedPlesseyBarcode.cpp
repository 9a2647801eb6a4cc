#include "engines/linear/NKDModifiedPlesseyBarcode.h"

#include "engines/linear/AsciiText.h"

QString NKDModifiedPlesseyBarcode::digitPattern(char c)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 0 && c <= 9)
        value = c;
    if (value < 0)
        return QString();
    QString pattern;
    for (int bit = 3; bit >= 0; --bit)
        pattern += (value >> bit) & 1 ? QStringLiteral("110") : QStringLiteral("100");
    return pattern;
}

bool NKDModifiedPlesseyBarcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!isAsciiText(content) || !NKDBarcode::initWithContent(content.toUpper(), printsCaption))
        return false;
    generateChecksum();
    calculateWidth();
    return true;
}

bool NKDModifiedPlesseyBarcode::isContentValid() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return false;
    for (const char c : ascii) {
        // Raw numbers 0..9 encode only as the check character, never as content.
        if (!isContentChar(c) || _encodeChar(c).isEmpty())
            return false;
    }
    return true;
}

void NKDModifiedPlesseyBarcode::generateChecksum()
{
    QByteArray ascii;
    asciiContent(ascii);
    int sum = 0;
    bool doubled = true;   // the last character is doubled, then every other one
    for (qsizetype i = ascii.size() - 1; i >= 0; --i) {
        const int value = static_cast<unsigned char>(ascii.at(i)) - 48;
        if (doubled) {
            const int d = 2 * value;
            sum += d > 9 ? d / 10 + d % 10 : d;
        } else {
            sum += value;
        }
        doubled = !doubled;
    }
    setCheckDigit(char((10 - sum % 10) % 10));
}

QString NKDModifiedPlesseyBarcode::_encodeChar(char c) const
{
    return digitPattern(c);
}
