#pragma once
// Projects and label stock of the main window: the new-project reset, the start of a new design,
// the window title, and the label-stock catalogue of the card size tab.

#include "projects/Product_Details.h"

#include <QObject>
#include <QString>
#include <vector>

class SKTWindowController;

class ProjectsController : public QObject {
    Q_OBJECT
public:
    explicit ProjectsController(SKTWindowController &hub);
    ~ProjectsController() override;

    SKTWindowController &hub;

public:
    // Resets the window to a new, empty project of both modes (the argument is not read).
    void New_Project_Setting_Reset(bool unused);
    // Begins a new design.
    void Open_Start_Window();
    // The window title for the working mode and the open project.
    void Set_Log_Name_In_Title();
    // Reads a vendor catalogue into prod_list and appends its product numbers to Product_num_ComboBox;
    // answers the number of products read. The page number and the flag are not used.
    int Read_XML_File(const QString &path, const QString &pageNumber, const QString &vendor, bool manualPaperNameChk);
    // The label size of the product chosen in Product_num_ComboBox into the card size fields.
    void Read_Selected_Product_Label_Value();
    // The products of the vendor read last; item i of the product list belongs to record i.
    std::vector<Product_Details> prod_list;

    // ---- Label stock and new designs ----
    // Opens the project file at path (the project reader's entry); 1 when a project was loaded.
    int Open_Log_file_Func(const QString &path);
    // Reads a design project file; "T" loads a template as a new untitled design, "L" a project.
    // 1 when it was loaded.
    int Read_and_load_design_Log_NEW_METHOD(const QString &path, const QString &logOrTemplate, bool readXlFromLog);
    // The design as started is the only undo step: front side shown, both stacks cleared, the
    // current state recorded, Undo and Redo disabled.
    void Start_Design_Undo_Base();
    // The template panel of the work area (QR edition), built into the record-list box.
    void Build_Template_Panel();
    // The start flow's outcome: 1 for a blank card or a loaded template, else the reader's result
    // (0 after Cancel).
    int Start_Result = 0;
};
