// The sidebar pages' controls connected to their handlers. Only the user's actions reach them: a
// click, a step of a stepper or the end of editing of its field, a colour chosen in a well, a
// slider let go (or moved by the keyboard); filling the controls from code sends nothing. The
// lists go through the window's combo-box dispatch, the texts through its text notifications.

#include "design/DesignController.h"

#include "design/DoubleSlider.h"
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
    if (page == line_tab) {
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
    } else if (page == image_tab) {
        click(Image_border_chk, this, &D::Image_Border_ChkBox);
        pair(Image_bor_Stepper, Image_bor_Text, this, &D::Image_Border_Changed);
        well(Image_bordr_clr, this, &D::Set_ImageControl_Clr);
        for (DoubleSlider *s : {Rotate_slidr, Trsp_slidr, Hue_slidr, Sat_slidr, Brt_slidr, Con_slidr, shrp_slidr, ev_slidr,
                                blr_slidr})
            slide(s, this, [this, s] { Image_Slider_Changed(s); });
        for (QCheckBox *b : {Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk, Image_FIV_chk, Image_FIH_chk})
            click(b, this, &D::Update_Image_Graphics);
        click(image_reset_btn, this, &D::Image_reset_Button);
        click(image_crop_btn, this, &D::Cropping_Selected_Image_clicked);
    } else if (page == sign_tab) {
        click(sign_browse_btn, this, &D::Sign_Browse_Btn);
        click(Sign_border_chk, this, &D::Sign_Border_ChkBox);
        pair(Sign_bor_Stepper, Sign_bor_Text, this, &D::Sign_Border_Changed);
        well(Sign_bordr_clr, this, &D::Set_SignControl_Clr);
    } else if (page == datasource_tab) {
        click(manual_browse_btn, this, &D::Manual_Image_Browse_Btn);
        click(library_browse_btn, this, &D::Manual_Library_Browse_Btn);
        click(insert_date_btn, this, &D::Text_Insert_Date);
        click(insert_time_btn, this, &D::Text_Insert_Time);
    } else if (page == barcode_tab) {
        click(barcode_prop_btn, this, &D::View_barcode_prop_Button);
        click(Edit_Qr_Code_Val_BTN, this, &D::Edit_Adv_QR_Value_Clicked);
    }
}
