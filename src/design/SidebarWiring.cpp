// The sidebar pages' controls connected to their handlers. Only the user's actions reach them: a
// click, a step of a stepper or the end of editing of its field, a colour chosen in a well, a
// slider let go (or moved by the keyboard); filling the controls from code sends nothing. The
// lists go through the window's combo-box dispatch, the texts through its text notifications.

#include "design/DesignController.h"

#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace {

using D = DesignController;

void click(QAbstractButton *b, D *d, void (D::*handler)())
{
    if (b)
        QObject::connect(b, &QAbstractButton::clicked, d, [d, handler] { (d->*handler)(); });
}

void pair(platform::Stepper *s, QLineEdit *f, D *d, void (D::*handler)(QObject *))
{
    platform::connectPair(s, f, d, [d, handler](QObject *sender) { (d->*handler)(sender); });
}

void well(platform::ColorWell *w, D *d, void (D::*handler)(QObject *))
{
    if (w)
        QObject::connect(w, &platform::ColorWell::colorChanged, d, [d, w, handler] { (d->*handler)(w); });
}

// A slider acts once it is let go, and at once for keyboard and page steps.
void slide(QSlider *s, D *d, std::function<void()> handler)
{
    if (!s)
        return;
    QObject::connect(s, &QSlider::valueChanged, d, [s, handler] {
        if (!s->isSliderDown())
            handler();
    });
    QObject::connect(s, &QSlider::sliderReleased, d, handler);
}

} // namespace

void DesignController::Wire_Sidebar_Controls(QWidget *page)
{
    if (!page)
        return;
    if (page == card_info_tab) {
        if (matrix_card_shape)
            connect(matrix_card_shape, &QButtonGroup::idClicked, this, [this] { card_shape_CellClick(); });
        if (All_Text_clr)
            connect(All_Text_clr, &platform::ColorWell::colorChanged, this, [this] { Contect_Color_Clicked(); });
        click(content_font_btn, this, &D::Content_Font_Clicked);
        // The two font-size buttons have no action.
    } else if (page == card_size_tab) {
        pair(width_Stepper, width_Text, this, &D::Card_Width_Changed);
        pair(height_Stepper, height_Text, this, &D::Card_Height_Changed);
        click(page_frm_printer_btn, this, &D::Page_From_Printer_Click);
        click(apply_size_btn, this, &D::Apply_Size_Clicked);
    } else if (page == card_bkgd_tab) {
        click(Card_fill_chk, this, &D::Card_Fill_Chk_Box);
        click(Card_solid_fill_rd, this, &D::Card_Solid_RD_Sel);
        click(Card_gradient_fill_rd, this, &D::Card_Gradient_RD_Sel);
        click(Card_Style_fill_rd, this, &D::Card_Hatch_RD_Sel);
        click(Card_Image_fill_rd, this, &D::Card_Image_RD_Sel);
        for (platform::ColorWell *w : {Card_fill_clr, Card_fill_Grd_1_clr, Card_fill_Grd_2_clr, Card_hatch_bk_clr})
            well(w, this, &D::Set_Card_Clr);
        pair(Card_grad_Stepper, Card_grad_Text, this, &D::Card_Gradient_Changed);
        pair(Card_alpha_Stepper, Card_alpha_Text, this, &D::Card_Alpha_Changed);
        click(card_image_browse_btn, this, &D::Card_Image_Browse_Btn);
        click(card_image_library_btn, this, &D::Card_Image_Library_Btn);
    } else if (page == card_brdr_tab) {
        click(Card_border_chk, this, &D::Card_Border_ChkBox);
        well(Card_bordr_clr, this, &D::Set_Card_Clr);
        pair(Card_bor_Stepper, Card_bor_Text, this, &D::Card_Border_Changed);
        click(enable_watermark_chk, this, &D::Enable_Watermark_Clicked);
        slide(wm_transp_slider, this, [this] { WM_transp_slider_changed(); });
        if (watermark_color)
            connect(watermark_color, &platform::ColorWell::colorChanged, this, [this] { Update_Card_Graphics(); });
        click(wm_font_btn, this, &D::WM_Text_Font_Changed);
    } else if (page == line_tab) {
        pair(Line_Wdt_Stepper, Line_Wdt_Text, this, &D::Line_Width_Changed);
        well(Line_clr, this, &D::Set_LineControl_Clr);
        pair(Line_alpha_Stepper, Line_alpha_Text, this, &D::Line_Alpha_Changed);
    } else if (page == shape_tab) {
        slide(shape_rotation_slidr, this, [this] { Shape_Rotate_Slider_Changed(); });
        pair(shape_rotation_Stepper, shape_rotation_slidr_val, this, &D::Shape_Rotation_Changed);
        pair(shape_cor_radius_Stepper, shape_cor_radius_Text, this, &D::Shape_Corner_Radius_Changed);
        pair(double_star_Stepper, double_star_Text, this, &D::Double_Star_Shape_Changed);
        pair(polygon_Stepper, polygon_Text, this, &D::Polygon_Shape_Changed);
        click(Shape_border_chk, this, &D::Shape_Border_ChkBox);
        pair(shape_bor_Stepper, shape_bor_Text, this, &D::Shape_Border_Changed);
        click(Shape_fill_chk, this, &D::Shape_Fill_Chk_Box);
        click(Shape_solid_fill_rd, this, &D::Shape_Solid_RD_Sel);
        click(Shape_gradient_fill_rd, this, &D::Shape_Gradient_RD_Sel);
        click(Shape_Style_fill_rd, this, &D::Shape_Hatch_RD_Sel);
        for (platform::ColorWell *w : {shape_bordr_clr, shape_fill_clr, shape_fill_Grd_1_clr, shape_fill_Grd_2_clr,
                                       shape_hatch_bk_clr})
            well(w, this, &D::Set_Control_Clr);
        pair(shape_grad_Stepper, shape_grad_Text, this, &D::Shape_Gradient_Changed);
        pair(shape_alpha_Stepper, shape_alpha_Text, this, &D::Shape_Alpha_Changed);
    } else if (page == text_edtng_tab) {
        click(text_font_btn, this, &D::Text_Font_Changed);
        well(Text_clr, this, &D::Set_TextControl_Clr);
        pair(Text_Kern_Stepper, Text_Kern_Text, this, &D::Text_Kerning_Changed);
        slide(txt_rotation_slidr, this, [this] { Txt_Rotate_Slider_Changed(); });
    } else if (page == text_prop_tab) {
        click(Text_border_chk, this, &D::Text_Border_ChkBox);
        pair(Text_bor_Stepper, Text_bor_Text, this, &D::Text_Border_Changed);
        click(Text_fill_chk, this, &D::Text_Fill_Chk_Box);
        click(Text_solid_fill_rd, this, &D::Text_Solid_RD_Sel);
        click(Text_gradient_fill_rd, this, &D::Text_Gradient_RD_Sel);
        for (platform::ColorWell *w : {Text_bordr_clr, Text_fill_clr, Text_fill_Grd_1_clr, Text_fill_Grd_2_clr})
            well(w, this, &D::Set_TextControl_Clr);
        pair(Text_grad_Stepper, Text_grad_Text, this, &D::Text_Gradient_Changed);
        pair(Text_alpha_Stepper, Text_alpha_Text, this, &D::Text_Alpha_Changed);
        click(draw_shadow_chkbox, this, &D::Draw_Shadow_ChkBox);
        well(Shadow_clr, this, &D::Set_Shadow_Clr);
        pair(shadow_x_Stepper, shadow_x_Text, this, &D::Shadow_X_Changed);
        pair(shadow_y_Stepper, shadow_y_Text, this, &D::Shadow_Y_Changed);
        pair(shadow_blur_Stepper, shadow_blur_Text, this, &D::Shadow_Blur_Changed);
        pair(shadow_transp_Stepper, shadow_transp_Text, this, &D::Shadow_Transp_Changed);
    }
}
