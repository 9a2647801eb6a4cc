#include "design/panels/SignPanel.h"

#include "core/Utilities.h"
#include "design/panels/PanelControls.h"
#include "model/SKTGraphic.h"
#include "model/StyleCodes.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_SignPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace panelcontrols;

namespace {

void bind(SignPanel &c, const Ui::SignPanel &ui)
{
    // Not outlets: the page's layout, scroll area, scrolling content and the content's layout and
    // stretch, the file box with its layout, the border box's layout, three labels, one row with its
    // layout.
    designform::bindForm<13>(ui, FORM_OUTLET(Sign_image_path), FORM_OUTLET(sign_browse_btn), FORM_OUTLET(Sign_border_chk),
                             FORM_OUTLET(Sign_Border_Box), FORM_OUTLET(Sign_bor_Text), FORM_OUTLET(Sign_bor_Stepper),
                             FORM_OUTLET(Sign_bordr_clr), FORM_OUTLET(Sign_border_style));
}

} // namespace

SignPanel::SignPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::SignPanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    platform::ui::fillCombo(Sign_border_style, Border_Style_Titles());
    Sign_border_style->setCurrentIndex(0);

    onClick(sign_browse_btn, this, [this] { Sign_Browse_Btn(); });
    onClick(Sign_border_chk, this, [this] { Sign_Border_ChkBox(); });
    onPair(Sign_bor_Stepper, Sign_bor_Text, this, [this](QObject *sender) { Sign_Border_Changed(sender); });
    onWell(Sign_bordr_clr, this, [this](QObject *sender) { Set_SignControl_Clr(sender); });
    onSelection({Sign_border_style}, this, [this](QComboBox *list) { comboBoxSelectionDidChange(list); });
}

SignPanel::~SignPanel() = default;

void SignPanel::Fill_Sign_Panel(const SKTGraphic &g)
{
    text(Sign_image_path, g._file_path);
    check(Sign_border_chk, g._isDrawingStroke);
    wholePair(Sign_bor_Stepper, Sign_bor_Text, std::trunc(g._strokeWidth));
    colour(Sign_bordr_clr, g._strokeColor);
    borderStyle(Sign_border_style, g._stroke_border_type);
    SetObjEnabled(Sign_Border_Box, g._isDrawingStroke);
}

SignPanelValues SignPanel::Read_Sign_Panel() const
{
    SignPanelValues v;
    v.stroke.on = isOn(Sign_border_chk);
    v.stroke.color = Sign_bordr_clr->color();
    v.stroke.width = Sign_bor_Stepper->intValue();
    v.stroke.borderType = Border_Style_Code(Sign_border_style->currentIndex());
    v.filePath = Sign_image_path->text();
    return v;
}

void SignPanel::Sign_Browse_Btn()
{
    platform::OpenPanelRequest request;
    request.extensions = {QStringLiteral("png"), QStringLiteral("PNG")};
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty())
        return;
    Sign_image_path->setText(chosen.first());
    emit transferRequested();
}

void SignPanel::Sign_Border_ChkBox()
{
    SetObjEnabled(Sign_Border_Box, isOn(Sign_border_chk));
    emit transferRequested();
}

void SignPanel::Sign_Border_Changed(QObject *sender)
{
    if (!takePair(sender, Sign_bor_Stepper, Sign_bor_Text, platform::PairFormat::Integer,
                  {QStringLiteral("border width"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void SignPanel::Set_SignControl_Clr(QObject *sender)
{
    auto *well = qobject_cast<platform::ColorWell *>(sender);
    emit colorChosen(well ? well->color() : QColor());
    emit transferRequested();
}

void SignPanel::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (combo == Sign_border_style)
        emit transferRequested();
}

#include "moc_SignPanel.cpp"
