#pragma once
// Where the cells of a sheet go: one pure function, in points with the origin at the paper's
// bottom-left corner (y grows upward), shared by the sheet preview, the print view and the PDF
// writer. Painting flips it once, where it starts (flipped()).

#include "outputjobs/SheetLayout.h"

#include <QLineF>
#include <QRectF>
#include <QSizeF>

#include <array>
#include <vector>

namespace sheetplacement {

struct Cell {
    int row = 1, col = 1;   // 1-based, the top row first
    int number = 1;         // 1-based label number: row by row from the top left
    QRectF rect;            // bottom-left corner and size
};

struct Sheet {
    QSizeF page;
    QRectF marginRect;         // the usable area inside the margins
    std::vector<Cell> cells;   // Print_Row x Print_Col, row by row from the top left
};

// The 0-based index of the cell in row and column (both 1-based) of a grid of cols columns.
int Get_Curr_Label_Index(int row, int col, int cols);

// The grid of one sheet of the page size: the block of cells aligned in the usable area
// (alignment 1-9, top-left to bottom-right row by row; any other value counts as 1), or under
// auto-centre spread by the layout's gaps with one gap before the first cell of each axis.
Sheet Place_Sheet(const SheetLayout &layout, const QSizeF &page);

// The eight crop marks of a rectangle: two lines of length at each corner, pointing away from it.
std::array<QLineF, 8> Crop_Marks(const QRectF &rect, double length = 20);

// A rectangle or point of a page of that height in the painter's space (origin top-left, y down).
QRectF flipped(const QRectF &rect, double pageHeight);
QPointF flipped(const QPointF &point, double pageHeight);

} // namespace sheetplacement
