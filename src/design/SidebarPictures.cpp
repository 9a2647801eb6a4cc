// The picture, signature and barcode panels' commands: choosing and cropping the current picture,
// resetting its effects, the signature's image, the barcode-object window and the QR payload
// editor, and the card's background picture.

#include "design/DesignController.h"

#include "advqr/Edit_ADV_QR_Type.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DoubleSlider.h"
#include "design/PropFillGuard.h"
#include "imagetools/Cropping_Tool.h"
#include "imagetools/ImageForPath.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/StepperField.h"
#include "projects/Card_Property.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include <exception>

namespace {

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }

QColor wellColour(QObject *sender)
{
    auto *well = qobject_cast<platform::ColorWell *>(sender);
    return well ? well->color() : QColor();
}

} // namespace

bool DesignController::Check_Multiple_Image_Selection(const QString &word)
{
    int pictures = 0;
    for (const std::shared_ptr<SKTGraphic> &g : Selected_Graphic_Objects())
        if (g && g->isExactly<SKTImage>())
            ++pictures;
    if (pictures < 2)
        return false;
    Show_MessageBox(QStringLiteral("Please select only one image control to '%1 Image'.").arg(word));
    return true;
}

void DesignController::Give_Current_Picture_Path(const QString &path)
{
    const std::shared_ptr<SKTGraphic> current = Get_Selected_Graphic();
    if (auto *picture = graphic_cast<SKTImage>(current.get())) {
        picture->setFilePath(path);
        picture->Set_text_value(path);
    }
    Update_Image_Graphics();
}

void DesignController::Manual_Image_Browse_Btn()
{
    if (Check_Multiple_Image_Selection(QStringLiteral("Browse")))
        return;
    if (Browse_User_Image_Manually())
        Give_Current_Picture_Path(Library_Selected_Image);
}

void DesignController::Manual_Library_Browse_Btn()
{
    if (Check_Multiple_Image_Selection(QStringLiteral("Select")))
        return;
    if (Open_Image_Library_Window(QStringLiteral("C")) != 1)
        return;
    Library_Selected_Image = lib_window_sel_file;
    if (Manual_image_path)
        Manual_image_path->setPlainText(Library_Selected_Image);
    Give_Current_Picture_Path(Library_Selected_Image);
}

void DesignController::Image_reset_Button()
{
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to continue?")) != 1)
        return;
    Reset_Image_Editing_Controls();
    const SKTGraphicList selection = Selected_Graphic_Objects();
    for (const std::shared_ptr<SKTGraphic> &g : selection)
        if (auto *picture = graphic_cast<SKTImage>(g.get()))
            picture->setFilePath(picture->_file_path);
    if (!selection.isEmpty())
        Update_Image_Graphics();
}

void DesignController::Image_Border_ChkBox()
{
    SetObjEnabled(Image_Border_Box, isOn(Image_border_chk));
    Update_Image_Graphics();
}

void DesignController::Image_Border_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, Image_bor_Stepper, Image_bor_Text, platform::PairFormat::Integer);
    Update_Image_Graphics();
}

void DesignController::Set_ImageControl_Clr(QObject *sender)
{
    Fill_And_Set_Color_Event_Generator(wellColour(sender));
    Update_Image_Graphics();
}

void DesignController::Image_Slider_Changed(QObject *slider)
{
    const std::pair<DoubleSlider *, QLineEdit *> pairs[] = {
        {Rotate_slidr, Rotate_slidr_val}, {Trsp_slidr, Trsp_slidr_val}, {Hue_slidr, Hue_slidr_val},
        {Sat_slidr, Sat_slidr_val},       {Brt_slidr, Brt_slidr_val},   {Con_slidr, Con_slidr_val},
        {shrp_slidr, shrp_slidr_val},     {ev_slidr, ev_slidr_val},     {blr_slidr, blr_slidr_val},
    };
    for (const auto &[s, field] : pairs)
        if (s == slider && field)
            field->setText(QString::number(float(s->doubleValue())));
    Update_Image_Graphics();
}

void DesignController::Cropping_Selected_Image_clicked()
{
    try {
        if (Check_Multiple_Image_Selection(QStringLiteral("Crop")) || Selected_Graphic_Objects().isEmpty())
            return;
        const std::shared_ptr<SKTGraphic> current = Get_Selected_Graphic();
        auto *picture = graphic_cast<SKTImage>(current.get());
        if (!picture)
            return;
        QString path = picture->_file_path;
        if (!QFileInfo(path).isFile()) {
            Show_MessageBox(QStringLiteral("The selected control does not contains any image with supported extension."));
            return;
        }
        if (QFileInfo(picture->Text_Value).isFile())
            path = picture->Text_Value;
        Cropping_Tool &tool = *Cropping_Tool::defaultInstance();
        if (picture->data_source_type == 0) {
            if (tool.Open_Wnd_Direct_To_Crop(path) != 1)
                return;
            Library_Selected_Image = tool.Crop_Direct_Path;
            if (Manual_image_path)
                Manual_image_path->setPlainText(Library_Selected_Image);
            picture->setFilePath(Library_Selected_Image);
            Update_Image_Graphics();
        } else if (picture->data_source_type == 1) {
            if (tool.Open_Wnd_Direct_Crop_Series(picture->batch_list_name) != 1)
                return;
            auto refreshSeries = [this, &tool] {
                const PropFillGuard filling;
                hub.barcodeMode().Refresh_Data_Set_File_Name_In_Combo(Batch_Series, tool.Crop_Direct_Series);
            };
            refreshSeries();
            picture->Set_Batch_List_Name(tool.Crop_Direct_Series);
            picture->Set_Batch_List_Index(Batch_Series ? Batch_Series->currentIndex() : -1);
            Library_Selected_Image = Get_First_Value_Of_Dataset(tool.Crop_Direct_Series);
            if (Manual_image_path)
                Manual_image_path->setPlainText(Library_Selected_Image);
            picture->setFilePath(Library_Selected_Image);
            Update_Image_Graphics();
            refreshSeries();
        }
        // A picture bound to a spreadsheet column is cropped with the spreadsheet, not here.
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Sign_Browse_Btn()
{
    platform::OpenPanelRequest request;
    request.extensions = {QStringLiteral("png"), QStringLiteral("PNG")};
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty())
        return;
    if (Sign_image_path)
        Sign_image_path->setText(chosen.first());
    Update_Sign_Graphics();
}

void DesignController::Sign_Border_ChkBox()
{
    SetObjEnabled(Sign_Border_Box, isOn(Sign_border_chk));
    Update_Sign_Graphics();
}

void DesignController::Sign_Border_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, Sign_bor_Stepper, Sign_bor_Text, platform::PairFormat::Integer);
    Update_Sign_Graphics();
}

void DesignController::Set_SignControl_Clr(QObject *sender)
{
    Fill_And_Set_Color_Event_Generator(wellColour(sender));
    Update_Sign_Graphics();
}

// ---- Barcode objects ----

void DesignController::View_barcode_prop_Button()
{
    if (Selected_Graphic_Objects().size() >= 2) {
        Show_MessageBox(QStringLiteral("Please select single barcode to update."));
        return;
    }
    Open_Barcode_Window();
}

void DesignController::Open_Barcode_Window()
{
    try {
        // The window edits the shown object; the document holds it.
        std::shared_ptr<SKTGraphic> shown;
        for (const std::shared_ptr<SKTGraphic> &g : Get_Front_Controls_Array())
            if (g.get() == Last_Selected_Graphic)
                shown = g;
        if (!shown)
            return;
        Show_NSLog_Message(shown->two_d_font_val + QStringLiteral(" - ") + shown->control_ID);
        const std::shared_ptr<SKTGraphic> edited = hub.barcodeGen().Open_Wnd(shown);
        if (!edited)
            return;
        hub.Set_Logo_Item_List_EMPTY();
        if (!Barcode_output_image)
            return;
        Update_Barcode_Graphics(*edited);
        Check_Series_Or_Excel_Use_or_not();
        if (Fill_List_RHS && Fill_List_RHS->model() && Fill_List_RHS->model()->rowCount() > 0) {
            Fill_List_RHS->selectRow(0);
            Fill_List_RHS->setFocus();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Edit_Adv_QR_Value_Clicked()
{
    QR_Val_Edit = true;
    try {
        const std::shared_ptr<SKTGraphic> object = Get_Selected_Graphic();
        if (object) {
            if (object->AQR_Category.isEmpty())
                object->AQR_Category = QStringLiteral("Text");
            if (object->AQR_Display_value.isEmpty())
                object->AQR_Display_value = object->two_d_font_val;
            Edit_ADV_QR_Type &editor = *Edit_ADV_QR_Type::defaultInstance();
            editor.Final_adv_qr_val = object->two_d_font_val;
            editor.DisP_adv_qr_val = object->AQR_Display_value;
            if (editor.Selected_Qr_Category)
                editor.Selected_Qr_Category->setText(object->AQR_Category);
            if (editor.Open_ADV_QR_EDIT_Window() == 1) {
                const QString payload = editor.Get_Adv_QR_Final_Str_Value();
                const QString category = editor.Selected_Qr_Category ? editor.Selected_Qr_Category->text() : QString();
                QString display = Trim_Str(editor.SEL_QR_DISPLAY_VALUE);
                if (display.isEmpty())
                    display = payload;
                Show_NSLog_Message(payload + QStringLiteral(" - ") + category + QStringLiteral(" - ") + display);
                object->AQR_Category = category;
                object->AQR_Display_value = display;
                object->AQR_Final_Value = payload;
                object->two_d_font_val = payload;
                // The Barcode mode's own 2D value is that mode's: a design edit leaves it alone.
                Update_Barcode_Graphics(*object);
                Barcode_Gen &gen = hub.barcodeGen();
                gen.Set_Barcode_Prop_To_Control(*object, true);
                const platform::Picture picture = gen.Get_Image_From_Val(payload, object->header_val, object->footer_val);
                Barcode_output_image = std::make_shared<platform::Picture>(picture);
                object->Set_Barcode_image(picture);
                object->Set_Barcode_image_control_bounds();
                Refresh_Canvas();
            }
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    QR_Val_Edit = false;
}
