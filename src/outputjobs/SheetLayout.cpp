#include "outputjobs/SheetLayout.h"

#include "core/Globals.h"
#include "outputjobs/OutputGlobals.h"
#include "platform/PrintInfo.h"

PaperSetup PaperSetup::of(const platform::PrintInfo *info)
{
    PaperSetup s;
    if (!info)
        return s;
    const QPageLayout &layout = info->pageLayout;
    // The paper as its size defines it: Qt keeps points as whole numbers (A4 595 x 842), which
    // would put right- and bottom-aligned labels a tenth of a millimetre off on real paper.
    s.paperMM = layout.fullRect(QPageLayout::Millimeter).size();
    const QSizeF full(s.paperMM.width() * 72.0 / 25.4, s.paperMM.height() * 72.0 / 25.4);
    const QMarginsF m = layout.margins(QPageLayout::Point);
    s.present = true;
    s.paper = full;
    // The printable area, with the bottom margin as its distance from the paper's bottom edge.
    s.imageable = QRectF(m.left(), m.bottom(), full.width() - m.left() - m.right(), full.height() - m.top() - m.bottom());
    return s;
}

SheetLayout SheetLayout::fromGlobals()
{
    SheetLayout l;
    l.setup = PaperSetup::of(printInfo.get());
    l.Manual_or_Pre = ::Manual_or_Pre;
    l.cus_or_pre = ::cus_or_pre;
    l.predef_page_wdt = ::predef_page_wdt;
    l.predef_page_hgt = ::predef_page_hgt;
    l.label_width = ::label_width;
    l.label_hight = ::label_hight;
    l.Real_label_width = ::Real_label_width;
    l.Real_label_hight = ::Real_label_hight;
    l.Left_Mar = ::Left_Mar;
    l.Rite_Mar = ::Rite_Mar;
    l.Top_Mar = ::Top_Mar;
    l.Bot_Mar = ::Bot_Mar;
    l.horz_mar = ::horz_mar;
    l.vert_mar = ::vert_mar;
    l.Print_Row = ::Print_Row;
    l.Print_Col = ::Print_Col;
    l.label_align_val = ::label_align_val;
    l.auto_center_flag = ::auto_center_flag;
    l.Fit_Picture_To_Frame = ::Fit_Picture_To_Frame;
    l.Enable_Crop_Marks = ::Enable_Crop_Marks;
    l.Show_margin_rect = ::Show_margin_rect;
    l.skip_invalid_barcode = ::skip_invalid_barcode;
    l.print_wd_pq_opt = ::print_wd_pq_opt;
    l.Total_Label = ::Total_Label;
    l.Total_Label_Wd_PQ = ::Total_Label_Wd_PQ;
    l.Total_Label_Real = ::Total_Label_Real;
    l.Print_Start = ::Print_Start;
    l.Print_End = ::Print_End;
    l.Use_Barocde_In_Center = ::Use_Barocde_In_Center;
    l.PDF_View_Not_Print = ::PDF_View_Not_Print;
    l.Use_Data_Sheet_Values = ::Use_Data_Sheet_Values;
    l.Use_Excel_Binding_Values = ::Use_Excel_Binding_Values;
    return l;
}

void SheetLayout::toGlobals() const
{
    ::Manual_or_Pre = this->Manual_or_Pre;
    ::cus_or_pre = this->cus_or_pre;
    ::predef_page_wdt = this->predef_page_wdt;
    ::predef_page_hgt = this->predef_page_hgt;
    ::label_width = this->label_width;
    ::label_hight = this->label_hight;
    ::Real_label_width = this->Real_label_width;
    ::Real_label_hight = this->Real_label_hight;
    ::Left_Mar = this->Left_Mar;
    ::Rite_Mar = this->Rite_Mar;
    ::Top_Mar = this->Top_Mar;
    ::Bot_Mar = this->Bot_Mar;
    ::horz_mar = this->horz_mar;
    ::vert_mar = this->vert_mar;
    ::Print_Row = this->Print_Row;
    ::Print_Col = this->Print_Col;
    ::label_align_val = this->label_align_val;
    ::auto_center_flag = this->auto_center_flag;
    ::Fit_Picture_To_Frame = this->Fit_Picture_To_Frame;
    ::Enable_Crop_Marks = this->Enable_Crop_Marks;
    ::Show_margin_rect = this->Show_margin_rect;
    ::skip_invalid_barcode = this->skip_invalid_barcode;
    ::print_wd_pq_opt = this->print_wd_pq_opt;
    ::Total_Label = this->Total_Label;
    ::Total_Label_Wd_PQ = this->Total_Label_Wd_PQ;
    ::Total_Label_Real = this->Total_Label_Real;
    ::Print_Start = this->Print_Start;
    ::Print_End = this->Print_End;
    ::Use_Barocde_In_Center = this->Use_Barocde_In_Center;
    ::PDF_View_Not_Print = this->PDF_View_Not_Print;
    ::Use_Data_Sheet_Values = this->Use_Data_Sheet_Values;
    ::Use_Excel_Binding_Values = this->Use_Excel_Binding_Values;
}

QSizeF SheetLayout::previewPage() const
{
    if (Manual_or_Pre == 1)
        return QSizeF(predef_page_wdt, predef_page_hgt);
    return setup.paper;
}
