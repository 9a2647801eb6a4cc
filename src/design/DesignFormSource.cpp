// The sidebar panels shared by objects: data source ("Source"), position, size and alignment,
// the barcode object's panel and the single panel of a locked object.

#include "design/DesignController.h"

#include "core/Globals.h"
#include "design/FormBinding.h"

#include "ui_DesignAlignmentTab.h"
#include "ui_DesignBarcodeTab.h"
#include "ui_DesignDataSourceTab.h"
#include "ui_DesignLockTab.h"

#include <QPushButton>

namespace {

// Every page: its layout, scroll area, scrolling content and the content's layout and stretch.

void bind(DesignController &c, const Ui::DesignDataSourceTab &ui)
{
    // Not outlets: the page's five, the layouts of the four boxes and the text view, four labels,
    // six rows with their layouts and the stretches in four of them.
    designform::bindForm<30>(
        ui, FORM_OUTLET(data_source_title), FORM_OUTLET(Data_source_box_DES), FORM_OUTLET(Data_source_type),
        FORM_OUTLET(Batch_Series), FORM_OUTLET(view_series_btn), FORM_OUTLET(data_source_help_btn),
        FORM_OUTLET(manual_brws_box), FORM_OUTLET(Manual_image_path), FORM_OUTLET(manual_browse_btn),
        FORM_OUTLET(library_browse_btn), FORM_OUTLET(text_value_scrollView), FORM_OUTLET(text_value_lbl),
        FORM_OUTLET(Text_value_Edit), FORM_OUTLET(Text_Date_Time_Box), FORM_OUTLET(Text_Date_style),
        FORM_OUTLET(insert_date_btn), FORM_OUTLET(Text_Time_style), FORM_OUTLET(insert_time_btn),
        FORM_OUTLET(insert_template_btn), FORM_OUTLET(design_browse_excel_box), FORM_OUTLET(excel_path_field),
        FORM_OUTLET(excel_browse_btn), FORM_OUTLET(view_excel_btn));
}

void bind(DesignController &c, const Ui::DesignAlignmentTab &ui)
{
    // Not outlets: the page's five, the position and align boxes with their layouts, the two other
    // boxes' layouts, four labels, four rows with their layouts and the gaps before their units.
    designform::bindForm<27>(
        ui, FORM_OUTLET(frame_main_pic_X_pos), FORM_OUTLET(frame_main_pic_X_pos_val), FORM_OUTLET(ctrl_x_pos_unit_lbl),
        FORM_OUTLET(frame_main_pic_Y_pos), FORM_OUTLET(frame_main_pic_Y_pos_val), FORM_OUTLET(ctrl_y_pos_unit_lbl),
        FORM_OUTLET(ctrl_width_height_box), FORM_OUTLET(frame_main_pic_width), FORM_OUTLET(frame_main_pic_width_val),
        FORM_OUTLET(ctrl_width_unit_lbl), FORM_OUTLET(frame_main_pic_height), FORM_OUTLET(frame_main_pic_height_val),
        FORM_OUTLET(ctrl_height_unit_lbl), FORM_OUTLET(Ctrl_Size_Opt_box), FORM_OUTLET(Make_natural_size_btn),
        FORM_OUTLET(fit_to_label_btn), FORM_OUTLET(Make_same_width_btn), FORM_OUTLET(Make_same_height_btn),
        FORM_OUTLET(align_left_btn), FORM_OUTLET(align_right_btn), FORM_OUTLET(align_top_btn),
        FORM_OUTLET(align_bottom_btn), FORM_OUTLET(align_center_btn), FORM_OUTLET(align_horzontal_btn),
        FORM_OUTLET(align_vertical_btn), FORM_OUTLET(Align_with_grid_btn));
}

void bind(DesignController &c, const Ui::DesignBarcodeTab &ui)
{
    // Not outlets: the page's five.
    designform::bindForm<5>(ui, FORM_OUTLET(barcode_prop_btn), FORM_OUTLET(Edit_Qr_Code_Val_BTN));
}

void bind(DesignController &, const Ui::DesignLockTab &ui)
{
    // Not outlets: the page's five and the note.
    designform::bindForm<6>(ui);
}

} // namespace

void DesignController::Build_Data_Source_Tab(QWidget *page)
{
    Ui::DesignDataSourceTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Alignment_Tab(QWidget *page)
{
    Ui::DesignAlignmentTab ui;
    ui.setupUi(page);
    bind(*this, ui);
}

void DesignController::Build_Barcode_Tab(QWidget *page)
{
    Ui::DesignBarcodeTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
    Edit_Qr_Code_Val_BTN->setVisible(ONLY_QR_MODE);
}

void DesignController::Build_Lock_Tab(QWidget *page)
{
    Ui::DesignLockTab ui;
    ui.setupUi(page);
    bind(*this, ui);
}
