#pragma once
// Binds the barcode settings editor's outlets to the widgets a window's forms made. Both places of
// the editor (the Barcode mode of the main window and the barcode-object window) lay the controls
// out in forms of their own, with the outlet names as object names; each function here takes the
// generated Ui struct of a form (any struct with these members does) and assigns every field from
// the member of the same name, so a form that lacks a name does not compile.
//
// A group box that is an outlet itself is a member of the form that holds it, not of its own form
// (uic makes no member for a form's top widget): those functions take the holding form's Ui as
// `host` and the box's own as `box`. A window whose one form holds both passes it twice.

#include "barcodemode/BarcodeEditorForm.h"

#include <QTabWidget>

namespace barcode_editor_binding {

// Symbology, value, header and footer. The 2D value's scroll view is the view itself here.
// The settings tabs' titles as the form gave them, kept so that tabs taken out can come back.
inline void keepSettingsTabLabels(BarcodeEditorForm &form)
{
    QTabWidget *tabWidget = form.sett_tab_barcode;
    const auto label = [tabWidget](QWidget *page) { return tabWidget->tabText(tabWidget->indexOf(page)); };
    form.general_tab_item_bar_label = label(form.general_tab_item_bar);
    form.Font_tab_item_bar_label = label(form.Font_tab_item_bar);
    form.Color_tab_item_bar_label = label(form.Color_tab_item_bar);
    form.dpi_tab_item_label = label(form.dpi_tab_item);
    form.qr_logo_tab_item_sett_label = label(form.qr_logo_tab_item_sett);
}

template <class UiForm> void bindValueBox(BarcodeEditorForm &form, const UiForm &ui)
{
    form.barcodeTypePopup = ui.barcodeTypePopup;
    form.dataText = ui.dataText;
    form.dataText_2D = ui.dataText_2D;
    form.dataText_2D_scl_v = ui.dataText_2D;
    form.HeaderText = ui.HeaderText;
    form.FooterText = ui.FooterText;
    form.encode_btn = ui.encode_btn;
}

// The settings tab widget (a member of host) and its pages (members of tabs). The labels are kept
// while the pages are in the tab widget: the window's set-up detaches some pages and the editor
// puts the QR logo page back under its label.
template <class HostUi, class TabsUi> void bindSettingsTabs(BarcodeEditorForm &form, const HostUi &host, const TabsUi &tabs)
{
    form.sett_tab_barcode = host.sett_tab_barcode;
    form.general_tab_item_bar = tabs.general_tab_item_bar;
    form.Font_tab_item_bar = tabs.Font_tab_item_bar;
    form.Color_tab_item_bar = tabs.Color_tab_item_bar;
    form.dpi_tab_item = tabs.dpi_tab_item;
    form.qr_logo_tab_item_sett = tabs.qr_logo_tab_item_sett;
    keepSettingsTabLabels(form);
}

template <class HostUi, class BoxUi> void bindLinearSizes(BarcodeEditorForm &form, const HostUi &host, const BoxUi &box)
{
    form.linear_sett_box = host.linear_sett_box;
    form.bar_height_label = box.bar_height_label;
    form.HeightText = box.HeightText;
    form.HeightStepper = box.HeightStepper;
    form.bar_width_label = box.bar_width_label;
    form.widthText = box.widthText;
    form.widthStepper = box.widthStepper;
}

template <class HostUi, class BoxUi> void bindMargins(BarcodeEditorForm &form, const HostUi &host, const BoxUi &box)
{
    form.margin_box = host.margin_box;
    form.val_mar_label = box.val_mar_label;
    form.val_mar_Text = box.val_mar_Text;
    form.val_mar_Stepper = box.val_mar_Stepper;
    form.hdr_mar_label = box.hdr_mar_label;
    form.hdr_mar_Text = box.hdr_mar_Text;
    form.hdr_mar_Stepper = box.hdr_mar_Stepper;
    form.ftr_mar_label = box.ftr_mar_label;
    form.ftr_mar_Text = box.ftr_mar_Text;
    form.ftr_mar_Stepper = box.ftr_mar_Stepper;
    form.TB_mar_label = box.TB_mar_label;
    form.TB_mar_Text = box.TB_mar_Text;
    form.TB_mar_Stepper = box.TB_mar_Stepper;
    form.LR_mar_label = box.LR_mar_label;
    form.LR_mar_Text = box.LR_mar_Text;
    form.LR_mar_Stepper = box.LR_mar_Stepper;
}

// Caption, header and footer options.
template <class UiForm> void bindCaptionOptions(BarcodeEditorForm &form, const UiForm &ui)
{
    form.captionCheckbox = ui.captionCheckbox;
    form.showinTopCheckbox = ui.showinTopCheckbox;
    form.hideHeaderCheckbox = ui.hideHeaderCheckbox;
    form.hideFooterCheckbox = ui.hideFooterCheckbox;
    form.kerning_value_Checkbox = ui.kerning_value_Checkbox;
    form.align_hdr_combo = ui.align_hdr_combo;
    form.align_ftr_combo = ui.align_ftr_combo;
    form.bar_orient_combo = ui.bar_orient_combo;
}

template <class HostUi, class BoxUi> void bindQrCode(BarcodeEditorForm &form, const HostUi &host, const BoxUi &box)
{
    form.two_d_sett_box = host.two_d_sett_box;
    form.HeightText_2D = box.HeightText_2D;
    form.HeightStepper_2D = box.HeightStepper_2D;
    form.qr_version_ComboBox = box.qr_version_ComboBox;
    form.qr_ec_lvl_ComboBox = box.qr_ec_lvl_ComboBox;
    form.qr_enc_mode_ComboBox = box.qr_enc_mode_ComboBox;
    form.qr_version_help_btn = box.qr_version_help_btn;
    form.qr_ec_lvl_help_btn = box.qr_ec_lvl_help_btn;
}

template <class HostUi, class BoxUi> void bindPdf417(BarcodeEditorForm &form, const HostUi &host, const BoxUi &box)
{
    form.pdf_2d_sett_box = host.pdf_2d_sett_box;
    form.Pdf_widthText_2D = box.Pdf_widthText_2D;
    form.Pdf_widthStepper_2D = box.Pdf_widthStepper_2D;
    form.pdf_HeightText_2D = box.pdf_HeightText_2D;
    form.pdf_HeightStepper_2D = box.pdf_HeightStepper_2D;
    form.pdf_row_Text = box.pdf_row_Text;
    form.pdf_row_Stepper = box.pdf_row_Stepper;
    form.pdf_col_Text = box.pdf_col_Text;
    form.pdf_col_Stepper = box.pdf_col_Stepper;
    form.pdf_ec_lvl_Text = box.pdf_ec_lvl_Text;
    form.pdf_ec_lvl_Stepper = box.pdf_ec_lvl_Stepper;
    form.pdf_row_help_btn = box.pdf_row_help_btn;
    form.pdf_col_help_btn = box.pdf_col_help_btn;
    form.pdf_ec_lvl_help_btn = box.pdf_ec_lvl_help_btn;
}

template <class HostUi, class BoxUi> void bindDataMatrix(BarcodeEditorForm &form, const HostUi &host, const BoxUi &box)
{
    form.dm_2d_sett_box = host.dm_2d_sett_box;
    form.dm_moduleText_2D = box.dm_moduleText_2D;
    form.dm_moduleStepper_2D = box.dm_moduleStepper_2D;
    form.dm_widthText_2D = box.dm_widthText_2D;
    form.dm_widthStepper_2D = box.dm_widthStepper_2D;
    form.dm_HeightText_2D = box.dm_HeightText_2D;
    form.dm_HeightStepper_2D = box.dm_HeightStepper_2D;
    form.dm_format_ComboBox = box.dm_format_ComboBox;
    form.dm_encoding_ComboBox = box.dm_encoding_ComboBox;
    form.dm_format_help_btn = box.dm_format_help_btn;
    form.dm_encoding_help_btn = box.dm_encoding_help_btn;
}

template <class HostUi, class BoxUi> void bindResolution(BarcodeEditorForm &form, const HostUi &host, const BoxUi &box)
{
    form.dpi_box = host.dpi_box;
    form.DPI_ComboBox = box.DPI_ComboBox;
    form.dpi_Text = box.dpi_Text;
    form.dpi_Stepper = box.dpi_Stepper;
    form.dpi_help_btn = box.dpi_help_btn;
}

template <class UiForm> void bindFonts(BarcodeEditorForm &form, const UiForm &ui)
{
    form.val_font_label = ui.val_font_label;
    form.val_font_btn = ui.val_font_btn;
    form.value_font_value = ui.value_font_value;
    form.hdr_font_btn = ui.hdr_font_btn;
    form.header_font_value = ui.header_font_value;
    form.ftr_font_btn = ui.ftr_font_btn;
    form.footer_font_value = ui.footer_font_value;
}

// Colours and background.
template <class UiForm> void bindColours(BarcodeEditorForm &form, const UiForm &ui)
{
    form.barcode_clr = ui.barcode_clr;
    form.bar_clr_label = ui.bar_clr_label;
    form.bar_back_clr = ui.bar_back_clr;
    form.bar_bk_clr_label = ui.bar_bk_clr_label;
    form.bar_val_clr = ui.bar_val_clr;
    form.val_clr_label = ui.val_clr_label;
    form.bar_hdr_clr = ui.bar_hdr_clr;
    form.bar_ftr_clr = ui.bar_ftr_clr;
    form.brcd_bk_clr_rd = ui.brcd_bk_clr_rd;
    form.brcd_bk_clr_trnsp_rd = ui.brcd_bk_clr_trnsp_rd;
    form.transparent_bkgnd = ui.transparent_bkgnd;
}

template <class UiForm> void bindQrLogo(BarcodeEditorForm &form, const UiForm &ui)
{
    form.Use_Logo_chk = ui.Use_Logo_chk;
    form.Use_logo_box = ui.Use_logo_box;
    form.Use_logo_path = ui.Use_logo_path;
    form.Use_Logo_Image_View = ui.Use_Logo_Image_View;
    form.Use_browse_logo_btn = ui.Use_browse_logo_btn;
}

template <class UiForm> void bindPreview(BarcodeEditorForm &form, const UiForm &ui)
{
    form.image_scroll = ui.image_scroll;
    form.barcodeImage = ui.barcodeImage;
    form.barcode_error_label = ui.barcode_error_label;
    form.bar_align_combo = ui.bar_align_combo;
}

// ---- The barcode-object window's forms, where they differ from the Barcode mode's ----

// Symbology, value, header and footer, without a Generate button.
template <class UiForm> void bindObjectValueBox(BarcodeEditorForm &form, const UiForm &ui)
{
    form.barcodeTypePopup = ui.barcodeTypePopup;
    form.dataText = ui.dataText;
    form.dataText_2D = ui.dataText_2D;
    form.dataText_2D_scl_v = ui.dataText_2D;
    form.HeaderText = ui.HeaderText;
    form.FooterText = ui.FooterText;
}

// The settings tab widget sett_tab and its pages: the sizes first, the font tab second, the texts
// and colours, then the resolution and QR logo tabs (third and fourth once the font tab is out).
template <class UiForm> void bindObjectSettingsTabs(BarcodeEditorForm &form, const UiForm &ui)
{
    form.sett_tab_barcode = ui.sett_tab;
    form.general_tab_item_bar = ui.general_tab_item;
    form.Font_tab_item_bar = ui.font_tab_item;
    form.Color_tab_item_bar = ui.text_tab_item;
    form.dpi_tab_item = ui.dpi_tab_item;
    form.qr_logo_tab_item_sett = ui.qr_logo_tab_item_sett;
    keepSettingsTabLabels(form);
}

// Bar height and width with the window's own label names.
template <class HostUi, class BoxUi> void bindObjectLinearSizes(BarcodeEditorForm &form, const HostUi &host, const BoxUi &box)
{
    form.linear_sett_box = host.linear_sett_box;
    form.bar_height_label = box.barHeightLabel;
    form.HeightText = box.HeightText;
    form.HeightStepper = box.HeightStepper;
    form.bar_width_label = box.barWidthLabel;
    form.widthText = box.widthText;
    form.widthStepper = box.widthStepper;
}

// Colours and the transparency box; the window has no background radio buttons.
template <class UiForm> void bindObjectColours(BarcodeEditorForm &form, const UiForm &ui)
{
    form.barcode_clr = ui.barcode_clr;
    form.bar_clr_label = ui.bar_clr_label;
    form.bar_back_clr = ui.bar_back_clr;
    form.bar_bk_clr_label = ui.bar_bk_clr_label;
    form.bar_val_clr = ui.bar_val_clr;
    form.val_clr_label = ui.val_clr_label;
    form.bar_hdr_clr = ui.bar_hdr_clr;
    form.bar_ftr_clr = ui.bar_ftr_clr;
    form.transparent_bkgnd = ui.transparent_bkgnd;
}

} // namespace barcode_editor_binding
