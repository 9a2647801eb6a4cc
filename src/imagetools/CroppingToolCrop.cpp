// The crop wizard's single and direct crops: the shown picture's region (or the whole picture,
// resized) is taken from the full original, named, and written by the main window's file writer
// under the please-wait sheet; the done box follows a file written.

#include "imagetools/Cropping_Tool.h"

#include "imagetools/ImageToolsSources.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "core/Open_Export_Log.h"
#include "core/Utilities.h"
#include "imaging/CropGeometry.h"
#include "imaging/CropInputs.h"
#include "imaging/CropSource.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "platform/Dialogs.h"
#include "platform/GuiThread.h"
#include "ui_Cropping_Tool.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include <memory>

namespace {

// The please-wait sheet over the wizard for one crop: made and shown, then taken down and
// destroyed on every way out, so no window of it outlives the crop.
class WaitSheet {
public:
    WaitSheet(QDialog *&sheet, QWidget *over) : m_sheet(sheet)
    {
        // Without a main window there is no sheet to copy: the crop runs without one.
        if (ImageToolsSources *sources = ImageToolsSources::current()) {
            m_sheet = sources->host->Make_Please_Wait_Sheet(over);
            m_shown = sources->host->Show_Please_Wait_Sheet(m_sheet, over);
        }
    }
    ~WaitSheet() { hide(); }
    void hide()
    {
        if (!m_shown)
            return;
        m_shown.reset();
        delete m_sheet;
        m_sheet = nullptr;
    }

private:
    QDialog *&m_sheet;
    std::shared_ptr<void> m_shown;   // the sheet shown while held
};

} // namespace

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

QString Cropping_Tool::writeOutput(const QImage &image, const QString &path, bool skipKeepReplace)
{
    ImageToolsSources *sources = ImageToolsSources::current();
    if (!sources)
        return {};
    Export_File_Path.clear();
    if (!sources->output->Export_File_Function(path, platform::Picture::fromImage(image), false, skipKeepReplace, false))
        return {};
    return Export_File_Path;
}

void Cropping_Tool::Open_Export_File_Box()
{
    if (Stop_Processing_Now)
        return;
    platform::runOnGuiThreadAndWait([] {
        try {
            Open_Export_Log box;
            const QFileInfo target(Export_File_Path);
            box._open_log_chk->setText(target.isDir() ? QStringLiteral("Open containing folder.")
                                                      : QStringLiteral("Open file."));
            box._open_log_path->setText(Export_File_Path);
            box._open_log_message->setText(Export_File_Message);
            box._open_log_chk->setFocus();
            const int code = platform::runModal(box);
            // Closed any other way than by a button: that button's answer, so the globals are cleared.
            if (!box.handled()) {
                if (code == 1)
                    box.OKPressed();
                else
                    box.CancelPressed();
            }
            box.hide();
        } catch (const std::exception &e) {
            Show_MessageBox(QString::fromUtf8(e.what()));
        }
    });
}

void Cropping_Tool::Crop_Single_Image_Clicked()
{
    // A size being typed is taken before the operation reads it; a refused one stops it.
    if (!Size_Typing_Ended())
        return;
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
    if (!crop::outputFolderTakesFiles(Crop_Output_Path)) {
        Show_MessageBox(QStringLiteral("The output folder cannot be written: %1").arg(Crop_Output_Path));
        return;
    }
    QString error;
    WaitSheet wait(plz_wait_Window, m_window.get());
    const QImage result = operationResult(&error);
    if (result.isNull()) {
        wait.hide();
        Show_MessageBox(error.isEmpty() ? QStringLiteral("Please select area to crop.") : error);
        return;
    }
    croped_file = writeOutput(result, Cropped_File_Name());
    wait.hide();
    // A cancel of all at the prompt ends here, on the crop screen.
    if (Stop_Processing_Now)
        return;
    // Nothing written (skipped at the prompt, or the writer said why): no success to report, but a
    // single file is done with all the same.
    if (!croped_file.isEmpty()) {
        Export_File_Message = QStringLiteral("Image has been cropped successfully.");
        Open_Export_File_Box();
    }
    if (inputRow() == 0)
        Back_Btn_Clicked();
}

void Cropping_Tool::Crop_Direct_Image_Clicked()
{
    // A size being typed is taken before the operation reads it; a refused one stops it.
    if (!Size_Typing_Ended())
        return;
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
    WaitSheet wait(plz_wait_Window, m_window.get());
    m_window->activateWindow();
    m_window->raise();
    // The per-user folder's "Cropped_Images", even before the window set-up has named it; never
    // a folder relative to wherever the program runs.
    Crop_Output_Path = !Cropped_Img_Path.isEmpty() ? Cropped_Img_Path
                       : !Created_Resource_Path.isEmpty() ? Created_Resource_Path + QStringLiteral("/Cropped_Images")
                                                          : QString();
    if (Crop_Output_Path.isEmpty() || !QDir().mkpath(Crop_Output_Path)) {
        wait.hide();
        Show_MessageBox(QStringLiteral("The folder for cropped images could not be made."));
        return;
    }
    QString error;
    const QImage result = operationResult(&error);
    if (result.isNull()) {
        // The dialog stays open: the caller gets no path that has no file.
        wait.hide();
        Show_MessageBox(error.isEmpty() ? QStringLiteral("Please select area to crop.") : error);
        return;
    }
    const QString wanted = Crop_Output_Path + QLatin1Char('/') + QFileInfo(Crop_Input_Path).fileName();
    ImageToolsSources *sources = ImageToolsSources::current();
    Crop_Direct_Path = sources ? sources->output->Check_Exist_Path_and_Create_New(wanted, 1) : wanted;
    croped_file = writeOutput(result, Crop_Direct_Path, true);
    wait.hide();
    // 1 only with the file there: a failed write has been reported and the dialog stays open.
    if (croped_file.isEmpty() || !QFileInfo(croped_file).isFile())
        return;
    m_window->done(1);
}
