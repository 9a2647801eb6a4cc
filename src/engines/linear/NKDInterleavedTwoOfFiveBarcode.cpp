#include "engines/linear/NKDInterleavedTwoOfFiveBarcode.h"

#include <array>

namespace {

constexpr std::array<const char *, 10> kElements = {
    "NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW", "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN",
};

bool allDigits(const QByteArray &ascii)
{
    for (const char c : ascii) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

const char *NKDInterleavedTwoOfFiveBarcode::twoOfFiveElements(char c)
{
    if (c >= '0' && c <= '9')
        return kElements[size_t(c - '0')];
    return "NNNNN";
}

bool NKDInterleavedTwoOfFiveBarcode::isContentValid() const
{
    QByteArray ascii;
    return asciiContent(ascii) && allDigits(ascii);
}

QString NKDInterleavedTwoOfFiveBarcode::_encodeChar(char c) const
{
    // Digits are encoded in pairs by barcode(); a lone character has no pattern.
    Q_UNUSED(c);
    return QString();
}

QString NKDInterleavedTwoOfFiveBarcode::barcode() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return QString();
    if (ascii.size() % 2 != 0)
        ascii.prepend('0');
    QString pattern;
    for (qsizetype i = 0; i + 1 < ascii.size(); i += 2) {
        const char *bars = twoOfFiveElements(ascii.at(i));
        const char *spaces = twoOfFiveElements(ascii.at(i + 1));
        for (int e = 0; e < 5; ++e) {
            pattern += bars[e] == 'W' ? QStringLiteral("111") : QStringLiteral("1");
            pattern += spaces[e] == 'W' ? QStringLiteral("000") : QStringLiteral("0");
        }
    }
    return pattern;
}
