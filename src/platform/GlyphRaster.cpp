#include "platform/GlyphRaster.h"

#include "platform/RasterImage.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>
#include <functional>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

namespace {

constexpr int kSubpixels = 4;                          // positions per pixel, each way
constexpr size_t kMaxCacheBytes = 16u * 1024u * 1024u;   // then the cache starts over
// The raster engine keeps glyphs up to this many pixels in its own cache and fills larger ones as
// paths (its QT_MAX_CACHED_GLYPH_SIZE); smaller text is left to it. Glyphs above the second size
// are left to it too: a few dozen of them would fill the cache, which would then start over on
// every label.
constexpr double kEngineCachedPixels = 64.0;
constexpr double kLargestKeptPixels = 256.0;

struct Key {
    QString font;
    quint32 glyph = 0;
    qint64 scaleX = 0;   // scale in millionths
    qint64 scaleY = 0;
    int fx = 0;
    int fy = 0;
    bool operator==(const Key &o) const
    {
        return glyph == o.glyph && fx == o.fx && fy == o.fy && scaleX == o.scaleX && scaleY == o.scaleY && font == o.font;
    }
};

struct KeyHash {
    size_t operator()(const Key &k) const
    {
        size_t h = qHash(k.font);
        auto mix = [&h](quint64 v) { h ^= std::hash<quint64>()(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
        mix(k.glyph);
        mix(quint64(k.scaleX));
        mix(quint64(k.scaleY));
        mix(quint64(k.fx * 16 + k.fy));
        return h;
    }
};

// A glyph's coverage (Alpha8) and where its top-left pixel sits from the whole-pixel pen position;
// for palette images also the coverage steps (0 to 15) of its pixels and, per line, the span that
// has any, so that drawing skips what the glyph does not cover.
struct Mask {
    QImage coverage;
    QPoint offset;
    std::vector<uchar> steps;                  // width x height, line by line
    std::vector<std::pair<int, int>> spans;    // per line: [first, last) with a step, or empty
};

struct Cache {
    std::shared_mutex mutex;
    std::unordered_map<Key, std::shared_ptr<const Mask>, KeyHash> masks;
    size_t bytes = 0;
};

Cache &cache()
{
    static Cache *c = new Cache;   // never destroyed: pictures may be drawn during exit
    return *c;
}

QString fontKey(const QRawFont &font)
{
    return font.familyName() + QLatin1Char('|') + font.styleName() + QLatin1Char('|') + QString::number(font.weight())
           + QLatin1Char('|') + QString::number(int(font.style())) + QLatin1Char('|')
           + QString::number(font.pixelSize(), 'g', 12);
}

std::shared_ptr<const Mask> renderMask(const QRawFont &font, quint32 glyph, double sx, double sy, int fx, int fy)
{
    auto mask = std::make_shared<Mask>();
    QTransform t = QTransform::fromTranslate(double(fx) / kSubpixels, double(fy) / kSubpixels);
    t.scale(sx, sy);
    const QPainterPath path = t.map(font.pathForGlyph(glyph));
    const QRectF bounds = path.boundingRect();
    if (path.isEmpty() || bounds.isEmpty())
        return mask;
    const QPoint topLeft(int(std::floor(bounds.left())) - 1, int(std::floor(bounds.top())) - 1);
    const QPoint bottomRight(int(std::ceil(bounds.right())) + 1, int(std::ceil(bounds.bottom())) + 1);
    QImage coverage(QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()), QImage::Format_Alpha8);
    if (coverage.isNull())
        return mask;
    coverage.fill(0);
    {
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(-topLeft);
        p.fillPath(path, Qt::black);
    }
    mask->coverage = coverage;
    mask->offset = topLeft;
    const int w = coverage.width();
    mask->steps.resize(size_t(w) * size_t(coverage.height()));
    mask->spans.resize(size_t(coverage.height()));
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar *c = coverage.constScanLine(y);
        uchar *out = mask->steps.data() + size_t(y) * size_t(w);
        int first = w;
        int last = 0;
        for (int x = 0; x < w; ++x) {
            out[x] = uchar(coverageStep(c[x]));
            if (out[x]) {
                first = std::min(first, x);
                last = x + 1;
            }
        }
        mask->spans[size_t(y)] = {first, last};
    }
    return mask;
}

std::shared_ptr<const Mask> maskFor(const Key &key, const QRawFont &font, double sx, double sy)
{
    Cache &c = cache();
    {
        std::shared_lock<std::shared_mutex> lock(c.mutex);
        const auto it = c.masks.find(key);
        if (it != c.masks.end())
            return it->second;
    }
    std::shared_ptr<const Mask> mask = renderMask(font, key.glyph, sx, sy, key.fx, key.fy);
    std::unique_lock<std::shared_mutex> lock(c.mutex);
    const size_t size = size_t(mask->coverage.sizeInBytes()) + mask->steps.size()
                        + mask->spans.size() * sizeof(mask->spans[0]) + sizeof(Mask) + 64;
    if (c.bytes + size > kMaxCacheBytes) {
        c.masks.clear();
        c.bytes = 0;
    }
    if (c.masks.emplace(key, mask).second)
        c.bytes += size;
    return mask;
}

// The part of a mask placed at (x, y) that falls inside the image.
struct Span {
    int left, top, x0, y0, x1, y1;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

Span spanOf(const QImage &image, const Mask &mask, int x, int y)
{
    const QImage &cov = mask.coverage;
    Span s{};
    s.left = x + mask.offset.x();
    s.top = y + mask.offset.y();
    s.x0 = std::max(0, -s.left);
    s.y0 = std::max(0, -s.top);
    s.x1 = std::min(cov.width(), image.width() - s.left);
    s.y1 = std::min(cov.height(), image.height() - s.top);
    return s;
}

void blend(QImage &image, const Mask &mask, int x, int y, const QColor &colour)
{
    const Span s = spanOf(image, mask, x, y);
    if (s.empty())
        return;
    const int alpha = colour.alpha();
    const QRgb source = colour.rgba();
    for (int yy = s.y0; yy < s.y1; ++yy) {
        const uchar *c = mask.coverage.constScanLine(yy);
        auto *d = reinterpret_cast<QRgb *>(image.scanLine(s.top + yy)) + s.left;
        for (int xx = s.x0; xx < s.x1; ++xx) {
            const int a = (c[xx] * alpha + 127) / 255;
            if (!a)
                continue;
            const QRgb p = qPremultiply(qRgba(qRed(source), qGreen(source), qBlue(source), a));
            const int keep = 255 - a;
            const QRgb o = d[xx];
            d[xx] = qRgba(qRed(p) + (qRed(o) * keep + 127) / 255, qGreen(p) + (qGreen(o) * keep + 127) / 255,
                          qBlue(p) + (qBlue(o) * keep + 127) / 255, a + (qAlpha(o) * keep + 127) / 255);
        }
    }
}

void blendIndexed(QImage &image, const Mask &mask, int x, int y, const CoverageRamp &ramp,
                  const std::array<int, 256> &stepOf)
{
    const Span s = spanOf(image, mask, x, y);
    if (s.empty())
        return;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int w = mask.coverage.width();
    const uchar ground = uchar(ramp.index[0]);
    for (int yy = s.y0; yy < s.y1; ++yy) {
        const auto [from, to] = mask.spans[size_t(yy)];
        const int x0 = std::max(s.x0, from);
        const int x1 = std::min(s.x1, to);
        const uchar *c = mask.steps.data() + size_t(yy) * size_t(w);
        uchar *d = bits + stride * (s.top + yy) + s.left;
        for (int xx = x0; xx < x1; ++xx) {
            const int step = c[xx];
            if (!step)
                continue;
            if (d[xx] == ground) {   // most pixels: the ground under the glyph
                d[xx] = uchar(ramp.index[size_t(step)]);
                continue;
            }
            const int under = stepOf[d[xx]];
            if (under >= 0)   // the ground or this colour's own edge: the fuller coverage wins
                d[xx] = uchar(ramp.index[size_t(std::max(step, under))]);
            else if (step >= 8)
                d[xx] = uchar(ramp.index[15]);
        }
    }
}

// Calls paint(mask, x, y) for every glyph that has ink, with its whole-pixel pen position.
template <typename Paint>
void forEachGlyph(const QList<QGlyphRun> &runs, const QTransform &toDevice, Paint paint)
{
    const double sx = toDevice.m11();
    const double sy = toDevice.m22();
    for (const QGlyphRun &run : runs) {
        const QRawFont font = run.rawFont();
        if (!font.isValid())
            continue;
        Key key;
        key.font = fontKey(font);
        key.scaleX = qint64(std::llround(sx * 1e6));
        key.scaleY = qint64(std::llround(sy * 1e6));
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const QPointF pen = toDevice.map(positions.at(i));
            int ix = int(std::floor(pen.x()));
            int iy = int(std::floor(pen.y()));
            int fx = int(std::lround((pen.x() - ix) * kSubpixels));
            int fy = int(std::lround((pen.y() - iy) * kSubpixels));
            if (fx == kSubpixels) {
                fx = 0;
                ++ix;
            }
            if (fy == kSubpixels) {
                fy = 0;
                ++iy;
            }
            key.glyph = glyphs.at(i);
            key.fx = fx;
            key.fy = fy;
            const std::shared_ptr<const Mask> mask = maskFor(key, font, sx, sy);
            if (!mask->coverage.isNull())
                paint(mask, ix, iy);
        }
    }
}

} // namespace

void drawGlyphRuns(QImage &image, const QList<QGlyphRun> &runs, const QTransform &toDevice, const QColor &colour)
{
    if (image.isNull() || colour.alpha() == 0 || image.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    forEachGlyph(runs, toDevice, [&](const std::shared_ptr<const Mask> &mask, int x, int y) {
        blend(image, *mask, x, y, colour);
    });
}

void drawGlyphRuns(QImage &image, const QList<QGlyphRun> &runs, const QTransform &toDevice, const CoverageRamp &ramp)
{
    if (image.isNull() || image.format() != QImage::Format_Indexed8)
        return;
    std::array<int, 256> stepOf;
    stepOf.fill(-1);
    for (int k = 15; k >= 0; --k)
        stepOf[ramp.index[size_t(k)] & 0xFF] = k;
    forEachGlyph(runs, toDevice, [&](const std::shared_ptr<const Mask> &mask, int x, int y) {
        blendIndexed(image, *mask, x, y, ramp, stepOf);
    });
}

bool drawLayoutFromKeptGlyphs(QPainter &painter, const QTextLayout &layout, const QColor &colour)
{
    const QPaintDevice *device = painter.device();
    const QPaintEngine *engine = painter.paintEngine();
    if (!device || device->devType() != QInternal::Image || !engine || engine->type() != QPaintEngine::Raster)
        return false;
    const auto *image = static_cast<const QImage *>(device);
    const QTransform toDevice = painter.deviceTransform();
    // Only a painter that maps straight onto the image's pixels, unrotated: the layer is laid on
    // with the painter's own transform set aside.
    if (image->devicePixelRatio() != 1.0 || toDevice != painter.combinedTransform()
        || toDevice.type() > QTransform::TxScale || toDevice.m11() <= 0 || toDevice.m22() <= 0)
        return false;
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver
        || !painter.testRenderHint(QPainter::TextAntialiasing))
        return false;
    const QFont font = layout.font();
    if (font.underline() || font.overline() || font.strikeOut() || (font.styleStrategy() & QFont::NoAntialias))
        return false;
    if (colour.alpha() == 0)
        return true;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    const double scale = std::sqrt(toDevice.m11() * toDevice.m22());
    for (const QGlyphRun &run : runs) {
        if (run.underline() || run.overline() || run.strikeOut() || !run.rawFont().isValid()
            || run.rawFont().pixelSize() * scale <= kEngineCachedPixels
            || run.rawFont().pixelSize() * scale > kLargestKeptPixels)
            return false;
    }

    // Where each glyph falls, and the box of them all within the image and the clip.
    struct Placed {
        std::shared_ptr<const Mask> mask;
        QPoint at;
    };
    std::vector<Placed> placed;
    QRect ink;
    forEachGlyph(runs, toDevice, [&](const std::shared_ptr<const Mask> &mask, int x, int y) {
        placed.push_back({mask, QPoint(x, y)});
        ink |= QRect(QPoint(x, y) + mask->offset, mask->coverage.size());
    });
    ink &= image->rect();
    if (painter.hasClipping())
        ink &= toDevice.mapRect(painter.clipBoundingRect()).toAlignedRect();
    if (ink.isEmpty())
        return true;
    QImage layer = raster::pooledImage(ink.size(), QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull())
        return false;
    layer.fill(Qt::transparent);
    for (const Placed &p : placed)
        blend(layer, *p.mask, p.at.x() - ink.x(), p.at.y() - ink.y(), colour);
    painter.save();
    painter.setViewTransformEnabled(false);
    painter.setWorldTransform(QTransform());
    painter.drawImage(ink.topLeft(), layer);
    painter.restore();
    return true;
}

void clearGlyphCache()
{
    Cache &c = cache();
    std::unique_lock<std::shared_mutex> lock(c.mutex);
    c.masks.clear();
    c.bytes = 0;
}

} // namespace platform
