#include "platform/PngRows.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// Run-length matching at the fastest level: what is left for zlib (text edges, the first line of a
// run of bars) has little for full matching to find.
constexpr int kLevel = 1;
constexpr int kStrategy = Z_RLE;
// Shorter runs of unchanged lines go through zlib: a block of our own costs a few dozen bytes.
constexpr int kMinDirectRun = 8;
constexpr uLong kAdlerModulus = 65521;

struct State {
    z_stream z{};
    bool ready = false;
    std::vector<unsigned char> pending;
    std::vector<unsigned char> out;
    size_t fill = 0;
    size_t lineBytes = 0;
    uLong adler = 1;
    State() { ready = deflateInit2(&z, kLevel, Z_DEFLATED, -15, 8, kStrategy) == Z_OK; }
    ~State()
    {
        if (ready)
            deflateEnd(&z);
    }
    State(const State &) = delete;
    State &operator=(const State &) = delete;
};

State &state()
{
    thread_local State s;
    return s;
}

// Feeds the pending lines to zlib with the given flush; its output is appended to s.out.
bool pump(State &s, int flush)
{
    if (s.fill)
        s.adler = adler32(s.adler, s.pending.data(), uInt(s.fill));
    s.z.next_in = s.pending.data();
    s.z.avail_in = uInt(s.fill);
    while (true) {
        size_t used = s.out.size();
        s.out.resize(used + std::max<size_t>(65536, s.fill / 4));
        s.z.next_out = s.out.data() + used;
        s.z.avail_out = uInt(s.out.size() - used);
        const int rc = deflate(&s.z, flush);
        s.out.resize(size_t(s.z.next_out - s.out.data()));
        if (rc == Z_STREAM_END)
            break;
        if (rc != Z_OK && rc != Z_BUF_ERROR)
            return false;
        if (s.z.avail_in == 0 && s.z.avail_out != 0)
            break;
    }
    s.fill = 0;
    return true;
}

// Bits of a deflate stream, least significant first; Huffman codes go out from their first bit.
class Bits {
public:
    explicit Bits(std::vector<unsigned char> &out) : m_out(out) {}
    void put(uint32_t value, int count)
    {
        m_acc |= uint64_t(value) << m_count;
        m_count += count;
        while (m_count >= 8) {
            m_out.push_back(static_cast<unsigned char>(m_acc));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    void code(uint32_t code, int length)
    {
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i)
            reversed |= ((code >> i) & 1u) << (length - 1 - i);
        put(reversed, length);
    }
    // An empty stored block: the stream continues on a byte boundary, as zlib expects.
    void alignWithEmptyStoredBlock()
    {
        put(0, 3);   // not final, stored
        if (m_count)
            put(0, 8 - m_count);
        put(0x0000, 16);
        put(0xFFFF, 16);
    }

private:
    std::vector<unsigned char> &m_out;
    uint64_t m_acc = 0;
    int m_count = 0;
};

// Canonical Huffman codes of a set of code lengths (RFC 1951, 3.2.2).
template <size_t N>
std::array<uint32_t, N> canonicalCodes(const std::array<int, N> &lengths)
{
    std::array<int, 16> count{};
    for (int l : lengths)
        if (l)
            ++count[size_t(l)];
    std::array<uint32_t, 16> next{};
    uint32_t code = 0;
    for (size_t bits = 1; bits < 16; ++bits) {
        code = (code + uint32_t(count[bits - 1])) << 1;
        next[bits] = code;
    }
    next[0] = 0;
    std::array<uint32_t, N> codes{};
    for (size_t i = 0; i < N; ++i)
        if (lengths[i])
            codes[i] = next[size_t(lengths[i])]++;
    return codes;
}

constexpr int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

// count lines of a filter byte 2 and lineBytes zeros as one dynamic-Huffman block: per line the
// literal 2, a literal 0, and the remaining zeros as matches one byte back (258 at a time and one
// shorter tail), under codes of one to four bits.
void writeUnchangedBlock(std::vector<unsigned char> &out, size_t lineBytes, int count)
{
    const size_t zeros = lineBytes - 1;   // after the literal 0
    const size_t full = zeros / 258;
    const int tail = int(zeros % 258);
    int tailSymbol = -1;
    if (tail >= 3) {
        int i = 27;
        while (kLengthBase[i] > tail)
            --i;
        tailSymbol = i;
    }

    std::array<int, 286> lit{};
    lit[285] = 1;
    lit[0] = 2;
    lit[2] = 3;
    if (tailSymbol >= 0) {
        lit[size_t(257 + tailSymbol)] = 4;
        lit[256] = 4;
    } else {
        lit[256] = 3;
    }
    const std::array<uint32_t, 286> litCode = canonicalCodes(lit);

    // The code-length code: 18 (a run of zeros) in two bits, the other symbols used in three.
    std::array<int, 19> cl{};
    for (int symbol : {0, 1, 2, 3, 4, 17})
        cl[size_t(symbol)] = 3;
    cl[18] = 2;
    const std::array<uint32_t, 19> clCode = canonicalCodes(cl);
    static constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

    Bits bits(out);
    bits.put(0, 1);     // not the final block
    bits.put(2, 2);     // dynamic Huffman codes
    bits.put(29, 5);    // 286 literal/length codes
    bits.put(0, 5);     // one distance code
    bits.put(14, 4);    // 18 code-length code lengths
    for (int i = 0; i < 18; ++i)
        bits.put(uint32_t(cl[size_t(kOrder[i])]), 3);

    // The 286 literal/length code lengths and the one distance code length, zeros in runs.
    std::array<int, 287> lengths{};
    std::copy(lit.begin(), lit.end(), lengths.begin());
    lengths[286] = 1;
    for (size_t i = 0; i < lengths.size();) {
        if (lengths[i]) {
            bits.code(clCode[size_t(lengths[i])], cl[size_t(lengths[i])]);
            ++i;
            continue;
        }
        size_t run = 0;
        while (i + run < lengths.size() && lengths[i + run] == 0)
            ++run;
        i += run;
        while (run >= 11) {
            const size_t n = std::min<size_t>(run, 138);
            bits.code(clCode[18], cl[18]);
            bits.put(uint32_t(n - 11), 7);
            run -= n;
        }
        if (run >= 3) {
            bits.code(clCode[17], cl[17]);
            bits.put(uint32_t(run - 3), 3);
            run = 0;
        }
        for (; run > 0; --run)
            bits.code(clCode[0], cl[0]);
    }

    // The lines. The one distance code (distance 1) takes one bit: 0.
    for (int line = 0; line < count; ++line) {
        bits.code(litCode[2], lit[2]);
        bits.code(litCode[0], lit[0]);
        for (size_t m = 0; m < full; ++m) {
            bits.code(litCode[285], lit[285]);
            bits.put(0, 1);
        }
        if (tailSymbol >= 0) {
            bits.code(litCode[size_t(257 + tailSymbol)], lit[size_t(257 + tailSymbol)]);
            bits.put(uint32_t(tail - kLengthBase[tailSymbol]), kLengthExtra[tailSymbol]);
            bits.put(0, 1);
        } else {
            for (int z = 0; z < tail; ++z)
                bits.code(litCode[0], lit[0]);
        }
    }
    bits.code(litCode[256], lit[256]);
    bits.alignWithEmptyStoredBlock();
}

} // namespace

bool PngRows::begin(size_t lineBytes)
{
    State &s = state();
    if (!s.ready || lineBytes == 0 || deflateReset(&s.z) != Z_OK)
        return false;
    s.lineBytes = lineBytes;
    s.fill = 0;
    s.adler = 1;
    s.out.clear();
    s.out.push_back(0x78);   // deflate, 32 KB window
    s.out.push_back(0x01);   // fastest, no dictionary
    s.pending.resize(std::max<size_t>(65536, 4 * (lineBytes + 1)));
    return true;
}

bool PngRows::addLine(const unsigned char *line)
{
    State &s = state();
    if (s.fill + s.lineBytes + 1 > s.pending.size() && !pump(s, Z_NO_FLUSH))
        return false;
    std::memcpy(s.pending.data() + s.fill, line, s.lineBytes + 1);
    s.fill += s.lineBytes + 1;
    return true;
}

bool PngRows::addUnchangedLines(int count)
{
    State &s = state();
    if (count <= 0)
        return true;
    if (count < kMinDirectRun || s.lineBytes < 2) {
        for (int i = 0; i < count; ++i) {
            if (s.fill + s.lineBytes + 1 > s.pending.size() && !pump(s, Z_NO_FLUSH))
                return false;
            unsigned char *line = s.pending.data() + s.fill;
            line[0] = 2;
            std::memset(line + 1, 0, s.lineBytes);
            s.fill += s.lineBytes + 1;
        }
        return true;
    }
    // zlib ends its block and forgets its history, so nothing it writes later refers into ours.
    if (!pump(s, Z_FULL_FLUSH))
        return false;
    writeUnchangedBlock(s.out, s.lineBytes, count);
    uLong a = s.adler & 0xFFFF;
    uLong b = s.adler >> 16;
    for (int i = 0; i < count; ++i) {
        a = (a + 2) % kAdlerModulus;
        b = (b + a * (s.lineBytes + 1)) % kAdlerModulus;
    }
    s.adler = (b << 16) | a;
    return true;
}

bool PngRows::finish(QByteArray *out)
{
    State &s = state();
    if (!pump(s, Z_FINISH))
        return false;
    const uLong adler = s.adler;
    const unsigned char trailer[4] = {static_cast<unsigned char>(adler >> 24), static_cast<unsigned char>(adler >> 16),
                                      static_cast<unsigned char>(adler >> 8), static_cast<unsigned char>(adler)};
    s.out.insert(s.out.end(), trailer, trailer + 4);
    if (out)
        *out = QByteArray(reinterpret_cast<const char *>(s.out.data()), qsizetype(s.out.size()));
    return true;
}

} // namespace platform
