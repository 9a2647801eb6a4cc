// The three working modes: the mode tab's delegate, the select methods, the toolbar rebuilt from its
// full copy, toolbar validation and the unsaved-changes flags.

#include "app/SKTWindowController.h"

#include "core/Edition.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "advqr/AdvQrController.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "projects/ProjectsController.h"
#include "barcodemode/BarcodeModeController.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>

#include <exception>

namespace {

const QStringList &fileIdentifiers()
{
    static const QStringList ids = {QStringLiteral("New_Toolbar_Item"), QStringLiteral("Open_Toolbar_Item"),
                                    QStringLiteral("Save_Toolbar_Item"), QStringLiteral("Save_AS_Toolbar_Item")};
    return ids;
}

const QStringList &batchIdentifiers()
{
    static const QStringList ids = {QStringLiteral("Batch_Toolbar_Item"), QStringLiteral("Import_Wzd_Toolbar_Item"),
                                    QStringLiteral("Create_Ser_Toolbar_Item"), QStringLiteral("Backup_Toolbar_Item")};
    return ids;
}

void setVisible(QAction *action, bool visible)
{
    if (action)
        action->setVisible(visible);
}

} // namespace

void SKTWindowController::selectModeTab(QWidget *item)
{
    if (!Barcode_mode_tab || !item)
        return;
    const int index = Barcode_mode_tab->indexOf(item);
    if (index < 0)
        return;   // not in this edition
    if (Barcode_mode_tab->currentIndex() == index)
        tabView_didSelectTabViewItem(Barcode_mode_tab, item);   // selecting the current tab still reports it
    else
        Barcode_mode_tab->setCurrentIndex(index);
}

void SKTWindowController::tabView_didSelectTabViewItem(QTabWidget *tabView, QWidget *item)
{
    if (tabView == sidebarOf(design()).sett_tab) {
        sidebarTabSelected(item);
        return;
    }
    if (tabView != Barcode_mode_tab)
        return;

    if (!barcodeMode().panel().showsDataMatrix())
        Type_draw_2d_flag = true;

    if (item == Barcode_setting_tab) {
        form_is_loading = true;
        Barcode_Setting_Or_Designing_Mode = 0;
        projects().Set_Log_Name_In_Title();
        barcodeMode().goButtonActionPerformed();
        form_is_loading = false;
    } else if (item == Barcode_Design_tab) {
        Barcode_Setting_Or_Designing_Mode = 1;
        projects().Set_Log_Name_In_Title();
    } else if (item == Barcode_ADV_QR_tab) {
        form_is_loading = true;
        Barcode_Setting_Or_Designing_Mode = 2;
        projects().Set_Log_Name_In_Title();
        advQr().Show_Hide_QR_Type_Panel();
        advQr().Assign_QR_Value_Text_Acc_Type();
        form_is_loading = false;
        advQr().DRAW_ADV_QR_With_All_Init();
    }

    recordsOf(design()).Check_Series_Or_Excel_Use_or_not();

    if (Barcode_Setting_Or_Designing_Mode != 2) {
        Refresh_Fill_Toolbar_Item();
        setVisible(FILE_MAIN_menu_item, true);
        setVisible(EDIT_MAIN_menu_item, true);
        if (!ONLY_QR_MODE) {
            if (new_toolbar_item)
                new_toolbar_item->setEnabled(true);
            for (QAction *a : {manage_series_menu_item, import_wizard_menu_item, create_series_menu_item})
                setVisible(a, true);
            setVisible(Backup_menu_item, !ONLY_STD_MODE);   // the standard edition has no backup
        }
        for (QAction *a : {New_menu_item, Open_menu_item, Save_menu_item, Save_As_menu_item, undo_menu, redo_menu,
                           Cut_menu_item, Copy_menu_item, Paste_menu_item, Delete_menu_item})
            setVisible(a, true);
    } else {
        Refresh_Fill_Toolbar_Item();
        if (Main_Toolbar) {
            for (int i = 0; i < 4; ++i)
                if (!Main_Toolbar->actions().isEmpty())
                    Main_Toolbar->removeAction(Main_Toolbar->actions().at(0));
            if (!ONLY_QR_MODE)
                for (int i = 0; i < 4; ++i)
                    if (Main_Toolbar->actions().size() > 4)
                        Main_Toolbar->removeAction(Main_Toolbar->actions().at(4));
        }
        setVisible(FILE_MAIN_menu_item, false);
        setVisible(EDIT_MAIN_menu_item, false);
        if (new_toolbar_item) {
            new_toolbar_item->setEnabled(false);
            validateToolbarItem(new_toolbar_item);
        }
        for (QAction *a : {manage_series_menu_item, import_wizard_menu_item, create_series_menu_item, Backup_menu_item,
                           New_menu_item, Open_menu_item, Save_menu_item, Save_As_menu_item, undo_menu, redo_menu,
                           Cut_menu_item, Copy_menu_item, Paste_menu_item, Delete_menu_item})
            setVisible(a, false);
    }
    validateToolbarItems();
    Type_draw_2d_flag = false;
}

void SKTWindowController::Barcode_Mode_Select()
{
    if (ONLY_QR_MODE) {
        Advance_QR_Mode_Select();
        return;
    }
    Barcode_Setting_Or_Designing_Mode = 0;
    selectModeTab(Barcode_setting_tab);
    projects().Set_Log_Name_In_Title();
}

void SKTWindowController::Designing_Mode_Select()
{
    Barcode_Setting_Or_Designing_Mode = 1;
    selectModeTab(Barcode_Design_tab);
    recordsOf(design()).Check_Series_Or_Excel_Use_or_not();
    projects().Set_Log_Name_In_Title();
}

void SKTWindowController::Advance_QR_Mode_Select()
{
    Barcode_Setting_Or_Designing_Mode = 2;
    selectModeTab(Barcode_ADV_QR_tab);
}

void SKTWindowController::Refresh_Fill_Toolbar_Item()
{
    if (!Main_Toolbar)
        return;
    try {
        // Always start from the full copy, so the items a mode removed come back and a repeated
        // switch never removes more.
        while (!Main_Toolbar->actions().isEmpty())
            Main_Toolbar->removeAction(Main_Toolbar->actions().at(0));
        for (QAction *a : toolbar_all)
            Main_Toolbar->addAction(a);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

bool SKTWindowController::validateToolbarItem(QAction *item) const
{
    if (!item)
        return false;
    const QString id = item->objectName();
    const int mode = Barcode_Setting_Or_Designing_Mode;
    if (mode == 2)
        return !fileIdentifiers().contains(id) && !batchIdentifiers().contains(id);
    if (ONLY_QR_MODE)
        return !batchIdentifiers().contains(id);
    if (ONLY_STD_MODE)
        return id != QLatin1String("Mail_Toolbar_Item") && id != QLatin1String("Backup_Toolbar_Item");
    return true;
}

void SKTWindowController::validateToolbarItems()
{
    if (!Main_Toolbar)
        return;
    // An item the mode refuses is disabled; the others keep the state their commands gave them.
    for (QAction *a : Main_Toolbar->actions())
        if (!validateToolbarItem(a))
            a->setEnabled(false);
}

void SKTWindowController::Show_Hide_Main_Window(bool show)
{
    DesignWorkArea &area = workAreaOf(design());
    if (area.myTargetView)
        area.myTargetView->setVisible(show);
    if (area.Right_Prop_Box)
        area.Right_Prop_Box->setVisible(show);
}

void SKTWindowController::Set_Des_Mode_Save_Flag_TRUE() { save_flag_des_mode = true; }
void SKTWindowController::Set_Des_Mode_Save_Flag_False() { save_flag_des_mode = false; }

void SKTWindowController::Set_Barcode_Mode_Save_Flag_TRUE()
{
    if (!form_is_loading)
        save_flag_barcode_mode = true;
}

void SKTWindowController::Set_Barcode_Mode_Save_Flag_False() { save_flag_barcode_mode = false; }

void SKTWindowController::sidebarTabSelected(QWidget *item)
{
    PropertySidebar &sidebar = sidebarOf(design());
    if (Not_Draw_Only_Prop_Change || !sidebar.sett_tab || sidebar.sett_tab->count() != 4)
        return;
    sidebar.Last_Card_Sel_Tab = item;
    if (item == sidebar.card_size_tab)
        if (QComboBox *products = sidebar.Label_Stock_Products())
            products->setFocus();
}
