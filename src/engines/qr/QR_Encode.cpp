// Data side of the QR encoder: version choice, segmentation, bit stream, padding, blocks and
// Reed-Solomon. The matrix side is in QR_Matrix.cpp.

#include "engines/qr/QR_Encode.h"

#include "engines/qr/QrSegmentation.h"

#include <cstring>

using namespace qr;

static_assert(int(CQR_Encode::QR_MODE_NUMERAL) == int(kModeNumeric) && int(CQR_Encode::QR_MODE_ALPHABET) == int(kModeAlphanumeric)
              && int(CQR_Encode::QR_MODE_8BIT) == int(kModeByte));

namespace {

int versionGroup(int64_t version)
{
    if (version < 10)
        return 0;
    return version < 27 ? 1 : 2;
}

constexpr int64_t kGroupFirst[3] = {1, 10, 27};
constexpr int64_t kGroupLast[3] = {9, 26, 40};

} // namespace

bool CQR_Encode::EncodeData(int64_t nLevel, int64_t nVersion, bool bAutoExtent, int64_t nMaskingNo,
                            const uint8_t *lpsSource, int64_t ncSource)
{
    m_nLevel = nLevel;
    m_nMaskingNo = nMaskingNo;
    // Out-of-range arguments would index past the tables.
    if (nLevel < 0 || nLevel > 3 || nMaskingNo < -1 || nMaskingNo > 7 || nVersion > kMaxVersion || !lpsSource)
        return false;

    const int64_t ncLength = ncSource < 1 ? int64_t(std::strlen(reinterpret_cast<const char *>(lpsSource))) : ncSource;
    if (ncLength == 0)
        return false;

    const int64_t found = GetEncodeVersion(nVersion, lpsSource, ncLength);
    if (found == 0)
        return false;
    if (nVersion != 0 && found > nVersion && !bAutoExtent)
        return false;
    m_nVersion = found > nVersion ? found : nVersion;
    FinishSymbol();
    return true;
}

bool CQR_Encode::EncodeDataShortest(int64_t nLevel, const uint8_t *lpsSource, int64_t ncSource)
{
    m_nLevel = nLevel;
    m_nMaskingNo = -1;
    if (nLevel < 0 || nLevel > 3 || !lpsSource || ncSource < 1 || ncSource > kMaxCharacters)
        return false;
    const auto &table = QR_VersonInfo();
    for (int group = 0; group <= 2; ++group) {
        const std::vector<QrSegment> segments = shortestSegments(lpsSource, ncSource, group);
        const int64_t needed = (totalBits(segments, group) + 7) / 8;
        int64_t version = 0;
        for (int64_t v = kGroupFirst[group]; v <= kGroupLast[group] && !version; ++v)
            if (table[size_t(v)].dataCodewords[size_t(m_nLevel)] >= needed)
                version = v;
        if (!version)
            continue;
        m_ncDataBlock = int64_t(segments.size());
        m_byBlockMode.resize(segments.size());
        m_nBlockLength.resize(segments.size());
        for (size_t i = 0; i < segments.size(); ++i) {
            m_byBlockMode[i] = segments[i].mode;
            m_nBlockLength[i] = segments[i].length;
        }
        if (!WriteBitStream(lpsSource, group))
            return false;
        m_nVersion = version;
        FinishSymbol();
        return true;
    }
    return false;
}

void CQR_Encode::FinishSymbol()
{
    const QrVersionRow &row = QR_VersonInfo()[size_t(m_nVersion)];
    const size_t level = size_t(m_nLevel);
    const int64_t ncDataCodeWord = row.dataCodewords[level];

    // Terminator: up to four zero bits, fewer when the capacity is nearly full.
    const int64_t terminator = min(4, ncDataCodeWord * 8 - m_ncDataCodeWordBit);
    if (terminator > 0)
        m_ncDataCodeWordBit = SetBitStream(m_ncDataCodeWordBit, 0, int(terminator));

    // Pad codewords after the last partly filled byte (whose low bits are already zero).
    uint8_t pad = 0xEC;
    for (int64_t i = (m_ncDataCodeWordBit + 7) / 8; i < ncDataCodeWord; ++i) {
        m_byDataCodeWord[size_t(i)] = pad;
        pad = pad == 0xEC ? 0x11 : 0xEC;
    }

    // Blocks: data codewords cut in order into the first group, then the second (one longer each);
    // interleaved column by column, then the error-correction codewords the same way.
    m_ncAllCodeWord = row.allCodewords;
    std::memset(m_byAllCodeWord.data(), 0, m_byAllCodeWord.size());
    const QrBlockGroup &g1 = row.group1[level];
    const QrBlockGroup &g2 = row.group2[level];
    const int blocks = g1.blocks + g2.blocks;
    const int d1 = g1.dataCodewords;
    const int ecc = g1.codewords - g1.dataCodewords;
    int64_t dataIndex = 0;
    for (int b = 0; b < blocks; ++b) {
        const int dataLength = b < g1.blocks ? d1 : d1 + 1;
        for (int j = 0; j < dataLength; ++j) {
            const size_t pos = j < d1 ? size_t(j) * size_t(blocks) + size_t(b)
                                      : size_t(d1) * size_t(blocks) + size_t(b - g1.blocks);
            m_byAllCodeWord[pos] = m_byDataCodeWord[size_t(dataIndex + j)];
        }
        std::memset(m_byRSWork.data(), 0, m_byRSWork.size());
        std::memcpy(m_byRSWork.data(), m_byDataCodeWord.data() + dataIndex, size_t(dataLength));
        GetRSCodeWord(m_byRSWork.data(), dataLength, ecc);
        for (int j = 0; j < ecc; ++j)
            m_byAllCodeWord[size_t(ncDataCodeWord) + size_t(j) * size_t(blocks) + size_t(b)] = m_byRSWork[size_t(j)];
        dataIndex += dataLength;
    }

    m_nSymbleSize = m_nVersion * 4 + 17;
    FormatModule();
}

int64_t CQR_Encode::GetEncodeVersion(int64_t nVersion, const uint8_t *lpsSource, int64_t ncLength)
{
    const auto &table = QR_VersonInfo();
    for (int group = versionGroup(nVersion); group <= 2; ++group) {
        if (!EncodeSourceData(lpsSource, ncLength, group))
            continue;
        const int64_t needed = (m_ncDataCodeWordBit + 7) / 8;
        for (int64_t v = kGroupFirst[group]; v <= kGroupLast[group]; ++v)
            if (table[size_t(v)].dataCodewords[size_t(m_nLevel)] >= needed)
                return v;
    }
    return 0;
}

bool CQR_Encode::IsNumeralData(uint8_t c)
{
    return c >= '0' && c <= '9';
}

bool CQR_Encode::IsAlphabetData(uint8_t c)
{
    return IsNumeralData(c) || (c >= 'A' && c <= 'Z') || c == ' ' || c == '$' || c == '%' || c == '*'
           || c == '+' || c == '-' || c == '.' || c == '/' || c == ':';
}

uint8_t CQR_Encode::AlphabetToBinaly(uint8_t c)
{
    if (IsNumeralData(c))
        return uint8_t(c - '0');
    if (c >= 'A' && c <= 'Z')
        return uint8_t(c - 'A' + 10);
    switch (c) {
    case ' ': return 36;
    case '$': return 37;
    case '%': return 38;
    case '*': return 39;
    case '+': return 40;
    case '-': return 41;
    case '.': return 42;
    case '/': return 43;
    default: return 44;   // ':'
    }
}

int64_t CQR_Encode::GetBitLength(uint8_t nMode, int64_t ncData, int nVerGroup)
{
    const size_t g = size_t(nVerGroup);
    switch (nMode) {
    case QR_MODE_NUMERAL: {
        int64_t bits = 4 + nIndicatorLenNumeral[g] + 10 * (ncData / 3);
        if (ncData % 3 == 1)
            bits += 4;
        else if (ncData % 3 == 2)
            bits += 7;
        return bits;
    }
    case QR_MODE_ALPHABET:
        return 4 + nIndicatorLenAlphabet[g] + 11 * (ncData / 2) + 6 * (ncData % 2);
    default:
        return 4 + nIndicatorLen8Bit[g] + 8 * ncData;
    }
}

int64_t CQR_Encode::SetBitStream(int64_t nIndex, uint16_t wData, int ncData)
{
    if (nIndex == -1 || nIndex + ncData > kMaxDataBits)
        return -1;
    for (int i = 0; i < ncData; ++i) {
        if (wData & (1u << (ncData - i - 1)))
            m_byDataCodeWord[size_t((nIndex + i) / 8)] |= uint8_t(1u << (7 - ((nIndex + i) % 8)));
    }
    return nIndex + ncData;
}

void CQR_Encode::absorbSegment(int64_t into, int64_t from)
{
    m_nBlockLength[size_t(into)] += m_nBlockLength[size_t(from)];
    for (int64_t i = from; i + 1 < m_ncDataBlock; ++i) {
        m_byBlockMode[size_t(i)] = m_byBlockMode[size_t(i + 1)];
        m_nBlockLength[size_t(i)] = m_nBlockLength[size_t(i + 1)];
    }
    --m_ncDataBlock;
}

int64_t CQR_Encode::segmentCost(int64_t b, int nVerGroup) const
{
    return GetBitLength(m_byBlockMode[size_t(b)], m_nBlockLength[size_t(b)], nVerGroup);
}

// A digit run between letters (or letters between digit runs) may cost less as one alphanumeric
// segment, or as part of a neighbouring byte segment.
void CQR_Encode::mergeNumericAndAlphanumeric(int nVerGroup)
{
    int64_t b = 0;
    while (b < m_ncDataBlock - 1) {
        const uint8_t modeX = m_byBlockMode[size_t(b)];
        const uint8_t modeY = m_byBlockMode[size_t(b + 1)];
        const bool pair = (modeX == QR_MODE_NUMERAL && modeY == QR_MODE_ALPHABET)
                          || (modeX == QR_MODE_ALPHABET && modeY == QR_MODE_NUMERAL);
        if (!pair) {
            ++b;
            continue;
        }
        const int64_t lenX = m_nBlockLength[size_t(b)];
        const int64_t lenY = m_nBlockLength[size_t(b + 1)];
        const int64_t separate = segmentCost(b, nVerGroup) + segmentCost(b + 1, nVerGroup);
        const int64_t merged = GetBitLength(QR_MODE_ALPHABET, lenX + lenY, nVerGroup);
        if (separate <= merged) {
            ++b;
            continue;
        }

        int64_t before = 0;   // X joins the byte segment before it
        if (b >= 1 && m_byBlockMode[size_t(b - 1)] == QR_MODE_8BIT) {
            const int64_t lenP = m_nBlockLength[size_t(b - 1)];
            before = GetBitLength(QR_MODE_8BIT, lenP + lenX, nVerGroup) + GetBitLength(modeY, lenY, nVerGroup);
            if (before > merged + GetBitLength(QR_MODE_8BIT, lenP, nVerGroup))
                before = 0;
        }
        int64_t after = 0;    // Y joins the byte segment after it
        if (b + 2 < m_ncDataBlock && m_byBlockMode[size_t(b + 2)] == QR_MODE_8BIT) {
            const int64_t lenQ = m_nBlockLength[size_t(b + 2)];
            after = GetBitLength(modeX, lenX, nVerGroup) + GetBitLength(QR_MODE_8BIT, lenY + lenQ, nVerGroup);
            if (after > merged + GetBitLength(QR_MODE_8BIT, lenQ, nVerGroup))
                after = 0;
        }

        const bool joinBefore = before != 0 && (after == 0 || before < after);
        const bool joinAfter = !joinBefore && after != 0;
        if (joinBefore) {
            absorbSegment(b - 1, b);
        } else if (joinAfter) {
            m_byBlockMode[size_t(b + 1)] = QR_MODE_8BIT;
            absorbSegment(b + 1, b + 2);
        } else {
            if (b + 2 < m_ncDataBlock && m_byBlockMode[size_t(b + 2)] == QR_MODE_ALPHABET)
                absorbSegment(b + 1, b + 2);
            m_byBlockMode[size_t(b)] = QR_MODE_ALPHABET;
            absorbSegment(b, b + 1);
            if (b >= 1 && m_byBlockMode[size_t(b - 1)] == QR_MODE_ALPHABET)
                absorbSegment(b - 1, b);
        }
        // The same index is examined again.
    }
}

// Short segments between byte segments cost less inside them (one mode and count header fewer).
void CQR_Encode::mergeIntoBytes(int nVerGroup)
{
    const int64_t header8 = 4 + nIndicatorLen8Bit[size_t(nVerGroup)];
    int64_t b = 0;
    while (b < m_ncDataBlock - 1) {
        const int64_t separate = segmentCost(b, nVerGroup) + segmentCost(b + 1, nVerGroup);
        int64_t merged = GetBitLength(QR_MODE_8BIT, m_nBlockLength[size_t(b)] + m_nBlockLength[size_t(b + 1)], nVerGroup);
        const bool byteBefore = b >= 1 && m_byBlockMode[size_t(b - 1)] == QR_MODE_8BIT;
        const bool byteAfter = b + 2 < m_ncDataBlock && m_byBlockMode[size_t(b + 2)] == QR_MODE_8BIT;
        if (byteBefore)
            merged -= header8;
        if (byteAfter)
            merged -= header8;
        if (separate <= merged) {
            ++b;
            continue;
        }
        if (byteBefore) {
            absorbSegment(b - 1, b);
            --b;
        }
        if (b + 2 < m_ncDataBlock && m_byBlockMode[size_t(b + 2)] == QR_MODE_8BIT)
            absorbSegment(b + 1, b + 2);
        m_byBlockMode[size_t(b)] = QR_MODE_8BIT;
        absorbSegment(b, b + 1);
        if (b > 0)
            --b;
    }
}

bool CQR_Encode::EncodeSourceData(const uint8_t *lpsSource, int64_t ncLength, int nVerGroup)
{
    // Classification: one segment per run of bytes of one class. The tables hold at most one
    // segment per source byte.
    m_byBlockMode.assign(size_t(ncLength), 0);
    m_nBlockLength.assign(size_t(ncLength), 0);
    m_ncDataBlock = 0;
    for (int64_t i = 0; i < ncLength; ++i) {
        const uint8_t c = lpsSource[i];
        const uint8_t mode = IsNumeralData(c) ? QR_MODE_NUMERAL : IsAlphabetData(c) ? QR_MODE_ALPHABET : QR_MODE_8BIT;
        if (m_ncDataBlock == 0 || m_byBlockMode[size_t(m_ncDataBlock - 1)] != mode) {
            m_byBlockMode[size_t(m_ncDataBlock)] = mode;
            m_nBlockLength[size_t(m_ncDataBlock)] = 0;
            ++m_ncDataBlock;
        }
        ++m_nBlockLength[size_t(m_ncDataBlock - 1)];
    }

    mergeNumericAndAlphanumeric(nVerGroup);
    mergeIntoBytes(nVerGroup);
    return WriteBitStream(lpsSource, nVerGroup);
}

bool CQR_Encode::WriteBitStream(const uint8_t *lpsSource, int nVerGroup)
{
    std::memset(m_byDataCodeWord.data(), 0, m_byDataCodeWord.size());
    m_ncDataCodeWordBit = 0;
    const size_t g = size_t(nVerGroup);
    int64_t pos = 0;
    for (int64_t s = 0; s < m_ncDataBlock && m_ncDataCodeWordBit != -1; ++s) {
        const uint8_t mode = m_byBlockMode[size_t(s)];
        const int64_t count = m_nBlockLength[size_t(s)];
        const uint8_t *p = lpsSource + pos;
        const int countBits = mode == QR_MODE_NUMERAL    ? nIndicatorLenNumeral[g]
                              : mode == QR_MODE_ALPHABET ? nIndicatorLenAlphabet[g]
                                                         : nIndicatorLen8Bit[g];
        // A count that its indicator cannot hold would be read back as a different count.
        if (count >= (int64_t(1) << countBits)) {
            m_ncDataCodeWordBit = -1;
            break;
        }
        int64_t bit = m_ncDataCodeWordBit;
        if (mode == QR_MODE_NUMERAL) {
            bit = SetBitStream(bit, 1, 4);
            bit = SetBitStream(bit, uint16_t(count), countBits);
            int64_t i = 0;
            for (; i + 3 <= count; i += 3)
                bit = SetBitStream(bit, uint16_t((p[i] - '0') * 100 + (p[i + 1] - '0') * 10 + (p[i + 2] - '0')), 10);
            if (count - i == 2)
                bit = SetBitStream(bit, uint16_t((p[i] - '0') * 10 + (p[i + 1] - '0')), 7);
            else if (count - i == 1)
                bit = SetBitStream(bit, uint16_t(p[i] - '0'), 4);
        } else if (mode == QR_MODE_ALPHABET) {
            bit = SetBitStream(bit, 2, 4);
            bit = SetBitStream(bit, uint16_t(count), countBits);
            int64_t i = 0;
            for (; i + 2 <= count; i += 2)
                bit = SetBitStream(bit, uint16_t(AlphabetToBinaly(p[i]) * 45 + AlphabetToBinaly(p[i + 1])), 11);
            if (i < count)
                bit = SetBitStream(bit, AlphabetToBinaly(p[i]), 6);
        } else {
            bit = SetBitStream(bit, 4, 4);
            bit = SetBitStream(bit, uint16_t(count), countBits);
            for (int64_t i = 0; i < count; ++i)
                bit = SetBitStream(bit, p[i], 8);
        }
        m_ncDataCodeWordBit = bit;
        pos += count;
    }
    return m_ncDataCodeWordBit != -1;
}

void CQR_Encode::GetRSCodeWord(uint8_t *lpbyRSWork, int ncDataCodeWord, int ncRSCodeWord)
{
    const auto &antilog = byExpToInt();
    const auto &log = byIntToExp();
    const std::vector<uint8_t> &generator = byRSExp(ncRSCodeWord);
    const int total = ncDataCodeWord + ncRSCodeWord;
    for (int i = 0; i < ncDataCodeWord; ++i) {
        if (lpbyRSWork[0] != 0) {
            const int t = log[lpbyRSWork[0]];
            for (int j = 0; j < ncRSCodeWord; ++j)
                lpbyRSWork[j] = uint8_t(lpbyRSWork[j + 1] ^ antilog[size_t((generator[size_t(j)] + t) % 255)]);
            for (int j = ncRSCodeWord; j < total - 1; ++j)
                lpbyRSWork[j] = lpbyRSWork[j + 1];
        } else {
            for (int j = 0; j < total - 1; ++j)
                lpbyRSWork[j] = lpbyRSWork[j + 1];
        }
        lpbyRSWork[total - 1] = 0;
    }
}
