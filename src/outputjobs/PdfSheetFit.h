#pragma once
// The sheet fit of the PDF export dialog: the shared fit of a sheet on the PDF's page. The page is
// the page setup's paper, or for one label per page (options 2 and 3) with the label-size box the
// label itself with no margins. Without batch records the total follows the grid and is the user's
// to type.

#include "outputjobs/SheetFit.h"

namespace pdfsheetfit {

// The layout with the page the PDF sheet is fitted to: the label size in points, and for label
// pages the paper made the label and the margins 0.
SheetLayout Page_Layout(const SheetLayout &layout, float labelWidthMM, float labelHeightMM, int option,
                        bool useLabelSize);

// The fit; batch: the total is the records', else rows x columns.
sheetfit::Result Check_Max_Cell_Value(const SheetLayout &layout, const sheetfit::Fields &fields, int option,
                                      bool useLabelSize, bool batch);

// The most a gap may be on each axis of that page (sheetfit::Gap_Extent).
std::optional<QSizeF> Gap_Extent(const SheetLayout &layout, const sheetfit::Fields &fields, int option, bool useLabelSize);

// What the range of a PDF sheet offers. With batch records: the radios, and the checked one's
// fields (the total for every record, From and To for a range). Without them every label goes, and
// the total is still the user's: the grid sets it, typing changes it.
struct RangeOffer {
    bool radios = false;   // All and Selected
    bool total = true;     // the total, its stepper and label
    bool fromTo = false;   // From and To, their steppers and labels
};
RangeOffer Range_Offer(bool batch, bool selected);

} // namespace pdfsheetfit
