#include "engines/linear/decoders/WidthDecoders.h"

#include "engines/linear/decoders/SymbolImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace lineartest {

namespace {

WidthRead fail(const QString &why)
{
    WidthRead r;
    r.error = why;
    return r;
}

// Runs in multiples of the narrowest run.
std::vector<int> inModules(const std::vector<int> &runs)
{
    const int narrow = *std::min_element(runs.begin(), runs.end());
    std::vector<int> modules;
    for (const int r : runs)
        modules.push_back(int(std::lround(double(r) / narrow)));
    return modules;
}

} // namespace

WidthRead readIndustrialTwoOfFive(const QImage &image)
{
    const std::vector<int> runs = middleRowRuns(image);
    if (runs.empty())
        return fail(QStringLiteral("no bars"));
    std::vector<int> barRuns;
    for (size_t i = 0; i < runs.size(); i += 2)
        barRuns.push_back(runs[i]);
    const std::vector<int> bars = inModules(barRuns);
    auto wide = [&](size_t i) { return bars[i] >= 2; };
    if (bars.size() < 6 || (bars.size() - 6) % 5 != 0)
        return fail(QStringLiteral("bar count"));
    if (!(wide(0) && wide(1) && !wide(2)))
        return fail(QStringLiteral("start pattern"));
    const size_t n = bars.size();
    if (!(wide(n - 3) && !wide(n - 2) && wide(n - 1)))
        return fail(QStringLiteral("stop pattern"));
    // Weights 1, 2, 4, 7 and a parity bar; 4 + 7 stands for 0.
    static constexpr std::array<int, 4> kWeights = {1, 2, 4, 7};
    WidthRead r;
    for (size_t g = 3; g + 3 < n; g += 5) {
        int value = 0, wides = 0;
        for (size_t k = 0; k < 5; ++k) {
            if (wide(g + k)) {
                ++wides;
                if (k < 4)
                    value += kWeights[k];
            }
        }
        if (wides != 2)
            return fail(QStringLiteral("digit without two wide bars"));
        if (value == 11)
            value = 0;
        if (value > 9)
            return fail(QStringLiteral("digit value"));
        r.data += QChar(u'0' + value);
    }
    r.ok = true;
    return r;
}

WidthRead readModifiedPlessey(const QImage &image)
{
    const std::vector<int> runs = middleRowRuns(image);
    if (runs.size() < 5)
        return fail(QStringLiteral("no symbol"));
    const std::vector<int> m = inModules(runs);
    const size_t n = m.size();
    if (m[0] != 2 || m[1] != 1)
        return fail(QStringLiteral("start pattern"));
    if (m[n - 3] != 1 || m[n - 2] != 2 || m[n - 1] != 1)
        return fail(QStringLiteral("stop pattern"));
    // Bits: kind 3 (digit bits) or 4 (letter bits) and value.
    struct Bit {
        int kind;
        int value;
    };
    std::vector<Bit> bits;
    for (size_t i = 2; i + 3 < n; i += 2) {
        const int bar = m[i], space = m[i + 1];
        if (bar == 1 && space == 2)
            bits.push_back({3, 0});
        else if (bar == 2 && space == 1)
            bits.push_back({3, 1});
        else if (bar == 1 && space == 3)
            bits.push_back({4, 0});
        else if (bar == 3 && space == 1)
            bits.push_back({4, 1});
        else
            return fail(QStringLiteral("element widths"));
    }
    if (bits.empty() || bits.size() % 4 != 0)
        return fail(QStringLiteral("bit count"));
    QString chars;
    for (size_t g = 0; g < bits.size(); g += 4) {
        int value = 0;
        const int kind = bits[g].kind;
        for (size_t k = 0; k < 4; ++k) {
            if (bits[g + k].kind != kind)
                return fail(QStringLiteral("character of mixed bits"));
            if (kind == 3)
                value = (value << 1) | bits[g + k].value;   // most significant first
            else
                value |= bits[g + k].value << k;            // least significant first
        }
        if (kind == 3 && value > 9)
            return fail(QStringLiteral("digit value"));
        if (kind == 4 && value < 10)
            return fail(QStringLiteral("letter value"));
        chars += kind == 3 ? QChar(u'0' + value) : QChar(u'A' + value - 10);
    }
    // Modulo 10: from the last data character leftward, every other one doubled (starting with
    // the last) and its decimal digits added; letters count as their code less 48.
    const QString data = chars.left(chars.size() - 1);
    int sum = 0;
    bool doubled = true;
    for (qsizetype i = data.size() - 1; i >= 0; --i) {
        const int v = data.at(i).unicode() - 48;
        sum += doubled ? (2 * v) / 10 + (2 * v) % 10 : v;
        doubled = !doubled;
    }
    if (chars.back() != QChar(u'0' + (10 - sum % 10) % 10))
        return fail(QStringLiteral("check digit"));
    WidthRead r;
    r.ok = true;
    r.data = data;
    r.check = chars.back();
    return r;
}

} // namespace lineartest
