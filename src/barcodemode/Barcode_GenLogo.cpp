// The QR logo of the barcode-object window (its box, path and picture, and the file chosen from
// the image library), the pictures of the QR payload categories, and the hand-over of a QR
// object's payload to the QR payload editor.

#include "barcodemode/Barcode_Gen.h"

#include "core/QrCategoryImages.h"
#include "imaging/QrLogo.h"
#include "core/SymbolGlobals.h"
#include "core/UserFolders.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "imaging/ImageForPath.h"
#include "imaging/ImageSizeCheck.h"
#include "platform/PictureView.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <exception>

namespace {
QString reasonOf(const std::exception &e) { return QString::fromUtf8(e.what()); }
} // namespace

void Barcode_Gen::Load_Logo_Image(const QString &path)
{
    try {
        Use_logo_path->setPlainText(path);
        USE_QR_LOGO_IMG = QFileInfo(path).isFile() ? qr_logo::readScaled(path) : QImage();
        Use_Logo_Image_View->setPicture(USE_QR_LOGO_IMG.isNull() ? platform::Picture()
                                                                 : platform::Picture::fromImage(USE_QR_LOGO_IMG));
        USE_QR_LOGO_PATH = path;
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::Use_Logo_Chk_Clicked(QObject *)
{
    try {
        USE_QR_LOGO = Use_Logo_chk->isChecked();
        SetObjEnabled(Use_logo_box, USE_QR_LOGO);
        Get_2d_barcode_from_image(true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::Use_Browse_Logo_Btn_Clicked(QObject *)
{
    try {
        if (design().Open_Image_Library_Window(QStringLiteral("QR")) != 1)
            return;
        // Another file of the disk may be no picture at all: the logo stays as it was.
        if (!imagefile::read(lib_window_sel_file, Crop_Image_Size).ok()) {
            Show_MessageBox(QStringLiteral("The selected file is not a readable image."));
            return;
        }
        Library_Selected_Image = lib_window_sel_file;
        if (Image_Is_Over_Size(Library_Selected_Image, true, 0))
            return;
        Load_Logo_Image(Library_Selected_Image);
        Get_2d_barcode_from_image(true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

QImage Barcode_Gen::Get_Qr_Cat_Image_Acc_to_Category(const QString &title) const
{
    return QImage(QDir(Resource_Path).filePath(qr_category::imageFileFor(title)));
}

void Barcode_Gen::Edit_Adv_QR_Value_Clicked(QObject *)
{
    QR_Val_Edit = true;   // the payload panels' edits go to the editor meanwhile
    try {
        const std::optional<AdvQrBarcodeMode::PayloadEdit> edited = advQr().Open_ADV_QR_EDIT_Window(
            {Get_Two_D_Value_From_Field(), Get_QR_Barcode_Display_Val(), Sel_Qr_type_TEXT->text()});
        if (edited) {
            const QString payload = edited->payload;
            Set_Two_D_Value_in_Field(payload);
            const QString category = edited->type;
            QString summary = Trim_Str(edited->summary);
            if (summary.isEmpty())
                summary = payload;
            Show_NSLog_Message(payload);
            Show_NSLog_Message(category);
            Show_NSLog_Message(summary);
            AQR_Display_Text_View->setPlainText(summary);
            Sel_Qr_type_IMG->setPicture(platform::Picture::fromImage(Get_Qr_Cat_Image_Acc_to_Category(category)));
            Sel_Qr_type_TEXT->setText(category);
            Draw_QR_Barcode(payload);
            Get_2d_barcode_from_image(true);
            Get_Image_From_barcode_image(image_2d, true);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
    QR_Val_Edit = false;
}
