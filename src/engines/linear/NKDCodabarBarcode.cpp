#include "engines/linear/NKDCodabarBarcode.h"

#include <array>

namespace {

// Seven elements per character (bar, space, ... bar), "1" wide; the standard Codabar table.
struct CodabarChar {
    char ch;
    const char *elements;
};

constexpr std::array<CodabarChar, 20> kTable = {{
    {'0', "0000011"}, {'1', "0000110"}, {'2', "0001001"}, {'3', "1100000"}, {'4', "0010010"},
    {'5', "1000010"}, {'6', "0100001"}, {'7', "0100100"}, {'8', "0110000"}, {'9', "1001000"},
    {'-', "0001100"}, {'$', "0011000"}, {':', "1000101"}, {'/', "1010001"}, {'.', "1010100"},
    {'+', "0010101"}, {'A', "0011010"}, {'B', "0101001"}, {'C', "0001011"}, {'D', "0001110"},
}};

// Default frame: the "A" start and the "B" stop, without light edge modules.
const QString kDefaultStart = QStringLiteral("1011001001");
const QString kDefaultStop = QStringLiteral("1001001011");

QString elementsToModules(const char *elements)
{
    QString modules;
    for (int i = 0; i < 7; ++i)
        modules += QString(elements[i] == '1' ? 2 : 1, i % 2 == 0 ? QLatin1Char('1') : QLatin1Char('0'));
    return modules;
}

// Indexed by character code: the bare modules. Built once; read-only afterwards.
const std::array<QString, 128> &bareModules()
{
    static const std::array<QString, 128> table = [] {
        std::array<QString, 128> t;
        for (const CodabarChar &c : kTable)
            t[size_t(c.ch)] = elementsToModules(c.elements);
        return t;
    }();
    return table;
}

QString bare(char c)
{
    const int code = static_cast<unsigned char>(c);
    return code < 128 ? bareModules()[size_t(code)] : QString();
}

bool isStartStop(char c) { return c >= 'A' && c <= 'D'; }

} // namespace

QString NKDCodabarBarcode::codabarPattern(char c)
{
    const QString modules = bare(c);
    if (modules.isEmpty())
        return modules;
    return QLatin1Char('0') + modules + QLatin1Char('0');
}

bool NKDCodabarBarcode::framedByContent(const QByteArray &ascii) const
{
    return ascii.size() >= 2 && isStartStop(ascii.front()) && isStartStop(ascii.back());
}

bool NKDCodabarBarcode::isContentValid() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return false;
    const bool framed = framedByContent(ascii);
    for (qsizetype i = 0; i < ascii.size(); ++i) {
        const char c = ascii.at(i);
        if (isStartStop(c)) {
            // A start/stop character inside the data would end the symbol there.
            if (!framed || (i != 0 && i != ascii.size() - 1))
                return false;
        } else if (_encodeChar(c).isEmpty()) {
            return false;
        }
    }
    return true;
}

QString NKDCodabarBarcode::_encodeChar(char c) const
{
    return codabarPattern(c);
}

QString NKDCodabarBarcode::initiator() const
{
    QByteArray ascii;
    if (asciiContent(ascii) && framedByContent(ascii))
        return bare(ascii.front());
    return kDefaultStart;
}

QString NKDCodabarBarcode::terminator() const
{
    QByteArray ascii;
    if (asciiContent(ascii) && framedByContent(ascii))
        return bare(ascii.back());
    return kDefaultStop;
}

QString NKDCodabarBarcode::barcode() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return QString();
    if (framedByContent(ascii))
        ascii = ascii.mid(1, ascii.size() - 2);
    QString pattern;
    for (const char c : ascii)
        pattern += _encodeChar(c);
    // Codabar has no check character; the stored 0 encodes as nothing.
    return pattern;
}
