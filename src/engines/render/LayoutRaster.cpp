// Barcode pictures on pixels: where bars land on whole device pixels, and the picture made straight
// into the image it is written as, without a painter and without a 32-bit canvas where fewer bits
// hold it.

#include "engines/render/BarcodePictureLayout.h"

#include "platform/GlyphRaster.h"
#include "platform/ModuleGrid.h"
#include "platform/RasterImage.h"
#include "platform/WholePixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace render {

double BarPixels::mapX(const PictureLayout &layout, double x) const
{
    if (modulePixels <= 0 || !(layout.moduleWidth > 0))
        return x;
    return firstPixel + (x - layout.moduleX0) / layout.moduleWidth * modulePixels;
}

BarPixels barPixels(const PictureLayout &layout, const QTransform &toDevice)
{
    BarPixels out;
    if (layout.moduleCount <= 0 || !(layout.moduleWidth > 0) || layout.bars.isEmpty()
        || layout.barModules.size() != layout.bars.size() || !(toDevice.m11() > 0))
        return out;
    const QRect picture = platform::deviceRect(toDevice, QRectF(QPointF(0, 0), layout.size));
    out.nominal = layout.moduleWidth * toDevice.m11();
    out.modulePixels = platform::modulePixels(out.nominal, layout.moduleCount, picture.width());
    const int span = layout.moduleCount * out.modulePixels;
    const double centre = toDevice.map(QPointF(layout.moduleX0 + layout.moduleCount * layout.moduleWidth / 2.0, 0)).x();
    int first = int(std::lround(centre - span / 2.0));
    if (first + span > picture.right() + 1)
        first = picture.right() + 1 - span;
    out.firstPixel = std::max(first, picture.left());
    return out;
}

QRect barDeviceRect(const PictureLayout &layout, int i, const BarPixels &pixels, const QTransform &toDevice)
{
    if (i < 0 || i >= layout.bars.size() || i >= layout.barModules.size() || pixels.modulePixels <= 0)
        return {};
    const QPair<int, int> modules = layout.barModules.at(i);
    if (modules.second <= 0)
        return {};
    const QRectF r = flipped(layout.bars.at(i), layout.size.height());
    const int top = int(std::lround(toDevice.map(r.topLeft()).y()));
    const int bottom = int(std::lround(toDevice.map(r.bottomLeft()).y()));
    const int left = pixels.firstPixel + modules.first * pixels.modulePixels;
    return QRect(left, top, modules.second * pixels.modulePixels, bottom - top);
}

PictureText textOnPixels(const PictureText &text, const PictureLayout &layout, const BarPixels &pixels,
                         const QTransform &toDevice)
{
    if (!text.onModules || pixels.modulePixels <= 0 || !(toDevice.m11() > 0))
        return text;
    PictureText out = text;
    double anchor = text.rect.center().x();
    if (text.alignment & Qt::AlignRight)
        anchor = text.rect.right();
    else if (!(text.alignment & Qt::AlignHCenter))
        anchor = text.rect.left();
    const double nominal = toDevice.map(QPointF(anchor, 0)).x();
    out.rect.translate((pixels.mapX(layout, anchor) - nominal) / toDevice.m11(), 0);
    const double narrowing = pixels.narrowing();
    double scale = narrowing;
    if (narrowing < 1.0 && text.room > 0 && text.width > 0)
        scale = std::min(1.0, text.room * narrowing / text.width);
    if (scale < 1.0) {
        if (out.font.pointSizeF() > 0)
            out.font.setPointSizeF(out.font.pointSizeF() * scale);
        out.kerning *= scale;
        out.rect.setHeight(out.rect.height() * scale);   // y-up: the bottom edge stays
    }
    return out;
}

PictureLayout placedAsOutput(const PictureLayout &layout, double dpi)
{
    if (!(dpi > 0))
        return layout;
    const double k = dpi / 72.0;
    const QTransform toOutput = QTransform::fromScale(k, k);
    const BarPixels out = barPixels(layout, toOutput);
    if (out.modulePixels <= 0)
        return layout;
    PictureLayout placed = layout;
    placed.moduleX0 = out.firstPixel / k;
    placed.moduleWidth = out.modulePixels / k;
    for (qsizetype i = 0; i < placed.bars.size(); ++i) {
        const QPair<int, int> modules = layout.barModules.at(i);
        QRectF &bar = placed.bars[i];
        bar.setLeft(placed.moduleX0 + modules.first * placed.moduleWidth);
        bar.setWidth(modules.second * placed.moduleWidth);
    }
    for (PictureText &t : placed.texts)
        t = textOnPixels(t, layout, out, toOutput);
    return placed;
}

namespace {

// The colour of a text at coverage step k (of 15) over the ground.
QRgb rampColour(QRgb ground, QRgb text, int k)
{
    const int a = (qAlpha(text) * k + 7) / 15;
    if (qAlpha(ground) == 0)
        return qRgba(qRed(text), qGreen(text), qBlue(text), a);
    auto mix = [a](int g, int t) { return (g * (255 - a) + t * a + 127) / 255; };
    return qRgb(mix(qRed(ground), qRed(text)), mix(qGreen(ground), qGreen(text)), mix(qBlue(ground), qBlue(text)));
}

// The ground and the bars, band by band: between two bar ends the same bars cross every line, so
// one line is painted (ground, then bars) and copied down the band; the lines no bar crosses get the
// ground alone. Every line is written once.
void fillGroundAndBars(QImage &image, const PictureLayout &layout, const BarPixels &pixels, const QTransform &toDevice,
                       uint ground, bool bars, uint bar)
{
    QList<QRect> rects;
    QList<int> edges;
    for (int i = 0; bars && i < layout.bars.size(); ++i) {
        const QRect r = barDeviceRect(layout, i, pixels, toDevice).intersected(image.rect());
        if (r.isEmpty())
            continue;
        rects << r;
        edges << r.top() << r.bottom() + 1;
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const QImage::Format format = image.format();
    int grounded = 0;   // lines above this one are written
    auto groundTo = [&](int end) {
        if (end > grounded)
            platform::raster::fillRect(image, QRect(0, grounded, image.width(), end - grounded), ground);
        grounded = std::max(grounded, end);
    };
    for (qsizetype e = 0; e + 1 < edges.size(); ++e) {
        const int top = edges[e];
        const int bottom = edges[e + 1];   // exclusive
        bool any = false;
        for (const QRect &r : rects)
            any = any || (r.top() <= top && r.bottom() >= top);
        if (!any)
            continue;
        groundTo(top);
        uchar *first = bits + stride * top;
        platform::raster::fillLine(first, format, 0, image.width(), ground);
        for (const QRect &r : rects)
            if (r.top() <= top && r.bottom() >= top)
                platform::raster::fillLine(first, format, r.left(), r.right() + 1, bar);
        for (int y = top + 1; y < bottom; ++y)
            std::memcpy(bits + stride * y, first, size_t(stride));
        grounded = bottom;
    }
    groundTo(image.height());
}

} // namespace

QImage rasteriseLayout(const PictureLayout &layout, const QSize &pixels)
{
    if (pixels.isEmpty() || layout.size.isEmpty())
        return {};
    if (!layout.logo.isNull() && !layout.logoRect.isEmpty())
        return {};
    const platform::ModuleGrid *grid = layout.symbol.isNull() ? nullptr : layout.symbol.moduleGrid();
    if (!layout.symbol.isNull() && !grid)
        return {};
    // Bars are written, not blended: a translucent bar colour needs the painter.
    const bool bars = !layout.bars.isEmpty() && layout.barColor.alpha() > 0;
    if (bars && layout.barColor.alpha() != 255)
        return {};
    const QRgb ground = layout.background.alpha() > 0 ? layout.background.rgba() : qRgba(0, 0, 0, 0);
    if (qAlpha(ground) != 255 && qAlpha(ground) != 0)
        return {};

    QList<QRgb> colours{ground};
    if (bars)
        colours << layout.barColor.rgba();
    if (grid) {
        if (grid->surround.isValid())
            colours << grid->surround.rgba();
        colours << grid->cells.colorTable();
    }
    // Each text colour brings its ramp of edge colours over the ground.
    QList<const PictureText *> texts;
    QList<QRgb> textColours;
    for (const PictureText &t : layout.texts) {
        if (t.text.isEmpty() || t.color.alpha() == 0)
            continue;
        texts << &t;
        if (!textColours.contains(t.color.rgba())) {
            textColours << t.color.rgba();
            for (int k = 1; k <= 15; ++k)
                colours << rampColour(ground, t.color.rgba(), k);
        }
    }

    QList<QRgb> table = platform::raster::distinctColours(colours, 256);
    QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    if (!table.isEmpty()) {
        const bool opaque = std::all_of(table.cbegin(), table.cend(), [](QRgb c) { return qAlpha(c) == 255; });
        format = opaque && table.size() <= 2 ? QImage::Format_Mono : QImage::Format_Indexed8;
        if (format == QImage::Format_Mono && table.size() == 1)
            table << table.first();
    }
    QImage image = platform::raster::pooledImage(pixels, format);
    if (image.isNull())
        return {};
    if (!table.isEmpty())
        image.setColorTable(table);
    auto pixelOf = [&table](QRgb c) -> uint {
        if (!table.isEmpty())
            return uint(std::max<qsizetype>(table.indexOf(c), 0));
        return qPremultiply(c);
    };

    const QTransform toDevice = QTransform::fromScale(pixels.width() / layout.size.width(),
                                                      pixels.height() / layout.size.height());
    const BarPixels barsOnPixels = barPixels(layout, toDevice);
    if (bars && barsOnPixels.modulePixels <= 0)
        return {};
    fillGroundAndBars(image, layout, barsOnPixels, toDevice, pixelOf(ground), bars,
                      bars ? pixelOf(layout.barColor.rgba()) : 0);

    if (grid) {
        const QRectF target = flipped(layout.symbolRect, layout.size.height());
        const QSizeF symbolSize = layout.symbol.size();
        QTransform toTarget = QTransform::fromTranslate(target.x(), target.y());
        toTarget.scale(target.width() / symbolSize.width(), target.height() / symbolSize.height());
        const platform::GridPlacement placement = platform::placeGrid(*grid, symbolSize, toTarget * toDevice);
        platform::rasteriseGrid(image, *grid, placement, pixelOf);
    }

    for (const PictureText *t : texts) {
        const PictureText text = textOnPixels(*t, layout, barsOnPixels, toDevice);
        const QRectF box = flipped(text.rect, layout.size.height());
        const TextGlyphs glyphs = textGlyphs(text);
        const QTransform toText = QTransform::fromScale(glyphs.pointsPerUnit, glyphs.pointsPerUnit)
                                  * QTransform::fromTranslate(box.x(), box.y()) * toDevice;
        // A glyph the kept glyphs cannot draw (a colour glyph) leaves the picture to the painter.
        if (table.isEmpty()) {
            if (!platform::drawGlyphRuns(image, glyphs.runs, toText, text.color))
                return {};
            continue;
        }
        platform::CoverageRamp ramp;
        ramp.index[0] = pixelOf(ground);
        for (int k = 1; k <= 15; ++k)
            ramp.index[size_t(k)] = pixelOf(rampColour(ground, text.color.rgba(), k));
        if (!platform::drawGlyphRuns(image, glyphs.runs, toText, ramp))
            return {};
    }
    return image;
}

} // namespace render
