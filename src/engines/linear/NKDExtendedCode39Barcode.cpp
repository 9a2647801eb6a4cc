#include "engines/linear/NKDExtendedCode39Barcode.h"

QByteArray NKDExtendedCode39Barcode::fullAsciiPair(char c)
{
    const int code = static_cast<unsigned char>(c);
    auto pair = [](char shift, int letter) { return QByteArray(1, shift) + char(letter); };
    if (code == 9)
        return pair('$', 'I');
    if (code == 10)
        return pair('$', 'J');
    if (code >= 33 && code <= 44)   // "!" .. ","; "*" too, which must not end the symbol
        return pair('/', 'A' + code - 33);
    if (code == '/')
        return pair('/', 'O');
    if (code == ':')
        return pair('/', 'Z');
    if (code >= 59 && code <= 63)   // ";" .. "?"
        return pair('%', 'F' + code - 59);
    if (code == '@')
        return pair('%', 'V');
    if (code >= 91 && code <= 95)   // "[" .. "_"
        return pair('%', 'K' + code - 91);
    if (code == 96)
        return pair('%', 'W');
    if (code >= 'a' && code <= 'z')
        return pair('+', code - 'a' + 'A');
    if (code >= 123 && code <= 126)   // "{" .. "~"
        return pair('%', 'P' + code - 123);
    return QByteArray();
}

bool NKDExtendedCode39Barcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!NKDCode39Barcode::initWithContent(content, printsCaption))
        return false;
    // Code 39 upper-cased the text; here lower-case letters have pairs of their own.
    setContent(content);
    calculateWidth();
    return true;
}

bool NKDExtendedCode39Barcode::isContentValid() const
{
    return NKDBarcode::isContentValid();
}

QString NKDExtendedCode39Barcode::_encodeChar(char c) const
{
    const QByteArray pair = fullAsciiPair(c);
    if (!pair.isEmpty())
        return code39Pattern(pair.at(0)) + code39Pattern(pair.at(1));
    return code39Pattern(c);
}
