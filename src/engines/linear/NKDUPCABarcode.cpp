#include "engines/linear/NKDUPCABarcode.h"

bool NKDUPCABarcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!NKDBarcode::initWithContent(content, printsCaption))
        return false;
    const QByteArray ascii = digits();
    if (ascii.size() < 12)
        generateChecksum();
    else
        setCheckDigit(ascii.at(11));
    calculateWidth();
    return true;
}

QString NKDUPCABarcode::barcode() const
{
    const QByteArray ascii = digits();
    QString pattern;
    for (int pos = 0; pos < 6; ++pos)
        pattern += leftOddAt(ascii, pos);
    pattern += QStringLiteral("01010");
    for (int pos = 6; pos < 11; ++pos)
        pattern += rightAt(ascii, pos);
    pattern += rightAt(QByteArray(1, m_checkDigit), 0);
    return pattern;
}

void NKDUPCABarcode::generateChecksum()
{
    if (digits().size() == 11)
        NKDAbstractUPCEANBarcode::generateChecksum();
}

QString NKDUPCABarcode::caption() const
{
    return m_content.mid(1, 5) + QLatin1Char('\t') + m_content.mid(6, 5);
}

bool NKDUPCABarcode::isContentValid() const
{
    const QByteArray ascii = digits();
    if ((ascii.size() != 11 && ascii.size() != 12) || !allDigits(ascii))
        return false;
    // A given twelfth digit must be the check digit of the first eleven.
    const char expected = checkDigitOf(ascii.left(11));
    if (ascii.size() == 12 && ascii.at(11) != expected)
        return false;
    return m_checkDigit == expected;
}
