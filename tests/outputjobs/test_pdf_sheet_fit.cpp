// The PDF dialog's sheet fit: columns and rows that fit the page, the auto-centre gaps, a label
// larger than the page, label pages, and the total that follows the grid.

#include "outputjobs/PdfSheetFit.h"
#include "outputjobs/OutputGlobals.h"

#include <gtest/gtest.h>

namespace {

// A4 as the page setup gives it, no margins.
SheetLayout a4()
{
    SheetLayout l;
    l.setup.present = true;
    l.setup.paper = QSizeF(595, 842);
    return l;
}

sheetfit::Fields fields(float wMM, float hMM, int rows, int cols, bool autoCentre, const QString &gap = QStringLiteral("0"))
{
    sheetfit::Fields f;
    f.manualWidth = wMM;
    f.manualHeight = hMM;
    f.rows = QString::number(rows);
    f.cols = QString::number(cols);
    f.horzGap = f.vertGap = gap;
    f.autoCentre = autoCentre;
    return f;
}

TEST(PdfSheetFit, ColumnsRowsAndGapsOnTheSheet)
{
    struct Case {
        const char *name;
        sheetfit::Fields f;
        int rows, cols;
        float horzGap;
        bool writeCols;
    };
    const Case cases[] = {
        {"5 columns of 50 mm on A4: 4", fields(50, 30, 1, 5, false), 1, 4, 0, true},
        {"auto-centre, 3 columns of 50 mm: gaps of 42.45 pt", fields(50, 30, 1, 3, true), 1, 3, 42.45f, false},
        {"too wide: 1 column, gap 0", fields(250, 30, 1, 3, true), 1, 1, 0, true},
        {"too wide without auto-centre: 1 column, the typed gap", fields(250, 30, 1, 3, false, QStringLiteral("2")), 1, 1,
         5.669f, true},
        {"5 rows by 4 columns of 45 x 30 mm fit", fields(45, 30, 5, 4, false), 5, 4, 0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const sheetfit::Result r = pdfsheetfit::Check_Max_Cell_Value(a4(), c.f, 0, false, false);
        ASSERT_TRUE(r.ran);
        EXPECT_EQ(r.rows, c.rows);
        EXPECT_EQ(r.cols, c.cols);
        EXPECT_NEAR(r.layout.horz_mar, c.horzGap, 0.01);
        EXPECT_EQ(r.writeCols, c.writeCols);
        EXPECT_EQ(r.layout.Print_Col, c.cols);
    }
}

TEST(PdfSheetFit, TheTotalFollowsTheGridWithoutBatchRecords)
{
    SheetLayout l = a4();
    l.Total_Label = 40;
    EXPECT_EQ(pdfsheetfit::Check_Max_Cell_Value(l, fields(45, 30, 5, 4, false), 0, false, false).layout.Total_Label, 20);
    EXPECT_EQ(pdfsheetfit::Check_Max_Cell_Value(l, fields(45, 30, 5, 4, false), 0, false, true).layout.Total_Label, 40);
    // Without them the total is the user's to type and no range is offered; with them a range is.
    for (bool selected : {false, true})
        EXPECT_TRUE(pdfsheetfit::Range_Offer(false, selected).total
                    && !pdfsheetfit::Range_Offer(false, selected).fromTo);
    EXPECT_FALSE(pdfsheetfit::Range_Offer(true, true).total);
}

TEST(PdfSheetFit, LabelPagesAreTheLabelWithoutMargins)
{
    struct Case { const char *name; int option; bool useLabel; QSizeF page; float margin; };
    const Case cases[] = {
        {"option 3 with the box: the label", 3, true, {127.559, 85.039}, 0},
        {"option 2 with the box: the label", 2, true, {127.559, 85.039}, 0},
        {"option 3 without the box: the paper", 3, false, {595, 842}, 10},
        {"option 0 with the box: the paper", 0, true, {595, 842}, 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SheetLayout l = a4();
        l.Left_Mar = l.Rite_Mar = l.Top_Mar = l.Bot_Mar = 10;
        const SheetLayout p = pdfsheetfit::Page_Layout(l, 45, 30, c.option, c.useLabel);
        EXPECT_NEAR(p.setup.paper.width(), c.page.width(), 0.01);
        EXPECT_NEAR(p.setup.paper.height(), c.page.height(), 0.01);
        EXPECT_EQ(p.Left_Mar, c.margin);
        EXPECT_EQ(p.Bot_Mar, c.margin);
        const sheetfit::Result r = pdfsheetfit::Check_Max_Cell_Value(l, fields(45, 30, 3, 3, false), c.option, c.useLabel, false);
        if (c.margin == 0) {
            EXPECT_EQ(r.rows, 1);
            EXPECT_EQ(r.cols, 1);
        }
    }
}

} // namespace
