#include "design/panels/CardBorderPanel.h"

#include "platform/FontNames.h"
#include "core/Globals.h"
#include "core/Mode.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/PanelValues.h"
#include "design/PropFillGuard.h"
#include "design/panels/PanelControls.h"
#include "model/StyleCodes.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "platform/TextNotifications.h"
#include "model/Card_Property.h"

#include "ui_CardBorderPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <exception>
#include <optional>

namespace {

void bind(CardBorderPanel &c, const Ui::CardBorderPanel &ui)
{
    // Not outlets: the page's five, the two boxes' layouts, eight labels, three rows with their layouts.
    designform::bindForm<21>(
        ui, FORM_OUTLET(Card_border_chk), FORM_OUTLET(Card_Border_Box), FORM_OUTLET(Card_bordr_clr),
        FORM_OUTLET(Card_bor_Text), FORM_OUTLET(Card_bor_Stepper), FORM_OUTLET(Card_border_style),
        FORM_OUTLET(enable_watermark_chk), FORM_OUTLET(watermark_box), FORM_OUTLET(watermark_text),
        FORM_OUTLET(wm_alignment_combo), FORM_OUTLET(wm_transp_slider), FORM_OUTLET(wm_transp_val),
        FORM_OUTLET(watermark_color), FORM_OUTLET(wm_font_value), FORM_OUTLET(wm_font_btn));
}

bool isOn(const QAbstractButton *b) { return b->isChecked(); }

} // namespace

CardBorderPanel::CardBorderPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::CardBorderPanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    platform::ui::fillCombo(Card_border_style, Border_Style_Titles());
    Card_border_style->setCurrentIndex(0);
    // A new design's border width and watermark font.
    Card_bor_Text->setText(QStringLiteral("3"));
    Card_bor_Stepper->setIntValue(3);
    WM_Text_font = QFont(Text_Ctrl_Font);
    WM_Text_font.setPointSizeF(Text_Ctrl_Font_Size);

    // Only the user's actions reach the handlers; filling the controls from code sends nothing.
    connect(Card_border_chk, &QAbstractButton::clicked, this, [this] { Card_Border_ChkBox(); });
    connect(Card_bordr_clr, &platform::ColorWell::colorChanged, this, [this] { Set_Card_Clr(Card_bordr_clr); });
    platform::connectPair(Card_bor_Stepper, Card_bor_Text, this, [this](QObject *sender) { Card_Border_Changed(sender); });
    connect(enable_watermark_chk, &QAbstractButton::clicked, this, [this] { Enable_Watermark_Clicked(); });
    // The slider acts once it is let go, and at once for keyboard and page steps.
    connect(wm_transp_slider, &QSlider::valueChanged, this, [this] {
        if (!wm_transp_slider->isSliderDown())
            WM_transp_slider_changed();
    });
    connect(wm_transp_slider, &QSlider::sliderReleased, this, [this] { WM_transp_slider_changed(); });
    panelcontrols::onSliderNumber(wm_transp_slider, wm_transp_val, this,
                                  {QStringLiteral("watermark opacity"), QStringLiteral("percent")},
                                  [this] { WM_transp_slider_changed(); });
    connect(watermark_color, &platform::ColorWell::colorChanged, this, [this] { storeCard(); });
    connect(wm_font_btn, &QAbstractButton::clicked, this, [this] { WM_Text_Font_Changed(); });
    // The lists act on every change of their selection, a choice made from code included; the
    // window's own dispatch leaves them to this page.
    for (QComboBox *combo : {wm_alignment_combo, Card_border_style}) {
        combo->setProperty("tagora_combo_dispatch", true);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    }
    connect(&platform::TextNotifications::instance(), &platform::TextNotifications::controlTextDidChange, this,
            [this](QObject *field) { controlTextDidChange(field); });
}

CardBorderPanel::~CardBorderPanel() = default;

void CardBorderPanel::storeCard()
{
    // A fill in progress stores nothing: the card is where the values come from.
    if (!Not_Draw_Only_Prop_Change)
        emit cardChanged();
}

void CardBorderPanel::Fill_Card_Border_Panel(const Card_Property &card)
{
    const PropFillGuard filling;
    // Border
    Card_border_chk->setChecked(card.Card_border_chk);
    Card_bordr_clr->setColor(card.Card_bordr_clr);
    Card_bor_Stepper->setDoubleValue(card.Card_bor_Stepper);
    Card_bor_Text->setText(QString::number(int(Card_bor_Stepper->doubleValue())));
    const int style = Border_Style_Index(card.Card_border_style);
    if (style >= 0)
        Card_border_style->setCurrentIndex(style);
    Enable_Border_Box();
    // Watermark
    enable_watermark_chk->setChecked(card.Watermark_Used);
    wm_alignment_combo->setCurrentIndex(card.Watermark_Alignment);
    const int transparency = std::min(100, Whole_Percent(card.Watermark_Transp));
    {
        const QSignalBlocker block(wm_transp_slider);
        wm_transp_slider->setValue(transparency);
    }
    wm_transp_val->setText(QString::number(transparency));
    watermark_text->setText(card.Watermark_Text);
    watermark_color->setColor(card.Watermark_Color);
    WM_Text_font = card.Watermark_Font;
    Enable_Watermark_Clicked();
    wm_font_value->setText(platform::fontDisplayText(WM_Text_font));
}

void CardBorderPanel::Read_Card_Border_Panel(CardPanelValues &values) const
{
    values.border = isOn(Card_border_chk);
    values.borderColor = Card_bordr_clr->color();
    values.borderWidth = Card_bor_Stepper->intValue();
    const int style = Card_border_style->currentIndex();
    values.borderStyle = style >= 0 && style <= 4 ? std::optional<QString>(Border_Style_Code(style)) : std::nullopt;
    values.watermark = isOn(enable_watermark_chk);
    values.watermarkAlignment = wm_alignment_combo->currentIndex();
    values.watermarkTransparency = float(wm_transp_slider->value() / 100.0);
    values.watermarkText = watermark_text->text();
    values.watermarkColor = watermark_color->color();
    values.watermarkFont = WM_Text_font;
}

void CardBorderPanel::Enable_Border_Box() { Card_Border_Box->setEnabled(isOn(Card_border_chk)); }

void CardBorderPanel::Card_Border_ChkBox()
{
    SetObjEnabled(Card_Border_Box, isOn(Card_border_chk));
    storeCard();
}

void CardBorderPanel::Card_Border_Changed(QObject *sender)
{
    if (!panelcontrols::takePair(sender, Card_bor_Stepper, Card_bor_Text, platform::PairFormat::Integer,
                                 {QStringLiteral("border width"), QStringLiteral("pt")}))
        return;
    storeCard();
}

void CardBorderPanel::Set_Card_Clr(QObject *sender)
{
    if (auto *well = qobject_cast<platform::ColorWell *>(sender))
        emit colorChosen(well->color());
    storeCard();
}

void CardBorderPanel::Enable_Watermark_Clicked()
{
    SetObjEnabled(watermark_box, isOn(enable_watermark_chk));
    storeCard();
}

void CardBorderPanel::WM_transp_slider_changed()
{
    wm_transp_val->setText(QString::number(wm_transp_slider->value()));
    storeCard();
}

void CardBorderPanel::WM_Text_Font_Changed()
{
    try {
        if (const std::optional<QFont> picked = platform::chooseFont(WM_Text_font))
            changewmTextFont(*picked);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    storeCard();
}

void CardBorderPanel::changewmTextFont(const QFont &font)
{
    WM_Text_font = font;
    wm_font_value->setText(platform::fontDisplayText(WM_Text_font));
}

void CardBorderPanel::comboBoxSelectionDidChange(QComboBox *C)
{
    if (!C)
        return;
    if (C->count() > 0 && C->currentIndex() >= 0 && C->isEditable())
        C->setEditText(C->itemText(C->currentIndex()));
    storeCard();
}

void CardBorderPanel::controlTextDidChange(QObject *field)
{
    if (field && field == watermark_text)
        emit watermarkTextEdited();
}
