// Matrix side of the QR encoder: function patterns, codeword placement, masks, format and version
// information and the penalty score.
//
// Cell flags while the symbol is built: 0x20 function module (0x30 when dark), 0x02 a data bit of
// 1, 0x01 the masked value of a data module. A cell is dark when (cell & 0x11) != 0.

#include "engines/qr/QR_Encode.h"

#include <cstring>
#include <cstdlib>

using namespace qr;

namespace {

constexpr uint8_t kFinderRows[7] = {0x7F, 0x41, 0x5D, 0x5D, 0x5D, 0x41, 0x7F};
constexpr uint8_t kAlignmentRows[5] = {0x1F, 0x11, 0x15, 0x11, 0x1F};

// Mask condition at row i, column j.
bool maskCondition(int mask, int i, int j)
{
    switch (mask) {
    case 0: return (i + j) % 2 == 0;
    case 1: return i % 2 == 0;
    case 2: return j % 3 == 0;
    case 3: return (i + j) % 3 == 0;
    case 4: return (i / 2 + j / 3) % 2 == 0;
    case 5: return (i * j) % 2 + (i * j) % 3 == 0;
    case 6: return ((i * j) % 2 + (i * j) % 3) % 2 == 0;
    default: return ((i * j) % 3 + (i + j) % 2) % 2 == 0;
    }
}

} // namespace

void CQR_Encode::FormatModule()
{
    for (auto &column : m_byModuleData)
        column.fill(0);

    SetFunctionModule();
    SetCodeWordPattern();

    if (m_nMaskingNo == -1) {
        int best = 0;
        int64_t bestPenalty = 0;
        for (int mask = 0; mask < 8; ++mask) {
            SetMaskingPattern(mask);
            SetFormatInfoPattern(mask);
            const int64_t penalty = CountPenalty();
            if (mask == 0 || penalty < bestPenalty) {   // a tie keeps the lower mask
                best = mask;
                bestPenalty = penalty;
            }
        }
        m_nMaskingNo = best;
    }
    SetMaskingPattern(int(m_nMaskingNo));
    SetFormatInfoPattern(int(m_nMaskingNo));

    const int s = int(m_nSymbleSize);
    for (int x = 0; x < s; ++x)
        for (int y = 0; y < s; ++y)
            m_byModuleData[size_t(x)][size_t(y)] = isDark(x, y) ? 1 : 0;
}

void CQR_Encode::SetFunctionModule()
{
    const int s = int(m_nSymbleSize);

    SetFinderPattern(0, 0);
    SetFinderPattern(s - 7, 0);
    SetFinderPattern(0, s - 7);

    // Separators.
    for (int i = 0; i < 8; ++i) {
        setFunction(7, i, false);
        setFunction(i, 7, false);
        setFunction(s - 8 + i, 7, false);
        setFunction(s - 8, i, false);
        setFunction(7, s - 8 + i, false);
        setFunction(i, s - 8, false);
    }

    // Format areas, reserved light until a mask's format information is written.
    for (int i = 0; i < 9; ++i) {
        setFunction(8, i, false);
        setFunction(i, 8, false);
    }
    for (int i = 0; i < 8; ++i) {
        setFunction(8, s - 8 + i, false);
        setFunction(s - 8 + i, 8, false);
    }

    SetVersionPattern();

    // Alignment patterns: every pairing of the centre coordinates, 6 included; those whose centre
    // is already a function cell lie on a finder pattern and are left out.
    const QrVersionRow &row = QR_VersonInfo()[size_t(m_nVersion)];
    for (int i = 0; i < row.alignCount; ++i) {
        const int c = row.alignPoints[size_t(i)];
        SetAlignmentPattern(c, 6);
        SetAlignmentPattern(6, c);
        for (int j = 0; j < row.alignCount; ++j)
            SetAlignmentPattern(c, row.alignPoints[size_t(j)]);
    }

    // Timing patterns.
    for (int k = 8; k <= s - 9; ++k) {
        setFunction(k, 6, k % 2 == 0);
        setFunction(6, k, k % 2 == 0);
    }
}

void CQR_Encode::SetFinderPattern(int x, int y)
{
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 7; ++j)
            setFunction(x + j, y + i, (kFinderRows[i] & (1 << (6 - j))) != 0);
}

void CQR_Encode::SetAlignmentPattern(int x, int y)
{
    if (isFunction(x, y))
        return;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            setFunction(x - 2 + j, y - 2 + i, (kAlignmentRows[i] & (1 << (4 - j))) != 0);
}

void CQR_Encode::SetVersionPattern()
{
    if (m_nVersion <= 6)
        return;
    const int s = int(m_nSymbleSize);
    const uint32_t word = versionInformation(int(m_nVersion));
    for (int k = 0; k < 18; ++k) {
        const bool dark = (word >> k) & 1u;
        const int a = k / 3;
        const int b = k % 3;
        setFunction(a, s - 11 + b, dark);
        setFunction(s - 11 + b, a, dark);
    }
}

void CQR_Encode::SetCodeWordPattern()
{
    const int s = int(m_nSymbleSize);
    int x = s;
    int y = s - 1;
    int xStep = 1;
    int yStep = 1;
    for (int64_t i = 0; i < m_ncAllCodeWord; ++i) {
        for (int bit = 7; bit >= 0; --bit) {
            do {
                x += xStep;
                xStep = -xStep;
                if (xStep < 0) {
                    y += yStep;
                    if (y < 0 || y >= s) {
                        y = y < 0 ? 0 : s - 1;
                        yStep = -yStep;
                        x -= 2;
                        if (x == 6)
                            --x;   // column 6 is the vertical timing pattern
                    }
                }
                if (x < 0)
                    return;   // cannot happen: the codewords fit the data area
            } while (isFunction(x, y));
            m_byModuleData[size_t(x)][size_t(y)] = (m_byAllCodeWord[size_t(i)] >> bit) & 1u ? 0x02 : 0x00;
        }
    }
}

void CQR_Encode::SetMaskingPattern(int nPatternNo)
{
    const int s = int(m_nSymbleSize);
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            uint8_t &cell = m_byModuleData[size_t(x)][size_t(y)];
            if (cell & 0x20)
                continue;
            const uint8_t bit = uint8_t(((cell & 0x02) >> 1) ^ (maskCondition(nPatternNo, y, x) ? 1 : 0));
            cell = uint8_t((cell & 0xFE) | bit);
        }
    }
}

void CQR_Encode::SetFormatInfoPattern(int nPatternNo)
{
    const int s = int(m_nSymbleSize);
    const uint32_t word = formatInformation(int(m_nLevel), nPatternNo);
    auto bit = [word](int k) { return ((word >> k) & 1u) != 0; };

    for (int k = 0; k <= 5; ++k)
        setFunction(8, k, bit(k));
    setFunction(8, 7, bit(6));
    setFunction(8, 8, bit(7));
    setFunction(7, 8, bit(8));
    for (int k = 9; k <= 14; ++k)
        setFunction(14 - k, 8, bit(k));

    for (int k = 0; k <= 7; ++k)
        setFunction(s - 1 - k, 8, bit(k));
    for (int k = 8; k <= 14; ++k)
        setFunction(8, s - 15 + k, bit(k));

    setFunction(8, s - 8, true);
}

int64_t CQR_Encode::CountPenalty() const
{
    const int s = int(m_nSymbleSize);
    int64_t penalty = 0;

    // Runs of five or more modules of one colour: 3, plus one for each further module.
    for (int x = 0; x < s; ++x) {
        for (int y = 0; y < s - 4;) {
            int k = 1;
            while (y + k < s && isDark(x, y + k) == isDark(x, y))
                ++k;
            if (k >= 5)
                penalty += k - 2;
            y += k;
        }
    }
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s - 4;) {
            int k = 1;
            while (x + k < s && isDark(x + k, y) == isDark(x, y))
                ++k;
            if (k >= 5)
                penalty += k - 2;
            x += k;
        }
    }

    // 2 x 2 blocks of one colour.
    for (int x = 0; x < s - 1; ++x) {
        for (int y = 0; y < s - 1; ++y) {
            const bool d = isDark(x, y);
            if (isDark(x + 1, y) == d && isDark(x, y + 1) == d && isDark(x + 1, y + 1) == d)
                penalty += 3;
        }
    }

    // 1:1:3:1:1 finder-like patterns with four light modules on one side.
    static constexpr bool kFinderLike[7] = {true, false, true, true, true, false, true};
    for (int line = 0; line < s; ++line) {
        for (int pass = 0; pass < 2; ++pass) {
            // pass 0: along the column x = line; pass 1: along the row y = line.
            auto dark = [&](int p) { return pass == 0 ? isDark(line, p) : isDark(p, line); };
            auto lightOrOutside = [&](int p) { return p < 0 || p >= s || !dark(p); };
            for (int p = 0; p <= s - 7; ++p) {
                bool match = true;
                for (int k = 0; k < 7 && match; ++k)
                    match = dark(p + k) == kFinderLike[k];
                if (!match || !lightOrOutside(p - 1) || !lightOrOutside(p + 7))
                    continue;
                const bool lightBefore = lightOrOutside(p - 2) && lightOrOutside(p - 3) && lightOrOutside(p - 4);
                const bool lightAfter = lightOrOutside(p + 8) && lightOrOutside(p + 9) && lightOrOutside(p + 10);
                if (lightBefore || lightAfter)
                    penalty += 40;
            }
        }
    }

    // Balance of light and dark modules.
    int64_t light = 0;
    for (int x = 0; x < s; ++x)
        for (int y = 0; y < s; ++y)
            light += isDark(x, y) ? 0 : 1;
    const int64_t percent = (100 * light) / (int64_t(s) * s);
    penalty += 10 * (std::abs(50 - percent) / 5);

    return penalty;
}
