#pragma once
// PNG output of symbols. Qt's writer does not serve (its compression values 1 to 10 all map to
// stored, uncompressed data, and anything else costs a slow deflate of 32-bit pixels), so this one
// writes the image in the form it already has: one bit per pixel for two colours, a palette of 1,
// 2, 4 or 8 bits, 8-bit grey, or RGB(A) only for true colour. Every line uses the Up filter, which
// turns the repeated lines of a symbol into zeros (coded in a few bits each, see PngRows.h); the
// buffers are kept per thread and reused from symbol to symbol.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// The image as a PNG file, with a pHYs chunk of those pixels per metre (none when either is 0 or
// less). Empty, with the reason in error, when the image is null or compression fails.
QByteArray pngData(const QImage &image, int dotsPerMeterX, int dotsPerMeterY, QString *error = nullptr);

} // namespace platform
