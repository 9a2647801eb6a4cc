#include "engines/linear/NKDEAN13Barcode.h"

namespace {

// Parity of the six left-hand digits by leading digit: bit 5 is digit 2 ... bit 0 is digit 7;
// a set bit is odd parity (set A), a clear bit even parity (set B).
constexpr unsigned char kLeadingParity[10] = {
    0b111111,   // 0: AAAAAA
    0b110100,   // 1: AABABB
    0b110010,   // 2: AABBAB
    0b110001,   // 3: AABBBA
    0b101100,   // 4: ABAABB
    0b100110,   // 5: ABBAAB
    0b100011,   // 6: ABBBAA
    0b101010,   // 7: ABABAB
    0b101001,   // 8: ABABBA
    0b100101,   // 9: ABBABA
};

} // namespace

bool NKDEAN13Barcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!NKDBarcode::initWithContent(content, printsCaption))
        return false;
    const QByteArray ascii = digits();
    if (ascii.size() < 13)
        generateChecksum();
    else
        setCheckDigit(ascii.at(12));
    calculateWidth();
    return true;
}

bool NKDEAN13Barcode::_parityForSystemDigit(int systemDigit, int index) const
{
    if (systemDigit < 0 || systemDigit > 9 || index < 0 || index > 5)
        return true;
    return (kLeadingParity[systemDigit] >> (5 - index)) & 1;
}

QString NKDEAN13Barcode::barcode() const
{
    const QByteArray ascii = digits();
    const int system = (!ascii.isEmpty() && ascii.at(0) >= '0' && ascii.at(0) <= '9') ? ascii.at(0) - '0' : 0;
    QString pattern;
    for (int i = 0; i < 6; ++i)
        pattern += _parityForSystemDigit(system, i) ? leftOddAt(ascii, 1 + i) : leftEvenAt(ascii, 1 + i);
    pattern += QStringLiteral("01010");
    for (int pos = 7; pos < 12; ++pos)
        pattern += rightAt(ascii, pos);
    pattern += rightAt(QByteArray(1, m_checkDigit), 0);
    return pattern;
}

QString NKDEAN13Barcode::caption() const
{
    return QStringLiteral("  ") + m_content.mid(1, 6) + QLatin1Char('\t') + m_content.mid(7, 5) + checkDigitText();
}

void NKDEAN13Barcode::generateChecksum()
{
    if (digits().size() == 12)
        NKDAbstractUPCEANBarcode::generateChecksum();
}

bool NKDEAN13Barcode::isContentValid() const
{
    const QByteArray ascii = digits();
    if ((ascii.size() != 12 && ascii.size() != 13) || !allDigits(ascii))
        return false;
    // A given thirteenth digit must be the check digit of the first twelve, or the symbol would
    // carry a number no scanner accepts.
    const char expected = checkDigitOf(ascii.left(12));
    if (ascii.size() == 13 && ascii.at(12) != expected)
        return false;
    return m_checkDigit == expected;
}
