#pragma once
// The segmentation of least bit length (ISO/IEC 18004, annex J): numeric, alphanumeric and 8-bit
// byte segments chosen by dynamic programming over one version group's count-field lengths. The
// generator route encodes with it, so every value that fits version 40 gets a symbol; the
// encoder's own cost rules stay with CQR_Encode::EncodeData.

#include <cstdint>
#include <vector>

namespace qr {

// Segment modes, the values of CQR_Encode's QR_MODE_* constants.
enum : uint8_t { kModeNumeric = 0, kModeAlphanumeric = 1, kModeByte = 2 };

struct QrSegment {
    uint8_t mode = kModeByte;
    int64_t start = 0;    // first source byte
    int64_t length = 0;   // source bytes (characters) in the segment
};

// Bits of one segment: mode indicator, count field of the group (0: versions 1-9, 1: 10-26,
// 2: 27-40) and the data.
int64_t segmentBits(uint8_t mode, int64_t length, int versionGroup);

// The segments of least total bit length for the source in that group; empty for an empty source.
// A segment is never longer than its count field can state.
std::vector<QrSegment> shortestSegments(const uint8_t *source, int64_t length, int versionGroup);

// Sum of segmentBits over the segments.
int64_t totalBits(const std::vector<QrSegment> &segments, int versionGroup);

} // namespace qr
