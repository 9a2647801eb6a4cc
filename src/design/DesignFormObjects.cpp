// The sidebar panels of card objects: line, shape and text (editing and properties).

#include "design/DesignController.h"

#include "design/FormBinding.h"

#include "ui_DesignLineTab.h"
#include "ui_DesignShapeTab.h"
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
