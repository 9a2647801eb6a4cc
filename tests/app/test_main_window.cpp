#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "core/Units.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/UndoStacks.h"
#include "model/DesignGlobals.h"
#include "app/PleaseWaitGuard.h"
#include "app/PDF_Help.h"
#include "app/SupportLinks.h"
#include "design/RecordBinding.h"
#include "output/Send_Modeless.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"
#include "design/EditingCommands.h"
#include "design/ToolPalette.h"
#include "advqr/AdvQrController.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTDocument.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QPushButton>
#include <QSplitter>

#include <functional>
#include <stdexcept>

namespace {

QStringList toolbarIds(const SKTWindowController *c)
{
    QStringList ids;
    for (QAction *a : c->Main_Toolbar->actions())
        ids << a->objectName();
    return ids;
}

} // namespace

TEST(MainWindow, SetUpFillsTheDefaults)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    EXPECT_FALSE(form_is_loading);
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
    EXPECT_EQ(c->barcodeMode().dataText->text(), QStringLiteral("123456789012"));
    EXPECT_EQ(c->barcodeMode().Get_Two_D_Value_From_Field(), QStringLiteral("123456789012"));
    EXPECT_EQ(c->barcodeMode().HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_EQ(c->barcodeMode().FooterText->text(), QStringLiteral("FOOTER"));
    EXPECT_EQ(Measument_Unit_Is, 2);
    EXPECT_EQ(Measument_Unit_Is_Barcode, 1);
    EXPECT_EQ(Measument_Unit_Is_Adv_QR, 1);
    EXPECT_EQ(c->barcodeMode().bar_height_label->text(), QStringLiteral("Bar Height (cm):"));
    EXPECT_EQ(c->barcodeMode().HeightText_2D->text(), QStringLiteral("60"));
    // The face the system's font resolves to, as every font field shows a font.
    EXPECT_EQ(c->barcodeMode().value_font_value->text(), QFontInfo(c->barcodeMode().value_font).family() + QStringLiteral(" ( 10.00 )"));
    EXPECT_EQ(c->advQr().ADV_QR_header_font_value->text(), QFontInfo(c->advQr().ADV_QR_header_font).family() + QStringLiteral(" ( 20.00 )"));
    EXPECT_EQ(c->barcodeMode().align_hdr_combo->currentIndex(), 1);
    EXPECT_EQ(c->barcodeMode().DPI_ComboBox->currentIndex(), 0);
    EXPECT_EQ(c->barcodeMode().dm_format_ComboBox->count(), 31);
    EXPECT_EQ(c->barcodeMode().dm_format_ComboBox->currentText(), QStringLiteral("Auto"));
    EXPECT_EQ(c->barcodeMode().dm_encoding_ComboBox->count(), 5);
    // Only the first settings tab stays; the font, colour and resolution tabs never come back.
    EXPECT_EQ(c->barcodeMode().sett_tab_barcode->count(), 1);
    EXPECT_FALSE(c->Invalid_Barcode_Data_Image.isNull());
    EXPECT_EQ(c->Invalid_Barcode_Data_Image.size(), QSizeF(200, 100));
    EXPECT_EQ(c->send_modls_wnd->window, c->Send_Models_Window);
    EXPECT_FALSE(c->window()->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(MainWindow, AdvancedQrModeTrimsTheToolbarAndLeavingRestoresIt)
{
    if (ONLY_STD_MODE || ONLY_QR_MODE)
        GTEST_SKIP() << "full edition only";
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    const QStringList full = toolbarIds(c);
    ASSERT_EQ(full.size(), c->toolbar_all.size());
    ASSERT_GE(full.size(), 12);
    EXPECT_EQ(full.mid(0, 4), (QStringList{QStringLiteral("New_Toolbar_Item"), QStringLiteral("Open_Toolbar_Item"),
                                           QStringLiteral("Save_Toolbar_Item"), QStringLiteral("Save_AS_Toolbar_Item")}));
    EXPECT_EQ(full.mid(8, 4), (QStringList{QStringLiteral("Batch_Toolbar_Item"), QStringLiteral("Import_Wzd_Toolbar_Item"),
                                           QStringLiteral("Create_Ser_Toolbar_Item"), QStringLiteral("Backup_Toolbar_Item")}));

    QStringList reduced;
    for (int round = 0; round < 2; ++round) {
        c->Advance_QR_Mode_Select();
        EXPECT_EQ(Barcode_Setting_Or_Designing_Mode, 2);
        const QStringList ids = toolbarIds(c);
        EXPECT_EQ(ids.size(), full.size() - 8);
        for (const QString &gone : {QStringLiteral("New_Toolbar_Item"), QStringLiteral("Backup_Toolbar_Item"),
                                    QStringLiteral("Batch_Toolbar_Item")})
            EXPECT_FALSE(ids.contains(gone));
        if (round == 1) {
            EXPECT_EQ(ids, reduced);   // twice over: the same reduced toolbar
        }
        reduced = ids;
        EXPECT_FALSE(c->FILE_MAIN_menu_item->isVisible());
        EXPECT_FALSE(c->Save_menu_item->isVisible());
        EXPECT_FALSE(c->new_toolbar_item->isEnabled());

        c->Barcode_Mode_Select();
        EXPECT_EQ(Barcode_Setting_Or_Designing_Mode, 0);
        EXPECT_EQ(toolbarIds(c), full);
        EXPECT_TRUE(c->FILE_MAIN_menu_item->isVisible());
        EXPECT_TRUE(c->Backup_menu_item->isVisible());
        EXPECT_TRUE(c->new_toolbar_item->isEnabled());
    }
    c->Designing_Mode_Select();
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode, 1);
    EXPECT_EQ(c->Barcode_mode_tab->currentWidget(), c->Barcode_Design_tab);
    EXPECT_EQ(toolbarIds(c), full);
}

TEST(MainWindow, ToolbarValidationByMode)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    QAction *save = nullptr, *print = nullptr, *backup = nullptr;
    for (QAction *a : c->toolbar_all) {
        if (a->objectName() == QStringLiteral("Save_Toolbar_Item")) save = a;
        if (a->objectName() == QStringLiteral("Print_Toolbar_Item")) print = a;
        if (a->objectName() == QStringLiteral("Backup_Toolbar_Item")) backup = a;
    }
    ASSERT_TRUE(save && print);
    Barcode_Setting_Or_Designing_Mode = 0;
    EXPECT_TRUE(c->validateToolbarItem(save));
    EXPECT_EQ(c->validateToolbarItem(backup), backup != nullptr && !ONLY_QR_MODE && !ONLY_STD_MODE);
    Barcode_Setting_Or_Designing_Mode = 2;
    EXPECT_FALSE(c->validateToolbarItem(save));
    EXPECT_TRUE(c->validateToolbarItem(print));
    EXPECT_FALSE(c->validateToolbarItem(nullptr));
}

TEST(MainWindow, SaveFlagsFollowTheRules)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    save_flag_barcode_mode = false;
    form_is_loading = true;
    c->Set_Barcode_Mode_Save_Flag_TRUE();
    EXPECT_FALSE(save_flag_barcode_mode);   // a regeneration while loading is no change
    form_is_loading = false;
    c->Set_Barcode_Mode_Save_Flag_TRUE();
    EXPECT_TRUE(save_flag_barcode_mode);
    c->Set_Barcode_Mode_Save_Flag_False();
    EXPECT_FALSE(save_flag_barcode_mode);
    c->Set_Des_Mode_Save_Flag_TRUE();
    EXPECT_TRUE(save_flag_des_mode);
    c->Set_Des_Mode_Save_Flag_False();
    EXPECT_FALSE(save_flag_des_mode);
    // Selecting the Barcode tab regenerates without marking the project as changed.
    c->Designing_Mode_Select();
    c->Barcode_Mode_Select();
    EXPECT_FALSE(save_flag_barcode_mode);
}

TEST(MainWindow, TwoDFlagDuringTheSwitch)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    Type_draw_2d_flag = false;
    c->Designing_Mode_Select();
    EXPECT_FALSE(Type_draw_2d_flag);   // cleared at the end of the switch
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("DataMatrix"));
    Type_draw_2d_flag = false;
    c->Barcode_Mode_Select();
    EXPECT_FALSE(Type_draw_2d_flag);
}

TEST(MainWindow, ShowHideMainWindowMovesCanvasAndSidebarTogether)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->window()->show();
    c->Designing_Mode_Select();
    c->Show_Hide_Main_Window(false);
    EXPECT_TRUE(workAreaOf(c->design()).myTargetView->isHidden());
    EXPECT_TRUE(workAreaOf(c->design()).Right_Prop_Box->isHidden());
    c->Show_Hide_Main_Window(true);
    EXPECT_FALSE(workAreaOf(c->design()).myTargetView->isHidden());
    EXPECT_FALSE(workAreaOf(c->design()).Right_Prop_Box->isHidden());
}

TEST(MainWindow, PleaseWaitSheetIsShownDuringAJobAndGoneAfterIt)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->window()->show();
    c->modeless_msg_lbl->setText(QStringLiteral("an error text left behind"));
    bool visibleDuringJob = false;
    try {
        PleaseWaitGuard wait(c);
        visibleDuringJob = c->plz_wait_Window->isVisible();
        EXPECT_EQ(c->modeless_msg_lbl->text(), QStringLiteral("It may take a while, Please wait.."));
        throw std::runtime_error("job failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_TRUE(visibleDuringJob);
    EXPECT_FALSE(c->plz_wait_Window->isVisible());   // hidden also when the job throws
    // The window takes input again once the sheet is gone.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(MainWindow, BannerHoldsTheTitleAndTheButtonsAndTheLinksWork)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    auto *banner = c->window()->findChild<QWidget *>(QStringLiteral("banner_view"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->minimumHeight(), 34);
    EXPECT_EQ(banner->maximumHeight(), 34);
    const QList<QLabel *> labels = banner->findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_TRUE(labels.first()->text().startsWith(QStringLiteral("<b>Tagora</b>")));
    const QList<QPair<QPushButton *, QString>> buttons = {
        {c->Show_Template_Btn, QStringLiteral("Show_Template_Btn")}, {c->Gen_Temp_Img_btn, QStringLiteral("Gen_Temp_Img_btn")},
        {c->Export_Template_Btn, QStringLiteral("Export_Template_Btn")}, {c->website_1, QStringLiteral("website_1")},
        {c->support_id, QStringLiteral("support_id")}};
    for (const auto &[button, name] : buttons) {
        ASSERT_NE(button, nullptr) << qPrintable(name);
        EXPECT_EQ(button->objectName(), name);
        EXPECT_EQ(button->parentWidget(), banner) << qPrintable(name);
    }
    c->website_1->click();
    c->support_id->click();
    ASSERT_EQ(responder->opened.size(), 2);
    EXPECT_EQ(responder->opened.at(0), support_links::makerUrl);
    EXPECT_EQ(responder->opened.at(1), SKTWindowController::supportMailUrl(c->App_Name));
}

TEST(MainWindow, ModePagesAndSheetsOfTheWindowDescription)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    for (QWidget *page : {c->Barcode_setting_tab, c->Barcode_Design_tab, c->Barcode_ADV_QR_tab}) {
        ASSERT_NE(page, nullptr);
        EXPECT_NE(page->layout(), nullptr);
    }
    EXPECT_EQ(c->Barcode_setting_tab->objectName(), QStringLiteral("Barcode_setting_tab"));
    EXPECT_EQ(c->Barcode_Design_tab->objectName(), QStringLiteral("Barcode_Design_tab"));
    EXPECT_EQ(c->Barcode_ADV_QR_tab->objectName(), QStringLiteral("Barcode_ADV_QR_tab"));
    // The labels kept for the editions that take pages out and put them back.
    EXPECT_EQ(c->Barcode_setting_tab_label, QStringLiteral("Barcode Mode"));
    EXPECT_EQ(c->Barcode_Design_tab_label, QStringLiteral("Designing Mode"));
    EXPECT_EQ(c->Barcode_ADV_QR_tab_label, ONLY_QR_MODE ? QStringLiteral("Quick Mode") : QStringLiteral("Advanced QR Mode"));
    // The Designing mode's split view: the work area, then the record list.
    ASSERT_NE(c->main_split_view, nullptr);
    EXPECT_EQ(c->main_split_view->objectName(), QStringLiteral("verticalSplitView"));
    EXPECT_EQ(c->main_split_view->parentWidget(), c->Barcode_Design_tab);
    ASSERT_EQ(c->main_split_view->count(), 2);
    EXPECT_EQ(c->main_split_view->widget(0), workAreaOf(c->design()).Design_Work_Area);
    EXPECT_EQ(c->main_split_view->widget(1), recordsOf(c->design()).Fill_List_box);
    // The please-wait sheet: frameless, over the window, with its message.
    ASSERT_NE(c->plz_wait_Window, nullptr);
    EXPECT_EQ(c->plz_wait_Window->objectName(), QStringLiteral("plz_wait_Window"));
    EXPECT_EQ(c->plz_wait_Window->parentWidget(), c->window());
    EXPECT_TRUE(c->plz_wait_Window->windowFlags() & Qt::FramelessWindowHint);
    ASSERT_NE(c->modeless_msg_lbl, nullptr);
    EXPECT_EQ(c->modeless_msg_lbl->parentWidget(), c->plz_wait_Window);
    EXPECT_EQ(c->modeless_msg_lbl->text(), QStringLiteral("It may take a while, Please wait.."));
}

TEST(SmallWindows, PdfHelpClosesWithOk)
{
    PDF_Help help;
    QDialog *w = help.window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("PDF_Help"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("PDF Export Help"));
    auto *ok = w->findChild<QPushButton *>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    w->open();
    ASSERT_TRUE(w->isVisible());
    ok->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), 1);
}

TEST(MainWindow, SupportMailLink)
{
    const QString url = SKTWindowController::supportMailUrl(QStringLiteral("Tagora"));
    EXPECT_TRUE(url.startsWith(QStringLiteral("mailto:support@tagora-labels.org?subject=%20Support%20Question:%20Tagora"
                                              "&body=Dear%20Customer%20Support,%0d%0a%0d%0aI%20am%20having%20Difficulties"
                                              "%20in%20using%20Tagora.")));
    EXPECT_FALSE(url.contains(QLatin1Char(' ')));
    EXPECT_TRUE(url.endsWith(QStringLiteral("More%20Details%20of%20problem%20with%20screenshot%20(if%20any):")));
    // A quote in the name is escaped as well.
    EXPECT_TRUE(SKTWindowController::supportMailUrl(QStringLiteral("A\"B")).contains(QStringLiteral("A%22B")));
}

TEST(MainWindow, CopyCommandsReplaceTheClipboard)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    QApplication::clipboard()->setText(QStringLiteral("old"));
    env.controller()->Copy_URL();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("https://www.tagora-labels.org"));
    env.controller()->Copy_Email();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("support@tagora-labels.org"));
    EXPECT_EQ(responder->alertMessages(),
              (QStringList{QStringLiteral("\nText copied successfully."), QStringLiteral("\nText copied successfully.")}));
    env.controller()->Open_Support_Mail();
    ASSERT_EQ(responder->opened.size(), 1);
    EXPECT_TRUE(responder->opened.at(0).startsWith(QStringLiteral("mailto:")));
}

TEST(MainWindow, EditionTabsMenusAndExtension)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    QTabWidget *tabs = c->Barcode_mode_tab;
    if (ONLY_QR_MODE) {
        ASSERT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("Quick Mode"));
        EXPECT_EQ(tabs->tabText(1), QStringLiteral("Designing Mode"));
        EXPECT_EQ(tabs->widget(0), c->Barcode_ADV_QR_tab);
        EXPECT_EQ(design_file_EXT, QStringLiteral("qlf"));
        EXPECT_FALSE(c->new_toolbar_item->isEnabled());
        EXPECT_FALSE(c->Mail_menu_item->isVisible());
        EXPECT_FALSE(c->manage_series_menu_item->isVisible());
        EXPECT_EQ(c->toolbar_all.size(), 10);   // five items fewer, for good
        // The Barcode mode is the Advanced QR mode in this edition.
        c->Barcode_Mode_Select();
        EXPECT_EQ(Barcode_Setting_Or_Designing_Mode, 2);
    } else if (ONLY_STD_MODE) {
        ASSERT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->indexOf(c->Barcode_ADV_QR_tab), -1);
        EXPECT_FALSE(c->Mail_menu_item->isVisible());
        EXPECT_FALSE(c->Backup_menu_item->isVisible());
        EXPECT_EQ(design_file_EXT, QStringLiteral("qbf"));
    } else {
        ASSERT_EQ(tabs->count(), 3);
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("Barcode Mode"));
        EXPECT_EQ(design_file_EXT, QStringLiteral("qbf"));
        EXPECT_TRUE(c->Mail_menu_item->isVisible());
        EXPECT_TRUE(c->Backup_menu_item->isVisible());
        EXPECT_TRUE(c->Export_Template_Btn->isHidden());
        EXPECT_EQ(c->toolbar_all.size(), 15);
    }
}

TEST(MainWindow, SharedPageSetupAndLogoCache)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    ASSERT_NE(c->getPrintInfo(), nullptr);   // set at start-up
    const platform::PrintInfo *held = c->getPrintInfo();
    c->setPrintInfo(*held);                  // the same page setup: nothing changes
    EXPECT_EQ(c->getPrintInfo(), held);
    platform::PrintInfo other = *held;
    other.printerName = QStringLiteral("Label printer");
    c->setPrintInfo(other);
    ASSERT_NE(c->getPrintInfo(), nullptr);
    EXPECT_EQ(c->getPrintInfo()->printerName, QStringLiteral("Label printer"));
    other.printerName = QStringLiteral("changed after");
    EXPECT_EQ(c->getPrintInfo()->printerName, QStringLiteral("Label printer"));   // a copy was kept
    c->logoList.addLogoItemWithImage(QImage(), QStringLiteral("BAR_1"));
    c->logoList.addLogoItemWithImage(QImage(), QStringLiteral("BAR_2"));
    c->Set_Logo_Item_List_EMPTY();
    EXPECT_TRUE(c->logoList.isEmpty());
}

TEST(MainWindow, TheFirstChangeAfterStartUpCanBeUndone)
{
    testsupport::AppEnvironment env(QString(), true);
    DesignController &d = env.controller()->design();
    // The design as started is recorded, with nothing to undo and nothing unsaved yet.
    EXPECT_EQ(undoStacksOf(d).Get_Undo_Count(), 1);
    EXPECT_FALSE(editingOf(d).Undo_btn->isEnabled());
    EXPECT_FALSE(save_flag_des_mode);
    workAreaOf(d).tool_palette->Rect_Tool_Clicked();
    ASSERT_EQ(env.document()->graphics().size(), 1);
    EXPECT_TRUE(editingOf(d).Undo_btn->isEnabled());
    undoStacksOf(d).Undo_Clicked();
    EXPECT_TRUE(env.document()->graphics().isEmpty());
    EXPECT_FALSE(editingOf(d).Undo_btn->isEnabled());
    EXPECT_TRUE(editingOf(d).Redo_btn->isEnabled());
}

// A command an edition leaves out is gone from the menu and the toolbar alike, and stays gone
// through every mode switch; an edition that keeps it offers it in both.
TEST(MainWindow, EditionsOfferMailAndBackupInMenuAndToolbarAlike)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->window()->show();
    const bool offered = !ONLY_STD_MODE && !ONLY_QR_MODE;
    auto toolButtonOffered = [c](const char *id) {
        for (QAction *a : c->Main_Toolbar->actions()) {
            if (a->objectName() != QLatin1String(id))
                continue;
            // Shown and enabled (a narrow window may move the button into the overflow menu).
            return a->isVisible() && a->isEnabled() && c->Main_Toolbar->widgetForAction(a) != nullptr;
        }
        return false;
    };
    const std::function<void()> modes[] = {[c] { c->Designing_Mode_Select(); }, [c] { c->Barcode_Mode_Select(); },
                                           [c] { c->Designing_Mode_Select(); }};
    for (const auto &select : modes) {
        select();
        SCOPED_TRACE(Barcode_Setting_Or_Designing_Mode);
        if (Barcode_Setting_Or_Designing_Mode == 2)
            continue;   // the Advanced QR mode trims the toolbar by rules of its own
        EXPECT_EQ(c->Mail_menu_item->isVisible(), offered);
        EXPECT_EQ(c->Backup_menu_item->isVisible(), offered);
        EXPECT_EQ(toolButtonOffered("Mail_Toolbar_Item"), offered);
        EXPECT_EQ(toolButtonOffered("Backup_Toolbar_Item"), offered);
    }
}

// The menus from the keyboard: each title's mnemonic opens its menu, F10 opens the first; the
// window's shortcuts work while a list inside it has the focus.
TEST(MainWindow, MenusAndShortcutsFromTheKeyboard)
{
    testsupport::ResponderScope responder;   // the save and open panels answer Cancel
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    QMainWindow *window = c->window();
    window->show();
    c->Designing_Mode_Select();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    QStringList titles;
    for (QAction *a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles.mid(0, 5), (QStringList{QStringLiteral("T&agora"), QStringLiteral("&File"), QStringLiteral("&Edit"),
                                             QStringLiteral("&Tools"), QStringLiteral("&Help")}));

    QTableView *list = recordsOf(c->design()).Fill_List_RHS;
    recordsOf(c->design()).Fill_List_box->show();
    list->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), list);

    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QMenu *menu;
    };
    const Case menus[] = {
        {Qt::Key_F, Qt::AltModifier, c->FILE_MAIN_menu_item->menu()},
        {Qt::Key_H, Qt::AltModifier, nullptr},
        {Qt::Key_F10, Qt::NoModifier, c->app_menu},
    };
    for (const Case &k : menus) {
        SCOPED_TRACE(k.key);
        list->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k.key), k.modifiers);
        QWidget *popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << "no menu opened";
        if (k.menu) {
            EXPECT_EQ(popup, k.menu);
        }
        // Escape closes the menu, a second one leaves the menu bar, as for a user.
        QTest::keyClick(popup, Qt::Key_Escape);
        if (QWidget *f = QApplication::focusWidget(); f && f != list)
            QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }

    for (QAction *item : {c->Save_menu_item, c->Open_menu_item}) {
        SCOPED_TRACE(item->objectName().toStdString());
        QSignalSpy triggered(item, &QAction::triggered);
        list->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), list);
        QTest::keySequence(list, item->shortcut());
        EXPECT_EQ(triggered.count(), 1);
    }
}
