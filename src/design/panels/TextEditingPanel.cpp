#include "design/panels/TextEditingPanel.h"

#include "platform/FontNames.h"
#include "core/Messages.h"
#include "design/PanelValues.h"
#include "design/panels/PanelControls.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_TextEditingPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <exception>

using namespace panelcontrols;
using platform::PairFormat;

namespace {

void bind(TextEditingPanel &c, const Ui::TextEditingPanel &ui)
{
    // Not outlets: the page's five, the font box with its layout, seven labels, three rows with
    // their layouts.
    designform::bindForm<20>(ui, FORM_OUTLET(txt_ctrl_id_val), FORM_OUTLET(Text_font_value), FORM_OUTLET(text_font_btn),
                             FORM_OUTLET(Text_clr), FORM_OUTLET(Text_align_combo), FORM_OUTLET(Text_vert_align_combo),
                             FORM_OUTLET(Text_case_combo), FORM_OUTLET(Text_Kern_Text), FORM_OUTLET(Text_Kern_Stepper),
                             FORM_OUTLET(txt_rotation_slidr), FORM_OUTLET(txt_rotation_slidr_val));
}

} // namespace

TextEditingPanel::TextEditingPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::TextEditingPanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);

    onClick(text_font_btn, this, [this] { Text_Font_Changed(); });
    onWell(Text_clr, this, [this](QObject *s) { Set_TextControl_Clr(s); });
    onPair(Text_Kern_Stepper, Text_Kern_Text, this, [this](QObject *s) { Text_Kerning_Changed(s); });
    onSlide(txt_rotation_slidr, this, [this] { Txt_Rotate_Slider_Changed(); });
    onSliderNumber(txt_rotation_slidr, txt_rotation_slidr_val, this,
                   {QStringLiteral("rotation"), QStringLiteral("degrees")}, [this] { Txt_Rotate_Slider_Changed(); });
    onSelection({Text_align_combo, Text_vert_align_combo, Text_case_combo}, this,
                [this](QComboBox *l) { comboBoxSelectionDidChange(l); });
}

TextEditingPanel::~TextEditingPanel() = default;

void TextEditingPanel::Share_Text_Font(QFont *font) { m_textFont = font ? font : &m_ownFont; }

void TextEditingPanel::Fill_Text_Panel(const SKTGraphic &g)
{
    text(txt_ctrl_id_val, g.control_ID);
    colour(Text_clr, g.txt_clr);
    *m_textFont = g.text_ctrl_font;
    text(Text_font_value, platform::fontDisplayText(*m_textFont));
    slide(txt_rotation_slidr, g.text_rotation);
    text(txt_rotation_slidr_val, QString::number(txt_rotation_slidr ? txt_rotation_slidr->value() : g.text_rotation));
    index(Text_vert_align_combo, g.text_alignmnet_Vert);
    index(Text_align_combo, g.text_alignmnet);
    index(Text_case_combo, g.text_transfrom_case);
    realPair(Text_Kern_Stepper, Text_Kern_Text, g.text_kerning);
}

void TextEditingPanel::Read_Text_Panel(TextPanelValues &v) const
{
    v.textColor = colorOf(Text_clr);
    v.font = *m_textFont;
    v.verticalAlignment = indexOf(Text_vert_align_combo);
    v.alignment = indexOf(Text_align_combo);
    v.textCase = indexOf(Text_case_combo);
    v.kerning = float(valueOf(Text_Kern_Stepper));
    v.rotation = txt_rotation_slidr ? txt_rotation_slidr->value() : 0;
}

void TextEditingPanel::Set_TextControl_Clr(QObject *sender)
{
    emit colorChosen(wellColour(sender));
    emit transferRequested();
}

void TextEditingPanel::Text_Kerning_Changed(QObject *sender)
{
    if (!takePair(sender, Text_Kern_Stepper, Text_Kern_Text, PairFormat::Real,
                  {QStringLiteral("letter spacing"), QStringLiteral("pt")}))
        return;
    emit transferRequested();
}

void TextEditingPanel::Txt_Rotate_Slider_Changed()
{
    if (txt_rotation_slidr && txt_rotation_slidr_val)
        txt_rotation_slidr_val->setText(QString::number(txt_rotation_slidr->value()));
    emit transferRequested();
}

void TextEditingPanel::Text_Font_Changed()
{
    try {
        if (const std::optional<QFont> picked = platform::chooseFont(*m_textFont))
            changeTextFont(*picked);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void TextEditingPanel::changeTextFont(const QFont &font)
{
    *m_textFont = font;
    text(Text_font_value, platform::fontDisplayText(*m_textFont));
    emit transferRequested();
}

void TextEditingPanel::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (combo && (combo == Text_align_combo || combo == Text_vert_align_combo || combo == Text_case_combo))
        emit transferRequested();
}

// The meta-object code here rather than in the library's shared file: a change to this header
// then rebuilds only the files that use the page.
#include "moc_TextEditingPanel.cpp"
