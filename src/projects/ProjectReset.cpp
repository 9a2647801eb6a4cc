#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "model/SKTGrid.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"

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

void SKTWindowController::New_Project_Setting_Reset(bool)
{
    try {
        Set_Logo_Item_List_EMPTY();

        // Record list beside the canvas: one record.
        Hide_Fill_List_Box(true);
        Fill_List_Data_RHS.clear();
        if (Fill_List_RHS)
            Fill_List_RHS->setRowCount(0);
        if (!ONLY_QR_MODE)
            Fill_Record_List(1);
        Check_Series_Or_Excel_Use_or_not();

        Set_Des_Mode_Save_Flag_False();
        Not_Draw_Only_Prop_Change = true;

        // Card size: 100 x 100 in the design unit, label stock "Custom".
        for (QLineEdit *f : {width_Text, height_Text})
            if (f)
                f->setText(QStringLiteral("100.0"));
        for (platform::Stepper *s : {width_Stepper, height_Stepper})
            if (s)
                s->setDoubleValue(100.0);
        if (Label_ComboBox) {
            const QSignalBlocker block(Label_ComboBox);
            Label_ComboBox->setCurrentIndex(Label_ComboBox->count() > 0 ? 0 : -1);
        }
        if (Product_num_ComboBox) {
            const QSignalBlocker block(Product_num_ComboBox);
            Product_num_ComboBox->setCurrentIndex(-1);
            Product_num_ComboBox->setEnabled(false);
        }
        Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
        Apply_Size_Clicked();

        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            QGuiApplication::clipboard()->clear();
        Check_Path_And_Create_Files();

        Ucontrol_Log.clear();
        Ucontrol.clear();
        Rcontrol.clear();

        setEnabled(Text_Tool_btn, true);
        setEnabled(Image_Tool_btn, true);
        setEnabled(Image_Library_Tool_btn, true);
        if (_grid)
            _grid->setAlwaysShown(false);

        // The canvas and the sidebar stay hidden until a design is started or opened.
        Show_Hide_Main_Window(false);
        Set_Canvas_to_100_percent();

        if (Batch_Series) {
            const QSignalBlocker block(Batch_Series);
            Batch_Series->setCurrentIndex(-1);
        }

        Project_File_Name.clear();
        main_photo_ds_batch = false;
        Main_Photo_image = QImage();
        Library_Selected_Image = QStringLiteral("");

        // Fonts and the content defaults of the card.
        Text_font = QFont(Text_Ctrl_Font);
        Text_font.setPointSizeF(Text_Ctrl_Font_Size);
        All_Text_font = Text_font;
        WM_Text_font = Text_font;
        if (All_Text_font_value)
            All_Text_font_value->setText(fontText(All_Text_font));
        if (All_Text_clr)
            All_Text_clr->setColor(Qt::black);
        if (All_Text_font_value_COPY)
            All_Text_font_value_COPY->setText(QString());
        All_Text_font_COPY.reset();
        if (All_Text_clr_COPY)
            All_Text_clr_COPY->setColor(Qt::black);

        delete Front_card_Prop;
        Front_card_Prop = new Card_Property;

        if (Batch_Series) {
            const QSignalBlocker block(Batch_Series);
            Batch_Series->clear();
            Batch_Series->setCurrentIndex(-1);
        }
        if (Data_source_type) {
            const QSignalBlocker block(Data_source_type);
            Data_source_type->setCurrentIndex(0);
        }
        Excel_Binding_Use = false;
        if (excel_path_field)
            excel_path_field->clear();
        Remove_Excel_Col_Name_In_Combo(Data_source_type);

        Fill_Card_Prop_Tab();
        Last_Card_Sel_Tab = card_info_tab;

        // The front side, the only side of a design.
        if (Front_back_label)
            Front_back_label->setText(QStringLiteral("Front"));
        if (Card_Image_Scrl)
            Card_Image_Scrl->setVisible(true);
        if (Card_Image_Scrl_BACK)
            Card_Image_Scrl_BACK->setVisible(false);
        changeViewController(0);
        card_prop_set(QStringLiteral("S"));
        Set_Log_Name_In_Title();

        Not_Draw_Only_Prop_Change = false;
        if (sett_tab && card_info_tab)
            sett_tab->setCurrentWidget(card_info_tab);
    } catch (const std::exception &e) {
        Not_Draw_Only_Prop_Change = false;
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
