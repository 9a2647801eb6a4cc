#pragma once
// The QR Code (Model 2) encoder: one object turns a string of bytes into the module matrix of one
// symbol. Versions 1-40, levels L, M, Q, H; the smallest version that holds the data unless one is
// asked for; numeric, alphanumeric and 8-bit byte segments chosen by cost; Reed-Solomon per block,
// interleaving, function patterns, placement and the mask with the lowest penalty.
//
// An object is used once: construct it, call EncodeData(), and on success read m_nSymbleSize and
// m_byModuleData[x][y] (1 dark, 0 light). The code tables are shared and read-only, so separate
// objects may encode on separate threads.

#include "engines/qr/QrTables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class CQR_Encode {
public:
    CQR_Encode() = default;

    // nLevel 0-3 (L, M, Q, H); nVersion 1-40, or 0 for automatic; bAutoExtent lets the symbol grow
    // past the requested version when the data needs it; nMaskingNo 0-7, or -1 for the choice by
    // penalty; ncSource below 1 means that the source ends at its first zero byte.
    // Returns false (and builds no matrix) for empty data, data that fits no version at the level,
    // a requested version too small without auto-extend, or arguments out of range.
    bool EncodeData(int64_t nLevel, int64_t nVersion, bool bAutoExtent, int64_t nMaskingNo,
                    const uint8_t *lpsSource, int64_t ncSource);

    // The generator route: the same symbol steps, with the segmentation of least bit length
    // (ISO/IEC 18004, annex J) instead of the cost rules above, so that every source that fits
    // version 40 at the level is encoded. Automatic version, mask by penalty, ncSource bytes.
    bool EncodeDataShortest(int64_t nLevel, const uint8_t *lpsSource, int64_t ncSource);

    // Segment modes.
    enum : uint8_t { QR_MODE_NUMERAL = 0, QR_MODE_ALPHABET = 1, QR_MODE_8BIT = 2 };
    // No symbol holds more characters (7,089 digits at 40-L).
    static constexpr int64_t kMaxCharacters = 7089;

    int64_t m_nLevel = 0;
    int64_t m_nVersion = 0;
    int64_t m_nMaskingNo = -1;
    int64_t m_nSymbleSize = 0;
    // [x][y]: x the column from the left, y the row from the top. Flags while the symbol is built,
    // 1 or 0 at the end.
    std::array<std::array<uint8_t, qr::kMaxSymbolSize>, qr::kMaxSymbolSize> m_byModuleData{};
    int64_t m_ncDataCodeWordBit = 0;                                  // -1 after an overflow
    std::array<uint8_t, qr::kMaxDataCodewords> m_byDataCodeWord{};    // bit stream, then data codewords
    int64_t m_ncDataBlock = 0;                                        // number of segments
    std::vector<uint8_t> m_byBlockMode;                               // mode of each segment
    std::vector<int64_t> m_nBlockLength;                              // source bytes of each segment
    int64_t m_ncAllCodeWord = 0;
    std::array<uint8_t, qr::kMaxAllCodewords> m_byAllCodeWord{};      // interleaved data and EC codewords
    std::array<uint8_t, qr::kMaxBlockCodewords> m_byRSWork{};

private:
    int64_t GetEncodeVersion(int64_t nVersion, const uint8_t *lpsSource, int64_t ncLength);
    bool EncodeSourceData(const uint8_t *lpsSource, int64_t ncLength, int nVerGroup);
    // The data bit stream of the segment tables; false on overflow.
    bool WriteBitStream(const uint8_t *lpsSource, int nVerGroup);
    // Terminator, pad codewords, blocks with their error correction and the matrix of m_nVersion.
    void FinishSymbol();
    static int64_t GetBitLength(uint8_t nMode, int64_t ncData, int nVerGroup);
    int64_t SetBitStream(int64_t nIndex, uint16_t wData, int ncData);
    static bool IsNumeralData(uint8_t c);
    static bool IsAlphabetData(uint8_t c);
    static uint8_t AlphabetToBinaly(uint8_t c);
    static void GetRSCodeWord(uint8_t *lpbyRSWork, int ncDataCodeWord, int ncRSCodeWord);

    void FormatModule();
    void SetFunctionModule();
    void SetFinderPattern(int x, int y);
    void SetAlignmentPattern(int x, int y);
    void SetVersionPattern();
    void SetCodeWordPattern();
    void SetMaskingPattern(int nPatternNo);
    void SetFormatInfoPattern(int nPatternNo);
    int64_t CountPenalty() const;
    static int64_t min(int64_t a, int64_t b) { return a < b ? a : b; }

    // Segment table edits: segment `from` (a neighbour of `into`) joins `into` and the gap closes.
    void absorbSegment(int64_t into, int64_t from);
    int64_t segmentCost(int64_t b, int nVerGroup) const;
    void mergeNumericAndAlphanumeric(int nVerGroup);
    void mergeIntoBytes(int nVerGroup);

    bool isFunction(int x, int y) const { return (m_byModuleData[size_t(x)][size_t(y)] & 0x20) != 0; }
    bool isDark(int x, int y) const { return (m_byModuleData[size_t(x)][size_t(y)] & 0x11) != 0; }
    void setFunction(int x, int y, bool dark) { m_byModuleData[size_t(x)][size_t(y)] = dark ? 0x30 : 0x20; }
};
