#include "design/panels/ShapePanel.h"

#include "core/Utilities.h"
#include "design/PanelValues.h"
#include "design/panels/PanelControls.h"
#include "model/GraphicStyles.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_ShapePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

using namespace panelcontrols;
using platform::PairFormat;

namespace {

void bind(ShapePanel &c, const Ui::ShapePanel &ui)
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

// The shape codes in the order of the type list.
const QStringList &shapeCodes()
{
    static const QStringList codes = {QStringLiteral("R"), QStringLiteral("C"), QStringLiteral("RR"), QStringLiteral("T"),
                                      QStringLiteral("D"), QStringLiteral("S"), QStringLiteral("DS"), QStringLiteral("P")};
    return codes;
}

} // namespace

ShapePanel::ShapePanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ShapePanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    fillBorderStyles(shape_border_style);
    // The hatch patterns of the resource folder, the first chosen.
    if (shape_hatch_style) {
        const QStringList names = graphicstyle::hatchNames();
        platform::ui::fillCombo(shape_hatch_style, names);
        if (shape_hatch_style->isEditable())
            shape_hatch_style->setEditText(QString());
        if (!names.isEmpty())
            shape_hatch_style->setCurrentIndex(0);
    }

    onSlide(shape_rotation_slidr, this, [this] { Shape_Rotate_Slider_Changed(); });
    onPair(shape_rotation_Stepper, shape_rotation_slidr_val, this, [this](QObject *s) { Shape_Rotation_Changed(s); });
    onPair(shape_cor_radius_Stepper, shape_cor_radius_Text, this, [this](QObject *s) { Shape_Corner_Radius_Changed(s); });
    onPair(double_star_Stepper, double_star_Text, this, [this](QObject *s) { Double_Star_Shape_Changed(s); });
    onPair(polygon_Stepper, polygon_Text, this, [this](QObject *s) { Polygon_Shape_Changed(s); });
    onClick(Shape_border_chk, this, [this] { Shape_Border_ChkBox(); });
    onPair(shape_bor_Stepper, shape_bor_Text, this, [this](QObject *s) { Shape_Border_Changed(s); });
    onClick(Shape_fill_chk, this, [this] { Shape_Fill_Chk_Box(); });
    onClick(Shape_solid_fill_rd, this, [this] { Shape_Solid_RD_Sel(); });
    onClick(Shape_gradient_fill_rd, this, [this] { Shape_Gradient_RD_Sel(); });
    onClick(Shape_Style_fill_rd, this, [this] { Shape_Hatch_RD_Sel(); });
    for (platform::ColorWell *w : {shape_bordr_clr, shape_fill_clr, shape_fill_Grd_1_clr, shape_fill_Grd_2_clr,
                                   shape_hatch_bk_clr})
        onWell(w, this, [this](QObject *s) { Set_Control_Clr(s); });
    onPair(shape_grad_Stepper, shape_grad_Text, this, [this](QObject *s) { Shape_Gradient_Changed(s); });
    onPair(shape_alpha_Stepper, shape_alpha_Text, this, [this](QObject *s) { Shape_Alpha_Changed(s); });
    onSelection({Shape_Type_Combo, shape_border_style, shape_hatch_style}, this,
                [this](QComboBox *l) { comboBoxSelectionDidChange(l); });
}

ShapePanel::~ShapePanel() = default;

void ShapePanel::Fill_Shape_Panel(const SKTGraphic &g, bool locked)
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
    index(Shape_Type_Combo, std::max(0, int(shapeCodes().indexOf(code))));
    slide(shape_rotation_slidr, g.text_rotation);
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

ShapePanelValues ShapePanel::Read_Shape_Panel() const
{
    ShapePanelValues v;
    v.shapeCode = Shape_Type_Code(indexOf(Shape_Type_Combo));
    v.stroke.on = isOn(Shape_border_chk);
    v.stroke.color = colorOf(shape_bordr_clr);
    v.stroke.width = wholeOf(shape_bor_Stepper);
    v.stroke.borderType = Border_Style_Code(indexOf(shape_border_style));
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
    return v;
}

void ShapePanel::Show_Hide_Shape_Transp_Ctrl(bool hide)
{
    shown({shape_alpha_lbl, shape_alpha_Stepper, shape_alpha_Text}, !hide);
}

void ShapePanel::Shape_Fill_Controls_By_Type()
{
    const bool gradient = isOn(Shape_gradient_fill_rd);
    const bool hatch = !gradient && isOn(Shape_Style_fill_rd);
    enabled({shape_fill_Grd_1_clr, shape_fill_Grd_2_clr, shape_grad_Text, shape_grad_Stepper}, gradient);
    enabled({shape_hatch_style, shape_hatch_bk_clr}, hatch);
    enabled({shape_fill_clr}, !gradient && !hatch);
}

// ---- Colour wells, check boxes and fill types ----

void ShapePanel::Set_Control_Clr(QObject *sender)
{
    emit colorChosen(wellColour(sender));
    emit transferRequested();
}

void ShapePanel::Shape_Border_ChkBox()
{
    SetObjEnabled(Shape_Border_Box, isOn(Shape_border_chk));
    emit transferRequested();
}

void ShapePanel::Shape_Fill_Chk_Box()
{
    const bool on = isOn(Shape_fill_chk);
    SetObjEnabled(shape_fill_box, on);
    if (on)
        Shape_Fill_Controls_By_Type();
    emit transferRequested();
}

void ShapePanel::Shape_Solid_RD_Sel()
{
    choose(Shape_solid_fill_rd, {Shape_gradient_fill_rd, Shape_Style_fill_rd});
    Show_Hide_Shape_Transp_Ctrl(false);
    Shape_Fill_Controls_By_Type();
    emit transferRequested();
}

void ShapePanel::Shape_Gradient_RD_Sel()
{
    choose(Shape_gradient_fill_rd, {Shape_solid_fill_rd, Shape_Style_fill_rd});
    Show_Hide_Shape_Transp_Ctrl(true);
    Shape_Fill_Controls_By_Type();
    emit transferRequested();
}

void ShapePanel::Shape_Hatch_RD_Sel()
{
    choose(Shape_Style_fill_rd, {Shape_solid_fill_rd, Shape_gradient_fill_rd});
    Show_Hide_Shape_Transp_Ctrl(false);
    Shape_Fill_Controls_By_Type();
    emit transferRequested();
}

// ---- Stepper pairs and the rotation slider ----
// Each pair's halves agree again (the stepper's value into the field when the stepper sent the
// change, the field's bounded value into the stepper when the field did), then the transfer.

void ShapePanel::Shape_Border_Changed(QObject *sender)
{
    if (!takePair(sender, shape_bor_Stepper, shape_bor_Text, PairFormat::Integer,
                  {QStringLiteral("border width"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void ShapePanel::Shape_Gradient_Changed(QObject *sender)
{
    if (!takePair(sender, shape_grad_Stepper, shape_grad_Text, PairFormat::Integer,
                  {QStringLiteral("gradient angle"), QStringLiteral("degrees")}))
        return;
    emit transferRequested();
}

void ShapePanel::Shape_Alpha_Changed(QObject *sender)
{
    if (!takePair(sender, shape_alpha_Stepper, shape_alpha_Text, PairFormat::Integer,
                  {QStringLiteral("opacity"), QStringLiteral("percent")}))
        return;
    emit transferRequested();
}

void ShapePanel::Double_Star_Shape_Changed(QObject *sender)
{
    if (!takePair(sender, double_star_Stepper, double_star_Text, PairFormat::Integer,
                  {QStringLiteral("number of points"), QString()}))
        return;
    emit transferRequested();
}

void ShapePanel::Polygon_Shape_Changed(QObject *sender)
{
    if (!takePair(sender, polygon_Stepper, polygon_Text, PairFormat::Integer,
                  {QStringLiteral("number of sides"), QString()}))
        return;
    emit transferRequested();
}

void ShapePanel::Shape_Rotation_Changed(QObject *sender)
{
    if (!takePair(sender, shape_rotation_Stepper, shape_rotation_slidr_val, PairFormat::Real,
                  {QStringLiteral("rotation"), QStringLiteral("degrees")}))
        return;
    // The slider shows the rotation the stepper holds.
    if (shape_rotation_slidr && shape_rotation_Stepper)
        slide(shape_rotation_slidr, shape_rotation_Stepper->intValue());
    emit transferRequested();
}

void ShapePanel::Shape_Corner_Radius_Changed(QObject *sender)
{
    if (!takePair(sender, shape_cor_radius_Stepper, shape_cor_radius_Text, PairFormat::Real,
                  {QStringLiteral("corner radius"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void ShapePanel::Shape_Rotate_Slider_Changed()
{
    if (!shape_rotation_slidr)
        return;
    const int value = shape_rotation_slidr->value();
    text(shape_rotation_slidr_val, QString::number(value));
    // The transfer reads the stepper: the slider's value reaches it here.
    if (shape_rotation_Stepper)
        shape_rotation_Stepper->setDoubleValue(value);
    emit transferRequested();
}

void ShapePanel::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (!combo)
        return;
    if (combo == Shape_Type_Combo) {
        const int i = combo->currentIndex();
        shown({shape_cor_radius_Stepper, shape_cor_radius_Text, shape_cor_radius_Label}, i == 2);
        shown({double_star_Label, double_star_Stepper, double_star_Text}, i == 6);
        shown({polygon_Label, polygon_Stepper, polygon_Text}, i == 7);
        emit transferRequested();
    } else if (combo == shape_border_style || combo == shape_hatch_style) {
        emit transferRequested();
    }
}

// The meta-object code here rather than in the library's shared file: a change to this header
// then rebuilds only the files that use the page.
#include "moc_ShapePanel.cpp"
