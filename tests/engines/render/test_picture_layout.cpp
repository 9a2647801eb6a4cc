// Placement of bars, captions, bands, symbol and logo, checked in the picture's y-up points with a
// measurer of exact figures.

#include "engines/BarcodeSettings.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDBarcode.h"
#include "engines/render/BarcodePictureLayout.h"
#include "engines/render/NKDBarcodeOffscreenView.h"

#include <gtest/gtest.h>

#include <QImage>

#include <map>

namespace {

// Width: 0.5 x size per character plus the kerning; height: 1.2 x size; cap height 0.7 x size.
class ExactMeasurer : public TextMeasurer {
public:
    double capHeight(const QFont &font) const override { return font.pointSizeF() * 0.7; }
    QSizeF textSize(const QString &text, const QFont &font, double kerning) const override
    {
        return {text.size() * (font.pointSizeF() * 0.5 + kerning), text.isEmpty() ? 0.0 : font.pointSizeF() * 1.2};
    }
};

// A model whose pattern, captions and bar extents the test sets directly.
class ScriptedModel : public NKDBarcode {
public:
    QString pattern;
    QString left, main, right;
    std::map<int, float> tops, bottoms;   // by module index; default below
    float defaultTop = 40;
    float defaultBottom = 0;
    bool fourState = false;
    mutable QList<int> askedTop, askedBottom;

    QString barcode() const override { return pattern; }
    QString leftCaption() const override { return left; }
    QString caption() const override { return main; }
    QString rightCaption() const override { return right; }
    bool isFourState() const override { return fourState; }
    float barTop(int index) const override
    {
        askedTop << index;
        const auto it = tops.find(index);
        return it == tops.end() ? defaultTop : it->second;
    }
    float barBottom(int index) const override
    {
        askedBottom << index;
        const auto it = bottoms.find(index);
        return it == bottoms.end() ? defaultBottom : it->second;
    }
};

BarcodeSettings style()
{
    BarcodeSettings s;
    s.TB_margin = 2;
    s.header_margin = 3;
    s.value_margin = 4;
    s.footer_margin = 5;
    s.value_font = QFont(QStringLiteral("DejaVu Sans"), 10);
    s.header_font = QFont(QStringLiteral("DejaVu Sans"), 20);
    s.footer_font = QFont(QStringLiteral("DejaVu Sans"), 8);
    return s;
}

// 0.5 points per module, 100 points tall, frame from the model.
render::PictureLayout lay(ScriptedModel &m, const BarcodeSettings &s = style())
{
    m.setBarWidth(0.5f);
    m.setHeight(100);
    if (m.width() == 0)
        m.setWidth(float(m.pattern.size()) * 0.5f);
    return render::layoutLinear(m, s, render::linearFrame(m), ExactMeasurer());
}

QImage logoImage()
{
    QImage logo(10, 10, QImage::Format_ARGB32);
    logo.fill(Qt::red);
    return logo;
}

} // namespace

TEST(LinearLayout, RunsOfBarModulesBecomeOneBarEach)
{
    ScriptedModel m;
    m.pattern = QStringLiteral("0110");
    m.setWidth(10);   // wider than the 2 points of bars: they are centred
    render::PictureLayout l = lay(m);
    const double x0 = (10 - 2) / 2.0;
    ASSERT_EQ(l.bars.size(), 1);
    EXPECT_DOUBLE_EQ(l.bars[0].x(), x0 + 0.5);
    EXPECT_DOUBLE_EQ(l.bars[0].width(), 1.0);
    EXPECT_EQ(m.askedTop, QList<int>{2});   // asked once, with the run's last module

    m.pattern = QStringLiteral("1");
    m.setWidth(0);
    l = lay(m);
    ASSERT_EQ(l.bars.size(), 1);
    EXPECT_DOUBLE_EQ(l.bars[0].width(), 0.5);

    m.pattern = QStringLiteral("000");
    l = lay(m);
    EXPECT_TRUE(l.bars.isEmpty());
    EXPECT_DOUBLE_EQ(l.lastBarHeight, 0);

    // A run ending the pattern is drawn at the end; "1101" is two bars: 2 modules, gap, 1 module.
    m.pattern = QStringLiteral("1101");
    m.setWidth(0);
    l = lay(m);
    ASSERT_EQ(l.bars.size(), 2);
    EXPECT_DOUBLE_EQ(l.bars[0].x(), 0);
    EXPECT_DOUBLE_EQ(l.bars[0].width(), 1.0);
    EXPECT_DOUBLE_EQ(l.bars[1].x(), 1.5);
    EXPECT_DOUBLE_EQ(l.bars[1].width(), 0.5);
}

TEST(LinearLayout, BarsStandOnTheBaseLineUnderTheCaption)
{
    ScriptedModel m;
    m.pattern = QStringLiteral("101");
    m.main = QStringLiteral("AB");
    m.setPrintsCaption(true);
    m.setCaptionHeight(0.25f);   // 18 points
    m.setPrintsFooter(true);
    m.setFooterHeight(0.125f);   // 9 points
    m.defaultBottom = 7;          // must not be asked without a split caption
    const render::PictureLayout l = lay(m);
    const double y0 = 18 + 9 + 4 + 5 + 2;   // C + F + value + footer margins + TB
    ASSERT_EQ(l.bars.size(), 2);
    EXPECT_DOUBLE_EQ(l.bars[0].y(), y0);
    EXPECT_DOUBLE_EQ(l.bars[0].height(), 40);
    EXPECT_TRUE(m.askedBottom.isEmpty());
    // The caption is the text exactly as the model gives it, centred over the full width.
    const render::PictureText &caption = l.texts.at(0);
    EXPECT_EQ(caption.text, QStringLiteral("AB"));
    EXPECT_DOUBLE_EQ(caption.rect.y(), 9 + 5 + 2);   // F + footer margin + TB
    EXPECT_DOUBLE_EQ(caption.rect.x(), 0);
    EXPECT_DOUBLE_EQ(caption.rect.width(), l.size.width());
    EXPECT_EQ(caption.alignment, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(caption.kerning, 2.0);   // the kerning check box is off
}

TEST(LinearLayout, CaptionOnTopFollowsTheLastBar)
{
    ScriptedModel m;
    m.pattern = QStringLiteral("0000");
    m.main = QStringLiteral("X");
    m.setPrintsCaption(true);
    m.setCaptionHeight(0.25f);
    BarcodeSettings s = style();
    s.showinTop = true;
    render::PictureLayout l = lay(m, s);
    ASSERT_EQ(l.texts.size(), 1);
    EXPECT_DOUBLE_EQ(l.texts[0].rect.y(), 0 + 5 + 4 + 2);   // no bar: F + footer + value margins + TB

    m.pattern = QStringLiteral("0110");
    m.defaultTop = 30;
    l = lay(m, s);
    EXPECT_DOUBLE_EQ(l.bars[0].y(), 5 + 2);                   // F + footer margin + TB
    EXPECT_DOUBLE_EQ(l.texts[0].rect.y(), 5 + 30 + 4 + 2);
}

TEST(LinearLayout, SplitCaptionPlacesSideDigitsAndLiftsRuns)
{
    ScriptedModel m;
    m.pattern = QStringLiteral("1010011");
    m.left = QStringLiteral("9");
    m.main = QStringLiteral("1234\t5678");
    m.right = QStringLiteral("3");
    m.bottoms = {{0, 3.6f}, {2, 12}, {6, 3.6f}};
    m.tops = {{0, 50}, {2, 50}, {6, 50}};
    m.setPrintsCaption(true);
    m.setCaptionHeight(0.125f);
    m.setWidth(20);
    const render::PictureLayout l = lay(m);
    const double bars = 7 * 0.5;
    const double x0 = (20 - bars) / 2;
    const double y0 = 9 + 4 + 5 + 2;
    ASSERT_EQ(l.bars.size(), 3);
    EXPECT_DOUBLE_EQ(l.bars[0].y(), y0 + 3.6f);
    EXPECT_DOUBLE_EQ(l.bars[0].height(), 50.0 - double(3.6f));
    EXPECT_DOUBLE_EQ(l.bars[1].y(), y0 + 12);
    EXPECT_DOUBLE_EQ(l.bars[2].width(), 1.0);
    EXPECT_EQ(m.askedBottom, (QList<int>{0, 2, 6}));

    ASSERT_EQ(l.texts.size(), 3);
    const double yc = 5 + 2;
    EXPECT_EQ(l.texts[0].text, QStringLiteral("9"));
    EXPECT_EQ(l.texts[0].rect.topLeft(), QPointF(x0, yc + 3.0));
    EXPECT_DOUBLE_EQ(l.texts[0].kerning, 0);
    EXPECT_EQ(l.texts[1].text, QStringLiteral("1234\t5678\t"));   // every group followed by a tab
    EXPECT_EQ(l.texts[2].text, QStringLiteral("3"));
    EXPECT_EQ(l.texts[2].rect.topLeft(), QPointF(x0 + bars, yc + 3.0));
    EXPECT_DOUBLE_EQ(l.texts[2].kerning, 0);

    // Two groups without a left caption also split (as EAN-8 does).
    ScriptedModel ean8;
    ean8.pattern = QStringLiteral("11");
    ean8.main = QStringLiteral("1234\t5670");
    ean8.defaultBottom = 6;
    ean8.setPrintsCaption(true);
    const render::PictureLayout l8 = lay(ean8);
    EXPECT_EQ(ean8.askedBottom, QList<int>{1});
    EXPECT_DOUBLE_EQ(l8.bars[0].height(), 40 - 6);
    EXPECT_EQ(l8.texts[0].text, QStringLiteral("1234\t5670\t"));
}

TEST(LinearLayout, BarsShorterThanTheirCaptionAreEmptyNotTurned)
{
    // Bars 4 points tall over a 10-point caption: the lifted runs are empty, the guards keep
    // their height, and nothing reaches below the base line.
    ScriptedModel m;
    m.pattern = QStringLiteral("1010011");
    m.left = QStringLiteral("9");
    m.main = QStringLiteral("1234\t5678");
    m.bottoms = {{0, 1}, {2, 10}, {6, 1}};
    m.defaultTop = 4;
    m.setPrintsCaption(true);
    m.setWidth(20);
    const render::PictureLayout l = lay(m);
    ASSERT_EQ(l.bars.size(), 3);
    EXPECT_DOUBLE_EQ(l.bars[0].height(), 3);
    EXPECT_DOUBLE_EQ(l.bars[1].height(), 0);
    for (const QRectF &bar : l.bars)
        EXPECT_GE(bar.height(), 0);
}

TEST(LinearLayout, FourStateBarsSpanFromTheirBottom)
{
    ScriptedModel m;
    m.fourState = true;
    m.pattern = QStringLiteral("10");
    m.tops = {{0, 14}};
    m.bottoms = {{0, 6}};
    const render::PictureLayout l = lay(m);
    const double y0 = 4 + 5 + 2;   // no caption or footer printed: margins only
    ASSERT_EQ(l.bars.size(), 1);
    EXPECT_DOUBLE_EQ(l.bars[0].y(), y0 + 6);
    EXPECT_DOUBLE_EQ(l.bars[0].height(), 8);
}

TEST(LinearLayout, HeaderWiderThanTheBarsWidensTheView)
{
    ScriptedModel m;
    m.pattern = QStringLiteral("11011");
    m.setHeader(QStringLiteral("A long header"));
    m.setPrintsHeader(true);
    m.setHeaderHeight(0.5f);
    m.setHeaderWidth(130);
    m.setFooter(QStringLiteral("f"));
    m.setPrintsFooter(true);
    m.setFooterHeight(0.1f);
    m.setFooterWidth(200);   // not less than the header: the widest wins
    m.setWidth(2.5f);
    BarcodeSettings s = style();
    s.align_hdr = QStringLiteral("Right");
    s.align_ftr = QString();   // not one of the three names
    const render::PictureLayout l = lay(m, s);
    EXPECT_DOUBLE_EQ(l.size.width(), 200);
    EXPECT_DOUBLE_EQ(l.bars[0].x(), (200 - 2.5) / 2);
    ASSERT_EQ(l.texts.size(), 2);
    const render::PictureText &header = l.texts[0];
    EXPECT_EQ(header.text, QStringLiteral("A long header"));
    EXPECT_DOUBLE_EQ(header.rect.y(), 100 - 36 - 2);   // view height - header height - TB
    EXPECT_DOUBLE_EQ(header.rect.width(), 200);
    EXPECT_DOUBLE_EQ(header.rect.height(), 24);        // the text's own height, not the band's
    EXPECT_EQ(header.alignment, Qt::AlignRight);
    EXPECT_DOUBLE_EQ(header.kerning, 2.0);
    EXPECT_DOUBLE_EQ(l.texts[1].rect.y(), 2);
    EXPECT_EQ(l.texts[1].alignment, Qt::AlignLeft);
    EXPECT_EQ(render::bandAlignment(QStringLiteral("Center")), Qt::AlignHCenter);
    EXPECT_EQ(render::bandAlignment(QStringLiteral("center")), Qt::AlignLeft);

    // Hidden bands do not widen the view.
    m.setPrintsHeader(false);
    m.setPrintsFooter(false);
    EXPECT_DOUBLE_EQ(render::linearFrame(m).width(), 2.5);
}

TEST(LinearLayout, KerningAndBackgroundFollowTheSettings)
{
    ScriptedModel m;
    m.pattern = QStringLiteral("1");
    m.main = QStringLiteral("1");
    m.setPrintsCaption(true);
    BarcodeSettings s = style();
    s.kerning_value = true;
    s.bar_back_clr = QColor(10, 20, 30);
    s.transparent_bkgnd = false;
    s.fill_transparent = true;   // the Designing mode's flag: ignored in mode 0
    render::PictureLayout l = lay(m, s);
    EXPECT_DOUBLE_EQ(l.texts[0].kerning, 0);
    EXPECT_EQ(l.background, QColor(10, 20, 30));
    s.transparent_bkgnd = true;
    EXPECT_EQ(lay(m, s).background.alpha(), 0);
    s.mode = 1;
    s.transparent_bkgnd = false;
    EXPECT_EQ(lay(m, s).background.alpha(), 0);
    s.fill_transparent = false;
    EXPECT_EQ(lay(m, s).background, QColor(10, 20, 30));
}

TEST(TwoDLayout, SymbolSitsUnderTheHeaderCentred)
{
    BarcodeSettings s = style();
    s.width = 100;
    s.height = 120;
    s.printsHeader = true;
    s.headerHeight = 0.25f;
    s.header = QStringLiteral("HDR");
    s.printsFooter = true;
    s.footer = QStringLiteral("FTR");
    const platform::Picture symbol = platform::Picture::fromImage(logoImage(), QSizeF(60, 60));
    const render::PictureLayout l = render::layout2D(symbol, s, render::twoDFrame(s, symbol.size()), 7, ExactMeasurer());
    EXPECT_EQ(l.size, QSizeF(100, 120));
    const double top = 120 - 2 - 18;
    EXPECT_EQ(l.symbolRect, QRectF(20, top - 60 - 3, 60, 60));
    ASSERT_EQ(l.texts.size(), 2);
    EXPECT_DOUBLE_EQ(l.texts[0].rect.y(), top);
    EXPECT_DOUBLE_EQ(l.texts[1].rect.y(), 2);
    EXPECT_TRUE(l.logoRect.isEmpty());

    // Without a header the symbol's top is TB + header margin below the top edge.
    s.printsHeader = false;
    const render::PictureLayout bare = render::layout2D(symbol, s, QSizeF(100, 120), 7, ExactMeasurer());
    EXPECT_DOUBLE_EQ(bare.symbolRect.y() + 60, 120 - 2 - 3);

    // The Designing mode's 0 width and height take the image's; other modes keep what is set.
    s.mode = 1;
    s.width = 0;
    s.height = 0;
    EXPECT_EQ(render::twoDFrame(s, QSizeF(60, 40)), QSizeF(60, 40));
    s.mode = 0;
    EXPECT_EQ(render::twoDFrame(s, QSizeF(60, 40)), QSizeF(0, 0));
}

TEST(TwoDLayout, LogoDividerAndGate)
{
    BarcodeSettings s = style();
    s.width = 80;
    s.height = 80;
    s.barcodeTypeTitle = QStringLiteral("QR Code");
    s.USE_QR_LOGO = true;
    s.USE_QR_LOGO_IMG = logoImage();
    auto settings = std::make_shared<BarcodeSettings>(s);

    const platform::Picture small = platform::Picture::fromImage(logoImage(), QSizeF(49, 49));
    const platform::Picture large = platform::Picture::fromImage(logoImage(), QSizeF(50, 50));
    auto smallView = NKDBarcodeOffscreenView::initWithBarcodeImage(small, settings);
    auto largeView = NKDBarcodeOffscreenView::initWithBarcodeImage(large, settings);
    EXPECT_EQ(smallView->qr_logo_divider(), 8);
    EXPECT_EQ(largeView->qr_logo_divider(), 7);
    // Each picture keeps its own divider, whichever was made last.
    EXPECT_DOUBLE_EQ(smallView->layout().logoRect.width(), 49.0 / 8);
    EXPECT_DOUBLE_EQ(largeView->layout().logoRect.width(), 50.0 / 7);
    const QRectF sym = largeView->layout().symbolRect;
    EXPECT_EQ(largeView->layout().logoRect.center(), sym.center());

    // PDF417 and DataMatrix carry no logo; nor does a logo option without an image.
    s.barcodeTypeTitle = QStringLiteral("PDF417");
    auto pdf417 = NKDBarcodeOffscreenView::initWithBarcodeImage(small, std::make_shared<BarcodeSettings>(s));
    EXPECT_TRUE(pdf417->layout().logoRect.isEmpty());
    EXPECT_EQ(pdf417->qr_logo_divider(), 7);
    s.barcodeTypeTitle = QStringLiteral("QR Code");
    s.USE_QR_LOGO_IMG = QImage();
    auto noImage = NKDBarcodeOffscreenView::initWithBarcodeImage(small, std::make_shared<BarcodeSettings>(s));
    EXPECT_TRUE(noImage->layout().logoRect.isEmpty());
    EXPECT_EQ(noImage->qr_logo_divider(), 7);

    // The Advanced QR mode sets the divider for every symbol and skips the symbology test.
    s.mode = 2;
    s.barcodeTypeTitle = QString();
    auto adv = NKDBarcodeOffscreenView::initWithBarcodeImage(small, std::make_shared<BarcodeSettings>(s));
    EXPECT_EQ(adv->qr_logo_divider(), 8);
    EXPECT_TRUE(adv->layout().logoRect.isEmpty());   // no image, no logo
    s.USE_QR_LOGO_IMG = logoImage();
    auto advLogo = NKDBarcodeOffscreenView::initWithBarcodeImage(small, std::make_shared<BarcodeSettings>(s));
    EXPECT_DOUBLE_EQ(advLogo->layout().logoRect.width(), 49.0 / 8);
}

TEST(OffscreenView, PaginationAndModel)
{
    ScriptedModel m;
    m.pattern = QStringLiteral("101");
    m.setBarWidth(1);
    m.setWidth(30);
    m.setHeight(20);
    auto view = NKDBarcodeOffscreenView::initWithBarcode(&m, std::make_shared<BarcodeSettings>(style()));
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->fromImageOrBarcode());
    EXPECT_EQ(view->barcode(), &m);
    int location = 0, length = 0;
    EXPECT_TRUE(view->knowsPageRange(location, length));
    EXPECT_EQ(location, 1);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(view->rectForPage(1), QRectF(0, 0, 30, 20));
    EXPECT_EQ(view->rectForPage(7), QRectF(0, 0, 30, 20));
    EXPECT_FALSE(NKDBarcodeOffscreenView::initWithBarcode(nullptr));

    auto twoD = NKDBarcodeOffscreenView::initWithBarcodeImage(platform::Picture::fromImage(logoImage(), QSizeF(10, 10)),
                                                              std::make_shared<BarcodeSettings>(style()));
    EXPECT_TRUE(twoD->fromImageOrBarcode());
    EXPECT_EQ(twoD->rectForPage(1), QRectF());
}
