#include "platform/GifWriter.h"

#include <QHash>
#include <QList>

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace platform {

namespace {

int appendOutput(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int err = 0;
        EGifCloseFile(gif, &err);
    }
};

QString gifError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

unsigned char onWhite(int value, int alpha)
{
    return static_cast<unsigned char>((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

// Folds the palette entry fewest opaque pixels use into the entry nearest to it in colour, and
// renumbers the pixels, so the palette is one entry shorter.
void mergeLeastUsedColour(QList<QRgb> &palette, std::vector<GifPixelType> &pixels, const std::vector<bool> &clear)
{
    std::vector<size_t> uses(size_t(palette.size()), 0);
    for (size_t i = 0; i < pixels.size(); ++i)
        if (!clear[i] && pixels[i] < uses.size())
            ++uses[pixels[i]];
    const int gone = int(std::min_element(uses.begin(), uses.end()) - uses.begin());
    const QRgb c = palette.at(gone);
    int nearest = gone == 0 ? 1 : 0;
    int best = -1;
    for (int i = 0; i < palette.size(); ++i) {
        if (i == gone)
            continue;
        const QRgb o = palette.at(i);
        const int d = (qRed(c) - qRed(o)) * (qRed(c) - qRed(o)) + (qGreen(c) - qGreen(o)) * (qGreen(c) - qGreen(o))
                      + (qBlue(c) - qBlue(o)) * (qBlue(c) - qBlue(o));
        if (best < 0 || d < best) {
            best = d;
            nearest = i;
        }
    }
    std::vector<GifPixelType> renumber(size_t(palette.size()));
    for (int i = 0; i < palette.size(); ++i) {
        const int target = i == gone ? nearest : i;
        renumber[size_t(i)] = GifPixelType(target > gone ? target - 1 : target);
    }
    for (GifPixelType &p : pixels)
        if (p < renumber.size())
            p = renumber[p];
    palette.removeAt(gone);
}

} // namespace

QByteArray gifData(const QImage &image, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (image.isNull())
        return fail(QStringLiteral("The image is empty."));
    if (image.width() > 65535 || image.height() > 65535)
        return fail(QStringLiteral("The image is too large for GIF."));

    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();

    // The opaque picture (flattened onto white) and which pixels are transparent.
    QImage opaque(w, h, QImage::Format_RGB32);
    if (opaque.isNull())
        return fail(QStringLiteral("Out of memory."));
    bool transparent = false;
    std::vector<bool> clear(size_t(w) * size_t(h), false);
    for (int y = 0; y < h; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(opaque.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                transparent = true;
                clear[size_t(y) * size_t(w) + size_t(x)] = true;
                out[x] = qRgb(255, 255, 255);
            } else {
                out[x] = qRgb(onWhite(qRed(in[x]), a), onWhite(qGreen(in[x]), a), onWhite(qBlue(in[x]), a));
            }
        }
    }

    // Palette: exact when the colours fit, else Qt's reduction; one slot kept for transparency.
    const int limit = transparent ? 255 : 256;
    QList<QRgb> palette;
    QHash<QRgb, int> index;
    bool exact = true;
    for (int y = 0; y < h && exact; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(opaque.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (clear[size_t(y) * size_t(w) + size_t(x)] || index.contains(line[x]))
                continue;
            if (palette.size() == limit) {
                exact = false;
                break;
            }
            index.insert(line[x], int(palette.size()));
            palette.append(line[x]);
        }
    }
    std::vector<GifPixelType> pixels(size_t(w) * size_t(h));
    if (exact) {
        for (int y = 0; y < h; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(opaque.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const size_t i = size_t(y) * size_t(w) + size_t(x);
                pixels[i] = clear[i] ? 0 : GifPixelType(index.value(line[x]));
            }
        }
    } else {
        const QImage reduced = opaque.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
        palette = reduced.colorTable();
        for (int y = 0; y < h; ++y) {
            const uchar *line = reduced.constScanLine(y);
            for (int x = 0; x < w; ++x)
                pixels[size_t(y) * size_t(w) + size_t(x)] = line[x];
        }
        // Qt reduces to a full table of 256; the transparent colour needs one of them.
        while (palette.size() > limit)
            mergeLeastUsedColour(palette, pixels, clear);
    }
    int transparentIndex = -1;
    if (transparent) {
        transparentIndex = int(palette.size());
        palette.append(qRgb(255, 255, 255));
        for (size_t i = 0; i < pixels.size(); ++i)
            if (clear[i])
                pixels[i] = GifPixelType(transparentIndex);
    }

    int bits = 1;
    while ((1 << bits) < palette.size())
        ++bits;
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(GifMakeMapObject(1 << bits, nullptr),
                                                                      &GifFreeMapObject);
    if (!map)
        return fail(QStringLiteral("Out of memory."));
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    QByteArray bytes;
    int err = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendOutput, &err));
    if (!gif)
        return fail(gifError(err));
    EGifSetGifVersion(gif.get(), transparent);
    if (EGifPutScreenDesc(gif.get(), w, h, bits, 0, map.get()) != GIF_OK)
        return fail(gifError(gif->Error));
    if (transparent) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK)
            return fail(gifError(gif->Error));
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, w, h, false, nullptr) != GIF_OK)
        return fail(gifError(gif->Error));
    for (int y = 0; y < h; ++y) {
        if (EGifPutLine(gif.get(), pixels.data() + size_t(y) * size_t(w), w) != GIF_OK)
            return fail(gifError(gif->Error));
    }
    GifFileType *raw = gif.release();
    if (EGifCloseFile(raw, &err) != GIF_OK)
        return fail(gifError(err));
    return bytes;
}

} // namespace platform
