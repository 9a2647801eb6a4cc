#include "engines/linear/NKDCode39Barcode.h"

#include "engines/linear/AsciiText.h"

#include <array>
#include <cstring>

namespace {

// The 43 data characters and the start/stop character, each with its nine elements (bar first,
// N narrow, W wide), ISO/IEC 16388.
struct Code39Char {
    char ch;
    const char *elements;
};

constexpr std::array<Code39Char, 44> kTable = {{
    {'0', "NNNWWNWNN"}, {'1', "WNNWNNNNW"}, {'2', "NNWWNNNNW"}, {'3', "WNWWNNNNN"}, {'4', "NNNWWNNNW"},
    {'5', "WNNWWNNNN"}, {'6', "NNWWWNNNN"}, {'7', "NNNWNNWNW"}, {'8', "WNNWNNWNN"}, {'9', "NNWWNNWNN"},
    {'A', "WNNNNWNNW"}, {'B', "NNWNNWNNW"}, {'C', "WNWNNWNNN"}, {'D', "NNNNWWNNW"}, {'E', "WNNNWWNNN"},
    {'F', "NNWNWWNNN"}, {'G', "NNNNNWWNW"}, {'H', "WNNNNWWNN"}, {'I', "NNWNNWWNN"}, {'J', "NNNNWWWNN"},
    {'K', "WNNNNNNWW"}, {'L', "NNWNNNNWW"}, {'M', "WNWNNNNWN"}, {'N', "NNNNWNNWW"}, {'O', "WNNNWNNWN"},
    {'P', "NNWNWNNWN"}, {'Q', "NNNNNNWWW"}, {'R', "WNNNNNWWN"}, {'S', "NNWNNNWWN"}, {'T', "NNNNWNWWN"},
    {'U', "WWNNNNNNW"}, {'V', "NWWNNNNNW"}, {'W', "WWWNNNNNN"}, {'X', "NWNNWNNNW"}, {'Y', "WWNNWNNNN"},
    {'Z', "NWWNWNNNN"}, {'-', "NWNNNNWNW"}, {'.', "WWNNNNWNN"}, {' ', "NWWNNNWNN"}, {'$', "NWNWNWNNN"},
    {'/', "NWNWNNNWN"}, {'+', "NWNNNWNWN"}, {'%', "NNNWNWNWN"}, {'*', "NWNNWNWNN"},
}};

QString elementsToModules(const char *elements)
{
    QString modules;
    for (size_t i = 0; i < std::strlen(elements); ++i) {
        const int width = elements[i] == 'W' ? 2 : 1;
        modules += QString(width, i % 2 == 0 ? QLatin1Char('1') : QLatin1Char('0'));
    }
    return modules + QLatin1Char('0');   // the gap to the next character
}

// Indexed by character code; built once and read-only afterwards.
const std::array<QString, 128> &patterns()
{
    static const std::array<QString, 128> table = [] {
        std::array<QString, 128> t;
        for (const Code39Char &c : kTable)
            t[size_t(c.ch)] = elementsToModules(c.elements);
        return t;
    }();
    return table;
}

} // namespace

QString NKDCode39Barcode::code39Pattern(char c)
{
    const int code = static_cast<unsigned char>(c);
    return code < 128 ? patterns()[size_t(code)] : QString();
}

bool NKDCode39Barcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!isAsciiText(content))
        return false;
    return NKDBarcode::initWithContent(content.toUpper(), printsCaption);
}

bool NKDCode39Barcode::isContentValid() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return false;
    for (const char c : ascii) {
        // "*" inside the data would read as the end of the symbol.
        if (c == '*' || _encodeChar(c).isEmpty())
            return false;
    }
    return true;
}

QString NKDCode39Barcode::_encodeChar(char c) const
{
    return code39Pattern(c);
}

QString NKDCode39Barcode::initiator() const
{
    return code39Pattern('*');
}

QString NKDCode39Barcode::terminator() const
{
    return code39Pattern('*');
}
