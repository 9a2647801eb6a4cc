// The card panel's handlers: each does its small step and then stores the panel in the card
// (Update_Card_Graphics), unless it says otherwise.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeEditor.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "imagetools/ImageSizeCheck.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "projects/Card_Property.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <exception>

namespace {

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }

} // namespace

void DesignController::card_shape_CellClick()
{
    if (matrix_card_shape && matrix_card_shape->checkedId() >= 0)
        Card_Shape = matrix_card_shape->checkedId();
    Update_Card_Graphics();
    Refresh_Canvas();
}

void DesignController::Card_Border_ChkBox()
{
    SetObjEnabled(Card_Border_Box, isOn(Card_border_chk));
    Update_Card_Graphics();
}

void DesignController::Card_Border_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, Card_bor_Stepper, Card_bor_Text, platform::PairFormat::Integer);
    Update_Card_Graphics();
}

void DesignController::Card_Gradient_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, Card_grad_Stepper, Card_grad_Text, platform::PairFormat::Integer);
    Update_Card_Graphics();
}

void DesignController::Card_Alpha_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, Card_alpha_Stepper, Card_alpha_Text, platform::PairFormat::Integer);
    Update_Card_Graphics();
}

void DesignController::Card_Fill_Chk_Box()
{
    if (Front_card_Prop)
        card_prop_set(Front_card_Prop->Card_fill_style);
    Update_Card_Graphics();
    const bool on = isOn(Card_fill_chk);
    SetObjEnabled(Card_Fill_Box, on);
    SetObjEnabled(Card_image_box, on && isOn(Card_Image_fill_rd));
}

void DesignController::Card_Solid_RD_Sel()
{
    card_prop_set(QStringLiteral("S"));
    Update_Card_Graphics();
}

void DesignController::Card_Gradient_RD_Sel()
{
    card_prop_set(QStringLiteral("G"));
    Update_Card_Graphics();
}

void DesignController::Card_Hatch_RD_Sel()
{
    card_prop_set(QStringLiteral("H"));
    Update_Card_Graphics();
}

void DesignController::Card_Image_RD_Sel()
{
    card_prop_set(QStringLiteral("I"));
    Update_Card_Graphics();
}

void DesignController::Card_Image_Browse_Btn()
{
    platform::OpenPanelRequest request;
    request.extensions = hub.Allowd_Image_fileTypes;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty())
        return;
    const QString path = chosen.first();
    if (Image_Is_Over_Size(path, true, 0))
        return;
    set_Front_BG_Image(path);
    Update_Card_Graphics();
    if (sett_tab && card_bkgd_tab)
        sett_tab->setCurrentWidget(card_bkgd_tab);
}

void DesignController::Card_Image_Library_Btn()
{
    if (Open_Image_Library_Window(QStringLiteral("B")) == 1)
        set_Front_BG_Image(lib_window_sel_file);
    Update_Card_Graphics();
    if (sett_tab && card_bkgd_tab)
        sett_tab->setCurrentWidget(card_bkgd_tab);
}

void DesignController::Page_From_Printer_Click()
{
    try {
        QPrinter printer;
        if (const platform::PrintInfo *info = hub.getPrintInfo())
            printer.setPageLayout(info->pageLayout);
        QPageSetupDialog panel(&printer);
        if (platform::runModal(panel) != 1)
            return;
        platform::PrintInfo changed = hub.getPrintInfo() ? *hub.getPrintInfo() : platform::PrintInfo::sharedPrintInfo();
        changed.pageLayout = printer.pageLayout();
        hub.setPrintInfo(changed);
        // In millimetres straight away: the layout's points are whole numbers, its millimetres exact.
        const QSizeF paper = changed.pageLayout.fullRect(QPageLayout::Millimeter).size();
        Set_Card_Size_In_Control(paper.width(), paper.height());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Card_Width_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, width_Stepper, width_Text, platform::PairFormat::TwoDecimals);
}

void DesignController::Card_Height_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, height_Stepper, height_Text, platform::PairFormat::TwoDecimals);
}

void DesignController::Content_Font_Clicked() { Choose_Font(All_Text_font, &DesignController::changeAllTextFont); }

void DesignController::changeAllTextFont(const QFont &font)
{
    All_Text_font = font;
    All_Text_font_replaced = true;
    if (All_Text_font_value)
        All_Text_font_value->setText(BarcodeEditor::fontDisplayText(All_Text_font));
    Update_All_Card_Content();
}

void DesignController::Contect_Color_Clicked()
{
    if (All_Text_clr)
        Fill_And_Set_Color_Event_Generator(All_Text_clr->color());
    Update_All_Card_Content();
}

void DesignController::Set_Card_Clr(QObject *sender)
{
    if (auto *well = qobject_cast<platform::ColorWell *>(sender))
        Fill_And_Set_Color_Event_Generator(well->color());
    Update_Card_Graphics();
}

void DesignController::Enable_Watermark_Clicked()
{
    SetObjEnabled(watermark_box, isOn(enable_watermark_chk));
    Update_Card_Graphics();
}

void DesignController::WM_transp_slider_changed()
{
    if (wm_transp_slider && wm_transp_val)
        wm_transp_val->setText(QString::number(wm_transp_slider->value()));
    Update_Card_Graphics();
}

void DesignController::WM_Text_Font_Changed()
{
    Choose_Font(WM_Text_font, &DesignController::changewmTextFont);
    Update_Card_Graphics();
}

void DesignController::changewmTextFont(const QFont &font)
{
    WM_Text_font = font;
    if (wm_font_value)
        wm_font_value->setText(BarcodeEditor::fontDisplayText(WM_Text_font));
}
