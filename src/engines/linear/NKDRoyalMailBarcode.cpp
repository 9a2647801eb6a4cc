#include "engines/linear/NKDRoyalMailBarcode.h"

#include "engines/linear/AsciiText.h"

#include <array>

namespace {

// Bars of "0".."9" and "A".."Z" (T tracker, D descender, A ascender, F full), read row by row of
// the 6 x 6 RM4SCC table.
constexpr std::array<const char *, 10> numberCodes = {
    "TTFF", "TDAF", "TDFA", "DTAF", "DTFA", "DDAA", "TADF", "TFTF", "TFDA", "DATF",
};
constexpr std::array<const char *, 26> letterCodes = {
    "DADA", "DFTA", "TAFD", "TFAD", "TFFT", "DAAD", "DAFT", "DFAT", "ATDF", "ADTF", "ADDA", "FTTF", "FTDA",
    "FDTA", "ATFD", "ADAD", "ADFT", "FTAD", "FTFT", "FDAT", "AADD", "AFTD", "AFDT", "FATD", "FADT", "FFTT",
};

constexpr double kPointsPerMm = 0.03937007874015748 * 72.0;

int barValue(char bar)
{
    switch (bar) {
    case 'D':
        return 1;
    case 'A':
        return 2;
    case 'F':
        return 3;
    default:
        return 0;
    }
}

// The bars of a character, null outside "0".."9" and "A".."Z".
const char *barsOf(char c)
{
    if (c >= '0' && c <= '9')
        return numberCodes[size_t(c - '0')];
    if (c >= 'A' && c <= 'Z')
        return letterCodes[size_t(c - 'A')];
    return nullptr;
}

int collapse(uint16_t descriptor, int bit)
{
    int flags = 0;
    for (int bar = 0; bar < 4; ++bar) {
        const int value = (descriptor >> (4 * (3 - bar))) & 0xF;
        flags = (flags << 1) | ((value >> bit) & 1);
    }
    return flags;
}

} // namespace

uint16_t royalmail_characterDescriptor(char c)
{
    const char *bars = barsOf(c);
    if (!bars)
        return 0;
    uint16_t descriptor = 0;
    for (int bar = 0; bar < 4; ++bar)
        descriptor = uint16_t((descriptor << 4) | barValue(bars[bar]));
    return descriptor;
}

int royalmail_barDescriptor(uint16_t descriptor, int position)
{
    return (descriptor >> ((3 - position / 2) * 4)) & 0xF;
}

double royalmail_barTop(int barValue)
{
    return (barValue & 2) ? 5.05 : 3.15;
}

double royalmail_barBottom(int barValue)
{
    return (barValue & 1) ? 0.0 : 1.9;
}

int royalmail_collapseAscenders(uint16_t descriptor)
{
    return collapse(descriptor, 1);
}

int royalmail_collapseDescenders(uint16_t descriptor)
{
    return collapse(descriptor, 0);
}

bool NKDRoyalMailBarcode::initWithContent(const QString &content, bool printsCaption)
{
    Q_UNUSED(printsCaption);   // the code is read by machines; its caption is off until the caller sets it
    // Letters have bars only in upper case.
    if (!isAsciiText(content))
        return false;
    if (!initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(content.toUpper(), false, 0, 0,
                                                                                       0, char(-1)))
        return false;
    setBarWidth(1.4173229f);   // 0.5 mm
    generateChecksum();
    setHeight(14.3149605f);   // 5.05 mm, the full bar
    calculateWidth();
    return true;
}

bool NKDRoyalMailBarcode::isContentValid() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return false;
    for (const char c : ascii) {
        if (!barsOf(c))
            return false;
    }
    return true;
}

void NKDRoyalMailBarcode::generateChecksum()
{
    QByteArray ascii;
    asciiContent(ascii);
    int r = 0, c = 0;
    for (const char ch : ascii) {
        const uint16_t d = royalmail_characterDescriptor(ch);
        r = (r + royalmail_collapseAscenders(d) / 2) % 6;
        c = (c + royalmail_collapseDescenders(d) / 2) % 6;
    }
    const int row = r - 1 < 0 ? 5 : r - 1;
    const int column = c - 1 < 0 ? 5 : c - 1;
    const int index = 6 * row + column;
    setCheckDigit(char(index < 10 ? '0' + index : 'A' + index - 10));
}

QString NKDRoyalMailBarcode::_encodeChar(char c) const
{
    return barsOf(c) ? QStringLiteral("10101010") : QString();
}

int NKDRoyalMailBarcode::_barDescriptor(int index) const
{
    if (index == 0)
        return 2;   // start bar: ascender
    const int n = int(m_content.size());
    if (index >= 8 * (n + 1) + 2)
        return 3;   // stop bar: full
    const int k = index - 2;
    const int c = k / 8;
    const char ch = c == n ? m_checkDigit : m_content.at(c).toLatin1();
    return royalmail_barDescriptor(royalmail_characterDescriptor(ch), k % 8);
}

float NKDRoyalMailBarcode::barTop(int index) const
{
    return float(royalmail_barTop(_barDescriptor(index)) * kPointsPerMm);
}

float NKDRoyalMailBarcode::barBottom(int index) const
{
    return float(royalmail_barBottom(_barDescriptor(index)) * kPointsPerMm);
}
