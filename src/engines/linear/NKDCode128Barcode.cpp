#include "engines/linear/NKDCode128Barcode.h"

#include <array>

namespace {

// Bar and space widths of the symbol values 0..105 (bar first), ISO/IEC 15417.
constexpr std::array<const char *, 106> kWidths = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};

constexpr int kCodeC = 99;       // change to set C, in sets A and B
constexpr int kStartA = 103;
constexpr int kStartB = 104;
constexpr int kStartC = 105;
const QString kStop = QStringLiteral("1100011101011");

QString widthsToModules(const char *widths)
{
    QString modules;
    bool bar = true;
    for (const char *w = widths; *w; ++w) {
        modules += QString(*w - '0', bar ? QLatin1Char('1') : QLatin1Char('0'));
        bar = !bar;
    }
    return modules;
}

// Built once; read-only afterwards, so encoders on several threads can share it.
const std::array<QString, 106> &patterns()
{
    static const std::array<QString, 106> table = [] {
        std::array<QString, 106> t;
        for (size_t i = 0; i < kWidths.size(); ++i)
            t[i] = widthsToModules(kWidths[i]);
        return t;
    }();
    return table;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Value of an ASCII character in set A or B; -1 when the set has none for it.
int valueInA(char c)
{
    const int code = static_cast<unsigned char>(c);
    if (code < 32)
        return code + 64;
    if (code <= 95)
        return code - 32;
    return -1;
}

int valueInB(char c)
{
    const int code = static_cast<unsigned char>(c);
    if (code >= 32 && code <= 127)   // DEL is value 95 in set B
        return code - 32;
    return -1;
}

} // namespace

QString NKDCode128Barcode::patternForValue(int value)
{
    if (value < 0 || value >= int(kWidths.size()))
        return QString();
    return patterns()[size_t(value)];
}

bool NKDCode128Barcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!NKDBarcode::initWithContent(content, printsCaption))
        return false;
    m_leadingDigitInB = false;
    if (m_codeSet == Automatic) {
        QByteArray ascii;
        asciiContent(ascii);
        chooseCodeSet(ascii);
    }
    generateChecksum();
    calculateWidth();
    return true;
}

void NKDCode128Barcode::chooseCodeSet(const QByteArray &ascii)
{
    int digits = 0, controls = 0, lower = 0;
    for (const char c : ascii) {
        const int code = static_cast<unsigned char>(c);
        // DEL is counted with set B, which encodes it (value 95); set A has no value for it.
        if (isDigit(c))
            ++digits;
        else if (code < 32)
            ++controls;
        else if (c >= 'a' && c <= 'z')
            ++lower;
    }
    // All digits, the empty content included: set C. Empty, the symbol is start C, its check
    // (105 mod 103 = 2) and stop.
    if (digits == ascii.size()) {
        if (digits % 2 == 0) {
            m_codeSet = SetC;
        } else {
            // Padding with "0" would make the symbol read as another number than the caption.
            m_codeSet = SetB;
            m_leadingDigitInB = digits > 1;
        }
        return;
    }
    m_codeSet = controls <= lower ? SetB : SetA;
}

bool NKDCode128Barcode::symbolValues(std::vector<int> &values) const
{
    values.clear();
    QByteArray ascii;
    if (!asciiContent(ascii))
        return false;
    qsizetype i = 0;
    if (m_leadingDigitInB) {
        if (ascii.isEmpty() || !isDigit(ascii.at(0)))
            return false;
        values.push_back(valueInB(ascii.at(0)));
        values.push_back(kCodeC);
        i = 1;
    }
    if (m_codeSet == SetC || m_leadingDigitInB) {
        if ((ascii.size() - i) % 2 != 0)
            return false;
        for (; i < ascii.size(); i += 2) {
            if (!isDigit(ascii.at(i)) || !isDigit(ascii.at(i + 1)))
                return false;
            values.push_back((ascii.at(i) - '0') * 10 + (ascii.at(i + 1) - '0'));
        }
        return true;
    }
    for (const char c : ascii) {
        const int v = m_codeSet == SetA ? valueInA(c) : valueInB(c);
        if (v < 0)
            return false;
        values.push_back(v);
    }
    return true;
}

int NKDCode128Barcode::startValue() const
{
    switch (m_codeSet) {
    case SetB:
        return kStartB;
    case SetC:
        return kStartC;
    default:
        return kStartA;
    }
}

bool NKDCode128Barcode::isContentValid() const
{
    if (m_codeSet < SetA || m_codeSet > SetC)
        return false;
    std::vector<int> values;
    return symbolValues(values);
}

void NKDCode128Barcode::generateChecksum()
{
    std::vector<int> values;
    symbolValues(values);   // invalid content is never drawn; its check covers what has values
    long sum = startValue();
    for (size_t p = 0; p < values.size(); ++p)
        sum += long(p + 1) * values[p];
    setCheckDigit(char(sum % 103));
}

QString NKDCode128Barcode::_encodeChar(char c) const
{
    // A single character has a pattern of its own only in sets A and B.
    if (m_codeSet == SetA)
        return patternForValue(valueInA(c));
    if (m_codeSet == SetB)
        return patternForValue(valueInB(c));
    return QString();
}

QString NKDCode128Barcode::initiator() const
{
    return patternForValue(startValue());
}

QString NKDCode128Barcode::terminator() const
{
    return kStop;
}

QString NKDCode128Barcode::barcode() const
{
    std::vector<int> values;
    if (!symbolValues(values))
        return QString();
    QString pattern;
    for (const int v : values)
        pattern += patternForValue(v);
    pattern += patternForValue(static_cast<unsigned char>(m_checkDigit));
    return pattern;
}

std::unique_ptr<NKDBarcode> NKDCode128Barcode::newInstance() const
{
    // A copy is made through the designated initializer, which does not choose a set again.
    auto twin = std::make_unique<NKDCode128Barcode>();
    twin->m_codeSet = m_codeSet;
    twin->m_leadingDigitInB = m_leadingDigitInB;
    return twin;
}
