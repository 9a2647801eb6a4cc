#pragma once
// The compressed image data of a PNG: its filtered lines as one zlib stream. A symbol at print
// resolution is mostly lines equal to the one above, which the Up filter turns into a filter byte
// and zeros; deflating those byte by byte is most of a symbol's cost. Runs of such lines are coded
// here directly as a deflate block of a few bits per line, and only the other lines go through
// zlib (run-length matching, fastest level). The state is per thread and reused.

#include <QByteArray>

#include <cstddef>

namespace platform {

class PngRows {
public:
    // Starts a stream of lines of lineBytes samples each (the filter byte not counted).
    bool begin(size_t lineBytes);
    // One line: its filter byte and lineBytes filtered samples.
    bool addLine(const unsigned char *line);
    // count lines of filter Up (2) and all-zero samples.
    bool addUnchangedLines(int count);
    // Ends the stream; the zlib data (header, deflate blocks, Adler-32) goes into out.
    bool finish(QByteArray *out);
};

} // namespace platform
