// The card's own property panel: its tab set, the fill controls by fill style, the size fields'
// enabling, the load of the card side's settings into the panel and the transfer back, the content
// colour and font pushed onto the texts, and the size applied to the canvas.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/ImageServices.h"
#include "core/Utilities.h"
#include "barcodemode/BarcodeEditor.h"
#include "design/EditingCommands.h"
#include "design/PropFillGuard.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
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
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
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
        const float width = MM_to_Points_Convert((width_Text ? width_Text->text().toFloat() : 0.0f) * toMM);
        const float height = MM_to_Points_Convert((height_Text ? height_Text->text().toFloat() : 0.0f) * toMM);
        Set_Document_Size(width, height);
        SetDocumentCanvasSize(QSizeF(width, height));
        if (_zoomingScrollView)
            _zoomingScrollView->viewport()->update();
        Update_All_Card_Content();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void DesignController::Set_Document_Size(double width, double height)
{
    // The document answers the size it is offered and keeps nothing; the canvas keeps the size.
    SKTDocument::canvasSize_size_val(false, QSizeF(width, height));
}

void DesignController::Set_Card_Size_In_Control(double widthMM, double heightMM)
{
    try {
        const float w = float(widthMM), h = float(heightMM);
        if (width_Text)
            width_Text->setText(QString::number(double(w)));
        if (width_Stepper)
            width_Stepper->setDoubleValue(w);
        if (height_Text)
            height_Text->setText(QString::number(double(h)));
        if (height_Stepper)
            height_Stepper->setDoubleValue(h);
        last_unit_val = 2;
        Apply_unit_Chaneg_Values();
        last_unit_val = Measument_Unit_Is;
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void DesignController::Update_All_Card_Content()
{
    const bool colourChanged = All_Text_clr && All_Text_clr_COPY && All_Text_clr->color() != All_Text_clr_COPY->color();
    if (colourChanged || All_Text_font_replaced) {
        for (const std::shared_ptr<SKTGraphic> &g : Get_Front_Controls_Array()) {
            if (!g || !g->isExactly<SKTText>())
                continue;
            if (colourChanged)
                g->txt_clr = All_Text_clr->color();
            if (All_Text_font_replaced)
                g->text_ctrl_font = All_Text_font;
        }
    }
    Update_Card_Graphics();
}

void DesignController::Load_Card_and_Label_Properties(SKTGraphic *graphic)
{
    if (graphic || !Front_card_Prop)
        return;
    const PropFillGuard filling;
    try {
        const Card_Property &card = *Front_card_Prop;
        editing().Disable_Standard_Button_For_Card();
        Last_Selected_Graphic = nullptr;
        // Border
        if (Card_border_chk)
            Card_border_chk->setChecked(card.Card_border_chk);
        if (Card_bordr_clr)
            Card_bordr_clr->setColor(card.Card_bordr_clr);
        if (Card_bor_Stepper) {
            Card_bor_Stepper->setDoubleValue(card.Card_bor_Stepper);
            if (Card_bor_Text)
                Card_bor_Text->setText(QString::number(int(Card_bor_Stepper->doubleValue())));
        }
        const int style = Border_Style_Index(card.Card_border_style);
        if (Card_border_style && style >= 0)
            Card_border_style->setCurrentIndex(style);
        // Fill
        if (Card_fill_chk)
            Card_fill_chk->setChecked(card.Card_fill_chk);
        if (Card_fill_clr)
            Card_fill_clr->setColor(card.Card_fill_clr);
        if (Card_fill_Grd_1_clr)
            Card_fill_Grd_1_clr->setColor(card.Card_fill_Grd_1_clr);
        if (Card_fill_Grd_2_clr)
            Card_fill_Grd_2_clr->setColor(card.Card_fill_Grd_2_clr);
        if (Card_grad_Stepper) {
            Card_grad_Stepper->setDoubleValue(card.Card_grad_Stepper);
            if (Card_grad_Text)
                Card_grad_Text->setText(QString::number(int(Card_grad_Stepper->doubleValue())));
        }
        if (Card_hatch_bk_clr)
            Card_hatch_bk_clr->setColor(card.Card_hatch_bk_clr);
        if (Card_hatch_style && card.Card_fill_style == QLatin1String("H"))
            Card_hatch_style->setCurrentIndex(card.Card_hatch_style.isEmpty() ? -1
                                                                              : Card_hatch_style->findText(card.Card_hatch_style));
        // Opacity: percent, whole, at most 100 (a stored 1 or more is opaque).
        const int opacity = std::min(100, Whole_Percent(card.Card_alpha_Stepper));
        if (Card_alpha_Stepper)
            Card_alpha_Stepper->setDoubleValue(opacity);
        if (Card_alpha_Text)
            Card_alpha_Text->setText(QString::number(opacity));
        // Background picture
        if (Card_Image_path)
            Card_Image_path->setPlainText(card.Card_BG_Image_Path);
        if (Card_image_layout) {
            const int layout = Card_image_layout->findText(card.Card_BG_Image_Layout);
            if (layout >= 0)
                Card_image_layout->setCurrentIndex(layout);
        }
        // Content colour and font, and the copies a later change is measured against.
        if (All_Text_clr)
            All_Text_clr->setColor(card.Card_Content_clr);
        All_Text_font = card.Card_Content_font;
        const QString fontText = BarcodeEditor::fontDisplayText(All_Text_font);
        if (All_Text_font_value)
            All_Text_font_value->setText(fontText);
        if (All_Text_font_value_COPY)
            All_Text_font_value_COPY->setText(fontText);
        All_Text_font_COPY = All_Text_font;
        All_Text_font_replaced = false;
        if (All_Text_clr_COPY && All_Text_clr)
            All_Text_clr_COPY->setColor(All_Text_clr->color());
        // Shape and name
        Card_Shape = card.Card_Shape == QLatin1String("R") ? 0 : card.Card_Shape == QLatin1String("RR") ? 1 : 2;
        if (matrix_card_shape)
            if (QAbstractButton *row = matrix_card_shape->button(Card_Shape))
                row->setChecked(true);
        if (card_name)
            card_name->setText(card.Card_Name);
        Front_card_Prop->Card_Location = QPointF(0, 0);
        Front_card_Prop->Card_Size = canvasFrameSize;
        // Label stock: the vendor's selection fills its product list (the window relies on it).
        if (Label_ComboBox) {
            const int vendor = Label_ComboBox->findText(card.Card_Preset);
            if (vendor >= 0)
                Label_ComboBox->setCurrentIndex(vendor);
        }
        if (card.Card_Preset == QLatin1String("Custom")) {
            if (Product_num_ComboBox)
                Product_num_ComboBox->setCurrentIndex(-1);
            Set_Card_Size_In_Control(Points_to_MM_Convert(float(card.Card_Size.width())),
                                     Points_to_MM_Convert(float(card.Card_Size.height())));
        } else if (Product_num_ComboBox) {
            Product_num_ComboBox->setCurrentIndex(Product_num_ComboBox->findText(card.Card_Category));
        }
        // Watermark
        if (enable_watermark_chk)
            enable_watermark_chk->setChecked(card.Watermark_Used);
        if (wm_alignment_combo)
            wm_alignment_combo->setCurrentIndex(card.Watermark_Alignment);
        const int transparency = std::min(100, Whole_Percent(card.Watermark_Transp));
        if (wm_transp_slider) {
            const QSignalBlocker block(wm_transp_slider);
            wm_transp_slider->setValue(transparency);
        }
        if (wm_transp_val)
            wm_transp_val->setText(QString::number(transparency));
        if (watermark_text)
            watermark_text->setText(card.Watermark_Text);
        if (watermark_color)
            watermark_color->setColor(card.Watermark_Color);
        WM_Text_font = card.Watermark_Font;
        Enable_Watermark_Clicked();
        if (wm_font_value)
            wm_font_value->setText(BarcodeEditor::fontDisplayText(WM_Text_font));
        card_prop_set(card.Card_fill_style);
        if (sett_tab)
            sett_tab->update();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
