// The fit of a sheet's grid to the paper, and the names of paper sizes.

#include "core/ImageServices.h"
#include "outputjobs/Print_Wnd_PaperNames.h"
#include "outputjobs/SheetFit.h"
#include "outputjobs/OutputGlobals.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

float pt(float mm) { return MM_to_Points_Convert(mm); }

// A manual layout on a paper of the given size (mm), with margins of `margin` mm on every side.
SheetLayout paper(float widthMM, float heightMM, float margin = 0)
{
    SheetLayout l;
    l.setup.present = true;
    l.setup.paper = QSizeF(pt(widthMM), pt(heightMM));
    l.setup.imageable = QRectF(pt(margin), pt(margin), pt(widthMM - 2 * margin), pt(heightMM - 2 * margin));
    l.Left_Mar = l.Rite_Mar = l.Top_Mar = l.Bot_Mar = pt(margin);
    return l;
}

sheetfit::Fields fields(float w, float h, const QString &gap, const QString &cols, const QString &rows = QStringLiteral("1"),
                        bool autoCentre = false)
{
    sheetfit::Fields f;
    f.manualWidth = w;
    f.manualHeight = h;
    f.horzGap = gap;
    f.vertGap = QStringLiteral("0");
    f.cols = cols;
    f.rows = rows;
    f.autoCentre = autoCentre;
    return f;
}

TEST(SheetFit, ColumnsDropToWhatFitsAndNeverRise)
{
    struct Case {
        const char *what;
        float paperMM, labelMM;
        const char *gap, *typed;
        bool autoCentre;
        int cols;
        bool written;
        float gapMM;   // the gap the layout keeps
    };
    const Case cases[] = {
        {"5 x 50 on 210 need 250", 210, 50, "0", "5", false, 4, true, 0},
        {"4 x 50 and 3 gaps of 3 need 209", 210, 50, "3", "4", false, 4, false, 3},
        {"5 x 50 and gaps of 3 need 262", 210, 50, "3", "5", false, 4, true, 3},
        {"2 of 4 that would fit stay 2", 210, 50, "0", "2", false, 2, false, 0},
        {"auto-centre 3 x 60 on 200", 200, 60, "0", "3", true, 3, false, 5},
        {"auto-centre 4 x 60 on 200", 200, 60, "7", "4", true, 3, true, 0},
        {"a label wider than the paper", 200, 250, "0", "3", false, 1, true, 0},
        {"auto-centre, wider than the paper", 200, 250, "0", "3", true, 1, true, 0},
        {"a gap wider than the paper is cut to it", 210, 50, "99999999", "2", false, 1, true, 210},
    };
    for (const Case &c : cases) {
        const sheetfit::Result r = sheetfit::Check_Max_Cell_Value(
            paper(c.paperMM, 300), fields(c.labelMM, 20, QString::fromLatin1(c.gap), QString::fromLatin1(c.typed),
                                          QStringLiteral("1"), c.autoCentre));
        ASSERT_TRUE(r.ran) << c.what;
        EXPECT_EQ(r.cols, c.cols) << c.what;
        EXPECT_EQ(r.layout.Print_Col, c.cols) << c.what;
        EXPECT_EQ(r.writeCols, c.written) << c.what;
        EXPECT_NEAR(r.layout.horz_mar, pt(c.gapMM), 0.01) << c.what;
    }
}

TEST(SheetFit, RowsFollowTheSameRulesOnTheHeight)
{
    sheetfit::Fields f = fields(20, 50, QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7"));
    f.vertGap = QStringLiteral("3");
    sheetfit::Result r = sheetfit::Check_Max_Cell_Value(paper(100, 210), f);
    EXPECT_EQ(r.rows, 4);   // floor((210 + 3) / 53)
    EXPECT_TRUE(r.writeRows);
    EXPECT_FALSE(r.writeCols);
    EXPECT_NEAR(r.layout.vert_mar, pt(3), 0.01);
    f.autoCentre = true;
    f.rows = QStringLiteral("3");
    f.manualHeight = 60;
    r = sheetfit::Check_Max_Cell_Value(paper(100, 200), f);
    EXPECT_EQ(r.rows, 3);
    EXPECT_NEAR(r.layout.vert_mar, pt(5), 0.01);
}

TEST(SheetFit, SizesComeFromTheFieldsInPoints)
{
    SheetLayout l = paper(210, 297);
    sheetfit::Fields f = fields(50, 30, QStringLiteral("2.5"), QStringLiteral("1"));
    f.cellWidth = 63.5f;
    f.cellHeight = 38.1f;
    sheetfit::Result r = sheetfit::Check_Max_Cell_Value(l, f);
    EXPECT_FLOAT_EQ(r.layout.label_width, pt(50));
    EXPECT_FLOAT_EQ(r.layout.Real_label_hight, pt(30));
    // Predefined: the cell is the product's, the picture stays the manual size.
    l.Manual_or_Pre = 1;
    l.predef_page_wdt = 596;
    l.predef_page_hgt = 842;
    r = sheetfit::Check_Max_Cell_Value(l, f);
    EXPECT_FLOAT_EQ(r.layout.label_width, pt(63.5f));
    EXPECT_FLOAT_EQ(r.layout.label_hight, pt(38.1f));
    EXPECT_FLOAT_EQ(r.layout.Real_label_width, pt(50));
    // Fit-to-frame: one cell of the imageable area.
    l = paper(210, 297, 10);
    l.Fit_Picture_To_Frame = true;
    r = sheetfit::Check_Max_Cell_Value(l, f);
    EXPECT_FLOAT_EQ(r.layout.label_width, float(pt(190)));
    EXPECT_FLOAT_EQ(r.layout.Real_label_width, pt(50));
}

TEST(SheetFit, APredefinedLayoutTakesTheProductsPageAndMarginsAndNoCentring)
{
    SheetLayout l = paper(100, 100, 6.35f);
    l.Manual_or_Pre = 1;
    l.predef_page_wdt = pt(210);
    l.predef_page_hgt = pt(297);
    sheetfit::Fields f = fields(60, 30, QStringLiteral("2.5"), QStringLiteral("3"), QStringLiteral("7"), true);
    f.cellWidth = 63.5f;
    f.cellHeight = 38.1f;
    f.leftMargin = QStringLiteral("7.25");
    f.topMargin = QStringLiteral("15.15");
    l.auto_center_flag = true;   // left by the manual layout: the placement must not spread the stock
    const sheetfit::Result r = sheetfit::Check_Max_Cell_Value(l, f);
    EXPECT_FALSE(r.layout.auto_center_flag);
    EXPECT_FLOAT_EQ(r.layout.Left_Mar, pt(7.25f));
    EXPECT_FLOAT_EQ(r.layout.Top_Mar, pt(15.15f));
    EXPECT_EQ(r.layout.Rite_Mar, 0);
    EXPECT_EQ(r.layout.Bot_Mar, 0);
    // The product's page (not the 100 mm paper) holds 3 x 7; the gap stays as typed.
    EXPECT_EQ(r.cols, 3);
    EXPECT_EQ(r.rows, 7);
    EXPECT_NEAR(r.layout.horz_mar, pt(2.5f), 0.01);
}

TEST(SheetFit, WithoutAPageSetupNothingChanges)
{
    SheetLayout l;
    l.Print_Col = 9;
    l.label_width = 5;
    const sheetfit::Result r = sheetfit::Check_Max_Cell_Value(l, fields(50, 30, QStringLiteral("0"), QStringLiteral("3")));
    EXPECT_FALSE(r.ran);
    EXPECT_EQ(r.layout.Print_Col, 9);
    EXPECT_EQ(r.layout.label_width, 5);
    EXPECT_FALSE(r.writeCols);
}

// Sizes and gaps no grid can be divided by, counts below 1, margins wider than the paper: one row
// and column, and only finite numbers in the layout.
TEST(SheetFit, BadInputLeavesOneFiniteCell)
{
    struct Case {
        const char *what;
        float labelMM;
        const char *gap, *cols;
        float margin;
        bool autoCentre;
    };
    const Case cases[] = {
        {"zero width", 0, "0", "4", 0, false},
        {"zero width, auto-centre", 0, "0", "4", 0, true},
        {"negative width", -20, "0", "4", 0, false},
        {"negative gap equal to the width", 50, "-50", "4", 0, false},
        {"letters for a gap", 50, "abc", "9", 0, false},
        {"zero columns", 10, "0", "0", 0, false},
        {"negative columns", 10, "0", "-3", 0, false},
        {"letters for columns", 10, "0", "x", 0, false},
        {"margins wider than the paper", 10, "0", "4", 120, false},
        {"margins wider than the paper, auto-centre", 10, "0", "4", 120, true},
    };
    for (const Case &c : cases) {
        sheetfit::Fields f = fields(c.labelMM, c.labelMM, QString::fromLatin1(c.gap), QString::fromLatin1(c.cols),
                                    QString::fromLatin1(c.cols), c.autoCentre);
        f.vertGap = f.horzGap;
        const sheetfit::Result r = sheetfit::Check_Max_Cell_Value(paper(210, 210, c.margin), f);
        const bool oneCell = c.labelMM <= 0 || QString::fromLatin1(c.gap).startsWith(QLatin1Char('-')) || c.margin > 100
                             || QString::fromLatin1(c.cols).toInt() < 1;
        if (oneCell) {
            EXPECT_EQ(r.cols, 1) << c.what;
            EXPECT_EQ(r.rows, 1) << c.what;
        } else {
            EXPECT_GE(r.cols, 1) << c.what;
        }
        for (float v : {r.layout.horz_mar, r.layout.vert_mar, r.layout.label_width, r.layout.label_hight})
            EXPECT_TRUE(std::isfinite(v)) << c.what;
        // A typed count below 1 is shown as 1.
        if (QString::fromLatin1(c.cols).toInt() < 1) {
            EXPECT_TRUE(r.writeCols && r.writeRows) << c.what;
        }
    }
}

TEST(SheetFit, TypedCountsAreWholeNumbersOfAtLeastOne)
{
    EXPECT_EQ(sheetfit::Typed_Count(QStringLiteral("12")), 12);
    EXPECT_EQ(sheetfit::Typed_Count(QStringLiteral("3.9")), 3);
    EXPECT_EQ(sheetfit::Typed_Count(QStringLiteral("")), 1);
    EXPECT_EQ(sheetfit::Typed_Count(QStringLiteral("0")), 1);
    EXPECT_EQ(sheetfit::Typed_Count(QStringLiteral("-4")), 1);
    // No sheet holds more than its steppers do, however small the label.
    EXPECT_EQ(sheetfit::Typed_Count(QStringLiteral("99999999999")), sheetfit::Most_Cells);
    const sheetfit::Result r = sheetfit::Check_Max_Cell_Value(
        paper(210, 297), fields(0.0001f, 0.0001f, QStringLiteral("0"), QStringLiteral("99999999"), QStringLiteral("99999999")));
    EXPECT_EQ(r.cols, sheetfit::Most_Cells);
    EXPECT_EQ(r.rows, sheetfit::Most_Cells);
    EXPECT_TRUE(r.writeCols && r.writeRows);
}

TEST(SheetFit, MillimetresAndPoints)
{
    EXPECT_FLOAT_EQ(MM_to_Points_Convert(25.4f), 72.0f);
    EXPECT_FLOAT_EQ(Points_to_MM_Convert(72.0f), 25.4f);
    EXPECT_EQ(QString::asprintf("%0.2f", double(Points_to_MM_Convert(18))), QStringLiteral("6.35"));
}

// Every paper of the table by its size in either orientation; a size that is only part of a key
// (10 x 20 inside 110 x 220) names no paper.
TEST(PaperNames, EveryKeyInBothOrientationsAndNothingElse)
{
    const std::pair<const char *, const char *> table[] = {
        {"297.00 x 420.00", "A3"},         {"210.00 x 297.00", "A4"},
        {"148.00 x 210.00", "A5"},         {"176.00 x 250.00", "B5"},
        {"105.00 x 241.00", "Envelope #10"}, {"120.00 x 235.00", "Envelope Choukei 3"},
        {"110.00 x 220.00", "Envelope DL"}, {"182.00 x 257.00", "JIS B5"},
        {"197.00 x 273.00", "ROC 16K"},    {"330.00 x 483.00", "Super B/A3"},
        {"279.00 x 432.00", "Tabloid"},    {"305.00 x 457.00", "Tabloid Oversize"},
        {"216.00 x 356.00", "US Legal"},   {"216.00 x 279.00", "US Letter"},
        {"215.90 x 279.40", "Letter"},     {"100.00 x 148.00", "Postcard"},
        {"184.00 x 267.00", "Executive"},
    };
    for (const auto &[key, name] : table) {
        const QStringList wh = QString::fromLatin1(key).split(QStringLiteral(" x "));
        EXPECT_EQ(Find_Papaer_Name_From_Size(wh[0], wh[1]), QLatin1String(name)) << key;
        EXPECT_EQ(Find_Papaer_Name_From_Size(wh[1], wh[0]), QLatin1String(name)) << key;
    }
    const std::pair<const char *, const char *> others[] = {
        {"10.00", "20.00"}, {"20.00", "10.00"}, {"10.00", "297.00"}, {"210.00", "97.00"},
        {"85.60", "53.98"}, {"", ""},          {"210.00", "210.00"}, {"97.00", "21"},
    };
    for (const auto &[w, h] : others)
        EXPECT_EQ(Find_Papaer_Name_From_Size(QLatin1String(w), QLatin1String(h)), QString()) << w << " x " << h;
}

} // namespace
