// Where a barcode object's value, header and footer come from: the data-source combo, the three
// binding rows, the view buttons, the load and write-back of series and spreadsheet bindings, and
// the combo-box delegate's QR version and resolution choices.

#include "barcode_gen_fixture.h"

#include "data/SeriesListModel.h"
#include "data/View_Data_Series.h"
#include "design/DesignParts.h"
#include "design/RecordBinding.h"
#include "platform/Stepper.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Globals.h"
#include "core/UserFolders.h"

#include <QPushButton>
#include <QTableView>

using namespace barcode_gen_test;

namespace {

std::shared_ptr<SKTGraphic> seriesBound(const QString &value, const QString &header, const QString &footer)
{
    auto o = std::make_shared<SKTBarcode>();
    o->value_font_val = o->header_font_val = o->footer_font_val = QFont(QStringLiteral("DejaVu Sans"), 10);
    o->Set_Data_source_type(1);
    o->Set_Batch_List_Name(value);
    o->Set_Hdr_Batch_List_Name(header);
    o->Set_Ftr_Batch_List_Name(footer);
    o->linear_font_val = QStringLiteral("TYPED");
    return o;
}

} // namespace

TEST_F(BarcodeGenWindow, ChoosingSeriesTicksTheRowsAndClearsTheWorkingCopysBinding)
{
    writeSeries(QStringLiteral("alpha"), "A-1\nA-2\n");
    writeSeries(QStringLiteral("beta"), "B-1\n");
    auto bound = seriesBound(QStringLiteral("alpha"), QStringLiteral("beta"), QString());
    open(bound, [](Barcode_Gen &w) {
        ASSERT_EQ(w.pass_barcode_control->batch_list_name, QStringLiteral("alpha"));
        pick(w.Data_source_type, QStringLiteral("Manual"));
        EXPECT_TRUE(w.Batch_Series->isHidden());
        EXPECT_FALSE(w.dataText->isReadOnly());
        EXPECT_EQ(w.pass_barcode_control->data_source_type, 0);
        pick(w.Data_source_type, QStringLiteral("Batch Processing Series"));
        for (QCheckBox *box : {w.use_value_series_chk, w.use_hdr_series_chk, w.use_ftr_series_chk})
            EXPECT_TRUE(box->isChecked());
        for (QComboBox *combo : {w.Batch_Series, w.hdr_combo_list, w.ftr_combo_list}) {
            EXPECT_FALSE(combo->isHidden());
            EXPECT_EQ(combo->currentText(), combo_first_Select);
            EXPECT_EQ(combo->count(), 3);   // the placeholder and the two series, sorted
            EXPECT_EQ(combo->itemText(1), QStringLiteral("alpha"));
        }
        EXPECT_EQ(w.pass_barcode_control->batch_list_name, QStringLiteral(""));
        EXPECT_EQ(w.pass_barcode_control->batch_hdr_list_name, QStringLiteral(""));
        EXPECT_EQ(w.pass_barcode_control->batch_list_index, -1);
        EXPECT_EQ(w.pass_barcode_control->data_source_type, 1);
        EXPECT_TRUE(w.dataText->isReadOnly());
    });
}

TEST_F(BarcodeGenWindow, AChosenSeriesFillsItsRowOnlyWhileTheRowIsTicked)
{
    writeSeries(QStringLiteral("alpha"), "  A-1  \nA-2\n");
    writeSeries(QStringLiteral("beta"), "B-1\n");
    open(barcodeObject(), [](Barcode_Gen &w) {
        pick(w.Data_source_type, QStringLiteral("Batch Processing Series"));
        pick(w.Batch_Series, QStringLiteral("alpha"));
        EXPECT_EQ(w.dataText->text(), QStringLiteral("A-1"));
        EXPECT_EQ(w.Get_Two_D_Value_From_Field(), QStringLiteral("A-1"));
        EXPECT_EQ(w.pass_barcode_control->batch_list_name, QStringLiteral("alpha"));
        EXPECT_EQ(w.pass_barcode_control->batch_list_index, 0);
        // "<--Select-->" changes nothing.
        pick(w.Batch_Series, combo_first_Select);
        EXPECT_EQ(w.dataText->text(), QStringLiteral("A-1"));
        EXPECT_EQ(w.pass_barcode_control->batch_list_name, QStringLiteral("alpha"));
        // Unticked, the row keeps what was typed but its binding still follows the choice.
        w.use_hdr_series_chk->click();
        EXPECT_FALSE(w.hdr_combo_list->isEnabled());
        w.HeaderText->setText(QStringLiteral("typed header"));
        pick(w.hdr_combo_list, QStringLiteral("beta"));
        EXPECT_EQ(w.HeaderText->text(), QStringLiteral("typed header"));
        // Ticked again, the chosen series' value comes in.
        w.use_hdr_series_chk->click();
        EXPECT_EQ(w.HeaderText->text(), QStringLiteral("B-1"));
        w.use_ftr_series_chk->click();
        pick(w.Batch_Series, QStringLiteral("alpha"));
        w.OK_Btn_Clicked();
    });
    EXPECT_EQ(messages(), QStringList());
    ASSERT_NE(Barcode_output_image, nullptr);
}

TEST_F(BarcodeGenWindow, ASeriesBindingLoadsWithItsRowsAndADeletedSeriesLoadsUnticked)
{
    writeSeries(QStringLiteral("alpha"), "A-1\n");
    writeSeries(QStringLiteral("beta"), "B-1\n");
    auto bound = seriesBound(QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma"));
    auto copy = open(bound, [](Barcode_Gen &w) {
        EXPECT_EQ(w.Data_source_type->currentText(), QStringLiteral("Batch Processing Series"));
        EXPECT_TRUE(w.use_value_series_chk->isChecked());
        EXPECT_EQ(w.Batch_Series->currentText(), QStringLiteral("alpha"));
        EXPECT_EQ(w.dataText->text(), QStringLiteral("A-1"));
        EXPECT_EQ(w.HeaderText->text(), QStringLiteral("B-1"));
        EXPECT_FALSE(w.use_ftr_series_chk->isChecked());   // "gamma" has no file
        EXPECT_EQ(w.ftr_combo_list->currentIndex(), -1);
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->batch_list_name, QStringLiteral("alpha"));
    EXPECT_EQ(copy->batch_hdr_list_index, 1);
    EXPECT_EQ(copy->batch_ftr_list_name, QStringLiteral(""));

    // The value's series deleted: the row is unticked and the object's own value is shown.
    QFile::remove(Data_Folder_Path + QStringLiteral("/alpha.txt"));
    copy = open(bound, [](Barcode_Gen &w) {
        EXPECT_FALSE(w.use_value_series_chk->isChecked());
        EXPECT_FALSE(w.Batch_Series->isEnabled());
        EXPECT_FALSE(w.dataText->isReadOnly());
        EXPECT_EQ(w.dataText->text(), QStringLiteral("TYPED"));
        EXPECT_TRUE(w.use_hdr_series_chk->isChecked());
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->batch_list_name, QStringLiteral(""));
    EXPECT_EQ(copy->batch_hdr_list_name, QStringLiteral("beta"));
}

TEST_F(BarcodeGenWindow, ASeriesNameLeadingOutsideTheFolderFindsNothing)
{
    QDir(Data_Folder_Path).mkpath(QStringLiteral("sub"));
    QFile inside(Data_Folder_Path + QStringLiteral("/sub/inner.txt"));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.write("SECRET\n");
    inside.close();
    QFile dots(Data_Folder_Path + QStringLiteral("/...txt"));   // the file a name ".." would name
    ASSERT_TRUE(dots.open(QIODevice::WriteOnly));
    dots.write("DOTS\n");
    dots.close();
    writeSeries(QStringLiteral("real"), "R-1\n");
    auto bound = seriesBound(QStringLiteral("sub/inner"), QStringLiteral(".."), QStringLiteral("real"));
    open(bound, [](Barcode_Gen &w) {
        EXPECT_FALSE(w.use_value_series_chk->isChecked());
        EXPECT_FALSE(w.use_hdr_series_chk->isChecked());
        EXPECT_EQ(w.dataText->text(), QStringLiteral("TYPED"));
        EXPECT_NE(w.HeaderText->text(), QStringLiteral("DOTS"));
        EXPECT_TRUE(w.use_ftr_series_chk->isChecked());
        EXPECT_EQ(w.FooterText->text(), QStringLiteral("R-1"));
    });
}

TEST_F(BarcodeGenWindow, ChoosingTheSpreadsheetKeepsAStoredColumnStillInTheList)
{
    recordsOf(env.design()).Linked_Sheet.columnTitles = {QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("City")};
    recordsOf(env.design()).Linked_Sheet.rows = {{{QStringLiteral("Extension"), QStringLiteral("1")},
                                      {QStringLiteral("Column1"), QStringLiteral("C-100")},
                                      {QStringLiteral("Column2"), QStringLiteral("Anna")},
                                      {QStringLiteral("Column3"), QStringLiteral("Oslo")}}};
    Excel_Binding_Use = true;
    auto bound = barcodeObject();
    bound->barcode_font_index = 9;   // Code 128
    bound->Set_Data_source_type(2);
    bound->Set_Excel_binding_Index(1);
    bound->Set_Hdr_Batch_List_Index(-1);
    bound->Set_Ftr_Batch_List_Index(3);
    auto copy = open(bound, [](Barcode_Gen &w) {
        EXPECT_EQ(w.Data_source_type->count(), 3);
        EXPECT_EQ(w.Data_source_type->currentText(), QStringLiteral("Excel"));
        EXPECT_EQ(w.Batch_Series->currentText(), QStringLiteral("Code"));
        EXPECT_TRUE(w.use_value_series_chk->isChecked());
        EXPECT_TRUE(w.dataText->isReadOnly());
        EXPECT_FALSE(w.use_hdr_series_chk->isChecked());
        EXPECT_EQ(w.FooterText->text(), QStringLiteral("Oslo"));
        // Choosing the source again keeps the value column and starts header and footer over.
        pick(w.Data_source_type, QStringLiteral("Manual"));
        w.pass_barcode_control->Set_Excel_binding_Index(2);
        pick(w.Data_source_type, QStringLiteral("Excel"));
        EXPECT_EQ(w.Batch_Series->currentText(), QStringLiteral("Name"));
        EXPECT_EQ(w.hdr_combo_list->currentText(), combo_first_Select);
        EXPECT_EQ(w.ftr_combo_list->currentText(), combo_first_Select);
        pick(w.Batch_Series, QStringLiteral("City"));
        EXPECT_EQ(w.dataText->text(), QStringLiteral("Oslo"));
        w.use_hdr_series_chk->click();
        w.use_ftr_series_chk->click();
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->data_source_type, 2);
    EXPECT_EQ(copy->excel_col_indx, 3);
    EXPECT_EQ(copy->batch_hdr_list_index, -1);
    EXPECT_EQ(copy->batch_ftr_list_index, -1);

    // A stored column beyond the list starts at "<--Select-->".
    auto far = barcodeObject();
    far->Set_Data_source_type(2);
    far->Set_Excel_binding_Index(9);
    open(far, [](Barcode_Gen &w) {
        pick(w.Data_source_type, QStringLiteral("Manual"));
        pick(w.Data_source_type, QStringLiteral("Excel"));
        EXPECT_EQ(w.Batch_Series->currentIndex(), 0);
    });
}

TEST_F(BarcodeGenWindow, ASpreadsheetBindingWithNoLinkedSheetLoadsWithNoSourceUntilTheUserChooses)
{
    Excel_Binding_Use = false;
    auto bound = barcodeObject();
    bound->Set_Data_source_type(2);
    bound->Set_Excel_binding_Index(2);
    bound->header_val = QStringLiteral("still loaded");
    const auto copy = open(bound, [this](Barcode_Gen &w) {
        EXPECT_EQ(w.Data_source_type->count(), 2);
        EXPECT_EQ(w.Data_source_type->currentIndex(), -1);
        EXPECT_EQ(w.HeaderText->text(), QStringLiteral("still loaded"));
        EXPECT_TRUE(w.barcodeImage->hasPicture());
        w.OK_Btn_Clicked();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("\nPlease select datasource.")});
        EXPECT_EQ(w.window->result(), 0);
        w.Cancel_Btn_Clicked();
    });
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(bound->data_source_type, 2);
    EXPECT_EQ(bound->excel_col_indx, 2);
}

TEST_F(BarcodeGenWindow, TheViewButtonsOpenTheViewerOfTheRowsSource)
{
    writeSeries(QStringLiteral("alpha"), "A-1\n\n  A-2 \n");
    QStringList shown;
    open(barcodeObject(), [&](Barcode_Gen &w) {
        w.View_batch_Series_Button();   // manual: nothing
        pick(w.Data_source_type, QStringLiteral("Batch Processing Series"));
        responder->onModal = [&](QDialog &dialog) {
            shown = View_Data_Series::defaultInstance()->ListData->values();
            return dialog.result();
        };
        w.view_hdr_series_btn->click();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("\nPlease select the series.")});
        EXPECT_TRUE(shown.isEmpty());
        pick(w.hdr_combo_list, QStringLiteral("alpha"));
        w.view_hdr_series_btn->click();
    });
    EXPECT_EQ(shown, (QStringList{QStringLiteral("A-1"), QStringLiteral("A-2")}));
}

TEST_F(BarcodeGenWindow, TheDelegatesQrVersionAndResolutionChoices)
{
    auto qr = barcodeObject();
    qr->barcode_font_index = 16;
    qr->linear_or_2d = 1;
    qr->qr_size_val = 30;
    qr->qr_version_index = 3;
    open(qr, [](Barcode_Gen &w) {
        EXPECT_EQ(w.DES_QR_Version_Val, 3);
        EXPECT_EQ(w.HeightStepper_2D->minValue(), 29);
        pick(w.qr_version_ComboBox, QStringLiteral("4"));
        EXPECT_EQ(w.DES_QR_Version_Val, 4);
        EXPECT_EQ(w.HeightText_2D->text(), QStringLiteral("33"));
        pick(w.qr_version_ComboBox, QStringLiteral("Auto"));
        EXPECT_EQ(w.DES_QR_Version_Val, -1);
        EXPECT_EQ(w.HeightStepper_2D->minValue(), 21);
        pick(w.qr_ec_lvl_ComboBox, QStringLiteral("H"));
        EXPECT_EQ(w.DES_QR_EC_Level_Val, 3);
        pick(w.qr_enc_mode_ComboBox, QStringLiteral("Byte"));
        EXPECT_EQ(w.DES_QR_Enc_Mode_Val, 3);

        pick(w.DPI_ComboBox, QStringLiteral("Custom"));
        EXPECT_FALSE(w.dpi_Stepper->isHidden());
        EXPECT_EQ(w.windowResolution(), w.dpi_Stepper->intValue());
        pick(w.DPI_ComboBox, QStringLiteral("Auto"));
        EXPECT_TRUE(w.dpi_Stepper->isHidden());
        EXPECT_EQ(w.windowResolution(), 600);
        pick(w.DPI_ComboBox, QStringLiteral("150 DPI"));
        EXPECT_EQ(w.windowResolution(), 150);
    });
    // In the linear family the QR combos do nothing.
    g->DES_QR_Version_Val = 7;
    open(barcodeObject(), [](Barcode_Gen &w) {
        pick(w.qr_version_ComboBox, QStringLiteral("9"));
        EXPECT_EQ(w.DES_QR_Version_Val, 7);
    });
}
