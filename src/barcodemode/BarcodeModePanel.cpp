// The Barcode-mode page of the main window: symbology, value, header and footer; the settings tabs
// (sizes, margins, caption options, 2D options, resolution, fonts, colours, QR logo); the preview;
// batch processing with series; the value list. Laid out by the BarcodeMode*.ui forms; here each
// form is set up on its placeholder, its outlets are bound and the lists the code owns are filled.

#include "barcodemode/BarcodeModePanel.h"

#include "barcodemode/BarcodeEditorBinding.h"
#include "barcodemode/BarcodeModeController.h"
#include "engines/Symbologies.h"
#include "platform/ComboItems.h"

#include "ui_BarcodeModeBatchBox.h"
#include "ui_BarcodeModeColourBox.h"
#include "ui_BarcodeModeDataMatrixBox.h"
#include "ui_BarcodeModeDpiBox.h"
#include "ui_BarcodeModeFontBox.h"
#include "ui_BarcodeModeGeneralTab.h"
#include "ui_BarcodeModeMarginBox.h"
#include "ui_BarcodeModePage.h"
#include "ui_BarcodeModePdf417Box.h"
#include "ui_BarcodeModePreviewBox.h"
#include "ui_BarcodeModeQrBox.h"
#include "ui_BarcodeModeQrLogoTab.h"
#include "ui_BarcodeModeSettingsTabs.h"
#include "ui_BarcodeModeSizeBox.h"
#include "ui_BarcodeModeTextBox.h"
#include "ui_BarcodeModeValueBox.h"
#include "ui_BarcodeModeValueListBox.h"

#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Utilities.h"
#include "platform/ColorWell.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/WheelGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>

namespace bind = barcode_editor_binding;
namespace items = barcode_editor_items;
using platform::ui::fillCombo;

namespace {

void setUpValueBox(BarcodeModeController &c, QGroupBox *placeholder)
{
    Ui::BarcodeModeValueBox ui;
    ui.setupUi(placeholder);
    bind::bindValueBox(c, ui);
    c.Linear_Barcode_RD = ui.Linear_Barcode_RD;
    c.TwoD_Barcode_RD = ui.TwoD_Barcode_RD;
    fillCombo(c.barcodeTypePopup, Symbologies::allTitles());
    c.barcodeTypePopup->setCurrentIndex(Symbologies::indexOf(QStringLiteral("EAN-13")));
}

// The first tab: everything the editor shows at all times. Fonts, colours and resolution stay
// here too, since their own tabs are removed at set-up.
void setUpGeneralTab(BarcodeModeController &c, QWidget *page)
{
    Ui::BarcodeModeGeneralTab tab;
    tab.setupUi(page);

    Ui::BarcodeModeSizeBox sizes;
    sizes.setupUi(tab.linear_sett_box);
    bind::bindLinearSizes(c, tab, sizes);

    Ui::BarcodeModeQrBox qr;
    qr.setupUi(tab.two_d_sett_box);
    bind::bindQrCode(c, tab, qr);
    fillCombo(c.qr_version_ComboBox, items::qrVersions());
    fillCombo(c.qr_ec_lvl_ComboBox, items::qrLevels());
    fillCombo(c.qr_enc_mode_ComboBox, items::qrEncodingModes());

    Ui::BarcodeModePdf417Box pdf;
    pdf.setupUi(tab.pdf_2d_sett_box);
    bind::bindPdf417(c, tab, pdf);

    // The DataMatrix lists are filled at the window's set-up.
    Ui::BarcodeModeDataMatrixBox dm;
    dm.setupUi(tab.dm_2d_sett_box);
    bind::bindDataMatrix(c, tab, dm);

    Ui::BarcodeModeMarginBox margins;
    margins.setupUi(tab.margin_box);
    bind::bindMargins(c, tab, margins);

    Ui::BarcodeModeTextBox text;
    text.setupUi(tab.caption_options_box);
    bind::bindCaptionOptions(c, text);
    fillCombo(c.align_hdr_combo, items::alignments());
    fillCombo(c.align_ftr_combo, items::alignments());
    fillCombo(c.bar_orient_combo, items::orientations());

    Ui::BarcodeModeFontBox fonts;
    fonts.setupUi(tab.font_box);
    bind::bindFonts(c, fonts);

    Ui::BarcodeModeColourBox colours;
    colours.setupUi(tab.colour_box);
    bind::bindColours(c, colours);

    Ui::BarcodeModeDpiBox dpi;
    dpi.setupUi(tab.dpi_box);
    bind::bindResolution(c, tab, dpi);
    fillCombo(c.DPI_ComboBox, items::dpiItems());
}

void setUpSettingsTabs(BarcodeModeController &c, const Ui::BarcodeModePage &host)
{
    // The font, colour and resolution pages stay empty: the set-up detaches them.
    Ui::BarcodeModeSettingsTabs tabs;
    tabs.setupUi(host.sett_tab_barcode);
    bind::bindSettingsTabs(c, host, tabs);
    setUpGeneralTab(c, tabs.general_tab_item_bar);

    Ui::BarcodeModeQrLogoTab logo;
    logo.setupUi(tabs.qr_logo_tab_item_sett);
    bind::bindQrLogo(c, logo);
}

void setUpPreview(BarcodeModeController &c, QGroupBox *placeholder)
{
    Ui::BarcodeModePreviewBox ui;
    ui.setupUi(placeholder);
    bind::bindPreview(c, ui);
    c.Use_Quick_Barcode_btn = ui.Use_Quick_Barcode_btn;
    fillCombo(c.bar_align_combo, items::previewAlignments());
    QPalette white = c.barcodeImage->palette();
    white.setColor(QPalette::Window, Qt::white);
    c.barcodeImage->setPalette(white);
}

void setUpBatchBox(BarcodeModeController &c, const Ui::BarcodeModePage &host)
{
    Ui::BarcodeModeBatchBox ui;
    ui.setupUi(host.batch_box);
    c.batch_box = host.batch_box;
    c.data_source_chkbox = ui.data_source_chkbox;
    c.data_source_txt_box = ui.data_source_txt_box;
    c.Custom_Sheet_RD = ui.Custom_Sheet_RD;
    c.Data_Set_Sheet_RD = ui.Data_Set_Sheet_RD;
    c.batch_chk_Gp_Bx = ui.batch_chk_Gp_Bx;
    c.barcode_value_chk = ui.barcode_value_chk;
    c.barcode_header_chk = ui.barcode_header_chk;
    c.barcode_footer_chk = ui.barcode_footer_chk;
    c.barcode_data_source_help_btn = ui.barcode_data_source_help_btn;
    c.batch_help_btn = ui.batch_help_btn;
    c.val_combo_list = ui.val_combo_list;
    c.hdr_combo_list = ui.hdr_combo_list;
    c.ftr_combo_list = ui.ftr_combo_list;
    c.val_combo_value = ui.val_combo_value;
    c.hdr_combo_value = ui.hdr_combo_value;
    c.ftr_combo_value = ui.ftr_combo_value;
    c.val_list_name_txt = ui.val_list_name_txt;
    c.hdr_list_name_txt = ui.hdr_list_name_txt;
    c.ftr_list_name_txt = ui.ftr_list_name_txt;
}

void selectFirst(QComboBox *combo)
{
    if (combo && combo->count() > 0)
        combo->setCurrentIndex(0);
}

void setUpValueList(BarcodeModeController &c, const Ui::BarcodeModePage &host)
{
    Ui::BarcodeModeValueListBox ui;
    ui.setupUi(host.data_Sheet_Gp_Bx);
    c.data_Sheet_Gp_Bx = host.data_Sheet_Gp_Bx;
    c.List = ui.List;
    c.tot_row_count = ui.tot_row_count;
    c.add_list_btn = ui.add_list_btn;
    c.delete_list_btn = ui.delete_list_btn;
    c.move_top_list_btn = ui.move_top_list_btn;
    c.move_up_list_btn = ui.move_up_list_btn;
    c.move_down_list_btn = ui.move_down_list_btn;
    c.move_last_list_btn = ui.move_last_list_btn;
    c.import_list_btn = ui.import_list_btn;
    c.excel_list_btn = ui.excel_list_btn;
    c.create_list_btn = ui.create_list_btn;
    c.export_list_btn = ui.export_list_btn;
    c.wireValueList();
}

} // namespace

BarcodeModePanel::BarcodeModePanel(BarcodeModeController &controller) : QObject(&controller), c(controller) {}

void BarcodeModePanel::build(QWidget *page)
{
    // The page comes with an empty layout of the window's; the form brings the page's own.
    delete page->layout();
    Ui::BarcodeModePage ui;
    ui.setupUi(page);

    setUpValueBox(c, ui.barcode_value_box);
    setUpSettingsTabs(c, ui);
    // The page's form made the tab widget before the value box's controls: Tab goes from the
    // value box to the settings, as the page is read.
    QWidget::setTabOrder(c.encode_btn, c.sett_tab_barcode);
    setUpPreview(c, ui.preview_box);
    setUpBatchBox(c, ui);
    setUpValueList(c, ui);
    ui.barcode_split_view->setSizes({470, 800});
    watchEdits();
    // The settings scroll under the wheel; their lists and spin boxes take it once focused.
    platform::wheelScrollsPanel(page);
}

void BarcodeModeController::buildBarcodeModePanel(QWidget *page)
{
    panel().build(page);
}

void BarcodeModePanel::watchEdits()
{
    // Only what a user does: typing, clicks, list choices, steps and colour picks.
    for (QLineEdit *f : {c.dataText, c.HeaderText, c.FooterText, c.HeightText, c.widthText, c.HeightText_2D,
                         c.pdf_HeightText_2D, c.Pdf_widthText_2D, c.pdf_ec_lvl_Text, c.dm_moduleText_2D, c.hdr_mar_Text,
                         c.ftr_mar_Text, c.val_mar_Text, c.TB_mar_Text, c.LR_mar_Text, c.dpi_Text})
        if (f)
            connect(f, &QLineEdit::textEdited, this, &BarcodeModePanel::edited);
    if (c.dataText_2D)
        connect(c.dataText_2D, &QPlainTextEdit::textChanged, this, [this] {
            if (c.dataText_2D->hasFocus())
                edited();
        });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             c.hideHeaderCheckbox, c.hideFooterCheckbox, c.captionCheckbox, c.showinTopCheckbox, c.brcd_bk_clr_rd,
             c.brcd_bk_clr_trnsp_rd, c.transparent_bkgnd, c.Use_Logo_chk, c.data_source_chkbox, c.barcode_value_chk,
             c.barcode_header_chk, c.barcode_footer_chk, c.Custom_Sheet_RD, c.Data_Set_Sheet_RD})
        if (b)
            connect(b, &QAbstractButton::clicked, this, &BarcodeModePanel::edited);
    for (QComboBox *combo : {c.barcodeTypePopup, c.align_hdr_combo, c.align_ftr_combo, c.qr_version_ComboBox,
                             c.qr_ec_lvl_ComboBox, c.qr_enc_mode_ComboBox, c.dm_format_ComboBox, c.dm_encoding_ComboBox,
                             c.DPI_ComboBox, c.val_combo_list, c.hdr_combo_list, c.ftr_combo_list, c.val_combo_value,
                             c.hdr_combo_value, c.ftr_combo_value})
        if (combo)
            connect(combo, &QComboBox::activated, this, &BarcodeModePanel::edited);
    for (platform::Stepper *st : {c.HeightStepper, c.widthStepper, c.HeightStepper_2D, c.pdf_HeightStepper_2D,
                                  c.Pdf_widthStepper_2D, c.pdf_ec_lvl_Stepper, c.dm_moduleStepper_2D, c.hdr_mar_Stepper,
                                  c.ftr_mar_Stepper, c.val_mar_Stepper, c.TB_mar_Stepper, c.LR_mar_Stepper, c.dpi_Stepper})
        if (st)
            connect(st, &platform::Stepper::stepped, this, &BarcodeModePanel::edited);
    for (platform::ColorWell *w : {c.bar_hdr_clr, c.bar_ftr_clr, c.bar_val_clr, c.bar_back_clr, c.barcode_clr})
        if (w)
            connect(w, &platform::ColorWell::colorChanged, this, &BarcodeModePanel::edited);
}

void BarcodeModePanel::edited()
{
    if (!filling)
        emit settingsChanged();
}

void BarcodeModePanel::startLayout()
{
    const auto detach = [this](QWidget *page, QString *label) {
        QTabWidget *tabs = c.sett_tab_barcode;
        const int index = tabs ? tabs->indexOf(page) : -1;
        if (index < 0)
            return;
        *label = tabs->tabText(index);
        tabs->removeTab(index);
    };
    detach(c.dpi_tab_item, &c.dpi_tab_item_label);
    detach(c.qr_logo_tab_item_sett, &c.qr_logo_tab_item_sett_label);
    detach(c.Font_tab_item_bar, &c.Font_tab_item_bar_label);
    detach(c.Color_tab_item_bar, &c.Color_tab_item_bar_label);
    SetObjEnabled(c.Use_logo_box, false);
    for (QWidget *w : std::initializer_list<QWidget *>{c.val_list_name_txt, c.hdr_list_name_txt, c.ftr_list_name_txt})
        if (w)
            w->hide();
}

void BarcodeModePanel::startValues()
{
    c.List_Barcode_Grid_Value.clear();
    c.ListData_barcode.clear();
    SetObjEnabled(c.batch_chk_Gp_Bx, false);
    SetObjEnabled(c.data_Sheet_Gp_Bx, false);
    c.Set_Linear_Value_in_Field(QStringLiteral("123456789012"));
    c.Set_Two_D_Value_in_Field(QStringLiteral("123456789012"));
    c.HeaderText->setText(def_barcode_hdr_str);
    c.FooterText->setText(QStringLiteral("FOOTER"));
}

void BarcodeModePanel::startSizes()
{
    c.HeightText_2D->setText(QStringLiteral("60"));
    c.HeightStepper_2D->setIntValue(60);
    c.value_font_value->setText(BarcodeEditor::fontDisplayText(c.value_font));
    c.header_font_value->setText(BarcodeEditor::fontDisplayText(c.header_font));
    c.footer_font_value->setText(BarcodeEditor::fontDisplayText(c.footer_font));
    for (QComboBox *combo : {c.align_hdr_combo, c.align_ftr_combo})
        if (combo && combo->count() > 1)
            combo->setCurrentIndex(1);
    for (QComboBox *combo : {c.qr_enc_mode_ComboBox, c.qr_version_ComboBox, c.qr_ec_lvl_ComboBox, c.bar_align_combo,
                             c.bar_orient_combo, c.DPI_ComboBox})
        selectFirst(combo);
}

void BarcodeModePanel::startLists(QTableView *designList)
{
    BarcodeModeController &bm = c;
    QObject::connect(bm.List, &QAbstractItemView::doubleClicked, this, [&bm] { bm.doubleClickInTable(bm.List); });
    QObject::connect(designList, &QAbstractItemView::doubleClicked, this,
                     [&bm, designList] { bm.doubleClick_Fil_List_RHS(designList); });
    selectFirst(bm.qr_version_ComboBox);
    fillCombo(bm.dm_format_ComboBox, items::dataMatrixSizes());
    selectFirst(bm.dm_format_ComboBox);
    fillCombo(bm.dm_encoding_ComboBox, items::dataMatrixEncodings());
    selectFirst(bm.dm_encoding_ComboBox);
    bm.bar_image_frame_rect = bm.image_scroll->geometry();
}

void BarcodeModePanel::logoBoxClicked()
{
    c.USE_QR_LOGO = c.Use_Logo_chk && c.Use_Logo_chk->isChecked();
    SetObjEnabled(c.Use_logo_box, c.USE_QR_LOGO);
    c.Get_2d_barcode_from_image(true);
}

void BarcodeModePanel::logoChosen(const QString &path, const QImage &logo, const platform::Picture &shown)
{
    if (c.Use_logo_path)
        c.Use_logo_path->setPlainText(path);
    if (c.Use_Logo_Image_View)
        c.Use_Logo_Image_View->setPicture(shown);
    c.USE_QR_LOGO_PATH = path;
    c.USE_QR_LOGO_IMG = logo;
    c.Get_2d_barcode_from_image(true);
}

int BarcodeModePanel::currentListRow() const
{
    if (c.List && c.List->selectionModel() && c.List->selectionModel()->currentIndex().isValid())
        return c.List->selectionModel()->currentIndex().row();
    return -1;
}

void BarcodeModePanel::focusValueList()
{
    if (c.List)
        c.List->setFocus();
}

QByteArray BarcodeModePanel::previewPdfData() const
{
    if (!c.barcodeImage || !c.barcodeImage->hasPicture())
        return {};
    return c.barcodeImage->picture().pdfData();
}
