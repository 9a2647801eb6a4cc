// The card's own property panel: its tab set, the fill controls by fill style, the size fields'
// enabling and the transfer of the panel into the card side's settings.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <exception>

namespace {

void enable(QWidget *w, bool on)
{
    if (w)
        w->setEnabled(on);
}

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }

} // namespace

void DesignController::Show_Hide_Card_Transp_Ctrl(bool hide)
{
    for (QWidget *w : {static_cast<QWidget *>(Card_alpha_lbl), static_cast<QWidget *>(Card_alpha_Stepper),
                       static_cast<QWidget *>(Card_alpha_Text)})
        if (w)
            w->setVisible(!hide);
}

void DesignController::card_prop_set(const QString &fillCode)
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
    if (chosen)
        chosen->setChecked(true);
    for (QRadioButton *r : radios)
        if (r && r != chosen)
            r->setChecked(false);

    bool hideOpacity = false;
    if (fill == Fill::Gradient)
        hideOpacity = true;
    else if (fill == Fill::Image)
        hideOpacity = Card_image_layout && Card_image_layout->currentText() == QLatin1String("Tile");
    Show_Hide_Card_Transp_Ctrl(hideOpacity);

    enable(Card_fill_clr, fill == Fill::Solid);
    for (QWidget *w : {static_cast<QWidget *>(Card_fill_Grd_1_clr), static_cast<QWidget *>(Card_fill_Grd_2_clr),
                       static_cast<QWidget *>(Card_grad_Text), static_cast<QWidget *>(Card_grad_Stepper)})
        enable(w, fill == Fill::Gradient);
    enable(Card_hatch_style, fill == Fill::Hatch);
    enable(Card_hatch_bk_clr, fill == Fill::Hatch);
    enable(Card_image_box, fill == Fill::Image);

    // The boxes follow their check boxes; their own enabling keeps the controls' states inside.
    enable(Card_Border_Box, isOn(Card_border_chk));
    enable(Card_Fill_Box, isOn(Card_fill_chk));
    if (sett_tab)
        sett_tab->update();
}

void DesignController::Enable_Disable_Size_Param_Acc_To_Label_Selection(bool on)
{
    for (QLineEdit *f : {width_Text, height_Text}) {
        if (!f)
            continue;
        f->setReadOnly(!on);
        f->setEnabled(on);
    }
    enable(width_Stepper, on);
    enable(height_Stepper, on);
    enable(page_frm_printer_btn, on);
}

void DesignController::Remove_All_Tab_Items()
{
    if (!sett_tab)
        return;
    while (sett_tab->count() > 0)
        sett_tab->removeTab(0);
}

void DesignController::Fill_Card_Prop_Tab()
{
    if (properties_title)
        properties_title->setText(QStringLiteral("Label Properties"));
    if (!sett_tab)
        return;
    Remove_All_Tab_Items();
    sett_tab->insertTab(0, card_info_tab, card_info_tab_label);
    sett_tab->insertTab(1, card_size_tab, card_size_tab_label);
    sett_tab->insertTab(2, card_bkgd_tab, card_bkgd_tab_label);
    sett_tab->insertTab(3, card_brdr_tab, card_brdr_tab_label);
}

void DesignController::Set_Card_Comman_Properties()
{
    Card_Property &card = *Front_card_Prop;
    card.Card_Side = QStringLiteral("1");
    card.Card_Side_Name = QStringLiteral("F");
    card.Card_Shape = Card_Shape == 0 ? QStringLiteral("R") : Card_Shape == 1 ? QStringLiteral("RR") : QStringLiteral("E");
    const QString name = card_name ? Trim_Str(card_name->text()) : QString();
    card.Card_Name = name.isNull() ? QStringLiteral("") : name;
    card.Card_Location = QPointF(0, 0);
    card.Card_Size = canvasFrameSize;
    if (Label_ComboBox)
        card.Card_Preset = Label_ComboBox->currentText();
    card.Card_Category = (Product_num_ComboBox && Product_num_ComboBox->currentIndex() >= 0)
                             ? Product_num_ComboBox->currentText()
                             : QStringLiteral("");
    card.Card_Sub_Category = card.Card_Name;
    card.Card_Cat_index = 0;
    card.Card_Create_Mode = QStringLiteral("W");
}

void DesignController::Update_Card_Graphics()
{
    if (Not_Draw_Only_Prop_Change || !Front_card_Prop)
        return;
    Card_Property &card = *Front_card_Prop;

    if (isOn(Card_border_chk)) {
        card.Card_border_chk = true;
        if (Card_bordr_clr)
            card.Card_bordr_clr = Card_bordr_clr->color();
        if (Card_bor_Stepper)
            card.Card_bor_Stepper = Card_bor_Stepper->intValue();
    } else {
        card.Card_border_chk = false;   // colour and width stay for the next time it is turned on
    }
    if (Card_border_style && Card_border_style->currentIndex() >= 0 && Card_border_style->currentIndex() <= 4)
        card.Card_border_style = Border_Style_Code(Card_border_style->currentIndex());

    if (isOn(Card_fill_chk)) {
        card.Card_fill_chk = true;
        if (Card_fill_clr)
            card.Card_fill_clr = Card_fill_clr->color();
    } else {
        card.Card_fill_chk = false;
    }
    if (isOn(Card_gradient_fill_rd))
        card.Card_fill_style = QStringLiteral("G");
    else if (isOn(Card_Style_fill_rd))
        card.Card_fill_style = QStringLiteral("H");
    else if (isOn(Card_Image_fill_rd))
        card.Card_fill_style = QStringLiteral("I");
    else
        card.Card_fill_style = QStringLiteral("S");
    if (Card_fill_Grd_1_clr)
        card.Card_fill_Grd_1_clr = Card_fill_Grd_1_clr->color();
    if (Card_fill_Grd_2_clr)
        card.Card_fill_Grd_2_clr = Card_fill_Grd_2_clr->color();
    if (Card_grad_Stepper)
        card.Card_grad_Stepper = int(Card_grad_Stepper->doubleValue());
    if (Card_hatch_bk_clr)
        card.Card_hatch_bk_clr = Card_hatch_bk_clr->color();
    if (Card_hatch_style)
        card.Card_hatch_style = Card_hatch_style->currentText();
    if (Card_Image_path)
        card.Card_BG_Image_Path = Card_Image_path->toPlainText();
    if (Card_image_layout)
        card.Card_BG_Image_Layout = Card_image_layout->currentText();
    if (Card_alpha_Stepper)
        card.Card_alpha_Stepper = float(Card_alpha_Stepper->doubleValue() / 100.0);
    if (All_Text_clr)
        card.Card_Content_clr = All_Text_clr->color();
    card.Card_Content_font = All_Text_font;

    Set_Card_Comman_Properties();

    card.Watermark_Used = isOn(enable_watermark_chk);
    if (wm_alignment_combo)
        card.Watermark_Alignment = wm_alignment_combo->currentIndex();
    if (wm_transp_slider)
        card.Watermark_Transp = float(wm_transp_slider->value() / 100.0);
    if (watermark_text)
        card.Watermark_Text = watermark_text->text();
    if (watermark_color)
        card.Watermark_Color = watermark_color->color();
    card.Watermark_Font = WM_Text_font;

    Refresh_Canvas();
}

void DesignController::Apply_Size_Clicked()
{
    try {
        Apply_unit_Chaneg_Values();
        Set_Canvas_to_100_percent();
        const float toMM = Get_Unit_Convertor(Measument_Unit_Is, 2);
        const float width = (width_Text ? width_Text->text().toFloat() : 0.0f) * toMM;
        const float height = (height_Text ? height_Text->text().toFloat() : 0.0f) * toMM;
        constexpr double PointsPerMM = 2.834645669291;
        SetDocumentCanvasSize(QSizeF(width * PointsPerMM, height * PointsPerMM));
        Update_Card_Graphics();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
