// The card's four sidebar panels: information, size, background and border with the watermark.

#include "design/DesignController.h"

#include "design/FormBinding.h"

#include "ui_DesignCardBackgroundTab.h"
#include "ui_DesignCardBorderTab.h"
#include "ui_DesignCardInfoTab.h"
#include "ui_DesignCardSizeTab.h"

#include <QButtonGroup>

namespace {

// Every page: its layout, scroll area, scrolling content and the content's layout and stretch.

void bind(DesignController &c, const Ui::DesignCardInfoTab &ui)
{
    // Not outlets: the page's five, three boxes with their layouts, the three shape buttons (taken
    // by the button group), two labels, the font buttons' row with its layout and stretch.
    designform::bindForm<19>(ui, FORM_OUTLET(card_name), FORM_OUTLET(matrix_card_shape), FORM_OUTLET(All_Text_clr),
                             FORM_OUTLET(All_Text_clr_COPY), FORM_OUTLET(All_Text_font_value),
                             FORM_OUTLET(All_Text_font_value_COPY), FORM_OUTLET(content_font_btn),
                             FORM_OUTLET(content_font_decrease_btn), FORM_OUTLET(content_font_increase_btn));
}

void bind(DesignController &c, const Ui::DesignCardSizeTab &ui)
{
    // Not outlets: the page's five, the stock box with its layout, the size box's layout, four
    // labels, three rows with their layouts, and two gaps and a stretch in the rows.
    designform::bindForm<21>(ui, FORM_OUTLET(Label_ComboBox), FORM_OUTLET(Product_num_ComboBox),
                             FORM_OUTLET(card_size_box), FORM_OUTLET(width_Text), FORM_OUTLET(width_Stepper),
                             FORM_OUTLET(card_width_unit_lbl), FORM_OUTLET(height_Text), FORM_OUTLET(height_Stepper),
                             FORM_OUTLET(card_height_unit_lbl), FORM_OUTLET(page_frm_printer_btn),
                             FORM_OUTLET(apply_size_btn));
}

void bind(DesignController &c, const Ui::DesignCardBackgroundTab &ui)
{
    // Not outlets: the page's five, the two boxes' layouts, six labels, five rows with their
    // layouts and two stretches in them.
    designform::bindForm<25>(
        ui, FORM_OUTLET(Card_fill_chk), FORM_OUTLET(Card_Fill_Box), FORM_OUTLET(Card_solid_fill_rd),
        FORM_OUTLET(Card_gradient_fill_rd), FORM_OUTLET(Card_Style_fill_rd), FORM_OUTLET(Card_Image_fill_rd),
        FORM_OUTLET(Card_fill_clr), FORM_OUTLET(Card_fill_Grd_1_clr), FORM_OUTLET(Card_fill_Grd_2_clr),
        FORM_OUTLET(Card_grad_Text), FORM_OUTLET(Card_grad_Stepper), FORM_OUTLET(Card_hatch_style),
        FORM_OUTLET(Card_hatch_bk_clr), FORM_OUTLET(Card_alpha_lbl), FORM_OUTLET(Card_alpha_Text),
        FORM_OUTLET(Card_alpha_Stepper), FORM_OUTLET(Card_image_box), FORM_OUTLET(Card_Image_path),
        FORM_OUTLET(Card_image_layout), FORM_OUTLET(card_image_browse_btn), FORM_OUTLET(card_image_library_btn));
}

void bind(DesignController &c, const Ui::DesignCardBorderTab &ui)
{
    // Not outlets: the page's five, the two boxes' layouts, eight labels, three rows with their layouts.
    designform::bindForm<21>(
        ui, FORM_OUTLET(Card_border_chk), FORM_OUTLET(Card_Border_Box), FORM_OUTLET(Card_bordr_clr),
        FORM_OUTLET(Card_bor_Text), FORM_OUTLET(Card_bor_Stepper), FORM_OUTLET(Card_border_style),
        FORM_OUTLET(enable_watermark_chk), FORM_OUTLET(watermark_box), FORM_OUTLET(watermark_text),
        FORM_OUTLET(wm_alignment_combo), FORM_OUTLET(wm_transp_slider), FORM_OUTLET(wm_transp_val),
        FORM_OUTLET(watermark_color), FORM_OUTLET(wm_font_value), FORM_OUTLET(wm_font_btn));
}

} // namespace

void DesignController::Build_Card_Info_Tab(QWidget *page)
{
    Ui::DesignCardInfoTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
    // The shapes by their index in the group.
    matrix_card_shape->setId(ui.matrix_card_shape_0, 0);
    matrix_card_shape->setId(ui.matrix_card_shape_1, 1);
    matrix_card_shape->setId(ui.matrix_card_shape_2, 2);
}

void DesignController::Build_Card_Size_Tab(QWidget *page)
{
    Ui::DesignCardSizeTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Card_Background_Tab(QWidget *page)
{
    Ui::DesignCardBackgroundTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}

void DesignController::Build_Card_Border_Tab(QWidget *page)
{
    Ui::DesignCardBorderTab ui;
    ui.setupUi(page);
    bind(*this, ui);
    Wire_Sidebar_Controls(page);
}
