#pragma once
// The compressed image data of a PNG: its filtered lines as one zlib stream, coded here directly.
// A symbol's lines under the Up filter are a filter byte and mostly zeros: lines equal to the one
// above are all zeros, and the others are zero wherever the line above had the same pixels. Such
// data has nothing for a general compressor to find beyond runs of one byte, and zlib's set-up, its
// per-block tree building and its byte-by-byte run matching cost more than the symbol's drawing. So
// the lines are cut into literals and runs (matches one byte back, found a word at a time over
// zeros), a run of unchanged lines is kept as one count, and each block is coded with Huffman codes
// built for its own symbols (or the fixed codes where those are shorter). The buffers are per
// thread and reused from image to image.

#include <QByteArray>

#include <cstddef>

namespace platform {

class PngRows {
public:
    // Starts a stream of lines of lineBytes samples each (the filter byte not counted). The
    // stream is appended to out, which must outlive the stream and not be touched until finish().
    bool begin(size_t lineBytes, QByteArray *out);
    // One line: its filter byte and lineBytes filtered samples.
    void addLine(const unsigned char *line);
    // count lines of filter Up (2) and all-zero samples.
    void addUnchangedLines(int count);
    // Ends the stream: the last block and the Adler-32 are appended to out. False when the output
    // could not be allocated.
    bool finish();
};

} // namespace platform
