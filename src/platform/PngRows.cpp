#include "platform/PngRows.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace platform {

namespace {

constexpr uint32_t kAdlerModulus = 65521;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kLitLenCodes = 286;   // 0-255 literals, 256 end of block, 257-285 lengths
constexpr int kEndOfBlock = 256;
constexpr int kMaxCodeBits = 15;
constexpr int kMaxCodeLengthBits = 7;

// Tokens: 0-255 a literal; kMatchBase + length a run of that many copies of the byte before
// (a match one byte back); kRunMark then a count: that many unchanged lines.
constexpr uint16_t kMatchBase = 256;
constexpr uint16_t kRunMark = 0xFFFF;
// A block ends at the first line boundary past this many tokens, so that a huge image keeps a
// bounded token buffer and its later blocks get codes of their own.
constexpr size_t kBlockTokens = size_t(1) << 16;

struct LengthCode {
    uint16_t symbol = 0;
    uint8_t extraBits = 0;
    uint16_t extra = 0;
};

// RFC 1951, 3.2.5: the symbol and extra bits of each match length.
constexpr std::array<LengthCode, kMaxMatch + 1> makeLengthCodes()
{
    constexpr int base[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                              31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    constexpr int extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    std::array<LengthCode, kMaxMatch + 1> t{};
    for (int code = 0; code < 29; ++code) {
        const int last = code == 28 ? 258 : std::min(base[code] + (1 << extra[code]) - 1, 257);
        for (int length = base[code]; length <= last; ++length)
            t[size_t(length)] = {uint16_t(257 + code), uint8_t(extra[code]), uint16_t(length - base[code])};
    }
    return t;
}
constexpr std::array<LengthCode, kMaxMatch + 1> kLengthCodes = makeLengthCodes();

constexpr std::array<uint8_t, 256> makeReversedBytes()
{
    std::array<uint8_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
        int r = 0;
        for (int i = 0; i < 8; ++i)
            r |= ((b >> i) & 1) << (7 - i);
        t[size_t(b)] = uint8_t(r);
    }
    return t;
}
constexpr std::array<uint8_t, 256> kReversedBytes = makeReversedBytes();

// The low length bits of code in reverse order (length at most 16).
uint32_t reversed(uint32_t code, int length)
{
    const uint32_t r = (uint32_t(kReversedBytes[code & 0xFF]) << 8) | kReversedBytes[(code >> 8) & 0xFF];
    return r >> (16 - length);
}

// Canonical Huffman codes of a set of code lengths (RFC 1951, 3.2.2), bit-reversed for sending
// least significant bit first.
void canonicalCodes(const uint8_t *lengths, int n, uint32_t *codes)
{
    std::array<int, kMaxCodeBits + 1> count{};
    for (int i = 0; i < n; ++i)
        ++count[lengths[i]];
    count[0] = 0;
    std::array<uint32_t, kMaxCodeBits + 1> next{};
    uint32_t code = 0;
    for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
        code = (code + uint32_t(count[size_t(bits - 1)])) << 1;
        next[size_t(bits)] = code;
    }
    for (int i = 0; i < n; ++i)
        codes[i] = lengths[i] ? reversed(next[lengths[i]]++, lengths[i]) : 0;
}

// Code lengths of at most maxBits for the used symbols (in increasing order, with their
// frequencies): a minimum-redundancy code (Moffat and Katajainen's in-place construction), then,
// where it is deeper than allowed, the deepest codes are moved up and the shallowest down until the
// lengths fit (their Kraft sum stays exactly one). A single used symbol gets a partner, so that the
// code is complete: partner is then set to that symbol (else -1). Only the used symbols' lengths
// are written.
void buildLengths(const uint16_t *symbols, const uint32_t *freq, int used, int maxBits, uint8_t *lengths, int *partner)
{
    *partner = -1;
    if (used == 0)
        return;
    if (used == 1) {
        lengths[symbols[0]] = 1;
        *partner = symbols[0] == 0 ? 1 : 0;
        lengths[*partner] = 1;
        return;
    }
    struct Entry {
        uint32_t key;
        uint16_t symbol;
    };
    std::array<Entry, kLitLenCodes> a;
    for (int i = 0; i < used; ++i)
        a[size_t(i)] = {freq[symbols[i]], symbols[i]};
    std::sort(a.begin(), a.begin() + used,
              [](const Entry &x, const Entry &y) { return x.key < y.key || (x.key == y.key && x.symbol < y.symbol); });

    // Internal node weights, then parents, then depths, all in place (keys sorted ascending).
    a[0].key += a[1].key;
    int root = 0;
    int leaf = 2;
    for (int next = 1; next < used - 1; ++next) {
        if (leaf >= used || a[size_t(root)].key < a[size_t(leaf)].key) {
            a[size_t(next)].key = a[size_t(root)].key;
            a[size_t(root++)].key = uint32_t(next);
        } else {
            a[size_t(next)].key = a[size_t(leaf++)].key;
        }
        if (leaf >= used || (root < next && a[size_t(root)].key < a[size_t(leaf)].key)) {
            a[size_t(next)].key += a[size_t(root)].key;
            a[size_t(root++)].key = uint32_t(next);
        } else {
            a[size_t(next)].key += a[size_t(leaf++)].key;
        }
    }
    a[size_t(used - 2)].key = 0;
    for (int next = used - 3; next >= 0; --next)
        a[size_t(next)].key = a[a[size_t(next)].key].key + 1;
    int available = 1;
    int taken = 0;
    uint32_t depth = 0;
    root = used - 2;
    int next = used - 1;
    while (available > 0) {
        while (root >= 0 && a[size_t(root)].key == depth) {
            ++taken;
            --root;
        }
        while (available > taken) {
            a[size_t(next--)].key = depth;
            --available;
        }
        available = 2 * taken;
        ++depth;
        taken = 0;
    }

    std::array<int, kLitLenCodes + 1> count;
    std::fill(count.begin(), count.begin() + std::max<int>(int(depth), maxBits + 1) + 1, 0);
    for (int i = 0; i < used; ++i)
        ++count[a[size_t(i)].key];
    if (int(depth) > maxBits + 1) {
        for (size_t bits = size_t(maxBits) + 1; bits < size_t(depth); ++bits) {
            count[size_t(maxBits)] += count[bits];
            count[bits] = 0;
        }
        uint64_t total = 0;
        for (int bits = maxBits; bits > 0; --bits)
            total += uint64_t(count[size_t(bits)]) << (maxBits - bits);
        while (total != (uint64_t(1) << maxBits)) {
            --count[size_t(maxBits)];
            for (int bits = maxBits - 1; bits > 0; --bits)
                if (count[size_t(bits)]) {
                    --count[size_t(bits)];
                    count[size_t(bits + 1)] += 2;
                    break;
                }
            --total;
        }
    }
    // The most frequent symbols (the end of the sorted list) take the shortest codes.
    int j = used;
    for (int bits = 1; bits <= maxBits; ++bits)
        for (int c = count[size_t(bits)]; c > 0; --c)
            lengths[a[size_t(--j)].symbol] = uint8_t(bits);
}

// Canonical codes (as canonicalCodes) of the given symbols only, in increasing order; the others
// have no code.
void canonicalCodesOf(const uint16_t *symbols, int used, const uint8_t *lengths, uint32_t *codes)
{
    std::array<int, kMaxCodeBits + 1> count{};
    for (int i = 0; i < used; ++i)
        ++count[lengths[symbols[i]]];
    count[0] = 0;
    std::array<uint32_t, kMaxCodeBits + 1> next{};
    uint32_t code = 0;
    for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
        code = (code + uint32_t(count[size_t(bits - 1)])) << 1;
        next[size_t(bits)] = code;
    }
    for (int i = 0; i < used; ++i) {
        const uint16_t symbol = symbols[i];
        codes[symbol] = reversed(next[lengths[symbol]]++, lengths[symbol]);
    }
}

// The stream's bits, least significant first, straight into the output array; reserve() before
// each block makes room for all of its bits.
class BitSink {
public:
    void start(QByteArray *out)
    {
        m_out = out;
        m_pos = out->size();
        m_base = nullptr;
        m_acc = 0;
        m_count = 0;
    }
    // Room for bits more bits (and the slack of whole-word stores).
    void reserve(uint64_t bits)
    {
        const qsizetype need = m_pos + qsizetype((uint64_t(m_count) + bits + 7) / 8) + 8;
        if (m_out->size() < need)
            m_out->resize(std::max(need, m_out->size() + m_out->size() / 2));
        m_base = reinterpret_cast<uchar *>(m_out->data());
    }
    void put(uint32_t bits, int count)
    {
        m_acc |= uint64_t(bits) << m_count;
        m_count += count;
        if (m_count >= 32) {
            qToLittleEndian(quint32(m_acc), m_base + m_pos);
            m_pos += 4;
            m_acc >>= 32;
            m_count -= 32;
        }
    }
    // Pads to a whole byte and ends the array there.
    void finish()
    {
        while (m_count > 0) {
            m_base[m_pos++] = uchar(m_acc);
            m_acc >>= 8;
            m_count -= 8;
        }
        m_count = 0;
        m_acc = 0;
        m_out->resize(m_pos);
    }

private:
    QByteArray *m_out = nullptr;
    qsizetype m_pos = 0;
    uchar *m_base = nullptr;
    uint64_t m_acc = 0;
    int m_count = 0;
};

struct State {
    size_t lineBytes = 0;
    std::vector<uint16_t> tokens;
    size_t used = 0;   // tokens in the current block
    std::array<uint32_t, kLitLenCodes> freq{};
    uint64_t matches = 0;
    std::vector<uint16_t> unchangedLine;   // the tokens of one unchanged line
    uint32_t adlerA = 1;
    uint32_t adlerB = 0;
    BitSink bits;
    QByteArray *out = nullptr;
    bool failed = false;

    // Codes of the block being written: the bits and their number for every token kind.
    std::array<uint32_t, 256> tokenBits{};
    std::array<uint8_t, 256> tokenLength{};

    void reserveTokens(size_t more)
    {
        if (used + more > tokens.size())
            tokens.resize(std::max(used + more, tokens.size() * 2));
    }
    void literal(uint16_t *&t, unsigned byte)
    {
        *t++ = uint16_t(byte);
        ++freq[byte];
    }
    // Matches for a run of length copies of the byte before; answers the copies left over (0 to 2).
    int run(uint16_t *&t, int length)
    {
        while (length >= kMinMatch) {
            const int m = std::min(length, kMaxMatch);
            *t++ = uint16_t(kMatchBase + m);
            ++freq[kLengthCodes[size_t(m)].symbol];
            ++matches;
            length -= m;
        }
        return length;
    }
    void writeBlock(bool last);
};

State &state()
{
    thread_local State s;
    return s;
}

// Where the bytes at [from, end) stop being zero.
const unsigned char *skipZeros(const unsigned char *from, const unsigned char *end)
{
    while (end - from >= 8) {
        uint64_t word;
        std::memcpy(&word, from, 8);
        if (word) {
            word = qFromLittleEndian(word);
            return from + (__builtin_ctzll(word) >> 3);
        }
        from += 8;
    }
    while (from < end && *from == 0)
        ++from;
    return from;
}

void State::writeBlock(bool last)
{
    freq[kEndOfBlock] = 1;
    // The symbols this block uses, in increasing order: every table below is built for those only.
    std::array<uint16_t, kLitLenCodes + 1> symbols;
    int usedSymbols = 0;
    for (int symbol = 0; symbol < kLitLenCodes; ++symbol)
        if (freq[size_t(symbol)])
            symbols[size_t(usedSymbols++)] = uint16_t(symbol);

    // The dynamic codes: literal/length lengths, one distance code (distance 1) of one bit.
    std::array<uint8_t, kLitLenCodes + 1> litLength;
    litLength.fill(0);
    int partner = -1;
    buildLengths(symbols.data(), freq.data(), usedSymbols, kMaxCodeBits, litLength.data(), &partner);
    const int hlit = std::max(257, int(symbols[size_t(usedSymbols - 1)]) + 1);
    // The code lengths of both codes as one sequence, runs coded with 16, 17 and 18.
    const int total = hlit + 1;
    const uint8_t distanceLength = 1;
    auto lengthAt = [&](int i) { return i < hlit ? litLength[size_t(i)] : distanceLength; };
    struct ClToken {
        uint8_t symbol;
        uint8_t extra;
    };
    std::array<ClToken, kLitLenCodes + 1> cl;
    int clCount = 0;
    std::array<uint32_t, 19> clFreq{};
    auto push = [&](int symbol, int extra) {
        cl[size_t(clCount++)] = {uint8_t(symbol), uint8_t(extra)};
        ++clFreq[size_t(symbol)];
    };
    for (int i = 0; i < total;) {
        const uint8_t v = lengthAt(i);
        int run = 1;
        while (i + run < total && lengthAt(i + run) == v)
            ++run;
        i += run;
        if (v == 0) {
            while (run >= 11) {
                const int n = std::min(run, 138);
                push(18, n - 11);
                run -= n;
            }
            if (run >= 3) {
                push(17, run - 3);
                run = 0;
            }
        } else {
            push(v, 0);
            --run;
            while (run >= 3) {
                const int n = std::min(run, 6);
                push(16, n - 3);
                run -= n;
            }
        }
        for (; run > 0; --run)
            push(v, 0);
    }
    std::array<uint16_t, 19> clSymbols;
    int clUsed = 0;
    for (int symbol = 0; symbol < 19; ++symbol)
        if (clFreq[size_t(symbol)])
            clSymbols[size_t(clUsed++)] = uint16_t(symbol);
    std::array<uint8_t, 19> clLength{};
    int clPartner = -1;
    buildLengths(clSymbols.data(), clFreq.data(), clUsed, kMaxCodeLengthBits, clLength.data(), &clPartner);
    static constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    int hclen = 19;
    while (hclen > 4 && clLength[size_t(kOrder[hclen - 1])] == 0)
        --hclen;
    static constexpr int kClExtra[19] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 7};

    // The sizes of both choices; the fixed codes need no tables.
    uint64_t dynamicBits = 3 + 5 + 5 + 4 + 3 * uint64_t(hclen) + matches;
    for (int i = 0; i < clCount; ++i)
        dynamicBits += clLength[cl[size_t(i)].symbol] + uint64_t(kClExtra[cl[size_t(i)].symbol]);
    uint64_t fixedBits = 3 + 5 * matches;
    for (int i = 0; i < usedSymbols; ++i) {
        const int symbol = symbols[size_t(i)];
        const uint64_t f = freq[size_t(symbol)];
        const uint64_t extra = symbol >= 265 && symbol < 285 ? uint64_t((symbol - 261) / 4) : 0;
        dynamicBits += f * (litLength[size_t(symbol)] + extra);
        const int fixedLength = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
        fixedBits += f * (uint64_t(fixedLength) + extra);
    }
    const bool fixed = fixedBits <= dynamicBits;

    std::array<uint32_t, kLitLenCodes + 1> litCode;
    uint32_t distCode = 0;
    int distLength = 1;
    if (fixed) {
        struct FixedCodes {
            std::array<uint8_t, 288> lengths{};
            std::array<uint32_t, 288> codes{};
            FixedCodes()
            {
                for (size_t symbol = 0; symbol < lengths.size(); ++symbol)
                    lengths[symbol] = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
                canonicalCodes(lengths.data(), 288, codes.data());
            }
        };
        static const FixedCodes fixedCodes;
        for (int i = 0; i < usedSymbols; ++i) {
            const int symbol = symbols[size_t(i)];
            litLength[size_t(symbol)] = fixedCodes.lengths[size_t(symbol)];
            litCode[size_t(symbol)] = fixedCodes.codes[size_t(symbol)];
        }
        distLength = 5;   // distance code 0: five zero bits
    } else {
        if (partner >= 0) {   // a lone symbol's partner has a code too, so that the code is complete
            const std::array<uint16_t, 2> two = {uint16_t(std::min<int>(partner, symbols[0])),
                                                 uint16_t(std::max<int>(partner, symbols[0]))};
            canonicalCodesOf(two.data(), 2, litLength.data(), litCode.data());
        } else {
            canonicalCodesOf(symbols.data(), usedSymbols, litLength.data(), litCode.data());
        }
    }
    for (int i = 0; i < usedSymbols; ++i) {
        const int symbol = symbols[size_t(i)];
        if (symbol < 256) {
            tokenBits[size_t(symbol)] = litCode[size_t(symbol)];
            tokenLength[size_t(symbol)] = litLength[size_t(symbol)];
        }
    }
    // A match: its length symbol's code, the length's extra bits, then distance code 0.
    auto matchCode = [&](int length, uint32_t &out, int &n) {
        const LengthCode &lc = kLengthCodes[size_t(length)];
        const int l = litLength[lc.symbol];
        out = litCode[lc.symbol] | (uint32_t(lc.extra) << l) | (distCode << (l + lc.extraBits));
        n = l + lc.extraBits + distLength;
    };

    try {
        bits.reserve(fixed ? fixedBits : dynamicBits);
    } catch (const std::bad_alloc &) {
        failed = true;
    }
    if (!failed) {
        bits.put(last ? 1u : 0u, 1);
        bits.put(fixed ? 1u : 2u, 2);
        if (!fixed) {
            std::array<uint32_t, 19> clCode{};
            if (clPartner >= 0) {
                const std::array<uint16_t, 2> two = {uint16_t(std::min<int>(clPartner, clSymbols[0])),
                                                     uint16_t(std::max<int>(clPartner, clSymbols[0]))};
                canonicalCodesOf(two.data(), 2, clLength.data(), clCode.data());
            } else {
                canonicalCodesOf(clSymbols.data(), clUsed, clLength.data(), clCode.data());
            }
            bits.put(uint32_t(hlit - 257), 5);
            bits.put(0, 5);   // one distance code
            bits.put(uint32_t(hclen - 4), 4);
            for (int i = 0; i < hclen; ++i)
                bits.put(clLength[size_t(kOrder[i])], 3);
            for (int i = 0; i < clCount; ++i) {
                const ClToken c = cl[size_t(i)];
                bits.put(clCode[c.symbol], clLength[c.symbol]);
                if (kClExtra[c.symbol])
                    bits.put(c.extra, kClExtra[c.symbol]);
            }
        }
        // One unchanged line's codes joined into as few words as they fit in.
        std::array<std::pair<uint32_t, int>, 64> line{};
        size_t lineWords = 0;
        std::vector<std::pair<uint32_t, int>> longLine;
        {
            uint32_t word = 0;
            int length = 0;
            auto flush = [&] {
                if (lineWords < line.size())
                    line[lineWords] = {word, length};
                else
                    longLine.emplace_back(word, length);
                ++lineWords;
            };
            for (const uint16_t u : unchangedLine) {
                uint32_t code = tokenBits[u & 0xFF];
                int l = tokenLength[u & 0xFF];
                if (u >= kMatchBase)
                    matchCode(u - kMatchBase, code, l);
                if (length + l > 32) {
                    flush();
                    word = 0;
                    length = 0;
                }
                word |= code << length;
                length += l;
            }
            if (length)
                flush();
        }
        const uint16_t *t = tokens.data();
        const uint16_t *end = t + used;
        while (t < end) {
            const uint16_t token = *t++;
            if (token < kMatchBase) {
                bits.put(tokenBits[token], tokenLength[token]);
                continue;
            }
            if (token != kRunMark) {
                uint32_t code;
                int l;
                matchCode(token - kMatchBase, code, l);
                bits.put(code, l);
                continue;
            }
            const int lines = *t++;
            if (lineWords <= line.size()) {
                for (int n = 0; n < lines; ++n)
                    for (size_t w = 0; w < lineWords; ++w)
                        bits.put(line[w].first, line[w].second);
            } else {
                for (int n = 0; n < lines; ++n) {
                    for (const auto &w : line)
                        bits.put(w.first, w.second);
                    for (const auto &w : longLine)
                        bits.put(w.first, w.second);
                }
            }
        }
        bits.put(litCode[kEndOfBlock], litLength[kEndOfBlock]);
    }
    used = 0;
    matches = 0;
    freq.fill(0);
}

} // namespace

bool PngRows::begin(size_t lineBytes, QByteArray *out)
{
    State &s = state();
    if (lineBytes == 0 || !out)
        return false;
    s.lineBytes = lineBytes;
    s.used = 0;
    s.matches = 0;
    s.freq.fill(0);
    s.adlerA = 1;
    s.adlerB = 0;
    s.failed = false;
    s.unchangedLine.clear();
    s.unchangedLine.push_back(2);
    s.unchangedLine.push_back(0);
    for (size_t zeros = lineBytes - 1; zeros > 0;) {
        if (zeros >= size_t(kMinMatch)) {
            const size_t m = std::min<size_t>(zeros, kMaxMatch);
            s.unchangedLine.push_back(uint16_t(kMatchBase + m));
            zeros -= m;
        } else {
            s.unchangedLine.push_back(0);
            --zeros;
        }
    }
    try {
        out->append("\x78\x01", 2);   // deflate, 32 KB window, fastest, no dictionary
    } catch (const std::bad_alloc &) {
        return false;
    }
    s.out = out;
    s.bits.start(out);
    return true;
}

void PngRows::addLine(const unsigned char *line)
{
    State &s = state();
    const size_t n = s.lineBytes + 1;
    s.reserveTokens(n + 2);
    uint16_t *t = s.tokens.data() + s.used;
    const unsigned char *const end = line + n;
    // Adler-32 over the line: a takes the sum of the bytes, b the sum weighted by the distance
    // from the line's end; zeros add nothing to either.
    uint64_t sum = 0;
    uint64_t weighted = 0;
    auto add = [&](const unsigned char *p, unsigned byte) {
        sum += byte;
        weighted += uint64_t(end - p) * byte;
    };
    unsigned prev = *line;
    s.literal(t, prev);
    add(line, prev);
    const unsigned char *p = line + 1;
    while (p < end) {
        const unsigned byte = *p;
        if (byte != prev) {
            s.literal(t, byte);
            add(p, byte);
            prev = byte;
            ++p;
            continue;
        }
        const unsigned char *q = p;
        if (prev == 0) {
            q = skipZeros(p, end);
        } else {
            while (q < end && *q == prev)
                ++q;
            const uint64_t count = uint64_t(q - p);
            const uint64_t firstWeight = uint64_t(end - p);
            sum += prev * count;
            weighted += prev * (count * firstWeight - count * (count - 1) / 2);
        }
        const int left = s.run(t, int(q - p));
        for (int i = 0; i < left; ++i)
            s.literal(t, prev);
        p = q;
    }
    const uint64_t a0 = s.adlerA;
    s.adlerA = uint32_t((a0 + sum) % kAdlerModulus);
    s.adlerB = uint32_t((s.adlerB + uint64_t(n) * a0 + weighted) % kAdlerModulus);
    s.used = size_t(t - s.tokens.data());
    if (s.used >= kBlockTokens)
        s.writeBlock(false);
}

void PngRows::addUnchangedLines(int count)
{
    State &s = state();
    if (count <= 0)
        return;
    const uint64_t n = s.lineBytes + 1;
    uint64_t a = s.adlerA;
    uint64_t b = s.adlerB;
    for (int i = 0; i < count; ++i) {
        b = (b + n * ((a + 2) % kAdlerModulus)) % kAdlerModulus;   // the 2, then its sum held over the zeros
        a = (a + 2) % kAdlerModulus;
    }
    s.adlerA = uint32_t(a);
    s.adlerB = uint32_t(b);
    for (const uint16_t u : s.unchangedLine)
        s.freq[u < kMatchBase ? u : kLengthCodes[size_t(u - kMatchBase)].symbol] += uint32_t(count);
    for (const uint16_t u : s.unchangedLine)
        if (u >= kMatchBase)
            s.matches += uint64_t(count);
    while (count > 0) {
        const int lines = std::min(count, 0xFFFE);
        s.reserveTokens(2);
        s.tokens[s.used++] = kRunMark;
        s.tokens[s.used++] = uint16_t(lines);
        count -= lines;
    }
    if (s.used >= kBlockTokens)
        s.writeBlock(false);
}

bool PngRows::finish()
{
    State &s = state();
    s.writeBlock(true);
    if (s.failed)
        return false;
    s.bits.finish();
    const uint32_t adler = (s.adlerB << 16) | s.adlerA;
    char trailer[4];
    qToBigEndian(quint32(adler), trailer);
    try {
        s.out->append(trailer, 4);
    } catch (const std::bad_alloc &) {
        return false;
    }
    s.out = nullptr;
    return true;
}

} // namespace platform
