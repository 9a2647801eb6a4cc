// The window set-up after the description is loaded: editions, removed tabs and toolbar items kept
// for later, the resource check, option lists, defaults of the three modes, and a new project.

#include "app/SKTWindowController.h"

#include "advqr/QrPanels.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "barcodemode/BarcodeEditorForm.h"
#include "imagetools/Rotated.h"
#include "model/SKTDocument.h"
#include "output/Send_Modeless.h"
#include "platform/FormBuilder.h"
#include "platform/Quit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>

#include <exception>

namespace {

QString fontLabel(const QFont &font)
{
    return QString::asprintf("%s ( %0.2f )", qPrintable(font.family()), font.pointSizeF());
}

void selectFirst(QComboBox *c)
{
    if (c && c->count() > 0)
        c->setCurrentIndex(0);
}

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
    // 1-2
    form_is_loading = true;
    liner_or_2D_font = 0;
    if (QR_Input_sclview && Qr_Text) {
        QR_Input_sclview->takeWidget();
        QR_Input_sclview->setWidget(Qr_Text);
    }
    if (Qr_Text_OBJ)
        Qr_Text_OBJ->Show_Hide_Open_URL_Button(true, Selected_Qr_Category ? Selected_Qr_Category->text() : QString());
    // 3
    if (main_split_view)
        main_split_view->setHandleWidth(8);
    if (Show_Template_Btn)
        Show_Template_Btn->hide();
    // 4: the export panel's frames (zero while that panel is absent)
    range_box_size = btn_box_size = series_radio_box_size = Full_window_size = QRect();
    // 5: the main window has no close button; the application menu quits.
    window_->setWindowFlag(Qt::WindowCloseButtonHint, false);
    // 6
    if (ONLY_QR_MODE)
        for (int i = 0; i < 5; ++i)
            if (Main_Toolbar->actions().size() > 7)
                Main_Toolbar->removeAction(Main_Toolbar->actions().at(7));
    // 7
    toolbar_all = Main_Toolbar->actions();
    // 8: the font, colour and resolution tabs never come back; the QR logo tab comes and goes.
    detachTab(sett_tab_barcode, dpi_tab_item, &dpi_tab_item_label);
    detachTab(sett_tab_barcode, qr_logo_tab_item_sett, &qr_logo_tab_item_sett_label);
    detachTab(sett_tab_barcode, Font_tab_item_bar, &Font_tab_item_bar_label);
    detachTab(sett_tab_barcode, Color_tab_item_bar, &Color_tab_item_bar_label);
    // 9
    SetObjEnabled(Use_logo_box, false);
    SetObjEnabled(ADV_QR_Use_logo_box, false);
    // 11: the two link buttons look like links.
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
    // 12: in front, over the whole screen.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window_->setGeometry(screen->availableGeometry());
    // 14
    send_modls_wnd = Send_Modeless::defaultInstance();
    Send_Models_Window = send_modls_wnd->window;
    data_table_content.clear();
    Get_Email_Details();
    // 15
    for (QWidget *w : std::initializer_list<QWidget *>{txt_ctrl_id_val, img_ctrl_id_val, val_list_name_txt,
                                                      hdr_list_name_txt, ftr_list_name_txt})
        if (w)
            w->hide();
    // 16: the resource folder is only read, never created: when it cannot be reached the program ends.
    const QFileInfo resources(Resource_Path);
    if (Resource_Path.isEmpty() || !resources.isDir() || !resources.isReadable()) {
        Show_MessageBox(QStringLiteral("Can not access Data file."));
        platform::requestTerminate();
        return;
    }
    // 17
    Data_Folder_Path = Created_Resource_Path + QStringLiteral("/DataSet");
    // 18
    selectFirst(shape_border_style);
    selectFirst(Shape_Type_Combo);
    Show_Hide_Ruler_ChkBox();
    // 19
    if (Gen_Temp_Img_btn)
        Gen_Temp_Img_btn->hide();
    auto hide = [](QWidget *w) { if (w) w->hide(); };
    auto show = [](QWidget *w) { if (w) w->show(); };
    if (ONLY_QR_MODE) {
        design_file_EXT = QStringLiteral("qlf");
        show(Export_Template_Btn);
        hide(design_browse_excel_box);
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
        show(Edit_Qr_Code_Val_BTN);
        if (manual_brws_box && Data_source_box_DES)
            manual_brws_box->move(Data_source_box_DES->pos() + QPoint(0, 80));
    } else {
        if (ONLY_STD_MODE) {
            Mail_menu_item->setVisible(false);
            Backup_menu_item->setVisible(false);
            detachTab(Barcode_mode_tab, Barcode_ADV_QR_tab, nullptr);
        }
        show(design_browse_excel_box);
        hide(Export_Template_Btn);
        hide(Edit_Qr_Code_Val_BTN);
    }
    // 20: the sidebar starts with the card's four tabs.
    Not_Draw_Only_Prop_Change = true;
    for (QWidget *tab : {line_tab, shape_tab, text_edtng_tab, text_prop_tab, image_tab, sign_tab, datasource_tab,
                         aligmnt_tab, barcode_tab, Lock_tab, card_setting_tab})
        detachTab(sett_tab, tab, nullptr);
    // 21: label-stock vendors: "Custom", then one per catalogue file.
    if (Label_ComboBox) {
        QStringList vendors{QStringLiteral("Custom")};
        const QDir pages(Resource_Path + QStringLiteral("/Formats/pages/"));
        for (const QString &entry : pages.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
            const int dot = int(entry.lastIndexOf(QLatin1Char('.')));
            if (dot > 0 && entry.mid(dot + 1).toLower() == QStringLiteral("xml"))
                vendors << entry.left(dot);
        }
        platform::ui::fillCombo(Label_ComboBox, vendors);
        Label_ComboBox->setCurrentIndex(0);
        try {
            if (!Product_num_ComboBox || Product_num_ComboBox->count() == 0)
                throw std::out_of_range("The label-stock product list is empty.");
            Product_num_ComboBox->setCurrentIndex(0);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
    }
    // 22
    List_Barcode_Grid_Value.clear();
    ListData_barcode.clear();
    Fill_List_Data_RHS.clear();
    SetObjEnabled(batch_chk_Gp_Bx, false);
    SetObjEnabled(data_Sheet_Gp_Bx, false);
    // 23
    if (ADV_QR_HeaderText)
        ADV_QR_HeaderText->setText(QStringLiteral("My QR Code"));
    Set_Linear_Value_in_Field(QStringLiteral("123456789012"));
    Set_Two_D_Value_in_Field(QStringLiteral("123456789012"));
    HeaderText->setText(def_barcode_hdr_str);
    FooterText->setText(QStringLiteral("FOOTER"));
    // 24
    Measument_Unit_Is = last_unit_val = 2;
    Measument_Unit_Is_Barcode = last_unit_val_Barcode = 1;
    Measument_Unit_Is_Adv_QR = last_unit_val_Adv_QR = 1;
    _setLabels_Barcode();
    // 25
    HeightText_2D->setText(QStringLiteral("60"));
    HeightStepper_2D->setIntValue(60);
    if (ADV_QR_HeightText_2D) {
        ADV_QR_HeightText_2D->setText(QStringLiteral("120"));
        ADV_QR_HeightStepper_2D->setIntValue(120);
    }
    // 26
    value_font_value->setText(fontLabel(value_font));
    header_font_value->setText(fontLabel(header_font));
    footer_font_value->setText(fontLabel(footer_font));
    // 27
    for (QComboBox *c : {align_hdr_combo, align_ftr_combo, ADV_QR_align_hdr_combo, ADV_QR_align_ftr_combo})
        if (c && c->count() > 1)
            c->setCurrentIndex(1);
    for (QComboBox *c : {qr_enc_mode_ComboBox, qr_version_ComboBox, qr_ec_lvl_ComboBox, ADV_QR_enc_mode_ComboBox,
                         ADV_QR_version_ComboBox, ADV_QR_ec_lvl_ComboBox, bar_align_combo, bar_orient_combo, DPI_ComboBox})
        selectFirst(c);
    // 28
    _setLabels();
    // 29
    if (Card_image_layout && Card_image_layout->count() > 1)
        Card_image_layout->setCurrentIndex(1);
    // 30
    if (Text_Date_style) {
        platform::ui::fillCombo(Text_Date_style, {QStringLiteral("M-d-yyyy"), QStringLiteral("M-d-yy"), QStringLiteral("MM-dd-yy"),
                                                  QStringLiteral("MM-dd-yyyy"), QStringLiteral("yy-MM-dd"), QStringLiteral("yyyy-MM-dd"),
                                                  QStringLiteral("dd-MMM-yy"), QStringLiteral("dd-MM-yyyy"), QStringLiteral("d-M-yy")});
        selectFirst(Text_Date_style);
    }
    if (Text_Time_style) {
        platform::ui::fillCombo(Text_Time_style, {QStringLiteral("h:mm:ss a"), QStringLiteral("hh:mm:ss a"),
                                                  QStringLiteral("H:mm:ss"), QStringLiteral("HH:mm:ss")});
        selectFirst(Text_Time_style);
    }
    // 31
    selectFirst(Text_vert_align_combo);
    selectFirst(Text_align_combo);
    selectFirst(Text_case_combo);
    // 32
    if (shape_hatch_style) {
        platform::ui::fillCombo(shape_hatch_style, {});
        if (shape_hatch_style->isEditable())
            shape_hatch_style->setEditText(QString());
    }
    // 33
    if (Card_bor_Text) {
        Card_bor_Text->setText(QStringLiteral("3"));
        Card_bor_Stepper->setIntValue(3);
    }
    selectFirst(Card_border_style);
    card_prop_set(QStringLiteral("S"));
    // 34: hatch patterns, sorted by their names in character order.
    {
        QStringList names;
        const QDir patterns(Resource_Path + QStringLiteral("/Fill_Style_Image"));
        for (const QString &entry : patterns.entryList(QDir::Files | QDir::Hidden)) {
            const int dot = int(entry.lastIndexOf(QLatin1Char('.')));
            names << (dot > 0 ? entry.left(dot) : entry);
        }
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseSensitive) < 0; });
        if (shape_hatch_style)
            shape_hatch_style->addItems(names);
        if (Card_hatch_style)
            Card_hatch_style->addItems(names);
        if (!names.isEmpty()) {
            selectFirst(shape_hatch_style);
            selectFirst(Card_hatch_style);
        }
    }
    // 35-36
    Not_Draw_Only_Prop_Change = false;
    setPrintInfo(platform::PrintInfo::sharedPrintInfo());
    // 38
    if (document())
        SetDocumentCanvasSize(SKTDocument::canvasSize_size_val(true, QSizeF()));
    // 40
    selectedToolDidChange();
    // 43-44
    selectFirst(qr_version_ComboBox);
    platform::ui::fillCombo(dm_format_ComboBox, barcode_editor_items::dataMatrixSizes());
    selectFirst(dm_format_ComboBox);
    platform::ui::fillCombo(dm_encoding_ComboBox, barcode_editor_items::dataMatrixEncodings());
    selectFirst(dm_encoding_ComboBox);
    // 45
    bar_image_frame_rect = image_scroll->geometry();
    if (QR_image_scroll)
        ADV_QR_image_frame_rect = QR_image_scroll->geometry();
    // 46-47
    goButtonActionPerformed();
    New_Project_Setting_Reset(true);
    // 48-49
    Set_Canvas_to_100_percent();
    Refresh_Canvas();
    changeViewController(0);
    Show_Hide_Main_Window(true);
    // 50-51
    Invalid_Barcode_Data_Image = Rotated::Image_For_invalid_Data(QRectF(0, 0, 200, 100), QStringLiteral("Invalid Data"));
    Fill_Combo_List_Reading_Data_List_File(0, QString(), 0);
    // 52
    form_is_loading = false;
}

void SKTWindowController::newDocumentWindow()
{
    Open_Start_Window();
}
