#pragma once
// The sheet layout of printing and PDF export as one value: the page and its usable area, the cell
// of one label, the gaps, rows and columns, where the block of cells sits, the options and the
// range. The dialogs write the process-wide globals; a job copies them into a value as it starts and
// reads nothing else while it draws.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include "outputjobs/OutputGlobals.h"

namespace platform { class PrintInfo; }

// What the page setup says about the paper, in points with the origin at the paper's bottom-left
// corner (y grows upward). All zero without a page setup.
struct PaperSetup {
    bool present = false;
    QSizeF paper;        // in the page setup's orientation, exactly as its size defines it
    QRectF imageable;    // the area the printer can mark
    QSizeF paperMM;      // the paper in millimetres, exactly as the paper size defines it

    static PaperSetup of(const platform::PrintInfo *info);
};

struct SheetLayout {
    PaperSetup setup;
    int Manual_or_Pre = 0;
    QString cus_or_pre = QStringLiteral("C");
    float predef_page_wdt = 0, predef_page_hgt = 0;
    float label_width = 0, label_hight = 0;
    float Real_label_width = 0, Real_label_hight = 0;
    float Left_Mar = 0, Rite_Mar = 0, Top_Mar = 0, Bot_Mar = 0;
    float horz_mar = 0, vert_mar = 0;
    int Print_Row = 1, Print_Col = 1;
    int label_align_val = 1;
    bool auto_center_flag = false;
    bool Fit_Picture_To_Frame = false;
    bool Enable_Crop_Marks = false;
    bool Show_margin_rect = true;
    bool skip_invalid_barcode = false;
    bool print_wd_pq_opt = false;
    int Total_Label = 1, Total_Label_Wd_PQ = 1, Total_Label_Real = 1;
    int Print_Start = 0, Print_End = 0;
    bool Use_Barocde_In_Center = false;
    bool PDF_View_Not_Print = false;
    // The job prints batch records (either set) or one repeated picture (both clear).
    bool Use_Data_Sheet_Values = false, Use_Excel_Binding_Values = false;

    // The globals as they are now (the page setup from printInfo).
    static SheetLayout fromGlobals();
    // The values into the globals (the page setup is not written: it lives in printInfo).
    void toGlobals() const;

    // The page the print dialog's preview shows: the predefined page in the predefined layout,
    // else the paper of the page setup.
    QSizeF previewPage() const;
};
