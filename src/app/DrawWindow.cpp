// The main window's description ("DrawWindow"): the banner and the mode tabs from DrawWindow.ui,
// the please-wait sheet from PleaseWaitSheet.ui, and in code the menus and the toolbar, which differ
// per edition. Each subsystem builds its own page; the widgets are named after their outlets.

#include "app/SKTWindowController.h"

#include "core/Utilities.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/RecordBinding.h"
#include "design/UnitPreferences.h"
#include "platform/Dialogs.h"
#include "platform/Quit.h"
#include "output/Send_Modeless.h"
#include "advqr/AdvQrController.h"
#include "design/DesignCommands.h"
#include "design/EditingCommands.h"
#include "barcodemode/BarcodeModeController.h"

#include "ui_DrawWindow.h"
#include "ui_PleaseWaitSheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace {

// Turns the window's close request into a call of the exit command; the window itself stays.
class CloseToExit : public QObject {
public:
    CloseToExit(QObject *parent, std::function<void()> exit) : QObject(parent), m_exit(std::move(exit)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return QObject::eventFilter(watched, event);
        // Once the exit is decided the window closes with the program; it is not asked again.
        if (platform::terminateRequested())
            return QObject::eventFilter(watched, event);
        event->ignore();
        m_exit();
        return true;
    }

private:
    std::function<void()> m_exit;
};

QAction *toolbarItem(QMainWindow *window, const char *identifier, const QString &label, QStyle::StandardPixmap icon)
{
    auto *a = new QAction(window->style()->standardIcon(icon), label, window);
    a->setObjectName(QString::fromLatin1(identifier));
    a->setToolTip(label);
    return a;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &title, const QKeySequence &shortcut = {})
{
    QAction *a = menu->addAction(title);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

void bindDrawWindow(SKTWindowController &c, const Ui::DrawWindow &ui)
{
    c.Show_Template_Btn = ui.Show_Template_Btn;
    c.Gen_Temp_Img_btn = ui.Gen_Temp_Img_btn;
    c.Export_Template_Btn = ui.Export_Template_Btn;
    c.website_1 = ui.website_1;
    c.support_id = ui.support_id;
    c.Barcode_mode_tab = ui.Barcode_mode_tab;
    c.Barcode_setting_tab = ui.Barcode_setting_tab;
    c.Barcode_Design_tab = ui.Barcode_Design_tab;
    c.Barcode_ADV_QR_tab = ui.Barcode_ADV_QR_tab;
}

void bindPleaseWaitSheet(SKTWindowController &c, const Ui::PleaseWaitSheet &ui)
{
    c.modeless_msg_lbl = ui.modeless_msg_lbl;
}

} // namespace

void SKTWindowController::loadWindowDescription()
{
    // The banner and the mode tabs come from the form; menus and toolbar differ per edition.
    window_ = new QMainWindow;
    Main_wnd = window_;
    Ui::DrawWindow ui;
    ui.setupUi(window_);
    bindDrawWindow(*this, ui);
    window_->setWindowTitle(App_Name);
    ui.banner_title->setText(ui.banner_title->text().arg(App_Name));
    ui.banner_view->setPatternImage(banner_image);
    // The labels of the tabs, kept for the editions that take pages out and put them back.
    Barcode_setting_tab_label = Barcode_mode_tab->tabText(Barcode_mode_tab->indexOf(Barcode_setting_tab));
    Barcode_Design_tab_label = Barcode_mode_tab->tabText(Barcode_mode_tab->indexOf(Barcode_Design_tab));
    Barcode_ADV_QR_tab_label = Barcode_mode_tab->tabText(Barcode_mode_tab->indexOf(Barcode_ADV_QR_tab));

    // Menus. The application menu holds About, Preferences and Quit.
    QMenuBar *bar = window_->menuBar();
    // Each title carries a mnemonic, so Alt and its letter open the menu from the keyboard.
    app_menu = bar->addMenu(QStringLiteral("T&%1").arg(App_Name.mid(1)));
    app_menu->setObjectName(QStringLiteral("app_menu"));
    QAction *about = menuItem(app_menu, "About_menu_item", QStringLiteral("About %1").arg(App_Name));
    QObject::connect(about, &QAction::triggered, this, [this] { commandsOf(design()).About_Button(); });
    // The units of the three modes. The platform's own shortcut for preferences, or where it has
    // none (X11, Wayland) the one most desktop programs there use.
    const QKeySequence preferencesKey = QKeySequence(QKeySequence::Preferences).isEmpty()
                                            ? QKeySequence(Qt::CTRL | Qt::Key_Comma)
                                            : QKeySequence(QKeySequence::Preferences);
    QAction *preferences = menuItem(app_menu, "Preferences_menu_item", QStringLiteral("Preferences..."), preferencesKey);
    preferences->setMenuRole(QAction::PreferencesRole);
    QObject::connect(preferences, &QAction::triggered, this, [this] { unitsOf(design()).doPreferences(); });
    app_menu->addSeparator();
    Quit_menu_item = menuItem(app_menu, "Quit_menu_item", QStringLiteral("Quit %1").arg(App_Name), QKeySequence::Quit);
    QObject::connect(Quit_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Exit_Btn_Clicked(); });

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    FILE_MAIN_menu_item = file->menuAction();
    FILE_MAIN_menu_item->setObjectName(QStringLiteral("FILE_MAIN_menu_item"));
    New_menu_item = menuItem(file, "New_menu_item", QStringLiteral("New"), QKeySequence::New);
    Open_menu_item = menuItem(file, "Open_menu_item", QStringLiteral("Open..."), QKeySequence::Open);
    Save_menu_item = menuItem(file, "Save_menu_item", QStringLiteral("Save"), QKeySequence::Save);
    QAction *closeItem = menuItem(file, "Close_menu_item", QStringLiteral("Close"), QKeySequence::Close);
    file->insertAction(Save_menu_item, closeItem);
    Save_As_menu_item = menuItem(file, "Save_As_menu_item", QStringLiteral("Save As..."), QKeySequence::SaveAs);
    QObject::connect(New_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).New_Btn_Clicked(); });
    QObject::connect(Open_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Open_Btn_Clicked(); });
    QObject::connect(closeItem, &QAction::triggered, this, [this] { commandsOf(design()).Close_Document_Clicked(); });
    QObject::connect(Save_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Save_Btn_Clicked(); });
    QObject::connect(Save_As_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).SaveAs_Btn_Clicked(); });

    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    EDIT_MAIN_menu_item = edit->menuAction();
    EDIT_MAIN_menu_item->setObjectName(QStringLiteral("EDIT_MAIN_menu_item"));
    undo_menu = menuItem(edit, "undo_menu", QStringLiteral("Undo"), QKeySequence::Undo);
    redo_menu = menuItem(edit, "redo_menu", QStringLiteral("Redo"), QKeySequence::Redo);
    edit->addSeparator();
    Cut_menu_item = menuItem(edit, "Cut_menu_item", QStringLiteral("Cut"), QKeySequence::Cut);
    Copy_menu_item = menuItem(edit, "Copy_menu_item", QStringLiteral("Copy"), QKeySequence::Copy);
    Paste_menu_item = menuItem(edit, "Paste_menu_item", QStringLiteral("Paste"), QKeySequence::Paste);
    Delete_menu_item = menuItem(edit, "Delete_menu_item", QStringLiteral("Delete"), QKeySequence::Delete);

    QMenu *tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->menuAction()->setObjectName(QStringLiteral("TOOLS_MAIN_menu_item"));
    manage_series_menu_item = menuItem(tools, "manage_series_menu_item", QStringLiteral("Manage Series..."));
    import_wizard_menu_item = menuItem(tools, "import_wizard_menu_item", QStringLiteral("Import Wizard..."));
    create_series_menu_item = menuItem(tools, "create_series_menu_item", QStringLiteral("Create Series..."));
    tools->addSeparator();
    Backup_menu_item = menuItem(tools, "Backup_menu_item", QStringLiteral("Backup and Restore..."));
    Mail_menu_item = menuItem(tools, "Mail_menu_item", QStringLiteral("Send by E-mail..."));
    QObject::connect(manage_series_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Batch_Series_Button(); });
    QObject::connect(import_wizard_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Import_Wizard_Button(); });
    QObject::connect(create_series_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Create_Series_Button(); });
    QObject::connect(Mail_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Mail_Button(); });
    QObject::connect(Backup_menu_item, &QAction::triggered, this, [this] { commandsOf(design()).Backup_Restore_Clicked(); });

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->menuAction()->setObjectName(QStringLiteral("HELP_MAIN_menu_item"));
    QAction *helpFile = menuItem(help, "Help_menu_item", QStringLiteral("%1 Help").arg(App_Name), QKeySequence::HelpContents);
    QObject::connect(helpFile, &QAction::triggered, this, [] { Open_Help_File(); });
    help->addSeparator();
    QObject::connect(menuItem(help, "Copy_Email_menu_item", QStringLiteral("Copy Support E-mail Address")),
                     &QAction::triggered, this, &SKTWindowController::Copy_Email);
    QObject::connect(menuItem(help, "Copy_URL_menu_item", QStringLiteral("Copy Web Address")), &QAction::triggered,
                     this, &SKTWindowController::Copy_URL);
    QObject::connect(menuItem(help, "Support_Mail_menu_item", QStringLiteral("Write to Support...")),
                     &QAction::triggered, this, &SKTWindowController::Open_Support_Mail);
    QObject::connect(menuItem(help, "Website_menu_item", QStringLiteral("Visit the Web Site")), &QAction::triggered,
                     this, &SKTWindowController::Open_QIRO_Site);
    QObject::connect(menuItem(help, "Website_2_menu_item", QStringLiteral("More Templates Online")),
                     &QAction::triggered, this, &SKTWindowController::Open_Website_2);

    // F10 reaches the menu bar from anywhere in the window, as on the desktop; the window's own
    // shortcuts work whichever of its widgets has the focus.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), window_);
    QObject::connect(menuKey, &QShortcut::activated, bar, [bar] {
        for (QAction *a : bar->actions())
            if (a->isVisible() && a->menu()) {
                bar->setActiveAction(a);
                return;
            }
    });

    // Toolbar: New, Open, Save, Save As at 0-3; four items every mode keeps at 4-7; the batch-data
    // items at 8-11; the rest after them. The Advanced QR mode removes items by these positions.
    Main_Toolbar = new QToolBar(QStringLiteral("Toolbar"), window_);
    Main_Toolbar->setObjectName(QStringLiteral("Main_Toolbar"));
    Main_Toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Main_Toolbar->setMovable(false);
    window_->addToolBar(Qt::TopToolBarArea, Main_Toolbar);
    new_toolbar_item = toolbarItem(window_, "New_Toolbar_Item", QStringLiteral("New"), QStyle::SP_FileIcon);
    const QList<QAction *> items = {
        new_toolbar_item,
        toolbarItem(window_, "Open_Toolbar_Item", QStringLiteral("Open"), QStyle::SP_DialogOpenButton),
        toolbarItem(window_, "Save_Toolbar_Item", QStringLiteral("Save"), QStyle::SP_DialogSaveButton),
        toolbarItem(window_, "Save_AS_Toolbar_Item", QStringLiteral("Save As"), QStyle::SP_DriveFDIcon),
        toolbarItem(window_, "Print_Toolbar_Item", QStringLiteral("Print"), QStyle::SP_ComputerIcon),
        toolbarItem(window_, "PDF_Toolbar_Item", QStringLiteral("PDF"), QStyle::SP_FileDialogDetailedView),
        toolbarItem(window_, "Export_Toolbar_Item", QStringLiteral("Export"), QStyle::SP_ArrowForward),
        toolbarItem(window_, "Mail_Toolbar_Item", QStringLiteral("Mail"), QStyle::SP_MessageBoxInformation),
        toolbarItem(window_, "Batch_Toolbar_Item", QStringLiteral("Series"), QStyle::SP_FileDialogListView),
        toolbarItem(window_, "Import_Wzd_Toolbar_Item", QStringLiteral("Import"), QStyle::SP_ArrowDown),
        toolbarItem(window_, "Create_Ser_Toolbar_Item", QStringLiteral("Create Series"), QStyle::SP_FileDialogNewFolder),
        toolbarItem(window_, "Backup_Toolbar_Item", QStringLiteral("Backup"), QStyle::SP_DriveHDIcon),
        toolbarItem(window_, "Copy_Toolbar_Item", QStringLiteral("Copy"), QStyle::SP_FileLinkIcon),
        toolbarItem(window_, "Crop_Toolbar_Item", QStringLiteral("Crop"), QStyle::SP_TitleBarNormalButton),
        toolbarItem(window_, "Help_Toolbar_Item", QStringLiteral("Help"), QStyle::SP_DialogHelpButton),
    };
    for (QAction *a : items)
        Main_Toolbar->addAction(a);
    // Each toolbar item's command, by the item's identifier.
    const QList<std::pair<const char *, void (DesignCommands::*)(QObject *)>> commands = {
        {"New_Toolbar_Item", &DesignCommands::New_Btn_Clicked},
        {"Open_Toolbar_Item", &DesignCommands::Open_Btn_Clicked},
        {"Save_Toolbar_Item", &DesignCommands::Save_Btn_Clicked},
        {"Save_AS_Toolbar_Item", &DesignCommands::SaveAs_Btn_Clicked},
        {"Print_Toolbar_Item", &DesignCommands::Print_Button},
        {"PDF_Toolbar_Item", &DesignCommands::PDF_Export_Button},
        {"Export_Toolbar_Item", &DesignCommands::Export_Button},
        {"Mail_Toolbar_Item", &DesignCommands::Mail_Button},
        {"Batch_Toolbar_Item", &DesignCommands::Batch_Series_Button},
        {"Import_Wzd_Toolbar_Item", &DesignCommands::Import_Wizard_Button},
        {"Create_Ser_Toolbar_Item", &DesignCommands::Create_Series_Button},
        {"Backup_Toolbar_Item", &DesignCommands::Backup_Restore_Clicked},
        {"Copy_Toolbar_Item", &DesignCommands::Copy_Button},
        {"Crop_Toolbar_Item", &DesignCommands::Cropping_Tool_Clicked},
        {"Help_Toolbar_Item", &DesignCommands::Help_Button},
    };
    for (QAction *a : items)
        for (const auto &[identifier, command] : commands)
            if (a->objectName() == QLatin1String(identifier))
                QObject::connect(a, &QAction::triggered, this, [this, command = command, a] { (commandsOf(design()).*command)(a); });
    // Closing the window is the Quit command: the save prompt decides, and the program ends as a whole.
    window_->installEventFilter(new CloseToExit(window_, [this] { commandsOf(design()).Exit_App(); }));

    QObject::connect(website_1, &QPushButton::clicked, this, &SKTWindowController::Open_QIRO_Site);
    QObject::connect(support_id, &QPushButton::clicked, this, &SKTWindowController::Open_Support_Mail);

    // Each subsystem fills its page (a page with a vertical box layout).
    barcodeMode().buildBarcodeModePanel(Barcode_setting_tab);
    barcodeMode().wireBarcodeModeControls();
    // The Designing mode's work area sits in a split view whose second pane is the record list.
    // The panel lays its two parts out on a page; the split view takes them from there.
    auto *holder = new QWidget;
    new QVBoxLayout(holder);
    DesignWorkArea &workArea = workAreaOf(design());
    workArea.buildDesigningPanel(holder);
    QObject::connect(workArea.Card_Prop_btn, &QPushButton::clicked, this, [this] { commandsOf(design()).Card_Prop_Clicked(); });
    QObject::connect(workArea.Card_Bckgrnd_btn, &QPushButton::clicked, this, [this] { commandsOf(design()).Card_Bckgrnd_Clicked(); });
    QObject::connect(Export_Template_Btn, &QPushButton::clicked, this, [this] { commandsOf(design()).Export_As_Template_Clicked(); });
    QObject::connect(Show_Template_Btn, &QPushButton::clicked, this, [this] { Show_Template_Clicked(Show_Template_Btn); });
    // The Designing mode's editing commands: its buttons and fields, and the Edit menu, which a
    // focused text field keeps for its own standard commands.
    editingOf(design()).Wire_Editing_Commands();
    for (const auto &[item, command] : {std::pair{undo_menu, EditingCommands::EditMenuCommand::Undo},
                                        std::pair{redo_menu, EditingCommands::EditMenuCommand::Redo},
                                        std::pair{Cut_menu_item, EditingCommands::EditMenuCommand::Cut},
                                        std::pair{Copy_menu_item, EditingCommands::EditMenuCommand::Copy},
                                        std::pair{Paste_menu_item, EditingCommands::EditMenuCommand::Paste},
                                        std::pair{Delete_menu_item, EditingCommands::EditMenuCommand::Delete}})
        QObject::connect(item, &QAction::triggered, this, [this, command = command] { editingOf(design()).Edit_Menu_Command(command); });
    main_split_view = new QSplitter(Qt::Horizontal, Barcode_Design_tab);
    main_split_view->setObjectName(QStringLiteral("verticalSplitView"));
    main_split_view->addWidget(workArea.Design_Work_Area);
    main_split_view->addWidget(recordsOf(design()).Fill_List_box);
    delete holder;
    main_split_view->setStretchFactor(0, 1);
    Barcode_Design_tab->layout()->addWidget(main_split_view);
    advQr().buildAdvancedQrPanel(Barcode_ADV_QR_tab);
    barcodeMode().wireAdvancedQrSettingsControls();

    // The please-wait sheet: a frameless sheet over the window.
    plz_wait_Window = new QDialog(window_, Qt::Sheet | Qt::Dialog | Qt::FramelessWindowHint);
    Ui::PleaseWaitSheet waitUi;
    waitUi.setupUi(plz_wait_Window);
    bindPleaseWaitSheet(*this, waitUi);

    connectComboBoxes();
    QObject::connect(Barcode_mode_tab, &QTabWidget::currentChanged, this,
                     [this](int index) { tabView_didSelectTabViewItem(Barcode_mode_tab, Barcode_mode_tab->widget(index)); });
}
