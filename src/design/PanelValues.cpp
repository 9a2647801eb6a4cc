#include "design/PanelValues.h"

#include <cmath>
#include <tuple>

#include "model/SKTGraphic.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"

std::optional<QString> Shape_Type_Code(int index)
{
    static const char *codes[] = {"R", "C", "RR", "T", "D", "S", "DS", "P"};
    if (index < 0 || index > 7)
        return std::nullopt;
    return QString::fromLatin1(codes[index]);
}

namespace {

// Border off keeps the stored colour and width, so turning it on again shows them.
void writeStroke(SKTGraphic &g, const StrokeValues &s)
{
    g._isDrawingStroke = s.on;
    if (s.on) {
        g._strokeColor = s.color;
        g._strokeWidth = double(s.width);
    }
    g._stroke_border_type = s.borderType;
}

} // namespace

void Write_Shape_Values(SKTGraphic &g, const ShapePanelValues &v)
{
    if (v.shapeCode)
        g.Set_Shape_Type(*v.shapeCode);
    writeStroke(g, v.stroke);
    g._isDrawingFill = v.fill;
    if (v.fill)
        g._fillColor = v.fillColor;
    g._fill_type = v.fillType;
    g._fill_Grad_clr1 = v.gradient1;
    g._fill_Grad_clr2 = v.gradient2;
    g._fill_grad_angle = v.gradientAngle;
    g._fill_htch_clr = v.hatchColor;
    g._fill_hatch_type = v.hatchType;
    g.alpha_val = v.alpha;
    g.cor_rad_val = v.cornerRadius;
    g.double_star_type = v.doubleStarType;
    g.polygon_type = v.polygonType;
    g.text_rotation = v.rotation;
    g.print_object = v.printObject;
}

void Write_Line_Values(SKTGraphic &g, const LinePanelValues &v)
{
    g._isDrawingStroke = true;
    g._strokeColor = v.strokeColor;
    g._strokeWidth = double(v.strokeWidth);
    g.print_object = v.printObject;
    g._stroke_border_type = v.borderType;
    g._line_cap_style = v.capStyle;
    g._line_ori = v.orientation;
    g.alpha_val_stroke = v.strokeAlpha;
}

void Write_Text_Values(SKTGraphic &g, const TextPanelValues &v)
{
    g.print_object = v.printObject;
    writeStroke(g, v.stroke);
    g._isDrawingFill = v.fill;
    if (v.fill)
        g._fillColor = v.fillColor;
    g._fill_type = v.fillType;
    g._fill_Grad_clr1 = v.gradient1;
    g._fill_Grad_clr2 = v.gradient2;
    g._fill_grad_angle = v.gradientAngle;
    g.txt_clr = v.textColor;
    g.text_ctrl_font = v.font;
    if (v.text)
        g.Set_text_value(*v.text);
    g.alpha_val = v.alpha;
    g.text_alignmnet_Vert = v.verticalAlignment;
    g.text_alignmnet = v.alignment;
    g.text_transfrom_case = v.textCase;
    g.text_kerning = v.kerning;
    g.Drawing_Shadow = v.shadow;
    g.text_rotation = v.rotation;
    g.Shadow_Color = v.shadowColor;
    g.Shadow_offset_X = v.shadowX;
    g.Shadow_offset_Y = v.shadowY;
    g.Shadow_blur = v.shadowBlur;
    g.Shadow_transparency = v.shadowTransparency;
}

void Write_Image_Values(SKTGraphic &g, const ImagePanelValues &v)
{
    g.print_object = v.printObject;
    writeStroke(g, v.stroke);
    g._isFlippedHorizontally = v.flipH;
    g._isFlippedVertically = v.flipV;
    g.invert_clr = v.invert;
    g.gray_Scale = v.gray;
    g.Sepia = v.sepia;
    g.img_trnsp_val = v.transparency;
    g.rotate_image = v.rotation;
    g.hue_val = v.hue;
    g.sat_val = v.saturation;
    g.brt_val = v.brightness;
    g.con_val = v.contrast;
    g.srp_val = v.sharpen;
    g.ev_val = v.exposure;
    g.blr_val = v.blur;
    if (v.filePath)
        g._file_path = *v.filePath;
}

void Write_Sign_Values(SKTGraphic &g, const SignPanelValues &v)
{
    g.print_object = v.printObject;
    writeStroke(g, v.stroke);
}

int Whole_Percent(float fraction)
{
    // 0.01f is a hair under 0.01: without the nudge it would truncate to 0.
    return int(std::trunc(double(fraction) * 100.0 + 1e-4));
}

void Write_Card_Values(Card_Property &card, const CardPanelValues &v)
{
    // Border and fill off keep the stored colours and width for the next time they are turned on.
    card.Card_border_chk = v.border;
    if (v.border) {
        card.Card_bordr_clr = v.borderColor;
        card.Card_bor_Stepper = v.borderWidth;
    }
    if (v.borderStyle)
        card.Card_border_style = *v.borderStyle;
    card.Card_fill_chk = v.fill;
    if (v.fill)
        card.Card_fill_clr = v.fillColor;
    card.Card_fill_style = v.fillStyle;
    card.Card_fill_Grd_1_clr = v.gradient1;
    card.Card_fill_Grd_2_clr = v.gradient2;
    card.Card_grad_Stepper = v.gradientAngle;
    card.Card_hatch_bk_clr = v.hatchColor;
    card.Card_hatch_style = v.hatchStyle;
    card.Card_BG_Image_Path = v.imagePath;
    card.Card_BG_Image_Layout = v.imageLayout;
    card.Card_alpha_Stepper = v.alpha;
    card.Card_Content_clr = v.contentColor;
    card.Card_Content_font = v.contentFont;

    card.Card_Side = QStringLiteral("1");
    card.Card_Side_Name = QStringLiteral("F");
    card.Card_Shape = v.shape == 0 ? QStringLiteral("R") : v.shape == 1 ? QStringLiteral("RR") : QStringLiteral("E");
    card.Card_Name = v.name;
    card.Card_Location = QPointF(0, 0);
    card.Card_Preset = v.preset;
    card.Card_Category = v.category;
    card.Card_Sub_Category = v.name;
    card.Card_Cat_index = 0;
    card.Card_Create_Mode = QStringLiteral("W");

    card.Watermark_Used = v.watermark;
    card.Watermark_Alignment = v.watermarkAlignment;
    card.Watermark_Transp = v.watermarkTransparency;
    card.Watermark_Text = v.watermarkText;
    card.Watermark_Color = v.watermarkColor;
    card.Watermark_Font = v.watermarkFont;
}

bool Same_Card_Settings(const Card_Property &a, const Card_Property &b)
{
    const auto fields = [](const Card_Property &c) {
        return std::tie(c.Card_border_chk, c.Card_fill_chk, c.Card_bordr_clr, c.Card_fill_clr, c.Card_fill_Grd_1_clr,
                        c.Card_fill_Grd_2_clr, c.Card_hatch_bk_clr, c.Card_bor_Stepper, c.Card_grad_Stepper,
                        c.Card_Cat_index, c.Card_alpha_Stepper, c.Card_border_style, c.Card_fill_style,
                        c.Card_hatch_style, c.Card_Side, c.Card_Side_Name, c.Card_Shape, c.Card_Name, c.Card_Location,
                        c.Card_Size, c.Card_Preset, c.Card_Category, c.Card_Sub_Category, c.Card_Create_Mode,
                        c.Card_BG_Image, c.Card_BG_Image_Path, c.Card_BG_Image_Layout, c.Card_Content_clr,
                        c.Card_Content_font, c.Watermark_Used, c.Watermark_Text, c.Watermark_Color, c.Watermark_Font,
                        c.Watermark_Alignment, c.Watermark_Transp);
    };
    return fields(a) == fields(b);
}
