// The sidebar panels of card objects: line, shape, text (editing and properties), picture and
// signature.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "design/DoubleSlider.h"
#include "design/FormLayout.h"
#include "platform/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

QWidget *twoWells(QWidget *parent, platform::ColorWell *&first, const char *firstName, platform::ColorWell *&second,
                  const char *secondName)
{
    auto *w = new QWidget(parent);
    auto *row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    first = colorWell(w, firstName, Qt::white);
    second = colorWell(w, secondName, Qt::white);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch(1);
    return w;
}

// A slider with its value field to the right.
QWidget *sliderWithValue(QWidget *parent, QSlider *slider, QLineEdit *value)
{
    auto *w = new QWidget(parent);
    auto *row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    slider->setParent(w);
    value->setParent(w);
    value->setFixedWidth(52);
    row->addWidget(slider, 1);
    row->addWidget(value);
    return w;
}

} // namespace

QWidget *DesignController::Build_Line_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("line_tab", content);
    QWidget *host = content->parentWidget();
    QGroupBox *lineBox = box(host, "line_box", QStringLiteral("Line"));
    auto *grid = new QGridLayout(lineBox);
    Line_Wdt_Text = field(lineBox, "Line_Wdt_Text", QStringLiteral("1"));
    Line_Wdt_Stepper = stepper(lineBox, "Line_Wdt_Stepper", 1, 50, 1, 1);
    addPairRow(grid, plain(lineBox, "Line_Wdt_lbl", QStringLiteral("Width (pt) :")), Line_Wdt_Text, Line_Wdt_Stepper);
    Line_clr = colorWell(lineBox, "Line_clr", Qt::black);
    addRow(grid, plain(lineBox, "Line_clr_lbl", QStringLiteral("Colour :")), Line_clr);
    Line_border_style = combo(lineBox, "Line_border_style", borderStyleTitles());
    Line_border_style->setCurrentIndex(0);
    addRow(grid, plain(lineBox, "Line_border_style_lbl", QStringLiteral("Style :")), Line_border_style);
    Line_ori_style = combo(lineBox, "Line_ori_style",
                           {QStringLiteral("Free"), QStringLiteral("Horizontal"), QStringLiteral("Vertical")});
    Line_ori_style->setCurrentIndex(0);
    addRow(grid, plain(lineBox, "Line_ori_style_lbl", QStringLiteral("Orientation :")), Line_ori_style);
    Line_cap_style = combo(lineBox, "Line_cap_style",
                           {QStringLiteral("Butt"), QStringLiteral("Round"), QStringLiteral("Square")});
    Line_cap_style->setCurrentIndex(0);
    addRow(grid, plain(lineBox, "Line_cap_style_lbl", QStringLiteral("Cap :")), Line_cap_style);
    Line_alpha_Text = field(lineBox, "Line_alpha_Text", QStringLiteral("100"));
    Line_alpha_Stepper = stepper(lineBox, "Line_alpha_Stepper", 0, 100, 1, 100);
    addPairRow(grid, plain(lineBox, "Line_alpha_lbl", QStringLiteral("Opacity (%) :")), Line_alpha_Text,
               Line_alpha_Stepper);
    content->addWidget(lineBox);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Shape_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("shape_tab", content);
    QWidget *host = content->parentWidget();

    Shape_prop_title = plain(host, "Shape_prop_title", QStringLiteral("Rectangle Settings"));
    QFont bold = Shape_prop_title->font();
    bold.setBold(true);
    Shape_prop_title->setFont(bold);
    content->addWidget(Shape_prop_title);

    QGroupBox *general = box(host, "shape_general_box", QString());
    auto *grid = new QGridLayout(general);
    Shape_Type_Combo = combo(general, "Shape_Type_Combo",
                             {QStringLiteral("Rectangle"), QStringLiteral("Ellipse"), QStringLiteral("Rounded Rectangle"),
                              QStringLiteral("Triangle"), QStringLiteral("Diamond"), QStringLiteral("Star"),
                              QStringLiteral("Double Star"), QStringLiteral("Polygon")});
    Shape_Type_Combo->setCurrentIndex(0);
    addRow(grid, plain(general, "Shape_Type_lbl", QStringLiteral("Shape :")), Shape_Type_Combo);
    auto *rotation = new QWidget(general);
    auto *rotationRow = new QHBoxLayout(rotation);
    rotationRow->setContentsMargins(0, 0, 0, 0);
    shape_rotation_slidr = make<QSlider>(rotation, "shape_rotation_slidr");
    shape_rotation_slidr->setOrientation(Qt::Horizontal);
    shape_rotation_slidr->setRange(0, 360);
    shape_rotation_slidr_val = field(rotation, "shape_rotation_slidr_val", QStringLiteral("0"));
    shape_rotation_slidr_val->setFixedWidth(44);
    shape_rotation_Stepper = stepper(rotation, "shape_rotation_Stepper", 0, 360, 1, 0);
    rotationRow->addWidget(shape_rotation_slidr, 1);
    rotationRow->addWidget(shape_rotation_slidr_val);
    rotationRow->addWidget(shape_rotation_Stepper);
    addRow(grid, plain(general, "shape_rotation_lbl", QStringLiteral("Rotation :")), rotation);
    shape_cor_radius_Label = plain(general, "shape_cor_radius_Label", QStringLiteral("Corner Radius :"));
    shape_cor_radius_Text = field(general, "shape_cor_radius_Text", QStringLiteral("10"));
    shape_cor_radius_Stepper = stepper(general, "shape_cor_radius_Stepper", 0, 200, 1, 10);
    addPairRow(grid, shape_cor_radius_Label, shape_cor_radius_Text, shape_cor_radius_Stepper);
    double_star_Label = plain(general, "double_star_Label", QStringLiteral("Points :"));
    double_star_Text = field(general, "double_star_Text", QStringLiteral("1"));
    double_star_Stepper = stepper(general, "double_star_Stepper", 1, 5, 1, 1);
    addPairRow(grid, double_star_Label, double_star_Text, double_star_Stepper);
    polygon_Label = plain(general, "polygon_Label", QStringLiteral("Sides :"));
    polygon_Text = field(general, "polygon_Text", QStringLiteral("1"));
    polygon_Stepper = stepper(general, "polygon_Stepper", 1, 5, 1, 1);
    addPairRow(grid, polygon_Label, polygon_Text, polygon_Stepper);
    for (QWidget *w : {static_cast<QWidget *>(shape_cor_radius_Label), static_cast<QWidget *>(shape_cor_radius_Text),
                       static_cast<QWidget *>(shape_cor_radius_Stepper), static_cast<QWidget *>(double_star_Label),
                       static_cast<QWidget *>(double_star_Text), static_cast<QWidget *>(double_star_Stepper),
                       static_cast<QWidget *>(polygon_Label), static_cast<QWidget *>(polygon_Text),
                       static_cast<QWidget *>(polygon_Stepper)})
        w->setVisible(false);
    content->addWidget(general);

    Shape_border_chk = check(host, "Shape_border_chk", QStringLiteral("Border"));
    content->addWidget(Shape_border_chk);
    Shape_Border_Box = box(host, "Shape_Border_Box", QStringLiteral("Border"));
    auto *borderGrid = new QGridLayout(Shape_Border_Box);
    shape_bor_Text = field(Shape_Border_Box, "shape_bor_Text", QStringLiteral("1"));
    shape_bor_Stepper = stepper(Shape_Border_Box, "shape_bor_Stepper", 1, 50, 1, 1);
    addPairRow(borderGrid, plain(Shape_Border_Box, "shape_bor_lbl", QStringLiteral("Width (pt) :")), shape_bor_Text,
               shape_bor_Stepper);
    shape_bordr_clr = colorWell(Shape_Border_Box, "shape_bordr_clr", Qt::black);
    addRow(borderGrid, plain(Shape_Border_Box, "shape_bordr_clr_lbl", QStringLiteral("Colour :")), shape_bordr_clr);
    shape_border_style = combo(Shape_Border_Box, "shape_border_style", borderStyleTitles());
    shape_border_style->setCurrentIndex(0);
    addRow(borderGrid, plain(Shape_Border_Box, "shape_border_style_lbl", QStringLiteral("Style :")),
           shape_border_style);
    content->addWidget(Shape_Border_Box);

    Shape_fill_chk = check(host, "Shape_fill_chk", QStringLiteral("Fill"));
    content->addWidget(Shape_fill_chk);
    shape_fill_box = box(host, "shape_fill_box", QStringLiteral("Fill"));
    auto *fillGrid = new QGridLayout(shape_fill_box);
    auto *radios = new QWidget(shape_fill_box);
    auto *radioRow = new QHBoxLayout(radios);
    radioRow->setContentsMargins(0, 0, 0, 0);
    Shape_solid_fill_rd = radio(radios, "Shape_solid_fill_rd", QStringLiteral("Solid"));
    Shape_gradient_fill_rd = radio(radios, "Shape_gradient_fill_rd", QStringLiteral("Gradient"));
    Shape_Style_fill_rd = radio(radios, "Shape_Style_fill_rd", QStringLiteral("Pattern"));
    Shape_solid_fill_rd->setChecked(true);
    radioRow->addWidget(Shape_solid_fill_rd);
    radioRow->addWidget(Shape_gradient_fill_rd);
    radioRow->addWidget(Shape_Style_fill_rd);
    addWideRow(fillGrid, radios);
    shape_fill_clr = colorWell(shape_fill_box, "shape_fill_clr", Qt::white);
    addRow(fillGrid, plain(shape_fill_box, "shape_fill_clr_lbl", QStringLiteral("Colour :")), shape_fill_clr);
    addRow(fillGrid, plain(shape_fill_box, "shape_fill_Grd_lbl", QStringLiteral("Gradient :")),
           twoWells(shape_fill_box, shape_fill_Grd_1_clr, "shape_fill_Grd_1_clr", shape_fill_Grd_2_clr,
                    "shape_fill_Grd_2_clr"));
    shape_grad_Text = field(shape_fill_box, "shape_grad_Text", QStringLiteral("0"));
    shape_grad_Stepper = stepper(shape_fill_box, "shape_grad_Stepper", 0, 360, 1, 0);
    addPairRow(fillGrid, plain(shape_fill_box, "shape_grad_lbl", QStringLiteral("Angle :")), shape_grad_Text,
               shape_grad_Stepper);
    shape_hatch_style = combo(shape_fill_box, "shape_hatch_style");
    addRow(fillGrid, plain(shape_fill_box, "shape_hatch_style_lbl", QStringLiteral("Pattern :")), shape_hatch_style);
    shape_hatch_bk_clr = colorWell(shape_fill_box, "shape_hatch_bk_clr", Qt::white);
    addRow(fillGrid, plain(shape_fill_box, "shape_hatch_bk_clr_lbl", QStringLiteral("Pattern Back :")),
           shape_hatch_bk_clr);
    shape_alpha_lbl = plain(shape_fill_box, "shape_alpha_lbl", QStringLiteral("Opacity (%) :"));
    shape_alpha_Text = field(shape_fill_box, "shape_alpha_Text", QStringLiteral("100"));
    shape_alpha_Stepper = stepper(shape_fill_box, "shape_alpha_Stepper", 0, 100, 1, 100);
    addPairRow(fillGrid, shape_alpha_lbl, shape_alpha_Text, shape_alpha_Stepper);
    content->addWidget(shape_fill_box);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Text_Editing_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("text_edtng_tab", content);
    QWidget *host = content->parentWidget();
    txt_ctrl_id_val = field(host, "txt_ctrl_id_val");
    txt_ctrl_id_val->setVisible(false);

    QGroupBox *fontBox = box(host, "text_font_box", QStringLiteral("Font"));
    auto *grid = new QGridLayout(fontBox);
    auto *font = new QWidget(fontBox);
    auto *fontRow = new QHBoxLayout(font);
    fontRow->setContentsMargins(0, 0, 0, 0);
    Text_font_value = field(font, "Text_font_value");
    Text_font_value->setReadOnly(true);
    text_font_btn = button(font, "text_font_btn", QStringLiteral("Font..."));
    fontRow->addWidget(Text_font_value, 1);
    fontRow->addWidget(text_font_btn);
    addRow(grid, plain(fontBox, "Text_font_lbl", QStringLiteral("Font :")), font);
    Text_clr = colorWell(fontBox, "Text_clr", Qt::black);
    addRow(grid, plain(fontBox, "Text_clr_lbl", QStringLiteral("Colour :")), Text_clr);
    Text_align_combo = combo(fontBox, "Text_align_combo",
                             {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center"),
                              QStringLiteral("Justified"), QStringLiteral("Natural")});
    Text_align_combo->setCurrentIndex(0);
    addRow(grid, plain(fontBox, "Text_align_lbl", QStringLiteral("Alignment :")), Text_align_combo);
    Text_vert_align_combo = combo(fontBox, "Text_vert_align_combo",
                                  {QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Middle")});
    Text_vert_align_combo->setCurrentIndex(0);
    addRow(grid, plain(fontBox, "Text_vert_align_lbl", QStringLiteral("Vertical :")), Text_vert_align_combo);
    Text_case_combo = combo(fontBox, "Text_case_combo",
                            {QStringLiteral("As Typed"), QStringLiteral("UPPER CASE"), QStringLiteral("lower case"),
                             QStringLiteral("Capitalized")});
    Text_case_combo->setCurrentIndex(0);
    addRow(grid, plain(fontBox, "Text_case_lbl", QStringLiteral("Case :")), Text_case_combo);
    Text_Kern_Text = field(fontBox, "Text_Kern_Text", QStringLiteral("0"));
    Text_Kern_Stepper = stepper(fontBox, "Text_Kern_Stepper", -20, 50, 0.5, 0);
    addPairRow(grid, plain(fontBox, "Text_Kern_lbl", QStringLiteral("Spacing (pt) :")), Text_Kern_Text,
               Text_Kern_Stepper);
    txt_rotation_slidr = make<QSlider>(fontBox, "txt_rotation_slidr");
    txt_rotation_slidr->setOrientation(Qt::Horizontal);
    txt_rotation_slidr->setRange(0, 360);
    txt_rotation_slidr_val = field(fontBox, "txt_rotation_slidr_val", QStringLiteral("0"));
    addRow(grid, plain(fontBox, "txt_rotation_lbl", QStringLiteral("Rotation :")),
           sliderWithValue(fontBox, txt_rotation_slidr, txt_rotation_slidr_val));
    content->addWidget(fontBox);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Text_Properties_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("text_prop_tab", content);
    QWidget *host = content->parentWidget();

    Text_border_chk = check(host, "Text_border_chk", QStringLiteral("Border"));
    content->addWidget(Text_border_chk);
    Text_Border_Box = box(host, "Text_Border_Box", QStringLiteral("Border"));
    auto *borderGrid = new QGridLayout(Text_Border_Box);
    Text_bor_Text = field(Text_Border_Box, "Text_bor_Text", QStringLiteral("1"));
    Text_bor_Stepper = stepper(Text_Border_Box, "Text_bor_Stepper", 1, 50, 1, 1);
    addPairRow(borderGrid, plain(Text_Border_Box, "Text_bor_lbl", QStringLiteral("Width (pt) :")), Text_bor_Text,
               Text_bor_Stepper);
    Text_bordr_clr = colorWell(Text_Border_Box, "Text_bordr_clr", Qt::black);
    addRow(borderGrid, plain(Text_Border_Box, "Text_bordr_clr_lbl", QStringLiteral("Colour :")), Text_bordr_clr);
    Text_border_style = combo(Text_Border_Box, "Text_border_style", borderStyleTitles());
    Text_border_style->setCurrentIndex(0);
    addRow(borderGrid, plain(Text_Border_Box, "Text_border_style_lbl", QStringLiteral("Style :")), Text_border_style);
    Text_Border_Box->setEnabled(false);
    content->addWidget(Text_Border_Box);

    Text_fill_chk = check(host, "Text_fill_chk", QStringLiteral("Fill"));
    content->addWidget(Text_fill_chk);
    text_fill_box = box(host, "text_fill_box", QStringLiteral("Fill"));
    auto *fillGrid = new QGridLayout(text_fill_box);
    auto *radios = new QWidget(text_fill_box);
    auto *radioRow = new QHBoxLayout(radios);
    radioRow->setContentsMargins(0, 0, 0, 0);
    Text_solid_fill_rd = radio(radios, "Text_solid_fill_rd", QStringLiteral("Solid"));
    Text_gradient_fill_rd = radio(radios, "Text_gradient_fill_rd", QStringLiteral("Gradient"));
    Text_solid_fill_rd->setChecked(true);
    radioRow->addWidget(Text_solid_fill_rd);
    radioRow->addWidget(Text_gradient_fill_rd);
    radioRow->addStretch(1);
    addWideRow(fillGrid, radios);
    Text_fill_clr = colorWell(text_fill_box, "Text_fill_clr", Qt::white);
    addRow(fillGrid, plain(text_fill_box, "Text_fill_clr_lbl", QStringLiteral("Colour :")), Text_fill_clr);
    addRow(fillGrid, plain(text_fill_box, "Text_fill_Grd_lbl", QStringLiteral("Gradient :")),
           twoWells(text_fill_box, Text_fill_Grd_1_clr, "Text_fill_Grd_1_clr", Text_fill_Grd_2_clr,
                    "Text_fill_Grd_2_clr"));
    Text_grad_Text = field(text_fill_box, "Text_grad_Text", QStringLiteral("0"));
    Text_grad_Stepper = stepper(text_fill_box, "Text_grad_Stepper", 0, 360, 1, 0);
    addPairRow(fillGrid, plain(text_fill_box, "Text_grad_lbl", QStringLiteral("Angle :")), Text_grad_Text,
               Text_grad_Stepper);
    text_alpha_lbl = plain(text_fill_box, "text_alpha_lbl", QStringLiteral("Opacity (%) :"));
    Text_alpha_Text = field(text_fill_box, "Text_alpha_Text", QStringLiteral("100"));
    Text_alpha_Stepper = stepper(text_fill_box, "Text_alpha_Stepper", 0, 100, 1, 100);
    addPairRow(fillGrid, text_alpha_lbl, Text_alpha_Text, Text_alpha_Stepper);
    text_fill_box->setEnabled(false);
    content->addWidget(text_fill_box);

    draw_shadow_chkbox = check(host, "draw_shadow_chkbox", QStringLiteral("Shadow"));
    content->addWidget(draw_shadow_chkbox);
    shadow_box = box(host, "shadow_box", QStringLiteral("Shadow"));
    auto *shadowGrid = new QGridLayout(shadow_box);
    Shadow_clr = colorWell(shadow_box, "Shadow_clr", Qt::blue);
    addRow(shadowGrid, plain(shadow_box, "Shadow_clr_lbl", QStringLiteral("Colour :")), Shadow_clr);
    shadow_x_Text = field(shadow_box, "shadow_x_Text", QStringLiteral("5"));
    shadow_x_Stepper = stepper(shadow_box, "shadow_x_Stepper", -50, 50, 1, 5);
    addPairRow(shadowGrid, plain(shadow_box, "shadow_x_lbl", QStringLiteral("Offset X :")), shadow_x_Text,
               shadow_x_Stepper);
    shadow_y_Text = field(shadow_box, "shadow_y_Text", QStringLiteral("5"));
    shadow_y_Stepper = stepper(shadow_box, "shadow_y_Stepper", -50, 50, 1, 5);
    addPairRow(shadowGrid, plain(shadow_box, "shadow_y_lbl", QStringLiteral("Offset Y :")), shadow_y_Text,
               shadow_y_Stepper);
    shadow_blur_Text = field(shadow_box, "shadow_blur_Text", QStringLiteral("0"));
    shadow_blur_Stepper = stepper(shadow_box, "shadow_blur_Stepper", 0, 50, 1, 0);
    addPairRow(shadowGrid, plain(shadow_box, "shadow_blur_lbl", QStringLiteral("Blur :")), shadow_blur_Text,
               shadow_blur_Stepper);
    shadow_transp_Text = field(shadow_box, "shadow_transp_Text", QStringLiteral("50"));
    shadow_transp_Stepper = stepper(shadow_box, "shadow_transp_Stepper", 0, 100, 1, 50);
    addPairRow(shadowGrid, plain(shadow_box, "shadow_transp_lbl", QStringLiteral("Opacity (%) :")),
               shadow_transp_Text, shadow_transp_Stepper);
    shadow_box->setEnabled(false);
    content->addWidget(shadow_box);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Image_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("image_tab", content);
    QWidget *host = content->parentWidget();
    img_ctrl_id_val = field(host, "img_ctrl_id_val");
    img_ctrl_id_val->setVisible(false);
    image_error_label = plain(host, "image_error_label", QStringLiteral("The image file could not be found."));
    image_error_label->setStyleSheet(QStringLiteral("color: #c00000;"));
    image_error_label->setVisible(false);
    content->addWidget(image_error_label);

    Image_border_chk = check(host, "Image_border_chk", QStringLiteral("Border"));
    content->addWidget(Image_border_chk);
    Image_Border_Box = box(host, "Image_Border_Box", QStringLiteral("Border"));
    auto *borderGrid = new QGridLayout(Image_Border_Box);
    Image_bor_Text = field(Image_Border_Box, "Image_bor_Text", QStringLiteral("1"));
    Image_bor_Stepper = stepper(Image_Border_Box, "Image_bor_Stepper", 1, 50, 1, 1);
    addPairRow(borderGrid, plain(Image_Border_Box, "Image_bor_lbl", QStringLiteral("Width (pt) :")), Image_bor_Text,
               Image_bor_Stepper);
    Image_bordr_clr = colorWell(Image_Border_Box, "Image_bordr_clr", Qt::black);
    addRow(borderGrid, plain(Image_Border_Box, "Image_bordr_clr_lbl", QStringLiteral("Colour :")), Image_bordr_clr);
    Image_border_style = combo(Image_Border_Box, "Image_border_style", borderStyleTitles());
    Image_border_style->setCurrentIndex(0);
    addRow(borderGrid, plain(Image_Border_Box, "Image_border_style_lbl", QStringLiteral("Style :")),
           Image_border_style);
    Image_Border_Box->setEnabled(false);
    content->addWidget(Image_Border_Box);

    QGroupBox *effects = box(host, "image_effects_box", QStringLiteral("Adjustments"));
    auto *grid = new QGridLayout(effects);
    struct Effect {
        DoubleSlider *DesignController::*slider;
        QLineEdit *DesignController::*value;
        const char *sliderName;
        const char *valueName;
        const char *title;
        double min, max, start;
    };
    static const Effect list[] = {
        {&DesignController::Rotate_slidr, &DesignController::Rotate_slidr_val, "Rotate_slidr", "Rotate_slidr_val",
         "Rotation :", 0, 360, 0},
        {&DesignController::Trsp_slidr, &DesignController::Trsp_slidr_val, "Trsp_slidr", "Trsp_slidr_val",
         "Opacity (%) :", 0, 100, 100},
        {&DesignController::Hue_slidr, &DesignController::Hue_slidr_val, "Hue_slidr", "Hue_slidr_val", "Hue :",
         -3.14, 3.14, 0},
        {&DesignController::Sat_slidr, &DesignController::Sat_slidr_val, "Sat_slidr", "Sat_slidr_val",
         "Saturation :", 0, 2, 1},
        {&DesignController::Brt_slidr, &DesignController::Brt_slidr_val, "Brt_slidr", "Brt_slidr_val",
         "Brightness :", -1, 1, 0},
        {&DesignController::Con_slidr, &DesignController::Con_slidr_val, "Con_slidr", "Con_slidr_val",
         "Contrast :", 0.25, 4, 1},
        {&DesignController::shrp_slidr, &DesignController::shrp_slidr_val, "shrp_slidr", "shrp_slidr_val",
         "Sharpness :", 0, 2, 0},
        {&DesignController::ev_slidr, &DesignController::ev_slidr_val, "ev_slidr", "ev_slidr_val",
         "Exposure :", -10, 10, 0},
        {&DesignController::blr_slidr, &DesignController::blr_slidr_val, "blr_slidr", "blr_slidr_val", "Blur :",
         0, 100, 0},
    };
    for (const Effect &e : list) {
        auto *slider = new DoubleSlider(effects);
        slider->setObjectName(QString::fromLatin1(e.sliderName));
        slider->setDoubleRange(e.min, e.max);
        slider->setDoubleValue(e.start);
        QLineEdit *value = field(effects, e.valueName, QString::number(e.start));
        this->*(e.slider) = slider;
        this->*(e.value) = value;
        const QByteArray labelName = QByteArray(e.sliderName) + "_lbl";
        addRow(grid, plain(effects, labelName.constData(), QString::fromLatin1(e.title)),
               sliderWithValue(effects, slider, value));
    }
    content->addWidget(effects);

    QGroupBox *filters = box(host, "image_filters_box", QStringLiteral("Filters"));
    auto *filterGrid = new QGridLayout(filters);
    Image_Gray_Scale_chk = check(filters, "Image_Gray_Scale_chk", QStringLiteral("Grayscale"));
    Image_Sepia_chk = check(filters, "Image_Sepia_chk", QStringLiteral("Sepia"));
    Image_Invert_chk = check(filters, "Image_Invert_chk", QStringLiteral("Invert Colours"));
    Image_FIV_chk = check(filters, "Image_FIV_chk", QStringLiteral("Flip Vertically"));
    Image_FIH_chk = check(filters, "Image_FIH_chk", QStringLiteral("Flip Horizontally"));
    filterGrid->addWidget(Image_Gray_Scale_chk, 0, 0);
    filterGrid->addWidget(Image_Sepia_chk, 0, 1);
    filterGrid->addWidget(Image_Invert_chk, 1, 0);
    filterGrid->addWidget(Image_FIV_chk, 2, 0);
    filterGrid->addWidget(Image_FIH_chk, 2, 1);
    content->addWidget(filters);

    auto *buttons = new QWidget(host);
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    image_reset_btn = button(buttons, "image_reset_btn", QStringLiteral("Reset"));
    image_crop_btn = button(buttons, "image_crop_btn", QStringLiteral("Crop..."));
    buttonRow->addWidget(image_reset_btn);
    buttonRow->addWidget(image_crop_btn);
    buttonRow->addStretch(1);
    content->addWidget(buttons);
    content->addStretch(1);
    return page;
}

QWidget *DesignController::Build_Sign_Tab()
{
    QVBoxLayout *content = nullptr;
    QWidget *page = designform::scrollingPage("sign_tab", content);
    QWidget *host = content->parentWidget();
    QGroupBox *fileBox = box(host, "sign_file_box", QStringLiteral("Image"));
    auto *fileRow = new QHBoxLayout(fileBox);
    Sign_image_path = field(fileBox, "Sign_image_path", QStringLiteral("Default"));
    Sign_image_path->setReadOnly(true);
    sign_browse_btn = button(fileBox, "sign_browse_btn", QStringLiteral("Browse..."));
    fileRow->addWidget(Sign_image_path, 1);
    fileRow->addWidget(sign_browse_btn);
    content->addWidget(fileBox);

    Sign_border_chk = check(host, "Sign_border_chk", QStringLiteral("Border"));
    content->addWidget(Sign_border_chk);
    Sign_Border_Box = box(host, "Sign_Border_Box", QStringLiteral("Border"));
    auto *grid = new QGridLayout(Sign_Border_Box);
    Sign_bor_Text = field(Sign_Border_Box, "Sign_bor_Text", QStringLiteral("1"));
    Sign_bor_Stepper = stepper(Sign_Border_Box, "Sign_bor_Stepper", 1, 50, 1, 1);
    addPairRow(grid, plain(Sign_Border_Box, "Sign_bor_lbl", QStringLiteral("Width (pt) :")), Sign_bor_Text,
               Sign_bor_Stepper);
    Sign_bordr_clr = colorWell(Sign_Border_Box, "Sign_bordr_clr", Qt::black);
    addRow(grid, plain(Sign_Border_Box, "Sign_bordr_clr_lbl", QStringLiteral("Colour :")), Sign_bordr_clr);
    Sign_border_style = combo(Sign_Border_Box, "Sign_border_style", borderStyleTitles());
    Sign_border_style->setCurrentIndex(0);
    addRow(grid, plain(Sign_Border_Box, "Sign_border_style_lbl", QStringLiteral("Style :")), Sign_border_style);
    Sign_Border_Box->setEnabled(false);
    content->addWidget(Sign_Border_Box);
    content->addStretch(1);
    return page;
}
