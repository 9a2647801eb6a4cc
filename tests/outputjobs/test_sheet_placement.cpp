// Where the cells of a sheet go, in points from the paper's bottom-left corner.

#include "outputjobs/SheetPlacement.h"
#include "outputjobs/OutputGlobals.h"

#include <gtest/gtest.h>

namespace {

using sheetplacement::Cell;
using sheetplacement::Place_Sheet;

// A sheet of 600 x 800 points with margins L 30, R 20, T 40, B 10 and cells of 100 x 50.
SheetLayout grid(int rows, int cols, int align = 1, float gh = 0, float gv = 0)
{
    SheetLayout l;
    l.Print_Row = rows;
    l.Print_Col = cols;
    l.label_width = 100;
    l.label_hight = 50;
    l.horz_mar = gh;
    l.vert_mar = gv;
    l.Left_Mar = 30;
    l.Rite_Mar = 20;
    l.Top_Mar = 40;
    l.Bot_Mar = 10;
    l.label_align_val = align;
    return l;
}

const QSizeF page(600, 800);

TEST(SheetPlacement, TopLeftBlockReadsRowByRowFromTheTopLeft)
{
    const auto sheet = Place_Sheet(grid(3, 2), page);
    ASSERT_EQ(sheet.cells.size(), 6u);
    // The top row's top edge lies Top_Mar below the page's top, the first column at Left_Mar.
    EXPECT_EQ(sheet.cells[0].rect, QRectF(30, 800 - 40 - 50, 100, 50));
    EXPECT_EQ(sheet.cells[1].rect, QRectF(130, 710, 100, 50));
    EXPECT_EQ(sheet.cells[5].rect, QRectF(130, 610, 100, 50));
    int number = 1;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 2; ++c) {
            const Cell &cell = sheet.cells[size_t(number - 1)];
            EXPECT_EQ(cell.row, r);
            EXPECT_EQ(cell.col, c);
            EXPECT_EQ(cell.number, number);
            ++number;
        }
    EXPECT_EQ(sheet.marginRect, QRectF(30, 10, 550, 750));
}

// Each alignment puts the block's corner where it says, gaps included; anything but 1-9 is 1.
TEST(SheetPlacement, EveryAlignmentPlacesTheBlock)
{
    // Block 2 x 3 cells with gaps 10 and 5: 320 x 105. Usable 550 x 750 from (30, 10).
    struct Case {
        int align;
        double left, top;   // the block's left and top edges
    };
    const Case cases[] = {
        {1, 30, 760},  {2, 30 + 115, 760},  {3, 580 - 320, 760},
        {4, 30, 10 + 750 - 322.5}, {5, 145, 437.5}, {6, 260, 437.5},
        {7, 30, 10 + 105}, {8, 145, 115}, {9, 260, 115},
        {0, 30, 760}, {10, 30, 760}, {-4, 30, 760},
    };
    for (const Case &c : cases) {
        const auto sheet = Place_Sheet(grid(2, 3, c.align, 10, 5), page);
        const QRectF first = sheet.cells.front().rect;
        const QRectF last = sheet.cells.back().rect;
        EXPECT_DOUBLE_EQ(first.left(), c.left) << c.align;
        EXPECT_DOUBLE_EQ(first.bottom(), c.top) << c.align;   // QRectF's bottom() is y + h: the top here
        EXPECT_DOUBLE_EQ(last.right() - first.left(), 320) << c.align;
        EXPECT_DOUBLE_EQ(first.bottom() - last.top(), 105) << c.align;
    }
}

TEST(SheetPlacement, MiddleCentreCentresTheBlockInsideTheMargins)
{
    const auto sheet = Place_Sheet(grid(4, 3, 5, 12, 6), page);
    const QRectF first = sheet.cells.front().rect, last = sheet.cells.back().rect;
    const double left = first.left() - 30, right = 580 - last.right();
    const double top = 760 - first.bottom(), bottom = last.top() - 10;
    EXPECT_DOUBLE_EQ(left, right);
    EXPECT_DOUBLE_EQ(top, bottom);
    // A block larger than the usable area overhangs both sides alike.
    const auto big = Place_Sheet(grid(1, 7, 5), page);
    EXPECT_LT(big.cells.front().rect.left(), 30);
    EXPECT_DOUBLE_EQ(30 - big.cells.front().rect.left(), big.cells.back().rect.right() - 580);
}

TEST(SheetPlacement, AutoCentreLeavesAGapBeforeTheFirstCell)
{
    SheetLayout l = grid(2, 1);
    l.auto_center_flag = true;
    l.horz_mar = 225;   // (550 - 100) / 2
    l.vert_mar = 50;
    l.label_align_val = 9;   // ignored
    auto sheet = Place_Sheet(l, page);
    EXPECT_DOUBLE_EQ(sheet.cells[0].rect.left(), 30 + 225);
    EXPECT_DOUBLE_EQ(sheet.cells[1].rect.top(), 10 + 50);   // the bottom row sits a gap above the margin
    EXPECT_DOUBLE_EQ(sheet.cells[0].rect.top(), 10 + 50 + 50 + 50);
    // Three columns of 50 on a usable width of 200 with a gap of 12.5.
    l = grid(1, 3);
    l.label_width = 50;
    l.Left_Mar = 30;
    l.Rite_Mar = 370;
    l.auto_center_flag = true;
    l.horz_mar = 12.5f;
    sheet = Place_Sheet(l, page);
    EXPECT_DOUBLE_EQ(sheet.cells[0].rect.left(), 42.5);
    EXPECT_DOUBLE_EQ(sheet.cells[1].rect.left(), 105);
    EXPECT_DOUBLE_EQ(sheet.cells[2].rect.left(), 167.5);
}

TEST(SheetPlacement, CropMarksPointTwentyPointsAwayFromEachCorner)
{
    const auto marks = sheetplacement::Crop_Marks(QRectF(0, 5, 100, 50));
    const QLineF expected[] = {QLineF(0, 5, -20, 5),     QLineF(0, 5, 0, -15),     QLineF(100, 5, 120, 5),
                               QLineF(100, 5, 100, -15), QLineF(0, 55, -20, 55),   QLineF(0, 55, 0, 75),
                               QLineF(100, 55, 120, 55), QLineF(100, 55, 100, 75)};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(marks[i], expected[i]) << i;
        EXPECT_DOUBLE_EQ(marks[i].length(), 20) << i;
    }
}

TEST(SheetPlacement, IndicesAndTheFlipToThePainter)
{
    EXPECT_EQ(sheetplacement::Get_Curr_Label_Index(1, 1, 3), 0);
    EXPECT_EQ(sheetplacement::Get_Curr_Label_Index(2, 1, 3), 3);
    EXPECT_EQ(sheetplacement::Get_Curr_Label_Index(3, 3, 3), 8);
    EXPECT_EQ(sheetplacement::flipped(QRectF(30, 710, 100, 50), 800), QRectF(30, 40, 100, 50));
    EXPECT_EQ(sheetplacement::flipped(QPointF(5, 790), 800), QPointF(5, 10));
}

} // namespace
