#include "design/PanelValues.h"

#include <QObject>
#include <QVariant>

std::optional<QString> Shape_Type_Code(int index)
{
    static const char *codes[] = {"R", "C", "RR", "T", "D", "S", "DS", "P"};
    if (index < 0 || index > 7)
        return std::nullopt;
    return QString::fromLatin1(codes[index]);
}

namespace {

void set(QObject *g, const char *field, const QVariant &value) { g->setProperty(field, value); }

// Border off keeps the stored colour and width, so turning it on again shows them.
void writeStroke(QObject *g, const StrokeValues &s)
{
    set(g, "_isDrawingStroke", s.on);
    if (s.on) {
        set(g, "_strokeColor", s.color);
        set(g, "_strokeWidth", double(s.width));
    }
    set(g, "_stroke_border_type", s.borderType);
}

} // namespace

void Write_Shape_Values(QObject *g, const ShapePanelValues &v)
{
    if (!g)
        return;
    if (v.shapeCode)
        set(g, "_shape_type", *v.shapeCode);
    writeStroke(g, v.stroke);
    set(g, "_isDrawingFill", v.fill);
    if (v.fill)
        set(g, "_fillColor", v.fillColor);
    set(g, "_fill_type", v.fillType);
    set(g, "_fill_Grad_clr1", v.gradient1);
    set(g, "_fill_Grad_clr2", v.gradient2);
    set(g, "_fill_grad_angle", v.gradientAngle);
    set(g, "_fill_htch_clr", v.hatchColor);
    set(g, "_fill_hatch_type", v.hatchType);
    set(g, "alpha_val", v.alpha);
    set(g, "cor_rad_val", v.cornerRadius);
    set(g, "double_star_type", v.doubleStarType);
    set(g, "polygon_type", v.polygonType);
    set(g, "text_rotation", v.rotation);
    set(g, "print_object", v.printObject);
}

void Write_Line_Values(QObject *g, const LinePanelValues &v)
{
    if (!g)
        return;
    set(g, "_isDrawingStroke", true);
    set(g, "_strokeColor", v.strokeColor);
    set(g, "_strokeWidth", double(v.strokeWidth));
    set(g, "print_object", v.printObject);
    set(g, "_stroke_border_type", v.borderType);
    set(g, "_line_cap_style", v.capStyle);
    set(g, "_line_ori", v.orientation);
    set(g, "alpha_val_stroke", v.strokeAlpha);
}

void Write_Text_Values(QObject *g, const TextPanelValues &v)
{
    if (!g)
        return;
    set(g, "print_object", v.printObject);
    writeStroke(g, v.stroke);
    set(g, "_isDrawingFill", v.fill);
    if (v.fill)
        set(g, "_fillColor", v.fillColor);
    set(g, "_fill_type", v.fillType);
    set(g, "_fill_Grad_clr1", v.gradient1);
    set(g, "_fill_Grad_clr2", v.gradient2);
    set(g, "_fill_grad_angle", v.gradientAngle);
    set(g, "txt_clr", v.textColor);
    set(g, "text_ctrl_font", v.font);
    if (v.text)
        set(g, "Text_Value", *v.text);
    set(g, "alpha_val", v.alpha);
    set(g, "text_alignmnet_Vert", v.verticalAlignment);
    set(g, "text_alignmnet", v.alignment);
    set(g, "text_transfrom_case", v.textCase);
    set(g, "text_kerning", v.kerning);
    set(g, "Drawing_Shadow", v.shadow);
    set(g, "text_rotation", v.rotation);
    set(g, "Shadow_Color", v.shadowColor);
    set(g, "Shadow_offset_X", v.shadowX);
    set(g, "Shadow_offset_Y", v.shadowY);
    set(g, "Shadow_blur", v.shadowBlur);
    set(g, "Shadow_transparency", v.shadowTransparency);
}

void Write_Image_Values(QObject *g, const ImagePanelValues &v)
{
    if (!g)
        return;
    set(g, "print_object", v.printObject);
    writeStroke(g, v.stroke);
    set(g, "_isFlippedHorizontally", v.flipH);
    set(g, "_isFlippedVertically", v.flipV);
    set(g, "invert_clr", v.invert);
    set(g, "gray_Scale", v.gray);
    set(g, "Sepia", v.sepia);
    set(g, "img_trnsp_val", v.transparency);
    set(g, "rotate_image", v.rotation);
    set(g, "hue_val", v.hue);
    set(g, "sat_val", v.saturation);
    set(g, "brt_val", v.brightness);
    set(g, "con_val", v.contrast);
    set(g, "srp_val", v.sharpen);
    set(g, "ev_val", v.exposure);
    set(g, "blr_val", v.blur);
    if (v.filePath)
        set(g, "_file_path", *v.filePath);
}

void Write_Sign_Values(QObject *g, const SignPanelValues &v)
{
    if (!g)
        return;
    set(g, "print_object", v.printObject);
    writeStroke(g, v.stroke);
    set(g, "_file_path", v.filePath);
}
