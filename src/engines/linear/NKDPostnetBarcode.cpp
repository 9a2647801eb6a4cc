#include "engines/linear/NKDPostnetBarcode.h"

#include <array>

namespace {

// The two tall bars (1..5) of each digit.
constexpr std::array<std::array<int, 2>, 10> kTallBars = {{
    {1, 2}, {4, 5}, {3, 5}, {3, 4}, {2, 5}, {2, 4}, {2, 3}, {1, 5}, {1, 4}, {1, 3},
}};

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool NKDPostnetBarcode::initWithContent(const QString &content, bool printsCaption)
{
    if (!initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(content, printsCaption, 0, 0, 0,
                                                                                       char(-1)))
        return false;
    setBarWidth(1.08f);
    generateChecksum();
    setHeight(kFrameBarPoints);
    calculateWidth();
    return true;
}

bool NKDPostnetBarcode::isContentValid() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return false;
    if (ascii.size() != 5 && ascii.size() != 9 && ascii.size() != 11)
        return false;
    for (const char c : ascii) {
        if (!isAsciiDigit(c))
            return false;
    }
    return true;
}

void NKDPostnetBarcode::generateChecksum()
{
    QByteArray ascii;
    asciiContent(ascii);
    int sum = 0;
    for (const char c : ascii) {
        if (isAsciiDigit(c))
            sum += c - '0';
    }
    setCheckDigit(char('0' + (10 - sum % 10) % 10));
}

QString NKDPostnetBarcode::_encodeChar(char c) const
{
    return isAsciiDigit(c) ? QStringLiteral("100100100100100") : QString();
}

double NKDPostnetBarcode::_heightForDigit(int digitIndex, int bar) const
{
    QByteArray ascii;
    asciiContent(ascii);
    const char c = digitIndex < ascii.size() ? ascii.at(digitIndex) : m_checkDigit;
    if (!isAsciiDigit(c))
        return 0.0;
    const auto &tall = kTallBars[size_t(c - '0')];
    return (bar == tall[0] || bar == tall[1]) ? kTallInches : kShortInches;
}

float NKDPostnetBarcode::barTop(int index) const
{
    const int last = int(completeBarcode().size()) - 1;
    if (index == 0 || index == last)
        return kFrameBarPoints;
    const int k = (index - 3) / 15;
    const int bar = (index - 15 * k) / 3;
    return float(_heightForDigit(k, bar) * 72.0);
}
