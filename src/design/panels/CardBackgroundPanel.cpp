#include "design/panels/CardBackgroundPanel.h"

#include "core/Mode.h"
#include "core/UserFolders.h"
#include "core/Utilities.h"
#include "design/PanelValues.h"
#include "design/PropFillGuard.h"
#include "design/panels/PanelControls.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "model/Card_Property.h"

#include "ui_CardBackgroundPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

void bind(CardBackgroundPanel &c, const Ui::CardBackgroundPanel &ui)
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

// The hatch patterns of the resource folder by name, sorted in character order.
QStringList hatchPatternNames()
{
    QStringList names;
    const QDir patterns(Resource_Path + QStringLiteral("/Fill_Style_Image"));
    for (const QString &entry : patterns.entryList(QDir::Files | QDir::Hidden)) {
        const int dot = int(entry.lastIndexOf(QLatin1Char('.')));
        names << (dot > 0 ? entry.left(dot) : entry);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    return names;
}

bool isOn(const QAbstractButton *b) { return b->isChecked(); }

} // namespace

CardBackgroundPanel::CardBackgroundPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CardBackgroundPanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    const QStringList patterns = hatchPatternNames();
    Card_hatch_style->addItems(patterns);
    if (!patterns.isEmpty())
        Card_hatch_style->setCurrentIndex(0);

    // Only the user's actions reach the handlers; filling the controls from code sends nothing.
    auto click = [this](QAbstractButton *b, void (CardBackgroundPanel::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    click(Card_fill_chk, &CardBackgroundPanel::Card_Fill_Chk_Box);
    click(Card_solid_fill_rd, &CardBackgroundPanel::Card_Solid_RD_Sel);
    click(Card_gradient_fill_rd, &CardBackgroundPanel::Card_Gradient_RD_Sel);
    click(Card_Style_fill_rd, &CardBackgroundPanel::Card_Hatch_RD_Sel);
    click(Card_Image_fill_rd, &CardBackgroundPanel::Card_Image_RD_Sel);
    click(card_image_browse_btn, &CardBackgroundPanel::Card_Image_Browse_Btn);
    click(card_image_library_btn, &CardBackgroundPanel::Card_Image_Library_Btn);
    for (platform::ColorWell *w : {Card_fill_clr, Card_fill_Grd_1_clr, Card_fill_Grd_2_clr, Card_hatch_bk_clr})
        connect(w, &platform::ColorWell::colorChanged, this, [this, w] { Set_Card_Clr(w); });
    platform::connectPair(Card_grad_Stepper, Card_grad_Text, this, [this](QObject *sender) { Card_Gradient_Changed(sender); });
    platform::connectPair(Card_alpha_Stepper, Card_alpha_Text, this, [this](QObject *sender) { Card_Alpha_Changed(sender); });
    // The lists act on every change of their selection, a choice made from code included; the
    // window's own dispatch leaves them to this page.
    for (QComboBox *combo : {Card_hatch_style, Card_image_layout}) {
        combo->setProperty("tagora_combo_dispatch", true);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    }
}

CardBackgroundPanel::~CardBackgroundPanel() = default;

void CardBackgroundPanel::storeCard()
{
    // A fill in progress stores nothing: the card is where the values come from.
    if (!Not_Draw_Only_Prop_Change)
        emit cardChanged();
}

void CardBackgroundPanel::Fill_Card_Background_Panel(const Card_Property &card)
{
    const PropFillGuard filling;
    Card_fill_chk->setChecked(card.Card_fill_chk);
    Card_fill_clr->setColor(card.Card_fill_clr);
    Card_fill_Grd_1_clr->setColor(card.Card_fill_Grd_1_clr);
    Card_fill_Grd_2_clr->setColor(card.Card_fill_Grd_2_clr);
    Card_grad_Stepper->setDoubleValue(card.Card_grad_Stepper);
    Card_grad_Text->setText(QString::number(int(Card_grad_Stepper->doubleValue())));
    Card_hatch_bk_clr->setColor(card.Card_hatch_bk_clr);
    if (card.Card_fill_style == QLatin1String("H"))
        Card_hatch_style->setCurrentIndex(card.Card_hatch_style.isEmpty() ? -1 : Card_hatch_style->findText(card.Card_hatch_style));
    // Opacity: percent, whole, at most 100 (a stored 1 or more is opaque).
    const int opacity = std::min(100, Whole_Percent(card.Card_alpha_Stepper));
    Card_alpha_Stepper->setDoubleValue(opacity);
    Card_alpha_Text->setText(QString::number(opacity));
    // Background picture
    Card_Image_path->setPlainText(card.Card_BG_Image_Path);
    const int layout = Card_image_layout->findText(card.Card_BG_Image_Layout);
    if (layout >= 0)
        Card_image_layout->setCurrentIndex(layout);
}

void CardBackgroundPanel::Read_Card_Background_Panel(CardPanelValues &values) const
{
    values.fill = isOn(Card_fill_chk);
    values.fillColor = Card_fill_clr->color();
    if (isOn(Card_gradient_fill_rd))
        values.fillStyle = QStringLiteral("G");
    else if (isOn(Card_Style_fill_rd))
        values.fillStyle = QStringLiteral("H");
    else if (isOn(Card_Image_fill_rd))
        values.fillStyle = QStringLiteral("I");
    else
        values.fillStyle = QStringLiteral("S");
    values.gradient1 = Card_fill_Grd_1_clr->color();
    values.gradient2 = Card_fill_Grd_2_clr->color();
    values.gradientAngle = int(Card_grad_Stepper->doubleValue());
    values.hatchColor = Card_hatch_bk_clr->color();
    values.hatchStyle = Card_hatch_style->currentText();
    values.imagePath = Card_Image_path->toPlainText();
    values.imageLayout = Card_image_layout->currentText();
    values.alpha = float(Card_alpha_Stepper->doubleValue() / 100.0);
}

void CardBackgroundPanel::card_prop_set(const QString &fillCode)
{
    enum class Fill { Solid, Gradient, Hatch, Image };
    Fill fill = Fill::Solid;
    if (fillCode == QLatin1String("G"))
        fill = Fill::Gradient;
    else if (fillCode == QLatin1String("H"))
        fill = Fill::Hatch;
    else if (fillCode == QLatin1String("I"))
        fill = Fill::Image;

    // The chosen radio first: switching it on turns the others of its group off.
    QRadioButton *radios[] = {Card_solid_fill_rd, Card_gradient_fill_rd, Card_Style_fill_rd, Card_Image_fill_rd};
    QRadioButton *chosen = radios[int(fill)];
    chosen->setChecked(true);
    for (QRadioButton *r : radios)
        if (r != chosen)
            r->setChecked(false);

    bool hideOpacity = false;
    if (fill == Fill::Gradient)
        hideOpacity = true;
    else if (fill == Fill::Image)
        hideOpacity = Card_image_layout->currentText() == QLatin1String("Tile");
    Show_Hide_Card_Transp_Ctrl(hideOpacity);

    Card_fill_clr->setEnabled(fill == Fill::Solid);
    for (QWidget *w : {static_cast<QWidget *>(Card_fill_Grd_1_clr), static_cast<QWidget *>(Card_fill_Grd_2_clr),
                       static_cast<QWidget *>(Card_grad_Text), static_cast<QWidget *>(Card_grad_Stepper)})
        w->setEnabled(fill == Fill::Gradient);
    Card_hatch_style->setEnabled(fill == Fill::Hatch);
    Card_hatch_bk_clr->setEnabled(fill == Fill::Hatch);
    Card_image_box->setEnabled(fill == Fill::Image);
    // The box follows its check box; its own enabling keeps the controls' states inside.
    Card_Fill_Box->setEnabled(isOn(Card_fill_chk));
}

void CardBackgroundPanel::Show_Hide_Card_Transp_Ctrl(bool hide)
{
    for (QWidget *w : {static_cast<QWidget *>(Card_alpha_lbl), static_cast<QWidget *>(Card_alpha_Stepper),
                       static_cast<QWidget *>(Card_alpha_Text)})
        w->setVisible(!hide);
}

void CardBackgroundPanel::Card_Fill_Chk_Box()
{
    emit fillSwitched();
    const bool on = isOn(Card_fill_chk);
    SetObjEnabled(Card_Fill_Box, on);
    SetObjEnabled(Card_image_box, on && isOn(Card_Image_fill_rd));
}

void CardBackgroundPanel::Card_Solid_RD_Sel()
{
    card_prop_set(QStringLiteral("S"));
    storeCard();
}

void CardBackgroundPanel::Card_Gradient_RD_Sel()
{
    card_prop_set(QStringLiteral("G"));
    storeCard();
}

void CardBackgroundPanel::Card_Hatch_RD_Sel()
{
    card_prop_set(QStringLiteral("H"));
    storeCard();
}

void CardBackgroundPanel::Card_Image_RD_Sel()
{
    card_prop_set(QStringLiteral("I"));
    storeCard();
}

void CardBackgroundPanel::Card_Image_Browse_Btn()
{
    platform::OpenPanelRequest request;
    request.extensions = Image_File_Types;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty())
        return;
    emit backgroundImageChosen(chosen.first());
}

void CardBackgroundPanel::Card_Image_Library_Btn() { emit libraryImageRequested(); }

void CardBackgroundPanel::Card_Gradient_Changed(QObject *sender)
{
    if (!panelcontrols::takePair(sender, Card_grad_Stepper, Card_grad_Text, platform::PairFormat::Integer,
                                 {QStringLiteral("gradient angle"), QStringLiteral("degrees")}))
        return;
    storeCard();
}

void CardBackgroundPanel::Card_Alpha_Changed(QObject *sender)
{
    if (!panelcontrols::takePair(sender, Card_alpha_Stepper, Card_alpha_Text, platform::PairFormat::Integer,
                                 {QStringLiteral("opacity"), QStringLiteral("percent")}))
        return;
    storeCard();
}

void CardBackgroundPanel::Set_Card_Clr(QObject *sender)
{
    if (auto *well = qobject_cast<platform::ColorWell *>(sender))
        emit colorChosen(well->color());
    storeCard();
}

void CardBackgroundPanel::comboBoxSelectionDidChange(QComboBox *C)
{
    if (!C)
        return;
    if (C->count() > 0 && C->currentIndex() >= 0 && C->isEditable())
        C->setEditText(C->itemText(C->currentIndex()));
    if (C == Card_image_layout)
        Show_Hide_Card_Transp_Ctrl(C->currentText() == QStringLiteral("Tile"));
    storeCard();
}
