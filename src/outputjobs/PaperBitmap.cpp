#include "outputjobs/PaperBitmap.h"

#include "core/ImageServices.h"


#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace paperbitmap {

namespace {

constexpr QRgb InkPixel = 0xFF000000;   // opaque black, in every 32-bit format read here

// A bitmap read as it stands on white paper, in one 32-bit format (a grey bitmap as its bytes).
class OnWhite {
public:
    explicit OnWhite(const QImage &image)
    {
        switch (image.format()) {
        case QImage::Format_ARGB32_Premultiplied:
        case QImage::Format_ARGB32:
        case QImage::Format_RGB32:
        case QImage::Format_Grayscale8:
            m_image = image;
            break;
        default:
            m_image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        m_grey = m_image.format() == QImage::Format_Grayscale8;
        m_premultiplied = m_image.format() == QImage::Format_ARGB32_Premultiplied;
        m_opaque = m_image.format() == QImage::Format_RGB32;
    }

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    bool grey() const { return m_grey; }
    const QRgb *row(int y) const { return reinterpret_cast<const QRgb *>(m_image.constScanLine(y)); }
    const uchar *bytes(int y) const { return m_image.constScanLine(y); }

    // The pixel's tone on white (0 black .. 255 white), or -1 for a colour.
    int tone(QRgb p) const
    {
        const int a = m_opaque ? 255 : qAlpha(p);
        if (a == 0)
            return 255;
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        if (r != g || g != b)
            return -1;
        // Over white, a premultiplied value gains the paper left uncovered.
        return m_premultiplied ? r + 255 - a : (r * a + 255 * (255 - a) + 127) / 255;
    }

    // The pixel's tone as tone() reads it, or the byte of a grey bitmap.
    int toneAt(int x, int y) const { return m_grey ? bytes(y)[x] : tone(row(y)[x]); }

    // A pixel of a tone in [lo, hi] lies within radius pixels of x, y (nearest rings first).
    bool within(int x, int y, int radius, int lo, int hi) const
    {
        const auto in = [&](int i, int j) {
            const int t = toneAt(i, j);
            return t >= lo && t <= hi;
        };
        for (int d = 1; d <= radius; ++d) {
            const int x0 = std::max(0, x - d), x1 = std::min(width() - 1, x + d);
            for (const int j : {y - d, y + d})
                if (j >= 0 && j < height())
                    for (int i = x0; i <= x1; ++i)
                        if (in(i, j))
                            return true;
            for (int j = std::max(0, y - d + 1); j <= std::min(height() - 1, y + d - 1); ++j)
                for (const int i : {x - d, x + d})
                    if (i >= 0 && i < width() && in(i, j))
                        return true;
        }
        return false;
    }

    // The grey pixel (tone 1..254) is the anti-aliased fringe of ink, measured from dark ink:
    // - a light pixel (one bit prints it white) lies within FringeReach of a pixel printed black;
    // - a mid-dark one (printed black) within HairlineReach of dark ink (DarkInk or darker): the
    //   partly covered run of a hairline that never covers a whole pixel;
    // - a dark one is ink when exact black or the paper's light is within two pixels: a dark grey
    //   wider than that is an area, not a stroke.
    // A grey area, grey or light text, a grey line away from ink, a gradient or a photo has greys
    // farther from ink than that and keeps its grey.
    bool fringe(int x, int y, int t) const
    {
        if (t >= 128)
            return within(x, y, FringeReach, 0, 127);
        if (t > DarkInk)
            return within(x, y, HairlineReach, 0, DarkInk);
        return within(x, y, 2, 0, 0) || within(x, y, 2, 128, 255);
    }

    // Measured on text at 600 DPI from 6 pt, plain and bold, in the installed faces (sans, serif,
    // script): light fringe lies at most 3 pixels from a pixel printed black, a serif face's
    // hairline at most 4 from dark ink.
    static constexpr int FringeReach = 3, HairlineReach = 4, DarkInk = 64;

private:
    QImage m_image;
    bool m_grey = false, m_premultiplied = false, m_opaque = false;
};

// Which of eight pixels are paper (transparent or white) and which exact ink, as bit masks (bit i
// for pixel i): four pixels a step where the processor has SSE2.
inline void paperAndInk(const QRgb *px, unsigned &paper, unsigned &ink)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128(), white = _mm_set1_epi32(-1), black = _mm_set1_epi32(int(InkPixel));
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(px));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(px + 4));
    const auto isPaper = [&](__m128i v) { return _mm_or_si128(_mm_cmpeq_epi32(v, zero), _mm_cmpeq_epi32(v, white)); };
    paper = unsigned(_mm_movemask_ps(_mm_castsi128_ps(isPaper(a)))) | unsigned(_mm_movemask_ps(_mm_castsi128_ps(isPaper(b)))) << 4;
    ink = unsigned(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(a, black))))
          | unsigned(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(b, black)))) << 4;
#else
    paper = ink = 0;
    for (int i = 0; i < 8; ++i) {
        paper |= unsigned(px[i] + 1u <= 1u) << i;   // 0 or 0xFFFFFFFF
        ink |= unsigned(px[i] == InkPixel) << i;
    }
#endif
}

// Whether 32 pixels are all paper: one wide test, no branch a pixel.
inline bool allPaper32(const QRgb *px)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128(), white = _mm_set1_epi32(-1);
    __m128i all = white;
    for (int i = 0; i < 32; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(px + i));
        all = _mm_and_si128(all, _mm_or_si128(_mm_cmpeq_epi32(v, zero), _mm_cmpeq_epi32(v, white)));
    }
    return _mm_movemask_epi8(all) == 0xFFFF;
#else
    unsigned other = 0;
    for (int i = 0; i < 32; ++i)
        other |= unsigned(px[i] + 1u > 1u);
    return other == 0;
#endif
}

// The mono byte's bits (first pixel at the top bit) of a mask whose bit i is pixel i.
constexpr uchar reversed(unsigned mask)
{
    unsigned byte = 0;
    for (int i = 0; i < 8; ++i)
        byte |= ((mask >> i) & 1u) << (7 - i);
    return uchar(byte);
}

// The depth, and with OneBit the one-bit bitmap into bits (bit 1 white, rows of bytesPerLine)
// when it is given. One pass: runs of paper are skipped 32 pixels at a time, blocks of eight paper
// or ink pixels take one step, and only the other pixels of a block are read one by one.
Depth classify(const QImage &image, QImage *mono)
{
    const OnWhite in(image);
    const int w = in.width(), h = in.height();
    uchar *bits = nullptr;
    qsizetype stride = 0;
    if (mono) {
        *mono = QImage(w, h, QImage::Format_Mono);
        if (!mono->isNull()) {
            mono->setColorCount(2);
            mono->setColor(0, qRgb(0, 0, 0));
            mono->setColor(1, qRgb(255, 255, 255));
            mono->fill(1);
            bits = mono->bits();
            stride = mono->bytesPerLine();
        }
    }
    bool ink = true;   // every grey so far is the fringe of ink
    // One pixel that is neither paper nor exact ink; false when it is a colour.
    const auto other = [&](int x, int y, int t, uchar *line) {
        if (t < 0)
            return false;
        if (t == 255 || !ink)
            return true;   // after a grey that is not ink, only a colour changes the answer
        if (t != 0 && !in.fringe(x, y, t))
            ink = false;
        if (line && t < 128)
            line[x >> 3] &= uchar(~(0x80 >> (x & 7)));
        return true;
    };
    for (int y = 0; y < h; ++y) {
        uchar *line = bits ? bits + stride * y : nullptr;
        if (in.grey()) {
            const uchar *grey = in.bytes(y);
            for (int x = 0; x < w; ++x)
                if (grey[x] != 255 && !other(x, y, grey[x], line))
                    return Depth::Colour;
            continue;
        }
        const QRgb *px = in.row(y);
        const int blocks = w & ~7;
        int x = 0;
        while (x < blocks) {
            if (x + 32 <= blocks && allPaper32(px + x)) {
                x += 32;
                continue;
            }
            unsigned paper, dark;
            paperAndInk(px + x, paper, dark);
            if (dark == 0xFF) {
                if (line)
                    line[x >> 3] = 0;
            } else {
                if (line && dark && ink) {
                    line[x >> 3] &= uchar(~reversed(dark));
                }
                for (unsigned rest = ~(paper | dark) & 0xFFu; rest; rest &= rest - 1) {
                    const int i = x + __builtin_ctz(rest);
                    if (!other(i, y, in.tone(px[i]), line))
                        return Depth::Colour;
                }
            }
            x += 8;
        }
        for (; x < w; ++x) {
            if (px[x] == 0 || px[x] == 0xFFFFFFFF)
                continue;
            if (!other(x, y, px[x] == InkPixel ? 0 : in.tone(px[x]), line))
                return Depth::Colour;
        }
    }
    return ink ? Depth::OneBit : Depth::Grey;
}

} // namespace

Depth Depth_On_Paper(const QImage &image)
{
    if (image.depth() == 1)
        return Depth::OneBit;
    return classify(image, nullptr);
}

QImage On_Paper(const QImage &image)
{
    if (image.isNull() || image.depth() == 1)
        return image;
    QImage mono;
    const Depth depth = classify(image, &mono);
    if (depth == Depth::OneBit && !mono.isNull()) {
        mono.setDotsPerMeterX(image.dotsPerMeterX());
        mono.setDotsPerMeterY(image.dotsPerMeterY());
        return mono;
    }
    mono = QImage();
    if (image.format() == QImage::Format_Grayscale8)
        return image;
    QImage bitmap = image;
    if (bitmap.hasAlphaChannel())
        bitmap = flattenedOnWhite(bitmap);
    if (bitmap.allGray())
        bitmap = bitmap.convertToFormat(QImage::Format_Grayscale8);
    return bitmap;
}

} // namespace paperbitmap
