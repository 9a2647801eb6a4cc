#include "engines/qr/QrSegmentation.h"

#include "engines/qr/QrTables.h"

#include <array>
#include <cstddef>
#include <limits>

namespace qr {

namespace {

bool isNumeric(uint8_t c) { return c >= '0' && c <= '9'; }

bool isAlphanumeric(uint8_t c)
{
    return isNumeric(c) || (c >= 'A' && c <= 'Z') || c == ' ' || c == '$' || c == '%' || c == '*' || c == '+'
           || c == '-' || c == '.' || c == '/' || c == ':';
}

int countBits(uint8_t mode, int group)
{
    const size_t g = size_t(group);
    return mode == kModeNumeric ? nIndicatorLenNumeral[g] : mode == kModeAlphanumeric ? nIndicatorLenAlphabet[g] : nIndicatorLen8Bit[g];
}

// The states after a character: the mode of its segment and the segment's length modulo the
// characters one data group packs (3 digits in 10 bits, 2 characters in 11 bits, 1 byte in 8),
// which is all the cost of the next character depends on.
struct State {
    uint8_t mode;
    int residue;
};
constexpr std::array<State, 6> kStates{{{kModeNumeric, 0}, {kModeNumeric, 1}, {kModeNumeric, 2},
                                        {kModeAlphanumeric, 0}, {kModeAlphanumeric, 1}, {kModeByte, 0}}};
constexpr int kFirstState[3] = {0, 3, 5};

// Bits one more character adds to a segment whose length has the residue: the numeric groups
// grow 4, 7, 10 bits; the alphanumeric ones 6, 11.
int characterBits(uint8_t mode, int residue)
{
    if (mode == kModeNumeric)
        return residue == 0 ? 4 : 3;
    if (mode == kModeAlphanumeric)
        return residue == 0 ? 6 : 5;
    return 8;
}

int nextResidue(uint8_t mode, int residue)
{
    return mode == kModeNumeric ? (residue + 1) % 3 : mode == kModeAlphanumeric ? (residue + 1) % 2 : 0;
}

int stateOf(uint8_t mode, int residue) { return kFirstState[mode] + residue; }

} // namespace

int64_t segmentBits(uint8_t mode, int64_t length, int versionGroup)
{
    const int64_t header = 4 + countBits(mode, versionGroup);
    if (mode == kModeNumeric)
        return header + 10 * (length / 3) + (length % 3 == 1 ? 4 : length % 3 == 2 ? 7 : 0);
    if (mode == kModeAlphanumeric)
        return header + 11 * (length / 2) + 6 * (length % 2);
    return header + 8 * length;
}

int64_t totalBits(const std::vector<QrSegment> &segments, int versionGroup)
{
    int64_t bits = 0;
    for (const QrSegment &s : segments)
        bits += segmentBits(s.mode, s.length, versionGroup);
    return bits;
}

std::vector<QrSegment> shortestSegments(const uint8_t *source, int64_t length, int versionGroup)
{
    if (!source || length <= 0)
        return {};
    constexpr int64_t kNone = std::numeric_limits<int64_t>::max() / 2;
    const size_t n = size_t(length);
    // cost[s]: least bits of the characters so far ending in state s; from[i][s]: the state before
    // character i on that best path (-1: character 0).
    std::array<int64_t, 6> cost;
    cost.fill(kNone);
    std::vector<std::array<int8_t, 6>> from(n);

    for (size_t i = 0; i < n; ++i) {
        const uint8_t c = source[i];
        const bool allowed[3] = {isNumeric(c), isAlphanumeric(c), true};
        std::array<int64_t, 6> next;
        next.fill(kNone);
        std::array<int8_t, 6> back;
        back.fill(-1);
        auto offer = [&](int state, int64_t bits, int previous) {
            if (bits < next[size_t(state)]) {
                next[size_t(state)] = bits;
                back[size_t(state)] = int8_t(previous);
            }
        };
        for (uint8_t mode = 0; mode < 3; ++mode) {
            if (!allowed[mode])
                continue;
            const int64_t opening = 4 + countBits(mode, versionGroup) + characterBits(mode, 0);
            const int first = stateOf(mode, nextResidue(mode, 0));
            if (i == 0) {
                offer(first, opening, -1);
                continue;
            }
            for (int s = 0; s < 6; ++s) {
                const int64_t before = cost[size_t(s)];
                if (before >= kNone)
                    continue;
                const State st = kStates[size_t(s)];
                if (st.mode == mode)   // the segment goes on
                    offer(stateOf(mode, nextResidue(mode, st.residue)), before + characterBits(mode, st.residue), s);
                else                   // a new segment opens
                    offer(first, before + opening, s);
            }
        }
        cost = next;
        from[i] = back;
    }

    int best = 0;
    for (int s = 1; s < 6; ++s)
        if (cost[size_t(s)] < cost[size_t(best)])
            best = s;
    // Walk back: the mode of every character, then runs of one mode as segments.
    std::vector<uint8_t> modes(n);
    for (size_t i = n; i-- > 0;) {
        modes[i] = kStates[size_t(best)].mode;
        best = from[i][size_t(best)];
    }
    std::vector<QrSegment> segments;
    for (size_t i = 0; i < n; ++i) {
        const int64_t limit = (int64_t(1) << countBits(modes[i], versionGroup)) - 1;
        // A run longer than its count field can state goes on in a new segment (no such run fits
        // a version of its group).
        if (segments.empty() || segments.back().mode != modes[i] || segments.back().length == limit)
            segments.push_back({modes[i], int64_t(i), 0});
        ++segments.back().length;
    }
    return segments;
}

} // namespace qr
