// Matrix side of the QR encoder: function patterns, codeword placement, masks, format and version
// information and the penalty score.
//
// Cell flags while the symbol is built: 0x20 function module (0x30 when dark), 0x02 a data bit of
// 1, 0x01 the masked value of a data module. A cell is dark when (cell & 0x11) != 0.

#include "engines/qr/QR_Encode.h"

#include <array>
#include <cstdlib>
#include <cstring>

using namespace qr;

namespace {

constexpr uint8_t kFinderRows[7] = {0x7F, 0x41, 0x5D, 0x5D, 0x5D, 0x41, 0x7F};
constexpr uint8_t kAlignmentRows[5] = {0x1F, 0x11, 0x15, 0x11, 0x1F};

// Mask condition at row i, column j (inlined where the mask is a constant).
inline bool maskCondition(int mask, int i, int j)
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
    // The condition chosen once per mask, not per module; cells in memory order (column by column).
    auto apply = [this](auto condition) {
        const int s = int(m_nSymbleSize);
        for (int x = 0; x < s; ++x) {
            uint8_t *column = m_byModuleData[size_t(x)].data();
            for (int y = 0; y < s; ++y) {
                const uint8_t cell = column[y];
                if (cell & 0x20)
                    continue;
                column[y] = uint8_t((cell & 0xFE) | (((cell & 0x02) >> 1) ^ (condition(y, x) ? 1 : 0)));
            }
        }
    };
    switch (nPatternNo) {
    case 0: apply([](int i, int j) { return maskCondition(0, i, j); }); break;
    case 1: apply([](int i, int j) { return maskCondition(1, i, j); }); break;
    case 2: apply([](int i, int j) { return maskCondition(2, i, j); }); break;
    case 3: apply([](int i, int j) { return maskCondition(3, i, j); }); break;
    case 4: apply([](int i, int j) { return maskCondition(4, i, j); }); break;
    case 5: apply([](int i, int j) { return maskCondition(5, i, j); }); break;
    case 6: apply([](int i, int j) { return maskCondition(6, i, j); }); break;
    default: apply([](int i, int j) { return maskCondition(7, i, j); }); break;
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

namespace {

// The penalty of a symbol of at most 49 modules a side from its lines as bits: module q of a row
// (or column) at bit q + 4, light (0) outside, so that every rule is a few operations per line.
int64_t penaltyOfBitLines(const uint64_t *rows, const uint64_t *columns, int s)
{
    const uint64_t pairs = ((uint64_t(1) << (s - 1)) - 1) << 4;      // q, q + 1 both inside
    const uint64_t starts = ((uint64_t(1) << (s - 6)) - 1) << 4;     // q .. q + 6 inside
    int64_t penalty = 0;
    auto line = [&](uint64_t d) {
        // Runs of five or more of one colour: 3, plus one for each further module.
        uint64_t changes = (d ^ (d >> 1)) & pairs;
        int start = 0;
        for (;;) {
            const int end = changes ? __builtin_ctzll(changes) - 4 + 1 : s;   // the run is start .. end - 1
            if (end - start >= 5)
                penalty += end - start - 2;
            if (!changes)
                break;
            start = end;
            changes &= changes - 1;
        }
        // 1:1:3:1:1 with light on both sides and four light modules on one side.
        const uint64_t l = ~d;
        const uint64_t core = d & (l >> 1) & (d >> 2) & (d >> 3) & (d >> 4) & (l >> 5) & (d >> 6) & (l << 1) & (l >> 7);
        const uint64_t before = (l << 2) & (l << 3) & (l << 4);
        const uint64_t after = (l >> 8) & (l >> 9) & (l >> 10);
        penalty += 40 * __builtin_popcountll(core & (before | after) & starts);
    };
    int64_t dark = 0;
    for (int i = 0; i < s; ++i) {
        line(rows[i]);
        line(columns[i]);
        dark += __builtin_popcountll(rows[i]);
    }
    // 2 x 2 blocks of one colour.
    for (int y = 0; y + 1 < s; ++y) {
        const uint64_t a = rows[y];
        const uint64_t b = rows[y + 1];
        penalty += 3 * __builtin_popcountll(~((a ^ (a >> 1)) | (a ^ b) | (a ^ (b >> 1))) & pairs);
    }
    // Balance of light and dark modules.
    const int64_t light = int64_t(s) * s - dark;
    const int64_t percent = (100 * light) / (int64_t(s) * s);
    return penalty + 10 * (std::abs(50 - percent) / 5);
}

} // namespace

int64_t CQR_Encode::CountPenalty() const
{
    const int s = int(m_nSymbleSize);
    if (s <= 49) {   // versions 1 to 8
        std::array<uint64_t, 49> rows{};
        std::array<uint64_t, 49> columns{};
        for (int x = 0; x < s; ++x) {
            const uint8_t *column = m_byModuleData[size_t(x)].data();
            uint64_t bits = 0;
            for (int y = 0; y < s; ++y) {
                const uint64_t d = (column[y] & 0x11) != 0 ? 1 : 0;
                bits |= d << (y + 4);
                rows[size_t(y)] |= d << (x + 4);
            }
            columns[size_t(x)] = bits;
        }
        return penaltyOfBitLines(rows.data(), columns.data(), s);
    }
    // The modules once as bytes (1 dark), row by row and column by column: the four rules then
    // read plain lines. Eight masks are scored per symbol.
    thread_local std::array<uint8_t, size_t(qr::kMaxSymbolSize) * qr::kMaxSymbolSize> byRow, byColumn;
    int64_t dark = 0;
    for (int x = 0; x < s; ++x) {
        const uint8_t *column = m_byModuleData[size_t(x)].data();
        uint8_t *out = byColumn.data() + size_t(x) * size_t(s);
        for (int y = 0; y < s; ++y) {
            const uint8_t d = (column[y] & 0x11) != 0 ? 1 : 0;
            out[y] = d;
            byRow[size_t(y) * size_t(s) + size_t(x)] = d;
            dark += d;
        }
    }
    int64_t penalty = 0;

    // Runs of five or more modules of one colour: 3, plus one for each further module.
    auto runs = [s](const uint8_t *line) {
        int64_t p = 0;
        for (int i = 0; i < s;) {
            int k = 1;
            while (i + k < s && line[i + k] == line[i])
                ++k;
            if (k >= 5)
                p += k - 2;
            i += k;
        }
        return p;
    };
    // 1:1:3:1:1 finder-like patterns, light on both sides and four light modules on one side (outside
    // the symbol counts as light). A window of fifteen modules, p - 4 to p + 10, slides along the
    // line, the first of them in the highest bit.
    auto finders = [s](const uint8_t *line) {
        auto at = [&](int q) { return q >= 0 && q < s ? uint32_t(line[q]) : 0u; };
        uint32_t window = 0;
        for (int q = -4; q <= 10; ++q)
            window = (window << 1) | at(q);
        int64_t p = 0;
        for (int start = 0; start <= s - 7; ++start) {
            // 0 1011101 0 at p - 1 .. p + 7, and 000 before it or after it.
            if ((window & 0xFF8u) == 0x5D0u && ((window & 0x7000u) == 0 || (window & 0x7u) == 0))
                p += 40;
            window = ((window << 1) & 0x7FFFu) | at(start + 11);
        }
        return p;
    };
    for (int i = 0; i < s; ++i) {
        const uint8_t *column = byColumn.data() + size_t(i) * size_t(s);
        const uint8_t *row = byRow.data() + size_t(i) * size_t(s);
        penalty += runs(column) + runs(row) + finders(column) + finders(row);
    }

    // 2 x 2 blocks of one colour.
    for (int y = 0; y < s - 1; ++y) {
        const uint8_t *a = byRow.data() + size_t(y) * size_t(s);
        const uint8_t *b = a + s;
        for (int x = 0; x < s - 1; ++x)
            if (((a[x] ^ a[x + 1]) | (a[x] ^ b[x]) | (a[x] ^ b[x + 1])) == 0)
                penalty += 3;
    }

    // Balance of light and dark modules.
    const int64_t light = int64_t(s) * s - dark;
    const int64_t percent = (100 * light) / (int64_t(s) * s);
    penalty += 10 * (std::abs(50 - percent) / 5);

    return penalty;
}
