// The used data viewer: one column per series and linked column the front side's output objects
// take their values from, one row per record.

#include "data/Data_From_Excel.h"
#include "data/View_All_Used_Data.h"
#include "design/DesignParts.h"
#include "design/RecordBinding.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "picker_fixture.h"
#include "outputjobs/OutputGlobals.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

using namespace pickertest;

namespace {

class UsedDataViewer : public PickerTest {
protected:
    void SetUp() override
    {
        PickerTest::SetUp();
        Use_Data_Sheet_Values = true;
        Use_Excel_Binding_Values = true;
        LinkedSheetTable &t = Data_From_Excel::defaultInstance()->Linked_Sheet;
        t = LinkedSheetTable();
        t.columnTitles = {QStringLiteral("Code"), QStringLiteral("Name")};
        for (int r = 1; r <= 3; ++r)
            Data_From_Excel::defaultInstance()->Create_List_By_Array({QStringLiteral("C%1").arg(r), QStringLiteral(" N%1 ").arg(r)}, 2);
    }
    void TearDown() override
    {
        Use_Data_Sheet_Values = false;
        Use_Excel_Binding_Values = false;
        Data_From_Excel::defaultInstance()->Linked_Sheet = LinkedSheetTable();
    }
    static std::shared_ptr<SKTGraphic> series(std::shared_ptr<SKTGraphic> g, const QString &name)
    {
        g->data_source_type = 1;
        g->batch_list_name = name;
        return g;
    }
    static std::shared_ptr<SKTGraphic> column(std::shared_ptr<SKTGraphic> g, int index)
    {
        g->data_source_type = 2;
        g->excel_col_indx = index;
        return g;
    }
    struct Shown {
        QStringList headers;
        QList<QStringList> rows;
        QString rowsCount, columnCount;
    };
    Shown open(const SKTGraphicList &front, int records)
    {
        View_All_Used_Data *v = View_All_Used_Data::defaultInstance();
        Shown shown;
        responder->onModal = [&](QDialog &dialog) {
            const QAbstractItemModel *m = v->ColList->model();
            for (int c = 0; c < m->columnCount(); ++c)
                shown.headers << m->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < m->rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < m->columnCount(); ++c)
                    row << m->index(r, c).data().toString();
                shown.rows << row;
            }
            shown.rowsCount = v->rows_count->text();
            shown.columnCount = v->column_count->text();
            v->ok_button->click();
            return dialog.result();
        };
        EXPECT_EQ(v->Open_Wnd(front, records), 1);
        return shown;
    }
};

} // namespace

TEST_F(UsedDataViewer, SeriesThenColumnsOneRowPerRecord)
{
    putSeries(QStringLiteral("A.txt"), "a1\na2\n a3 \n");
    putSeries(QStringLiteral("B.txt"), "b1\n");
    auto code = std::make_shared<SKTBarcode>();
    series(code, QStringLiteral("A"));
    code->batch_hdr_list_name = QStringLiteral("B");
    const SKTGraphicList front{code, series(std::make_shared<SKTText>(), QStringLiteral("A")),
                               column(std::make_shared<SKTText>(), 2)};
    const Shown shown = open(front, 3);
    EXPECT_EQ(shown.headers, (QStringList{QStringLiteral("Row"), QStringLiteral("A(Series)"), QStringLiteral("B(Series)"),
                                          QStringLiteral("Name(Excel)")}));
    ASSERT_EQ(shown.rows.size(), 3);
    EXPECT_EQ(shown.rows.at(0), (QStringList{QStringLiteral("1"), QStringLiteral("a1"), QStringLiteral("b1"), QStringLiteral("N1")}));
    EXPECT_EQ(shown.rows.at(2), (QStringList{QStringLiteral("3"), QStringLiteral("a3"), QString(), QStringLiteral("N3")}));
    EXPECT_EQ(shown.rowsCount, QStringLiteral("3"));
    EXPECT_EQ(shown.columnCount, QStringLiteral("3"));
    EXPECT_EQ(Table_Column, 3);
    const View_All_Used_Data *v = View_All_Used_Data::defaultInstance();
    EXPECT_EQ(v->Use_EXL_INDX_Array, QStringList{QStringLiteral("2")});
    EXPECT_EQ(v->ColList->horizontalHeader()->sectionSize(1), 120);
}

TEST_F(UsedDataViewer, WhatContributesNothing)
{
    putSeries(QStringLiteral("A.txt"), "a1\n");
    auto hidden = series(std::make_shared<SKTText>(), QStringLiteral("A"));
    hidden->print_object = 1;
    auto line = series(std::make_shared<SKTLine>(), QStringLiteral("A"));
    struct Case {
        const char *name;
        SKTGraphicList front;
    } const cases[] = {
        {"no objects", {}},
        {"not output", {hidden}},
        {"not a text, picture or barcode", {line}},
        {"column 0", {column(std::make_shared<SKTText>(), 0)}},
        {"a column past the linked ones", {column(std::make_shared<SKTText>(), 7)}},
        {"a missing series", {series(std::make_shared<SKTText>(), QStringLiteral("Gone"))}},
        {"the select item", {series(std::make_shared<SKTImage>(), QStringLiteral("<--Select-->"))}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Shown shown = open(c.front, 2);
        EXPECT_EQ(shown.headers, QStringList{QStringLiteral("Row")});
        EXPECT_EQ(shown.rows, (QList<QStringList>{{QStringLiteral("1")}, {QStringLiteral("2")}}));
        EXPECT_EQ(shown.columnCount, QStringLiteral("0"));
    }
}

TEST_F(UsedDataViewer, SeriesFoundUnderAnyCaseOfTheirExtensionAndFlagsRespected)
{
    putSeries(QStringLiteral("Codes (1).TXT"), "k1\nk2\n");
    const SKTGraphicList front{series(std::make_shared<SKTText>(), QStringLiteral("Codes (1)")),
                               column(std::make_shared<SKTText>(), 1)};
    Shown shown = open(front, 1);
    EXPECT_EQ(shown.headers, (QStringList{QStringLiteral("Row"), QStringLiteral("Codes (1)(Series)"), QStringLiteral("Code(Excel)")}));
    EXPECT_EQ(shown.rows, (QList<QStringList>{{QStringLiteral("1"), QStringLiteral("k1"), QStringLiteral("C1")}}));
    // Series values in use but no spreadsheet binding: only the series column.
    Use_Excel_Binding_Values = false;
    shown = open(front, 1);
    EXPECT_EQ(shown.headers, (QStringList{QStringLiteral("Row"), QStringLiteral("Codes (1)(Series)")}));
    EXPECT_EQ(shown.columnCount, QStringLiteral("1"));
}

TEST_F(UsedDataViewer, TheDesignOpensItFromTheRecordList)
{
    putSeries(QStringLiteral("A.txt"), "a1\n");
    SKTWindowController *c = env.controller();
    ASSERT_NE(c, nullptr);
    const int before = responder->modalCount;
    Total_Batch_Excel_Card = 1;
    recordsOf(env.design()).Open_All_Used_Data_Box();
    EXPECT_EQ(responder->modalCount, before + 1);
    EXPECT_EQ(View_All_Used_Data::defaultInstance()->rows_count->text(), QStringLiteral("1"));
}

TEST_F(UsedDataViewer, TwoLinkedColumnsOfOneTitleAreTwoColumns)
{
    Data_From_Excel::defaultInstance()->Linked_Sheet.columnTitles = {QStringLiteral("Code"), QStringLiteral("Code")};
    const SKTGraphicList front{column(std::make_shared<SKTText>(), 1), column(std::make_shared<SKTText>(), 2),
                               column(std::make_shared<SKTText>(), 2)};
    const Shown shown = open(front, 1);
    EXPECT_EQ(shown.headers, (QStringList{QStringLiteral("Row"), QStringLiteral("Code(Excel)"), QStringLiteral("Code(Excel)")}));
    EXPECT_EQ(shown.rows, (QList<QStringList>{{QStringLiteral("1"), QStringLiteral("C1"), QStringLiteral("N1")}}));
}
