// The start of a new design: the new-design wizard, and its choice turned into the card, the
// sidebar, the undo history and the window.

#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "design/DesignController.h"
#include "design/EditingCommands.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"
#include "projects/Card_Wizard.h"
#include "projects/RHS_Templates.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>

#include <exception>

void ProjectsController::Start_Design_Undo_Base()
{
    DesignController &dsg = hub.design();
    dsg.editing().Select_front_side();
    dsg.Record_Design_As_Started();
}

void ProjectsController::Build_Template_Panel()
{
    // The QR edition shows its templates where the other editions list the records.
    DesignController &dsg = hub.design();
    if (!ONLY_QR_MODE || !dsg.Fill_List_box || RHS_Templates::defaultInstance())
        return;
    auto *panel = new RHS_Templates(hub, dsg.Fill_List_box);
    if (QLayout *layout = dsg.Fill_List_box->layout())
        layout->addWidget(panel);
    if (dsg.Fill_List_sclview_RHS)
        dsg.Fill_List_sclview_RHS->setVisible(false);
}

void ProjectsController::Open_Start_Window()
{
    DesignController &dsg = hub.design();
    try {
        // 1-2: a new, reset design made with the wizard.
        if (dsg.Front_back_label)
            dsg.Front_back_label->setVisible(false);
        Start_Card_Option = QStringLiteral("W");
        dsg.Linked_Sheet = LinkedSheetTable();
        Excel_Source_Path.clear();
        New_Project_Setting_Reset(true);
        Selected_Template_Path = QStringLiteral("");

        // 3-4
        Card_Wizard &wizard = *Card_Wizard::defaultInstance(hub);
        if (wizard.Open_Wnd() != 1) {
            New_Project_Setting_Reset(true);
            hub.Show_Hide_Main_Window(true);
            Start_Result = 0;
            return;
        }

        // 5: a project opened from the wizard is already loaded.
        hub.Show_Hide_Main_Window(true);
        if (wizard.Wizard_ok == QLatin1String("LOG")) {
            dsg.selectArrowTool();
            dsg.Show_RHS_Properties(nullptr);
            Start_Result = 1;
            return;
        }

        // 6: the label stock.
        if (dsg.matrix_card_shape && dsg.matrix_card_shape->button(Card_Shape))
            dsg.matrix_card_shape->button(Card_Shape)->setChecked(true);
        try {
            if (dsg.Label_ComboBox)
                dsg.Label_ComboBox->setCurrentIndex(wizard.Label_ComboBox->currentIndex());
            const int product = wizard.Product_num_ComboBox->currentIndex();
            if (dsg.Product_num_ComboBox && dsg.Product_num_ComboBox->count() > 0 && product >= 0) {
                if (product >= dsg.Product_num_ComboBox->count())
                    throw std::out_of_range("The product is not in the main window's product list.");
                dsg.Product_num_ComboBox->setCurrentIndex(product);
            }
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }

        int result = 1;
        if (Selected_Template_Path.isEmpty()) {
            // 7: a blank card from the wizard's choices.
            dsg.Set_Card_Size_In_Control(wizard.width_Stepper->doubleValue(), wizard.height_Stepper->doubleValue());
            if (dsg.card_name)
                dsg.card_name->setText(wizard.card_name->text());
            if (dsg.Card_border_chk)
                dsg.Card_border_chk->setChecked(wizard.Card_border_chk->isChecked());
            if (dsg.Card_bordr_clr)
                dsg.Card_bordr_clr->setColor(wizard.Card_bordr_clr->color());
            if (dsg.Card_bor_Stepper)
                dsg.Card_bor_Stepper->setDoubleValue(wizard.Card_bor_Stepper->doubleValue());
            if (dsg.Card_bor_Text)
                dsg.Card_bor_Text->setText(QString::number(wizard.Card_bor_Stepper->intValue()));
            if (dsg.Card_border_style)
                dsg.Card_border_style->setCurrentIndex(wizard.Card_border_style->currentIndex());

            // The card is always filled; the wizard's fill box only shapes its own page.
            if (dsg.Card_fill_chk)
                dsg.Card_fill_chk->setChecked(true);
            if (dsg.Card_fill_clr)
                dsg.Card_fill_clr->setColor(wizard.Card_fill_clr->color());
            QString style = QStringLiteral("S");
            if (wizard.Card_gradient_fill_rd->isChecked())
                style = QStringLiteral("G");
            else if (wizard.Card_Style_fill_rd->isChecked())
                style = QStringLiteral("H");
            else if (wizard.Card_Image_fill_rd->isChecked())
                style = QStringLiteral("I");
            if (dsg.Card_fill_Grd_1_clr)
                dsg.Card_fill_Grd_1_clr->setColor(wizard.Card_fill_Grd_1_clr->color());
            if (dsg.Card_fill_Grd_2_clr)
                dsg.Card_fill_Grd_2_clr->setColor(wizard.Card_fill_Grd_2_clr->color());
            if (dsg.Card_grad_Stepper)
                dsg.Card_grad_Stepper->setDoubleValue(wizard.Card_grad_Stepper->doubleValue());
            if (dsg.Card_grad_Text && dsg.Card_grad_Stepper)
                dsg.Card_grad_Text->setText(QString::number(dsg.Card_grad_Stepper->intValue()));
            if (dsg.Card_hatch_bk_clr)
                dsg.Card_hatch_bk_clr->setColor(wizard.Card_hatch_bk_clr->color());
            if (style == QLatin1String("H") && dsg.Card_hatch_style)
                dsg.Card_hatch_style->setCurrentIndex(wizard.Card_hatch_style->currentIndex());

            // The wizard's opacity is a percentage and is taken as it is, small values included.
            const int opacity = int(wizard.Card_alpha_Stepper->doubleValue());
            if (dsg.Card_alpha_Stepper)
                dsg.Card_alpha_Stepper->setDoubleValue(opacity);
            if (dsg.Card_alpha_Text)
                dsg.Card_alpha_Text->setText(QString::number(opacity));

            const QString imagePath = wizard.Card_Image_path->toPlainText();
            if (dsg.Card_Image_path)
                dsg.Card_Image_path->setPlainText(imagePath);
            dsg.card_prop_set(style);
            dsg.Update_Card_Graphics();
            if (style == QLatin1String("I"))
                dsg.set_Front_BG_Image(imagePath);
        } else {
            // 8: a template, opened untitled.
            if (RHS_Templates *panel = RHS_Templates::defaultInstance())
                panel->Clear_Selection();
            result = Read_and_load_design_Log_NEW_METHOD(Selected_Template_Path, QStringLiteral("T"), false);
        }

        // 9: the design as started is the whole history, with nothing unsaved.
        Set_Log_Name_In_Title();
        dsg.Record_Design_As_Started();
        dsg.Apply_Size_Clicked();

        // 10
        if (result == 1) {
            dsg.selectArrowTool();
            dsg.Show_RHS_Properties(nullptr);
        }
        hub.Show_Hide_Main_Window(true);
        Start_Result = result;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
