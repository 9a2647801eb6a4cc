#pragma once
// The fit of a sheet: the user's label size, gaps, rows and columns turned into the final grid on
// the paper. A pure function over a layout value; the print and PDF dialogs give it their fields and
// write its answer back.

#include "outputjobs/SheetLayout.h"

#include <QSizeF>
#include <QString>

#include <optional>

namespace sheetfit {

// The dialog's fields as the fit reads them: sizes in millimetres from the steppers, the other
// values as the text fields hold them.
struct Fields {
    float manualWidth = 0, manualHeight = 0;   // the manual size steppers (the label picture)
    float cellWidth = 0, cellHeight = 0;       // the predefined size steppers (the product's cell)
    QString horzGap, vertGap;                  // gap fields of the layout in use
    float horzGapInUse = 0, vertGapInUse = 0;  // their steppers: the gaps a text refused leaves in use
    QString rows, cols;                        // row and column fields of the layout in use
    QString leftMargin, topMargin;             // the product's margin fields (predefined layout)
    bool autoCentre = false;                   // the auto-centre box
};

struct Result {
    bool ran = false;        // NO without a page setup: nothing changed
    SheetLayout layout;
    int rows = 1, cols = 1;
    // The row and column fields (of the layout in use) are to show rows and cols.
    bool writeRows = false, writeCols = false;
    // A gap wider than the paper's usable extent (Gap_Extent; the page changed since it was typed)
    // is cut to it: the text its field is to show (millimetres, two decimals); empty where it stands.
    QString horzGapShown, vertGapShown;
};

// The most rows or columns a sheet takes (as their steppers): a typed count beyond it is no sheet.
constexpr int Most_Cells = 999;

// A typed count: the integer at the start of the text, from 1 to Most_Cells.
int Typed_Count(const QString &text);

// The fit. A predefined layout takes no auto-centre (the layout's flag is cleared). Rows and
// columns only ever drop, to what fits the usable area, and never below 1; a typed gap never
// passes the usable area; a
// label size that is not above 0, a gap that is negative or not a number, or an area with no room
// leaves one row or column (and a gap that is not a number counts as 0).
Result Check_Max_Cell_Value(const SheetLayout &layout, const Fields &fields);

// The most a gap may be on each axis (width: between columns), in millimetres to whole hundredths:
// the usable extent of the page the fit lays the sheet on (a wider gap lies between no two labels);
// nothing without a page setup.
std::optional<QSizeF> Gap_Extent(const SheetLayout &layout, const Fields &fields);

// The fields as a dialog shows them after a fit: the rows and columns it wrote and, centred (under
// auto-centre), its gaps in millimetres to two decimals.
Fields Shown_Fields(const Fields &fields, const Result &fit, bool centred);

// An edit of the rows or columns settles in two fits, the second over Shown_Fields of the first
// (under auto-centre the fewer cells that fit are then spread); the dialog shows only the answer:
// the second, with whatever either wrote.
Result Settled(const Result &first, const Result &second);

} // namespace sheetfit
