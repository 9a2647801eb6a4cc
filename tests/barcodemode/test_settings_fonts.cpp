// Fonts of the value, header and footer: the font chooser, the display text and the bands.

#include "test_settings_fixture.h"
#include "advqr/AdvQrController.h"
#include "barcodemode/BarcodeModeController.h"

using namespace settings_test;

namespace {
QFont dejaVu(double size)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(size);
    return f;
}
} // namespace

TEST_F(SettingsWindow, HeaderFontShowsNameAndSizeAndRelaysTheBands)
{
    const QSizeF before = pictureSize();
    const double oldBand = bandPoints(env.barcodeMode().header_font);
    responder->fontAnswers = {dejaVu(12)};
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);
    EXPECT_TRUE(responder->fontAnswers.isEmpty());
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), QStringLiteral("DejaVu Sans ( 12.00 )"));
    EXPECT_EQ(env.barcodeMode().header_font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_FLOAT_EQ(env.barcodeMode().testBarcode->header_fontSize(), 12.0f);
    EXPECT_NEAR(pictureSize().height() - before.height(), bandPoints(dejaVu(12)) - oldBand, 0.05);
    EXPECT_GT(pictureSize().height(), before.height());
}

TEST_F(SettingsWindow, FontTextsKeepTheStyleOfTheFace)
{
    // Bold asked by weight or by style name, oblique, both, and the book weight, which the face
    // names without a style.
    QFont bold = dejaVu(12);
    bold.setBold(true);
    QFont boldByName = dejaVu(9);
    boldByName.setStyleName(QStringLiteral("Bold"));
    QFont oblique = dejaVu(10);
    oblique.setItalic(true);
    QFont boldOblique = bold;
    boldOblique.setItalic(true);
    responder->fontAnswers = {bold, boldByName, oblique, boldOblique, dejaVu(11)};
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), QStringLiteral("DejaVu Sans Bold ( 12.00 )"));
    QTest::mouseClick(env.barcodeMode().ftr_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().footer_font_value->text(), QStringLiteral("DejaVu Sans Bold ( 9.00 )"));
    QTest::mouseClick(env.barcodeMode().val_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().value_font_value->text(), QStringLiteral("DejaVu Sans Oblique ( 10.00 )"));
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), QStringLiteral("DejaVu Sans Bold Oblique ( 12.00 )"));
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), QStringLiteral("DejaVu Sans ( 11.00 )"));
    // The font itself keeps its style.
    EXPECT_FALSE(env.barcodeMode().header_font.bold());
    EXPECT_TRUE(env.barcodeMode().value_font.italic());
}

TEST_F(SettingsWindow, ValueAndFooterFontsGoToTheirOwnBands)
{
    const QSizeF before = pictureSize();
    const QString header = env.barcodeMode().header_font_value->text();
    responder->fontAnswers = {dejaVu(20), dejaVu(8.5)};
    QTest::mouseClick(env.barcodeMode().val_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().value_font_value->text(), QStringLiteral("DejaVu Sans ( 20.00 )"));
    EXPECT_FLOAT_EQ(env.barcodeMode().testBarcode->caption_fontSize(), 20.0f);
    const double afterValue = pictureSize().height();
    EXPECT_GT(afterValue, before.height());
    QTest::mouseClick(env.barcodeMode().ftr_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().footer_font_value->text(), QStringLiteral("DejaVu Sans ( 8.50 )"));
    EXPECT_FLOAT_EQ(env.barcodeMode().testBarcode->footer_fontSize(), 8.5f);
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), header);
}

TEST_F(SettingsWindow, CancelledFontChooserChangesNothing)
{
    const QString shown = env.barcodeMode().header_font_value->text();
    const QFont font = env.barcodeMode().header_font;
    const QSizeF before = pictureSize();
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);   // no answer scripted: cancelled
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), shown);
    EXPECT_EQ(env.barcodeMode().header_font, font);
    EXPECT_EQ(pictureSize(), before);
}

TEST_F(SettingsWindow, HeaderFontWithoutAModelOnlyChangesTheFont)
{
    env.barcodeMode().Set_Linear_Value_in_Field(QStringLiteral("ABC"));
    choose(QStringLiteral("EAN-13"));
    ASSERT_FALSE(env.barcodeMode().testBarcode);
    responder->fontAnswers = {dejaVu(14)};
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), QStringLiteral("DejaVu Sans ( 14.00 )"));
    EXPECT_FALSE(env.barcodeMode().barcodeImage->hasPicture());
}

TEST_F(SettingsWindow, ValueFontOnATwoDSymbolReframesWithoutTouchingTheBands)
{
    choose(QStringLiteral("QR Code"));
    const float caption = env.barcodeMode().captionHeight();
    const QSizeF before = pictureSize();
    responder->fontAnswers = {dejaVu(30)};
    env.barcodeMode().Value_Font_Changed(env.barcodeMode().val_font_btn);
    EXPECT_EQ(env.barcodeMode().value_font_value->text(), QStringLiteral("DejaVu Sans ( 30.00 )"));
    EXPECT_FLOAT_EQ(env.barcodeMode().captionHeight(), caption);
    EXPECT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
    EXPECT_EQ(pictureSize(), before);
}

TEST_F(SettingsWindow, HeaderFontOnATwoDSymbolMeasuresTheRoleBand)
{
    choose(QStringLiteral("QR Code"));
    const QSizeF before = pictureSize();
    responder->fontAnswers = {dejaVu(16)};
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);
    EXPECT_FLOAT_EQ(env.barcodeMode().header_fontSize(), 16.0f);
    EXPECT_NEAR(env.barcodeMode().headerHeight() * 72.0, bandPoints(dejaVu(16)), 0.01);
    EXPECT_GT(pictureSize().height(), before.height());
}

TEST_F(SettingsWindow, DesigningModeIgnoresHeaderAndFooterFontButtons)
{
    ModeScope designing(1);
    responder->fontAnswers = {dejaVu(18), dejaVu(18)};
    const QString header = env.barcodeMode().header_font_value->text();
    QTest::mouseClick(env.barcodeMode().hdr_font_btn, Qt::LeftButton);
    QTest::mouseClick(env.barcodeMode().ftr_font_btn, Qt::LeftButton);
    EXPECT_EQ(responder->fontAnswers.size(), 2);   // the chooser was never opened
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), header);
    // The value font's opener asks for no mode.
    QTest::mouseClick(env.barcodeMode().val_font_btn, Qt::LeftButton);
    EXPECT_EQ(responder->fontAnswers.size(), 1);
    EXPECT_EQ(env.barcodeMode().value_font_value->text(), QStringLiteral("DejaVu Sans ( 18.00 )"));
}

TEST_F(SettingsWindow, AdvancedQrModeChoosesItsOwnHeaderAndFooterFonts)
{
    ModeScope advanced(2);
    const QString barcodeHeader = env.barcodeMode().header_font_value->text();
    responder->fontAnswers = {dejaVu(24), dejaVu(11)};
    env.barcodeMode().Header_Font_Changed(env.advQr().ADV_QR_hdr_font_btn);
    env.barcodeMode().Footer_Font_Changed(env.advQr().ADV_QR_ftr_font_btn);
    EXPECT_EQ(env.advQr().ADV_QR_header_font_value->text(), QStringLiteral("DejaVu Sans ( 24.00 )"));
    EXPECT_EQ(env.advQr().ADV_QR_footer_font_value->text(), QStringLiteral("DejaVu Sans ( 11.00 )"));
    EXPECT_DOUBLE_EQ(env.advQr().ADV_QR_header_font.pointSizeF(), 24.0);
    EXPECT_FLOAT_EQ(env.barcodeMode().header_fontSize(), 24.0f);
    EXPECT_NEAR(env.barcodeMode().headerHeight() * 72.0, bandPoints(dejaVu(24)), 0.01);
    EXPECT_EQ(env.barcodeMode().header_font_value->text(), barcodeHeader);
}
