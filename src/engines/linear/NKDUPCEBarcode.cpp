#include "engines/linear/NKDUPCEBarcode.h"

namespace {

// Number system 0: parity of the six digits by check digit ("O" odd, set A; "E" even, set B).
const char *const kSystem0Parity[10] = {"EEEOOO", "EEOEOO", "EEOOEO", "EEOOOE", "EOEEOO",
                                        "EOOEEO", "EOOOEE", "EOEOEO", "EOEOOE", "EOOEOE"};

} // namespace

bool NKDUPCEBarcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!NKDUPCABarcode::initWithContent(content, printsCaption))
        return false;
    if (m_content.size() == 7)
        generateChecksum();
    calculateWidth();
    return true;
}

QString NKDUPCEBarcode::upcaNumberOf(const QString &content)
{
    const QByteArray c = content.toLatin1();
    if (content.size() != 7 || !allDigits(c))
        return QString();
    const QString n = content.left(1);
    const QString x = content.mid(1);   // X1 .. X6 at 0 .. 5
    switch (c.at(6)) {
    case '0':
    case '1':
    case '2':
        return n + x.mid(0, 2) + x.at(5) + QStringLiteral("0000") + x.mid(2, 3);
    case '3':
        return n + x.mid(0, 3) + QStringLiteral("00000") + x.mid(3, 2);
    case '4':
        return n + x.mid(0, 4) + QStringLiteral("00000") + x.at(4);
    default:
        return n + x.mid(0, 5) + QStringLiteral("0000") + x.at(5);
    }
}

void NKDUPCEBarcode::generateChecksum()
{
    const QString upca = upcaNumberOf(m_content);
    if (!upca.isEmpty())
        setCheckDigit(checkDigitOf(upca.toLatin1()));
}

QString NKDUPCEBarcode::parityForDigit(char checkDigit) const
{
    if (checkDigit < '0' || checkDigit > '9')
        return QString();
    QString parity = QString::fromLatin1(kSystem0Parity[checkDigit - '0']);
    if (m_content.startsWith(QLatin1Char('1'))) {
        for (QChar &ch : parity)
            ch = (ch == QLatin1Char('O')) ? QLatin1Char('E') : QLatin1Char('O');
    }
    return parity;
}

QString NKDUPCEBarcode::barcode() const
{
    const QByteArray ascii = digits();
    const QString parity = parityForDigit(m_checkDigit);
    QString pattern;
    for (int i = 0; i < 6; ++i) {
        const bool even = i < parity.size() && parity.at(i) == QLatin1Char('E');
        pattern += even ? leftEvenAt(ascii, 1 + i) : leftOddAt(ascii, 1 + i);
    }
    return pattern;
}

bool NKDUPCEBarcode::isContentValid() const
{
    const QByteArray ascii = digits();
    if (ascii.size() != 7 || !allDigits(ascii) || (ascii.at(0) != '0' && ascii.at(0) != '1'))
        return false;
    return m_checkDigit == checkDigitOf(upcaNumberOf(m_content).toLatin1());
}

QString NKDUPCEBarcode::caption() const
{
    return m_content.mid(1, 6);
}

bool NKDUPCEBarcode::isGuardModule(int index, int n) const
{
    return index < 7 || index > n - 7;
}
