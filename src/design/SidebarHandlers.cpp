// The handlers of the shape, line, text and shadow panels: each does its small step (a stepper
// pair, a box's enabling, a fill type, the colour pre-step, a font) and then runs its panel's
// transfer.

#include "design/DesignController.h"

#include "barcodemode/BarcodeEditor.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <exception>

namespace {

using platform::PairFormat;

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }

void enable(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        if (w)
            w->setEnabled(on);
}

QColor wellColour(QObject *sender)
{
    auto *well = qobject_cast<platform::ColorWell *>(sender);
    return well ? well->color() : QColor();
}

// A pair's halves agree again: the stepper's value into the field when the stepper sent the
// change, the field's (bounded) value into the stepper when the field did.
void pair(QObject *sender, platform::Stepper *stepper, QLineEdit *field, PairFormat format)
{
    platform::copyPairBounded(sender, stepper, field, format);
}

} // namespace

void DesignController::Fill_And_Set_Color_Event_Generator(const QColor &color)
{
    for (const std::shared_ptr<SKTGraphic> &g : Selected_Graphic_Objects())
        if (g)
            g->setColor(color);
}

void DesignController::Shape_Fill_Controls_By_Type()
{
    const bool gradient = isOn(Shape_gradient_fill_rd);
    const bool hatch = !gradient && isOn(Shape_Style_fill_rd);
    enable({shape_fill_Grd_1_clr, shape_fill_Grd_2_clr, shape_grad_Text, shape_grad_Stepper}, gradient);
    enable({shape_hatch_style, shape_hatch_bk_clr}, hatch);
    enable({shape_fill_clr}, !gradient && !hatch);
}

void DesignController::Text_Fill_Controls_By_Type()
{
    const bool gradient = isOn(Text_gradient_fill_rd);
    enable({Text_fill_Grd_1_clr, Text_fill_Grd_2_clr, Text_grad_Text, Text_grad_Stepper}, gradient);
    enable({Text_fill_clr}, !gradient);
}

// ---- Colour wells ----

void DesignController::Set_Control_Clr(QObject *sender)
{
    Fill_And_Set_Color_Event_Generator(wellColour(sender));
    Update_Shape_Graphics();
}

void DesignController::Set_LineControl_Clr(QObject *sender)
{
    Fill_And_Set_Color_Event_Generator(wellColour(sender));
    Update_Line_Graphics();
}

void DesignController::Set_TextControl_Clr(QObject *sender)
{
    Fill_And_Set_Color_Event_Generator(wellColour(sender));
    Update_Text_Graphics();
}

void DesignController::Set_Shadow_Clr(QObject *sender)
{
    Fill_And_Set_Color_Event_Generator(wellColour(sender));
    Update_Text_Graphics();
}

// ---- Check boxes and fill types ----

void DesignController::Shape_Border_ChkBox()
{
    SetObjEnabled(Shape_Border_Box, isOn(Shape_border_chk));
    Update_Shape_Graphics();
}

void DesignController::Text_Border_ChkBox()
{
    SetObjEnabled(Text_Border_Box, isOn(Text_border_chk));
    Update_Text_Graphics();
}

void DesignController::Draw_Shadow_ChkBox()
{
    SetObjEnabled(shadow_box, isOn(draw_shadow_chkbox));
    Update_Text_Graphics();
}

void DesignController::Shape_Fill_Chk_Box()
{
    const bool on = isOn(Shape_fill_chk);
    SetObjEnabled(shape_fill_box, on);
    if (on)
        Shape_Fill_Controls_By_Type();
    Update_Shape_Graphics();
}

void DesignController::Text_Fill_Chk_Box()
{
    const bool on = isOn(Text_fill_chk);
    SetObjEnabled(text_fill_box, on);
    if (on)
        Text_Fill_Controls_By_Type();
    Update_Text_Graphics();
}

namespace {

void choose(QRadioButton *chosen, std::initializer_list<QRadioButton *> others)
{
    if (chosen)
        chosen->setChecked(true);
    for (QRadioButton *r : others)
        if (r)
            r->setChecked(false);
}

} // namespace

void DesignController::Shape_Solid_RD_Sel()
{
    choose(Shape_solid_fill_rd, {Shape_gradient_fill_rd, Shape_Style_fill_rd});
    Show_Hide_Shape_Transp_Ctrl(false);
    Shape_Fill_Controls_By_Type();
    Update_Shape_Graphics();
}

void DesignController::Shape_Gradient_RD_Sel()
{
    choose(Shape_gradient_fill_rd, {Shape_solid_fill_rd, Shape_Style_fill_rd});
    Show_Hide_Shape_Transp_Ctrl(true);
    Shape_Fill_Controls_By_Type();
    Update_Shape_Graphics();
}

void DesignController::Shape_Hatch_RD_Sel()
{
    choose(Shape_Style_fill_rd, {Shape_solid_fill_rd, Shape_gradient_fill_rd});
    Show_Hide_Shape_Transp_Ctrl(false);
    Shape_Fill_Controls_By_Type();
    Update_Shape_Graphics();
}

void DesignController::Text_Solid_RD_Sel()
{
    choose(Text_solid_fill_rd, {Text_gradient_fill_rd});
    Show_Hide_Text_Transp_Ctrl(false);
    Text_Fill_Controls_By_Type();
    Update_Text_Graphics();
}

void DesignController::Text_Gradient_RD_Sel()
{
    choose(Text_gradient_fill_rd, {Text_solid_fill_rd});
    Show_Hide_Text_Transp_Ctrl(true);
    Text_Fill_Controls_By_Type();
    Update_Text_Graphics();
}

// ---- Stepper pairs and sliders ----

void DesignController::Shape_Border_Changed(QObject *sender)
{
    pair(sender, shape_bor_Stepper, shape_bor_Text, PairFormat::Integer);
    Update_Shape_Graphics();
}

void DesignController::Shape_Gradient_Changed(QObject *sender)
{
    pair(sender, shape_grad_Stepper, shape_grad_Text, PairFormat::Integer);
    Update_Shape_Graphics();
}

void DesignController::Shape_Alpha_Changed(QObject *sender)
{
    pair(sender, shape_alpha_Stepper, shape_alpha_Text, PairFormat::Integer);
    Update_Shape_Graphics();
}

void DesignController::Double_Star_Shape_Changed(QObject *sender)
{
    pair(sender, double_star_Stepper, double_star_Text, PairFormat::Integer);
    Update_Shape_Graphics();
}

void DesignController::Polygon_Shape_Changed(QObject *sender)
{
    pair(sender, polygon_Stepper, polygon_Text, PairFormat::Integer);
    Update_Shape_Graphics();
}

void DesignController::Shape_Rotation_Changed(QObject *sender)
{
    pair(sender, shape_rotation_Stepper, shape_rotation_slidr_val, PairFormat::Real);
    // The slider shows the rotation the stepper holds.
    if (shape_rotation_slidr && shape_rotation_Stepper) {
        const QSignalBlocker block(shape_rotation_slidr);
        shape_rotation_slidr->setValue(shape_rotation_Stepper->intValue());
    }
    Update_Shape_Graphics();
}

void DesignController::Shape_Corner_Radius_Changed(QObject *sender)
{
    pair(sender, shape_cor_radius_Stepper, shape_cor_radius_Text, PairFormat::Real);
    Update_Shape_Graphics();
}

void DesignController::Shape_Rotate_Slider_Changed()
{
    if (!shape_rotation_slidr)
        return;
    const int value = shape_rotation_slidr->value();
    if (shape_rotation_slidr_val)
        shape_rotation_slidr_val->setText(QString::number(value));
    // The transfer reads the stepper: the slider's value reaches it here.
    if (shape_rotation_Stepper)
        shape_rotation_Stepper->setDoubleValue(value);
    Update_Shape_Graphics();
}

void DesignController::Line_Alpha_Changed(QObject *sender)
{
    pair(sender, Line_alpha_Stepper, Line_alpha_Text, PairFormat::Integer);
    Update_Line_Graphics();
}

void DesignController::Line_Width_Changed(QObject *sender)
{
    pair(sender, Line_Wdt_Stepper, Line_Wdt_Text, PairFormat::Integer);
    Update_Line_Graphics();
}

void DesignController::Text_Border_Changed(QObject *sender)
{
    pair(sender, Text_bor_Stepper, Text_bor_Text, PairFormat::Integer);
    Update_Text_Graphics();
}

void DesignController::Text_Gradient_Changed(QObject *sender)
{
    pair(sender, Text_grad_Stepper, Text_grad_Text, PairFormat::Integer);
    Update_Text_Graphics();
}

void DesignController::Text_Alpha_Changed(QObject *sender)
{
    pair(sender, Text_alpha_Stepper, Text_alpha_Text, PairFormat::Integer);
    Update_Text_Graphics();
}

void DesignController::Text_Kerning_Changed(QObject *sender)
{
    pair(sender, Text_Kern_Stepper, Text_Kern_Text, PairFormat::Real);
    Update_Text_Graphics();
}

void DesignController::Shadow_X_Changed(QObject *sender)
{
    pair(sender, shadow_x_Stepper, shadow_x_Text, PairFormat::Real);
    Update_Text_Graphics();
}

void DesignController::Shadow_Y_Changed(QObject *sender)
{
    pair(sender, shadow_y_Stepper, shadow_y_Text, PairFormat::Real);
    Update_Text_Graphics();
}

void DesignController::Shadow_Blur_Changed(QObject *sender)
{
    pair(sender, shadow_blur_Stepper, shadow_blur_Text, PairFormat::Real);
    Update_Text_Graphics();
}

void DesignController::Shadow_Transp_Changed(QObject *sender)
{
    pair(sender, shadow_transp_Stepper, shadow_transp_Text, PairFormat::Integer);
    Update_Text_Graphics();
}

void DesignController::Txt_Rotate_Slider_Changed()
{
    if (txt_rotation_slidr && txt_rotation_slidr_val)
        txt_rotation_slidr_val->setText(QString::number(txt_rotation_slidr->value()));
    Update_Text_Graphics();
}

// ---- Font ----

void DesignController::Choose_Font(const QFont &current, void (DesignController::*action)(const QFont &))
{
    try {
        if (const std::optional<QFont> picked = platform::chooseFont(current))
            (this->*action)(*picked);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Text_Font_Changed() { Choose_Font(Text_font, &DesignController::changeTextFont); }

void DesignController::changeTextFont(const QFont &font)
{
    Text_font = font;
    if (Text_font_value)
        Text_font_value->setText(BarcodeEditor::fontDisplayText(Text_font));
    Update_Text_Graphics();
}
