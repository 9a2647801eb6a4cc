#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "model/SKTGrid.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"
#include "design/DesignController.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

#include <exception>

namespace {

QString fontText(const QFont &font)
{
    return QStringLiteral("%1 ( %2 )").arg(font.family(), QString::asprintf("%0.2f", font.pointSizeF()));
}

void setEnabled(QWidget *w, bool on)
{
    if (w)
        w->setEnabled(on);
}

} // namespace

void ProjectsController::New_Project_Setting_Reset(bool)
{
    try {
        hub.Set_Logo_Item_List_EMPTY();

        // Record list beside the canvas: one record.
        hub.design().Hide_Fill_List_Box(true);
        hub.design().Fill_List_Data_RHS.clear();
        if (hub.design().Fill_List_RHS)
            hub.design().Fill_List_RHS->setRowCount(0);
        if (!ONLY_QR_MODE)
            hub.design().Fill_Record_List(1);
        hub.design().Check_Series_Or_Excel_Use_or_not();

        hub.Set_Des_Mode_Save_Flag_False();
        Not_Draw_Only_Prop_Change = true;

        // Card size: 100 x 100 in the design unit, label stock "Custom".
        for (QLineEdit *f : {hub.design().width_Text, hub.design().height_Text})
            if (f)
                f->setText(QStringLiteral("100.0"));
        for (platform::Stepper *s : {hub.design().width_Stepper, hub.design().height_Stepper})
            if (s)
                s->setDoubleValue(100.0);
        if (hub.design().Label_ComboBox) {
            const QSignalBlocker block(hub.design().Label_ComboBox);
            hub.design().Label_ComboBox->setCurrentIndex(hub.design().Label_ComboBox->count() > 0 ? 0 : -1);
        }
        if (hub.design().Product_num_ComboBox) {
            const QSignalBlocker block(hub.design().Product_num_ComboBox);
            hub.design().Product_num_ComboBox->setCurrentIndex(-1);
            hub.design().Product_num_ComboBox->setEnabled(false);
        }
        hub.design().Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
        hub.design().Apply_Size_Clicked();

        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            QGuiApplication::clipboard()->clear();
        Check_Path_And_Create_Files();

        Ucontrol_Log.clear();
        Ucontrol.clear();
        Rcontrol.clear();

        setEnabled(hub.design().Text_Tool_btn, true);
        setEnabled(hub.design().Image_Tool_btn, true);
        setEnabled(hub.design().Image_Library_Tool_btn, true);
        if (hub.design()._grid)
            hub.design()._grid->setAlwaysShown(false);

        // The canvas and the sidebar stay hidden until a design is started or opened.
        hub.Show_Hide_Main_Window(false);
        hub.design().Set_Canvas_to_100_percent();

        if (hub.design().Batch_Series) {
            const QSignalBlocker block(hub.design().Batch_Series);
            hub.design().Batch_Series->setCurrentIndex(-1);
        }

        Project_File_Name.clear();
        hub.design().main_photo_ds_batch = false;
        hub.design().Main_Photo_image = QImage();
        Library_Selected_Image = QStringLiteral("");

        // Fonts and the content defaults of the card.
        hub.design().Text_font = QFont(Text_Ctrl_Font);
        hub.design().Text_font.setPointSizeF(Text_Ctrl_Font_Size);
        hub.design().All_Text_font = hub.design().Text_font;
        hub.design().WM_Text_font = hub.design().Text_font;
        if (hub.design().All_Text_font_value)
            hub.design().All_Text_font_value->setText(fontText(hub.design().All_Text_font));
        if (hub.design().All_Text_clr)
            hub.design().All_Text_clr->setColor(Qt::black);
        if (hub.design().All_Text_font_value_COPY)
            hub.design().All_Text_font_value_COPY->setText(QString());
        hub.design().All_Text_font_COPY.reset();
        if (hub.design().All_Text_clr_COPY)
            hub.design().All_Text_clr_COPY->setColor(Qt::black);

        delete hub.design().Front_card_Prop;
        hub.design().Front_card_Prop = new Card_Property;

        if (hub.design().Batch_Series) {
            const QSignalBlocker block(hub.design().Batch_Series);
            hub.design().Batch_Series->clear();
            hub.design().Batch_Series->setCurrentIndex(-1);
        }
        if (hub.design().Data_source_type) {
            const QSignalBlocker block(hub.design().Data_source_type);
            hub.design().Data_source_type->setCurrentIndex(0);
        }
        Excel_Binding_Use = false;
        if (hub.design().excel_path_field)
            hub.design().excel_path_field->clear();
        hub.design().Remove_Excel_Col_Name_In_Combo(hub.design().Data_source_type);

        hub.design().Fill_Card_Prop_Tab();
        hub.design().Last_Card_Sel_Tab = hub.design().card_info_tab;

        // The front side, the only side of a design.
        if (hub.design().Front_back_label)
            hub.design().Front_back_label->setText(QStringLiteral("Front"));
        if (hub.design().Card_Image_Scrl)
            hub.design().Card_Image_Scrl->setVisible(true);
        if (hub.design().Card_Image_Scrl_BACK)
            hub.design().Card_Image_Scrl_BACK->setVisible(false);
        hub.design().changeViewController(0);
        hub.design().card_prop_set(QStringLiteral("S"));
        Set_Log_Name_In_Title();

        Not_Draw_Only_Prop_Change = false;
        if (hub.design().sett_tab && hub.design().card_info_tab)
            hub.design().sett_tab->setCurrentWidget(hub.design().card_info_tab);
    } catch (const std::exception &e) {
        Not_Draw_Only_Prop_Change = false;
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
