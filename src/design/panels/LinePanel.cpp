#include "design/panels/LinePanel.h"

#include "design/PanelValues.h"
#include "design/panels/PanelControls.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_LinePanel.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

using namespace panelcontrols;
using platform::PairFormat;

namespace {

void bind(LinePanel &c, const Ui::LinePanel &ui)
{
    // Not outlets: the page's five, the box with its layout, six labels, two rows with their layouts.
    designform::bindForm<17>(ui, FORM_OUTLET(Line_Wdt_Text), FORM_OUTLET(Line_Wdt_Stepper), FORM_OUTLET(Line_clr),
                             FORM_OUTLET(Line_border_style), FORM_OUTLET(Line_ori_style), FORM_OUTLET(Line_cap_style),
                             FORM_OUTLET(Line_alpha_Text), FORM_OUTLET(Line_alpha_Stepper));
}

} // namespace

LinePanel::LinePanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::LinePanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    fillBorderStyles(Line_border_style);

    onPair(Line_Wdt_Stepper, Line_Wdt_Text, this, [this](QObject *s) { Line_Width_Changed(s); });
    onWell(Line_clr, this, [this](QObject *s) { Set_LineControl_Clr(s); });
    onPair(Line_alpha_Stepper, Line_alpha_Text, this, [this](QObject *s) { Line_Alpha_Changed(s); });
    onSelection({Line_border_style, Line_ori_style, Line_cap_style}, this,
                [this](QComboBox *l) { comboBoxSelectionDidChange(l); });
}

LinePanel::~LinePanel() = default;

void LinePanel::Fill_Line_Panel(const SKTGraphic &g)
{
    wholePair(Line_Wdt_Stepper, Line_Wdt_Text, std::trunc(g._strokeWidth));
    colour(Line_clr, g._strokeColor);
    borderStyle(Line_border_style, g._stroke_border_type);
    index(Line_ori_style, g._line_ori);
    index(Line_cap_style, g._line_cap_style);
    wholePair(Line_alpha_Stepper, Line_alpha_Text, Whole_Percent(g.alpha_val_stroke));
}

LinePanelValues LinePanel::Read_Line_Panel() const
{
    LinePanelValues v;
    v.strokeColor = colorOf(Line_clr);
    v.strokeWidth = wholeOf(Line_Wdt_Stepper);
    v.borderType = Border_Style_Code(indexOf(Line_border_style));
    v.capStyle = std::max(indexOf(Line_cap_style), 0);   // no selection stores 0
    v.orientation = std::max(indexOf(Line_ori_style), 0);
    v.strokeAlpha = float(valueOf(Line_alpha_Stepper) / 100.0);
    return v;
}

void LinePanel::Set_LineControl_Clr(QObject *sender)
{
    emit colorChosen(wellColour(sender));
    emit transferRequested();
}

void LinePanel::Line_Alpha_Changed(QObject *sender)
{
    if (!takePair(sender, Line_alpha_Stepper, Line_alpha_Text, PairFormat::Integer,
                  {QStringLiteral("opacity"), QStringLiteral("percent")}))
        return;
    emit transferRequested();
}

void LinePanel::Line_Width_Changed(QObject *sender)
{
    if (!takePair(sender, Line_Wdt_Stepper, Line_Wdt_Text, PairFormat::Integer,
                  {QStringLiteral("line width"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void LinePanel::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (combo && (combo == Line_border_style || combo == Line_ori_style || combo == Line_cap_style))
        emit transferRequested();
}

// The meta-object code here rather than in the library's shared file: a change to this header
// then rebuilds only the files that use the page.
#include "moc_LinePanel.cpp"
