// The object panels of the sidebar filled from one card object: every field of its class into its
// control, steppers and their fields both set, opacities as percent, border styles as list indexes.
// Filling runs with Not_Draw_Only_Prop_Change set (Show_RHS_Properties), so the handlers the
// controls may trigger write nothing back.

#include "design/DesignController.h"

#include "barcodemode/BarcodeEditor.h"
#include "core/Globals.h"
#include "core/Utilities.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

namespace {

void check(QAbstractButton *b, bool on)
{
    if (b)
        b->setChecked(on);
}

void colour(platform::ColorWell *w, const QColor &c)
{
    if (w)
        w->setColor(c);
}

void text(QLineEdit *f, const QString &t)
{
    if (f)
        f->setText(t);
}

// A list's item by index, without the selection handlers (the fill decides what follows).
void index(QComboBox *c, int i)
{
    if (!c)
        return;
    const QSignalBlocker block(c);
    c->setCurrentIndex(i);
}

// A border style list: the code's index; a code outside the list leaves the list as it was.
void borderStyle(QComboBox *c, const QString &code)
{
    const int i = Border_Style_Index(code);
    if (i >= 0)
        index(c, i);
}

// The stepper takes the value (bounded by its range); the field shows the stepper's whole value.
void wholePair(platform::Stepper *s, QLineEdit *f, double value)
{
    if (!s)
        return;
    s->setDoubleValue(value);
    text(f, QString::number(int(std::trunc(s->doubleValue()))));
}

// The same with the field showing the stepper's value as a real number.
void realPair(platform::Stepper *s, QLineEdit *f, double value)
{
    if (!s)
        return;
    s->setDoubleValue(value);
    text(f, platform::formatPairValue(s->doubleValue(), platform::PairFormat::Real));
}

void shown(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        if (w)
            w->setVisible(on);
}

} // namespace

void DesignController::Fill_Shape_Panel(const SKTGraphic &g, bool locked)
{
    const QString code = g.Get_shape_type();
    shown({shape_cor_radius_Stepper, shape_cor_radius_Text, shape_cor_radius_Label}, false);
    shown({double_star_Label, double_star_Stepper, double_star_Text}, false);
    shown({polygon_Label, polygon_Stepper, polygon_Text}, false);
    if (!locked) {
        shown({shape_cor_radius_Stepper, shape_cor_radius_Text, shape_cor_radius_Label}, code == QLatin1String("RR"));
        shown({double_star_Label, double_star_Stepper, double_star_Text}, code == QLatin1String("DS"));
        shown({polygon_Label, polygon_Stepper, polygon_Text}, code == QLatin1String("P"));
    }
    static const QStringList codes = {QStringLiteral("R"), QStringLiteral("C"), QStringLiteral("RR"), QStringLiteral("T"),
                                      QStringLiteral("D"), QStringLiteral("S"), QStringLiteral("DS"), QStringLiteral("P")};
    index(Shape_Type_Combo, std::max(0, int(codes.indexOf(code))));
    if (shape_rotation_slidr) {
        const QSignalBlocker block(shape_rotation_slidr);
        shape_rotation_slidr->setValue(g.text_rotation);
    }
    if (shape_rotation_Stepper)
        shape_rotation_Stepper->setDoubleValue(g.text_rotation);
    text(shape_rotation_slidr_val, QString::number(g.text_rotation));

    check(Shape_border_chk, g._isDrawingStroke);
    wholePair(shape_bor_Stepper, shape_bor_Text, std::trunc(g._strokeWidth));
    colour(shape_bordr_clr, g._strokeColor);
    borderStyle(shape_border_style, g._stroke_border_type);

    check(Shape_fill_chk, g._isDrawingFill);
    colour(shape_fill_clr, g._fillColor);
    const bool gradient = g._fill_type == QLatin1String("G"), hatch = g._fill_type == QLatin1String("H");
    check(Shape_gradient_fill_rd, gradient);
    check(Shape_Style_fill_rd, hatch);
    check(Shape_solid_fill_rd, !gradient && !hatch);
    Show_Hide_Shape_Transp_Ctrl(gradient);
    colour(shape_fill_Grd_1_clr, g._fill_Grad_clr1);
    colour(shape_fill_Grd_2_clr, g._fill_Grad_clr2);
    colour(shape_hatch_bk_clr, g._fill_htch_clr);
    if (shape_hatch_style)
        index(shape_hatch_style, g._fill_hatch_type.isEmpty() ? -1 : shape_hatch_style->findText(g._fill_hatch_type));
    wholePair(shape_grad_Stepper, shape_grad_Text, g._fill_grad_angle);
    wholePair(shape_alpha_Stepper, shape_alpha_Text, Whole_Percent(g.alpha_val));
    realPair(shape_cor_radius_Stepper, shape_cor_radius_Text, g.cor_rad_val);
    wholePair(double_star_Stepper, double_star_Text, g.double_star_type);
    wholePair(polygon_Stepper, polygon_Text, g.polygon_type);

    SetObjEnabled(Shape_Border_Box, g._isDrawingStroke);
    SetObjEnabled(shape_fill_box, g._isDrawingFill);
    if (g._isDrawingFill)
        Shape_Fill_Controls_By_Type();
}

void DesignController::Fill_Line_Panel(const SKTGraphic &g)
{
    wholePair(Line_Wdt_Stepper, Line_Wdt_Text, std::trunc(g._strokeWidth));
    colour(Line_clr, g._strokeColor);
    borderStyle(Line_border_style, g._stroke_border_type);
    index(Line_ori_style, g._line_ori);
    index(Line_cap_style, g._line_cap_style);
    wholePair(Line_alpha_Stepper, Line_alpha_Text, Whole_Percent(g.alpha_val_stroke));
}

void DesignController::Fill_Text_Panel(const SKTGraphic &g)
{
    text(sel_control_name, QStringLiteral("T"));
    text(txt_ctrl_id_val, g.control_ID);
    Fill_Text_Source(g);
    check(Text_border_chk, g._isDrawingStroke);
    check(Text_fill_chk, g._isDrawingFill);
    wholePair(Text_bor_Stepper, Text_bor_Text, std::trunc(g._strokeWidth));
    colour(Text_bordr_clr, g._strokeColor);
    borderStyle(Text_border_style, g._stroke_border_type);
    colour(Text_fill_clr, g._fillColor);
    const bool gradient = g._fill_type == QLatin1String("G");
    check(Text_gradient_fill_rd, gradient);
    check(Text_solid_fill_rd, !gradient);
    Show_Hide_Text_Transp_Ctrl(gradient);
    colour(Text_fill_Grd_1_clr, g._fill_Grad_clr1);
    colour(Text_fill_Grd_2_clr, g._fill_Grad_clr2);
    wholePair(Text_grad_Stepper, Text_grad_Text, g._fill_grad_angle);
    wholePair(Text_alpha_Stepper, Text_alpha_Text, Whole_Percent(g.alpha_val));
    colour(Text_clr, g.txt_clr);
    Text_font = g.text_ctrl_font;
    text(Text_font_value, BarcodeEditor::fontDisplayText(Text_font));
    if (txt_rotation_slidr) {
        const QSignalBlocker block(txt_rotation_slidr);
        txt_rotation_slidr->setValue(g.text_rotation);
    }
    text(txt_rotation_slidr_val, QString::number(txt_rotation_slidr ? txt_rotation_slidr->value() : g.text_rotation));
    index(Text_vert_align_combo, g.text_alignmnet_Vert);
    index(Text_align_combo, g.text_alignmnet);
    index(Text_case_combo, g.text_transfrom_case);
    realPair(Text_Kern_Stepper, Text_Kern_Text, g.text_kerning);
    check(draw_shadow_chkbox, g.Drawing_Shadow);
    SetObjEnabled(shadow_box, g.Drawing_Shadow);
    colour(Shadow_clr, g.Shadow_Color);
    realPair(shadow_x_Stepper, shadow_x_Text, g.Shadow_offset_X);
    realPair(shadow_y_Stepper, shadow_y_Text, g.Shadow_offset_Y);
    realPair(shadow_blur_Stepper, shadow_blur_Text, g.Shadow_blur);
    wholePair(shadow_transp_Stepper, shadow_transp_Text, Whole_Percent(g.Shadow_transparency));

    SetObjEnabled(Text_Border_Box, g._isDrawingStroke);
    SetObjEnabled(text_fill_box, g._isDrawingFill);
    if (g._isDrawingFill)
        Text_Fill_Controls_By_Type();
}
