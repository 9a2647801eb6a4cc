#include "engines/linear/NKDEAN8Barcode.h"

bool NKDEAN8Barcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!NKDEAN13Barcode::initWithContent(content, printsCaption))
        return false;
    const QByteArray ascii = digits();
    if (ascii.size() == 7) {
        generateChecksum();
    } else if (ascii.size() == 8) {
        setCheckDigit(ascii.at(7));
        setContent(m_content.left(7));
    }
    calculateWidth();
    return true;
}

QString NKDEAN8Barcode::barcode() const
{
    const QByteArray ascii = digits();
    QString pattern;
    for (int pos = 0; pos < 4; ++pos)
        pattern += leftOddAt(ascii, pos);
    pattern += QStringLiteral("01010");
    for (int pos = 4; pos < 7; ++pos)
        pattern += rightAt(ascii, pos);
    pattern += rightAt(QByteArray(1, m_checkDigit), 0);
    return pattern;
}

QString NKDEAN8Barcode::caption() const
{
    return QStringLiteral(" ") + m_content.mid(0, 4) + QLatin1Char('\t') + m_content.mid(4, 3) + checkDigitText();
}

bool NKDEAN8Barcode::isContentValid() const
{
    const QByteArray ascii = digits();
    if (ascii.size() != 7 || !allDigits(ascii))
        return false;
    // A check digit given as the eighth digit must be the computed one.
    return m_checkDigit == checkDigitOf(ascii);
}

void NKDEAN8Barcode::generateChecksum()
{
    if (digits().size() == 7)
        NKDAbstractUPCEANBarcode::generateChecksum();
}

bool NKDEAN8Barcode::isGuardModule(int index, int n) const
{
    return index < 4 || index > n - 4 || (index >= 31 && index <= 35);
}
