#include "DesignFixture.h"

#include "design/RecordBinding.h"
#include "platform/Stepper.h"
#include "support/ScriptedResponder.h"
#include "design/DesignController.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/UserFolders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

namespace {

class BatchBinding : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        Barcode_Setting_Or_Designing_Mode = 1;
    }
    void writeSeries(const QString &fileName, const QByteArray &content)
    {
        QFile f(Data_Folder_Path + QLatin1Char('/') + fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    // The objects become the document's, in order (front-most first).
    void front(const SKTGraphicList &objects)
    {
        SKTDocument &doc = *env.document();
        QList<int> all;
        for (int i = 0; i < doc.graphics().size(); ++i)
            all << i;
        if (!all.isEmpty())
            doc.removeGraphicsAtIndexes(all);
        QList<int> at;
        for (int i = 0; i < objects.size(); ++i)
            at << i;
        if (!objects.isEmpty())
            doc.insertGraphics(objects, at);
    }
    static void bindSeries(SKTGraphic &o, const QString &name)
    {
        o.data_source_type = 1;
        o.batch_list_name = name;
    }
};

TEST_F(BatchBinding, SeriesNamesAreSortedAndComparedWithoutCase)
{
    writeSeries(QStringLiteral("zeta.txt"), "1\n");
    writeSeries(QStringLiteral("Alpha.TXT"), "1\n");
    writeSeries(QStringLiteral("notes.csv"), "1\n");
    EXPECT_EQ(records().Get_Data_SetIndex_According_Name(QStringLiteral("alpha")), 0);
    EXPECT_EQ(records().Get_Data_SetIndex_According_Name(QStringLiteral("ZETA")), 1);
    EXPECT_EQ(records().Get_Data_SetIndex_According_Name(QStringLiteral("notes")), -1);
}

TEST_F(BatchBinding, FirstValueOfASeries)
{
    writeSeries(QStringLiteral("codes.txt"), "\n  A-1\r\nB-2\r\n\n");
    EXPECT_EQ(records().Get_First_Value_Of_Dataset(QStringLiteral("codes")), QStringLiteral("A-1"));
    EXPECT_EQ(records().Get_Data_Set_Series_Item_Count(QStringLiteral("codes")), 2);
    EXPECT_EQ(records().Get_First_Value_Of_Dataset(QStringLiteral("missing")), QStringLiteral(""));
    EXPECT_EQ(records().Get_Data_Set_Series_Item_Count(QStringLiteral("missing")), 0);
}

TEST_F(BatchBinding, SeriesAreReadByTheSeriesFilesRules)
{
    // Not UTF-8, or binary: no values at all.
    writeSeries(QStringLiteral("latin1.txt"), "caf\xe9\n");
    writeSeries(QStringLiteral("binary.txt"), QByteArray("\x00\x01\x02\n", 4));
    for (const QString &name : {QStringLiteral("latin1"), QStringLiteral("binary")}) {
        EXPECT_EQ(records().Get_Data_Set_Series_Item_Count(name), 0) << qPrintable(name);
        EXPECT_EQ(records().Get_First_Value_Of_Dataset(name), QStringLiteral("")) << qPrintable(name);
        QComboBox values;
        values.setObjectName(QStringLiteral("val_combo_value"));
        values.addItems({QStringLiteral("stale"), QStringLiteral("items")});
        records().Fille_Data_Set_Values_In_Combo(&values, name);
        EXPECT_EQ(values.count(), 0) << qPrintable(name);
    }
    // A name from a project that leads out of the series folder finds nothing there.
    QFile outside(QFileInfo(Data_Folder_Path).absolutePath() + QStringLiteral("/outside.txt"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.write("o1\no2\n");
    outside.close();
    auto bound = std::make_shared<SKTText>();
    bindSeries(*bound, QStringLiteral("../outside"));
    front({bound});
    EXPECT_EQ(records().Get_Data_Set_Series_Item_Count(QStringLiteral("../outside")), 0);
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_EQ(Total_Batch_Excel_Card, 1);
    // The extension in capitals is found by the name alone.
    writeSeries(QStringLiteral("Caps.TXT"), "C1\n");
    EXPECT_EQ(records().Get_First_Value_Of_Dataset(QStringLiteral("Caps")), QStringLiteral("C1"));
}

TEST_F(BatchBinding, LongestSeriesGivesTheRecordCount)
{
    writeSeries(QStringLiteral("five.txt"), "1\n2\n3\n4\n5\n");
    writeSeries(QStringLiteral("eight.txt"), "1\n2\n\n4\n5\n6\n7\n8");
    auto a = std::make_shared<SKTText>(), b = std::make_shared<SKTText>();
    bindSeries(*a, QStringLiteral("five"));
    bindSeries(*b, QStringLiteral("EIGHT"));
    front({a, b});
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_TRUE(Use_Data_Sheet_Values);
    EXPECT_EQ(Total_Batch_Excel_Card, 8);
    if (ONLY_QR_MODE) {
        // The QR edition keeps no record list.
        EXPECT_EQ(records().Fill_List_RHS->model()->rowCount(), 0);
    } else {
        ASSERT_EQ(records().Fill_List_RHS->model()->rowCount(), 8);
        EXPECT_EQ(records().Fill_List_RHS->model()->index(7, 0).data().toString(), QStringLiteral("Label 8"));
        EXPECT_EQ(records().Fill_List_Data_RHS.at(0).value(QStringLiteral("Value")), QStringLiteral("Label 1"));
    }
    // The value table holds each loaded series in its series-list slot.
    ASSERT_EQ(records().data_table_content.size(), 2);
    EXPECT_EQ(records().data_table_content.at(0).toStringList().size(), 8);
    EXPECT_EQ(records().data_table_content.at(0).toStringList().at(2), QStringLiteral(""));
}

TEST_F(BatchBinding, UnprintedOrUnboundObjectsMakeNoBatch)
{
    writeSeries(QStringLiteral("five.txt"), "1\n2\n3\n4\n5\n");
    auto hidden = std::make_shared<SKTText>();
    bindSeries(*hidden, QStringLiteral("five"));
    hidden->print_object = 1;
    auto line = std::make_shared<SKTLine>();   // lines are never bound
    bindSeries(*line, QStringLiteral("five"));
    front({hidden, line});
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_FALSE(Use_Data_Sheet_Values);
    EXPECT_EQ(Total_Batch_Excel_Card, 1);
    // The QR edition lists no records for an unbound design.
    if (ONLY_QR_MODE) {
        EXPECT_EQ(records().Fill_List_RHS->model()->rowCount(), 0);
    } else {
        ASSERT_EQ(records().Fill_List_RHS->model()->rowCount(), 1);
        EXPECT_EQ(records().Fill_List_RHS->model()->index(0, 0).data().toString(), QStringLiteral("Label 1"));
    }
}

TEST_F(BatchBinding, SpreadsheetRowsCountWhenAColumnIsBound)
{
    auto text = std::make_shared<SKTText>();
    text->data_source_type = 2;
    text->excel_col_indx = 0;   // the placeholder column still counts
    front({text});
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_FALSE(Use_Excel_Binding_Values);   // no rows: the flag stays off
    records().Linked_Sheet.columnTitles = {QStringLiteral("Name"), QStringLiteral("Code")};
    for (int i = 0; i < 3; ++i)
        records().Linked_Sheet.rows.append({{QStringLiteral("Extension"), QString::number(i + 1)},
                                     {QStringLiteral("Column1"), QStringLiteral("N%1").arg(i)},
                                     {QStringLiteral("Column2"), QString()}});
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_TRUE(Use_Excel_Binding_Values);
    EXPECT_EQ(Total_Batch_Excel_Card, 3);
    EXPECT_EQ(records().Calculate_Excel_table_rows(), 3);
    EXPECT_EQ(records().Get_First_Value_Of_Excel_Binding(1), QStringLiteral("N0"));
    EXPECT_EQ(records().Get_First_Value_Of_Excel_Binding(2), QStringLiteral(" "));   // an empty cell
    EXPECT_EQ(records().Get_First_Value_Of_Excel_Binding(0), QStringLiteral("1"));   // the row number
    text->excel_col_indx = -1;
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_FALSE(Use_Excel_Binding_Values);
}

TEST_F(BatchBinding, BarcodeHeaderColumnAloneBindsTheSpreadsheet)
{
    records().Linked_Sheet.rows.append({{QStringLiteral("Column1"), QStringLiteral("x")}});
    auto barcode = std::make_shared<SKTBarcode>();
    barcode->data_source_type = 2;
    barcode->excel_col_indx = -1;
    barcode->batch_hdr_list_index = 1;
    barcode->batch_ftr_list_index = -1;
    front({barcode});
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_TRUE(Use_Excel_Binding_Values);
}

TEST_F(BatchBinding, AdvancedQrModeClearsTheBatch)
{
    Use_Data_Sheet_Values = Use_Excel_Binding_Values = true;
    Total_Batch_Excel_Card = 9;
    Total_Barcode_Label_wd_Batch = 9;
    Barcode_Setting_Or_Designing_Mode = 2;
    records().Check_Series_Or_Excel_Use_or_not();
    EXPECT_FALSE(Use_Data_Sheet_Values);
    EXPECT_FALSE(Use_Excel_Binding_Values);
    EXPECT_EQ(Total_Batch_Excel_Card, 1);
    EXPECT_EQ(Total_Barcode_Label_wd_Batch, 1);
}

TEST_F(BatchBinding, DataSourceComboOperations)
{
    QComboBox source;
    source.addItems({QStringLiteral("Manual"), QStringLiteral("Series")});
    records().Add_Excel_Col_Name_In_Combo(&source);
    EXPECT_EQ(source.count(), 3);
    EXPECT_EQ(source.itemText(2), QStringLiteral("Excel"));
    records().Add_Excel_Col_Name_In_Combo(&source);   // only onto two items
    EXPECT_EQ(source.count(), 3);
    records().Remove_Excel_Col_Name_In_Combo(&source);
    EXPECT_EQ(source.count(), 2);
    records().Remove_Excel_Col_Name_In_Combo(&source);
    EXPECT_EQ(source.count(), 2);

    records().Linked_Sheet.columnTitles = {QStringLiteral("Name"), QStringLiteral("Code")};
    QComboBox columns;
    columns.addItem(QStringLiteral("old"));
    records().Fill_Excel_Col_Name_In_Combo(&columns);
    ASSERT_EQ(columns.count(), 3);
    EXPECT_EQ(columns.itemText(0), QStringLiteral("<--Select-->"));
    EXPECT_EQ(columns.itemText(2), QStringLiteral("Code"));
}

TEST_F(BatchBinding, SeriesValuesFillACombo)
{
    writeSeries(QStringLiteral("cities.txt"), "Paris\nRome\n");
    QComboBox values;
    records().Fille_Data_Set_Values_In_Combo(&values, QStringLiteral("cities"));
    ASSERT_EQ(values.count(), 2);
    EXPECT_EQ(values.currentIndex(), 0);
    EXPECT_EQ(values.itemText(1), QStringLiteral("Rome"));
    // A missing series empties only the Barcode mode's value combos.
    records().Fille_Data_Set_Values_In_Combo(&values, QStringLiteral("gone"));
    EXPECT_EQ(values.count(), 2);
    values.setObjectName(QStringLiteral("hdr_combo_value"));
    records().Fille_Data_Set_Values_In_Combo(&values, QStringLiteral("gone"));
    EXPECT_EQ(values.count(), 0);
}

class Tools : public DesignFixture {
protected:
    struct Made {
        QString graphicClass;
        QRectF frame;
    };
    QList<Made> made;
    void SetUp() override
    {
        DesignFixture::SetUp();
        env.design().Canvas_Create_Graphic = [this](const QString &cls, const QRectF &frame, int) { made.append({cls, frame}); };
    }
    void choose(int tool)
    {
        env.design().Selected_Control_Tool = tool;
        env.design().selectedToolDidChange();
    }
};

TEST_F(Tools, EachToolMakesItsObjectAtItsDefaultSize)
{
    choose(0);
    EXPECT_TRUE(made.isEmpty());
    choose(10);
    choose(10);
    ASSERT_EQ(made.size(), 2);
    EXPECT_EQ(made.at(1).graphicClass, QStringLiteral("SKTBarcode"));
    EXPECT_EQ(made.at(1).frame, QRectF(0, 0, 120, 60));
    choose(11);
    EXPECT_EQ(made.last().frame, QRectF(0, 0, 100, 50));
    choose(12);
    EXPECT_EQ(made.last().graphicClass, QStringLiteral("SKTSignature"));
    EXPECT_EQ(made.last().frame, QRectF(0, 0, 50, 50));
    choose(14);
    EXPECT_EQ(made.last().graphicClass, QStringLiteral("Shape_Control"));
    choose(16);
    EXPECT_EQ(made.size(), 5);
}

TEST_F(Tools, CancelledPictureMakesNothing)
{
    testsupport::ResponderScope responder;
    responder->openAnswers = {QStringList()};
    Library_Selected_Image = QStringLiteral("old");
    choose(8);
    EXPECT_TRUE(made.isEmpty());
    EXPECT_EQ(Library_Selected_Image, QStringLiteral(""));
    ASSERT_EQ(responder->openRequests.size(), 1);
    EXPECT_TRUE(responder->openRequests.first().extensions.contains(QStringLiteral("png")));
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(logo));
    responder->openAnswers = {QStringList{logo}};
    choose(8);
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(made.first().graphicClass, QStringLiteral("SKTImage"));
    EXPECT_EQ(Library_Selected_Image, logo);
}

} // namespace
