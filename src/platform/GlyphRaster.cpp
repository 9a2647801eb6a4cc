#include "platform/GlyphRaster.h"

#include "platform/RasterImage.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <atomic>
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
constexpr size_t kMaxCacheBytes = 16u * 1024u * 1024u;
// When full, the least recently used masks go until the cache holds this much: room for many
// new masks before the next eviction.
constexpr size_t kBytesAfterEviction = kMaxCacheBytes / 4 * 3;
// The raster engine keeps glyphs up to this many pixels in its own cache and fills larger ones as
// paths (its QT_MAX_CACHED_GLYPH_SIZE); smaller text is left to it. Glyphs above the second size
// are left to it too: a few dozen of them would fill the cache and push out the glyphs of the
// ordinary text.
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

// A glyph's coverage (Alpha8), where its top-left pixel sits from the whole-pixel pen position,
// and per line the span that has any coverage, so that drawing skips what the glyph does not cover.
// A glyph the engine draws otherwise than by filling its outline (a colour or bitmap glyph) has
// none and is marked: text that holds it is left to the engine.
struct Mask {
    QImage coverage;
    QPoint offset;
    std::vector<std::pair<int, int>> spans;   // per line: [first, last) with coverage, or empty
    bool leftToEngine = false;
};

struct Entry {
    Entry(std::shared_ptr<const Mask> m, size_t b, quint64 draw) : mask(std::move(m)), bytes(b), used(draw) {}
    std::shared_ptr<const Mask> mask;
    size_t bytes;
    std::atomic<quint64> used;   // the last draw that took it
};

struct Cache {
    std::shared_mutex mutex;
    std::unordered_map<Key, Entry, KeyHash> masks;
    size_t bytes = 0;
    std::atomic<quint64> draws{0};
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

// Fonts of colour glyphs (emoji): the engine draws their images, not their outlines, which such
// fonts may lack altogether.
bool hasColourGlyphs(const QRawFont &font)
{
    for (const char *table : {"COLR", "CBLC", "sbix"})
        if (!font.fontTable(table).isEmpty())
            return true;
    return false;
}

// A space has neither outline nor ink; a bitmap glyph has ink in the font's own image of it.
bool hasInkWithoutOutline(const QRawFont &font, quint32 glyph)
{
    const QImage own = font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing).convertToFormat(QImage::Format_Alpha8);
    for (int y = 0; y < own.height(); ++y) {
        const uchar *line = own.constScanLine(y);
        if (std::any_of(line, line + own.width(), [](uchar a) { return a != 0; }))
            return true;
    }
    return false;
}

std::shared_ptr<const Mask> renderMask(const QRawFont &font, quint32 glyph, double sx, double sy, int fx, int fy)
{
    auto mask = std::make_shared<Mask>();
    if (hasColourGlyphs(font)) {
        mask->leftToEngine = true;
        return mask;
    }
    QTransform t = QTransform::fromTranslate(double(fx) / kSubpixels, double(fy) / kSubpixels);
    t.scale(sx, sy);
    QPainterPath path = t.map(font.pathForGlyph(glyph));
    // Non-zero, as the engine fills text: where two contours of a glyph overlap (a horn on its
    // letter) the overlap is ink.
    path.setFillRule(Qt::WindingFill);
    const QRectF bounds = path.boundingRect();
    if (path.isEmpty() || bounds.isEmpty()) {
        mask->leftToEngine = path.isEmpty() && hasInkWithoutOutline(font, glyph);
        return mask;
    }
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
    mask->spans.resize(size_t(coverage.height()));
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar *c = coverage.constScanLine(y);
        int first = 0;
        while (first < w && !c[first])
            ++first;
        int last = w;
        while (last > first && !c[last - 1])
            --last;
        mask->spans[size_t(y)] = {first, last};
    }
    return mask;
}

// Makes room for size more bytes: the masks used longest ago go first.
void evictFor(Cache &c, size_t size)
{
    std::vector<std::pair<quint64, decltype(c.masks)::iterator>> byAge;
    byAge.reserve(c.masks.size());
    for (auto it = c.masks.begin(); it != c.masks.end(); ++it)
        byAge.emplace_back(it->second.used.load(std::memory_order_relaxed), it);
    std::sort(byAge.begin(), byAge.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[used, it] : byAge) {
        if (c.bytes + size <= kBytesAfterEviction)
            break;
        c.bytes -= it->second.bytes;
        c.masks.erase(it);
    }
}

std::shared_ptr<const Mask> maskFor(const Key &key, const QRawFont &font, double sx, double sy, quint64 draw)
{
    Cache &c = cache();
    {
        std::shared_lock<std::shared_mutex> lock(c.mutex);
        const auto it = c.masks.find(key);
        if (it != c.masks.end()) {
            if (it->second.used.load(std::memory_order_relaxed) != draw)
                it->second.used.store(draw, std::memory_order_relaxed);
            return it->second.mask;
        }
    }
    std::shared_ptr<const Mask> mask = renderMask(font, key.glyph, sx, sy, key.fx, key.fy);
    const size_t size = size_t(mask->coverage.sizeInBytes()) + mask->spans.size() * sizeof(mask->spans[0])
                        + sizeof(Mask) + sizeof(Entry) + sizeof(Key) + 64;
    if (size > kBytesAfterEviction)
        return mask;   // drawn, not kept
    std::unique_lock<std::shared_mutex> lock(c.mutex);
    if (c.bytes + size > kMaxCacheBytes)
        evictFor(c, size);
    const auto [it, added] = c.masks.try_emplace(key, mask, size, draw);
    if (added)
        c.bytes += size;
    return it->second.mask;
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

// An opaque colour over the image through the mask's coverage.
void blend(QImage &image, const Mask &mask, int x, int y, QRgb colour)
{
    const Span s = spanOf(image, mask, x, y);
    if (s.empty())
        return;
    for (int yy = s.y0; yy < s.y1; ++yy) {
        const auto [from, to] = mask.spans[size_t(yy)];
        const uchar *c = mask.coverage.constScanLine(yy);
        auto *d = reinterpret_cast<QRgb *>(image.scanLine(s.top + yy)) + s.left;
        for (int xx = std::max(s.x0, from), x1 = std::min(s.x1, to); xx < x1; ++xx) {
            const int a = c[xx];
            if (!a)
                continue;
            const QRgb p = qPremultiply(qRgba(qRed(colour), qGreen(colour), qBlue(colour), a));
            const int keep = 255 - a;
            const QRgb o = d[xx];
            d[xx] = qRgba(qRed(p) + (qRed(o) * keep + 127) / 255, qGreen(p) + (qGreen(o) * keep + 127) / 255,
                          qBlue(p) + (qBlue(o) * keep + 127) / 255, a + (qAlpha(o) * keep + 127) / 255);
        }
    }
}

// The coverage step of every 8-bit coverage: palette drawing looks it up rather than keeping the
// steps of every mask.
constexpr std::array<uchar, 256> kSteps = [] {
    std::array<uchar, 256> steps{};
    for (int c = 0; c < 256; ++c)
        steps[size_t(c)] = uchar(coverageStep(c));
    return steps;
}();

void blendIndexed(QImage &image, const Mask &mask, int x, int y, const CoverageRamp &ramp,
                  const std::array<int, 256> &stepOf)
{
    const Span s = spanOf(image, mask, x, y);
    if (s.empty())
        return;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const uchar ground = uchar(ramp.index[0]);
    for (int yy = s.y0; yy < s.y1; ++yy) {
        const auto [from, to] = mask.spans[size_t(yy)];
        const uchar *c = mask.coverage.constScanLine(yy);
        uchar *d = bits + stride * (s.top + yy) + s.left;
        for (int xx = std::max(s.x0, from), x1 = std::min(s.x1, to); xx < x1; ++xx) {
            const int step = kSteps[c[xx]];
            if (!step)
                continue;
            if (d[xx] == ground) {   // most pixels: the ground under the glyph
                d[xx] = uchar(ramp.index[size_t(step)]);
                continue;
            }
            const int under = stepOf[d[xx]];
            if (under >= 0)   // this colour's own edge: the union of both coverages, as one fill
                d[xx] = uchar(ramp.index[size_t(step + under - (step * under + 7) / 15)]);
            else if (step >= 8)
                d[xx] = uchar(ramp.index[15]);
        }
    }
}

struct Placed {
    std::shared_ptr<const Mask> mask;
    QPoint at;   // the whole-pixel pen position
};

// Every glyph that has ink, where it falls, and the box of them all. False where a glyph is the
// engine's to draw.
bool placeGlyphs(const QList<QGlyphRun> &runs, const QTransform &toDevice, std::vector<Placed> &placed, QRect &ink)
{
    const quint64 draw = cache().draws.fetch_add(1, std::memory_order_relaxed) + 1;
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
            std::shared_ptr<const Mask> mask = maskFor(key, font, sx, sy, draw);
            if (mask->leftToEngine)
                return false;
            if (mask->coverage.isNull())
                continue;
            ink |= QRect(QPoint(ix, iy) + mask->offset, mask->coverage.size());
            placed.push_back({std::move(mask), QPoint(ix, iy)});
        }
    }
    return true;
}

// The glyphs in an opaque colour on a transparent layer over the box: where glyphs overlap, the
// layer holds the union of their coverage, so that an opacity laid on with the layer comes once.
QImage layerOf(const std::vector<Placed> &placed, const QRect &box, QRgb colour)
{
    QImage layer = raster::pooledImage(box.size(), QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull())
        return layer;
    layer.fill(Qt::transparent);
    for (const Placed &p : placed)
        blend(layer, *p.mask, p.at.x() - box.x(), p.at.y() - box.y(), colour);
    return layer;
}

} // namespace

bool drawGlyphRuns(QImage &image, const QList<QGlyphRun> &runs, const QTransform &toDevice, const QColor &colour)
{
    if (image.isNull() || image.format() != QImage::Format_ARGB32_Premultiplied)
        return false;
    std::vector<Placed> placed;
    QRect ink;
    if (!placeGlyphs(runs, toDevice, placed, ink))
        return false;
    const QRgb opaque = colour.rgb();
    if (colour.alpha() == 255) {
        for (const Placed &p : placed)
            blend(image, *p.mask, p.at.x(), p.at.y(), opaque);
        return true;
    }
    ink &= image.rect();
    if (colour.alpha() == 0 || ink.isEmpty())
        return true;
    const QImage layer = layerOf(placed, ink, opaque);
    if (layer.isNull())
        return false;
    QPainter painter(&image);
    painter.setOpacity(colour.alphaF());
    painter.drawImage(ink.topLeft(), layer);
    return true;
}

bool drawGlyphRuns(QImage &image, const QList<QGlyphRun> &runs, const QTransform &toDevice, const CoverageRamp &ramp)
{
    if (image.isNull() || image.format() != QImage::Format_Indexed8)
        return false;
    std::vector<Placed> placed;
    QRect ink;
    if (!placeGlyphs(runs, toDevice, placed, ink))
        return false;
    std::array<int, 256> stepOf;
    stepOf.fill(-1);
    for (int k = 15; k >= 0; --k)
        stepOf[ramp.index[size_t(k)] & 0xFF] = k;
    for (const Placed &p : placed)
        blendIndexed(image, *p.mask, p.at.x(), p.at.y(), ramp, stepOf);
    return true;
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
    std::vector<Placed> placed;
    QRect ink;
    if (!placeGlyphs(runs, toDevice, placed, ink))
        return false;
    ink &= image->rect();
    if (painter.hasClipping())
        ink &= toDevice.mapRect(painter.clipBoundingRect()).toAlignedRect();
    if (ink.isEmpty())
        return true;
    const QImage layer = layerOf(placed, ink, colour.rgb());
    if (layer.isNull())
        return false;
    painter.save();
    painter.setViewTransformEnabled(false);
    painter.setWorldTransform(QTransform());
    painter.setOpacity(painter.opacity() * colour.alphaF());
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
