#include "design/panels/TextPropertiesPanel.h"

#include "core/Utilities.h"
#include "design/PanelValues.h"
#include "design/panels/PanelControls.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_TextPropertiesPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

using namespace panelcontrols;
using platform::PairFormat;

namespace {

void bind(TextPropertiesPanel &c, const Ui::TextPropertiesPanel &ui)
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

TextPropertiesPanel::TextPropertiesPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TextPropertiesPanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    fillBorderStyles(Text_border_style);

    onClick(Text_border_chk, this, [this] { Text_Border_ChkBox(); });
    onPair(Text_bor_Stepper, Text_bor_Text, this, [this](QObject *s) { Text_Border_Changed(s); });
    onClick(Text_fill_chk, this, [this] { Text_Fill_Chk_Box(); });
    onClick(Text_solid_fill_rd, this, [this] { Text_Solid_RD_Sel(); });
    onClick(Text_gradient_fill_rd, this, [this] { Text_Gradient_RD_Sel(); });
    for (platform::ColorWell *w : {Text_bordr_clr, Text_fill_clr, Text_fill_Grd_1_clr, Text_fill_Grd_2_clr})
        onWell(w, this, [this](QObject *s) { Set_TextControl_Clr(s); });
    onPair(Text_grad_Stepper, Text_grad_Text, this, [this](QObject *s) { Text_Gradient_Changed(s); });
    onPair(Text_alpha_Stepper, Text_alpha_Text, this, [this](QObject *s) { Text_Alpha_Changed(s); });
    onClick(draw_shadow_chkbox, this, [this] { Draw_Shadow_ChkBox(); });
    onWell(Shadow_clr, this, [this](QObject *s) { Set_Shadow_Clr(s); });
    onPair(shadow_x_Stepper, shadow_x_Text, this, [this](QObject *s) { Shadow_X_Changed(s); });
    onPair(shadow_y_Stepper, shadow_y_Text, this, [this](QObject *s) { Shadow_Y_Changed(s); });
    onPair(shadow_blur_Stepper, shadow_blur_Text, this, [this](QObject *s) { Shadow_Blur_Changed(s); });
    onPair(shadow_transp_Stepper, shadow_transp_Text, this, [this](QObject *s) { Shadow_Transp_Changed(s); });
    onSelection({Text_border_style}, this, [this](QComboBox *l) { comboBoxSelectionDidChange(l); });
}

TextPropertiesPanel::~TextPropertiesPanel() = default;

void TextPropertiesPanel::Fill_Text_Panel(const SKTGraphic &g)
{
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

void TextPropertiesPanel::Read_Text_Panel(TextPanelValues &v) const
{
    v.stroke.on = isOn(Text_border_chk);
    v.stroke.color = colorOf(Text_bordr_clr);
    v.stroke.width = wholeOf(Text_bor_Stepper);
    v.stroke.borderType = Border_Style_Code(indexOf(Text_border_style));
    v.fill = isOn(Text_fill_chk);
    v.fillColor = colorOf(Text_fill_clr);
    // A text keeps its gradient choice even while its fill is off.
    v.fillType = isOn(Text_gradient_fill_rd) ? QStringLiteral("G") : QStringLiteral("S");
    v.gradient1 = colorOf(Text_fill_Grd_1_clr);
    v.gradient2 = colorOf(Text_fill_Grd_2_clr);
    v.gradientAngle = valueOf(Text_grad_Stepper);
    v.alpha = float(valueOf(Text_alpha_Stepper) / 100.0);
    v.shadow = isOn(draw_shadow_chkbox);
    v.shadowColor = colorOf(Shadow_clr);
    v.shadowX = float(valueOf(shadow_x_Stepper));
    v.shadowY = float(valueOf(shadow_y_Stepper));
    v.shadowBlur = float(valueOf(shadow_blur_Stepper));
    v.shadowTransparency = float(valueOf(shadow_transp_Stepper) / 100.0);
}

void TextPropertiesPanel::Show_Hide_Text_Transp_Ctrl(bool hide)
{
    shown({text_alpha_lbl, Text_alpha_Stepper, Text_alpha_Text}, !hide);
}

void TextPropertiesPanel::Text_Fill_Controls_By_Type()
{
    const bool gradient = isOn(Text_gradient_fill_rd);
    enabled({Text_fill_Grd_1_clr, Text_fill_Grd_2_clr, Text_grad_Text, Text_grad_Stepper}, gradient);
    enabled({Text_fill_clr}, !gradient);
}

// ---- Colour wells, check boxes and fill types ----

void TextPropertiesPanel::Set_TextControl_Clr(QObject *sender)
{
    emit colorChosen(wellColour(sender));
    emit transferRequested();
}

void TextPropertiesPanel::Set_Shadow_Clr(QObject *sender)
{
    emit colorChosen(wellColour(sender));
    emit transferRequested();
}

void TextPropertiesPanel::Text_Border_ChkBox()
{
    SetObjEnabled(Text_Border_Box, isOn(Text_border_chk));
    emit transferRequested();
}

void TextPropertiesPanel::Text_Fill_Chk_Box()
{
    const bool on = isOn(Text_fill_chk);
    SetObjEnabled(text_fill_box, on);
    if (on)
        Text_Fill_Controls_By_Type();
    emit transferRequested();
}

void TextPropertiesPanel::Draw_Shadow_ChkBox()
{
    SetObjEnabled(shadow_box, isOn(draw_shadow_chkbox));
    emit transferRequested();
}

void TextPropertiesPanel::Text_Solid_RD_Sel()
{
    choose(Text_solid_fill_rd, {Text_gradient_fill_rd});
    Show_Hide_Text_Transp_Ctrl(false);
    Text_Fill_Controls_By_Type();
    emit transferRequested();
}

void TextPropertiesPanel::Text_Gradient_RD_Sel()
{
    choose(Text_gradient_fill_rd, {Text_solid_fill_rd});
    Show_Hide_Text_Transp_Ctrl(true);
    Text_Fill_Controls_By_Type();
    emit transferRequested();
}

// ---- Stepper pairs ----
// Each pair's halves agree again (the stepper's value into the field when the stepper sent the
// change, the field's bounded value into the stepper when the field did), then the transfer.

void TextPropertiesPanel::Text_Border_Changed(QObject *sender)
{
    if (!takePair(sender, Text_bor_Stepper, Text_bor_Text, PairFormat::Integer,
                  {QStringLiteral("border width"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void TextPropertiesPanel::Text_Gradient_Changed(QObject *sender)
{
    if (!takePair(sender, Text_grad_Stepper, Text_grad_Text, PairFormat::Integer,
                  {QStringLiteral("gradient angle"), QStringLiteral("degrees")}))
        return;
    emit transferRequested();
}

void TextPropertiesPanel::Text_Alpha_Changed(QObject *sender)
{
    if (!takePair(sender, Text_alpha_Stepper, Text_alpha_Text, PairFormat::Integer,
                  {QStringLiteral("opacity"), QStringLiteral("percent")}))
        return;
    emit transferRequested();
}

void TextPropertiesPanel::Shadow_X_Changed(QObject *sender)
{
    if (!takePair(sender, shadow_x_Stepper, shadow_x_Text, PairFormat::Real,
                  {QStringLiteral("horizontal shadow offset"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void TextPropertiesPanel::Shadow_Y_Changed(QObject *sender)
{
    if (!takePair(sender, shadow_y_Stepper, shadow_y_Text, PairFormat::Real,
                  {QStringLiteral("vertical shadow offset"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void TextPropertiesPanel::Shadow_Blur_Changed(QObject *sender)
{
    if (!takePair(sender, shadow_blur_Stepper, shadow_blur_Text, PairFormat::Real,
                  {QStringLiteral("shadow blur"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void TextPropertiesPanel::Shadow_Transp_Changed(QObject *sender)
{
    if (!takePair(sender, shadow_transp_Stepper, shadow_transp_Text, PairFormat::Integer,
                  {QStringLiteral("shadow opacity"), QStringLiteral("percent")}))
        return;
    emit transferRequested();
}

void TextPropertiesPanel::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (combo && combo == Text_border_style)
        emit transferRequested();
}

// The meta-object code here rather than in the library's shared file: a change to this header
// then rebuilds only the files that use the page.
#include "moc_TextPropertiesPanel.cpp"
