#include "app/SKTWindowController.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "core/ImageServices.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "engines/linear/NKDCode128Barcode.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QGroupBox>
#include <QTabWidget>
#include "platform/ColorWell.h"
#include "barcodemode/BarcodeModeController.h"
#include "support/Editions.h"
#include <QTemporaryDir>

namespace {

// Chooses a symbology and a value the way the editor's panes do, then regenerates.
void generate(SKTWindowController *c, const QString &title, const QString &value)
{
    c->barcodeMode().barcodeTypePopup->setCurrentText(title);
    if (Symbologies::isTwoD(title))
        c->barcodeMode().two_d_barcode_Opt_Select();
    else
        c->barcodeMode().Liner_Barcode_Opt_Select();
    c->barcodeMode().dataText->setText(value);
    c->barcodeMode().Set_Two_D_Value_in_Field(value);
    c->barcodeMode().goButtonActionPerformed();
}

// What an export writes: the preview picture raised to 600 DPI, written as PNG, read back.
QImage exported(SKTWindowController *c, const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("barcode.png"));
    if (!Save_gen_image(Increase_DPI(c->barcodeMode().barcodeImage->picture(), 600), path))
        return {};
    return QImage(path);
}

struct Sample {
    const char *title;
    const char *value;
    const char *zxingFormat;   // empty: zxing does not read it
    const char *decoded;       // what zxing gives back
};

const Sample kSamples[] = {
    {"Code 39", "CODE39 TEST", "Code39", "CODE39 TEST"},
    {"Extended Code 39", "Mixed case 39", "Code39", "Mixed case 39"},
    {"Interleaved 2 of 5", "12345678", "ITF", "12345678"},
    {"UPCA", "03600029145", "UPCA", "036000291452"},
    {"PostNet", "12345", "", ""},
    {"Modified Plessey", "1234", "", ""},
    {"Modified Plessey (Hex)", "12AB", "", ""},
    {"Industrial 2 of 5", "123456", "", ""},
    {"EAN-13", "400638133393", "EAN13", "4006381333931"},
    {"Code 128", "Tagora 128", "Code128", "Tagora 128"},
    {"Code 128 SET A", "SET A", "Code128", "SET A"},
    {"Code 128 SET B", "Set b", "Code128", "Set b"},
    {"Code 128 SET C", "123456", "Code128", "123456"},
    {"Codabar", "A40156B", "Codabar", "A40156B"},
    {"UPCE", "0425261", "UPCE", "04252614"},
    {"EAN-8", "9638507", "EAN8", "96385074"},
    {"Royal Mail Barcode (RM4SCC / CBC)", "SN34RD1A", "", ""},
    {"Planet", "12345678901", "", ""},
    {"Japan Post Barcode", "1234567", "", ""},
};

} // namespace

TEST(Generation, DefaultsShowAnEan13WithItsTexts)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    EXPECT_EQ(c->barcodeMode().barcodeTypePopup->currentText(), QStringLiteral("EAN-13"));
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_EQ(c->barcodeMode().testBarcode->className(), QStringLiteral("NKDEAN13Barcode"));
    EXPECT_EQ(c->barcodeMode().testBarcode->header(), QStringLiteral("HEADER"));
    EXPECT_EQ(c->barcodeMode().testBarcode->footer(), QStringLiteral("FOOTER"));
    EXPECT_TRUE(c->barcodeMode().testBarcode->printsCaption());
    ASSERT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
    QTemporaryDir dir;
    const testsupport::Decoded d = testsupport::decode(exported(c, dir), QStringLiteral("EAN13"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("1234567890128"));
}

TEST(Generation, EveryLinearSymbologyShowsItsSymbol)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    QTemporaryDir dir;
    int decoded = 0;
    for (const Sample &s : kSamples) {
        const QString title = QString::fromLatin1(s.title);
        SCOPED_TRACE(s.title);
        generate(c, title, QString::fromLatin1(s.value));
        ASSERT_TRUE(c->barcodeMode().testBarcode);
        ASSERT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
        EXPECT_TRUE(c->barcodeMode().barcode_error_label->isHidden());
        if (*s.zxingFormat == 0)
            continue;
        const bool fullAscii = title == QStringLiteral("Extended Code 39") || title == QStringLiteral("Codabar");
        const testsupport::Decoded d =
            testsupport::decode(exported(c, dir), QString::fromLatin1(s.zxingFormat), fullAscii);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.text, QString::fromLatin1(s.decoded));
        ++decoded;
    }
    EXPECT_EQ(decoded, 12);
}

TEST(Generation, InvalidValuesBlankThePreview)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    // An empty value: blank preview and error label, no message.
    generate(c, QStringLiteral("Code 128"), QString());
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(c->barcodeMode().barcode_error_label->isHidden());
    EXPECT_TRUE(responder->alerts.isEmpty());
    // A character outside 7-bit ASCII.
    generate(c, QStringLiteral("Code 128"), QStringLiteral("Grüße"));
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    // A value the engine refuses: the model is dropped.
    generate(c, QStringLiteral("EAN-13"), QStringLiteral("ABC"));
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(c->barcodeMode().testBarcode);
    // A 2D title in the linear family gives no symbol.
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("QR Code"));
    c->barcodeMode().Liner_Barcode_Opt_Select();
    c->barcodeMode().dataText->setText(QStringLiteral("123"));
    c->barcodeMode().goButtonActionPerformed();
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    // Output commands ask with a message.
    EXPECT_FALSE(c->barcodeMode().Check_And_Validat_Barcode(true, true));
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nInvalid barcode value or value is too long.")});
}

TEST(Generation, DirectGenerationOfAnEmptyValueLeavesThePreview)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    ASSERT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(c->barcodeMode().Generate_Barcode_Variable(true, QString(), QString(), QString(), false));
    EXPECT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
}

TEST(Generation, Code128ChoosesItsSetAndSetCKeepsIt)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    generate(c, QStringLiteral("Code 128"), QStringLiteral("123456"));
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_EQ(static_cast<NKDCode128Barcode &>(*c->barcodeMode().testBarcode).codeSet(), int(NKDCode128Barcode::SetC));
    generate(c, QStringLiteral("Code 128 SET C"), QStringLiteral("123456"));
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_EQ(static_cast<NKDCode128Barcode &>(*c->barcodeMode().testBarcode).codeSet(), int(NKDCode128Barcode::SetC));
}

TEST(Generation, DisabledSizeFieldsLeaveTheEngineItsOwnSizes)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->barcodeMode().widthText->setEnabled(false);
    c->barcodeMode().HeightText->setEnabled(false);
    generate(c, QStringLiteral("Code 39"), QStringLiteral("ABC"));
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->barWidth(), 0.0f);   // the engine's own, unset
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->height(), 0.0f);
    c->barcodeMode().widthText->setEnabled(true);
    c->barcodeMode().HeightText->setEnabled(true);
    generate(c, QStringLiteral("Code 39"), QStringLiteral("ABC"));
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->barWidth(), 20.0f / 1000.0f * 72.0f);
    EXPECT_GT(c->barcodeMode().testBarcode->height(), 0.0f);
}

TEST(Generation, HiddenHeaderIsNotPrinted)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->barcodeMode().hideHeaderCheckbox->setChecked(true);
    generate(c, QStringLiteral("Code 128"), QStringLiteral("X1"));
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_FALSE(c->barcodeMode().testBarcode->printsHeader());
    EXPECT_EQ(c->barcodeMode().testBarcode->header(), QStringLiteral("HEADER"));
    EXPECT_TRUE(c->barcodeMode().testBarcode->printsFooter());
}

TEST(Generation, OnlyTheBarcodeModeRegenerates)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    Barcode_Setting_Or_Designing_Mode = 1;
    c->barcodeMode().dataText->setText(QString());
    c->barcodeMode().goButtonActionPerformed();
    EXPECT_TRUE(c->barcodeMode().barcodeImage->hasPicture());   // nothing happened
    Barcode_Setting_Or_Designing_Mode = 0;
    // While stored settings are loaded nothing is generated either.
    Not_Draw_Only_Prop_Change = true;
    const auto model = c->barcodeMode().Generate_Barcode_Variable(true, QStringLiteral("999"), QString(), QString(), false);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->content(), c->barcodeMode().testBarcode->content());
    Not_Draw_Only_Prop_Change = false;
}

TEST(Generation, SizeRulesThroughTheWindow)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->barcodeMode().captionCheckbox->setChecked(true);
    c->barcodeMode().hideHeaderCheckbox->setChecked(true);
    c->barcodeMode().hideFooterCheckbox->setChecked(true);
    Measument_Unit_Is_Barcode = 0;   // inches
    c->barcodeMode().HeightText->setText(QStringLiteral("1"));
    c->barcodeMode().TB_mar_Text->setText(QStringLiteral("0.1"));
    c->barcodeMode().LR_mar_Text->setText(QStringLiteral("0"));
    generate(c, QStringLiteral("Code 128"), QStringLiteral("ABC"));
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->height(), 86.4f);
    const float bars = float(c->barcodeMode().testBarcode->completeBarcode().size()) * c->barcodeMode().testBarcode->barWidth();
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->width(), bars);
    c->barcodeMode().LR_mar_Text->setText(QStringLiteral("0.1"));
    c->barcodeMode().goButtonActionPerformed();
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->width(), bars + 14.4f + 15.0f);
    EXPECT_FLOAT_EQ(c->barcodeMode().LR_margin, 7.2f);   // the renderer reads points

    c->barcodeMode().TB_mar_Text->setText(QStringLiteral("0"));
    Measument_Unit_Is_Barcode = 1;
    c->barcodeMode().HeightText->setText(QStringLiteral("2"));
    c->barcodeMode().goButtonActionPerformed();
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->height(), 56.692944f);
    Measument_Unit_Is_Barcode = 2;
    c->barcodeMode().HeightText->setText(QStringLiteral("20"));
    c->barcodeMode().goButtonActionPerformed();
    EXPECT_FLOAT_EQ(c->barcodeMode().testBarcode->height(), 56.692944f);
}

TEST(Generation, FontFittingThroughTheWindow)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(20);
    const QString text = QStringLiteral("Invalid Data");
    const QSizeF size = c->barcodeMode().Get_String_Size(text, font);
    // Twice too wide and half as high: half the size.
    const QFont fitted = c->barcodeMode().Get_Appropriate_Font(6, 48, QRectF(0, 0, size.width() / 2, size.height() * 2), text, font);
    EXPECT_NEAR(fitted.pointSizeF(), 10.0, 1e-6);
    EXPECT_DOUBLE_EQ(c->barcodeMode().Get_Appropriate_Font(6, 48, QRectF(0, 0, 1, 1), text, font).pointSizeF(), 6.0);
    EXPECT_DOUBLE_EQ(c->barcodeMode().Get_Appropriate_Font(12, 12, QRectF(0, 0, 1, 1), text, font).pointSizeF(), 20.0);
}

TEST(Generation, PanesSwitchTheFamily)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->window()->show();
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("PDF417"));
    c->barcodeMode().two_d_barcode_Opt_Select();
    EXPECT_EQ(c->barcodeMode().liner_or_2D_font, 1);
    EXPECT_TRUE(c->barcodeMode().TwoD_Barcode_RD->isChecked());
    EXPECT_TRUE(c->barcodeMode().barcode_clr->isHidden());
    EXPECT_FALSE(c->barcodeMode().pdf_2d_sett_box->isHidden());
    EXPECT_TRUE(c->barcodeMode().dataText->isHidden());
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("DataMatrix"));
    c->barcodeMode().two_d_barcode_Opt_Select();
    EXPECT_FALSE(c->barcodeMode().barcode_clr->isHidden());
    // QR Code twice adds the logo tab once.
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("QR Code"));
    c->barcodeMode().two_d_barcode_Opt_Select();
    c->barcodeMode().two_d_barcode_Opt_Select();
    EXPECT_EQ(c->barcodeMode().sett_tab_barcode->count(), 2);
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("Code 39"));
    c->barcodeMode().Liner_Barcode_Opt_Select();
    EXPECT_EQ(c->barcodeMode().sett_tab_barcode->count(), 1);
    EXPECT_TRUE(c->barcodeMode().Linear_Barcode_RD->isChecked());
    EXPECT_FALSE(c->barcodeMode().linear_sett_box->isHidden());
}

TEST(Generation, RoleAnswersBeforeAnyTwoDSymbol)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    EXPECT_EQ(c->barcodeMode().header(), QStringLiteral(""));
    EXPECT_EQ(c->barcodeMode().footer(), QStringLiteral(""));
    EXPECT_TRUE(c->barcodeMode().caption().isNull());
}
