#include "engines/linear/NKDAbstractUPCEANBarcode.h"

#include "engines/linear/UPCEANStrings.h"

#include <algorithm>

namespace {

// Left-hand, odd parity (number set A) for the digits 0 to 9.
const char *const kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};

} // namespace

void NKDAbstractUPCEANBarcode::calculateWidth()
{
    // A fifth more than the bars: room for the digits printed beside them.
    if (m_content.isEmpty())
        m_width = 0;
    else
        m_width = float(completeBarcode().size()) * m_barWidth * 1.2f;
}

QString NKDAbstractUPCEANBarcode::_encodeChar(char c) const
{
    if (c < '0' || c > '9')
        return QString();
    return QString::fromLatin1(kSetA[c - '0']);
}

bool NKDAbstractUPCEANBarcode::isGuardModule(int index, int n) const
{
    return index < 7 || index > n - 7 || (index >= 45 && index <= 49);
}

float NKDAbstractUPCEANBarcode::barBottom(int index) const
{
    const int n = int(completeBarcode().size());
    if (isGuardModule(index, n))
        return kGuardBottom;
    return float(double(m_captionHeight) * 72.0);
}

bool NKDAbstractUPCEANBarcode::allDigits(const QByteArray &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](char c) { return c >= '0' && c <= '9'; });
}

char NKDAbstractUPCEANBarcode::checkDigitOf(const QByteArray &digits)
{
    if (digits.isEmpty() || !allDigits(digits))
        return 0;
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        sum += (digits.at(i) - '0') * weight;
        weight = 4 - weight;
    }
    return char('0' + (10 - sum % 10) % 10);
}

void NKDAbstractUPCEANBarcode::generateChecksum()
{
    const QByteArray ascii = digits();
    if (!ascii.isEmpty() && allDigits(ascii))
        setCheckDigit(checkDigitOf(ascii));
}

QString NKDAbstractUPCEANBarcode::rightCaption() const
{
    return checkDigitText();
}

QString NKDAbstractUPCEANBarcode::checkDigitText() const
{
    if (m_checkDigit <= 0)
        return QString();
    return QString(QChar::fromLatin1(m_checkDigit));
}

QByteArray NKDAbstractUPCEANBarcode::digits() const
{
    QByteArray ascii;
    asciiContent(ascii);
    return ascii;
}

QString NKDAbstractUPCEANBarcode::leftOddAt(const QByteArray &ascii, int position) const
{
    return position < ascii.size() ? _encodeChar(ascii.at(position)) : QString();
}

QString NKDAbstractUPCEANBarcode::leftEvenAt(const QByteArray &ascii, int position) const
{
    return UPCEAN::swapParity(leftOddAt(ascii, position));
}

QString NKDAbstractUPCEANBarcode::rightAt(const QByteArray &ascii, int position) const
{
    return UPCEAN::swapHandedness(leftOddAt(ascii, position));
}
