#pragma once
// The shared state of output: the batch counts, the export runs and the sheet layout of printing and
// PDF export, under its own names; each line says who writes it, and its initial value where that
// is not plain (0, false, empty, none).

#include <QString>
#include <memory>

class QImage;
namespace platform { class Picture; }

// ---- Batch data ----
extern bool Use_Data_Sheet_Values;        // the Barcode mode's batch settings, the sidebar binding, the export range
extern bool Use_Excel_Binding_Values;     // the sidebar binding and the export range
extern bool Excel_Binding_Use;            // the workbook link, the project reader and the project reset
extern int Total_Batch_Excel_Card;        // the batch binding and the batch count: the records of the batch
extern int Total_Barcode_Label_wd_Batch;  // the batch count: the Barcode mode's records; 1

// ---- Export runs ----
extern int Total_Label_Wd_PQ;             // the print and PDF windows: labels with every print quantity counted; 1
extern int Print_Start;                   // the export sheet and export runs: the first record, 0-based
extern int Print_End;                     // the export sheet and export runs: the last record, 1-based
extern int Total_Label;                   // the batch count, the export sheet and runs: the records of a run; 1
extern QString cus_or_pre;                // the print window: "C" custom products, "P" a catalogue; "C"
extern int Manual_or_Pre;                 // the print window: 0 manual layout, 1 predefined layout
extern float predef_page_wdt;             // the print window: the predefined layout's page, points
extern float predef_page_hgt;             // the print window: the predefined layout's page, points
extern QString file_name_exported;        // the export sheet's OK: a naming token ("<DEF>", ...) or the custom name
extern QString file_prefix_exported;      // the export sheet's OK: trimmed prefix, or ""
extern QString file_sufix_exported;       // the export sheet's OK: trimmed suffix, or ""
extern QString file_series_exported;      // the export sheet's OK: the series name or spreadsheet column title
extern int file_exl_col_exported;         // the export sheet's OK: the spreadsheet column
extern QString file_path_ext;             // the export sheet's OK: the chosen format's extension
extern QString file_export_Path;          // the export sheet's OK: the destination folder
extern int export_card_counter;           // export commands reset it; the export counts the records passed
extern bool Export_Any_File;              // export commands clear it; the writer sets it for each file written

// ---- The sheet layout of printing and PDF export ----
// Lengths in points (72 per inch), single precision; the print and PDF windows write them, the print
// view, the PDF writer and the sheet preview read them.
extern float label_width;          // one cell of the grid
extern float label_hight;
extern float Real_label_width;     // the label picture itself: always the manual size fields
extern float Real_label_hight;
extern float Left_Mar;             // distance of the usable area from each paper edge
extern float Rite_Mar;
extern float Top_Mar;
extern float Bot_Mar;
extern float horz_mar;             // gap between columns, and between rows; auto-centre's even spacing
extern float vert_mar;
extern int Print_Row;              // rows and columns of cells per sheet after the fit (1)
extern int Print_Col;
extern int label_align_val;        // block alignment 1-9, top-left to bottom-right, row by row (1)
extern int label_align_val_bkup;   // the manual layout's alignment while the predefined one forces 1 (1)
extern bool auto_center_flag;      // cells spread evenly over the usable area
extern bool Fit_Picture_To_Frame;  // one cell of the imageable area
extern bool Enable_Crop_Marks;
extern bool Show_margin_rect;      // the preview outlines each cell (YES)
extern bool skip_invalid_barcode;  // records without a symbol give their cell to the next record
extern bool print_wd_pq_opt;       // Barcode mode: each record repeated by its print quantity
extern int Total_Label_Real;       // Total_Label as fixed when a print job starts (1)
extern std::shared_ptr<platform::Picture> Barcode_Image;   // the picture of every label without batch data
extern QImage preview_image;       // the sheet preview's bitmap, of the paper's size
extern bool Use_Barocde_In_Center; // Barcode mode: each picture keeps its size, centred in its cell
extern bool PDF_View_Not_Print;    // the sheet preview serves the PDF dialog
extern bool PDF_Use_Label_Size;    // PDF dialog: pages of the label's size
