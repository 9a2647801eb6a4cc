// Text objects: the creation frame, trimming, the box fill and border, case, alignment, font,
// colour and letter spacing, vertical placement, the blurred shadow, and the natural size measured
// as the text is drawn.

#include "CardObjectSupport.h"

#include "model/CardTextLayout.h"
#include "model/SKTText.h"
#include "model/TextShadow.h"

#include <QPainter>

#include <algorithm>

using cardtest::drawn;
using cardtest::painted;

namespace {

QFont dejaVu(double points)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    return f;
}

std::shared_ptr<SKTText> text(const QString &value, const QRectF &frame, double points = 24)
{
    auto t = std::make_shared<SKTText>();
    t->Set_text_value(value);
    t->text_ctrl_font = dejaVu(points);
    t->txt_clr = Qt::black;
    t->setBounds(frame);
    return t;
}

// The box of the pixels that differ from the background, empty when none.
QRect inkBox(const QImage &image, QRgb background = 0)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

int inkCount(const QImage &image, QRgb background = 0)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != background;
    return n;
}

bool hasColour(const QImage &image, const QColor &colour, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

QImage drawnWhileCreated(const SKTGraphic &g, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    g.drawContentsInView(p, true);
    return image;
}

} // namespace

TEST(TextCodes, CaseTransformsAndTrimming)
{
    const QString typed = QStringLiteral("hello wORLD\nnew\tline");
    EXPECT_EQ(cardtext::transformCase(typed, 0), typed);
    EXPECT_EQ(cardtext::transformCase(typed, 1), QStringLiteral("HELLO WORLD\nNEW\tLINE"));
    EXPECT_EQ(cardtext::transformCase(typed, 2), QStringLiteral("hello world\nnew\tline"));
    EXPECT_EQ(cardtext::transformCase(typed, 3), QStringLiteral("Hello World\nNew\tLine"));
    EXPECT_EQ(cardtext::transformCase(typed, 4), typed);    // outside the codes: as typed
    EXPECT_EQ(cardtext::transformCase(typed, -1), typed);
    // Blanks and control characters go from both ends, however they alternate.
    EXPECT_EQ(cardtext::trimmedForDrawing(QStringLiteral(" \x01 \t\x02\n ab c\x7f \x03 ")), QStringLiteral("ab c"));
    EXPECT_EQ(cardtext::trimmedForDrawing(QStringLiteral(" \x01 \x02 ")), QString());

    SKTText t;
    t.Set_text_value(QStringLiteral("  \x01 mixed Case \n"));
    t.text_transfrom_case = 1;
    EXPECT_EQ(t.drawnText(), QStringLiteral("MIXED CASE"));
}

TEST(TextDrawing, ATextOfBlanksDrawsTheFillBoxOnly)
{
    const auto t = text(QStringLiteral(" \x01 \n\t \x02  \r\n"), QRectF(20, 20, 100, 40));
    t->_isDrawingFill = true;
    t->_fillColor = Qt::red;
    t->alpha_val = 1;
    t->_isDrawingStroke = true;
    t->_strokeWidth = 4;
    const QImage out = drawn(*t, QSize(140, 80));
    EXPECT_EQ(out.pixelColor(70, 40), QColor(Qt::red));
    EXPECT_FALSE(painted(out, 18, 40));    // no border outside the box
    EXPECT_FALSE(hasColour(out, Qt::black, out.rect()));
    EXPECT_EQ(inkBox(out), QRect(20, 20, 100, 40));
    // With text the border comes.
    t->Set_text_value(QStringLiteral("Hi"));
    EXPECT_EQ(drawn(*t, QSize(140, 80)).pixelColor(18, 40), QColor(Qt::black));
}

TEST(TextDrawing, AHiddenTextDrawsNothingEvenWhileBeingCreated)
{
    const auto t = text(QStringLiteral("Visible?"), QRectF(20, 20, 100, 40));
    t->_isDrawingFill = true;
    t->_isDrawingStroke = true;
    // Being created: only the one-point frame around the box grown by a point, in grey.
    QImage out = drawnWhileCreated(*t, QSize(140, 80));
    EXPECT_EQ(inkBox(out), QRect(QPoint(19, 19), QPoint(121, 61)));
    EXPECT_FALSE(painted(out, 70, 40));
    const QColor frame = out.pixelColor(70, 19);
    EXPECT_EQ(frame.red(), frame.green());
    EXPECT_EQ(frame.green(), frame.blue());
    EXPECT_GT(frame.red(), 60);
    EXPECT_LT(frame.red(), 200);

    t->Set_Ctrl_Is_Visible(false);
    EXPECT_EQ(inkCount(drawnWhileCreated(*t, QSize(140, 80))), 0);
    EXPECT_EQ(inkCount(drawn(*t, QSize(140, 80))), 0);
}

TEST(TextDrawing, BoxFillCodes)
{
    const auto t = text(QStringLiteral("x"), QRectF(0, 0, 100, 40), 8);
    t->_isDrawingFill = true;
    t->_fillColor = Qt::green;
    t->alpha_val = 100;   // stored opacities of 1 or more are opaque
    t->_fill_type = QStringLiteral("H");   // texts have no hatch: solid
    t->_fill_hatch_type = QStringLiteral("anything");
    t->_fill_htch_clr = Qt::red;
    EXPECT_EQ(drawn(*t, QSize(100, 40)).pixelColor(90, 35), QColor(Qt::green));
    t->alpha_val = 0.5f;
    EXPECT_NEAR(drawn(*t, QSize(100, 40)).pixelColor(90, 35).alphaF(), 0.5, 0.01);
    t->_fill_type = QStringLiteral("G");
    t->_fill_Grad_clr1 = Qt::red;
    t->_fill_Grad_clr2 = Qt::blue;
    t->_fill_grad_angle = 0;
    const QImage out = drawn(*t, QSize(100, 40));
    EXPECT_GT(out.pixelColor(2, 35).red(), 240);    // opacity not applied to gradients
    EXPECT_GT(out.pixelColor(97, 35).blue(), 240);
    EXPECT_EQ(out.pixelColor(97, 35).alpha(), 255);
}

TEST(TextDrawing, TheBorderTakesItsDashCode)
{
    const auto t = text(QStringLiteral("x"), QRectF(10, 10, 200, 40), 8);
    t->_isDrawingStroke = true;
    t->_strokeColor = Qt::blue;
    t->_strokeWidth = 2;
    auto gaps = [&] {
        const QImage out = drawn(*t, QSize(220, 60));
        int n = 0;
        for (int x = 12; x < 208; ++x)
            n += !painted(out, x, 10);
        return n;
    };
    EXPECT_EQ(gaps(), 0);
    t->_stroke_border_type = QStringLiteral("DA");   // 8 on, 2 off
    EXPECT_GT(gaps(), 30);
    t->_stroke_border_type = QStringLiteral("??");   // unknown: solid
    EXPECT_EQ(gaps(), 0);
}

TEST(TextDrawing, BottomAlignmentOfATallTextStartsAboveTheBox)
{
    const auto t = text(QStringLiteral("A\nB\nC\nD"), QRectF(20, 100, 100, 30), 20);
    t->text_alignmnet_Vert = 1;
    QImage out = drawn(*t, QSize(140, 160));
    const QRect ink = inkBox(out);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.top(), 100);
    EXPECT_LE(ink.bottom(), 100);   // drawn in a rectangle of the box's height from there
    t->text_alignmnet_Vert = 2;
    EXPECT_LT(inkBox(drawn(*t, QSize(140, 160))).top(), 100);
    t->text_alignmnet_Vert = 0;   // top: inside the box
    const QRect top = inkBox(drawn(*t, QSize(140, 160)));
    EXPECT_GE(top.top(), 100);
    EXPECT_LE(top.bottom(), 130);
}

TEST(TextDrawing, VerticalCodesOutsideTheRangeDrawAtTheTop)
{
    const auto t = text(QStringLiteral("Top"), QRectF(10, 10, 120, 120), 18);
    t->text_alignmnet_Vert = 0;
    const QImage top = drawn(*t, QSize(140, 140));
    EXPECT_LT(inkBox(top).top(), 20);
    for (int code : {5, -1, 3}) {
        t->text_alignmnet_Vert = code;
        EXPECT_EQ(drawn(*t, QSize(140, 140)), top) << code;
    }
    t->text_alignmnet_Vert = 2;
    const QRect middle = inkBox(drawn(*t, QSize(140, 140)));
    EXPECT_GT(middle.top(), 50);
    EXPECT_LT(middle.bottom(), 90);
    t->text_alignmnet_Vert = 1;
    EXPECT_GT(inkBox(drawn(*t, QSize(140, 140))).bottom(), 120);
}

TEST(TextDrawing, AlignmentCodes)
{
    const auto t = text(QStringLiteral("abc"), QRectF(10, 10, 300, 40), 20);
    auto ink = [&](int code) {
        t->text_alignmnet = code;
        return inkBox(drawn(*t, QSize(320, 60)));
    };
    const QRect left = ink(0), right = ink(1), centre = ink(2), natural = ink(4);
    EXPECT_LT(left.left(), 14);
    EXPECT_GT(right.right(), 302);
    EXPECT_NEAR(centre.center().x(), 160, 3);
    EXPECT_EQ(natural, left);     // left to right: leading is left
    EXPECT_EQ(ink(9), natural);   // outside the codes: natural
    EXPECT_EQ(ink(3), left);      // a single line is not stretched

    // Justified: a wrapped line is stretched to the width, the last line is not.
    t->Set_text_value(QStringLiteral("aa bb cc dd ee gg hh ii jj kk"));
    t->setBounds(QRectF(10, 10, 200, 80));
    t->text_alignmnet_Vert = 0;
    const QImage justified = [&] { t->text_alignmnet = 3; return drawn(*t, QSize(220, 100)); }();
    const QImage leftAligned = [&] { t->text_alignmnet = 0; return drawn(*t, QSize(220, 100)); }();
    const QRect firstLine(0, 10, 220, 24);
    EXPECT_GT(inkBox(justified.copy(firstLine)).right(), inkBox(leftAligned.copy(firstLine)).right() + 5);
    EXPECT_GT(inkBox(justified.copy(firstLine)).right(), 200);
}

TEST(TextDrawing, FontColourAndLetterSpacing)
{
    const auto t = text(QStringLiteral("IIIII"), QRectF(0, 0, 400, 60), 30);
    t->text_alignmnet = 0;
    t->txt_clr = Qt::red;
    const QImage plain = drawn(*t, QSize(400, 60));
    EXPECT_TRUE(hasColour(plain, Qt::red, plain.rect()));
    const int width = inkBox(plain).width();
    t->text_kerning = 10;   // points after each character
    const int spaced = inkBox(drawn(*t, QSize(400, 60))).width();
    EXPECT_NEAR(spaced - width, 40, 2);
    t->text_kerning = 0;
    t->text_ctrl_font = dejaVu(15);
    EXPECT_NEAR(inkBox(drawn(*t, QSize(400, 60))).height(), inkBox(plain).height() / 2.0, 2);
    // Fonts below a few points still draw.
    t->text_ctrl_font = dejaVu(3);
    EXPECT_GT(inkCount(drawn(*t, QSize(400, 60), Qt::transparent, 4)), 0);
}

TEST(TextDrawing, TheDefaultShadowOnceSwitchedOnIsOpaqueBlue)
{
    const auto t = text(QString(QChar(0x2588)), QRectF(10, 10, 80, 80), 40);   // a full block
    t->text_alignmnet = 0;
    t->text_alignmnet_Vert = 0;
    const QImage none = drawn(*t, QSize(120, 120), Qt::white);
    EXPECT_FALSE(hasColour(none, Qt::blue, none.rect()));
    t->Drawing_Shadow = true;
    const QImage shadowed = drawn(*t, QSize(120, 120), Qt::white);
    const QRect glyph = inkBox(none, qRgb(255, 255, 255));
    // Five points right and down of the text, the text over it.
    EXPECT_EQ(shadowed.pixelColor(glyph.right() + 3, glyph.center().y()), QColor(Qt::blue));
    EXPECT_EQ(shadowed.pixelColor(glyph.center().x(), glyph.bottom() + 3), QColor(Qt::blue));
    EXPECT_EQ(shadowed.pixelColor(glyph.center()), QColor(Qt::black));
    EXPECT_EQ(shadowed.pixelColor(glyph.left() - 2, glyph.center().y()), QColor(Qt::white));
    // Half transparent, then blurred: paler and spread wider.
    t->Shadow_transparency = 0.5f;
    const QColor half = drawn(*t, QSize(120, 120), Qt::white).pixelColor(glyph.right() + 3, glyph.center().y());
    EXPECT_NEAR(half.red(), 128, 3);
    EXPECT_EQ(half.blue(), 255);
    t->Shadow_transparency = 1;
    t->Shadow_blur = 6;
    const QImage blurred = drawn(*t, QSize(120, 120), Qt::white);
    EXPECT_GT(inkBox(blurred, qRgb(255, 255, 255)).right(), inkBox(shadowed, qRgb(255, 255, 255)).right() + 3);
}

TEST(TextDrawing, ABlurBeyondTheTextIsClampedAndNumbersOutOfRangeDoNoHarm)
{
    const auto t = text(QStringLiteral("Blur"), QRectF(10, 10, 100, 40), 20);
    t->Drawing_Shadow = true;
    for (float blur : {1e9f, -5.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        t->Shadow_blur = blur;
        const QImage out = drawn(*t, QSize(140, 80), Qt::white);
        EXPECT_TRUE(hasColour(out, Qt::black, out.rect())) << blur;
    }
    t->Shadow_offset_X = std::numeric_limits<float>::infinity();
    t->Shadow_transparency = std::numeric_limits<float>::quiet_NaN();
    EXPECT_GT(inkCount(drawn(*t, QSize(140, 80), Qt::white), qRgb(255, 255, 255)), 0);

    // The blur itself: a dot spreads, keeps its total, and a radius beyond the picture is clamped.
    QImage dot(21, 21, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    dot.setPixel(10, 10, qRgba(0, 0, 255, 255));
    QImage blurred = dot;
    cardtext::blurImage(blurred, 4);
    EXPECT_GT(qAlpha(blurred.pixel(12, 10)), 0);
    EXPECT_LT(qAlpha(blurred.pixel(10, 10)), 255);
    EXPECT_EQ(qAlpha(blurred.pixel(0, 0)), 0);
    QImage huge = dot, clamped = dot;
    cardtext::blurImage(huge, 1e12);
    cardtext::blurImage(clamped, 21);
    EXPECT_EQ(huge, clamped);
}

TEST(TextDrawing, AVeryLongTextDrawsClippedToItsBox)
{
    QString words;
    for (int i = 0; i < 20000; ++i)
        words += QStringLiteral("word%1 ").arg(i);
    const auto t = text(words, QRectF(20, 20, 200, 100), 12);
    t->text_alignmnet = 3;
    t->text_alignmnet_Vert = 0;
    QImage out = drawn(*t, QSize(240, 260));
    QRect ink = inkBox(out);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(20, 20, 200, 100).contains(ink));
    EXPECT_GT(ink.height(), 80);
    // Placed by its one unwrapped line, a middle-aligned text starts lower and is cut at the
    // rectangle of the box's height from there.
    t->text_alignmnet_Vert = 2;
    out = drawn(*t, QSize(240, 260));
    ink = inkBox(out);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.top(), 50);
    EXPECT_LT(ink.bottom(), 170);
}

TEST(TextNaturalSize, ALockedTextKeepsItsSize)
{
    const auto t = text(QStringLiteral("Locked"), QRectF(5, 5, 300, 200), 12);
    t->ctrl_is_locked = true;
    t->makeNaturalSize();
    EXPECT_EQ(t->bounds(), QRectF(5, 5, 300, 200));
}

TEST(TextNaturalSize, NeverWiderAndFitsTheTextAsDrawn)
{
    // A 36-point text: measured in the storage's 12-point font it would be clipped.
    const auto t = text(QStringLiteral("Hello"), QRectF(10, 10, 400, 20), 36);
    t->text_alignmnet = 0;
    t->text_alignmnet_Vert = 0;
    const QImage whole = [&] {
        const auto big = text(QStringLiteral("Hello"), QRectF(10, 10, 400, 200), 36);
        big->text_alignmnet = 0;
        big->text_alignmnet_Vert = 0;
        return drawn(*big, QSize(420, 220));
    }();
    t->makeNaturalSize();
    const QRectF natural = t->bounds();
    EXPECT_EQ(natural.topLeft(), QPointF(10, 10));
    EXPECT_LT(natural.width(), 400);
    EXPECT_GT(natural.height(), 36);
    const QImage fitted = drawn(*t, QSize(420, 220));
    EXPECT_EQ(inkCount(fitted), inkCount(whole));   // nothing clipped
    EXPECT_TRUE(natural.toAlignedRect().adjusted(-1, -1, 1, 1).contains(inkBox(fitted)));
    // Measuring again changes nothing.
    t->makeNaturalSize();
    EXPECT_EQ(t->bounds(), natural);

    // Case and letter spacing count as drawn.
    const auto lower = text(QStringLiteral("wide"), QRectF(0, 0, 500, 50), 20);
    const double plainWidth = lower->naturalSize().width();
    lower->text_transfrom_case = 1;
    EXPECT_GT(lower->naturalSize().width(), plainWidth);
    lower->text_transfrom_case = 0;
    lower->text_kerning = 10;
    EXPECT_NEAR(lower->naturalSize().width(), plainWidth + 40, 1);

    // A text wider than its box wraps at the box's width: narrower or as wide, taller.
    const auto sentence = text(QStringLiteral("The quick brown fox jumps over the lazy dog"), QRectF(0, 0, 150, 10), 36);
    sentence->text_alignmnet_Vert = 0;
    const QSizeF wrapped = sentence->naturalSize();
    EXPECT_LE(wrapped.width(), 150);
    EXPECT_GT(wrapped.height(), 36 * 3);
    sentence->makeNaturalSize();
    EXPECT_LE(sentence->width(), 150);
    const QImage lines = drawn(*sentence, QSize(160, 400));
    EXPECT_EQ(inkCount(lines), inkCount([&] {
                  const auto tall = text(sentence->Text_Value, QRectF(0, 0, sentence->width(), 1000), 36);
                  tall->text_alignmnet_Vert = 0;
                  return drawn(*tall, QSize(160, 400));
              }()));

    // Blanks and controls only: no width, one line's height.
    const auto blank = text(QStringLiteral(" \x01 "), QRectF(0, 0, 100, 100), 12);
    EXPECT_EQ(blank->naturalSize().width(), 0);
    EXPECT_GT(blank->naturalSize().height(), 12);
}
