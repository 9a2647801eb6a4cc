// The label export sheet alone, without the main window: made from its form, prepared from the batch
// state, and used as the user does (radios, steppers, typing, buttons), with a recording design side.
// Only the cases that check its messages make the program's controller, which shows them.

#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "output/ExportSheetHost.h"
#include "output/ExportWindow.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/DataFolderEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The design's side: records the calls; turning the batch on finds series values and 6 records.
class RecordingHost : public ExportSheetHost {
public:
    QStringList calls;
    int excelRows = 0;
    void Check_Data_Sheet_Value_Use_or_Not() override
    {
        calls << QStringLiteral("series");
        Use_Data_Sheet_Values = true;
    }
    void Check_Excel_Binding_Value_Use_or_Not() override { calls << QStringLiteral("columns"); }
    void Get_total_Card_count() override
    {
        calls << QStringLiteral("count");
        Total_Batch_Excel_Card = Use_Data_Sheet_Values || Use_Excel_Binding_Values ? 6 : 1;
    }
    void Open_Series_Value_Box(const QString &seriesName) override { calls << QStringLiteral("view ") + seriesName; }
    int Calculate_Excel_table_rows() override { return excelRows; }
    void Open_Excel_Data_Box() override { calls << QStringLiteral("view columns"); }
};

class ExportWindowAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        Data_Folder_Path = data.path();
        sheet = std::make_unique<ExportWindow>();
        sheet->setHost(&host);
    }
    ExportWindow &w() { return *sheet; }
    // A sheet prepared for a design whose series values give `records` records.
    void prepareWithSeries(int records)
    {
        Use_Data_Sheet_Values = true;
        Total_Batch_Excel_Card = records;
        w().Prepare_Export_Sheet();
    }
    // Typed over as a user types, then Return.
    void type(QLineEdit *field, const QString &text)
    {
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void writeSeries(const QString &name)
    {
        QFile f(QDir(data.path()).filePath(name + QStringLiteral(".txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\n2\n");
    }

    testsupport::DataFolderEnvironment folders;   // fresh globals before and after
    testsupport::ResponderScope responder;
    RecordingHost host;
    QTemporaryDir data;
    QTemporaryDir destination;
    std::unique_ptr<ExportWindow> sheet;
};

// The sheet alone again, with the program's controller (without its window) that shows messages.
class ExportWindowMessages : public ExportWindowAlone {
protected:
    void SetUp() override
    {
        ASSERT_NE(env.controller(), nullptr);
        ExportWindowAlone::SetUp();
    }
    void TearDown() override { sheet.reset(); }   // the sheet goes before the controller

    testsupport::AppEnvironment env;
};

TEST_F(ExportWindowAlone, FormIsBoundWithItsRowIdsAndRecordSteppers)
{
    EXPECT_EQ(w().objectName(), QStringLiteral("ExportWindow"));
    EXPECT_EQ(w().windowModality(), Qt::ApplicationModal);
    const QList<QRadioButton *> rows = {w().exp_rad_def, w().exp_rad_sn,  w().exp_rad_sv,
                                        w().exp_rad_snv, w().exp_rad_cus, w().exp_rad_exl_col};
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(w().ex_bar_matrix_file_name->id(rows[i]), i) << rows[i]->objectName().toStdString();
    EXPECT_EQ(w().matrix_export_card_side->id(w().exp_side_both), 0);
    EXPECT_EQ(w().matrix_export_card_side->id(w().exp_side_front), 1);
    EXPECT_EQ(w().matrix_export_card_side->id(w().exp_side_back), 2);
    for (platform::Stepper *s : {w().Total_Stepper, w().from_Stepper, w().To_Stepper})
        EXPECT_DOUBLE_EQ(s->minValue(), 1) << s->objectName().toStdString();
    EXPECT_EQ(w().Export_Full_Size, w().size());
    QWidget owner;
    ExportWindow sheetOfOwner(&owner);
    EXPECT_EQ(sheetOfOwner.windowModality(), Qt::WindowModal);
}

TEST_F(ExportWindowAlone, RangeRadiosSwitchTheirControls)
{
    prepareWithSeries(8);
    const QList<QWidget *> total = {w().tot_label, w().Total_Stepper, w().Total_Text};
    const QList<QWidget *> fromTo = {w().from_label, w().from_Stepper, w().from_Text,
                                     w().to_label,   w().To_Stepper,   w().To_Text};
    struct Case {
        QRadioButton *clicked;
        bool selected;
    };
    for (const Case &k : QList<Case>{{w().Sel_print_rd, true}, {w().All_print_rd, false}, {w().Sel_print_rd, true}}) {
        k.clicked->click();
        EXPECT_EQ(w().Sel_print_rd->isChecked(), k.selected);
        EXPECT_EQ(w().All_print_rd->isChecked(), !k.selected);
        for (QWidget *c : total)
            EXPECT_EQ(c->isEnabled(), !k.selected) << c->objectName().toStdString();
        for (QWidget *c : fromTo)
            EXPECT_EQ(c->isEnabled(), k.selected) << c->objectName().toStdString();
        EXPECT_EQ(w().values().selectedRange, k.selected);
    }
}

TEST_F(ExportWindowAlone, SteppersAndFieldsFollowEachOther)
{
    prepareWithSeries(8);
    struct Pair {
        QRadioButton *range;   // the radio that enables the pair
        QLineEdit *field;
        platform::Stepper *stepper;
        void (ExportWindow::*changed)(QObject *);
    };
    const QList<Pair> pairs = {{w().Sel_print_rd, w().from_Text, w().from_Stepper, &ExportWindow::From_Stepper_Changed},
                               {w().Sel_print_rd, w().To_Text, w().To_Stepper, &ExportWindow::To_Stepper_Changed},
                               {w().All_print_rd, w().Total_Text, w().Total_Stepper, &ExportWindow::Total_Val_Changed}};
    for (const Pair &p : pairs) {
        const std::string what = p.field->objectName().toStdString();
        p.range->click();
        p.stepper->setIntValue(4);
        p.stepper->stepDown();   // the user's arrow
        EXPECT_EQ(p.field->text(), QStringLiteral("3")) << what;
        p.field->setText(QStringLiteral(" 6 "));
        (w().*p.changed)(p.field);   // a change from the field goes into the stepper
        EXPECT_EQ(p.stepper->intValue(), 6) << what;
        EXPECT_EQ(p.field->text(), QStringLiteral(" 6 ")) << what;
    }
}

TEST_F(ExportWindowAlone, TypedRangeComesBackIntoTheRecords)
{
    Total_Batch_Excel_Card = 20;
    struct Case {
        bool batch;
        QLineEdit *field;
        QString typed;
        QString shown;
    };
    const QList<Case> cases = {
        {false, w().Total_Text, QString(), QStringLiteral("1")},
        {false, w().Total_Text, QStringLiteral("25"), QStringLiteral("25")},   // no batch: no cap
        {true, w().Total_Text, QStringLiteral("25"), QStringLiteral("20")},
        {true, w().Total_Text, QStringLiteral("7x"), QStringLiteral("7")},
        {false, w().from_Text, QStringLiteral("0"), QStringLiteral("1")},
        {false, w().from_Text, QStringLiteral("-4"), QStringLiteral("1")},
        {false, w().from_Text, QStringLiteral("abc"), QStringLiteral("1")},
        {false, w().from_Text, QStringLiteral("30"), QStringLiteral("20")},    // capped with or without batch
        {false, w().To_Text, QStringLiteral("30"), QStringLiteral("20")},
        {true, w().To_Text, QStringLiteral("+5"), QStringLiteral("5")},
    };
    for (const Case &k : cases) {
        w().Export_with_batch_chk->setChecked(k.batch);
        type(k.field, k.typed);
        const std::string what = k.field->objectName().toStdString() + " " + k.typed.toStdString();
        EXPECT_EQ(k.field->text(), k.shown) << what;
        platform::Stepper *stepper = k.field == w().Total_Text ? w().Total_Stepper
                                     : k.field == w().To_Text  ? w().To_Stepper
                                                               : w().from_Stepper;
        EXPECT_EQ(stepper->intValue(), k.shown.toInt()) << what;
    }
    // The spreadsheet option caps the total as the batch option does.
    w().Export_with_batch_chk->setChecked(false);
    w().Export_with_excel_chk->setChecked(true);
    type(w().Total_Text, QStringLiteral("25"));
    EXPECT_EQ(w().Total_Text->text(), QStringLiteral("20"));
}

TEST_F(ExportWindowMessages, NamingRowsShowWhatTheyNeedAndOkLeavesTheirToken)
{
    Use_Data_Sheet_Values = Use_Excel_Binding_Values = true;
    Total_Batch_Excel_Card = 2;
    w().Prepare_Export_Sheet();
    w().Used_Seres_In_Design->addItem(QStringLiteral("Names"));
    w().Used_Excel_Col_In_Design->addItem(QStringLiteral("Code"));
    w().Used_Excel_Col_Index->addItem(QStringLiteral("4"));
    w().Export_Dest_Path->setText(destination.path());
    struct Case {
        QRadioButton *row;
        bool series, column, custom;
        QString token;
    };
    const QList<Case> cases = {
        {w().exp_rad_sn, true, false, false, QStringLiteral("<SN>")},
        {w().exp_rad_sv, true, false, false, QStringLiteral("<SV>")},
        {w().exp_rad_snv, true, false, false, QStringLiteral("<SNV>")},
        {w().exp_rad_exl_col, false, true, false, QStringLiteral("<ECOL>")},
        {w().exp_rad_cus, false, false, true, QStringLiteral("My_label")},
        {w().exp_rad_def, false, false, false, QStringLiteral("<DEF>")},
    };
    for (const Case &k : cases) {
        const std::string what = k.row->objectName().toStdString();
        k.row->click();
        EXPECT_TRUE(k.row->isChecked()) << what;
        for (QWidget *c : std::initializer_list<QWidget *>{w().Used_Seres_In_Design, w().Used_Seres_Label, w().View_export_Series_btn})
            EXPECT_EQ(!c->isHidden(), k.series) << what;
        for (QWidget *c : std::initializer_list<QWidget *>{w().Used_Excel_Col_In_Design, w().View_export_Exl_Col_btn})
            EXPECT_EQ(!c->isHidden(), k.column) << what;
        EXPECT_EQ(!w().ex_bar_cus_name->isHidden(), k.custom) << what;
        w().Used_Seres_In_Design->setCurrentIndex(0);
        w().Used_Excel_Col_In_Design->setCurrentIndex(0);
        if (k.custom)
            w().ex_bar_cus_name->setText(QStringLiteral(" My.label "));
        w().setResult(0);
        w().export_btn_on_export_image->click();
        EXPECT_EQ(w().result(), 1) << what;
        EXPECT_EQ(file_name_exported, k.token) << what;
    }
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_EQ(file_exl_col_exported, 4);
}

TEST_F(ExportWindowAlone, SideRadiosChooseTheSide)
{
    struct Case {
        QRadioButton *side;
        QString chosen;
        bool combinedOptions;
    };
    for (const Case &k : QList<Case>{{w().exp_side_both, QStringLiteral("BOTH"), true},
                                     {w().exp_side_back, QStringLiteral("B"), false},
                                     {w().exp_side_front, QStringLiteral("F"), false}}) {
        k.side->click();
        EXPECT_EQ(export_card_side, k.chosen);
        EXPECT_EQ(w().export_combined_image_chk->isEnabled(), k.combinedOptions) << k.chosen.toStdString();
        EXPECT_EQ(w().combined_image_H_or_V_chk->isEnabled(), k.combinedOptions) << k.chosen.toStdString();
    }
}

TEST_F(ExportWindowAlone, PrefixBoxFollowsItsCheckBox)
{
    w().Prepare_Export_Sheet();
    EXPECT_FALSE(w().prefix_sufix_box->isEnabled());
    w().prefix_suffix_chk_box->click();
    EXPECT_TRUE(w().prefix_sufix_box->isEnabled());
    w().prefix_suffix_chk_box->click();
    EXPECT_FALSE(w().prefix_sufix_box->isEnabled());
}

TEST_F(ExportWindowAlone, CancelForgetsTheChoices)
{
    file_name_exported = QStringLiteral("<SN>");
    file_prefix_exported = QStringLiteral("A");
    file_sufix_exported = QStringLiteral("B");
    file_path_ext = QStringLiteral("png");
    file_series_exported = QStringLiteral("Names");
    w().setResult(1);
    w().export_cancel_btn->click();
    EXPECT_EQ(w().result(), 0);
    for (const QString *s : {&file_name_exported, &file_prefix_exported, &file_sufix_exported, &file_path_ext, &file_series_exported})
        EXPECT_TRUE(s->isEmpty());
}

TEST_F(ExportWindowAlone, OkWithASelectedRangeLeavesIt)
{
    prepareWithSeries(8);
    w().Export_Dest_Path->setText(destination.path());
    w().Sel_print_rd->click();
    type(w().from_Text, QStringLiteral("2"));
    type(w().To_Text, QStringLiteral("5"));
    w().ex_bar_image_type_combo->setCurrentIndex(1);
    w().export_btn_on_export_image->click();
    EXPECT_EQ(w().result(), 1);
    EXPECT_EQ(Print_Start, 1);
    EXPECT_EQ(Print_End, 5);
    EXPECT_EQ(Total_Label, 5);
    EXPECT_EQ(file_path_ext, QStringLiteral("tiff"));
    EXPECT_EQ(file_export_Path, destination.path());
    const ExportWindow::Values v = w().values();
    EXPECT_TRUE(v.batch);
    EXPECT_TRUE(v.selectedRange);
    EXPECT_EQ(v.from, 2);
    EXPECT_EQ(v.to, 5);
}

TEST_F(ExportWindowAlone, BatchOptionAsksTheDesignForItsRecords)
{
    prepareWithSeries(6);
    EXPECT_TRUE(w().Export_with_batch_chk->isChecked());
    w().Export_with_batch_chk->click();   // off
    EXPECT_FALSE(Use_Data_Sheet_Values);
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("count")});
    EXPECT_EQ(Total_Label, 1);
    EXPECT_EQ(w().Total_Text->text(), QStringLiteral("1"));
    EXPECT_FALSE(w().export_range_box->isEnabled());
    EXPECT_DOUBLE_EQ(w().Total_Stepper->maxValue(), 999999);
    host.calls.clear();
    w().Export_with_batch_chk->click();   // on again
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("series"), QStringLiteral("columns"), QStringLiteral("count")}));
    EXPECT_EQ(Total_Label, 6);
    EXPECT_EQ(w().Total_Text->text(), QStringLiteral("6"));
    EXPECT_EQ(w().To_Text->text(), QStringLiteral("6"));
    EXPECT_DOUBLE_EQ(w().To_Stepper->maxValue(), 6);
    EXPECT_TRUE(w().export_range_box->isEnabled());
}

TEST_F(ExportWindowAlone, PreparedFromTheBatchState)
{
    struct Case {
        const char *what;
        bool series, columns;
        bool batch;           // the batch option on and enabled, its groups shown
        double limit;         // the range steppers' maximum
        bool seriesRows, columnRow;
    };
    const QList<Case> cases = {
        {"no batch values", false, false, false, 999999, false, false},
        {"series values", true, false, true, 8, true, false},
        {"spreadsheet values", false, true, true, 8, false, true},
        {"both", true, true, true, 8, true, true},
    };
    for (const Case &k : cases) {
        // A sheet left in another state by the user before.
        w().exp_rad_cus->click();
        w().prefix_suffix_chk_box->click();
        w().Export_Dest_Path->setText(QStringLiteral("/somewhere"));
        w().Sel_print_rd->setChecked(true);
        Use_Data_Sheet_Values = k.series;
        Use_Excel_Binding_Values = k.columns;
        Total_Label = 1;
        Total_Batch_Excel_Card = 8;
        w().Prepare_Export_Sheet();
        EXPECT_TRUE(w().Export_Dest_Path->text().isEmpty()) << k.what;
        EXPECT_TRUE(w().exp_rad_def->isChecked()) << k.what;
        EXPECT_TRUE(w().ex_bar_cus_name->isHidden()) << k.what;
        EXPECT_FALSE(w().prefix_suffix_chk_box->isChecked()) << k.what;
        EXPECT_TRUE(w().All_print_rd->isChecked()) << k.what;
        EXPECT_TRUE(w().Total_Text->isHidden()) << k.what;
        EXPECT_EQ(export_card_side, QStringLiteral("F")) << k.what;
        EXPECT_EQ(Total_Label, 8) << k.what;
        EXPECT_EQ(w().Export_with_batch_chk->isChecked(), k.batch) << k.what;
        EXPECT_EQ(w().Export_with_batch_chk->isEnabled(), k.batch) << k.what;
        EXPECT_EQ(w().Export_with_excel_chk->isChecked(), k.columns) << k.what;
        EXPECT_TRUE(w().Export_with_excel_chk->isHidden()) << k.what;
        EXPECT_EQ(!w().export_range_box->isHidden(), k.batch) << k.what;
        EXPECT_EQ(w().export_range_box->isEnabled(), k.batch) << k.what;
        EXPECT_EQ(w().Total_Text->text(), QStringLiteral("8")) << k.what;
        EXPECT_EQ(w().To_Text->text(), QStringLiteral("8")) << k.what;
        EXPECT_EQ(w().from_Text->text(), QStringLiteral("1")) << k.what;
        EXPECT_DOUBLE_EQ(w().To_Stepper->maxValue(), k.limit) << k.what;
        EXPECT_EQ(w().exp_rad_sn->isEnabled(), k.seriesRows) << k.what;
        EXPECT_EQ(w().exp_rad_exl_col->isEnabled(), k.columnRow) << k.what;
        EXPECT_FALSE(w().exp_side_both->isEnabled()) << k.what;
    }
}

TEST_F(ExportWindowAlone, SheetClosesUpWithoutItsBatchPart)
{
    Total_Batch_Excel_Card = 3;
    w().Prepare_Export_Sheet();
    EXPECT_LT(w().height(), w().Export_Full_Size.height());
    Use_Data_Sheet_Values = true;
    w().Show_Hide_export_Range_Box();
    EXPECT_EQ(w().size(), w().Export_Full_Size);
    for (QWidget *part : std::initializer_list<QWidget *>{w().series_radio_box, w().excel_radio_box,
                                                          w().Export_with_batch_chk, w().export_range_box})
        EXPECT_FALSE(part->isHidden()) << part->objectName().toStdString();
}

TEST_F(ExportWindowAlone, UsedDataListsTakeTheBatchObjectsOnce)
{
    writeSeries(QStringLiteral("Names"));
    writeSeries(QStringLiteral("Heads"));
    Use_Data_Sheet_Values = Use_Excel_Binding_Values = true;
    auto text = [](int source, const QString &series, int column, int printObject = 0) {
        auto t = std::make_shared<SKTText>();
        t->data_source_type = source;
        t->batch_list_name = series;
        t->excel_col_indx = column;
        t->print_object = printObject;
        return std::static_pointer_cast<SKTGraphic>(t);
    };
    auto seriesCode = std::make_shared<SKTBarcode>();
    seriesCode->data_source_type = 1;
    seriesCode->batch_list_name = QStringLiteral("Names");
    seriesCode->batch_hdr_list_name = QStringLiteral("Heads");
    seriesCode->batch_ftr_list_name = QStringLiteral("Gone");   // no series file
    auto columnCode = std::make_shared<SKTBarcode>();
    columnCode->data_source_type = 2;
    columnCode->excel_col_indx = 1;
    columnCode->batch_hdr_list_index = 3;
    columnCode->batch_ftr_list_index = 9;   // past the table
    const QList<std::shared_ptr<SKTGraphic>> front = {
        text(1, QStringLiteral(" Names "), 0), seriesCode, text(1, QStringLiteral("Skipped"), 0, 1), columnCode,
        text(2, QString(), 3), text(2, QString(), 2, 1), nullptr};
    w().Prepare_Export_Sheet();
    w().Fill_Used_Data_Lists(front, {QStringLiteral("Name"), QStringLiteral("Code"), QStringLiteral("City")});
    auto items = [](const QComboBox *combo) {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    };
    EXPECT_EQ(items(w().Used_Seres_In_Design), (QStringList{QStringLiteral("Names"), QStringLiteral("Heads")}));
    EXPECT_EQ(items(w().Used_Excel_Col_In_Design), (QStringList{QStringLiteral("Name"), QStringLiteral("City")}));
    EXPECT_EQ(items(w().Used_Excel_Col_Index), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(w().Used_Seres_In_Design->currentIndex(), -1);
    EXPECT_EQ(w().Used_Excel_Col_In_Design->currentIndex(), -1);
}

TEST_F(ExportWindowAlone, DestinationButtonTakesTheChosenFolder)
{
    w().Export_Dest_Path->setText(QStringLiteral("/before"));
    responder->openAnswers = {QStringList{}};
    w().Export_Dest_Path_btn->click();   // cancelled
    EXPECT_EQ(w().Export_Dest_Path->text(), QStringLiteral("/before"));
    responder->openAnswers = {QStringList{destination.path()}};
    w().Export_Dest_Path_btn->click();
    EXPECT_EQ(w().Export_Dest_Path->text(), destination.path());
    ASSERT_EQ(responder->openRequests.size(), 2);
    EXPECT_TRUE(responder->openRequests.last().canChooseDirectories);
    EXPECT_FALSE(responder->openRequests.last().canChooseFiles);
}

TEST_F(ExportWindowMessages, ViewButtonsOpenTheDesignsData)
{
    Use_Excel_Binding_Values = true;
    prepareWithSeries(2);
    w().exp_rad_sn->click();
    w().View_export_Series_btn->click();   // nothing chosen
    w().Used_Seres_In_Design->addItem(QStringLiteral("Names"));
    w().Used_Seres_In_Design->setCurrentIndex(0);
    w().View_export_Series_btn->click();
    w().exp_rad_exl_col->click();
    w().View_export_Exl_Col_btn->click();   // no spreadsheet rows
    host.excelRows = 3;
    w().View_export_Exl_Col_btn->click();
    EXPECT_EQ(responder->alertMessages(), (QStringList{QStringLiteral("\nPlease select the series."),
                                                       QStringLiteral("\nThere is no excel data to view.")}));
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("view Names"), QStringLiteral("view columns")}));
}

TEST_F(ExportWindowAlone, RunAnswersTheSheetsResultAndPutsItAway)
{
    for (int answer : {1, 0}) {
        QDialog *seen = nullptr;
        w().Run_Export_Sheet = [&](QDialog &shown) {
            seen = &shown;
            shown.show();
            return answer;
        };
        EXPECT_EQ(w().Run_Sheet(), answer);
        EXPECT_EQ(seen, sheet.get());
        EXPECT_TRUE(w().isHidden());
    }
}

} // namespace
