#pragma once
// The shared state of the Designing mode and of projects, under its own names; each line says who
// writes it, and its initial value where that is not plain (0, false, empty, none). It lives with
// the model, so that the card objects and the document read it as the window does.

#include <QList>
#include <QString>
#include <atomic>
#include <memory>

class DesignSnapshot;
namespace platform { class Picture; }

// ---- History, objects and pictures ----
// Undo and redo write the two stacks, a new or loaded project empties them; the project reader records
// the floor of undo after a load and the project reset empties it.
extern QList<std::shared_ptr<DesignSnapshot>> Ucontrol;
extern QList<std::shared_ptr<DesignSnapshot>> Rcontrol;
extern QList<std::shared_ptr<DesignSnapshot>> Ucontrol_Log;
extern int BAR_CTRL;                      // the canvas, before it numbers a barcode "BAR_%d"; the project reset
extern int Card_Shape;                    // the wizard, the card info page: 0 rectangle, 1 rounded rectangle, 2 ellipse
// The barcode-object window and the sidebar: the barcode image rendered last.
extern std::shared_ptr<platform::Picture> Barcode_output_image;
extern QString Library_Selected_Image;    // the image library and browse commands: the picture picked last
extern QString lib_window_sel_file;       // the image library window: the file chosen in it
extern std::atomic<bool> Card_Value_In_Process;   // the batch fill, while it fills a record: the canvas is not redrawn
extern QString export_card_side;          // the export sheet and template export: "F", "B" or "BOTH"
extern bool data_source_change_main;      // the combo dispatch, while it refills the sidebar's series combo itself
extern bool call_rhs_prop_on_fill_list;   // the combo dispatch clears it while it rebinds an object; true
extern bool save_flag_des_mode;           // the Designing mode's change handlers set it; saving and loading clear it

// ---- Projects and new designs ----
extern QString Project_File_Name;         // project saving, loading and reset, template export: "" for a new project
// The start window, the wizard and the project readers: "T" template (initially), "W" wizard, "L" file.
extern QString Start_Card_Option;
extern QString Selected_Template_Path;    // the template galleries and the start flow: "" for a blank design
extern QString Excel_Source_Path;         // the workbook link, the start window and the project reader
