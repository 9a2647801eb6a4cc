#pragma once
// The one controller of the one main window, and the hub of the application: the window, its menus,
// toolbar, mode tabs and sheets, the event dispatch of its text fields and combo boxes, and one
// controller per subsystem (its outlets, state and handlers), reached through the accessors below.

#include <QFont>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QRect>

#include "app/HubSeriesTools.h"
#include "barcodemode/LogoItem.h"
#include "platform/Picture.h"
#include "platform/PrintInfo.h"
#include <functional>
#include <memory>
#include <optional>


class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolBar;
class QWidget;
class Send_Modeless;
class SKTDocument;
class BarcodeModeController;
class DesignController;
class ProjectsController;
class OutputController;
class AdvQrController;
class Barcode_Gen;
class ObjectArchive;
class SKTGraphic;
struct ImageToolsSources;

class SKTWindowController : public QObject {
    Q_OBJECT
public:
    // init: the designated start-up. The window itself is built later, on the first window() call.
    SKTWindowController();
    ~SKTWindowController() override;   // dealloc

    static SKTWindowController *defaultInstance();
    // Makes documents create their window controller as this class (once per process).
    static void registerWithDocuments();

    // The controllers of the subsystems, made with the hub and living as long as it does.
    BarcodeModeController &barcodeMode() const { return *m_barcodeMode; }
    DesignController &design() const { return *m_design; }
    ProjectsController &projects() const { return *m_projects; }
    OutputController &output() const { return *m_output; }
    AdvQrController &advQr() const { return *m_advQr; }
    // The barcode-object window, made with its forms on first use and living as long as the hub.
    Barcode_Gen &barcodeGen();

    // The main window; built from its description (and awakeFromNib run) on the first call.
    QMainWindow *window();
    bool isWindowLoaded() const { return m_windowLoaded; }

    void applicationDidFinishLaunching();
    void Set_Text_Change_Notification();
    void setDocument(SKTDocument *document);
    SKTDocument *document() const;
    void windowDidLoad() {}

    // The delegate of every combo box of the window: decides by the sender what a selection means.
    void comboBoxSelectionDidChange(QComboBox *combo);
    void Change_Data_Source_To_selected_Control(int sourceType, const QString &seriesName, int seriesIndex);
    void connectComboBoxes();
    void seriesListChosen(QComboBox *list, QComboBox *value, QLineEdit *name);
    // The Designing mode's source page chose a source type, or a series or column for it.
    void dataSourceChosen();
    void seriesOrColumnChosen();

    // Text notifications of every control of every window.
    void controlTextDidChange(QObject *control);
    void controlTextDidEndEditing(QObject *control);
    void textDidChange(QObject *view);
    void textDidEndEditing(QObject *view);

    // The window set-up once its description is loaded.
    void awakeFromNib();
    // Opens the start window.
    void newDocumentWindow();

    // Working modes, tabs and toolbar.
    void tabView_didSelectTabViewItem(QTabWidget *tabView, QWidget *item);
    void Barcode_Mode_Select();
    void Designing_Mode_Select();
    // A QR input panel was edited: the payload editor rebuilds while it is open, else the
    // Advanced QR mode does. The panels are shared by both, so this one call decides.
    void Set_Qr_Type_Value_Main_Or_Barcode_Wnd();
    void Advance_QR_Mode_Select();
    void Refresh_Fill_Toolbar_Item();
    bool validateToolbarItem(QAction *item) const;
    void validateToolbarItems();   // applies validateToolbarItem to every item shown
    void Show_Hide_Main_Window(bool show);
    void Set_Des_Mode_Save_Flag_TRUE();
    void Set_Des_Mode_Save_Flag_False();
    void Set_Barcode_Mode_Save_Flag_TRUE();
    void Set_Barcode_Mode_Save_Flag_False();
    // Selects a tab by its page, whatever its index in this edition.
    void selectModeTab(QWidget *item);
    void sidebarTabSelected(QWidget *item);

    // Please-wait and progress sheets; callable from any thread.
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();
    void Show_One_By_One_Modeless();
    void Hide_One_By_One_Modeless();

    // The shared page setup: a copy of what is given, unless it is the one already held.
    void setPrintInfo(const platform::PrintInfo &info);
    const platform::PrintInfo *getPrintInfo() const;
    // Empties the logo cache of the current design.
    void Set_Logo_Item_List_EMPTY();

    // Help and support commands.
    void Copy_Email();
    void Copy_URL();
    void Open_Support_Mail();
    void Open_QIRO_Site();
    void Open_Website_2();
    static QString supportMailUrl(const QString &appName);

    // Identity
    QString App_Name;

    // Window structure (outlets of "DrawWindow")
    QMainWindow *window_ = nullptr;
    QMainWindow *Main_wnd = nullptr;   // the same window, as the progress sheet names it
    QTabWidget *Barcode_mode_tab = nullptr;
    QWidget *Barcode_setting_tab = nullptr;
    QWidget *Barcode_Design_tab = nullptr;
    QWidget *Barcode_ADV_QR_tab = nullptr;
    QString Barcode_setting_tab_label, Barcode_Design_tab_label, Barcode_ADV_QR_tab_label;
    QSplitter *main_split_view = nullptr;
    QPushButton *website_1 = nullptr;
    QPushButton *support_id = nullptr;

    // Toolbar and menus
    QToolBar *Main_Toolbar = nullptr;
    QList<QAction *> toolbar_all;
    QAction *new_toolbar_item = nullptr;
    QMenu *app_menu = nullptr;
    QAction *FILE_MAIN_menu_item = nullptr;
    QAction *EDIT_MAIN_menu_item = nullptr;
    QAction *New_menu_item = nullptr;
    QAction *Open_menu_item = nullptr;
    QAction *Save_menu_item = nullptr;
    QAction *Save_As_menu_item = nullptr;
    QAction *undo_menu = nullptr;
    QAction *redo_menu = nullptr;
    QAction *Cut_menu_item = nullptr;
    QAction *Copy_menu_item = nullptr;
    QAction *Paste_menu_item = nullptr;
    QAction *Delete_menu_item = nullptr;
    QAction *manage_series_menu_item = nullptr;
    QAction *import_wizard_menu_item = nullptr;
    QAction *create_series_menu_item = nullptr;
    QAction *Backup_menu_item = nullptr;
    QAction *Mail_menu_item = nullptr;
    QAction *Quit_menu_item = nullptr;

    // Buttons of the window that the editions show or hide
    QPushButton *Show_Template_Btn = nullptr;
    QPushButton *Gen_Temp_Img_btn = nullptr;
    QPushButton *Export_Template_Btn = nullptr;

    // Set at window set-up
    QRect range_box_size, btn_box_size, series_radio_box_size, Full_window_size;
    platform::Picture Invalid_Barcode_Data_Image;

    // Sheets
    QDialog *plz_wait_Window = nullptr;
    QLabel *modeless_msg_lbl = nullptr;
    QDialog *Send_Models_Window = nullptr;
    Send_Modeless *send_modls_wnd = nullptr;

    QPointer<QObject> lastTextChangeSender;       // the control whose text changed last
    QPointer<QObject> lastTextEndEditingSender;   // the control whose editing ended last

    // Lists and data
    LogoItemList logoList;   // the logo cache of the design's barcode objects
    QStringList Allowd_Image_fileTypes;

    // Images of the bundle's resources
    QImage no_image;
    QImage banner_image;
    QImage promotion_pattern_image;
    QImage sign_sample_img;
    QImage fp_sample_img;
    QImage barcode_sample_img;
    QImage back_btn_image;
    QImage front_btn_image_sel;

    // ---- Design backup and record list ----
    // The design copy of the side being edited (Designing mode): YES when every object was
    // archived; an object that was not is left out of the copy and logged.
    bool Create_Design_Backup_Array();
    // Rebuilds the side from the copy (Designing mode): every archive is read first, and the
    // canvas's objects are replaced only when all were read; otherwise the canvas stays as it is,
    // the user is told, and the answer is NO.
    bool Create_Card_Design_Again();
    // Shows the template pane (the work area split view's second pane) when hidden, else hides it.
    void Show_Template_Clicked(QObject *sender = nullptr);
    // Writes the thumbnail of every shipped template (the resources' "Templates/AllType") as a PNG
    // of the per-user folder's "Templates/AllType/<category>/<name>.png"; after the save question.
    void GEN_All_Log_IMAGE_Btn_Clicked(QObject *sender = nullptr);
    void Generate_All_Templates_Image();
    // Before a print, export or mail job (Designing mode): the copy, then the objects the job fills.
    // NO, with a message, when the copy is incomplete: the job must not start.
    bool Set_Front_Back_Value_To_Print_Export_Mail();
    void Set_Graphic_Array_According_Side();
    void Draw_2d_barcode_again_for_manual();
    // The record list filled on the GUI thread; any thread may ask and waits for it.
    void Fill_List_Thread_Call();
    void Fill_List_Function();
    // Selects that row of the record list alone and gives the list the focus; a row outside the
    // list clears its selection; nothing for an empty list.
    void Mark_Fill_List_New_Selection_Design(int row);
    // The workbook buttons of the data-source tab.
    void Browse_excel_Btn_Clicked(QObject *sender = nullptr);
    void View_Excel_Btn_Clicked(QObject *sender = nullptr);
    // YES, after the message naming the verb, when two or more pictures are selected.
    bool Check_Multiple_Image_Selection(const QString &verb);
    // YES when the path is a folder.
    bool Check_Dir_Is_Exist(const QString &path);
    // How the design copy archives and reads back one object; nothing, or null, for a failure.
    std::function<std::optional<ObjectArchive>(const SKTGraphic &)> Backup_Archive_Graphic;
    std::function<std::shared_ptr<SKTGraphic>(const ObjectArchive &)> Backup_Unarchive_Graphic;

private:
    // The one controller, from the end of its constructor until its destructor.
    static SKTWindowController *app_DefaultInstance;
    void loadWindowDescription();
    bool m_windowLoaded = false;
    QPointer<SKTDocument> m_document;
    QList<QMetaObject::Connection> m_documentConnections;
    QList<QMetaObject::Connection> m_textConnections;
    BarcodeModeController *m_barcodeMode = nullptr;
    DesignController *m_design = nullptr;
    ProjectsController *m_projects = nullptr;
    OutputController *m_output = nullptr;
    AdvQrController *m_advQr = nullptr;
    Barcode_Gen *m_barcodeGen = nullptr;
    HubSeriesTools m_seriesTools{*this};
    std::unique_ptr<ImageToolsSources> m_imageTools;   // installed for the image tools while the hub lives   // installed for the series tools while the hub lives
};
