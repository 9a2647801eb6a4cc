// The barcode-object window's forms: the dialog (symbology, value, data source, settings tabs,
// preview, OK and Cancel) and the pages of its settings tabs. The boxes the window shares with the
// Barcode mode (QR Code, PDF417, DataMatrix, margins, text options, fonts, resolution, QR logo)
// come from the same forms; every outlet is bound through the editor's binding templates. Then
// the controls are connected to their handlers: the user's actions only, except the combo boxes,
// whose delegate also runs when code selects an item.

#include "barcodemode/Barcode_Gen.h"

#include "barcodemode/BarcodeEditorBinding.h"
#include "engines/Symbologies.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "platform/TextNotifications.h"

#include "ui_BarcodeModeDataMatrixBox.h"
#include "ui_BarcodeModeDpiBox.h"
#include "ui_BarcodeModeFontBox.h"
#include "ui_BarcodeModeMarginBox.h"
#include "ui_BarcodeModePdf417Box.h"
#include "ui_BarcodeModeQrBox.h"
#include "ui_BarcodeModeQrLogoTab.h"
#include "ui_BarcodeModeTextBox.h"
#include "ui_Barcode_Gen.h"
#include "ui_Barcode_GenColourBox.h"
#include "ui_Barcode_GenGeneralTab.h"
#include "ui_Barcode_GenSizeBox.h"
#include "ui_Barcode_GenTextTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace bind = barcode_editor_binding;
namespace items = barcode_editor_items;
using platform::ui::fillCombo;

namespace {

void bindDialog(Barcode_Gen &g, const Ui::Barcode_Gen &ui)
{
    bind::bindObjectValueBox(g, ui);
    bind::bindObjectSettingsTabs(g, ui);
    bind::bindPreview(g, ui);
    g.sel_barcode_label = ui.sel_barcode_label;
    g.bar_val_label = ui.bar_val_label;
    g._imageCreatedLbl = ui._imageCreatedLbl;
    g.sett_tab = ui.sett_tab;
    g.font_tab_item = ui.font_tab_item;
    g.OK_Btn = ui.OK_Btn;
    g.Cancel_Btn = ui.Cancel_Btn;
    g.Data_source_type = ui.Data_source_type;
    g.Batch_Series = ui.Batch_Series;
    g.hdr_combo_list = ui.hdr_combo_list;
    g.ftr_combo_list = ui.ftr_combo_list;
    g.use_value_series_chk = ui.use_value_series_chk;
    g.use_hdr_series_chk = ui.use_hdr_series_chk;
    g.use_ftr_series_chk = ui.use_ftr_series_chk;
    g.view_series_btn = ui.view_series_btn;
    g.view_hdr_series_btn = ui.view_hdr_series_btn;
    g.view_ftr_series_btn = ui.view_ftr_series_btn;
    g.data_source_label = ui.data_source_label;
    g.batch_help_btn = ui.batch_help_btn;
    g.Sel_Qr_type_IMG = ui.Sel_Qr_type_IMG;
    g.Sel_Qr_type_TEXT = ui.Sel_Qr_type_TEXT;
    g.Edit_Qr_Code_Val_BTN = ui.Edit_Qr_Code_Val_BTN;
    g.AQR_Display_Text_View = ui.AQR_Display_Text_View;
    g.AQR_Display_scl_v = ui.AQR_Display_Text_View;
}

// The sizes page: the linear sizes, the box of each 2D symbology, the margins and the resolution.
void setUpGeneralPage(Barcode_Gen &g, QWidget *page)
{
    Ui::Barcode_GenGeneralTab tab;
    tab.setupUi(page);

    Ui::Barcode_GenSizeBox sizes;
    sizes.setupUi(tab.linear_sett_box);
    bind::bindObjectLinearSizes(g, tab, sizes);
    g.barHeightLabel = sizes.barHeightLabel;
    g.barWidthLabel = sizes.barWidthLabel;

    Ui::BarcodeModeQrBox qr;
    qr.setupUi(tab.two_d_sett_box);
    bind::bindQrCode(g, tab, qr);
    fillCombo(g.qr_version_ComboBox, items::qrVersions());
    fillCombo(g.qr_ec_lvl_ComboBox, items::qrLevels());
    fillCombo(g.qr_enc_mode_ComboBox, items::qrEncodingModes());

    Ui::BarcodeModePdf417Box pdf;
    pdf.setupUi(tab.pdf_2d_sett_box);
    bind::bindPdf417(g, tab, pdf);

    // The DataMatrix lists are filled at start-up.
    Ui::BarcodeModeDataMatrixBox dm;
    dm.setupUi(tab.dm_2d_sett_box);
    bind::bindDataMatrix(g, tab, dm);

    // The box's title carries the unit (_setLabels); the rows name their bands.
    Ui::BarcodeModeMarginBox margins;
    margins.setupUi(tab.margin_box);
    bind::bindMargins(g, tab, margins);
    g.val_mar_label->setText(QStringLiteral("Value Margin:"));
    g.hdr_mar_label->setText(QStringLiteral("Header Margin:"));
    g.ftr_mar_label->setText(QStringLiteral("Footer Margin:"));
    g.TB_mar_label->setText(QStringLiteral("Top and Bottom:"));
    g.LR_mar_label->setText(QStringLiteral("Left and Right:"));

    Ui::BarcodeModeDpiBox dpi;
    dpi.setupUi(tab.dpi_box);
    bind::bindResolution(g, tab, dpi);
    fillCombo(g.DPI_ComboBox, items::dpiItems());
}

// The texts and colours page: caption options and alignments, fonts, colours and background.
void setUpTextPage(Barcode_Gen &g, QWidget *page)
{
    Ui::Barcode_GenTextTab tab;
    tab.setupUi(page);

    Ui::BarcodeModeTextBox text;
    text.setupUi(tab.caption_options_box);
    bind::bindCaptionOptions(g, text);
    fillCombo(g.align_hdr_combo, items::alignments());
    fillCombo(g.align_ftr_combo, items::alignments());
    fillCombo(g.bar_orient_combo, items::orientations());

    Ui::BarcodeModeFontBox fonts;
    fonts.setupUi(tab.font_box);
    bind::bindFonts(g, fonts);

    Ui::Barcode_GenColourBox colours;
    colours.setupUi(tab.colour_box);
    bind::bindObjectColours(g, colours);
}

template <typename Handler>
void onClick(QAbstractButton *button, Barcode_Gen *g, Handler handler)
{
    if (button)
        QObject::connect(button, &QAbstractButton::clicked, g, [g, button, handler] { (g->*handler)(button); });
}

template <typename Handler>
void onPair(platform::Stepper *stepper, QLineEdit *field, Barcode_Gen *g, Handler handler)
{
    platform::connectPair(stepper, field, g, [g, handler](QObject *sender) { (g->*handler)(sender); });
}

} // namespace

void Barcode_Gen::buildWindow()
{
    window = new QDialog;
    Ui::Barcode_Gen ui;
    ui.setupUi(window);
    bindDialog(*this, ui);
    setUpGeneralPage(*this, ui.general_tab_item);
    setUpTextPage(*this, ui.text_tab_item);
    Ui::BarcodeModeQrLogoTab logo;
    logo.setupUi(ui.qr_logo_tab_item_sett);
    bind::bindQrLogo(*this, logo);

    fillCombo(barcodeTypePopup, Symbologies::allTitles());
    fillCombo(bar_align_combo, items::previewAlignments());
    QPalette white = barcodeImage->palette();
    white.setColor(QPalette::Window, Qt::white);
    barcodeImage->setPalette(white);

    // Tab goes down the left column, into the settings, then to the buttons.
    QWidget::setTabOrder(FooterText, Data_source_type);
    QWidget::setTabOrder(ftr_combo_list, sett_tab);
    QWidget::setTabOrder(sett_tab, bar_align_combo);
    QWidget::setTabOrder(bar_align_combo, Cancel_Btn);
    QWidget::setTabOrder(Cancel_Btn, OK_Btn);
}

void Barcode_Gen::wireControls()
{
    using G = Barcode_Gen;
    using E = BarcodeEditor;
    QObject::connect(barcodeTypePopup, &QComboBox::activated, this, [this] { barcodeTypeChanged(barcodeTypePopup); });

    onPair(val_mar_Stepper, val_mar_Text, this, &E::Value_Margin_Changed);
    onPair(hdr_mar_Stepper, hdr_mar_Text, this, &E::Header_Margin_Changed);
    onPair(ftr_mar_Stepper, ftr_mar_Text, this, &E::Footer_Margin_Changed);
    onPair(TB_mar_Stepper, TB_mar_Text, this, &E::TB_Margin_Changed);
    onPair(LR_mar_Stepper, LR_mar_Text, this, &E::LR_Margin_Changed);
    onPair(HeightStepper, HeightText, this, &E::heightChanged);
    onPair(HeightStepper_2D, HeightText_2D, this, &E::heightChanged);
    onPair(widthStepper, widthText, this, &E::widthChanged);
    onPair(Pdf_widthStepper_2D, Pdf_widthText_2D, this, &E::widthChanged);
    onPair(pdf_HeightStepper_2D, pdf_HeightText_2D, this, &E::pdf_heightChanged);
    onPair(pdf_row_Stepper, pdf_row_Text, this, &E::PDF_Row_Changed);
    onPair(pdf_col_Stepper, pdf_col_Text, this, &E::PDF_Col_Changed);
    onPair(pdf_ec_lvl_Stepper, pdf_ec_lvl_Text, this, &E::PDF_EC_Lvl_Changed);
    onPair(dm_widthStepper_2D, dm_widthText_2D, this, &E::dm_widthChanged);
    onPair(dm_HeightStepper_2D, dm_HeightText_2D, this, &E::dm_heightChanged);
    onPair(dm_moduleStepper_2D, dm_moduleText_2D, this, &E::dm_modulesizeChanged);
    onPair(dpi_Stepper, dpi_Text, this, &E::DPI_Value_Changed);

    onClick(captionCheckbox, this, &E::captionChanged);
    onClick(showinTopCheckbox, this, &E::showinTopChanged);
    onClick(hideHeaderCheckbox, this, &E::hideHeaderChanged);
    onClick(hideFooterCheckbox, this, &E::hideFooterChanged);
    onClick(val_font_btn, this, &E::Value_Font_Changed);
    onClick(hdr_font_btn, this, &E::Header_Font_Changed);
    onClick(ftr_font_btn, this, &E::Footer_Font_Changed);
    for (platform::ColorWell *well : {barcode_clr, bar_back_clr, bar_val_clr, bar_hdr_clr, bar_ftr_clr})
        QObject::connect(well, &platform::ColorWell::colorChanged, this, [this, well] { Header_Color_Changed(well); });
    onClick(transparent_bkgnd, this, &E::Transparent_Bkngd_Clicked);

    onClick(qr_version_help_btn, this, &E::QR_Version_Help_Btn);
    onClick(qr_ec_lvl_help_btn, this, &E::QR_EC_Lvl_Help_Btn);
    onClick(pdf_row_help_btn, this, &E::PDF_row_Help_btn);
    onClick(pdf_col_help_btn, this, &E::PDF_col_Help_btn);
    onClick(pdf_ec_lvl_help_btn, this, &E::PDF_ec_lvl_Help_btn);
    onClick(dm_format_help_btn, this, &E::DM_format_Help_btn);
    onClick(dm_encoding_help_btn, this, &E::DM_Encoding_Help_btn);
    onClick(dpi_help_btn, this, &E::DPI_Help_Label);

    // Every combo box but the symbology pop-up, whose action is its own.
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        if (combo != barcodeTypePopup)
            QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    }

    onClick(use_value_series_chk, this, &G::Use_Value_Series_Chk);
    onClick(use_hdr_series_chk, this, &G::Use_Hedaer_Series_Chk);
    onClick(use_ftr_series_chk, this, &G::Use_Footer_Series_Chk);
    onClick(view_series_btn, this, &G::View_batch_Series_Button);
    onClick(view_hdr_series_btn, this, &G::View_Hedaer_Series_Button);
    onClick(view_ftr_series_btn, this, &G::View_Footer_Series_Button);
    onClick(batch_help_btn, this, &G::Batch_Help_Button);
    onClick(Use_Logo_chk, this, &G::Use_Logo_Chk_Clicked);
    onClick(Use_browse_logo_btn, this, &G::Use_Browse_Logo_Btn_Clicked);
    onClick(Edit_Qr_Code_Val_BTN, this, &G::Edit_Adv_QR_Value_Clicked);
    onClick(OK_Btn, this, &G::OK_Btn_Clicked);
    onClick(Cancel_Btn, this, &G::Cancel_Btn_Clicked);

    // Text events come from every control of the application; the handlers pick their own.
    auto &center = platform::TextNotifications::instance();
    QObject::connect(&center, &platform::TextNotifications::controlTextDidChange, this, &G::controlTextDidChange);
    QObject::connect(&center, &platform::TextNotifications::textDidChange, this, &G::textDidChange);
    QObject::connect(&center, &platform::TextNotifications::controlTextDidEndEditing, this, &G::textDidEndEditing);
    QObject::connect(&center, &platform::TextNotifications::textDidEndEditing, this, &G::textDidEndEditing);
}
