// The Barcode-mode page of the main window: symbology, value, header and footer; the settings tabs
// (sizes, margins, caption options, 2D options, resolution, fonts, colours, QR logo); the preview;
// batch processing with series; the value list. Laid out by the BarcodeMode*.ui forms; here each
// form is set up on its placeholder, its outlets are bound and the lists the code owns are filled.

#include "barcodemode/BarcodeModeController.h"

#include "barcodemode/BarcodeEditorBinding.h"
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

#include <QPalette>

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

void BarcodeModeController::buildBarcodeModePanel(QWidget *page)
{
    // The page comes with an empty layout of the window's; the form brings the page's own.
    delete page->layout();
    Ui::BarcodeModePage ui;
    ui.setupUi(page);

    setUpValueBox(*this, ui.barcode_value_box);
    setUpSettingsTabs(*this, ui);
    // The page's form made the tab widget before the value box's controls: Tab goes from the
    // value box to the settings, as the page is read.
    QWidget::setTabOrder(encode_btn, sett_tab_barcode);
    setUpPreview(*this, ui.preview_box);
    setUpBatchBox(*this, ui);
    setUpValueList(*this, ui);
    ui.barcode_split_view->setSizes({470, 800});
}
