#include "engines/linear/decoders/PostalDecoders.h"

#include "engines/linear/decoders/SymbolImage.h"

#include <algorithm>
#include <array>
#include <vector>

namespace lineartest {

namespace {

// The 4-state reading of a bar: does it reach the top part, the bottom part?
struct FourState {
    bool up = false;
    bool down = false;
};

// Sorts the bars by the parts they reach, measured against the shortest bars (the trackers).
std::vector<FourState> fourStates(const std::vector<FoundBar> &bars)
{
    int top = bars.front().top, bottom = bars.front().bottom;
    int trackerTop = top, trackerBottom = bottom;
    for (const FoundBar &b : bars) {
        top = std::min(top, b.top);
        bottom = std::max(bottom, b.bottom);
        trackerTop = std::max(trackerTop, b.top);
        trackerBottom = std::min(trackerBottom, b.bottom);
    }
    std::vector<FourState> states;
    for (const FoundBar &b : bars)
        states.push_back({b.top < (top + trackerTop) / 2, b.bottom > (bottom + trackerBottom) / 2});
    return states;
}

PostalRead fail(const QString &why)
{
    PostalRead r;
    r.error = why;
    return r;
}

// POSTNET and PLANET: weights 7, 4, 2, 1, 0 of the two marked bars; 7 + 4 stands for 0.
PostalRead readHeightModulated(const QImage &image, bool tallMarks)
{
    const std::vector<FoundBar> bars = findBars(image);
    if (bars.size() < 2)
        return fail(QStringLiteral("no bars"));
    int lowest = bars.front().bottom - bars.front().top, highest = lowest;
    for (const FoundBar &b : bars) {
        if (std::abs(b.bottom - bars.front().bottom) > 1)
            return fail(QStringLiteral("bars do not share a baseline"));
        lowest = std::min(lowest, b.bottom - b.top);
        highest = std::max(highest, b.bottom - b.top);
    }
    auto tall = [&](const FoundBar &b) { return b.bottom - b.top > (lowest + highest) / 2; };
    if (!tall(bars.front()) || !tall(bars.back()))
        return fail(QStringLiteral("frame bars are not tall"));
    if ((bars.size() - 2) % 5 != 0 || bars.size() < 7)
        return fail(QStringLiteral("bar count"));
    static constexpr std::array<int, 5> kWeights = {7, 4, 2, 1, 0};
    QString digits;
    int sum = 0;
    for (size_t g = 1; g + 1 < bars.size(); g += 5) {
        int value = 0, marks = 0;
        for (size_t k = 0; k < 5; ++k) {
            if (tall(bars[g + k]) == tallMarks) {
                value += kWeights[k];
                ++marks;
            }
        }
        if (marks != 2)
            return fail(QStringLiteral("digit without two marked bars"));
        if (value == 11)
            value = 0;
        if (value > 9)
            return fail(QStringLiteral("digit value"));
        digits += QChar(u'0' + value);
        sum += value;
    }
    if (sum % 10 != 0)
        return fail(QStringLiteral("check digit"));
    PostalRead r;
    r.ok = true;
    r.data = digits.left(digits.size() - 1);
    r.check = digits.back();
    return r;
}

} // namespace

PostalRead readPostnet(const QImage &image)
{
    return readHeightModulated(image, true);
}

PostalRead readPlanet(const QImage &image)
{
    return readHeightModulated(image, false);
}

PostalRead readRoyalMail(const QImage &image)
{
    const std::vector<FoundBar> bars = findBars(image);
    if (bars.size() < 10 || (bars.size() - 2) % 4 != 0)
        return fail(QStringLiteral("bar count"));
    const std::vector<FourState> s = fourStates(bars);
    if (!(s.front().up && !s.front().down))
        return fail(QStringLiteral("start bar is not an ascender"));
    if (!(s.back().up && s.back().down))
        return fail(QStringLiteral("stop bar is not a full bar"));
    // Each character raises two of its four bars and lowers two: the row is given by which two go
    // up, the column by which two go down, each in the order 0011, 0101, 0110, 1001, 1010, 1100.
    static constexpr std::array<int, 6> kPairs = {0x3, 0x5, 0x6, 0x9, 0xA, 0xC};
    static const QString kAlphabet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QString chars;
    std::vector<int> rows, columns;
    for (size_t g = 1; g + 1 < bars.size(); g += 4) {
        int up = 0, down = 0;
        for (size_t k = 0; k < 4; ++k) {
            up = (up << 1) | (s[g + k].up ? 1 : 0);
            down = (down << 1) | (s[g + k].down ? 1 : 0);
        }
        const auto row = std::find(kPairs.begin(), kPairs.end(), up);
        const auto column = std::find(kPairs.begin(), kPairs.end(), down);
        if (row == kPairs.end() || column == kPairs.end())
            return fail(QStringLiteral("character without two ascending and two descending bars"));
        rows.push_back(int(row - kPairs.begin()) + 1);
        columns.push_back(int(column - kPairs.begin()) + 1);
        chars += kAlphabet.at(6 * (rows.back() - 1) + columns.back() - 1);
    }
    // Check: the sums of the rows and of the columns of the data, each modulo 6 (0 counting as 6).
    int rowSum = 0, columnSum = 0;
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        rowSum += rows[i];
        columnSum += columns[i];
    }
    const int checkRow = rowSum % 6 == 0 ? 6 : rowSum % 6;
    const int checkColumn = columnSum % 6 == 0 ? 6 : columnSum % 6;
    if (rows.back() != checkRow || columns.back() != checkColumn)
        return fail(QStringLiteral("check character"));
    PostalRead r;
    r.ok = true;
    r.data = chars.left(chars.size() - 1);
    r.check = chars.back();
    return r;
}

PostalRead readJapanPost(const QImage &image)
{
    const std::vector<FoundBar> bars = findBars(image);
    if (bars.size() != 67)
        return fail(QStringLiteral("bar count"));
    const std::vector<FourState> s = fourStates(bars);
    // Bar shapes as Japan Post numbers them: 1 long, 2 semi-long upper,
    // 3 semi-long lower, 4 timing.
    auto shape = [&](size_t i) { return s[i].up ? (s[i].down ? '1' : '2') : (s[i].down ? '3' : '4'); };
    auto shapes = [&](size_t from, size_t count) {
        QString text;
        for (size_t i = from; i < from + count; ++i)
            text += QLatin1Char(shape(i));
        return text;
    };
    if (shapes(0, 2) != QLatin1String("13"))
        return fail(QStringLiteral("start code"));
    if (shapes(65, 2) != QLatin1String("31"))
        return fail(QStringLiteral("stop code"));
    // The 19 characters with their check values: 0..9, "-" 10, CC1..CC8 11..18.
    static const std::array<QString, 19> kShapes = {
        QStringLiteral("144"), QStringLiteral("114"), QStringLiteral("132"), QStringLiteral("312"),
        QStringLiteral("123"), QStringLiteral("141"), QStringLiteral("321"), QStringLiteral("213"),
        QStringLiteral("231"), QStringLiteral("411"), QStringLiteral("414"), QStringLiteral("324"),
        QStringLiteral("342"), QStringLiteral("234"), QStringLiteral("432"), QStringLiteral("243"),
        QStringLiteral("423"), QStringLiteral("441"), QStringLiteral("111"),
    };
    std::vector<int> values;
    for (size_t c = 0; c < 21; ++c) {
        const auto it = std::find(kShapes.begin(), kShapes.end(), shapes(2 + 3 * c, 3));
        if (it == kShapes.end())
            return fail(QStringLiteral("unknown character"));
        values.push_back(int(it - kShapes.begin()));
    }
    int sum = 0;
    for (const int v : values)
        sum += v;
    if (sum % 19 != 0)
        return fail(QStringLiteral("check character"));
    const QString kCheckChars = QStringLiteral("0123456789-:;<=>?./");
    PostalRead r;
    r.check = kCheckChars.at(values.back());
    QString data;
    for (size_t i = 0; i < 20; ++i) {
        const int v = values[i];
        if (i < 7 && v > 9)
            return fail(QStringLiteral("postal code is not seven digits"));
        if (v <= 9) {
            data += QChar(u'0' + v);
        } else if (v == 10) {
            data += QLatin1Char('-');
        } else if (v >= 11 && v <= 13) {
            if (i + 1 == 20)
                break;   // a shift code whose digit did not fit
            const int digit = values[++i];
            if (digit > 9)
                return fail(QStringLiteral("shift code without a digit"));
            data += QChar(u'A' + 10 * (v - 11) + digit);
        } else if (v == 14) {
            for (size_t k = i; k < 20; ++k) {
                if (values[k] != 14)
                    return fail(QStringLiteral("data after the filler"));
            }
            break;
        } else {
            return fail(QStringLiteral("code character out of place"));
        }
    }
    r.ok = true;
    r.data = data;
    return r;
}

} // namespace lineartest
