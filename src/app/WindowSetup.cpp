// The window set-up after the description is loaded: editions, removed tabs and toolbar items kept
// for later, the resource check, option lists, defaults of the three modes, and a new project.

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/UndoStacks.h"
#include "design/UnitPreferences.h"
#include "imaging/Rotated.h"
#include "model/GraphicStyles.h"
#include "model/SKTDocument.h"
#include "output/Send_Modeless.h"
#include "outputjobs/LabelCatalogue.h"
#include "platform/ComboItems.h"
#include "platform/Quit.h"
#include "advqr/AdvQrController.h"
#include "output/OutputController.h"
#include "projects/ProjectsController.h"
#include "design/DesignController.h"
#include "barcodemode/BarcodeModeController.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>

#include <exception>

namespace {

// Detaches a page from a tab view and keeps it (and its label) for later.
void detachTab(QTabWidget *tabs, QWidget *page, QString *label)
{
    const int index = tabs ? tabs->indexOf(page) : -1;
    if (index < 0)
        return;
    if (label)
        *label = tabs->tabText(index);
    tabs->removeTab(index);
}

} // namespace

void SKTWindowController::awakeFromNib()
{
    BarcodeModeController &bm = barcodeMode();
    DesignController &dsg = design();
    AdvQrController &qr = advQr();
    // Loading: handlers leave changes alone; the Barcode mode starts linear and the QR input shows the text panel.
    form_is_loading = true;
    bm.liner_or_2D_font = 0;
    qr.panel().startWithTextType();
    // An 8-point split divider; the template button stays hidden.
    if (main_split_view)
        main_split_view->setHandleWidth(8);
    if (Show_Template_Btn)
        Show_Template_Btn->hide();
    // The export panel's frames (zero while that panel is absent)
    range_box_size = btn_box_size = series_radio_box_size = Full_window_size = QRect();
    // The main window has no close button; the application menu quits.
    window_->setWindowFlag(Qt::WindowCloseButtonHint, false);
    // The QR edition drops five toolbar items after the seventh.
    if (ONLY_QR_MODE)
        for (int i = 0; i < 5; ++i)
            if (Main_Toolbar->actions().size() > 7)
                Main_Toolbar->removeAction(Main_Toolbar->actions().at(7));
    // Every toolbar item, so that a mode switch can put back the ones a mode removed.
    toolbar_all = Main_Toolbar->actions();
    // The font, colour and resolution tabs never come back; the QR logo tab comes and goes.
    // The logo boxes start disabled; the series name fields of the value list stay hidden.
    bm.panel().startLayout();
    qr.panel().startLayout();
    // The two link buttons look like links.
    for (QPushButton *b : {website_1, support_id}) {
        if (!b)
            continue;
        QFont f = QApplication::font();
        f.setBold(true);
        f.setPointSizeF(11);
        f.setUnderline(true);
        b->setFont(f);
        b->setFlat(true);
        b->setCursor(Qt::OpenHandCursor);
        b->setStyleSheet(QStringLiteral("QPushButton { color: blue; background-color: rgb(219, 219, 219); border: none; padding: 2px 6px; }"));
    }
    // In front, over the whole screen.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window_->setGeometry(screen->availableGeometry());
    // The e-mail progress sheet and the stored mail settings.
    send_modls_wnd = Send_Modeless::defaultInstance();
    Send_Models_Window = send_modls_wnd->window;
    dsg.records().data_table_content.clear();
    output().Get_Email_Details();
    // The resource folder is only read, never created: when it cannot be reached the program ends.
    const QFileInfo resources(Resource_Path);
    if (Resource_Path.isEmpty() || !resources.isDir() || !resources.isReadable()) {
        Show_MessageBox(QStringLiteral("Can not access Data file."));
        platform::requestTerminate();
        return;
    }
    // Series files live in the "DataSet" folder of the per-user data folder.
    Data_Folder_Path = Created_Resource_Path + QStringLiteral("/DataSet");
    // The ruler follows its check box.
    dsg.workArea().Show_Hide_Ruler_ChkBox();
    // The template-image button stays hidden; then the edition's tabs, menus and template export button.
    if (Gen_Temp_Img_btn)
        Gen_Temp_Img_btn->hide();
    auto hide = [](QWidget *w) { if (w) w->hide(); };
    auto show = [](QWidget *w) { if (w) w->show(); };
    if (ONLY_QR_MODE) {
        design_file_EXT = QStringLiteral("qlf");
        show(Export_Template_Btn);
        Barcode_ADV_QR_tab_label = QStringLiteral("Quick Mode");
        Barcode_Design_tab_label = QStringLiteral("Designing Mode");
        Barcode_mode_tab->setTabText(Barcode_mode_tab->indexOf(Barcode_Design_tab), Barcode_Design_tab_label);
        detachTab(Barcode_mode_tab, Barcode_setting_tab, nullptr);
        detachTab(Barcode_mode_tab, Barcode_ADV_QR_tab, nullptr);
        Barcode_mode_tab->insertTab(0, Barcode_ADV_QR_tab, Barcode_ADV_QR_tab_label);
        new_toolbar_item->setEnabled(false);
        validateToolbarItem(new_toolbar_item);
        for (QAction *a : {Mail_menu_item, manage_series_menu_item, import_wizard_menu_item, create_series_menu_item,
                           Backup_menu_item})
            a->setVisible(false);
    } else {
        if (ONLY_STD_MODE) {
            // Left out of this edition everywhere: the menu items and their toolbar items alike.
            Mail_menu_item->setVisible(false);
            Backup_menu_item->setVisible(false);
            for (QAction *a : toolbar_all)
                if (a->objectName() == QLatin1String("Mail_Toolbar_Item") ||
                    a->objectName() == QLatin1String("Backup_Toolbar_Item"))
                    a->setVisible(false);
            detachTab(Barcode_mode_tab, Barcode_ADV_QR_tab, nullptr);
        }
        hide(Export_Template_Btn);
    }
    // The sidebar starts with the card's four tabs.
    Not_Draw_Only_Prop_Change = true;
    const PropertySidebar &sidebar = dsg.sidebar();
    for (QWidget *tab : {sidebar.line_tab, sidebar.shape_tab, sidebar.text_edtng_tab, sidebar.text_prop_tab, sidebar.image_tab,
                         sidebar.sign_tab, sidebar.datasource_tab, sidebar.aligmnt_tab, sidebar.barcode_tab, sidebar.Lock_tab,
                         sidebar.card_setting_tab})
        detachTab(sidebar.sett_tab, tab, nullptr);
    // Label-stock vendors: "Custom", then one per catalogue file.
    if (QComboBox *vendors = dsg.sidebar().Label_Stock_Vendors()) {
        platform::ui::fillCombo(vendors, labelstock::Vendor_Names(Resource_Path));
        vendors->setCurrentIndex(0);
        try {
            QComboBox *products = dsg.sidebar().Label_Stock_Products();
            if (!products || products->count() == 0)
                throw std::out_of_range("The label-stock product list is empty.");
            products->setCurrentIndex(0);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
    }
    // The QR edition's template panel sits where the other editions list the records.
    projects().Build_Template_Panel();
    // Empty value lists, with the batch and data-sheet boxes disabled.
    // The starting value, header and footer texts of the modes.
    dsg.records().Fill_List_Data_RHS.clear();
    qr.panel().startHeader();
    bm.panel().startValues();
    // Each mode's starting unit, the current and the last alike (millimetres while designing, centimetres elsewhere).
    Measument_Unit_Is = last_unit_val = 2;
    Measument_Unit_Is_Barcode = last_unit_val_Barcode = 1;
    Measument_Unit_Is_Adv_QR = last_unit_val_Adv_QR = 1;
    bm._setLabels_Barcode();
    // The 2D symbols' starting heights: 60 in the Barcode mode, 120 in the Advanced QR mode.
    // The font fields name the Barcode mode's fonts. Header and footer alignment on their second
    // entry; the symbol option lists on their first.
    bm.panel().startSizes();
    qr.panel().startSizes();
    qr.panel().startLists();
    // The Designing mode's unit labels.
    dsg.units()._setLabels();
    // The background picture's layout starts on its second entry (the card's page holds it).
    // The date and time patterns are the source page's own lists.
    // The card's border starts 3 wide in the first style (the card's page holds them).
    dsg.sidebar().card_prop_set(QStringLiteral("S"));
    // Property changes draw again; the page setup is the shared one.
    Not_Draw_Only_Prop_Change = false;
    setPrintInfo(platform::PrintInfo::sharedPrintInfo());
    // The card at its default size.
    if (document())
        dsg.workArea().SetDocumentCanvasSize(SKTDocument::canvasSize_size_val(true, QSizeF()));
    // The canvas takes the selected tool.
    dsg.selectedToolDidChange();
    // A double click in a value list opens its selected record.
    // The QR version list and the DataMatrix size and encoding lists, each on its first entry; the
    // preview frames, within which the symbols are placed.
    bm.panel().startLists(dsg.records().Fill_List_RHS);
    qr.panel().startPreviewFrame();
    // The first symbol and a new, reset design.
    bm.goButtonActionPerformed();
    projects().New_Project_Setting_Reset(true);
    // The canvas at 100 %, drawn, showing the card.
    dsg.workArea().Set_Canvas_to_100_percent();
    dsg.workArea().Refresh_Canvas();
    dsg.workArea().changeViewController(0);
    // The empty design shown at start-up is the bottom of the undo history, so that the first
    // change can be undone.
    dsg.undoStacks().Record_Design_As_Started();
    Show_Hide_Main_Window(true);
    // The picture shown for invalid data, and the series lists of the value, header and footer.
    Invalid_Barcode_Data_Image = Rotated::Image_For_invalid_Data(QRectF(0, 0, 200, 100), QStringLiteral("Invalid Data"));
    bm.Fill_Combo_List_Reading_Data_List_File(0, QString(), 0);
    // Loading is over: handlers act on changes again.
    form_is_loading = false;
}

void SKTWindowController::newDocumentWindow()
{
    projects().Open_Start_Window();
}
