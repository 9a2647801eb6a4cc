#include "engines/render/BarcodePictureLayout.h"

#include "engines/Symbologies.h"
#include "engines/linear/NKDAbstractUPCEANBarcode.h"
#include "engines/linear/NKDBarcode.h"
#include "engines/render/UpcEanCaption.h"
#include "platform/GlyphRaster.h"
#include "platform/WholePixels.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <optional>

namespace render {

Qt::Alignment bandAlignment(const QString &comboValue)
{
    if (comboValue == QLatin1String("Center"))
        return Qt::AlignHCenter;
    if (comboValue == QLatin1String("Left"))
        return Qt::AlignLeft;
    if (comboValue == QLatin1String("Right"))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

PictureText textBand(const QString &text, const QFont &font, const QColor &color, const QString &alignment,
                     double viewWidth, double y, const TextMeasurer &measurer)
{
    PictureText band;
    band.text = text;
    band.font = font;
    band.color = color;
    band.alignment = bandAlignment(alignment);
    band.kerning = kBandKerning;
    band.rect = QRectF(0, y, viewWidth, measurer.textSize(text, font, 0).height());
    return band;
}

QSizeF linearFrame(const NKDBarcode &model)
{
    const double header = model.printsHeader() ? model.headerWidth() : 0.0;
    const double footer = model.printsFooter() ? model.footerWidth() : 0.0;
    return {std::max({header, footer, double(model.width())}), double(model.height())};
}

namespace {

// Text drawn with the bottom-left corner of its line at a point.
PictureText textAtPoint(const QString &text, const QFont &font, const QColor &color, double x, double y,
                        const TextMeasurer &measurer)
{
    PictureText t;
    t.text = text;
    t.font = font;
    t.color = color;
    t.alignment = Qt::AlignLeft;
    t.kerning = 0;
    const QSizeF size = measurer.textSize(text, font, 0);
    t.rect = QRectF(x, y, size.width(), size.height());
    return t;
}

} // namespace

PictureLayout layoutLinear(const NKDBarcode &model, const BarcodeSettings &s, const QSizeF &frame,
                           const TextMeasurer &measurer)
{
    PictureLayout out;
    out.size = frame;
    const double viewWidth = frame.width();
    const double viewHeight = frame.height();

    const QString left = model.leftCaption();
    const QString caption = model.caption();
    const QStringList parts = caption.split(QLatin1Char('\t'));
    const bool splitCaption = !left.isEmpty() || parts.size() > 1;

    out.background = s.linearBackgroundTransparent() ? QColor(Qt::transparent) : s.bar_back_clr;
    out.barColor = s.barcode_clr;

    const QString pattern = model.completeBarcode();
    const double barWidth = model.barWidth();
    const double bars = double(pattern.size()) * barWidth;
    const double x0 = (viewWidth - bars) / 2.0;
    const double C = model.printsCaption() ? model.captionHeight() * 72.0 : 0.0;
    const double F = model.printsFooter() ? model.footerHeight() * 72.0 : 0.0;
    const bool onTop = s.showinTop;
    const double y0 = onTop ? F + s.footer_margin + s.TB_margin
                            : C + F + s.value_margin + s.footer_margin + s.TB_margin;

    out.moduleX0 = x0;
    out.moduleWidth = barWidth;
    out.moduleCount = int(pattern.size());

    // Runs of "1" modules are one bar each, measured at the run's last module.
    const bool fromBottom = splitCaption || model.isFourState();
    double x = x0;
    int run = 0;
    int last = -1;
    auto drawRun = [&]() {
        double h = model.barTop(last);
        double bottom = y0;
        if (fromBottom) {
            const double b = model.barBottom(last);
            // Bars shorter than the caption they stand on are drawn as nothing, never downward
            // over the caption and the bands.
            h = std::max(0.0, h - b);
            bottom = y0 + b;
        }
        out.bars.append(QRectF(x, bottom, barWidth * run, h));
        out.barModules.append(qMakePair(last - run + 1, run));
        out.lastBarHeight = h;
    };
    for (int i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == QLatin1Char('1')) {
            ++run;
            last = i;
            if (i == pattern.size() - 1)
                drawRun();
        } else {
            if (run > 0)
                drawRun();
            x += barWidth * (run + 1);
            run = 0;
            last = -1;
        }
    }

    if (model.printsCaption()) {
        const double yc = onTop ? F + s.footer_margin + out.lastBarHeight + s.value_margin + s.TB_margin
                                : F + s.footer_margin + s.TB_margin;
        // UPC and EAN digits sit in their groups between the guard bars.
        const QList<PictureText> digits = dynamic_cast<const NKDAbstractUPCEANBarcode *>(&model)
                                              ? upcEanCaption(left, parts, model.rightCaption(), out, s, yc, measurer)
                                              : QList<PictureText>();
        if (!digits.isEmpty())
            out.texts.append(digits);
        else if (!left.isEmpty())
            out.texts.append(textAtPoint(left, s.value_font, s.bar_val_clr, x0, yc + kSideCaptionRise, measurer));
        if (digits.isEmpty() && !caption.isEmpty()) {
            QString text;
            if (left.isEmpty() && parts.size() <= 1) {
                text = parts.first();
            } else {
                for (const QString &part : parts)
                    text += part + QLatin1Char('\t');
            }
            PictureText main;
            main.text = text;
            main.font = s.value_font;
            main.color = s.bar_val_clr;
            main.alignment = Qt::AlignHCenter;
            main.kerning = s.kerning_value ? 0.0 : kBandKerning;
            main.rect = QRectF(0, yc, viewWidth, measurer.textSize(text, s.value_font, 0).height());
            out.texts.append(main);
        }
        const QString right = model.rightCaption();
        if (digits.isEmpty() && !right.isEmpty())
            out.texts.append(textAtPoint(right, s.value_font, s.bar_val_clr, x0 + bars, yc + kSideCaptionRise, measurer));
    }

    if (model.printsHeader()) {
        const double y = viewHeight - model.headerHeight() * 72.0 - s.TB_margin;
        out.texts.append(textBand(model.header(), s.header_font, s.bar_hdr_clr, s.align_hdr, viewWidth, y, measurer));
    }
    if (model.printsFooter())
        out.texts.append(textBand(model.footer(), s.footer_font, s.bar_ftr_clr, s.align_ftr, viewWidth, s.TB_margin, measurer));
    return out;
}

QSizeF twoDFrame(const BarcodeSettings &s, const QSizeF &imagePoints)
{
    if (s.mode == 1)
        return {s.width != 0 ? double(s.width) : imagePoints.width(), s.height != 0 ? double(s.height) : imagePoints.height()};
    return {double(s.width), double(s.height)};
}

bool logoGate(const BarcodeSettings &s)
{
    if (!s.USE_QR_LOGO || s.USE_QR_LOGO_IMG.isNull())
        return false;
    if (s.mode == 2)
        return true;
    return Symbologies::indexOfDisplayed(s.barcodeTypeTitle) == Symbologies::indexOf(QStringLiteral("QR Code"));
}

int logoDividerFor(const QSizeF &imagePoints)
{
    return imagePoints.width() < 50.0 ? 8 : 7;
}

PictureLayout layout2D(const platform::Picture &image, const BarcodeSettings &s, const QSizeF &frame, int logoDivider,
                       const TextMeasurer &measurer)
{
    PictureLayout out;
    out.size = frame;
    out.background = s.fill_transparent ? QColor(Qt::transparent) : s.bar_back_clr;
    const double viewWidth = frame.width();
    const double w = image.size().width();
    const double h = image.size().height();
    const double hh = s.printsHeader ? s.headerHeight * 72.0 : 0.0;
    const double top = frame.height() - s.TB_margin - hh;
    if (s.printsHeader)
        out.texts.append(textBand(s.header, s.header_font, s.bar_hdr_clr, s.align_hdr, viewWidth, top, measurer));
    out.symbol = image;
    out.symbolRect = QRectF((viewWidth - w) / 2.0, top - h - s.header_margin, w, h);
    if (logoGate(s) && logoDivider > 0) {
        const double side = w / double(logoDivider);
        const QRectF r = out.symbolRect;
        out.logo = platform::Picture::fromImage(s.USE_QR_LOGO_IMG, QSizeF(s.USE_QR_LOGO_IMG.size()));
        out.logoRect = QRectF(r.x() + (w - side) / 2.0, r.y() + (h - side) / 2.0, side, side);
    }
    if (s.printsFooter)
        out.texts.append(textBand(s.footer, s.footer_font, s.bar_ftr_clr, s.align_ftr, viewWidth, s.TB_margin, measurer));
    return out;
}

namespace {

// Text is laid out on a reference device of 96 DPI, where a font asked for at 0.75 of its point
// size is exactly that many units tall and Qt applies letter spacing as given (on devices of other
// resolutions it scales or drops it). The glyphs then paint at that size on any device, so the text
// keeps its size in points on screen, in bitmaps, in PDF and in EPS.
constexpr int kReferenceDpi = 96;

QPaintDevice *referenceDevice()
{
    thread_local QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        img.setDotsPerMeterX(3780);   // 96 DPI
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return &device;
}

// Font engines make no glyphs for sizes under a pixel or two of the reference device: smaller text
// is laid out this many times larger and drawn scaled down.
constexpr double kSmallestLaidOutPoints = 6.0;

double textZoom(const PictureText &t)
{
    const double size = t.font.pointSizeF();
    return size > 0 && size < kSmallestLaidOutPoints ? kSmallestLaidOutPoints / size : 1.0;
}

QFont layoutFont(const PictureText &t)
{
    const double zoom = textZoom(t);
    QFont f = t.font;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * zoom * 72.0 / kReferenceDpi);
    // Unhinted outlines: glyph advances must not snap to whole units of the small size.
    f.setHintingPreference(QFont::PreferNoHinting);
    if (t.kerning != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, t.kerning * zoom);
    return f;
}

// The text (made with layoutFont on the reference device) laid out in a line as wide as its box, from
// the box's top-left corner. A layout of our own: it keeps the tab stops and never clips glyphs to
// the measured box. Kerning follows every character, the last one too; centred and right-aligned
// text is placed by its characters, as its width is measured, not by that trailing space.
void layOut(QTextLayout &text, const PictureText &t)
{
    const double zoom = textZoom(t);
    QTextOption option(t.alignment);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kDefaultTabStop * zoom);
    text.setTextOption(option);
    text.beginLayout();
    QTextLine line = text.createLine();
    if (line.isValid()) {
        const bool trailingSpaceShows = !(t.alignment & (Qt::AlignHCenter | Qt::AlignRight));
        line.setLineWidth((t.rect.width() + (trailingSpaceShows ? 0.0 : t.kerning)) * zoom);
        line.setPosition(QPointF(0, 0));
    }
    text.endLayout();
}

void paintText(QPainter &p, const PictureText &t, double pictureHeight)
{
    if (t.text.isEmpty())
        return;
    const QRectF box = flipped(t.rect, pictureHeight);
    QTextLayout text(t.text, layoutFont(t), referenceDevice());
    layOut(text, t);
    p.save();
    p.translate(box.topLeft());
    const double zoom = textZoom(t);
    if (zoom != 1.0)
        p.scale(1.0 / zoom, 1.0 / zoom);
    p.setPen(t.color);
    if (!platform::drawLayoutFromKeptGlyphs(p, text, t.color))
        text.draw(&p, QPointF(0, 0));
    p.restore();
}

} // namespace

TextGlyphs textGlyphs(const PictureText &t)
{
    TextGlyphs out;
    if (t.text.isEmpty())
        return out;
    QTextLayout text(t.text, layoutFont(t), referenceDevice());
    layOut(text, t);
    out.runs = text.glyphRuns();
    out.pointsPerUnit = 1.0 / textZoom(t);
    return out;
}

namespace {

// On a screen, the layout as its output places the bars when snapping them to the screen's pixels
// would show the symbol more than a module wider or narrower than it prints; nothing otherwise.
std::optional<PictureLayout> shownAsOutput(const QPainter &p, const PictureLayout &layout, const BarPixels &screen)
{
    if (!(layout.outputDpi > 0) || screen.modulePixels <= 0 || !platform::paintsOnScreen(p))
        return std::nullopt;
    PictureLayout printed = placedAsOutput(layout, layout.outputDpi);
    const double scale = p.deviceTransform().m11();
    const double printedWidth = printed.moduleCount * printed.moduleWidth;
    const double snappedWidth = double(screen.modulePixels) * layout.moduleCount / scale;
    if (std::abs(snappedWidth - printedWidth) <= printed.moduleWidth + 1e-9)
        return std::nullopt;
    return printed;
}

} // namespace

void paintPictureLayout(QPainter &p, const PictureLayout &layout)
{
    const double H = layout.size.height();
    p.save();
    // On a screen, a symbol on a ground that is not fully opaque goes over what lies beneath (the
    // window's white), the ground painted only around it: written in place, as a file takes it, a
    // translucent ground shows near-black on a screen without alpha.
    const QRectF symbolRect = flipped(layout.symbolRect, H);
    const bool symbolOverBeneath = !layout.symbol.isNull() && layout.background.alpha() < 255 && platform::paintsOnScreen(p);
    if (layout.background.alpha() > 0 && symbolOverBeneath) {
        QPainterPath around;
        around.addRect(QRectF(QPointF(0, 0), layout.size));
        around.addRect(symbolRect);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(around, layout.background);   // odd-even: the ground less the symbol's rectangle
        p.restore();
    } else if (layout.background.alpha() > 0) {
        p.fillRect(QRectF(QPointF(0, 0), layout.size), layout.background);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(layout.barColor);
    const bool onPixels = platform::paintsWholePixels(p);
    const QTransform toDevice = p.deviceTransform();
    BarPixels pixels = onPixels ? barPixels(layout, toDevice) : BarPixels();
    const std::optional<PictureLayout> printed = shownAsOutput(p, layout, pixels);
    if (printed) {
        // The printed geometry, its first module moved onto a whole screen pixel; modules under a
        // pixel are blended rather than dropped.
        pixels = BarPixels();
        const double start = toDevice.map(QPointF(printed->moduleX0, 0)).x();
        p.translate((std::round(start) - start) / toDevice.m11(), 0);
        p.setRenderHint(QPainter::Antialiasing, printed->moduleWidth * toDevice.m11() < 1.0);
    }
    const PictureLayout &shown = printed ? *printed : layout;
    if (pixels.modulePixels > 0) {
        // Whole device pixels, mapped back through the painter: an aliased fill lands on them exactly.
        bool invertible = false;
        const QTransform back = toDevice.inverted(&invertible);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int i = 0; invertible && i < layout.bars.size(); ++i) {
            const QRect device = barDeviceRect(layout, i, pixels, toDevice);
            if (!device.isEmpty())
                p.fillRect(back.mapRect(QRectF(device)), layout.barColor);
        }
        p.restore();
    } else {
        for (const QRectF &bar : shown.bars)
            p.drawRect(flipped(bar, H));
    }
    if (!layout.symbol.isNull()) {
        p.save();
        // The symbol replaces the background it was made on; on a clear background, or on a screen
        // as above, it goes over whatever the picture is drawn on.
        if (layout.background.alpha() > 0 && !symbolOverBeneath)
            p.setCompositionMode(QPainter::CompositionMode_Source);
        layout.symbol.draw(p, symbolRect);
        if (!layout.logo.isNull() && !layout.logoRect.isEmpty())
            layout.logo.draw(p, flipped(layout.logoRect, H), true);
        p.restore();
    }
    for (const PictureText &t : shown.texts)
        paintText(p, pixels.modulePixels > 0 ? textOnPixels(t, layout, pixels, toDevice) : t, H);
    p.restore();
}

} // namespace render
