#pragma once
// A small palette image and its PNG encoder: 8-bit indexed colour with the chunks IHDR, PLTE,
// bKGD, tEXt "Comment", tRNS, IDAT and IEND, written to a file descriptor or into memory.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace datamatrix {

struct Image {
    int width = 0;    // pixels per row
    int stride = 0;   // width + 1: each row starts with its PNG filter byte
    int height = 0;   // rows
    std::unique_ptr<std::uint8_t[]> pixels;    // stride x height bytes, row 0 the top
    int colours = 0;  // palette entries
    std::unique_ptr<std::uint32_t[]> palette;  // bits 0-7 blue, 8-15 green, 16-23 red, 24-31 transparency (0 opaque)

    // The palette index of pixel (x, y), y counted from the top.
    std::uint8_t &pixel(int x, int y) { return pixels[std::size_t(y) * std::size_t(stride) + 1 + std::size_t(x)]; }
    std::uint8_t pixel(int x, int y) const { return pixels[std::size_t(y) * std::size_t(stride) + 1 + std::size_t(x)]; }
};

// A new image with every pixel at index 0 and a zeroed palette of c entries (none for 0); nothing
// when w or h is not positive, c is outside 0..256, or memory runs out.
Image *ImageNew(int w, int h, int c);
// Releases the image; nothing happens for nullptr.
void ImageFree(Image *i);
using ImagePtr = std::unique_ptr<Image, decltype(&ImageFree)>;
inline ImagePtr makeImage(int w, int h, int c) { return ImagePtr(ImageNew(w, h, c), &ImageFree); }

// Writes one PNG file to the open descriptor fd with unbuffered writes. back: the bKGD index (below
// 0 none); trans: the palette index made fully transparent (outside the palette none); comment:
// the tEXt "Comment" (empty none); level 0 writes stored deflate blocks, 1-9 (or -1, zlib's
// default) compress. Answers false with the reason in *error when deflate or a write failed; the
// file is then incomplete.
bool ImageWritePNGz(Image *i, int fd, int back, int trans, const QByteArray &comment, int level,
                    QString *error = nullptr);
// The same PNG appended to out.
bool ImageWritePNGzToBuffer(Image *i, QByteArray *out, int back, int trans, const QByteArray &comment,
                            int level, QString *error = nullptr);

} // namespace datamatrix
