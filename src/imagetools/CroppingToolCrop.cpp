// The crop wizard's single crop: the shown picture's region (or the whole picture, resized) is
// taken from the full original, named and written whole.

#include "imagetools/Cropping_Tool.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/Open_Export_Log.h"
#include "core/Utilities.h"
#include "imagetools/CropGeometry.h"
#include "imagetools/ImageFileReader.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "output/OutputController.h"
#include "platform/Files.h"
#include "ui_Cropping_Tool.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>

QString Cropping_Tool::Cropped_File_Name()
{
    const QString path = crop::croppedFileName(Crop_Output_Path, m_output->checkedId() == 1,
                                               m_ui->output_custom_name->text(), Crop_Input_Path, crop_num,
                                               m_ui->output_format_combo->currentIndex());
    ++crop_num;
    return path;
}

QImage Cropping_Tool::operationResult(QString *error) const
{
    crop::OperationPlan plan = operationPlan();
    plan.previewSize = User_Picture.size();
    return crop::cutFromOriginal(plan, Crop_Input_Path, error);
}

QString Cropping_Tool::writeOutput(const QImage &image, const QString &path)
{
    const QString target = Main_App_wnd ? Trim_Str(Main_App_wnd->output().Check_And_Show_Keep_Replace_File_Msg(path, false))
                                        : path;
    if (target.isEmpty() || !writeWhole(image, target))
        return {};
    return target;
}

bool Cropping_Tool::writeWhole(const QImage &image, const QString &target)
{
    QString error;
    const QByteArray bytes = Encode_gen_image(platform::Picture::fromImage(image), target, &error);
    if (bytes.isEmpty() || !platform::writeFileAtomically(target, bytes, &error)) {
        Show_MessageBox(QStringLiteral("The image could not be written: %1 (%2).")
                            .arg(QFileInfo(target).fileName(), error));
        return false;
    }
    return true;
}

void Cropping_Tool::Crop_Single_Image_Clicked()
{
    Msg_Apply_All_Chk = false;
    Msg_Apply_All_Chk_for_in_use = false;
    if (User_Picture.isNull()) {
        // A file that is there but gave no picture says why.
        QString error;
        if (QFileInfo(Crop_Input_Path).isFile() && operationResult(&error).isNull() && !error.isEmpty())
            Show_MessageBox(error);
        else
            Show_MessageBox(QStringLiteral("There is no image to crop."));
        return;
    }
    Stop_Processing_Now = false;
    replace_keep_file_flag = 0;
    if (manualCrop()) {
        if (!m_canvas->hasSelectors() || !m_canvas->hasSelector()) {
            Show_MessageBox(QStringLiteral("Please select area to crop."));
            return;
        }
        Crop_Rect = m_canvas->selectors().back()->frame().normalized();
    }
    Create_Folder(Crop_Output_Path);
    QString error;
    const QImage result = operationResult(&error);
    if (result.isNull()) {
        Show_MessageBox(error.isEmpty() ? QStringLiteral("Please select area to crop.") : error);
        return;
    }
    croped_file = Cropped_File_Name();
    const QString written = writeOutput(result, croped_file);
    if (written.isEmpty() || Stop_Processing_Now)
        return;
    Export_File_Path = written;
    Export_File_Message = QStringLiteral("Image has been cropped successfully.");
    Open_Export_File_Box();
    if (inputRow() == 0)
        Back_Btn_Clicked();
}

void Cropping_Tool::Crop_Direct_Image_Clicked()
{
    Msg_Apply_All_Chk = false;
    Msg_Apply_All_Chk_for_in_use = false;
    Stop_Processing_Now = false;
    replace_keep_file_flag = 0;
    if (manualCrop()) {
        if (!m_canvas->hasSelectors() || !m_canvas->hasSelector()) {
            Show_MessageBox(QStringLiteral("Please select area to crop."));
            return;
        }
        Crop_Rect = m_canvas->selectors().back()->frame().normalized();
    }
    if (crop_direct != 1)
        return;
    // The per-user folder's "Cropped_Images", even before the window set-up has named it; never
    // a folder relative to wherever the program runs.
    Crop_Output_Path = !Cropped_Img_Path.isEmpty() ? Cropped_Img_Path
                       : !Created_Resource_Path.isEmpty() ? Created_Resource_Path + QStringLiteral("/Cropped_Images")
                                                          : QString();
    if (Crop_Output_Path.isEmpty() || !QDir().mkpath(Crop_Output_Path)) {
        Show_MessageBox(QStringLiteral("The folder for cropped images could not be made."));
        return;
    }
    QString error;
    const QImage result = operationResult(&error);
    if (result.isNull()) {
        // The dialog stays open: the caller gets no path that has no file.
        Show_MessageBox(error.isEmpty() ? QStringLiteral("Please select area to crop.") : error);
        return;
    }
    const QString wanted = Crop_Output_Path + QLatin1Char('/') + QFileInfo(Crop_Input_Path).fileName();
    Crop_Direct_Path = Main_App_wnd ? Main_App_wnd->output().Check_Exist_Path_and_Create_New(wanted, 1) : wanted;
    croped_file = Crop_Direct_Path;
    if (!writeWhole(result, Crop_Direct_Path) || !QFileInfo(Crop_Direct_Path).isFile())
        return;
    m_window->done(1);
}
