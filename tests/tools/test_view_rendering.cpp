// What the painting routine puts where, seen in rendered pixels: bands at the top and bottom,
// colours, transparency, the framed 2D symbol with its logo, and PDF of part of a view.

#include "engines/Symbologies.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDBarcode.h"
#include "engines/render/NKDBarcodeImage.h"
#include "engines/render/NKDBarcodeOffscreenView.h"
#include "platform/PictureView.h"
#include "platform/test_picture_tools.h"
#include "support/Decode.h"
#include "tools/SymbolRender.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cmath>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

namespace {

// Rows (at 4 pixels per point) that hold dark ink, as a y-down interval list of the ink's extent.
int firstInkRow(const QImage &img, int from, int to, bool dark = true)
{
    const QImage g = picturetest::onWhite(img).convertToFormat(QImage::Format_Grayscale8);
    for (int y = from; y < to; ++y)
        for (int x = 0; x < g.width(); ++x)
            if ((g.constScanLine(y)[x] < 128) == dark)
                return y;
    return -1;
}

std::unique_ptr<NKDBarcode> ean13(const std::shared_ptr<BarcodeSettings> &s, bool bands)
{
    symboltool::Status status;
    auto model = symboltool::makeLinearModel(QStringLiteral("EAN-13"), QStringLiteral("590123412345"), s, status);
    if (!model)
        return nullptr;
    if (bands) {
        model->setHeader(QStringLiteral("HEADER"));
        model->setFooter(QStringLiteral("FOOTER"));
        model->setPrintsHeader(true);
        model->setPrintsFooter(true);
        model->setHeaderFontSize(float(s->header_font.pointSizeF()));
        model->setFooterFontSize(float(s->footer_font.pointSizeF()));
        model->setHeight(model->height() + float(model->headerHeight() * 72 + model->footerHeight() * 72));
    }
    return model;
}

} // namespace

TEST(ViewRendering, BandsColoursAndBackground)
{
    auto s = symboltool::defaultSettings();
    s->header_margin = 2;
    s->footer_margin = 2;
    s->barcode_clr = QColor(200, 0, 0);
    s->bar_hdr_clr = QColor(0, 0, 200);
    s->bar_back_clr = QColor(255, 255, 200);
    const auto model = ean13(s, true);
    ASSERT_TRUE(model);
    const platform::Picture pic = imageFromBarcode(model.get(), s);
    ASSERT_FALSE(pic.isNull());
    const QImage img = pic.toImage(288);   // 4 pixels a point
    const int H = img.height();

    // The background colour fills the corners.
    EXPECT_EQ(img.pixelColor(1, 1), QColor(255, 255, 200));
    // The header's ink is in the top band, blue; the footer's in the bottom band.
    const double top = s->TB_margin + model->headerHeight() * 72;
    const int headerInk = firstInkRow(img, 0, int(top * 4) + 8);
    ASSERT_GE(headerInk, 0);
    EXPECT_GE(headerInk, int(s->TB_margin * 4) - 1);
    QColor headerColour(Qt::white);
    for (int x = 0; x < img.width(); ++x)
        if (qGray(img.pixel(x, headerInk + 3)) < qGray(headerColour.rgb()))
            headerColour = img.pixelColor(x, headerInk + 3);
    EXPECT_GT(headerColour.blue(), 100);
    EXPECT_LT(headerColour.red(), 80);
    const int footerTop = H - int((s->TB_margin + model->footerHeight() * 72) * 4);
    EXPECT_GE(firstInkRow(img, footerTop - 4, H), footerTop - 8);
    // The bars are red and sit between the bands.
    const int mid = H / 2;
    QColor bar;
    for (int x = 0; x < img.width() && !bar.isValid(); ++x)
        if (img.pixelColor(x, mid).red() > 150 && img.pixelColor(x, mid).green() < 60)
            bar = img.pixelColor(x, mid);
    EXPECT_TRUE(bar.isValid());
    const auto d = testsupport::decode(img, QStringLiteral("EAN13"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("5901234123457"));

    // A transparent background leaves the corners clear.
    s->transparent_bkgnd = true;
    const QImage clear = imageFromBarcode(model.get(), s).toImage(72);
    EXPECT_EQ(qAlpha(clear.pixel(1, 1)), 0);
}

TEST(ViewRendering, TextKeepsItsPointSizeOnAnyDevice)
{
    auto s = symboltool::defaultSettings();
    s->header_font = QFont(QStringLiteral("DejaVu Sans"), 14);
    const auto model = ean13(s, true);
    ASSERT_TRUE(model);
    const platform::Picture pic = imageFromBarcode(model.get(), s);
    const QImage at72 = pic.toImage(288);
    // A screen-like device of 96 DPI, magnified to the same pixel size.
    QImage screen(at72.size(), QImage::Format_ARGB32_Premultiplied);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    screen.fill(Qt::transparent);
    {
        QPainter p(&screen);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(at72.width() / pic.size().width(), at72.height() / pic.size().height());
        pic.draw(p, QRectF(QPointF(0, 0), pic.size()));
    }
    EXPECT_LT(picturetest::differingShare(screen, at72), 0.002);

    // The header carries its 2 points of kerning: six letters, six gaps wider than plain text.
    const int bandBottom = int((s->TB_margin + model->headerHeight() * 72 * 0.8) * 4);   // above the bars
    const QImage band = picturetest::onWhite(at72.copy(0, 0, at72.width(), bandBottom)).convertToFormat(QImage::Format_Grayscale8);
    int left = band.width(), right = -1;
    for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < band.width(); ++x)
            if (band.constScanLine(y)[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QFont plain = s->header_font;
    plain.setHintingPreference(QFont::PreferNoHinting);
    const double plainWidth = textMeasurer().textSize(QStringLiteral("HEADER"), plain, 0).width();
    // Ink runs from the first glyph to the last one, without the trailing gap.
    EXPECT_NEAR((right - left + 1) / 4.0, plainWidth + 5 * 2.0, 2.5);
}

TEST(ViewRendering, CaptionOnTopGoesAboveTheBars)
{
    auto s = symboltool::defaultSettings();
    s->showinTop = true;
    const auto model = ean13(s, false);
    ASSERT_TRUE(model);
    const QImage img = imageFromBarcode(model.get(), s).toImage(288);
    // Bars reach down to the bottom margin; the digits are above them.
    const QImage g = picturetest::onWhite(img).convertToFormat(QImage::Format_Grayscale8);
    int lowestInk = -1;
    for (int y = g.height() - 1; y >= 0 && lowestInk < 0; --y)
        for (int x = 0; x < g.width(); ++x)
            if (g.constScanLine(y)[x] < 128) {
                lowestInk = y;
                break;
            }
    EXPECT_NEAR(lowestInk, g.height() - s->TB_margin * 4 - 1 - 3.6 * 4, 6);
    const int firstInk = firstInkRow(img, 0, img.height());
    EXPECT_GT(firstInk, int(s->TB_margin * 4));
    EXPECT_LT(firstInk, 10 * 4);   // the digits start near the top
}

TEST(ViewRendering, FramedQrSymbolWithLogoDecodes)
{
    const ZXing::BitMatrix m = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode).setMargin(0).setEccLevel(8)
                                   .encode(std::string("https://tagora.example/qr-logo"), 0, 0);
    QImage modules(m.width(), m.height(), QImage::Format_ARGB32);
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            modules.setPixel(x, y, m.get(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const double side = m.width() * 3.0;
    const platform::Picture symbol = platform::Picture::fromImage(modules, QSizeF(side, side));

    auto s = std::make_shared<BarcodeSettings>();
    s->mode = 0;
    s->barcodeTypeTitle = QStringLiteral("QR Code");
    s->USE_QR_LOGO = true;
    QImage logo(8, 8, QImage::Format_ARGB32);
    logo.fill(QColor(220, 0, 0));
    s->USE_QR_LOGO_IMG = logo;
    s->TB_margin = 6;
    s->header_margin = 4;
    s->printsHeader = true;
    s->headerHeight = 0.2f;
    s->header = QStringLiteral("SCAN ME");
    s->header_font = QFont(QStringLiteral("DejaVu Sans"), 10);
    s->printsFooter = true;
    s->footer = QStringLiteral("footer");
    s->footer_font = QFont(QStringLiteral("DejaVu Sans"), 8);
    s->width = float(side + 40);
    s->height = float(side + 6 + 14.4 + 4 + 30);
    const platform::Picture pic = imageFromBarcodeImage(symbol, s);
    ASSERT_EQ(pic.size(), QSizeF(s->width, s->height));
    const QImage img = pic.toImage(144);
    const auto d = testsupport::decode(img, QStringLiteral("QRCode"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("https://tagora.example/qr-logo"));
    // The logo covers the symbol's centre.
    const double symbolTop = 6 + 14.4 + 4;
    const QColor centre = img.pixelColor(int(s->width), int((symbolTop + side / 2) * 2));
    EXPECT_GT(centre.red(), 180);
    EXPECT_LT(centre.green(), 60);
    // Header ink above the symbol.
    EXPECT_GE(firstInkRow(img, 0, int(symbolTop * 2)), 0);
    // PDF and EPS hold the same picture.
    if (picturetest::haveTool(QStringLiteral("pdftoppm")) && picturetest::haveTool(QStringLiteral("gs"))) {
        for (const QImage &out : {picturetest::rasterisePdf(pic.pdfData(), 144), picturetest::rasteriseEps(pic.epsData(), 144)}) {
            ASSERT_EQ(out.size(), img.size());
            EXPECT_EQ(testsupport::decode(out, QStringLiteral("QRCode")).text, QStringLiteral("https://tagora.example/qr-logo"));
            EXPECT_GT(out.pixelColor(int(s->width), int((symbolTop + side / 2) * 2)).red(), 180);
        }
    }

    EXPECT_TRUE(imageFromBarcodeImage(platform::Picture(), s).isNull());
}

TEST(ViewRendering, PdfOfPartOfTheView)
{
    if (!picturetest::haveTool(QStringLiteral("pdfinfo")))
        GTEST_SKIP() << "poppler-utils are not installed";
    auto s = symboltool::defaultSettings();
    const auto model = ean13(s, false);
    ASSERT_TRUE(model);
    const auto view = NKDBarcodeOffscreenView::initWithBarcode(model.get(), s);
    const QSizeF whole = picturetest::pdfPageSize(view->dataWithPDFInsideRect(view->bounds()));
    EXPECT_NEAR(whole.width(), view->bounds().width(), 0.001);
    EXPECT_NEAR(whole.height(), view->bounds().height(), 0.001);
    // The lower half (y up): the caption's half of the picture.
    const QRectF lower(0, 0, view->bounds().width(), view->bounds().height() / 2);
    const QByteArray part = view->dataWithPDFInsideRect(lower);
    const QSizeF page = picturetest::pdfPageSize(part);
    EXPECT_NEAR(page.height(), lower.height(), 0.001);
    if (picturetest::haveTool(QStringLiteral("pdftoppm"))) {
        const QImage half = picturetest::rasterisePdf(part, 144);
        const QImage full = picturetest::rasterisePdf(view->dataWithPDFInsideRect(view->bounds()), 144);
        // The part shows the bottom of the whole picture.
        EXPECT_LT(picturetest::differingShare(half, full.copy(0, full.height() - half.height(), half.width(), half.height())), 0.03);
    }
    EXPECT_TRUE(view->dataWithPDFInsideRect(QRectF()).isEmpty());
}

TEST(ViewRendering, OnScreenBarsAreWholeDevicePixelsAtAnyPixelRatio)
{
    // A symbol shown in the preview on screens of one, one and a half and two device pixels a
    // point, and through a painter that zooms it: every bar and space a whole number of modules of
    // whole pixels, nothing blended on the bars' edges.
    symboltool::Status status;
    const platform::Picture picture = symboltool::renderSymbol(QStringLiteral("Code 128"), QStringLiteral("Tagora 42"), status);
    ASSERT_EQ(status, symboltool::Status::Written);
    const auto model = symboltool::makeLinearModel(QStringLiteral("Code 128"), QStringLiteral("Tagora 42"),
                                                   symboltool::defaultSettings(), status);
    ASSERT_TRUE(model);
    const int modules = int(model->completeBarcode().size());
    platform::PictureView view;
    view.resize(picture.size().toSize() + QSize(41, 20));
    view.setPicture(picture);
    for (const double ratio : {1.0, 1.5, 2.0, 3.0}) {
        QImage screen((QSizeF(view.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        screen.setDevicePixelRatio(ratio);
        screen.fill(Qt::white);
        view.render(&screen);
        // The row a third of the way down the bars.
        const int y = int(screen.height() * 0.35);
        int first = -1, last = -1;
        for (int x = 0; x < screen.width(); ++x)
            if (qGray(screen.pixel(x, y)) < 128) {
                last = x;
                if (first < 0)
                    first = x;
            }
        ASSERT_GE(first, 0) << ratio;
        QList<int> dark;
        int run = 0;
        for (int x = first; x <= last + 1; ++x) {
            const int g = qGray(screen.pixel(x, y));
            ASSERT_TRUE(g == 0 || g == 255) << ratio << " grey " << g << " at " << x;
            if (g == 0) {
                ++run;
            } else if (run) {
                dark << run;
                run = 0;
            }
        }
        ASSERT_FALSE(dark.isEmpty()) << ratio;
        const int module = *std::min_element(dark.cbegin(), dark.cend());
        // 15 mils rounded to whole device pixels, or the most that fit the picture.
        int expected = std::max(1, int(std::floor(1.08 * ratio + 0.5)));
        if (expected * modules > picture.size().width() * ratio)
            expected = std::max(1, int(picture.size().width() * ratio / modules));
        EXPECT_EQ(module, expected) << ratio;
        for (const int width : dark)
            EXPECT_EQ(width % module, 0) << ratio;
    }
}
