// The picture, signature and barcode pages (ImagePanel, SignPanel, BarcodePanel) routed to this
// controller: their fills and reads, the picture services of the card objects, and the work the
// pages ask for that needs the selection: the colour pre-step, reloading the pictures after a
// reset, cropping the current picture, the barcode-object window and the QR payload editor. Also
// the card's background picture.

#include "design/DesignController.h"

#include "advqr/Edit_ADV_QR_Type.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/PictureSettings.h"
#include "design/PropFillGuard.h"
#include "design/panels/BarcodePanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/SignPanel.h"
#include "imagetools/Cropping_Tool.h"
#include "imagetools/ImageForPath.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "platform/GuiThread.h"
#include "projects/Card_Property.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include <exception>

namespace {

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }

// After the picture page's reset: every selected picture reloads its file, then the transfer.
void reloadSelectedPictures(DesignController &d)
{
    const SKTGraphicList selection = d.Selected_Graphic_Objects();
    for (const std::shared_ptr<SKTGraphic> &g : selection)
        if (auto *picture = graphic_cast<SKTImage>(g.get()))
            picture->setFilePath(picture->_file_path);
    if (!selection.isEmpty())
        d.Update_Image_Graphics();
}

// The cropping tool on the current picture: a picture with a file of its own is cropped into a new
// file, one bound to a series crops the series; one bound to a spreadsheet column is cropped with
// the spreadsheet, not here.
void cropCurrentPicture(DesignController &d)
{
    try {
        if (d.Check_Multiple_Image_Selection(QStringLiteral("Crop")) || d.Selected_Graphic_Objects().isEmpty())
            return;
        const std::shared_ptr<SKTGraphic> current = d.Get_Selected_Graphic();
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
            d.Show_Picture_Source_Path(Library_Selected_Image);
            picture->setFilePath(Library_Selected_Image);
            d.Update_Image_Graphics();
        } else if (picture->data_source_type == 1) {
            if (tool.Open_Wnd_Direct_Crop_Series(picture->batch_list_name) != 1)
                return;
            QComboBox *series = d.Source_Series_List();
            auto refreshSeries = [&d, &tool, series] {
                const PropFillGuard filling;
                d.hub.barcodeMode().Refresh_Data_Set_File_Name_In_Combo(series, tool.Crop_Direct_Series);
            };
            refreshSeries();
            picture->Set_Batch_List_Name(tool.Crop_Direct_Series);
            picture->Set_Batch_List_Index(series ? series->currentIndex() : -1);
            Library_Selected_Image = d.Get_First_Value_Of_Dataset(tool.Crop_Direct_Series);
            d.Show_Picture_Source_Path(Library_Selected_Image);
            picture->setFilePath(Library_Selected_Image);
            d.Update_Image_Graphics();
            refreshSeries();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

// The barcode page's properties button: the window edits one barcode object.
void openBarcodeWindowForOne(DesignController &d)
{
    if (d.Selected_Graphic_Objects().size() >= 2) {
        Show_MessageBox(QStringLiteral("Please select single barcode to update."));
        return;
    }
    d.Open_Barcode_Window();
}

// The QR payload editor on the current object; OK renders the object anew from the payload.
void editQrPayload(DesignController &d)
{
    QR_Val_Edit = true;
    try {
        const std::shared_ptr<SKTGraphic> object = d.Get_Selected_Graphic();
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
                d.Update_Barcode_Graphics(*object);
                Barcode_Gen &gen = d.hub.barcodeGen();
                gen.Set_Barcode_Prop_To_Control(*object, true);
                const platform::Picture picture = gen.Get_Image_From_Val(payload, object->header_val, object->footer_val);
                Barcode_output_image = std::make_shared<platform::Picture>(picture);
                object->Set_Barcode_image(picture);
                object->Set_Barcode_image_control_bounds();
                d.Refresh_Canvas();
            }
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    QR_Val_Edit = false;
}

} // namespace

void DesignController::Connect_Picture_Panels()
{
    ImagePanel *image = imagePanel();
    connect(image, &ImagePanel::transferRequested, this, [this] { Update_Image_Graphics(); });
    connect(image, &ImagePanel::colorChosen, this, &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(image, &ImagePanel::resetRequested, this, [this] { reloadSelectedPictures(*this); });
    connect(image, &ImagePanel::cropRequested, this, [this] { cropCurrentPicture(*this); });
    SignPanel *sign = signPanel();
    connect(sign, &SignPanel::transferRequested, this, [this] { Update_Sign_Graphics(); });
    connect(sign, &SignPanel::colorChosen, this, &DesignController::Fill_And_Set_Color_Event_Generator);
    BarcodePanel *barcode = barcodePanel();
    connect(barcode, &BarcodePanel::barcodeWindowRequested, this, [this] { openBarcodeWindowForOne(*this); });
    connect(barcode, &BarcodePanel::qrValueEditRequested, this, [this] { editQrPayload(*this); });
}

// ---- Fills and reads ----

void DesignController::Fill_Image_Panel(const SKTGraphic &g)
{
    Show_Size_Fields(false);
    if (sel_control_name)
        sel_control_name->setText(QStringLiteral("I"));
    imagePanel()->Fill_Image_Panel(g);
    Fill_Image_Source(g);
}

void DesignController::Fill_Sign_Panel(const SKTGraphic &g)
{
    if (sel_control_name)
        sel_control_name->setText(g.sign_or_fingureprint);
    signPanel()->Fill_Sign_Panel(g);
    Fill_Sign_Source(g);
}

void DesignController::Hide_Image_Error()
{
    if (image_tab)
        imagePanel()->image_error_label->hide();
}

ImagePanelValues DesignController::Read_Image_Panel(bool singleSelection) const
{
    if (!image_tab)
        return {};
    ImagePanelValues v = imagePanel()->Read_Image_Panel();
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    if (singleSelection)
        v.filePath = Picture_Source_Path();
    return v;
}

SignPanelValues DesignController::Read_Sign_Panel() const
{
    if (!sign_tab)
        return {};
    SignPanelValues v = signPanel()->Read_Sign_Panel();
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    return v;
}

// ---- Picture services of the card objects ----

platform::Picture DesignController::Get_Image_With_Update_Settings(const SKTGraphic &graphic)
{
    const platform::Picture result = Apply_Image_Settings(graphic);
    // The label is a widget: only the GUI thread shows or hides it.
    if (image_tab && platform::isGuiThread()) {
        const QSizeF size = result.size();
        const bool fine = !result.isNull() && !(size.width() == 0 && size.height() == 0) &&
                          !graphic._file_path.isEmpty() && QFileInfo::exists(graphic._file_path);
        imagePanel()->image_error_label->setHidden(fine);
    }
    return result;
}

void DesignController::Reset_Image_Editing_Controls()
{
    if (image_tab)
        imagePanel()->Reset_Image_Editing_Controls();
}

// ---- The work of the pages that needs the selection ----

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
