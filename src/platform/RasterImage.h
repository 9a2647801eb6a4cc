#pragma once
// Plain pixel work on the few image formats that symbol output is made in: one-bit (Format_Mono),
// palette (Format_Indexed8), grey (Format_Grayscale8) and premultiplied ARGB. Rectangles of whole
// pixels are written directly, without a painter; and the pixel buffers come from a small pool, so a
// batch of symbols or painted pictures of the same size (a print job's labels raised to 600 DPI)
// reuses the same memory instead of asking the system for megabytes per picture.

#include <QImage>
#include <QList>
#include <QRect>
#include <QRgb>

namespace platform::raster {

// Whether the direct writers below handle the format.
bool writable(QImage::Format format);

// A new image whose pixels live in a pooled buffer (uninitialised), returned to the pool when the
// last copy of the image is gone. Null when the size is empty or beyond rasterFits().
QImage pooledImage(const QSize &size, QImage::Format format);

// Writes value into pixels [x0, x1) of a line: an index (Mono: 0 or 1; Indexed8), a grey level, or
// a premultiplied ARGB value.
void fillLine(uchar *line, QImage::Format format, int x0, int x1, uint value);
// Copies pixels [x0, x1) of one line to another.
void copyLine(uchar *to, const uchar *from, QImage::Format format, int x0, int x1);
// The same over a rectangle, clipped to the image.
void fillRect(QImage &image, const QRect &rect, uint value);

// The distinct colours in order of first appearance; more than limit gives an empty list.
QList<QRgb> distinctColours(const QList<QRgb> &colours, int limit);

} // namespace platform::raster
