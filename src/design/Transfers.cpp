// The sidebar's object panels written into the selected objects of each panel's exact class. The
// canvas supplies the selection; each transfer reads its panel once and writes every object alike.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "design/DoubleSlider.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace {

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }
QColor colorOf(const platform::ColorWell *w) { return w ? w->color() : QColor(); }
double valueOf(const platform::Stepper *s) { return s ? s->doubleValue() : 0.0; }
int wholeOf(const platform::Stepper *s) { return s ? s->intValue() : 0; }
double sliderOf(const DoubleSlider *s) { return s ? s->doubleValue() : 0.0; }
int indexOf(const QComboBox *c) { return c ? c->currentIndex() : -1; }

StrokeValues strokeOf(const QCheckBox *check, const platform::ColorWell *well, const platform::Stepper *width,
                      const QComboBox *style)
{
    StrokeValues s;
    s.on = isOn(check);
    s.color = colorOf(well);
    s.width = wholeOf(width);
    s.borderType = Border_Style_Code(indexOf(style));
    return s;
}

bool isExactly(const QObject *object, const char *className)
{
    return object && qstrcmp(object->metaObject()->className(), className) == 0;
}

} // namespace

ShapePanelValues DesignController::Read_Shape_Panel() const
{
    ShapePanelValues v;
    v.shapeCode = Shape_Type_Code(indexOf(Shape_Type_Combo));
    v.stroke = strokeOf(Shape_border_chk, shape_bordr_clr, shape_bor_Stepper, shape_border_style);
    v.fill = isOn(Shape_fill_chk);
    v.fillColor = colorOf(shape_fill_clr);
    if (!v.fill)
        v.fillType = QStringLiteral("S");
    else if (isOn(Shape_gradient_fill_rd))
        v.fillType = QStringLiteral("G");
    else if (isOn(Shape_Style_fill_rd))
        v.fillType = QStringLiteral("H");
    else
        v.fillType = QStringLiteral("S");
    v.gradient1 = colorOf(shape_fill_Grd_1_clr);
    v.gradient2 = colorOf(shape_fill_Grd_2_clr);
    v.gradientAngle = valueOf(shape_grad_Stepper);
    v.hatchColor = colorOf(shape_hatch_bk_clr);
    v.hatchType = (shape_hatch_style && shape_hatch_style->currentIndex() >= 0) ? shape_hatch_style->currentText()
                                                                               : QString();
    v.alpha = float(valueOf(shape_alpha_Stepper) / 100.0);
    v.cornerRadius = float(valueOf(shape_cor_radius_Stepper));
    v.doubleStarType = wholeOf(double_star_Stepper);
    v.polygonType = wholeOf(polygon_Stepper);
    v.rotation = wholeOf(shape_rotation_Stepper);
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    return v;
}

LinePanelValues DesignController::Read_Line_Panel() const
{
    LinePanelValues v;
    v.strokeColor = colorOf(Line_clr);
    v.strokeWidth = wholeOf(Line_Wdt_Stepper);
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    v.borderType = Border_Style_Code(indexOf(Line_border_style));
    v.capStyle = std::max(indexOf(Line_cap_style), 0);      // no selection stores 0
    v.orientation = std::max(indexOf(Line_ori_style), 0);
    v.strokeAlpha = float(valueOf(Line_alpha_Stepper) / 100.0);
    return v;
}

TextPanelValues DesignController::Read_Text_Panel(bool singleSelection) const
{
    TextPanelValues v;
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    v.stroke = strokeOf(Text_border_chk, Text_bordr_clr, Text_bor_Stepper, Text_border_style);
    v.fill = isOn(Text_fill_chk);
    v.fillColor = colorOf(Text_fill_clr);
    // A text keeps its gradient choice even while its fill is off.
    v.fillType = isOn(Text_gradient_fill_rd) ? QStringLiteral("G") : QStringLiteral("S");
    v.gradient1 = colorOf(Text_fill_Grd_1_clr);
    v.gradient2 = colorOf(Text_fill_Grd_2_clr);
    v.gradientAngle = valueOf(Text_grad_Stepper);
    v.textColor = colorOf(Text_clr);
    v.font = Text_font;
    if (singleSelection && Text_value_Edit)
        v.text = Text_value_Edit->toPlainText();
    v.alpha = float(valueOf(Text_alpha_Stepper) / 100.0);
    v.verticalAlignment = indexOf(Text_vert_align_combo);
    v.alignment = indexOf(Text_align_combo);
    v.textCase = indexOf(Text_case_combo);
    v.kerning = float(valueOf(Text_Kern_Stepper));
    v.shadow = isOn(draw_shadow_chkbox);
    v.rotation = txt_rotation_slidr ? txt_rotation_slidr->value() : 0;
    v.shadowColor = colorOf(Shadow_clr);
    v.shadowX = float(valueOf(shadow_x_Stepper));
    v.shadowY = float(valueOf(shadow_y_Stepper));
    v.shadowBlur = float(valueOf(shadow_blur_Stepper));
    v.shadowTransparency = float(valueOf(shadow_transp_Stepper) / 100.0);
    return v;
}

ImagePanelValues DesignController::Read_Image_Panel(bool singleSelection) const
{
    ImagePanelValues v;
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    v.stroke = strokeOf(Image_border_chk, Image_bordr_clr, Image_bor_Stepper, Image_border_style);
    v.flipH = isOn(Image_FIH_chk);
    v.flipV = isOn(Image_FIV_chk);
    v.invert = isOn(Image_Invert_chk);
    v.gray = isOn(Image_Gray_Scale_chk);
    v.sepia = isOn(Image_Sepia_chk);
    v.transparency = float(sliderOf(Trsp_slidr));
    v.rotation = float(sliderOf(Rotate_slidr));
    v.hue = float(sliderOf(Hue_slidr));
    v.saturation = float(sliderOf(Sat_slidr));
    v.brightness = float(sliderOf(Brt_slidr));
    v.contrast = float(sliderOf(Con_slidr));
    v.sharpen = float(sliderOf(shrp_slidr));
    v.exposure = float(sliderOf(ev_slidr));
    v.blur = float(sliderOf(blr_slidr));
    if (singleSelection && Manual_image_path)
        v.filePath = Manual_image_path->toPlainText();
    return v;
}

SignPanelValues DesignController::Read_Sign_Panel() const
{
    SignPanelValues v;
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    v.stroke = strokeOf(Sign_border_chk, Sign_bordr_clr, Sign_bor_Stepper, Sign_border_style);
    v.filePath = Sign_image_path ? Sign_image_path->text() : QString();
    return v;
}

// Each transfer: nothing while controls are being filled or nothing is selected; otherwise the
// panel goes into every selected object of the panel's exact class, then the canvas is redrawn
// (also when no object of that class was selected).
void DesignController::Update_Shape_Graphics()
{
    const QList<QObject *> selection = Selected_Graphics();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    const ShapePanelValues v = Read_Shape_Panel();
    for (QObject *g : selection)
        if (isExactly(g, "Shape_Control"))
            Write_Shape_Values(g, v);
    Refresh_Canvas();
}

void DesignController::Update_Line_Graphics()
{
    const QList<QObject *> selection = Selected_Graphics();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    const LinePanelValues v = Read_Line_Panel();
    for (QObject *g : selection)
        if (isExactly(g, "SKTLine"))
            Write_Line_Values(g, v);
    Refresh_Canvas();
}

void DesignController::Update_Text_Graphics()
{
    const QList<QObject *> selection = Selected_Graphics();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    const TextPanelValues v = Read_Text_Panel(selection.size() == 1);
    for (QObject *g : selection)
        if (isExactly(g, "SKTText"))
            Write_Text_Values(g, v);
    Refresh_Canvas();
}

void DesignController::Update_Image_Graphics()
{
    const QList<QObject *> selection = Selected_Graphics();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    const ImagePanelValues v = Read_Image_Panel(selection.size() == 1);
    for (QObject *g : selection)
        if (isExactly(g, "SKTImage"))
            Write_Image_Values(g, v);
    Refresh_Canvas();
}

void DesignController::Update_Sign_Graphics()
{
    const QList<QObject *> selection = Selected_Graphics();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    const SignPanelValues v = Read_Sign_Panel();
    for (QObject *g : selection)
        if (isExactly(g, "SKTSignature"))
            Write_Sign_Values(g, v);
    Refresh_Canvas();
}
