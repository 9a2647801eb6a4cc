#pragma once
// Projects and label stock of the main window: the new-project reset, the start of a new design,
// the window title, and the label-stock catalogue of the card size tab.

#include "outputjobs/Product_Details.h"
#include "platform/SavedFolder.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BarcodeModeProjects;
class DesignProjects;
class ProjectsHost;
class QComboBox;
class QWidget;
class SKTGraphic;
struct ProjectsSources;
namespace platform { class PlistValue; }

class ProjectsController : public QObject {
    Q_OBJECT
public:
    // The sources (projects/ProjectsSources.h) are what projects reads and asks of the rest of the
    // window; the controller owns them and hands them to its wizard and panels.
    explicit ProjectsController(ProjectsSources sources);
    // Made before the design, whose sources name it; the sources follow once the design exists.
    ProjectsController();
    void useSources(ProjectsSources sources);
    ~ProjectsController() override;

    ProjectsHost &host() const;
    DesignProjects &design() const;
    BarcodeModeProjects &barcodeMode() const;

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

    // ---- Project files ----
    // The property array of one card object, and a new object from one (nullptr when the array
    // names no card object). Barcode objects are numbered from BAR_CTRL; one without a stored
    // picture is rendered again by the barcode-object window.
    platform::PlistValue Get_Control_Prop_To_Array(const SKTGraphic &graphic) const;
    std::shared_ptr<SKTGraphic> Create_Control_From_Array(const platform::PlistValue &array);
    // The design section: writes the design (asking for a path when there is none), answers
    // whether it was written; reads a project file of either section, 1 when one was loaded.
    bool Save_project_file(bool save_as, bool show_msg, const QString &log_or_template);
    int Read_and_load_design_Log_NEW_METHOD(const QString &path, const QString &log_or_template, bool read_xl_from_log);
    // The barcode section, and the path of the current barcode project ("" for none).
    QString Project_File_Name_Barcode;
    bool Save_project_file_Barcode(bool save_as);
    void Read_Barcode_Log_File(const QString &path);
    // New projects of both modes, and the Open command.
    void New_Project();
    void New_Project_Barcode();
    void Open_Log_file_Func();
    int Open_Log_File();
    void Open_Barcode_Log_File();
    // The save panel of project files with its extension accessory; the chosen path, or "" when
    // cancelled.
    QString Run_Project_Save_Panel();
    // Applies a barcode section already read from path (the reader's work after recognition);
    // false, with the message shown, when the section does not pass.
    bool Load_Barcode_Section(const QString &path, const platform::PlistValue &root);
    QWidget *save_accessory_view = nullptr;   // made on first use
    QComboBox *save_ext_combo = nullptr;
    // The folders the design and the barcode project were opened from or last saved to, which a
    // plain save writes into (projectfile::chooseSaveFolder).
    platform::SavedFolder designFolder, barcodeFolder;
    // ---- Label stock and new designs ----
    // The design as started is the only undo step: front side shown, both stacks cleared, the
    // current state recorded, Undo and Redo disabled.
    void Start_Design_Undo_Base();
    // The template panel of the work area (QR edition), built into the record-list box.
    void Build_Template_Panel();
    // The start flow's outcome: 1 for a blank card or a loaded template, else the reader's result
    // (0 after Cancel).
    int Start_Result = 0;

    // ---- Exit, file commands and the export sheet ----
    // Open asks about unsaved changes through the Designing mode's save prompt
    // (DesignCommands::Check_And_Show_Save_Message) and goes on only with 1.

private:
    std::unique_ptr<ProjectsSources> m_sources;
};
