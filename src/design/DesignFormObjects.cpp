// The sidebar panels of card objects: line, shape, text (editing and properties), picture and
// signature.

#include "design/DesignController.h"

#include "design/FormBinding.h"

#include "ui_DesignImageTab.h"
#include "ui_DesignLineTab.h"
#include "ui_DesignShapeTab.h"
#include "ui_DesignSignTab.h"
#include "ui_DesignTextEditingTab.h"
#include "ui_DesignTextPropertiesTab.h"

namespace {

// Every page: its layout, scroll area, scrolling content and the content's layout and stretch.

void bind(DesignController &c, const Ui::DesignLineTab &ui)
{
    // Not outlets: the page's five, the box with its layout, six labels, two rows with their layouts.
    designform::bindForm<17>(ui, FORM_OUTLET(Line_Wdt_Text), FORM_OUTLET(Line_Wdt_Stepper), FORM_OUTLET(Line_clr),
                             FORM_OUTLET(Line_border_style), FORM_OUTLET(Line_ori_style), FORM_OUTLET(Line_cap_style),
                             FORM_OUTLET(Line_alpha_Text), FORM_OUTLET(Line_alpha_Stepper));
}

void bind(DesignController &c, const Ui::DesignShapeTab &ui)
{
    // Not outlets: the page's five, the general box with its layout, the two other boxes' layouts,
    // ten labels, nine rows with their layouts and the stretch in the gradient row.
    designform::bindForm<38>(
        ui, FORM_OUTLET(Shape_prop_title), FORM_OUTLET(Shape_Type_Combo), FORM_OUTLET(shape_rotation_slidr),
        FORM_OUTLET(shape_rotation_slidr_val), FORM_OUTLET(shape_rotation_Stepper), FORM_OUTLET(shape_cor_radius_Label),
        FORM_OUTLET(shape_cor_radius_Text), FORM_OUTLET(shape_cor_radius_Stepper), FORM_OUTLET(double_star_Label),
        FORM_OUTLET(double_star_Text), FORM_OUTLET(double_star_Stepper), FORM_OUTLET(polygon_Label),
        FORM_OUTLET(polygon_Text), FORM_OUTLET(polygon_Stepper), FORM_OUTLET(Shape_border_chk),
        FORM_OUTLET(Shape_Border_Box), FORM_OUTLET(shape_bor_Text), FORM_OUTLET(shape_bor_Stepper),
        FORM_OUTLET(shape_bordr_clr), FORM_OUTLET(shape_border_style), FORM_OUTLET(Shape_fill_chk),
        FORM_OUTLET(shape_fill_box), FORM_OUTLET(Shape_solid_fill_rd), FORM_OUTLET(Shape_gradient_fill_rd),
        FORM_OUTLET(Shape_Style_fill_rd), FORM_OUTLET(shape_fill_clr), FORM_OUTLET(shape_fill_Grd_1_clr),
        FORM_OUTLET(shape_fill_Grd_2_clr), FORM_OUTLET(shape_grad_Text), FORM_OUTLET(shape_grad_Stepper),
        FORM_OUTLET(shape_hatch_style), FORM_OUTLET(shape_hatch_bk_clr), FORM_OUTLET(shape_alpha_lbl),
        FORM_OUTLET(shape_alpha_Text), FORM_OUTLET(shape_alpha_Stepper));
}

void bind(DesignController &c, const Ui::DesignTextEditingTab &ui)
{
    // Not outlets: the page's five, the font box with its layout, seven labels, three rows with
    // their layouts.
    designform::bindForm<20>(ui, FORM_OUTLET(txt_ctrl_id_val), FORM_OUTLET(Text_font_value), FORM_OUTLET(text_font_btn),
                             FORM_OUTLET(Text_clr), FORM_OUTLET(Text_align_combo), FORM_OUTLET(Text_vert_align_combo),
                             FORM_OUTLET(Text_case_combo), FORM_OUTLET(Text_Kern_Text), FORM_OUTLET(Text_Kern_Stepper),
                             FORM_OUTLET(txt_rotation_slidr), FORM_OUTLET(txt_rotation_slidr_val));
}

void bind(DesignController &c, const Ui::DesignTextPropertiesTab &ui)
{
    // Not outlets: the page's five, the three boxes' layouts, eleven labels, nine rows with their
    // layouts and the stretches in the two fill rows.
    designform::bindForm<39>(
        ui, FORM_OUTLET(Text_border_chk), FORM_OUTLET(Text_Border_Box), FORM_OUTLET(Text_bor_Text),
        FORM_OUTLET(Text_bor_Stepper), FORM_OUTLET(Text_bordr_clr), FORM_OUTLET(Text_border_style),
        FORM_OUTLET(Text_fill_chk), FORM_OUTLET(text_fill_box), FORM_OUTLET(Text_solid_fill_rd),
        FORM_OUTLET(Text_gradient_fill_rd), FORM_OUTLET(Text_fill_clr), FORM_OUTLET(Text_fill_Grd_1_clr),
        FORM_OUTLET(Text_fill_Grd_2_clr), FORM_OUTLET(Text_grad_Text), FORM_OUTLET(Text_grad_Stepper),
        FORM_OUTLET(text_alpha_lbl), FORM_OUTLET(Text_alpha_Text), FORM_OUTLET(Text_alpha_Stepper),
        FORM_OUTLET(draw_shadow_chkbox), FORM_OUTLET(shadow_box), FORM_OUTLET(Shadow_clr), FORM_OUTLET(shadow_x_Text),
        FORM_OUTLET(shadow_x_Stepper), FORM_OUTLET(shadow_y_Text), FORM_OUTLET(shadow_y_Stepper),
        FORM_OUTLET(shadow_blur_Text), FORM_OUTLET(shadow_blur_Stepper), FORM_OUTLET(shadow_transp_Text),
        FORM_OUTLET(shadow_transp_Stepper));
}

void bind(DesignController &c, const Ui::DesignImageTab &ui)
{
    // Not outlets: the page's five, the border box's layout, the effects and filters boxes with
    // their layouts, twelve labels, eleven rows with their layouts and the stretch in the buttons' row.
    designform::bindForm<45>(
        ui, FORM_OUTLET(img_ctrl_id_val), FORM_OUTLET(image_error_label), FORM_OUTLET(Image_border_chk),
        FORM_OUTLET(Image_Border_Box), FORM_OUTLET(Image_bor_Text), FORM_OUTLET(Image_bor_Stepper),
        FORM_OUTLET(Image_bordr_clr), FORM_OUTLET(Image_border_style), FORM_OUTLET(Rotate_slidr),
        FORM_OUTLET(Rotate_slidr_val), FORM_OUTLET(Trsp_slidr), FORM_OUTLET(Trsp_slidr_val), FORM_OUTLET(Hue_slidr),
        FORM_OUTLET(Hue_slidr_val), FORM_OUTLET(Sat_slidr), FORM_OUTLET(Sat_slidr_val), FORM_OUTLET(Brt_slidr),
        FORM_OUTLET(Brt_slidr_val), FORM_OUTLET(Con_slidr), FORM_OUTLET(Con_slidr_val), FORM_OUTLET(shrp_slidr),
        FORM_OUTLET(shrp_slidr_val), FORM_OUTLET(ev_slidr), FORM_OUTLET(ev_slidr_val), FORM_OUTLET(blr_slidr),
        FORM_OUTLET(blr_slidr_val), FORM_OUTLET(Image_Gray_Scale_chk), FORM_OUTLET(Image_Sepia_chk),
        FORM_OUTLET(Image_Invert_chk), FORM_OUTLET(Image_FIV_chk), FORM_OUTLET(Image_FIH_chk),
        FORM_OUTLET(image_reset_btn), FORM_OUTLET(image_crop_btn));
}

void bind(DesignController &c, const Ui::DesignSignTab &ui)
{
    // Not outlets: the page's five, the file box with its layout, the border box's layout, three
    // labels, one row with its layout.
    designform::bindForm<13>(ui, FORM_OUTLET(Sign_image_path), FORM_OUTLET(sign_browse_btn), FORM_OUTLET(Sign_border_chk),
                             FORM_OUTLET(Sign_Border_Box), FORM_OUTLET(Sign_bor_Text), FORM_OUTLET(Sign_bor_Stepper),
                             FORM_OUTLET(Sign_bordr_clr), FORM_OUTLET(Sign_border_style));
}

} // namespace

void DesignController::Build_Line_Tab(QWidget *page)
{
    Ui::DesignLineTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Shape_Tab(QWidget *page)
{
    Ui::DesignShapeTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Text_Editing_Tab(QWidget *page)
{
    Ui::DesignTextEditingTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Text_Properties_Tab(QWidget *page)
{
    Ui::DesignTextPropertiesTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Image_Tab(QWidget *page)
{
    // The effect sliders' minimum, maximum and value in the form are in hundredths, the slider's
    // steps per unit.
    Ui::DesignImageTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Sign_Tab(QWidget *page)
{
    Ui::DesignSignTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}
