// The main window's description ("DrawWindow"): menus, toolbar, banner, the mode tabs and their
// pages, and the sheets. Each subsystem builds its own page; the widgets are named after their outlets.

#include "app/SKTWindowController.h"

#include "core/Utilities.h"
#include "platform/Dialogs.h"
#include "output/Send_Modeless.h"
#include "advqr/AdvQrController.h"
#include "design/DesignController.h"
#include "barcodemode/BarcodeModeController.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The banner across the top of the window, its image tiled from the top-left corner.
class Banner : public QWidget {
public:
    Banner(const QImage &tile, QWidget *parent) : QWidget(parent), m_tile(tile) { setFixedHeight(34); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (m_tile.isNull())
            p.fillRect(rect(), QColor(219, 226, 238));
        else
            p.drawTiledPixmap(rect(), QPixmap::fromImage(m_tile));
    }

private:
    QImage m_tile;
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

} // namespace

void SKTWindowController::loadWindowDescription()
{
    window_ = new QMainWindow;
    Main_wnd = window_;
    window_->setObjectName(QStringLiteral("DrawWindow"));
    window_->setWindowTitle(App_Name);
    window_->resize(1280, 860);

    // Menus. The application menu holds what the system's own menu would.
    QMenuBar *bar = window_->menuBar();
    app_menu = bar->addMenu(App_Name);
    app_menu->setObjectName(QStringLiteral("app_menu"));
    QAction *about = menuItem(app_menu, "About_menu_item", QStringLiteral("About %1").arg(App_Name));
    QObject::connect(about, &QAction::triggered, this, [this] {
        platform::AlertRequest req;
        req.message = App_Name;
        req.informative = QStringLiteral("Barcodes, labels and ID cards.");
        req.buttons = {QStringLiteral("OK")};
        req.style = platform::AlertStyle::Informational;
        platform::runAlert(req);
    });
    app_menu->addSeparator();
    Quit_menu_item = menuItem(app_menu, "Quit_menu_item", QStringLiteral("Quit %1").arg(App_Name), QKeySequence::Quit);
    QObject::connect(Quit_menu_item, &QAction::triggered, qApp, &QApplication::quit);

    QMenu *file = bar->addMenu(QStringLiteral("File"));
    FILE_MAIN_menu_item = file->menuAction();
    FILE_MAIN_menu_item->setObjectName(QStringLiteral("FILE_MAIN_menu_item"));
    New_menu_item = menuItem(file, "New_menu_item", QStringLiteral("New"), QKeySequence::New);
    Open_menu_item = menuItem(file, "Open_menu_item", QStringLiteral("Open..."), QKeySequence::Open);
    Save_menu_item = menuItem(file, "Save_menu_item", QStringLiteral("Save"), QKeySequence::Save);
    Save_As_menu_item = menuItem(file, "Save_As_menu_item", QStringLiteral("Save As..."), QKeySequence::SaveAs);
    QObject::connect(New_menu_item, &QAction::triggered, this, [this] { newDocumentWindow(); });

    QMenu *edit = bar->addMenu(QStringLiteral("Edit"));
    EDIT_MAIN_menu_item = edit->menuAction();
    EDIT_MAIN_menu_item->setObjectName(QStringLiteral("EDIT_MAIN_menu_item"));
    undo_menu = menuItem(edit, "undo_menu", QStringLiteral("Undo"), QKeySequence::Undo);
    redo_menu = menuItem(edit, "redo_menu", QStringLiteral("Redo"), QKeySequence::Redo);
    edit->addSeparator();
    Cut_menu_item = menuItem(edit, "Cut_menu_item", QStringLiteral("Cut"), QKeySequence::Cut);
    Copy_menu_item = menuItem(edit, "Copy_menu_item", QStringLiteral("Copy"), QKeySequence::Copy);
    Paste_menu_item = menuItem(edit, "Paste_menu_item", QStringLiteral("Paste"), QKeySequence::Paste);
    Delete_menu_item = menuItem(edit, "Delete_menu_item", QStringLiteral("Delete"), QKeySequence::Delete);

    QMenu *tools = bar->addMenu(QStringLiteral("Tools"));
    tools->menuAction()->setObjectName(QStringLiteral("TOOLS_MAIN_menu_item"));
    manage_series_menu_item = menuItem(tools, "manage_series_menu_item", QStringLiteral("Manage Series..."));
    import_wizard_menu_item = menuItem(tools, "import_wizard_menu_item", QStringLiteral("Import Wizard..."));
    create_series_menu_item = menuItem(tools, "create_series_menu_item", QStringLiteral("Create Series..."));
    tools->addSeparator();
    Backup_menu_item = menuItem(tools, "Backup_menu_item", QStringLiteral("Backup and Restore..."));
    Mail_menu_item = menuItem(tools, "Mail_menu_item", QStringLiteral("Send by E-mail..."));

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
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
    QObject::connect(items.last(), &QAction::triggered, this, [] { Open_Help_File(); });
    QObject::connect(new_toolbar_item, &QAction::triggered, this, [this] { newDocumentWindow(); });

    // Banner with the two link buttons, then the mode tabs.
    auto *central = new QWidget(window_);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    auto *banner = new Banner(banner_image, central);
    banner->setObjectName(QStringLiteral("banner_view"));
    auto *bannerLayout = new QHBoxLayout(banner);
    bannerLayout->setContentsMargins(10, 4, 10, 4);
    auto *title = new QLabel(QStringLiteral("<b>%1</b> &nbsp; barcodes, labels and ID cards").arg(App_Name), banner);
    bannerLayout->addWidget(title);
    bannerLayout->addStretch();
    Show_Template_Btn = new QPushButton(QStringLiteral("Templates"), banner);
    Show_Template_Btn->setObjectName(QStringLiteral("Show_Template_Btn"));
    Gen_Temp_Img_btn = new QPushButton(QStringLiteral("Template Images"), banner);
    Gen_Temp_Img_btn->setObjectName(QStringLiteral("Gen_Temp_Img_btn"));
    Export_Template_Btn = new QPushButton(QStringLiteral("Export as Template"), banner);
    Export_Template_Btn->setObjectName(QStringLiteral("Export_Template_Btn"));
    bannerLayout->addWidget(Show_Template_Btn);
    bannerLayout->addWidget(Gen_Temp_Img_btn);
    bannerLayout->addWidget(Export_Template_Btn);
    website_1 = new QPushButton(QStringLiteral("www.tagora-labels.org"), banner);
    website_1->setObjectName(QStringLiteral("website_1"));
    support_id = new QPushButton(QStringLiteral("Support"), banner);
    support_id->setObjectName(QStringLiteral("support_id"));
    bannerLayout->addWidget(website_1);
    bannerLayout->addWidget(support_id);
    QObject::connect(website_1, &QPushButton::clicked, this, &SKTWindowController::Open_QIRO_Site);
    QObject::connect(support_id, &QPushButton::clicked, this, &SKTWindowController::Open_Support_Mail);
    centralLayout->addWidget(banner);

    Barcode_mode_tab = new QTabWidget(central);
    Barcode_mode_tab->setObjectName(QStringLiteral("Barcode_mode_tab"));
    auto page = [](const char *name) {
        auto *w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        new QVBoxLayout(w);
        return w;
    };
    Barcode_setting_tab = page("Barcode_setting_tab");
    Barcode_setting_tab_label = QStringLiteral("Barcode Mode");
    Barcode_Design_tab = page("Barcode_Design_tab");
    Barcode_Design_tab_label = QStringLiteral("Designing Mode");
    Barcode_ADV_QR_tab = page("Barcode_ADV_QR_tab");
    Barcode_ADV_QR_tab_label = QStringLiteral("Advanced QR Mode");
    Barcode_mode_tab->addTab(Barcode_setting_tab, Barcode_setting_tab_label);
    Barcode_mode_tab->addTab(Barcode_Design_tab, Barcode_Design_tab_label);
    Barcode_mode_tab->addTab(Barcode_ADV_QR_tab, Barcode_ADV_QR_tab_label);
    centralLayout->addWidget(Barcode_mode_tab, 1);
    window_->setCentralWidget(central);

    barcodeMode().buildBarcodeModePanel(Barcode_setting_tab);
    barcodeMode().wireBarcodeModeControls();
    // The Designing mode's work area sits in a split view whose second pane is the record list.
    // The panel lays its two parts out on a page; the split view takes them from there.
    auto *holder = new QWidget;
    new QVBoxLayout(holder);
    design().buildDesigningPanel(holder);
    main_split_view = new QSplitter(Qt::Horizontal, Barcode_Design_tab);
    main_split_view->setObjectName(QStringLiteral("verticalSplitView"));
    main_split_view->addWidget(design().Design_Work_Area);
    main_split_view->addWidget(design().Fill_List_box);
    delete holder;
    main_split_view->setStretchFactor(0, 1);
    Barcode_Design_tab->layout()->setContentsMargins(0, 0, 0, 0);
    Barcode_Design_tab->layout()->addWidget(main_split_view);
    advQr().buildAdvancedQrPanel(Barcode_ADV_QR_tab);
    barcodeMode().wireAdvancedQrSettingsControls();

    // Sheets.
    plz_wait_Window = new QDialog(window_, Qt::Sheet | Qt::Dialog | Qt::FramelessWindowHint);
    plz_wait_Window->setObjectName(QStringLiteral("plz_wait_Window"));
    auto *pw = new QVBoxLayout(plz_wait_Window);
    modeless_msg_lbl = new QLabel(QStringLiteral("It may take a while, Please wait.."), plz_wait_Window);
    modeless_msg_lbl->setObjectName(QStringLiteral("modeless_msg_lbl"));
    modeless_msg_lbl->setAlignment(Qt::AlignCenter);
    pw->addWidget(modeless_msg_lbl);
    plz_wait_Window->setMinimumSize(320, 80);
    plz_wait_Window->setStyleSheet(QStringLiteral("QDialog { border: 1px solid #888; background: #f4f4f4; }"));

    connectComboBoxes();
    QObject::connect(Barcode_mode_tab, &QTabWidget::currentChanged, this,
                     [this](int index) { tabView_didSelectTabViewItem(Barcode_mode_tab, Barcode_mode_tab->widget(index)); });
}
