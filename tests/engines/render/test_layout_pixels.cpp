// Barcode pictures on pixels and their texts: bars on whole pixels, the picture made straight into
// its image as the painter would paint it, UPC/EAN digits in their groups, header bands as wide as
// drawn. Real fonts (DejaVu Sans) and real symbologies.

#include "engines/BarcodeSettings.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDCode128Barcode.h"
#include "engines/linear/NKDEAN13Barcode.h"
#include "engines/linear/NKDEAN8Barcode.h"
#include "engines/linear/NKDUPCABarcode.h"
#include "engines/linear/NKDUPCEBarcode.h"
#include "engines/render/BarcodePictureLayout.h"
#include "engines/render/NKDBarcodeOffscreenView.h"
#include "engines/render/UpcEanCaption.h"
#include "platform/WholePixels.h"
#include "platform/test_picture_tools.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

std::shared_ptr<BarcodeSettings> settings()
{
    auto s = std::make_shared<BarcodeSettings>();
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    s->value_font = font;
    s->header_font = font;
    s->footer_font = font;
    s->TB_margin = 2.8f;
    s->value_margin = 2.8f;
    s->header_margin = 0;
    s->footer_margin = 0;
    return s;
}

// A model sized as the Barcode mode sizes it: module width in mils, bars 2 cm, margins 0.1 cm.
template <typename Model>
std::unique_ptr<NKDBarcode> model(const QString &value, double mils, const std::shared_ptr<BarcodeSettings> &s)
{
    auto m = std::make_unique<Model>();
    m->setSettings(s);
    if (!m->initWithContent(value, true) || !m->isContentValid())
        return nullptr;
    m->setPrintsCaption(true);
    m->setBarWidth(float(mils / 1000.0 * 72.0));
    m->setCaptionFontSize(10);
    m->setHeaderFontSize(10);
    m->setFooterFontSize(10);
    m->setHeight(float(56.7 + m->captionHeight() * 72 + s->value_margin + 2 * s->TB_margin));
    m->calculateWidth();
    m->setWidth(float(m->width() + 2 * 2.835 + 15));
    return m;
}

// The ink box of every glyph of a text as laid out, in the picture's top-left points.
QList<QRectF> glyphInk(const render::PictureText &text, double pictureHeight)
{
    QList<QRectF> out;
    const QPointF origin = render::flipped(text.rect, pictureHeight).topLeft();
    const render::TextGlyphs laidOut = render::textGlyphs(text);
    const double k = laidOut.pointsPerUnit;
    for (const QGlyphRun &run : laidOut.runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF ink = font.pathForGlyph(glyphs[i]).boundingRect();   // the outline itself
            if (!ink.isEmpty())
                out << QRectF(origin + (positions[i] + ink.topLeft()) * k, ink.size() * k);
        }
    }
    return out;
}

// A row of pixels as runs of equal grey levels: (grey, length).
QList<QPair<int, int>> greyRuns(const QImage &img, int y)
{
    const QImage flat = picturetest::onWhite(img);
    QList<QPair<int, int>> out;
    for (int x = 0; x < flat.width(); ++x) {
        const int g = qGray(flat.pixel(x, y));
        if (out.isEmpty() || out.last().first != g)
            out.append(qMakePair(g, 0));
        ++out.last().second;
    }
    return out;
}

} // namespace

TEST(BarPixels, ModulesAreWholePixelsFromAWholePixelCentredAsLaidOut)
{
    render::PictureLayout layout;
    layout.size = QSizeF(120, 50);
    layout.moduleWidth = 1.08;   // 15 mils
    layout.moduleCount = 60;
    layout.moduleX0 = (120 - 60 * 1.08) / 2;
    layout.bars = {QRectF(layout.moduleX0, 10, 2.16, 30), QRectF(layout.moduleX0 + 5 * 1.08, 10, 1.08, 30)};
    layout.barModules = {qMakePair(0, 2), qMakePair(5, 1)};
    for (const double dpi : {203.0, 300.0, 600.0, 72.0}) {
        const double scale = dpi / 72.0;
        const QTransform toDevice = QTransform::fromScale(scale, scale);
        const render::BarPixels pixels = render::barPixels(layout, toDevice);
        EXPECT_EQ(pixels.modulePixels, std::max(1, int(std::lround(1.08 * scale)))) << dpi;
        const double centre = 60 * scale;   // the picture's middle
        EXPECT_LE(std::abs(pixels.firstPixel + 30 * pixels.modulePixels - centre), 0.5 + 1e-9) << dpi;
        const QRect first = render::barDeviceRect(layout, 0, pixels, toDevice);
        const QRect second = render::barDeviceRect(layout, 1, pixels, toDevice);
        EXPECT_EQ(first.left(), pixels.firstPixel);
        EXPECT_EQ(first.width(), 2 * pixels.modulePixels);
        EXPECT_EQ(second.left(), pixels.firstPixel + 5 * pixels.modulePixels);
        EXPECT_EQ(second.width(), pixels.modulePixels);
        EXPECT_EQ(first.top(), int(std::lround(10 * scale)));
    }
    // Bars that would no longer fit the picture at the rounded width get the narrower one.
    layout.size = QSizeF(60 * 1.08 + 0.1, 50);
    layout.moduleX0 = 0.05;
    const render::BarPixels tight = render::barPixels(layout, QTransform::fromScale(2.5 / 1.08, 2.5 / 1.08));
    EXPECT_EQ(tight.modulePixels, 2);
    EXPECT_GE(tight.firstPixel, 0);
}

TEST(UpcEanCaption, DigitsSitBetweenTheGuardsWithoutTouchingAtEveryModuleSize)
{
    struct Case {
        const char *name;
        std::function<std::unique_ptr<NKDBarcode>(double, const std::shared_ptr<BarcodeSettings> &)> make;
    };
    const Case cases[] = {
        {"EAN-13", [](double mils, const auto &s) { return model<NKDEAN13Barcode>(QStringLiteral("400638133393"), mils, s); }},
        {"EAN-8", [](double mils, const auto &s) { return model<NKDEAN8Barcode>(QStringLiteral("9638507"), mils, s); }},
        {"UPC-A", [](double mils, const auto &s) { return model<NKDUPCABarcode>(QStringLiteral("03600029145"), mils, s); }},
        {"UPC-E", [](double mils, const auto &s) { return model<NKDUPCEBarcode>(QStringLiteral("0123456"), mils, s); }},
    };
    for (const Case &c : cases) {
        for (const bool tight : {false, true}) {
            for (const double mils : {1.0, 2.0, 5.0, 7.5, 10.0, 13.0, 15.0, 20.0, 33.0, 100.0, 1000.0}) {
                auto s = settings();
                s->kerning_value = tight;
                const auto m = c.make(mils, s);
                ASSERT_TRUE(m) << c.name;
                const render::PictureLayout l = render::layoutLinear(*m, *s, render::linearFrame(*m), textMeasurer());
                const double bw = l.moduleWidth;
                const double x0 = l.moduleX0;
                const double end = x0 + l.moduleCount * bw;
                QStringList groups;
                for (const QString &part : m->caption().split(QLatin1Char('\t')))
                    if (!part.trimmed().isEmpty())
                        groups << part.trimmed();
                const QList<QPair<int, int>> modules = render::upcEanDigitModules(l.moduleCount, groups);
                ASSERT_EQ(modules.size(), groups.size()) << c.name;

                QList<QRectF> all;
                int group = 0;
                for (const render::PictureText &t : l.texts) {
                    const QList<QRectF> ink = glyphInk(t, l.size.height());
                    ASSERT_FALSE(ink.isEmpty()) << c.name << " " << mils << " [" << t.text.toStdString() << "] " << t.font.pointSizeF() << " " << t.rect.width();
                    double left = ink.first().left(), right = ink.first().right();
                    for (const QRectF &r : ink) {
                        left = std::min(left, r.left());
                        right = std::max(right, r.right());
                    }
                    const QString text = t.text.trimmed();
                    const auto where = [&] { return std::string(c.name) + " " + std::to_string(mils) + " mil " + text.toStdString(); };
                    if (text == m->leftCaption()) {
                        EXPECT_LT(right, x0) << where();   // left of the start guard
                    } else if (group < groups.size() && text == groups[group]) {
                        EXPECT_GE(left, x0 + modules[group].first * bw) << where();
                        EXPECT_LE(right, x0 + (modules[group].first + modules[group].second) * bw) << where();
                        ++group;
                    } else {
                        EXPECT_EQ(text, m->rightCaption()) << where();
                        EXPECT_GT(left, end) << where();   // right of the end guard
                    }
                    EXPECT_GE(left, 0) << where();
                    EXPECT_LE(right, l.size.width()) << where();
                    all << ink;
                }
                EXPECT_EQ(group, groups.size()) << c.name;
                // No digit touches another.
                std::sort(all.begin(), all.end(), [](const QRectF &a, const QRectF &b) { return a.left() < b.left(); });
                for (qsizetype i = 1; i < all.size(); ++i)
                    EXPECT_GT(all[i].left(), all[i - 1].right()) << c.name << " " << mils << " mil, glyph " << i;
            }
        }
    }
}

TEST(HeaderBand, PictureIsAsWideAsTheHeaderDrawn)
{
    auto s = settings();
    s->header_font = QFont(QStringLiteral("DejaVu Sans"), 12);
    auto m = std::make_unique<NKDCode128Barcode>();
    m->setSettings(s);
    ASSERT_TRUE(m->initWithContent(QStringLiteral("Tagora"), true));
    m->setHeader(QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG"));
    m->setPrintsHeader(true);
    m->setBarWidth(1.08f);
    m->setCaptionFontSize(10);
    m->setHeaderFontSize(12);
    m->setHeight(120);
    m->calculateWidth();
    ASSERT_GT(m->headerWidth(), m->width());   // the header makes the picture's width
    const QSizeF frame = render::linearFrame(*m);
    const render::PictureLayout l = render::layoutLinear(*m, *s, frame, textMeasurer());
    const render::PictureText *header = nullptr;
    for (const render::PictureText &t : l.texts)
        if (t.text == m->header())
            header = &t;
    ASSERT_TRUE(header);
    EXPECT_DOUBLE_EQ(header->kerning, kHeaderFooterKerning);
    // Every letter, the first "T" and the last "G" among them, lies inside the picture.
    const QList<QRectF> ink = glyphInk(*header, l.size.height());
    ASSERT_EQ(ink.size(), m->header().size() - m->header().count(QLatin1Char(' ')));
    for (const QRectF &r : ink) {
        EXPECT_GE(r.left(), 0);
        EXPECT_LE(r.right(), frame.width());
    }
}

TEST(LayoutRaster, MadeStraightIntoItsImageAsThePainterPaintsIt)
{
    auto s = settings();
    auto m = model<NKDCode128Barcode>(QStringLiteral("TAGORA-0815"), 15, s);
    ASSERT_TRUE(m);
    for (const double dpi : {203.0, 300.0, 600.0}) {
        const auto view = NKDBarcodeOffscreenView::initWithBarcode(m.get(), s);
        const platform::Picture picture = view->picture();
        const QImage made = picture.toImage(dpi);
        ASSERT_FALSE(made.isNull());
        // Black on white with its caption: a palette of at most 16 entries (written with 4 bits).
        EXPECT_EQ(made.format(), QImage::Format_Indexed8) << dpi;
        EXPECT_LE(made.colorCount(), 16) << dpi;

        QImage painted(made.size(), QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        {
            QPainter p(&painted);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.scale(made.width() / picture.size().width(), made.height() / picture.size().height());
            render::paintPictureLayout(p, view->layout());
        }
        // The bars are the same pixels. The text is the same outlines filled: at 600 DPI the
        // painter fills them too, and the edges differ a little at most; at lower resolutions it
        // takes the font engine's own glyph images, which differ a little more.
        const int barRow = made.height() / 3;
        EXPECT_EQ(greyRuns(made, barRow), greyRuns(painted, barRow)) << dpi;
        if (dpi == 600) {
            EXPECT_LT(picturetest::differingShare(made, painted, 32), 0.002);
            EXPECT_LT(picturetest::differingShare(made, painted, 96), 0.0002);
        } else {
            EXPECT_LT(picturetest::differingShare(made, painted, 96), 0.005) << dpi;
        }
    }

    // Without a caption: two colours, one bit. With a transparent background: clear pixels.
    m->setPrintsCaption(false);
    EXPECT_EQ(NKDBarcodeOffscreenView::initWithBarcode(m.get(), s)->picture().toImage(300).format(), QImage::Format_Mono);
    s->transparent_bkgnd = true;
    m->setPrintsCaption(true);
    const QImage clear = NKDBarcodeOffscreenView::initWithBarcode(m.get(), s)->picture().toImage(300);
    EXPECT_EQ(clear.format(), QImage::Format_Indexed8);
    EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);
    // A coloured background and coloured text still fit a palette.
    s->transparent_bkgnd = false;
    s->bar_back_clr = QColor(255, 250, 200);
    s->bar_val_clr = QColor(0, 0, 160);
    const QImage coloured = NKDBarcodeOffscreenView::initWithBarcode(m.get(), s)->picture().toImage(300);
    EXPECT_EQ(coloured.format(), QImage::Format_Indexed8);
    EXPECT_EQ(coloured.pixelColor(0, 0), QColor(255, 250, 200));
}
