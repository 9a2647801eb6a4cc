// The Barcode-mode page of the main window: symbology, value, header and footer; the settings tabs
// (sizes, margins, caption options, 2D options, resolution, fonts, colours, QR logo); the preview;
// batch processing with series; the value list.

#include "barcodemode/BarcodeModeController.h"

#include "app/SKTWindowController.h"

#include "engines/Symbologies.h"
#include "platform/FormBuilder.h"
#include "platform/PictureView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <tuple>

using namespace platform::ui;
namespace items = barcode_editor_items;

namespace {

// A row of "label  field  stepper" in a grid.
void pairRow(QGridLayout *grid, int row, QLabel *label, QLineEdit *field, platform::Stepper *stepper)
{
    field->setMaximumWidth(90);
    grid->addWidget(label, row, 0);
    auto *h = new QHBoxLayout;
    h->setSpacing(2);
    h->addWidget(field);
    h->addWidget(stepper);
    h->addStretch();
    grid->addLayout(h, row, 1);
}

QPushButton *helpButton(QWidget *parent, const char *name)
{
    QPushButton *b = button(parent, name, QStringLiteral("?"));
    b->setFixedSize(22, 22);
    b->setToolTip(QStringLiteral("Help"));
    return b;
}

} // namespace

void BarcodeModeController::buildBarcodeModePanel(QWidget *page)
{
    auto *pageLayout = qobject_cast<QVBoxLayout *>(page->layout());
    auto *split = new QSplitter(Qt::Horizontal, page);
    split->setObjectName(QStringLiteral("barcode_split_view"));
    pageLayout->setContentsMargins(4, 4, 4, 4);
    pageLayout->addWidget(split);

    // ---- Left: symbology, value, settings tabs ----
    auto *leftScroll = new QScrollArea(split);
    leftScroll->setWidgetResizable(true);
    leftScroll->setMinimumWidth(440);
    auto *left = new QWidget;
    leftScroll->setWidget(left);
    auto *leftLayout = new QVBoxLayout(left);

    auto *symbolBox = box(left, "barcode_value_box", QStringLiteral("Barcode"));
    auto *sg = new QGridLayout(symbolBox);
    Linear_Barcode_RD = radio(symbolBox, "Linear_Barcode_RD", QStringLiteral("Linear"));
    TwoD_Barcode_RD = radio(symbolBox, "TwoD_Barcode_RD", QStringLiteral("2D"));
    Linear_Barcode_RD->setChecked(true);
    barcodeTypePopup = combo(symbolBox, "barcodeTypePopup", Symbologies::allTitles());
    barcodeTypePopup->setCurrentIndex(Symbologies::indexOf(QStringLiteral("EAN-13")));
    auto *family = new QHBoxLayout;
    family->addWidget(Linear_Barcode_RD);
    family->addWidget(TwoD_Barcode_RD);
    family->addStretch();
    sg->addLayout(family, 0, 0, 1, 2);
    sg->addWidget(new QLabel(QStringLiteral("Symbology:")), 1, 0);
    sg->addWidget(barcodeTypePopup, 1, 1);
    sg->addWidget(new QLabel(QStringLiteral("Value:")), 2, 0, Qt::AlignTop);
    auto *valueStack = new QVBoxLayout;
    dataText = field(symbolBox, "dataText");
    dataText_2D = textView(symbolBox, "dataText_2D");
    dataText_2D->setFixedHeight(70);
    dataText_2D_scl_v = dataText_2D;
    dataText_2D->hide();
    valueStack->addWidget(dataText);
    valueStack->addWidget(dataText_2D);
    sg->addLayout(valueStack, 2, 1);
    sg->addWidget(new QLabel(QStringLiteral("Header:")), 3, 0);
    HeaderText = field(symbolBox, "HeaderText");
    sg->addWidget(HeaderText, 3, 1);
    sg->addWidget(new QLabel(QStringLiteral("Footer:")), 4, 0);
    FooterText = field(symbolBox, "FooterText");
    sg->addWidget(FooterText, 4, 1);
    encode_btn = button(symbolBox, "encode_btn", QStringLiteral("Generate"));
    sg->addWidget(encode_btn, 5, 1, Qt::AlignRight);
    leftLayout->addWidget(symbolBox);

    sett_tab_barcode = make<QTabWidget>(left, "sett_tab_barcode");
    leftLayout->addWidget(sett_tab_barcode, 1);

    // Tab 0: everything the editor shows at all times.
    general_tab_item_bar = make<QWidget>(nullptr, "general_tab_item_bar");
    general_tab_item_bar_label = QStringLiteral("Settings");
    auto *general = new QVBoxLayout(general_tab_item_bar);

    linear_sett_box = box(general_tab_item_bar, "linear_sett_box", QStringLiteral("Size"));
    auto *lg = new QGridLayout(linear_sett_box);
    bar_height_label = label(linear_sett_box, "bar_height_label", QStringLiteral("Bar Height (cm):"));
    HeightText = field(linear_sett_box, "HeightText", QStringLiteral("1.00"));
    HeightStepper = stepper(linear_sett_box, "HeightStepper", 0.1, 100, 0.1, 1.0);
    bar_width_label = label(linear_sett_box, "bar_width_label", QStringLiteral("Bar Width (Mils):"));
    widthText = field(linear_sett_box, "widthText", QStringLiteral("20.00"));
    widthStepper = stepper(linear_sett_box, "widthStepper", 1, 1000, 1, 20);
    pairRow(lg, 0, bar_height_label, HeightText, HeightStepper);
    pairRow(lg, 1, bar_width_label, widthText, widthStepper);
    general->addWidget(linear_sett_box);

    two_d_sett_box = box(general_tab_item_bar, "two_d_sett_box", QStringLiteral("QR Code"));
    auto *qg = new QGridLayout(two_d_sett_box);
    HeightText_2D = field(two_d_sett_box, "HeightText_2D", QStringLiteral("60"));
    HeightStepper_2D = stepper(two_d_sett_box, "HeightStepper_2D", 21, 5000, 1, 60);
    pairRow(qg, 0, new QLabel(QStringLiteral("Size (pt):")), HeightText_2D, HeightStepper_2D);
    qr_version_ComboBox = combo(two_d_sett_box, "qr_version_ComboBox", items::qrVersions());
    qr_version_help_btn = helpButton(two_d_sett_box, "qr_version_help_btn");
    qg->addWidget(new QLabel(QStringLiteral("Version:")), 1, 0);
    qg->addWidget(qr_version_ComboBox, 1, 1);
    qg->addWidget(qr_version_help_btn, 1, 2);
    qr_ec_lvl_ComboBox = combo(two_d_sett_box, "qr_ec_lvl_ComboBox", items::qrLevels());
    qr_ec_lvl_help_btn = helpButton(two_d_sett_box, "qr_ec_lvl_help_btn");
    qg->addWidget(new QLabel(QStringLiteral("EC Level:")), 2, 0);
    qg->addWidget(qr_ec_lvl_ComboBox, 2, 1);
    qg->addWidget(qr_ec_lvl_help_btn, 2, 2);
    qr_enc_mode_ComboBox = combo(two_d_sett_box, "qr_enc_mode_ComboBox", items::qrEncodingModes());
    qg->addWidget(new QLabel(QStringLiteral("Encoding:")), 3, 0);
    qg->addWidget(qr_enc_mode_ComboBox, 3, 1);
    two_d_sett_box->hide();
    general->addWidget(two_d_sett_box);

    pdf_2d_sett_box = box(general_tab_item_bar, "pdf_2d_sett_box", QStringLiteral("PDF417"));
    auto *pg = new QGridLayout(pdf_2d_sett_box);
    Pdf_widthText_2D = field(pdf_2d_sett_box, "Pdf_widthText_2D", QStringLiteral("100"));
    Pdf_widthStepper_2D = stepper(pdf_2d_sett_box, "Pdf_widthStepper_2D", 1, 5000, 1, 100);
    pairRow(pg, 0, new QLabel(QStringLiteral("Width (pt):")), Pdf_widthText_2D, Pdf_widthStepper_2D);
    pdf_HeightText_2D = field(pdf_2d_sett_box, "pdf_HeightText_2D", QStringLiteral("20"));
    pdf_HeightStepper_2D = stepper(pdf_2d_sett_box, "pdf_HeightStepper_2D", 1, 5000, 1, 20);
    pairRow(pg, 1, new QLabel(QStringLiteral("Height (pt):")), pdf_HeightText_2D, pdf_HeightStepper_2D);
    pdf_row_Text = field(pdf_2d_sett_box, "pdf_row_Text", QStringLiteral("0"));
    pdf_row_Stepper = stepper(pdf_2d_sett_box, "pdf_row_Stepper", 0, 90, 1, 0);
    pairRow(pg, 2, new QLabel(QStringLiteral("Rows:")), pdf_row_Text, pdf_row_Stepper);
    pdf_row_help_btn = helpButton(pdf_2d_sett_box, "pdf_row_help_btn");
    pg->addWidget(pdf_row_help_btn, 2, 2);
    pdf_col_Text = field(pdf_2d_sett_box, "pdf_col_Text", QStringLiteral("0"));
    pdf_col_Stepper = stepper(pdf_2d_sett_box, "pdf_col_Stepper", 0, 30, 1, 0);
    pairRow(pg, 3, new QLabel(QStringLiteral("Columns:")), pdf_col_Text, pdf_col_Stepper);
    pdf_col_help_btn = helpButton(pdf_2d_sett_box, "pdf_col_help_btn");
    pg->addWidget(pdf_col_help_btn, 3, 2);
    pdf_ec_lvl_Text = field(pdf_2d_sett_box, "pdf_ec_lvl_Text", QStringLiteral("2"));
    pdf_ec_lvl_Stepper = stepper(pdf_2d_sett_box, "pdf_ec_lvl_Stepper", 0, 8, 1, 2);
    pairRow(pg, 4, new QLabel(QStringLiteral("EC Level:")), pdf_ec_lvl_Text, pdf_ec_lvl_Stepper);
    pdf_ec_lvl_help_btn = helpButton(pdf_2d_sett_box, "pdf_ec_lvl_help_btn");
    pg->addWidget(pdf_ec_lvl_help_btn, 4, 2);
    pdf_2d_sett_box->hide();
    general->addWidget(pdf_2d_sett_box);

    dm_2d_sett_box = box(general_tab_item_bar, "dm_2d_sett_box", QStringLiteral("DataMatrix"));
    auto *dg = new QGridLayout(dm_2d_sett_box);
    dm_moduleText_2D = field(dm_2d_sett_box, "dm_moduleText_2D", QStringLiteral("2"));
    dm_moduleStepper_2D = stepper(dm_2d_sett_box, "dm_moduleStepper_2D", 1, 50, 1, 2);
    pairRow(dg, 0, new QLabel(QStringLiteral("Module (pt):")), dm_moduleText_2D, dm_moduleStepper_2D);
    dm_widthText_2D = field(dm_2d_sett_box, "dm_widthText_2D", QStringLiteral("40"));
    dm_widthStepper_2D = stepper(dm_2d_sett_box, "dm_widthStepper_2D", 1, 5000, 1, 40);
    pairRow(dg, 1, new QLabel(QStringLiteral("Width (pt):")), dm_widthText_2D, dm_widthStepper_2D);
    dm_HeightText_2D = field(dm_2d_sett_box, "dm_HeightText_2D", QStringLiteral("40"));
    dm_HeightStepper_2D = stepper(dm_2d_sett_box, "dm_HeightStepper_2D", 1, 5000, 1, 40);
    pairRow(dg, 2, new QLabel(QStringLiteral("Height (pt):")), dm_HeightText_2D, dm_HeightStepper_2D);
    dm_format_ComboBox = combo(dm_2d_sett_box, "dm_format_ComboBox");
    dm_format_help_btn = helpButton(dm_2d_sett_box, "dm_format_help_btn");
    dg->addWidget(new QLabel(QStringLiteral("Format:")), 3, 0);
    dg->addWidget(dm_format_ComboBox, 3, 1);
    dg->addWidget(dm_format_help_btn, 3, 2);
    dm_encoding_ComboBox = combo(dm_2d_sett_box, "dm_encoding_ComboBox");
    dm_encoding_help_btn = helpButton(dm_2d_sett_box, "dm_encoding_help_btn");
    dg->addWidget(new QLabel(QStringLiteral("Encoding:")), 4, 0);
    dg->addWidget(dm_encoding_ComboBox, 4, 1);
    dg->addWidget(dm_encoding_help_btn, 4, 2);
    dm_2d_sett_box->hide();
    general->addWidget(dm_2d_sett_box);

    margin_box = box(general_tab_item_bar, "margin_box", QStringLiteral("Margins (cm)"));
    auto *mg = new QGridLayout(margin_box);
    val_mar_label = label(margin_box, "val_mar_label", QStringLiteral("Value Margin (cm):"));
    val_mar_Text = field(margin_box, "val_mar_Text", QStringLiteral("0.10"));
    val_mar_Stepper = stepper(margin_box, "val_mar_Stepper", 0, 100, 0.1, 0.1);
    pairRow(mg, 0, val_mar_label, val_mar_Text, val_mar_Stepper);
    hdr_mar_label = label(margin_box, "hdr_mar_label", QStringLiteral("Margin (cm):"));
    hdr_mar_Text = field(margin_box, "hdr_mar_Text", QStringLiteral("0.10"));
    hdr_mar_Stepper = stepper(margin_box, "hdr_mar_Stepper", 0, 100, 0.1, 0.1);
    pairRow(mg, 1, hdr_mar_label, hdr_mar_Text, hdr_mar_Stepper);
    ftr_mar_label = label(margin_box, "ftr_mar_label", QStringLiteral("Margin (cm):"));
    ftr_mar_Text = field(margin_box, "ftr_mar_Text", QStringLiteral("0.10"));
    ftr_mar_Stepper = stepper(margin_box, "ftr_mar_Stepper", 0, 100, 0.1, 0.1);
    pairRow(mg, 2, ftr_mar_label, ftr_mar_Text, ftr_mar_Stepper);
    TB_mar_label = label(margin_box, "TB_mar_label", QStringLiteral("Top and Bottom (cm):"));
    TB_mar_Text = field(margin_box, "TB_mar_Text", QStringLiteral("0.10"));
    TB_mar_Stepper = stepper(margin_box, "TB_mar_Stepper", 0, 100, 0.1, 0.1);
    pairRow(mg, 3, TB_mar_label, TB_mar_Text, TB_mar_Stepper);
    LR_mar_label = label(margin_box, "LR_mar_label", QStringLiteral("Left and Right (cm):"));
    LR_mar_Text = field(margin_box, "LR_mar_Text", QStringLiteral("0.10"));
    LR_mar_Stepper = stepper(margin_box, "LR_mar_Stepper", 0, 100, 0.1, 0.1);
    pairRow(mg, 4, LR_mar_label, LR_mar_Text, LR_mar_Stepper);
    general->addWidget(margin_box);

    auto *optionsBox = box(general_tab_item_bar, "caption_options_box", QStringLiteral("Text"));
    auto *og = new QGridLayout(optionsBox);
    captionCheckbox = check(optionsBox, "captionCheckbox", QStringLiteral("Hide value"));
    showinTopCheckbox = check(optionsBox, "showinTopCheckbox", QStringLiteral("Value on top"));
    hideHeaderCheckbox = check(optionsBox, "hideHeaderCheckbox", QStringLiteral("Hide header"));
    hideFooterCheckbox = check(optionsBox, "hideFooterCheckbox", QStringLiteral("Hide footer"));
    kerning_value_Checkbox = check(optionsBox, "kerning_value_Checkbox", QStringLiteral("Tight value spacing"));
    og->addWidget(captionCheckbox, 0, 0);
    og->addWidget(showinTopCheckbox, 0, 1);
    og->addWidget(hideHeaderCheckbox, 1, 0);
    og->addWidget(hideFooterCheckbox, 1, 1);
    og->addWidget(kerning_value_Checkbox, 2, 0, 1, 2);
    align_hdr_combo = combo(optionsBox, "align_hdr_combo", items::alignments());
    align_ftr_combo = combo(optionsBox, "align_ftr_combo", items::alignments());
    bar_orient_combo = combo(optionsBox, "bar_orient_combo", items::orientations());
    og->addWidget(new QLabel(QStringLiteral("Header alignment:")), 3, 0);
    og->addWidget(align_hdr_combo, 3, 1);
    og->addWidget(new QLabel(QStringLiteral("Footer alignment:")), 4, 0);
    og->addWidget(align_ftr_combo, 4, 1);
    og->addWidget(new QLabel(QStringLiteral("Orientation:")), 5, 0);
    og->addWidget(bar_orient_combo, 5, 1);
    general->addWidget(optionsBox);

    // Fonts, colours and resolution stay on the first tab: their own tabs are removed at set-up.
    auto *fontBox = box(general_tab_item_bar, "font_box", QStringLiteral("Fonts"));
    auto *fg = new QGridLayout(fontBox);
    val_font_label = label(fontBox, "val_font_label", QStringLiteral("Value:"));
    value_font_value = field(fontBox, "value_font_value");
    val_font_btn = button(fontBox, "val_font_btn", QStringLiteral("Font..."));
    fg->addWidget(val_font_label, 0, 0);
    fg->addWidget(value_font_value, 0, 1);
    fg->addWidget(val_font_btn, 0, 2);
    header_font_value = field(fontBox, "header_font_value");
    hdr_font_btn = button(fontBox, "hdr_font_btn", QStringLiteral("Font..."));
    fg->addWidget(new QLabel(QStringLiteral("Header:")), 1, 0);
    fg->addWidget(header_font_value, 1, 1);
    fg->addWidget(hdr_font_btn, 1, 2);
    footer_font_value = field(fontBox, "footer_font_value");
    ftr_font_btn = button(fontBox, "ftr_font_btn", QStringLiteral("Font..."));
    fg->addWidget(new QLabel(QStringLiteral("Footer:")), 2, 0);
    fg->addWidget(footer_font_value, 2, 1);
    fg->addWidget(ftr_font_btn, 2, 2);
    for (QLineEdit *f : {value_font_value, header_font_value, footer_font_value})
        f->setReadOnly(true);
    general->addWidget(fontBox);

    auto *colourBox = box(general_tab_item_bar, "colour_box", QStringLiteral("Colours"));
    auto *cg = new QGridLayout(colourBox);
    bar_clr_label = label(colourBox, "bar_clr_label", QStringLiteral("Bars:"));
    barcode_clr = colorWell(colourBox, "barcode_clr", Qt::black);
    val_clr_label = label(colourBox, "val_clr_label", QStringLiteral("Value:"));
    bar_val_clr = colorWell(colourBox, "bar_val_clr", Qt::black);
    bar_hdr_clr = colorWell(colourBox, "bar_hdr_clr", Qt::black);
    bar_ftr_clr = colorWell(colourBox, "bar_ftr_clr", Qt::black);
    bar_bk_clr_label = label(colourBox, "bar_bk_clr_label", QStringLiteral("Background:"));
    bar_back_clr = colorWell(colourBox, "bar_back_clr", Qt::white);
    cg->addWidget(bar_clr_label, 0, 0);
    cg->addWidget(barcode_clr, 0, 1);
    cg->addWidget(val_clr_label, 0, 2);
    cg->addWidget(bar_val_clr, 0, 3);
    cg->addWidget(new QLabel(QStringLiteral("Header:")), 1, 0);
    cg->addWidget(bar_hdr_clr, 1, 1);
    cg->addWidget(new QLabel(QStringLiteral("Footer:")), 1, 2);
    cg->addWidget(bar_ftr_clr, 1, 3);
    cg->addWidget(bar_bk_clr_label, 2, 0);
    cg->addWidget(bar_back_clr, 2, 1);
    brcd_bk_clr_rd = radio(colourBox, "brcd_bk_clr_rd", QStringLiteral("Colour background"));
    brcd_bk_clr_trnsp_rd = radio(colourBox, "brcd_bk_clr_trnsp_rd", QStringLiteral("Transparent background"));
    brcd_bk_clr_rd->setChecked(true);
    cg->addWidget(brcd_bk_clr_rd, 3, 0, 1, 2);
    cg->addWidget(brcd_bk_clr_trnsp_rd, 3, 2, 1, 2);
    transparent_bkgnd = check(colourBox, "transparent_bkgnd", QStringLiteral("Transparent background"));
    transparent_bkgnd->hide();
    cg->addWidget(transparent_bkgnd, 4, 0, 1, 4);
    general->addWidget(colourBox);

    dpi_box = box(general_tab_item_bar, "dpi_box", QStringLiteral("Resolution"));
    auto *rg = new QGridLayout(dpi_box);
    DPI_ComboBox = combo(dpi_box, "DPI_ComboBox", items::dpiItems());
    dpi_help_btn = helpButton(dpi_box, "dpi_help_btn");
    rg->addWidget(new QLabel(QStringLiteral("DPI:")), 0, 0);
    rg->addWidget(DPI_ComboBox, 0, 1);
    rg->addWidget(dpi_help_btn, 0, 2);
    dpi_Text = field(dpi_box, "dpi_Text", QStringLiteral("600"));
    dpi_Stepper = stepper(dpi_box, "dpi_Stepper", 72, 2400, 1, 600);
    auto *dpiPair = new QHBoxLayout;
    dpi_Text->setMaximumWidth(90);
    dpiPair->addWidget(dpi_Text);
    dpiPair->addWidget(dpi_Stepper);
    dpiPair->addStretch();
    rg->addLayout(dpiPair, 1, 1);
    dpi_Text->hide();
    dpi_Stepper->hide();
    general->addWidget(dpi_box);
    general->addStretch();

    sett_tab_barcode->addTab(general_tab_item_bar, general_tab_item_bar_label);
    // The description's font, colour and resolution tabs; the set-up detaches them.
    Font_tab_item_bar = make<QWidget>(nullptr, "Font_tab_item_bar");
    Font_tab_item_bar_label = QStringLiteral("Font");
    Color_tab_item_bar = make<QWidget>(nullptr, "Color_tab_item_bar");
    Color_tab_item_bar_label = QStringLiteral("Color");
    dpi_tab_item = make<QWidget>(nullptr, "dpi_tab_item");
    dpi_tab_item_label = QStringLiteral("DPI");
    sett_tab_barcode->addTab(Font_tab_item_bar, Font_tab_item_bar_label);
    sett_tab_barcode->addTab(Color_tab_item_bar, Color_tab_item_bar_label);
    sett_tab_barcode->addTab(dpi_tab_item, dpi_tab_item_label);

    qr_logo_tab_item_sett = make<QWidget>(nullptr, "qr_logo_tab_item_sett");
    qr_logo_tab_item_sett_label = QStringLiteral("QR Logo");
    auto *logoLayout = new QVBoxLayout(qr_logo_tab_item_sett);
    Use_Logo_chk = check(qr_logo_tab_item_sett, "Use_Logo_chk", QStringLiteral("Use logo"));
    Use_logo_box = box(qr_logo_tab_item_sett, "Use_logo_box", QStringLiteral("Logo"));
    auto *lb = new QVBoxLayout(Use_logo_box);
    Use_logo_path = textView(Use_logo_box, "Use_logo_path");
    Use_logo_path->setReadOnly(true);
    Use_logo_path->setFixedHeight(46);
    Use_Logo_Image_View = make<platform::PictureView>(Use_logo_box, "Use_Logo_Image_View");
    Use_Logo_Image_View->setMinimumSize(120, 120);
    Use_browse_logo_btn = button(Use_logo_box, "Use_browse_logo_btn", QStringLiteral("Browse..."));
    lb->addWidget(Use_logo_path);
    lb->addWidget(Use_Logo_Image_View, 1);
    lb->addWidget(Use_browse_logo_btn, 0, Qt::AlignRight);
    logoLayout->addWidget(Use_Logo_chk);
    logoLayout->addWidget(Use_logo_box, 1);
    sett_tab_barcode->addTab(qr_logo_tab_item_sett, qr_logo_tab_item_sett_label);

    // ---- Right: preview, batch processing, value list ----
    auto *right = new QWidget(split);
    auto *rightLayout = new QVBoxLayout(right);
    auto *previewBox = box(right, "preview_box", QStringLiteral("Preview"));
    auto *pv = new QVBoxLayout(previewBox);
    image_scroll = make<QScrollArea>(previewBox, "image_scroll");
    image_scroll->setWidgetResizable(true);
    image_scroll->setMinimumHeight(260);
    image_scroll->setStyleSheet(QStringLiteral("QScrollArea { background: white; }"));
    barcodeImage = make<platform::PictureView>(nullptr, "barcodeImage");
    barcodeImage->setAutoFillBackground(true);
    QPalette white = barcodeImage->palette();
    white.setColor(QPalette::Window, Qt::white);
    barcodeImage->setPalette(white);
    image_scroll->setWidget(barcodeImage);
    barcode_error_label = label(previewBox, "barcode_error_label", QStringLiteral("Invalid barcode value."));
    barcode_error_label->setStyleSheet(QStringLiteral("color: #b00020;"));
    barcode_error_label->hide();
    auto *previewBar = new QHBoxLayout;
    bar_align_combo = combo(previewBox, "bar_align_combo", items::previewAlignments());
    Use_Quick_Barcode_btn = button(previewBox, "Use_Quick_Barcode_btn", QStringLiteral("Use in Design"));
    previewBar->addWidget(new QLabel(QStringLiteral("Alignment:")));
    previewBar->addWidget(bar_align_combo);
    previewBar->addWidget(barcode_error_label, 1);
    previewBar->addWidget(Use_Quick_Barcode_btn);
    pv->addWidget(image_scroll, 1);
    pv->addLayout(previewBar);
    rightLayout->addWidget(previewBox, 3);

    batch_box = box(right, "batch_box", QStringLiteral("Batch processing"));
    auto *bg = new QGridLayout(batch_box);
    data_source_chkbox = check(batch_box, "data_source_chkbox", QStringLiteral("Batch processing"));
    data_source_txt_box = field(batch_box, "data_source_txt_box", QStringLiteral("Manual"));
    data_source_txt_box->setReadOnly(true);
    barcode_data_source_help_btn = helpButton(batch_box, "barcode_data_source_help_btn");
    Custom_Sheet_RD = radio(batch_box, "Custom_Sheet_RD", QStringLiteral("Value list"));
    Data_Set_Sheet_RD = radio(batch_box, "Data_Set_Sheet_RD", QStringLiteral("Series"));
    Custom_Sheet_RD->setChecked(true);
    bg->addWidget(data_source_chkbox, 0, 0);
    bg->addWidget(data_source_txt_box, 0, 1);
    bg->addWidget(barcode_data_source_help_btn, 0, 2);
    bg->addWidget(Custom_Sheet_RD, 1, 0);
    bg->addWidget(Data_Set_Sheet_RD, 1, 1);
    batch_chk_Gp_Bx = box(batch_box, "batch_chk_Gp_Bx", QString());
    auto *cb = new QGridLayout(batch_chk_Gp_Bx);
    barcode_value_chk = check(batch_chk_Gp_Bx, "barcode_value_chk", QStringLiteral("Value"));
    barcode_header_chk = check(batch_chk_Gp_Bx, "barcode_header_chk", QStringLiteral("Header"));
    barcode_footer_chk = check(batch_chk_Gp_Bx, "barcode_footer_chk", QStringLiteral("Footer"));
    batch_help_btn = helpButton(batch_chk_Gp_Bx, "batch_help_btn");
    val_combo_list = combo(batch_chk_Gp_Bx, "val_combo_list");
    hdr_combo_list = combo(batch_chk_Gp_Bx, "hdr_combo_list");
    ftr_combo_list = combo(batch_chk_Gp_Bx, "ftr_combo_list");
    val_combo_value = combo(batch_chk_Gp_Bx, "val_combo_value");
    hdr_combo_value = combo(batch_chk_Gp_Bx, "hdr_combo_value");
    ftr_combo_value = combo(batch_chk_Gp_Bx, "ftr_combo_value");
    val_list_name_txt = field(batch_chk_Gp_Bx, "val_list_name_txt");
    hdr_list_name_txt = field(batch_chk_Gp_Bx, "hdr_list_name_txt");
    ftr_list_name_txt = field(batch_chk_Gp_Bx, "ftr_list_name_txt");
    const QList<std::tuple<QCheckBox *, QComboBox *, QComboBox *, QLineEdit *>> rows = {
        {barcode_value_chk, val_combo_list, val_combo_value, val_list_name_txt},
        {barcode_header_chk, hdr_combo_list, hdr_combo_value, hdr_list_name_txt},
        {barcode_footer_chk, ftr_combo_list, ftr_combo_value, ftr_list_name_txt}};
    int r = 0;
    for (const auto &[chk, list, value, name] : rows) {
        cb->addWidget(chk, r, 0);
        cb->addWidget(list, r, 1);
        cb->addWidget(value, r, 2);
        cb->addWidget(name, r, 3);
        list->hide();
        value->hide();
        ++r;
    }
    cb->addWidget(batch_help_btn, 0, 4);
    bg->addWidget(batch_chk_Gp_Bx, 2, 0, 1, 3);
    rightLayout->addWidget(batch_box);

    data_Sheet_Gp_Bx = box(right, "data_Sheet_Gp_Bx", QStringLiteral("Value list"));
    auto *vl = new QVBoxLayout(data_Sheet_Gp_Bx);
    List = make<QTableWidget>(data_Sheet_Gp_Bx, "List");
    List->setColumnCount(4);
    List->setHorizontalHeaderLabels({QStringLiteral("Barcode Value"), QStringLiteral("Barcode Header"),
                                     QStringLiteral("Barcode Footer"), QStringLiteral("Print Quantity")});
    List->horizontalHeader()->setStretchLastSection(true);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vl->addWidget(List, 1);
    auto *listButtons = new QHBoxLayout;
    add_list_btn = button(data_Sheet_Gp_Bx, "add_list_btn", QStringLiteral("Add"));
    delete_list_btn = button(data_Sheet_Gp_Bx, "delete_list_btn", QStringLiteral("Delete"));
    move_top_list_btn = button(data_Sheet_Gp_Bx, "move_top_list_btn", QStringLiteral("Top"));
    move_up_list_btn = button(data_Sheet_Gp_Bx, "move_up_list_btn", QStringLiteral("Up"));
    move_down_list_btn = button(data_Sheet_Gp_Bx, "move_down_list_btn", QStringLiteral("Down"));
    move_last_list_btn = button(data_Sheet_Gp_Bx, "move_last_list_btn", QStringLiteral("Last"));
    import_list_btn = button(data_Sheet_Gp_Bx, "import_list_btn", QStringLiteral("Import..."));
    excel_list_btn = button(data_Sheet_Gp_Bx, "excel_list_btn", QStringLiteral("Excel..."));
    create_list_btn = button(data_Sheet_Gp_Bx, "create_list_btn", QStringLiteral("Generate..."));
    export_list_btn = button(data_Sheet_Gp_Bx, "export_list_btn", QStringLiteral("Export..."));
    for (QPushButton *b : {add_list_btn, delete_list_btn, move_top_list_btn, move_up_list_btn, move_down_list_btn,
                           move_last_list_btn, import_list_btn, excel_list_btn, create_list_btn, export_list_btn})
        listButtons->addWidget(b);
    vl->addLayout(listButtons);
    tot_row_count = label(data_Sheet_Gp_Bx, "tot_row_count", QStringLiteral("Total Rows : 0"));
    vl->addWidget(tot_row_count);
    rightLayout->addWidget(data_Sheet_Gp_Bx, 2);

    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({470, 800});
}
