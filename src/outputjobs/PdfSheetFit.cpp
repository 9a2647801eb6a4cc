#include "outputjobs/PdfSheetFit.h"

#include "core/ImageServices.h"
#include "outputjobs/OutputGlobals.h"

namespace pdfsheetfit {

SheetLayout Page_Layout(const SheetLayout &layout, float labelWidthMM, float labelHeightMM, int option,
                        bool useLabelSize)
{
    SheetLayout l = layout;
    l.Manual_or_Pre = 0;
    l.Fit_Picture_To_Frame = false;
    l.label_width = MM_to_Points_Convert(labelWidthMM);
    l.label_hight = MM_to_Points_Convert(labelHeightMM);
    if ((option == 2 || option == 3) && useLabelSize) {
        l.setup.paper = QSizeF(l.label_width, l.label_hight);
        l.Left_Mar = l.Rite_Mar = l.Top_Mar = l.Bot_Mar = 0;
    }
    return l;
}

sheetfit::Result Check_Max_Cell_Value(const SheetLayout &layout, const sheetfit::Fields &fields, int option,
                                      bool useLabelSize, bool batch)
{
    const SheetLayout page = Page_Layout(layout, fields.manualWidth, fields.manualHeight, option, useLabelSize);
    sheetfit::Result r = sheetfit::Check_Max_Cell_Value(page, fields);
    if (r.ran && !batch)
        r.layout.Total_Label = r.rows * r.cols;
    return r;
}

std::optional<QSizeF> Gap_Extent(const SheetLayout &layout, const sheetfit::Fields &fields, int option, bool useLabelSize)
{
    return sheetfit::Gap_Extent(Page_Layout(layout, fields.manualWidth, fields.manualHeight, option, useLabelSize), fields);
}

RangeOffer Range_Offer(bool batch, bool selected)
{
    if (!batch)
        return {};
    return {true, !selected, selected};
}

} // namespace pdfsheetfit
