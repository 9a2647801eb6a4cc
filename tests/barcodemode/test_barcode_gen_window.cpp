// The barcode-object window as a dialog: its start-up defaults, Cancel and OK with the write-back,
// the OK checks, the load's unit, and where it answers the editor's questions differently from the
// Barcode mode (logo tab counts, DataMatrix size, preview alignment, symbology change, text events).

#include "barcode_gen_fixture.h"
#include "support/NumberFieldSweep.h"

#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Units.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

using namespace barcode_gen_test;

TEST_F(BarcodeGenWindow, StartUpShowsTheDefaultsAndLeavesTheLoadingFlagAsItWas)
{
    EXPECT_EQ(Barcode_Gen::defaultInstance(), g);
    EXPECT_EQ(Barcode_Gen_Var, g);
    // Made long after the main window's start-up: the Barcode mode must go on generating.
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
    EXPECT_EQ(g->dataText->text(), QStringLiteral("0123"));
    EXPECT_EQ(g->Get_Two_D_Value_From_Field(), QStringLiteral("0123"));
    EXPECT_EQ(g->HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_EQ(g->FooterText->text(), QStringLiteral("FOOTER"));
    EXPECT_EQ(g->HeightText_2D->text(), QStringLiteral("60"));
    EXPECT_EQ(g->HeightStepper_2D->intValue(), 60);
    for (QLineEdit *font : {g->value_font_value, g->header_font_value, g->footer_font_value})
        EXPECT_TRUE(font->text().endsWith(QStringLiteral("( 10.00 )"))) << qPrintable(font->text());
    EXPECT_EQ(g->dm_format_ComboBox->count(), 31);
    EXPECT_EQ(g->dm_format_ComboBox->currentText(), QStringLiteral("Auto"));
    EXPECT_EQ(g->dm_encoding_ComboBox->currentText(), QStringLiteral("Auto"));
    EXPECT_EQ(g->align_hdr_combo->currentIndex(), 1);
    EXPECT_EQ(g->align_ftr_combo->currentIndex(), 1);
    EXPECT_EQ(g->DPI_ComboBox->currentText(), QStringLiteral("Auto"));
    EXPECT_EQ(g->windowResolution(), 600);
    // The font, resolution and QR logo tabs are out until asked for; two tabs remain.
    ASSERT_EQ(g->sett_tab->count(), 2);
    EXPECT_EQ(g->sett_tab->indexOf(g->font_tab_item), -1);
    EXPECT_EQ(g->sett_tab->indexOf(g->dpi_tab_item), -1);
    EXPECT_EQ(g->sett_tab->indexOf(g->qr_logo_tab_item_sett), -1);
    EXPECT_EQ(g->liner_or_2D_font, 0);
}

TEST_F(BarcodeGenWindow, CancelAnswersNothingAndLeavesTheObjectAsItWas)
{
    auto object = barcodeObject();
    object->_isDrawingFill = false;
    const auto result = open(object, [](Barcode_Gen &w) {
        w.HeaderText->setText(QStringLiteral("typed"));
        w.transparent_bkgnd->click();   // writes into the working copy at once
        EXPECT_TRUE(w.pass_barcode_control->_isDrawingFill);
        w.Cancel_Btn_Clicked();
    });
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(Barcode_output_image, nullptr);
    EXPECT_EQ(object->header_val, QStringLiteral("HEADER"));
    EXPECT_FALSE(object->_isDrawingFill);   // untouched: the working copy took the change
    EXPECT_EQ(selectionOf(env.design())._Selected_Graphic.lock(), object);

    // Closed without either button: the same as Cancel.
    selectionOf(env.design()).Set_Selected_Graphic(nullptr);
    EXPECT_EQ(open(object, nullptr), nullptr);
    EXPECT_EQ(Barcode_output_image, nullptr);
    EXPECT_EQ(selectionOf(env.design())._Selected_Graphic.lock(), object);
}

TEST_F(BarcodeGenWindow, OkAnswersACopyEqualToTheControlsAndLeavesTheOriginal)
{
    auto object = barcodeObject();
    object->_isDrawingFill = false;
    QImage preview;
    const auto copy = open(object, [&](Barcode_Gen &w) {
        pick(w.barcodeTypePopup, QStringLiteral("QR Code"));
        w.Set_Two_D_Value_in_Field(QStringLiteral("Tagora QR"));
        w.HeaderText->setText(QStringLiteral("H-1"));
        w.hideFooterCheckbox->click();
        w.captionCheckbox->setChecked(true);
        pick(w.align_hdr_combo, QStringLiteral("Right"));
        w.HeightText_2D->setText(QStringLiteral("90"));
        emit w.HeightText_2D->editingFinished();   // copies into the stepper and regenerates
        w.LR_mar_Text->setText(QStringLiteral("2.5"));
        emit w.LR_mar_Text->editingFinished();
        pick(w.qr_ec_lvl_ComboBox, QStringLiteral("Q"));
        pick(w.DPI_ComboBox, QStringLiteral("300 DPI"));
        w.bar_back_clr->chooseColor(QColor(250, 240, 200));
        preview = at600(w.barcodeImage->picture());
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, object);
    EXPECT_EQ(copy->linear_or_2d, 1);
    EXPECT_EQ(copy->barcode_font_index, g->barcodeTypePopup->currentIndex());
    EXPECT_EQ(g->barcodeTypePopup->currentText(), QStringLiteral("QR Code"));
    EXPECT_EQ(copy->two_d_font_val, QStringLiteral("Tagora QR"));
    EXPECT_EQ(copy->AQR_Final_Value, QStringLiteral("Tagora QR"));
    EXPECT_EQ(copy->linear_font_val, QStringLiteral("0123"));
    EXPECT_EQ(copy->header_val, QStringLiteral("H-1"));
    EXPECT_EQ(copy->footer_val, QStringLiteral("FOOTER"));
    EXPECT_EQ(copy->show_hide_ftr, 1);
    EXPECT_EQ(copy->show_hide_hdr, 0);
    EXPECT_EQ(copy->show_hide_val, 1);
    EXPECT_EQ(copy->align_hdr_index, 2);
    EXPECT_EQ(copy->qr_size_val, 90);
    EXPECT_EQ(copy->qr_ec_index, 2);
    EXPECT_FLOAT_EQ(copy->LR_margin_val, 2.5f);
    EXPECT_EQ(copy->dpi_val_index, g->DPI_ComboBox->findText(QStringLiteral("300 DPI")));
    EXPECT_EQ(copy->dpi_custom_val, g->dpi_Text->text());
    EXPECT_EQ(copy->barcode_back_clr_val, QColor(250, 240, 200));
    EXPECT_FALSE(copy->_isDrawingFill);
    EXPECT_EQ(copy->_fillColor, QColor(250, 240, 200));
    EXPECT_EQ(copy->data_source_type, 0);
    EXPECT_EQ(copy->value_font_val, g->value_font);
    // The picture put into the design is the preview's.
    ASSERT_NE(Barcode_output_image, nullptr);
    EXPECT_TRUE(at600(*Barcode_output_image) == preview);
    // The object passed in is as it was.
    EXPECT_EQ(object->barcode_font_index, 0);
    EXPECT_EQ(object->header_val, QStringLiteral("HEADER"));
    EXPECT_EQ(object->qr_size_val, ONLY_QR_MODE ? 100 : 60);
    EXPECT_EQ(object->show_hide_ftr, 0);
}

TEST_F(BarcodeGenWindow, TheTransparencyBoxIsTheObjectsFillFlag)
{
    auto object = barcodeObject();
    object->_isDrawingFill = false;
    auto copy = open(object, [](Barcode_Gen &w) {
        w.transparent_bkgnd->click();
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->_isDrawingFill);
    EXPECT_EQ(copy->_fillColor.alpha(), 0);

    object->_isDrawingFill = true;
    object->barcode_back_clr_val = QColor(10, 200, 30);
    copy = open(object, [](Barcode_Gen &w) {
        EXPECT_TRUE(w.transparent_bkgnd->isChecked());
        w.transparent_bkgnd->click();
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->_isDrawingFill);
    EXPECT_EQ(copy->_fillColor, QColor(10, 200, 30));
}

TEST_F(BarcodeGenWindow, ASourceWithNoRowBoundAsksAndYesMakesItManual)
{
    writeSeries(QStringLiteral("codes"), "A-1\nA-2\n");
    const QString question = QStringLiteral(
        "There is no Batch Series select for barcode value, header and footer. This work as manual datasource for "
        "barcode.\n\nclick on 'YES' button to continue with manual data source option or click 'No' to select any "
        "batch series to proceed?");
    bool stayedOpen = false;
    const auto copy = open(barcodeObject(), [&](Barcode_Gen &w) {
        pick(w.Data_source_type, QStringLiteral("Batch Processing Series"));
        for (QCheckBox *box : {w.use_value_series_chk, w.use_hdr_series_chk, w.use_ftr_series_chk}) {
            EXPECT_TRUE(box->isChecked());
            box->click();
        }
        responder->alertAnswers = {QStringLiteral("No")};
        w.OK_Btn_Clicked();
        stayedOpen = w.window->result() == 0 && messages().contains(question);
        responder->alertAnswers = {QStringLiteral("Yes")};
        w.OK_Btn_Clicked();
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->data_source_type, 0);
    EXPECT_EQ(g->Data_source_type->currentText(), QStringLiteral("Manual"));
}

TEST_F(BarcodeGenWindow, AnUnchosenBindingRowKeepsTheDialogOpen)
{
    writeSeries(QStringLiteral("codes"), "A-1\nA-2\n");
    const auto copy = open(barcodeObject(), [&](Barcode_Gen &w) {
        pick(w.Data_source_type, QStringLiteral("Batch Processing Series"));
        ASSERT_EQ(w.Batch_Series->currentText(), combo_first_Select);
        // The value row bound to "<--Select-->": the value check refuses.
        w.OK_Btn_Clicked();
        EXPECT_EQ(messages().last(), QStringLiteral("\n") + invalid_barcode_msg);
        // The value row unbound, the header row still on "<--Select-->".
        w.use_value_series_chk->click();
        w.use_ftr_series_chk->click();
        w.OK_Btn_Clicked();
        EXPECT_EQ(messages().last(), QStringLiteral("\nPlease select Series/Excel Column for barcode header."));
        pick(w.hdr_combo_list, QStringLiteral("codes"));
        EXPECT_EQ(w.HeaderText->text(), QStringLiteral("A-1"));
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_EQ(copy->data_source_type, 1);
    EXPECT_EQ(copy->batch_hdr_list_name, QStringLiteral("codes"));
    EXPECT_EQ(copy->batch_hdr_list_index, 0);
    EXPECT_EQ(copy->batch_list_name, QStringLiteral(""));
    EXPECT_EQ(copy->header_val, QStringLiteral("A-1"));
}

TEST_F(BarcodeGenWindow, EveryLoadSetsMillimetres)
{
    BARCODE_Unit_Is = 0;
    g->Set_Barcode_Prop_To_Control(*barcodeObject(), false);
    EXPECT_EQ(BARCODE_Unit_Is, 2);
    BARCODE_Unit_Is = 1;
    open(barcodeObject(), [](Barcode_Gen &w) {
        EXPECT_EQ(BARCODE_Unit_Is, 2);
        EXPECT_EQ(w.barHeightLabel->text(), QStringLiteral("Bar Height (mm):"));
        EXPECT_EQ(w.margin_box->title(), QStringLiteral("Margins (mm)"));
        EXPECT_EQ(w.barWidthLabel->text(), QStringLiteral("Bar Width (Mils):"));
    });
}

TEST_F(BarcodeGenWindow, ARenderLoadLeavesEveryControlAsTheDialogLeftIt)
{
    writeSeries(QStringLiteral("codes"), "A-1\nA-2\n");
    auto bound = barcodeObject();
    bound->Set_Data_source_type(1);
    bound->Set_Batch_List_Name(QStringLiteral("codes"));
    bound->Set_Batch_List_Index(0);
    open(bound, nullptr);
    const auto sourceState = [this] {
        QStringList s;
        s << QString::number(g->Data_source_type->currentIndex()) << g->dataText->text() << g->HeaderText->text();
        for (QCheckBox *box : {g->use_value_series_chk, g->use_hdr_series_chk, g->use_ftr_series_chk})
            s << QString::number(box->isChecked());
        for (QComboBox *combo : {g->Batch_Series, g->hdr_combo_list, g->ftr_combo_list})
            s << QString::number(combo->count()) << combo->currentText();
        return s;
    };
    const QStringList before = sourceState();
    ASSERT_EQ(before.at(1), QStringLiteral("A-1"));   // the series' first value, as the dialog shows it

    auto manual = barcodeObject();
    manual->linear_font_val = QStringLiteral("XYZ");
    manual->header_val = QStringLiteral("other");
    g->Set_Barcode_Prop_To_Control(*manual, false);
    EXPECT_EQ(sourceState(), before);
    g->Set_Barcode_Prop_To_Control(*manual, true);
    EXPECT_EQ(sourceState(), before);
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
    EXPECT_FALSE(g->Get_Image_From_Val(manual->linear_font_val, manual->header_val, manual->footer_val).isNull());
}

TEST_F(BarcodeGenWindow, TheLogoTabComesWithQrCodeAsTheThirdTab)
{
    open(barcodeObject(), [](Barcode_Gen &w) {
        EXPECT_EQ(w.sett_tab->count(), 2);
        pick(w.barcodeTypePopup, QStringLiteral("QR Code"));
        ASSERT_EQ(w.sett_tab->count(), 3);
        EXPECT_EQ(w.sett_tab->indexOf(w.qr_logo_tab_item_sett), 2);
        pick(w.barcodeTypePopup, QStringLiteral("QR Code"));
        EXPECT_EQ(w.sett_tab->count(), 3);
        // The 2D pane disables the linear value field.
        EXPECT_FALSE(w.dataText->isEnabled());
        pick(w.barcodeTypePopup, QStringLiteral("PDF417"));
        EXPECT_EQ(w.sett_tab->count(), 2);
        pick(w.barcodeTypePopup, QStringLiteral("Code 128"));
        EXPECT_EQ(w.sett_tab->count(), 2);
        EXPECT_TRUE(w.dataText->isEnabled());
        EXPECT_EQ(w.sett_tab->currentIndex(), 0);
    });
    // A QR object opens with the tab in.
    auto qr = barcodeObject();
    qr->barcode_font_index = 16;
    qr->linear_or_2d = 1;
    open(qr, [](Barcode_Gen &w) { EXPECT_EQ(w.sett_tab->indexOf(w.qr_logo_tab_item_sett), 2); });
}

TEST_F(BarcodeGenWindow, ADataMatrixPictureIsItsModulesAlone)
{
    auto dm = barcodeObject();
    dm->barcode_font_index = 18;
    dm->linear_or_2d = 1;
    dm->two_d_font_val = QStringLiteral("ABC");
    dm->dm_module_val = 3;
    dm->dm_format_index = 1;   // C10X10
    open(dm, [](Barcode_Gen &w) {
        ASSERT_FALSE(w.image_2d.isNull());
        EXPECT_EQ(w.image_2d.size(), QSizeF(30, 30));   // 10 x 10 modules of 3 points, no border
    });
}

TEST_F(BarcodeGenWindow, TheSymbologyChangeAsksForAValueAndThePreviewComesCentred)
{
    open(barcodeObject(), [this](Barcode_Gen &w) {
        ASSERT_TRUE(w.testBarcode);
        pick(w.bar_align_combo, QStringLiteral("TopLeft"));
        EXPECT_EQ(w.barcodeImage->imageAlignment(), Qt::AlignTop | Qt::AlignLeft);
        w.goButtonActionPerformed();
        EXPECT_EQ(w.barcodeImage->imageAlignment(), Qt::Alignment(Qt::AlignCenter));
        w.Set_Two_D_Value_in_Field(QString());
        pick(w.barcodeTypePopup, QStringLiteral("PDF417"));
        EXPECT_EQ(messages(), QStringList{QStringLiteral("\nPlease enter barcode value")});
        EXPECT_FALSE(w.barcodeImage->hasPicture());
    });
}

TEST_F(BarcodeGenWindow, TextEventsOfOtherWindowsAreIgnored)
{
    open(barcodeObject(), [this](Barcode_Gen &w) {
        const platform::Picture before = w.barcodeImage->picture();
        ASSERT_FALSE(before.isNull());
        w.HeaderText->setText(QStringLiteral("New header"));
        QLineEdit elsewhere;
        w.controlTextDidChange(&elsewhere);
        w.textDidEndEditing(&elsewhere);
        w.textDidChange(&elsewhere);
        EXPECT_TRUE(at600(w.barcodeImage->picture()) == at600(before));
        EXPECT_EQ(w.testBarcode->header(), QStringLiteral("HEADER"));
        w.controlTextDidChange(w.HeaderText);
        EXPECT_EQ(w.testBarcode->header(), QStringLiteral("New header"));
        EXPECT_FALSE(at600(w.barcodeImage->picture()) == at600(before));
    });
}

// Assistive technology (and the window checks) find each field by its label's text: the value,
// header and footer fields are told apart, not all named after their box.
TEST_F(BarcodeGenWindow, EachFieldIsNamedByItsLabel)
{
    auto name = [](QWidget *field) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(field);
        return a ? a->text(QAccessible::Name) : QString();
    };
    QStringList names;
    int labelled = 0;
    open(barcodeObject(), [&](Barcode_Gen &w) {
        for (QWidget *field : std::initializer_list<QWidget *>{w.dataText, w.HeaderText, w.FooterText})
            names << name(field);
        // Every label that captions a text field gives it its text (a combo box's name is its
        // choice here; its label reaches assistive technology as its "labelled by" relation).
        for (QLabel *label : w.window->findChildren<QLabel *>()) {
            if (!qobject_cast<QLineEdit *>(label->buddy()))
                continue;
            ++labelled;
            EXPECT_EQ(name(label->buddy()), label->text()) << label->objectName().toStdString();
        }
        w.Cancel_Btn_Clicked();
    });
    EXPECT_EQ(names, (QStringList{QStringLiteral("Barcode Value :"), QStringLiteral("Header :"),
                                  QStringLiteral("Footer :")}));
    EXPECT_GE(labelled, 5);
}

// The window's size and margin fields, as its linear symbol has them, typed in the user's locale and
// ended however the user ends it.
TEST_F(BarcodeGenWindow, EveryNumberFieldReadsAlikeOrRefuses)
{
    open(barcodeObject(), [&](Barcode_Gen &w) {
        EXPECT_EQ(testsupport::sweepNumberFields({{w.HeightText, w.HeightStepper, "bar height"}, {w.widthText, w.widthStepper, "bar width"},
                                                  {w.val_mar_Text, w.val_mar_Stepper, "value margin"}, {w.LR_mar_Text, w.LR_mar_Stepper, "left and right margin"},
                                                  {w.hdr_mar_Text, w.hdr_mar_Stepper, "header margin"}, {w.ftr_mar_Text, w.ftr_mar_Stepper, "footer margin"},
                                                  {w.TB_mar_Text, w.TB_mar_Stepper, "top and bottom margin"}, {w.dpi_Text, w.dpi_Stepper, "resolution"}},
                                                 *responder), "");
        w.Cancel_Btn_Clicked();
    });
}
