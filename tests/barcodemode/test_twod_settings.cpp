// The 2D settings controls of the Barcode mode as a user works them: the PDF417 and DataMatrix
// pairs, the DataMatrix format rule, the resolution, the help boxes and the QR logo tab.

#include "test_twod_support.h"

#include "core/Long_SMS_Dlg.h"
#include "barcodemode/pdf417View.h"
#include "platform/Stepper.h"
#include "support/ScriptedResponder.h"
#include "barcodemode/BarcodeModeController.h"
#include "support/Editions.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Messages.h"
#include "core/SymbolGlobals.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <cmath>

namespace {

// A picture the preview shows until something redraws it.
platform::Picture sentinel()
{
    QImage img(7, 7, QImage::Format_ARGB32);
    img.fill(Qt::magenta);
    return platform::Picture::fromImage(img, QSizeF(7, 7));
}

bool showsSentinel(const twodtest::Window &w)
{
    return w.shown().size() == QSizeF(7, 7) && w.shown().image().pixelColor(3, 3) == QColor(Qt::magenta);
}

// The user types into the field and presses Return.
void type(QLineEdit *field, const QString &text)
{
    field->setText(text);
    emit field->editingFinished();
}

void setPair(QLineEdit *field, platform::Stepper *stepper, int value)
{
    field->setText(QString::number(value));
    stepper->setIntValue(value);
}

} // namespace

TEST(TwoDSettings, PdfPairsCopyAndRegenerate)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("PDF417"));
    w.env.barcodeMode().dataText_2D->setPlainText(QStringLiteral("PDF pairs"));
    struct Pair {
        QLineEdit *field;
        platform::Stepper *stepper;
    };
    for (const Pair &p : {Pair{w.env.barcodeMode().pdf_row_Text, w.env.barcodeMode().pdf_row_Stepper}, Pair{w.env.barcodeMode().pdf_col_Text, w.env.barcodeMode().pdf_col_Stepper},
                          Pair{w.env.barcodeMode().pdf_ec_lvl_Text, w.env.barcodeMode().pdf_ec_lvl_Stepper}}) {
        setPair(p.field, p.stepper, 3);
        w.env.barcodeMode().Set_Barcode_On_Panel(sentinel());
        p.stepper->stepUp();
        EXPECT_EQ(p.field->text(), QStringLiteral("4")) << p.field->objectName().toStdString();
        EXPECT_FALSE(showsSentinel(w)) << p.field->objectName().toStdString();
        EXPECT_TRUE(w.env.barcodeMode().barcodeImage->hasPicture());

        w.env.barcodeMode().Set_Barcode_On_Panel(sentinel());
        type(p.field, QStringLiteral("6"));
        EXPECT_EQ(p.stepper->intValue(), 6) << p.field->objectName().toStdString();
        EXPECT_FALSE(showsSentinel(w)) << p.field->objectName().toStdString();
    }
}

TEST(TwoDSettings, PdfLevelReachesTheEncoderBeforeTheSymbolIsMade)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("PDF417"));
    w.env.barcodeMode().dataText_2D->setPlainText(QStringLiteral("level"));
    setPair(w.env.barcodeMode().pdf_ec_lvl_Text, w.env.barcodeMode().pdf_ec_lvl_Stepper, 4);
    w.env.barcodeMode().pdf_ec_lvl_Stepper->stepUp();
    EXPECT_EQ(w.env.barcodeMode().pdfBarcode().getErrorLevel(), 5);
    // The symbol just drawn used it: its modules are those of level 5, not of level 4.
    const auto modulesAt = [](int level) {
        pdf417View view(QRectF(), level);
        view.drawWithText(QStringLiteral("level"), 0);
        return pdf417::bitmapImage(view.param()).convertToFormat(QImage::Format_RGB32);
    };
    ASSERT_NE(w.env.barcodeMode().image_2d.moduleGrid(), nullptr);
    const QImage drawn = w.env.barcodeMode().image_2d.moduleGrid()->cells.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(drawn, modulesAt(5));
    EXPECT_NE(drawn, modulesAt(4));
    type(w.env.barcodeMode().pdf_ec_lvl_Text, QStringLiteral("1"));
    EXPECT_EQ(w.env.barcodeMode().pdfBarcode().getErrorLevel(), 1);
    const auto d = testsupport::decode(w.exported(), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("level"));
}

TEST(TwoDSettings, FormatRaisesDataMatrixWidthAndHeight)
{
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("C8X18"));
    setPair(w.env.barcodeMode().dm_moduleText_2D, w.env.barcodeMode().dm_moduleStepper_2D, 3);
    setPair(w.env.barcodeMode().dm_widthText_2D, w.env.barcodeMode().dm_widthStepper_2D, 40);
    setPair(w.env.barcodeMode().dm_HeightText_2D, w.env.barcodeMode().dm_HeightStepper_2D, 20);
    w.env.barcodeMode().data_matrix_barcode_size_acc_format();
    EXPECT_EQ(w.env.barcodeMode().dm_widthStepper_2D->intValue(), 54);
    EXPECT_EQ(w.env.barcodeMode().dm_widthText_2D->text(), QStringLiteral("54"));
    EXPECT_EQ(w.env.barcodeMode().dm_HeightStepper_2D->intValue(), 24);
    EXPECT_EQ(w.env.barcodeMode().dm_HeightText_2D->text(), QStringLiteral("24"));

    // Only raised, never lowered.
    setPair(w.env.barcodeMode().dm_widthText_2D, w.env.barcodeMode().dm_widthStepper_2D, 60);
    setPair(w.env.barcodeMode().dm_HeightText_2D, w.env.barcodeMode().dm_HeightStepper_2D, 30);
    w.env.barcodeMode().data_matrix_barcode_size_acc_format();
    EXPECT_EQ(w.env.barcodeMode().dm_widthText_2D->text(), QStringLiteral("60"));
    EXPECT_EQ(w.env.barcodeMode().dm_HeightText_2D->text(), QStringLiteral("30"));

    // "Auto" never changes them.
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("Auto"));
    setPair(w.env.barcodeMode().dm_widthText_2D, w.env.barcodeMode().dm_widthStepper_2D, 1);
    w.env.barcodeMode().data_matrix_barcode_size_acc_format();
    EXPECT_EQ(w.env.barcodeMode().dm_widthStepper_2D->intValue(), 1);
}

TEST(TwoDSettings, ModuleStepperAppliesTheFormatAndTypedModuleDoesNot)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    w.env.barcodeMode().dataText_2D->setPlainText(QStringLiteral("1"));
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("C8X18"));
    setPair(w.env.barcodeMode().dm_moduleText_2D, w.env.barcodeMode().dm_moduleStepper_2D, 2);
    setPair(w.env.barcodeMode().dm_widthText_2D, w.env.barcodeMode().dm_widthStepper_2D, 40);
    setPair(w.env.barcodeMode().dm_HeightText_2D, w.env.barcodeMode().dm_HeightStepper_2D, 20);

    type(w.env.barcodeMode().dm_moduleText_2D, QStringLiteral("3"));
    EXPECT_EQ(w.env.barcodeMode().dm_moduleStepper_2D->intValue(), 3);
    EXPECT_EQ(w.env.barcodeMode().dm_widthText_2D->text(), QStringLiteral("40"));
    EXPECT_EQ(w.env.barcodeMode().dm_HeightText_2D->text(), QStringLiteral("20"));
    EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(18 * 3 + 2, 8 * 3 + 2));   // redrawn at the new size

    w.env.barcodeMode().dm_moduleStepper_2D->stepUp();   // 4
    EXPECT_EQ(w.env.barcodeMode().dm_moduleText_2D->text(), QStringLiteral("4"));
    EXPECT_EQ(w.env.barcodeMode().dm_widthText_2D->text(), QStringLiteral("72"));
    EXPECT_EQ(w.env.barcodeMode().dm_HeightText_2D->text(), QStringLiteral("32"));
    EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(18 * 4 + 2, 8 * 4 + 2));
}

TEST(TwoDSettings, DataMatrixWidthAndHeightPairs)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    w.env.barcodeMode().dataText_2D->setPlainText(QStringLiteral("wh"));
    setPair(w.env.barcodeMode().dm_widthText_2D, w.env.barcodeMode().dm_widthStepper_2D, 40);
    w.env.barcodeMode().Set_Barcode_On_Panel(sentinel());
    w.env.barcodeMode().dm_widthStepper_2D->stepUp();
    EXPECT_EQ(w.env.barcodeMode().dm_widthText_2D->text(), QStringLiteral("41"));
    EXPECT_FALSE(showsSentinel(w));
    type(w.env.barcodeMode().dm_HeightText_2D, QStringLiteral("77"));
    EXPECT_EQ(w.env.barcodeMode().dm_HeightStepper_2D->intValue(), 77);
    w.env.barcodeMode().Set_Barcode_On_Panel(sentinel());
    w.env.barcodeMode().dm_HeightStepper_2D->stepDown();
    EXPECT_EQ(w.env.barcodeMode().dm_HeightText_2D->text(), QStringLiteral("76"));
    EXPECT_FALSE(showsSentinel(w));
}

TEST(TwoDSettings, CustomResolutionFromStepperOrFieldWithoutRedraw)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::ResponderScope responder;
    twodtest::Window w;
    w.choose(QStringLiteral("QR Code"));
    EXPECT_EQ(w.env.barcodeMode().dpi_Stepper->minValue(), 72);
    w.env.barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("Custom"));
    w.env.barcodeMode().Resolution_Choice_Changed();
    EXPECT_TRUE(w.env.barcodeMode().dpi_Stepper->isVisibleTo(w.env.window()));
    EXPECT_TRUE(w.env.barcodeMode().dpi_Text->isVisibleTo(w.env.window()));

    w.env.barcodeMode().Set_Barcode_On_Panel(sentinel());
    w.env.barcodeMode().dpi_Stepper->setIntValue(449);
    w.env.barcodeMode().dpi_Stepper->stepUp();
    EXPECT_EQ(USED_DPI_VALUE, 450);
    EXPECT_EQ(w.env.barcodeMode().dpi_Text->text(), QStringLiteral("450"));
    EXPECT_TRUE(showsSentinel(w));

    // Typed: applied as if stepped.
    type(w.env.barcodeMode().dpi_Text, QStringLiteral("300"));
    EXPECT_EQ(w.env.barcodeMode().dpi_Stepper->intValue(), 300);
    EXPECT_EQ(USED_DPI_VALUE, 300);
    EXPECT_TRUE(showsSentinel(w));
    // Below the stepper's range: the field's message, and the field shows what is used.
    type(w.env.barcodeMode().dpi_Text, QStringLiteral("10"));
    EXPECT_EQ(USED_DPI_VALUE, 300);
    EXPECT_EQ(w.env.barcodeMode().dpi_Text->text(), QStringLiteral("300"));
    EXPECT_EQ(responder->trimmedAlertMessages(), QStringList{"Please enter a resolution from 72 to 2400 dpi."});
}

TEST(TwoDSettings, ResolutionChoice)
{
    twodtest::Window w;
    w.env.barcodeMode().dpi_Stepper->setIntValue(500);
    w.env.barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("Custom"));
    w.env.barcodeMode().Resolution_Choice_Changed();
    EXPECT_EQ(USED_DPI_VALUE, 500);
    w.env.barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("Auto"));
    w.env.barcodeMode().Resolution_Choice_Changed();
    EXPECT_EQ(USED_DPI_VALUE, 600);
    EXPECT_FALSE(w.env.barcodeMode().dpi_Stepper->isVisibleTo(w.env.window()));
    EXPECT_FALSE(w.env.barcodeMode().dpi_Text->isVisibleTo(w.env.window()));
    const int i = w.env.barcodeMode().DPI_ComboBox->findText(QStringLiteral("300"), Qt::MatchStartsWith);
    ASSERT_GE(i, 0);
    w.env.barcodeMode().DPI_ComboBox->setCurrentIndex(i);
    w.env.barcodeMode().Resolution_Choice_Changed();
    EXPECT_EQ(USED_DPI_VALUE, 300);
}

TEST(TwoDSettings, TypedCustomResolutionSizesTheExport)
{
    SKIP_WITHOUT_BARCODE_MODE();
    for (const QString &title : {QStringLiteral("QR Code"), QStringLiteral("PDF417"), QStringLiteral("DataMatrix")}) {
        twodtest::Window w;
        w.choose(title);
        w.env.barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("Custom"));
        w.env.barcodeMode().Resolution_Choice_Changed();
        type(w.env.barcodeMode().dpi_Text, QStringLiteral("450"));
        w.generate(QStringLiteral("450 dpi"));
        ASSERT_FALSE(w.shown().isNull()) << title.toStdString();
        const QSizeF points = w.shown().size();
        const QImage img = w.exported();
        EXPECT_EQ(img.width(), int(std::ceil(450 * points.width() / 72))) << title.toStdString();
        EXPECT_EQ(img.height(), int(std::ceil(450 * points.height() / 72))) << title.toStdString();
        const QString format = title == QLatin1String("QR Code") ? QStringLiteral("QRCode") : title;
        EXPECT_EQ(testsupport::decode(img, format).text, QStringLiteral("450 dpi")) << title.toStdString();
    }
}

TEST(TwoDSettings, ResolutionControlsStayReachableFor2D)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    for (const QString &title : {QStringLiteral("QR Code"), QStringLiteral("PDF417"), QStringLiteral("DataMatrix")}) {
        w.choose(title);
        QWidget *page = w.env.barcodeMode().sett_tab_barcode->currentWidget();
        ASSERT_NE(page, nullptr);
        for (QWidget *control : std::initializer_list<QWidget *>{w.env.barcodeMode().DPI_ComboBox, w.env.barcodeMode().dpi_help_btn}) {
            EXPECT_TRUE(page->isAncestorOf(control)) << title.toStdString();
            EXPECT_TRUE(control->isVisibleTo(w.env.window())) << title.toStdString();
            EXPECT_TRUE(control->isEnabled()) << title.toStdString();
        }
    }
}

TEST(TwoDSettings, HelpBoxesShowTheirTextsWithOneOkButton)
{
    twodtest::Window w;
    testsupport::ResponderScope responder;
    struct Shown {
        QString title, text;
        bool applyBox, noButton;
        QString okTitle;
    };
    QList<Shown> shown;
    responder->onModal = [&](QDialog &) {
        Long_SMS_Dlg *d = Long_SMS_Dlg::defaultInstance();
        shown.append({d->_Msg_Title->text(), d->_Msg_Val->toPlainText(), d->apply_chk->isVisibleTo(d->window),
                      d->no_button->isVisibleTo(d->window), d->yes_button->text()});
        return 1;
    };
    Long_SMS_Dlg::defaultInstance()->apply_chk_show = true;   // left over from a question elsewhere
    Long_SMS_Dlg::defaultInstance()->title_val = QStringLiteral("left over");
    const std::pair<QPushButton *, std::pair<const char *, const char *>> boxes[] = {
        {w.env.barcodeMode().qr_version_help_btn,
         {"Version :", "Version is configuration or number of modules (combination of black and white dots)."}},
        {w.env.barcodeMode().qr_ec_lvl_help_btn,
         {"Error correction (EC) level :", "An error-correction mechanism is built in each symbol so that the symbol "
                                           "can still be decoded even if it is damaged."}},
        {w.env.barcodeMode().pdf_row_help_btn, {"PDF Rows :", "Number of rows in the PDF barcode."}},
        {w.env.barcodeMode().pdf_col_help_btn, {"PDF Columns :", "Number of columns in the PDF barcode."}},
        {w.env.barcodeMode().pdf_ec_lvl_help_btn,
         {"PDF EC Level :", "An error-correction mechanism is built in each symbol so that the symbol can still be "
                            "decoded even if it is damaged in PDF barcode."}},
        {w.env.barcodeMode().dm_format_help_btn, {"Preferred Format :", "Preferred Mode determines the smallest size of the symbol."}},
        {w.env.barcodeMode().dm_encoding_help_btn, {"Encoding Mode :", "Encoding Mode is mode of compaction to encode data in the symbol."}},
        {w.env.barcodeMode().dpi_help_btn,
         {"DPI (Dots Per Inch) :", "Dots per inch is a measure of the resolution of printers in terms of Print Quality."
                                   "\n\nBigger the DPI, Better the Print Quality. But File size of image also "
                                   "increases, as you choose bigger DPI."}},
    };
    for (const auto &[button, texts] : boxes) {
        ASSERT_NE(button, nullptr);
        button->click();
        ASSERT_FALSE(shown.isEmpty()) << texts.first;
        const Shown s = shown.takeLast();
        EXPECT_EQ(s.title, QString::fromUtf8(texts.first));
        EXPECT_EQ(s.text, QString::fromUtf8(texts.second));
        EXPECT_EQ(Cutom_Msg_Title, QString::fromUtf8(texts.first));
        EXPECT_FALSE(s.applyBox) << texts.first;
        EXPECT_FALSE(s.noButton) << texts.first;
        EXPECT_EQ(s.okTitle, QStringLiteral("OK"));
    }
    EXPECT_EQ(responder->modalCount, 8);
}

TEST(TwoDSettings, QrLogoTabComesAndGoesWithQrCode)
{
    twodtest::Window w;
    QTabWidget *tabs = w.env.barcodeMode().sett_tab_barcode;
    ASSERT_EQ(tabs->count(), 1);
    w.choose(QStringLiteral("QR Code"));
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->widget(1), w.env.barcodeMode().qr_logo_tab_item_sett);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("QR Logo"));   // the label kept while the page was detached
    w.choose(QStringLiteral("QR Code"));
    EXPECT_EQ(tabs->count(), 2);
    w.choose(QStringLiteral("PDF417"));
    EXPECT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->indexOf(w.env.barcodeMode().qr_logo_tab_item_sett), -1);
    w.choose(QStringLiteral("DataMatrix"));
    EXPECT_EQ(tabs->count(), 1);
    w.choose(QStringLiteral("QR Code"));
    EXPECT_EQ(tabs->indexOf(w.env.barcodeMode().qr_logo_tab_item_sett), 1);
    w.env.barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("Code 128"));
    w.env.barcodeMode().Liner_Barcode_Opt_Select();
    EXPECT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->currentIndex(), 0);
}
