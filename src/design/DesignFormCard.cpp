// The card's four sidebar panels: information, size, background and border with the watermark.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "design/FormLayout.h"
#include "platform/FormBuilder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

using namespace platform::ui;
using designform::addPairRow;
using designform::addRow;
using designform::addWideRow;
using designform::borderStyleTitles;

namespace {

QLabel *plain(QWidget *parent, const char *name, const QString &text) { return label(parent, name, text); }

} // namespace

QWidget *DesignController::Build_Card_Info_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("card_info_tab", content);
    QWidget *host = content->parentWidget();

    QGroupBox *nameBox = box(host, "card_name_box", QStringLiteral("Label Name"));
    auto *nameRow = new QVBoxLayout(nameBox);
    card_name = field(nameBox, "card_name");
    nameRow->addWidget(card_name);
    content->addWidget(nameBox);

    QGroupBox *shapeBox = box(host, "card_shape_box", QStringLiteral("Label Shape"));
    auto *shapeColumn = new QVBoxLayout(shapeBox);
    matrix_card_shape = new QButtonGroup(shapeBox);
    matrix_card_shape->setObjectName(QStringLiteral("matrix_card_shape"));
    const char *shapeNames[] = {"matrix_card_shape_0", "matrix_card_shape_1", "matrix_card_shape_2"};
    const QString shapeTitles[] = {QStringLiteral("Rectangle"), QStringLiteral("Rounded Rectangle"),
                                   QStringLiteral("Ellipse")};
    for (int row = 0; row < 3; ++row) {
        QRadioButton *r = radio(shapeBox, shapeNames[row], shapeTitles[row]);
        matrix_card_shape->addButton(r, row);
        shapeColumn->addWidget(r);
    }
    matrix_card_shape->button(0)->setChecked(true);
    content->addWidget(shapeBox);

    QGroupBox *contentBox = box(host, "card_content_box", QStringLiteral("Text Content"));
    auto *grid = new QGridLayout(contentBox);
    All_Text_clr = colorWell(contentBox, "All_Text_clr", Qt::black);
    addRow(grid, plain(contentBox, "All_Text_clr_lbl", QStringLiteral("Colour :")), All_Text_clr);
    All_Text_clr_COPY = colorWell(contentBox, "All_Text_clr_COPY", Qt::black);
    All_Text_clr_COPY->setVisible(false);
    All_Text_font_value = field(contentBox, "All_Text_font_value");
    All_Text_font_value->setReadOnly(true);
    addRow(grid, plain(contentBox, "All_Text_font_lbl", QStringLiteral("Font :")), All_Text_font_value);
    All_Text_font_value_COPY = field(contentBox, "All_Text_font_value_COPY");
    All_Text_font_value_COPY->setVisible(false);
    auto *fontButtons = new QWidget(contentBox);
    auto *fontRow = new QHBoxLayout(fontButtons);
    fontRow->setContentsMargins(0, 0, 0, 0);
    content_font_btn = button(fontButtons, "content_font_btn", QStringLiteral("Font..."));
    content_font_decrease_btn = button(fontButtons, "content_font_decrease_btn", QStringLiteral("A-"));
    content_font_increase_btn = button(fontButtons, "content_font_increase_btn", QStringLiteral("A+"));
    fontRow->addWidget(content_font_btn);
    fontRow->addWidget(content_font_decrease_btn);
    fontRow->addWidget(content_font_increase_btn);
    fontRow->addStretch(1);
    addWideRow(grid, fontButtons);
    content->addWidget(contentBox);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Card_Size_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("card_size_tab", content);
    QWidget *host = content->parentWidget();

    QGroupBox *stockBox = box(host, "label_stock_box", QStringLiteral("Label Stock"));
    auto *stockGrid = new QGridLayout(stockBox);
    Label_ComboBox = combo(stockBox, "Label_ComboBox", {QStringLiteral("Custom")});
    Label_ComboBox->setCurrentIndex(0);
    addRow(stockGrid, plain(stockBox, "Label_ComboBox_lbl", QStringLiteral("Vendor :")), Label_ComboBox);
    Product_num_ComboBox = combo(stockBox, "Product_num_ComboBox");
    Product_num_ComboBox->setEnabled(false);
    addRow(stockGrid, plain(stockBox, "Product_num_ComboBox_lbl", QStringLiteral("Product :")), Product_num_ComboBox);
    content->addWidget(stockBox);

    card_size_box = box(host, "card_size_box", QStringLiteral("Label Size (mm)"));
    auto *sizeGrid = new QGridLayout(card_size_box);
    width_Text = field(card_size_box, "width_Text", QStringLiteral("100.00"));
    width_Stepper = stepper(card_size_box, "width_Stepper", 0, 100000, 1, 100);
    card_width_unit_lbl = plain(card_size_box, "card_width_unit_lbl", QStringLiteral("(mm)"));
    addPairRow(sizeGrid, plain(card_size_box, "width_lbl", QStringLiteral("Width :")), width_Text, width_Stepper,
               card_width_unit_lbl);
    height_Text = field(card_size_box, "height_Text", QStringLiteral("100.00"));
    height_Stepper = stepper(card_size_box, "height_Stepper", 0, 100000, 1, 100);
    card_height_unit_lbl = plain(card_size_box, "card_height_unit_lbl", QStringLiteral("(mm)"));
    addPairRow(sizeGrid, plain(card_size_box, "height_lbl", QStringLiteral("Height :")), height_Text, height_Stepper,
               card_height_unit_lbl);
    auto *buttons = new QWidget(card_size_box);
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    page_frm_printer_btn = button(buttons, "page_frm_printer_btn", QStringLiteral("From Printer..."));
    apply_size_btn = button(buttons, "apply_size_btn", QStringLiteral("Apply"));
    buttonRow->addWidget(page_frm_printer_btn);
    buttonRow->addStretch(1);
    buttonRow->addWidget(apply_size_btn);
    addWideRow(sizeGrid, buttons);
    content->addWidget(card_size_box);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Card_Background_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("card_bkgd_tab", content);
    QWidget *host = content->parentWidget();

    Card_fill_chk = check(host, "Card_fill_chk", QStringLiteral("Fill"));
    Card_fill_chk->setChecked(true);
    content->addWidget(Card_fill_chk);

    Card_Fill_Box = box(host, "Card_Fill_Box", QStringLiteral("Fill"));
    auto *grid = new QGridLayout(Card_Fill_Box);
    Card_solid_fill_rd = radio(Card_Fill_Box, "Card_solid_fill_rd", QStringLiteral("Solid"));
    Card_gradient_fill_rd = radio(Card_Fill_Box, "Card_gradient_fill_rd", QStringLiteral("Gradient"));
    Card_Style_fill_rd = radio(Card_Fill_Box, "Card_Style_fill_rd", QStringLiteral("Pattern"));
    Card_Image_fill_rd = radio(Card_Fill_Box, "Card_Image_fill_rd", QStringLiteral("Image"));
    Card_solid_fill_rd->setChecked(true);
    auto *radios = new QWidget(Card_Fill_Box);
    auto *radioRow = new QHBoxLayout(radios);
    radioRow->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton *r : {Card_solid_fill_rd, Card_gradient_fill_rd, Card_Style_fill_rd, Card_Image_fill_rd}) {
        r->setParent(radios);
        radioRow->addWidget(r);
    }
    addWideRow(grid, radios);
    Card_fill_clr = colorWell(Card_Fill_Box, "Card_fill_clr", Qt::white);
    addRow(grid, plain(Card_Fill_Box, "Card_fill_clr_lbl", QStringLiteral("Colour :")), Card_fill_clr);
    auto *gradients = new QWidget(Card_Fill_Box);
    auto *gradientRow = new QHBoxLayout(gradients);
    gradientRow->setContentsMargins(0, 0, 0, 0);
    Card_fill_Grd_1_clr = colorWell(gradients, "Card_fill_Grd_1_clr", Qt::white);
    Card_fill_Grd_2_clr = colorWell(gradients, "Card_fill_Grd_2_clr", Qt::white);
    gradientRow->addWidget(Card_fill_Grd_1_clr);
    gradientRow->addWidget(Card_fill_Grd_2_clr);
    gradientRow->addStretch(1);
    addRow(grid, plain(Card_Fill_Box, "Card_fill_Grd_lbl", QStringLiteral("Gradient :")), gradients);
    Card_grad_Text = field(Card_Fill_Box, "Card_grad_Text", QStringLiteral("0"));
    Card_grad_Stepper = stepper(Card_Fill_Box, "Card_grad_Stepper", 0, 360, 1, 0);
    addPairRow(grid, plain(Card_Fill_Box, "Card_grad_lbl", QStringLiteral("Angle :")), Card_grad_Text,
               Card_grad_Stepper);
    Card_hatch_style = combo(Card_Fill_Box, "Card_hatch_style");
    addRow(grid, plain(Card_Fill_Box, "Card_hatch_style_lbl", QStringLiteral("Pattern :")), Card_hatch_style);
    Card_hatch_bk_clr = colorWell(Card_Fill_Box, "Card_hatch_bk_clr", Qt::white);
    addRow(grid, plain(Card_Fill_Box, "Card_hatch_bk_clr_lbl", QStringLiteral("Pattern Back :")), Card_hatch_bk_clr);
    Card_alpha_lbl = plain(Card_Fill_Box, "Card_alpha_lbl", QStringLiteral("Opacity (%) :"));
    Card_alpha_Text = field(Card_Fill_Box, "Card_alpha_Text", QStringLiteral("100"));
    Card_alpha_Stepper = stepper(Card_Fill_Box, "Card_alpha_Stepper", 0, 100, 1, 100);
    addPairRow(grid, Card_alpha_lbl, Card_alpha_Text, Card_alpha_Stepper);
    content->addWidget(Card_Fill_Box);

    Card_image_box = box(host, "Card_image_box", QStringLiteral("Background Image"));
    auto *imageGrid = new QGridLayout(Card_image_box);
    Card_Image_path = textView(Card_image_box, "Card_Image_path");
    Card_Image_path->setReadOnly(true);
    Card_Image_path->setFixedHeight(48);
    addWideRow(imageGrid, Card_Image_path);
    Card_image_layout = combo(Card_image_box, "Card_image_layout", {QStringLiteral("Tile"), QStringLiteral("Stretch")});
    Card_image_layout->setCurrentIndex(1);
    addRow(imageGrid, plain(Card_image_box, "Card_image_layout_lbl", QStringLiteral("Layout :")), Card_image_layout);
    auto *imageButtons = new QWidget(Card_image_box);
    auto *imageButtonRow = new QHBoxLayout(imageButtons);
    imageButtonRow->setContentsMargins(0, 0, 0, 0);
    card_image_browse_btn = button(imageButtons, "card_image_browse_btn", QStringLiteral("Browse..."));
    card_image_library_btn = button(imageButtons, "card_image_library_btn", QStringLiteral("Library..."));
    imageButtonRow->addWidget(card_image_browse_btn);
    imageButtonRow->addWidget(card_image_library_btn);
    imageButtonRow->addStretch(1);
    addWideRow(imageGrid, imageButtons);
    Card_image_box->setEnabled(false);
    content->addWidget(Card_image_box);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Card_Border_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("card_brdr_tab", content);
    QWidget *host = content->parentWidget();

    Card_border_chk = check(host, "Card_border_chk", QStringLiteral("Border"));
    content->addWidget(Card_border_chk);
    Card_Border_Box = box(host, "Card_Border_Box", QStringLiteral("Border"));
    auto *grid = new QGridLayout(Card_Border_Box);
    Card_bordr_clr = colorWell(Card_Border_Box, "Card_bordr_clr", Qt::black);
    addRow(grid, plain(Card_Border_Box, "Card_bordr_clr_lbl", QStringLiteral("Colour :")), Card_bordr_clr);
    Card_bor_Text = field(Card_Border_Box, "Card_bor_Text", QStringLiteral("3"));
    Card_bor_Stepper = stepper(Card_Border_Box, "Card_bor_Stepper", 1, 50, 1, 3);
    addPairRow(grid, plain(Card_Border_Box, "Card_bor_lbl", QStringLiteral("Width (pt) :")), Card_bor_Text,
               Card_bor_Stepper);
    Card_border_style = combo(Card_Border_Box, "Card_border_style", borderStyleTitles());
    Card_border_style->setCurrentIndex(0);
    addRow(grid, plain(Card_Border_Box, "Card_border_style_lbl", QStringLiteral("Style :")), Card_border_style);
    Card_Border_Box->setEnabled(false);
    content->addWidget(Card_Border_Box);

    enable_watermark_chk = check(host, "enable_watermark_chk", QStringLiteral("Watermark"));
    content->addWidget(enable_watermark_chk);
    watermark_box = box(host, "watermark_box", QStringLiteral("Watermark"));
    auto *wmGrid = new QGridLayout(watermark_box);
    watermark_text = field(watermark_box, "watermark_text", QStringLiteral("Watermark"));
    addRow(wmGrid, plain(watermark_box, "watermark_text_lbl", QStringLiteral("Text :")), watermark_text);
    wm_alignment_combo = combo(watermark_box, "wm_alignment_combo",
                               {QStringLiteral("Top"), QStringLiteral("Middle"), QStringLiteral("Bottom")});
    wm_alignment_combo->setCurrentIndex(0);
    addRow(wmGrid, plain(watermark_box, "wm_alignment_lbl", QStringLiteral("Position :")), wm_alignment_combo);
    auto *transparency = new QWidget(watermark_box);
    auto *transparencyRow = new QHBoxLayout(transparency);
    transparencyRow->setContentsMargins(0, 0, 0, 0);
    wm_transp_slider = make<QSlider>(transparency, "wm_transp_slider");
    wm_transp_slider->setOrientation(Qt::Horizontal);
    wm_transp_slider->setRange(0, 100);
    wm_transp_slider->setValue(100);
    wm_transp_val = field(transparency, "wm_transp_val", QStringLiteral("100"));
    wm_transp_val->setFixedWidth(44);
    transparencyRow->addWidget(wm_transp_slider, 1);
    transparencyRow->addWidget(wm_transp_val);
    addRow(wmGrid, plain(watermark_box, "wm_transp_lbl", QStringLiteral("Opacity (%) :")), transparency);
    watermark_color = colorWell(watermark_box, "watermark_color", Qt::black);
    addRow(wmGrid, plain(watermark_box, "watermark_color_lbl", QStringLiteral("Colour :")), watermark_color);
    auto *font = new QWidget(watermark_box);
    auto *fontRow = new QHBoxLayout(font);
    fontRow->setContentsMargins(0, 0, 0, 0);
    wm_font_value = field(font, "wm_font_value");
    wm_font_value->setReadOnly(true);
    wm_font_btn = button(font, "wm_font_btn", QStringLiteral("Font..."));
    fontRow->addWidget(wm_font_value, 1);
    fontRow->addWidget(wm_font_btn);
    addRow(wmGrid, plain(watermark_box, "wm_font_lbl", QStringLiteral("Font :")), font);
    watermark_box->setEnabled(false);
    content->addWidget(watermark_box);
    content->addStretch(1);
    return page;
}
