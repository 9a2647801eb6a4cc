// The window controller's design copy around batch jobs, the record list, the workbook link and
// the small checks.

#include "app/SKTWindowController.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "data/ColumnTableModel.h"
#include "data/Data_From_Excel.h"
#include "data/Import_Excel.h"
#include "data/View_All_Used_Data.h"
#include "barcodemode/BarcodeModeController.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "model/ObjectArchive.h"
#include "model/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "support/AppEnvironment.h"
#include "support/PageControl.h"
#include "support/ScriptedResponder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QProcess>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class DesignBackup : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        page = std::make_unique<QWidget>();
        workAreaOf(c->design()).buildDesigningPanel(page.get());
        Barcode_Setting_Or_Designing_Mode = 1;
    }
    // A button of the Designing mode's source page, by its outlet name.
    QPushButton *sourceButton(const char *name)
    {
        return testsupport::pageControl<QPushButton>(sidebarOf(c->design()).datasource_tab, name);
    }
    void TearDown() override
    {
        Import_Excel::defaultInstance()->runner = nullptr;
        page.reset();
    }
    SKTDocument &doc() { return *c->document(); }
    std::shared_ptr<SKTText> text(const QString &value, const QString &id = QString())
    {
        auto t = std::make_shared<SKTText>();
        t->_bounds = QRectF(10, 10, 80, 20);
        t->Set_text_value(value);
        t->control_ID = id;
        return t;
    }
    void put(const SKTGraphicList &objects)
    {
        QList<int> at;
        for (int i = 0; i < objects.size(); ++i)
            at << i;
        doc().insertGraphics(objects, at);
    }
    QStringList texts()
    {
        QStringList out;
        for (const auto &g : doc().graphics())
            out << g->Text_Value;
        return out;
    }
    QStringList rows()
    {
        QStringList out;
        for (const auto &row : recordsOf(c->design()).Fill_List_Data_RHS)
            out << row.value(QStringLiteral("Value"));
        return out;
    }

    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> page;
};

// ---- The design copy --------------------------------------------------------------------------

TEST_F(DesignBackup, RestoringBringsBackTheSavedTextsInTheirOrder)
{
    testsupport::ResponderScope responder;
    put({text(QStringLiteral("front")), text(QStringLiteral("middle")), text(QStringLiteral("back"))});
    ASSERT_TRUE(c->Set_Front_Back_Value_To_Print_Export_Mail());
    EXPECT_EQ(cardOf(c->design()).Graphics_array_Batch.size(), 3);
    // A batch job writes its records into the objects.
    for (const auto &g : cardOf(c->design()).Graphics_array_Batch)
        g->Set_text_value(QStringLiteral("record 7"));
    ASSERT_TRUE(c->Create_Card_Design_Again());
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("front"), QStringLiteral("middle"), QStringLiteral("back")}));
    // New objects: the filled ones are gone.
    EXPECT_NE(doc().graphics().first(), cardOf(c->design()).Graphics_array_Batch.first());
    // It can be restored again from the same copy.
    doc().graphics().first()->Set_text_value(QStringLiteral("changed"));
    ASSERT_TRUE(c->Create_Card_Design_Again());
    EXPECT_EQ(texts().first(), QStringLiteral("front"));
    EXPECT_TRUE(responder->alerts.isEmpty());
}

TEST_F(DesignBackup, OutsideTheDesigningModeNothingHappens)
{
    put({text(QStringLiteral("kept"))});
    for (int mode : {0, 2}) {
        Barcode_Setting_Or_Designing_Mode = mode;
        EXPECT_TRUE(c->Set_Front_Back_Value_To_Print_Export_Mail());
        EXPECT_FALSE(cardOf(c->design()).Graphics_array_Batch_Front_Bkup.has_value());
        doc().graphics().first()->Set_text_value(QStringLiteral("edited"));
        EXPECT_TRUE(c->Create_Card_Design_Again());
        EXPECT_EQ(texts(), QStringList{QStringLiteral("edited")});
    }
}

TEST_F(DesignBackup, AnObjectThatCannotBeArchivedStopsTheJob)
{
    testsupport::ResponderScope responder;
    const SKTGraphicList objects{text(QStringLiteral("a")), text(QStringLiteral("b"), QStringLiteral("bad"))};
    put(objects);
    c->Backup_Archive_Graphic = [](const SKTGraphic &g) -> std::optional<ObjectArchive> {
        if (g.control_ID == QLatin1String("bad"))
            return std::nullopt;
        ObjectArchive archive(g.className());
        g.encodeWithCoder(archive);
        return archive;
    };
    EXPECT_FALSE(c->Create_Design_Backup_Array());
    EXPECT_EQ(cardOf(c->design()).Graphics_array_Batch_Front_Bkup->count(), 1);
    cardOf(c->design()).Graphics_array_Batch.clear();
    EXPECT_FALSE(c->Set_Front_Back_Value_To_Print_Export_Mail());
    EXPECT_EQ(responder->alerts.size(), 1);
    EXPECT_TRUE(cardOf(c->design()).Graphics_array_Batch.isEmpty()) << "the job gets nothing to fill";
    EXPECT_EQ(doc().graphics(), objects) << "the canvas is as it was";
}

TEST_F(DesignBackup, AnArchiveThatCannotBeReadKeepsTheCanvas)
{
    testsupport::ResponderScope responder;
    put({text(QStringLiteral("a")), text(QStringLiteral("b"))});
    ASSERT_TRUE(c->Create_Design_Backup_Array());
    const SKTGraphicList before = doc().graphics();
    int reads = 0;
    c->Backup_Unarchive_Graphic = [&reads](const ObjectArchive &a) -> std::shared_ptr<SKTGraphic> {
        return ++reads == 2 ? nullptr : SKTGraphic::initWithCoder(a);
    };
    EXPECT_FALSE(c->Create_Card_Design_Again());
    EXPECT_EQ(doc().graphics(), before);
    EXPECT_EQ(responder->alerts.size(), 1);
    // A real archive holding a value that cannot be decoded counts as unreadable too.
    c->Backup_Unarchive_Graphic = nullptr;
    QList<ObjectArchive> archives = cardOf(c->design()).Graphics_array_Batch_Front_Bkup->archives();
    archives[1].append(QStringLiteral("Text_Value"), ObjectArchive::Broken{QStringLiteral("torn")});
    cardOf(c->design()).Graphics_array_Batch_Front_Bkup = DesignSnapshot::fromArchives(archives);
    EXPECT_FALSE(c->Create_Card_Design_Again());
    EXPECT_EQ(doc().graphics(), before);
}

// ---- The record list ---------------------------------------------------------------------------

TEST_F(DesignBackup, TheRecordListIsRefilledOnlyForANewCount)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition has no record list";
    Total_Batch_Excel_Card = 5;
    c->Fill_List_Function();
    ASSERT_EQ(rows().size(), 5);
    recordsOf(c->design()).Fill_List_Data_RHS[2][QStringLiteral("Value")] = QStringLiteral("mark");
    c->Fill_List_Thread_Call();
    EXPECT_EQ(rows().at(2), QStringLiteral("mark")) << "5 records, 5 rows: not refilled";
    Total_Batch_Excel_Card = 7;
    QThread *worker = QThread::create([this] { c->Fill_List_Thread_Call(); });
    worker->start();
    while (!worker->wait(10))
        QCoreApplication::processEvents();
    delete worker;
    QStringList expected;
    for (int i = 1; i <= 7; ++i)
        expected << QStringLiteral("Label %1").arg(i);
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(recordsOf(c->design()).Fill_List_RHS->model()->rowCount(), 7);
}

TEST_F(DesignBackup, MarkingARecordSelectsItAloneOrNothing)
{
    QTableView *list = recordsOf(c->design()).Fill_List_RHS;
    c->Mark_Fill_List_New_Selection_Design(0);   // an empty list: nothing
    EXPECT_FALSE(list->selectionModel()->hasSelection());
    recordsOf(c->design()).Fill_Record_List(4);
    c->Mark_Fill_List_New_Selection_Design(2);
    QModelIndexList selected = list->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first().row(), 2);
    c->Mark_Fill_List_New_Selection_Design(3);
    selected = list->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first().row(), 3);
    for (int outside : {-1, 4, 99}) {
        c->Mark_Fill_List_New_Selection_Design(outside);
        EXPECT_FALSE(list->selectionModel()->hasSelection()) << outside;
    }
}

// ---- The small checks -------------------------------------------------------------------------

TEST_F(DesignBackup, OnlyTwoSelectedPicturesAreRefused)
{
    testsupport::ResponderScope responder;
    auto picture = std::make_shared<SKTImage>();
    auto second = std::make_shared<SKTImage>();
    auto words = text(QStringLiteral("x"));
    SKTGraphicList selection{picture, words};
    selectionOf(c->design()).Canvas_Selection = [&selection] { return selection; };
    EXPECT_FALSE(c->Check_Multiple_Image_Selection(QStringLiteral("Crop")));
    EXPECT_TRUE(responder->alerts.isEmpty());
    selection = {picture, words, second};
    EXPECT_TRUE(c->Check_Multiple_Image_Selection(QStringLiteral("Crop")));
    EXPECT_EQ(responder->alertMessages(),
              QStringList{QStringLiteral("\nPlease select only one image control to 'Crop Image'.")});
    selectionOf(c->design()).Canvas_Selection = nullptr;
}

TEST_F(DesignBackup, OnlyAFolderExists)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("f.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(c->Check_Dir_Is_Exist(dir.path()));
    EXPECT_FALSE(c->Check_Dir_Is_Exist(file.fileName()));
    EXPECT_FALSE(c->Check_Dir_Is_Exist(dir.filePath(QStringLiteral("missing"))));
}

// ---- The workbook link -------------------------------------------------------------------------

class WorkbookLink : public DesignBackup {
protected:
    void SetUp() override
    {
        DesignBackup::SetUp();
        QFile f(dir.filePath(QStringLiteral("staff.xlsx")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("PK");
        workbook = f.fileName();
        sidebarOf(c->design()).Source_Type_List()->clear();
        sidebarOf(c->design()).Source_Type_List()->addItems({QStringLiteral("Manual"), QStringLiteral("Series"), QStringLiteral("Excel")});
        QComboBox *window = c->barcodeGen().Data_source_type;
        window->clear();
        window->addItems({QStringLiteral("Manual"), QStringLiteral("Series"), QStringLiteral("Excel")});
    }
    std::shared_ptr<SKTText> columnBound(const QString &id)
    {
        auto t = text(QStringLiteral("cell"), id);
        t->data_source_type = 2;
        t->excel_col_indx = 2;
        t->excel_binding = true;
        return t;
    }
    // The import answers with these rows.
    void importAnswers(int answer, int rowCount)
    {
        Import_Excel::defaultInstance()->runner = [this, answer, rowCount](const QString &mode, const QString &) {
            importMode = mode;
            recordsOf(c->design()).Linked_Sheet.rows.clear();
            for (int i = 0; i < rowCount; ++i)
                recordsOf(c->design()).Linked_Sheet.rows.append({{QStringLiteral("Column1"), QStringLiteral("r%1").arg(i)}});
            return answer;
        };
    }
    QTemporaryDir dir;
    QString workbook;
    QString importMode;
};

TEST_F(WorkbookLink, NoKeepsEverything)
{
    testsupport::ResponderScope responder;
    recordsOf(c->design()).Linked_Sheet.rows.append({{QStringLiteral("Column1"), QStringLiteral("old")}});
    auto bound = columnBound(QStringLiteral("T_1"));
    put({bound});
    importAnswers(1, 3);
    responder->openAnswers = {QStringList{workbook}};
    responder->alertAnswers = {QStringLiteral("No")};
    sourceButton("excel_browse_btn")->click();
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_TRUE(responder->alerts.first().message.contains(QStringLiteral("Do you want to continue with new Excel file?")));
    EXPECT_TRUE(importMode.isEmpty()) << "the import was not opened";
    EXPECT_EQ(bound->data_source_type, 2);
    EXPECT_EQ(recordsOf(c->design()).Linked_Sheet.rows.size(), 1);
    EXPECT_FALSE(Excel_Binding_Use);
}

TEST_F(WorkbookLink, YesWithRowsUnbindsTheColumnsButKeptOnes)
{
    testsupport::ResponderScope responder;
    recordsOf(c->design()).Linked_Sheet.rows.append({{QStringLiteral("Column1"), QStringLiteral("old")}});
    auto plain = columnBound(QStringLiteral("T_1"));
    auto kept = columnBound(QStringLiteral("Fup_T_2"));
    put({plain, kept});
    sidebarOf(c->design()).Source_Type_List()->removeItem(2);   // "Excel" comes back with the link
    importAnswers(1, 3);
    responder->openAnswers = {QStringList{workbook}};
    responder->alertAnswers = {QStringLiteral("Yes")};
    sourceButton("excel_browse_btn")->click();
    EXPECT_EQ(importMode, QStringLiteral("E"));
    EXPECT_EQ(plain->data_source_type, 0);
    EXPECT_FALSE(plain->excel_binding);
    EXPECT_EQ(plain->excel_col_indx, -1);
    EXPECT_EQ(plain->batch_list_index, -1);
    EXPECT_EQ(kept->data_source_type, 2);
    EXPECT_EQ(kept->excel_col_indx, 2);
    EXPECT_EQ(testsupport::pageControl<QLineEdit>(sidebarOf(c->design()).datasource_tab, "excel_path_field")->text(), workbook);
    EXPECT_EQ(sidebarOf(c->design()).Source_Type_List()->count(), 3);
    EXPECT_TRUE(sourceButton("view_excel_btn")->isEnabled());
    EXPECT_TRUE(Excel_Binding_Use);
    EXPECT_EQ(Excel_Source_Path, workbook);
}

TEST_F(WorkbookLink, DiscardingTheLinkRefreshesTheRecordList)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "this edition shows no record list";
    testsupport::ResponderScope responder;
    RecordBinding &records = recordsOf(c->design());
    for (int i = 0; i < 25; ++i)
        records.Linked_Sheet.rows.append({{QStringLiteral("Column1"), QStringLiteral("r%1").arg(i)}});
    put({columnBound(QStringLiteral("T_1"))});
    records.Check_Series_Or_Excel_Use_or_not();
    ASSERT_EQ(records.Fill_List_Data_RHS.size(), 25);
    importAnswers(1, 3);
    responder->openAnswers = {QStringList{workbook}};
    responder->alertAnswers = {QStringLiteral("Yes")};
    sourceButton("excel_browse_btn")->click();
    EXPECT_EQ(records.Fill_List_Data_RHS.size(), 1) << "the objects are Manual now: one record";
}

TEST_F(WorkbookLink, AnImportWithoutRowsTakesExcelFromBothCombos)
{
    testsupport::ResponderScope responder;
    importAnswers(1, 0);
    responder->openAnswers = {QStringList{workbook}};
    c->Browse_excel_Btn_Clicked();
    EXPECT_EQ(sidebarOf(c->design()).Source_Type_List()->count(), 2);
    EXPECT_EQ(c->barcodeGen().Data_source_type->count(), 2);
    EXPECT_FALSE(sourceButton("view_excel_btn")->isEnabled());
    EXPECT_FALSE(Excel_Binding_Use);
}

TEST_F(WorkbookLink, BadPathsAndUnreadableWorkbooksChangeNothing)
{
    testsupport::ResponderScope responder;
    responder->openAnswers = {QStringList{dir.filePath(QStringLiteral("gone.xlsx"))}, QStringList{workbook}};
    c->Browse_excel_Btn_Clicked();
    c->Browse_excel_Btn_Clicked();   // "PK" alone is no workbook: the import says so and opens no window
    EXPECT_EQ(responder->alertMessages(), (QStringList{QStringLiteral("\nPlease select valid file path."),
                                                       QStringLiteral("\nEither file is corrupted or selected file contains invalid characters.")}));
    EXPECT_EQ(responder->modalCount, 0);
    EXPECT_EQ(sidebarOf(c->design()).Source_Type_List()->count(), 3);
    EXPECT_FALSE(Excel_Binding_Use);
    ASSERT_EQ(responder->openRequests.size(), 2);
    EXPECT_TRUE(responder->openRequests.first().extensions.contains(QStringLiteral("xlsx")));
    EXPECT_FALSE(responder->openRequests.first().canChooseDirectories);
}

TEST_F(WorkbookLink, ViewingWithoutRowsSaysSo)
{
    testsupport::ResponderScope responder;
    sourceButton("view_excel_btn")->setEnabled(true);
    sourceButton("view_excel_btn")->click();
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nThere is no excel data to view.")});
    recordsOf(c->design()).Linked_Sheet.rows.append({{QStringLiteral("Column1"), QStringLiteral("x")}});
    c->View_Excel_Btn_Clicked();
    EXPECT_EQ(responder->modalCount, 1) << "the linked rows' viewer opened";
}

} // namespace

namespace {

// The link through the real picker window: the user ticks columns and presses OK or Cancel.
class RealWorkbookLink : public WorkbookLink {
protected:
    void SetUp() override
    {
        WorkbookLink::SetUp();
        Import_Excel::defaultInstance()->runner = nullptr;
    }
    bool makeStaff(const QString &path)
    {
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import sys, datetime, openpyxl\nwb = openpyxl.Workbook()\nws = wb.active\n"
                                                      "ws.append(['Code', 'Name', 'Date'])\n"
                                                      "for i in range(1, 5): ws.append(['C%d' % i, 'N%d' % i, datetime.date(2024, 2, i)])\n"
                                                      "wb.create_sheet('Second')\nwb.save(sys.argv[1])\n"),
                 path});
        return p.waitForFinished(60000) && p.exitCode() == 0;
    }
    void answerPicker(testsupport::ResponderScope &responder, const QList<int> &ticks)
    {
        responder->onModal = [ticks](QDialog &dialog) {
            Import_Excel *p = Import_Excel::defaultInstance();
            if (&dialog != p)
                return 1;   // the viewer: OK
            for (int r : ticks)
                p->ListData_xl->setData(p->ListData_xl->index(r, 0), Qt::Checked, Qt::CheckStateRole);
            p->okButton->click();
            return dialog.result();
        };
    }
};

} // namespace

TEST_F(RealWorkbookLink, TickedColumnsLinkAndABrokenWorkbookKeepsTheLink)
{
    testsupport::ResponderScope responder;
    const QString staff = dir.filePath(QStringLiteral("staff.xlsx"));
    if (!makeStaff(staff))
        GTEST_SKIP() << "openpyxl is not installed";
    answerPicker(responder, {0, 2});
    responder->openAnswers = {QStringList{staff}};
    sourceButton("excel_browse_btn")->click();
    QLineEdit *path = testsupport::pageControl<QLineEdit>(sidebarOf(c->design()).datasource_tab, "excel_path_field");
    EXPECT_EQ(path->text(), staff);
    EXPECT_TRUE(Excel_Binding_Use);
    EXPECT_EQ(recordsOf(c->design()).Linked_Sheet.columnTitles, (QStringList{QStringLiteral("Code"), QStringLiteral("Date")}));
    EXPECT_EQ(recordsOf(c->design()).Calculate_Excel_table_rows(), 4);
    EXPECT_EQ(recordsOf(c->design()).Get_sel_row_col_value_of_Excel(-1, 1), QString()) << "no record -1";
    // View shows both columns and the counts.
    ASSERT_TRUE(sourceButton("view_excel_btn")->isEnabled());
    sourceButton("view_excel_btn")->click();
    EXPECT_EQ(Data_From_Excel::defaultInstance()->rows_count->text(), QStringLiteral("4"));
    EXPECT_EQ(Data_From_Excel::defaultInstance()->column_count->text(), QStringLiteral("2"));

    // A workbook whose sheet breaks after its first row: the message, the old link and path stay.
    const QString broken = dir.filePath(QStringLiteral("broken.xlsx"));
    {
        QTemporaryDir parts;
        QDir().mkpath(parts.filePath(QStringLiteral("xl/worksheets")));
        QFile wb(parts.filePath(QStringLiteral("xl/workbook.xml")));
        ASSERT_TRUE(wb.open(QIODevice::WriteOnly));
        wb.write("<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheets><sheet name=\"S\" sheetId=\"1\"/></sheets></workbook>");
        wb.close();
        QFile sheet(parts.filePath(QStringLiteral("xl/worksheets/sheet1.xml")));
        ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
        sheet.write("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                    "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Code</t></is></c></row><row><c");
        sheet.close();
        QProcess zip;
        zip.setWorkingDirectory(parts.path());
        zip.start(QStringLiteral("python3"), {QStringLiteral("-c"),
                                               QStringLiteral("import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1], 'w')\n"
                                                              "z.write('xl/workbook.xml')\nz.write('xl/worksheets/sheet1.xml')\nz.close()\n"),
                                               broken});
        ASSERT_TRUE(zip.waitForFinished(30000) && zip.exitCode() == 0);
    }
    responder->alerts.clear();
    responder->openAnswers = {QStringList{broken}};
    responder->alertAnswers = {QStringLiteral("Yes")};   // replace the linked workbook
    answerPicker(responder, {0});
    sourceButton("excel_browse_btn")->click();
    ASSERT_EQ(responder->alerts.size(), 2);
    EXPECT_EQ(responder->alerts.last().message.trimmed(),
              QStringLiteral("Either file is corrupted or selected file contains invalid characters."));
    EXPECT_EQ(path->text(), staff);
    EXPECT_EQ(recordsOf(c->design()).Calculate_Excel_table_rows(), 4);
    EXPECT_EQ(Excel_Source_Path, staff);
}

TEST_F(RealWorkbookLink, ABoundTextListsTheRecordsAndTheRecordShowsItsColumn)
{
    testsupport::ResponderScope responder;
    const QString staff = dir.filePath(QStringLiteral("staff.xlsx"));
    if (!makeStaff(staff))
        GTEST_SKIP() << "openpyxl is not installed";
    answerPicker(responder, {0, 2});
    responder->openAnswers = {QStringList{staff}};
    sourceButton("excel_browse_btn")->click();
    ASSERT_EQ(recordsOf(c->design()).Calculate_Excel_table_rows(), 4);
    // A text bound to Code: one record per linked row.
    auto bound = text(QStringLiteral("code"), QStringLiteral("T_9"));
    bound->data_source_type = 2;
    bound->excel_col_indx = 1;
    bound->excel_binding = true;
    put({bound});
    recordsOf(c->design()).Check_Series_Or_Excel_Use_or_not();
    EXPECT_EQ(Total_Batch_Excel_Card, 4);
    recordsOf(c->design()).Fill_Record_List(Total_Batch_Excel_Card);
    QAbstractItemModel *list = recordsOf(c->design()).Fill_List_RHS->model();
    ASSERT_EQ(list->rowCount(), 4);
    EXPECT_EQ(list->index(3, 0).data().toString(), QStringLiteral("Label 4"));
    // Double-clicking a record shows the data the design uses: the Code column.
    QStringList headers;
    responder->onModal = [&headers](QDialog &dialog) {
        const QAbstractItemModel *m = View_All_Used_Data::defaultInstance()->ColList->model();
        for (int col = 0; col < m->columnCount(); ++col)
            headers << m->headerData(col, Qt::Horizontal).toString();
        return dialog.result();
    };
    recordsOf(c->design()).Fill_List_RHS->selectRow(1);
    c->barcodeMode().doubleClick_Fil_List_RHS();
    EXPECT_EQ(headers, (QStringList{QStringLiteral("Row"), QStringLiteral("Code(Excel)")}));
    // The record fill puts row 3's code into the text.
    recordsOf(c->design()).Set_data_table_value_to_card(2, QStringLiteral("1"), false);
    EXPECT_EQ(bound->Text_Value, QStringLiteral("C3"));
}
