// The sidebar panels of card objects: picture and signature.

#include "design/DesignController.h"

#include "design/FormBinding.h"

#include "ui_DesignImageTab.h"
#include "ui_DesignSignTab.h"

namespace {

// Every page: its layout, scroll area, scrolling content and the content's layout and stretch.

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
