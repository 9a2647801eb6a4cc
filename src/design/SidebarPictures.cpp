// The picture, signature and barcode pages (ImagePanel, SignPanel, BarcodePanel) routed to the
// controller: their fills and reads, and the work the pages ask for that needs the selection: the
// colour pre-step, reloading the pictures after a reset, cropping the current picture, the
// barcode-object window and the QR payload editor.

#include "design/PropertySidebar.h"

#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/PropFillGuard.h"
#include "design/RecordBinding.h"
#include "design/panels/BarcodePanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/SignPanel.h"
#include "model/DesignGlobals.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <exception>

namespace {

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }

// After the picture page's reset: every selected picture reloads its file, then the transfer.
void reloadSelectedPictures(DesignController &d)
{
    const SKTGraphicList selection = d.selection().Selected_Graphic_Objects();
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
        if (d.selection().Check_Multiple_Image_Selection(QStringLiteral("Crop")) || d.selection().Selected_Graphic_Objects().isEmpty())
            return;
        const std::shared_ptr<SKTGraphic> current = d.selection().Get_Selected_Graphic();
        auto *picture = graphic_cast<SKTImage>(current.get());
        if (!picture)
            return;
        QString path = picture->_file_path;
        if (!QFileInfo(path).isFile()) {
            Show_MessageBox(QStringLiteral("The selected control does not contains any image with supported extension."));
            return;
        }
        // A bound object's current batch value is the picture the card shows; a manual object's
        // Text_Value only names the file it was first given, and its picture is its own file.
        if (picture->data_source_type != 0 && QFileInfo(picture->Text_Value).isFile())
            path = picture->Text_Value;
        ImageToolsDesign &tool = *d.sources().imageTools;
        if (picture->data_source_type == 0) {
            if (tool.Open_Wnd_Direct_To_Crop(path) != 1)
                return;
            Library_Selected_Image = tool.Crop_Direct_Path();
            d.sidebar().Show_Picture_Source_Path(Library_Selected_Image);
            picture->setFilePath(Library_Selected_Image);
            d.Update_Image_Graphics();
        } else if (picture->data_source_type == 1) {
            if (tool.Open_Wnd_Direct_Crop_Series(picture->batch_list_name) != 1)
                return;
            QComboBox *series = d.sidebar().Source_Series_List();
            auto refreshSeries = [&d, &tool, series] {
                const PropFillGuard filling;
                d.sources().barcode->Refresh_Data_Set_File_Name_In_Combo(series, tool.Crop_Direct_Series());
            };
            refreshSeries();
            picture->Set_Batch_List_Name(tool.Crop_Direct_Series());
            picture->Set_Batch_List_Index(series ? series->currentIndex() : -1);
            Library_Selected_Image = d.records().Get_First_Value_Of_Dataset(tool.Crop_Direct_Series());
            d.sidebar().Show_Picture_Source_Path(Library_Selected_Image);
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
    if (d.selection().Selected_Graphic_Objects().size() >= 2) {
        Show_MessageBox(QStringLiteral("Please select single barcode to update."));
        return;
    }
    d.Open_Barcode_Window();
}

// The QR payload editor on the current object; OK renders the object anew from the payload.
void editQrPayload(DesignController &d)
{
    BarcodeModeDesign &barcodeMode = *d.sources().barcode;
    barcodeMode.Set_QR_Val_Edit(true);
    try {
        const std::shared_ptr<SKTGraphic> object = d.selection().Get_Selected_Graphic();
        if (object) {
            if (object->AQR_Category.isEmpty())
                object->AQR_Category = QStringLiteral("Text");
            if (object->AQR_Display_value.isEmpty())
                object->AQR_Display_value = object->two_d_font_val;
            const std::optional<AdvQrDesign::Payload> edited = d.sources().advQr->Open_ADV_QR_EDIT_Window(
                {object->two_d_font_val, object->AQR_Display_value, object->AQR_Category});
            if (edited) {
                const QString payload = edited->value;
                const QString category = edited->category;
                QString display = Trim_Str(edited->display);
                if (display.isEmpty())
                    display = payload;
                Show_NSLog_Message(payload + QStringLiteral(" - ") + category + QStringLiteral(" - ") + display);
                object->AQR_Category = category;
                object->AQR_Display_value = display;
                object->AQR_Final_Value = payload;
                object->two_d_font_val = payload;
                // The Barcode mode's own 2D value is that mode's: a design edit leaves it alone.
                // The symbol of the new payload first, then one step with the object as drawn: a step
                // taken before would pair the new payload with the old symbol.
                barcodeMode.Set_Barcode_Prop_To_Control(*object, true);
                const platform::Picture picture = barcodeMode.Get_Image_From_Val(payload, object->header_val, object->footer_val);
                Barcode_output_image = std::make_shared<platform::Picture>(picture);
                object->Set_Barcode_image(picture);
                object->Set_Barcode_image_control_bounds();
                d.Update_Barcode_Graphics(*object);
            }
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    barcodeMode.Set_QR_Val_Edit(false);
}

} // namespace

void PropertySidebar::Connect_Picture_Panels()
{
    DesignController *d = &design;
    ImagePanel *image = imagePanel();
    connect(image, &ImagePanel::transferRequested, this, [d] { d->Update_Image_Graphics(); });
    connect(image, &ImagePanel::colorChosen, d, &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(image, &ImagePanel::resetRequested, this, [d] { reloadSelectedPictures(*d); });
    connect(image, &ImagePanel::cropRequested, this, [d] { cropCurrentPicture(*d); });
    SignPanel *sign = signPanel();
    connect(sign, &SignPanel::transferRequested, this, [d] { d->Update_Sign_Graphics(); });
    connect(sign, &SignPanel::colorChosen, d, &DesignController::Fill_And_Set_Color_Event_Generator);
    BarcodePanel *barcode = barcodePanel();
    connect(barcode, &BarcodePanel::barcodeWindowRequested, this, [d] { openBarcodeWindowForOne(*d); });
    connect(barcode, &BarcodePanel::qrValueEditRequested, this, [d] { editQrPayload(*d); });
}

// ---- Fills and reads ----

void PropertySidebar::Fill_Image_Panel(const SKTGraphic &g)
{
    Show_Size_Fields(false);
    if (sel_control_name)
        sel_control_name->setText(QStringLiteral("I"));
    imagePanel()->Fill_Image_Panel(g);
    Fill_Image_Source(g);
}

void PropertySidebar::Fill_Sign_Panel(const SKTGraphic &g)
{
    if (sel_control_name)
        sel_control_name->setText(g.sign_or_fingureprint);
    signPanel()->Fill_Sign_Panel(g);
    Fill_Sign_Source(g);
}

void PropertySidebar::Hide_Image_Error()
{
    if (image_tab)
        imagePanel()->image_error_label->hide();
}

ImagePanelValues PropertySidebar::Read_Image_Panel(bool singleSelection) const
{
    if (!image_tab)
        return {};
    ImagePanelValues v = imagePanel()->Read_Image_Panel();
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    if (singleSelection)
        v.filePath = Picture_Source_Path();
    return v;
}

SignPanelValues PropertySidebar::Read_Sign_Panel() const
{
    if (!sign_tab)
        return {};
    SignPanelValues v = signPanel()->Read_Sign_Panel();
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    return v;
}
