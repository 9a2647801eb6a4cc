// The crop wizard's file list and its batch run: the list built from a series, the run over every
// listed picture on the batch workers with the naming, the prompts and the writing in list order,
// the series of the paths written, and the direct crop of a whole series.

#include "imagetools/Cropping_Tool.h"

#include "imagetools/ImageToolsSources.h"
#include "core/BatchPool.h"
#include "core/UserFolders.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/Open_Export_Log.h"
#include "core/Replcae_Confirm_Box.h"
#include "core/Utilities.h"
#include "imaging/CropBatchRun.h"
#include "imaging/CropGeometry.h"
#include "imaging/CropInputs.h"
#include "imaging/ImageForPath.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "io/SeriesStore.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/GuiThread.h"
#include "ui_Cropping_Tool.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTableView>

#include <thread>

namespace {

// The first name of "name", "name (1)", "name (2)" … that no series has (names compared in any case).
QString freeSeriesName(const QString &name)
{
    QString candidate = name;
    for (int n = 1; series_store::indexOf(candidate) >= 0; ++n)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
    return candidate;
}

// Runs the body behind the progress sheet, or on a plain worker where there is no main window.
void runBehindSheet(int count, const std::function<void()> &body)
{
    if (ImageToolsSources *sources = ImageToolsSources::current()) {
        sources->output->Run_Behind_Progress_Sheet(count, body);
        return;
    }
    // The GUI thread keeps serving the run's requests (the list's selection) meanwhile.
    QEventLoop loop;
    std::thread worker([&] {
        body();
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
}

} // namespace

void Cropping_Tool::Create_List(const QString &path)
{
    ListData.Create_List(path);
}

QString Cropping_Tool::Get_Item_Text(int index) const
{
    return ListData.Get_Item_Text(index);
}

void Cropping_Tool::Load_file_Func(const QString &seriesName)
{
    const std::optional<QStringList> values = series_store::read(seriesName);
    if (!values)
        return;
    m_seriesLines = *values;
    // The main window's accepted types: every image command takes the same files.
    ImageToolsSources *sources = ImageToolsSources::current();
    const QStringList types = sources ? sources->host->Allowd_Image_fileTypes() : QStringList();
    for (int i = 0; i < values->size(); ++i) {
        QString line = values->at(i);
        // A line ended by a carriage return names the file without it.
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QFileInfo info(line);
        // Only an absolute path names a file: a relative one would depend on where the program runs.
        if (info.isAbsolute() && info.isFile() && types.contains(info.suffix().toLower())) {
            Create_List(line);
            m_seriesLineOfRow << i;
        }
    }
}

void Cropping_Tool::Show_Listed_Picture(int index)
{
    if (!m_ui || index < 0 || index >= ListData.count())
        return;
    Mark_List_New_Selection(index);
    Crop_Input_Path = Get_Item_Text(index);
    Load_Image_File(Crop_Input_Path);
}

void Cropping_Tool::Show_Run_Picture(int index)
{
    // A preview is read on the GUI thread; the run never waits for it. While one is read, later
    // requests replace each other, so a fast run shows its latest picture, not a backlog.
    if (m_runShown.exchange(index) >= 0)
        return;
    platform::runOnGuiThreadLater([this] {
        const int row = m_runShown.exchange(-1);
        if (row >= 0)
            Show_Listed_Picture(row);
    });
}

void Cropping_Tool::Mark_List_New_Selection(int index)
{
    if (!m_ui || index < 0 || index >= ListData.count())
        return;
    m_ui->ColList->selectRow(index);
}

bool Cropping_Tool::eventFilter(QObject *watched, QEvent *event)
{
    if (m_window && watched == m_window.get() && event->type() == QEvent::Show)
        fitWindow();
    if (m_batchRunning && m_window && watched == m_window.get()) {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

crop::OperationPlan Cropping_Tool::operationPlan() const
{
    crop::OperationPlan plan;
    plan.manual = manualCrop();
    plan.cropRect = Crop_Rect;
    plan.drawingSize = QSizeF(m_ui->Modified_image->contentsRect().size());
    plan.scaling = m_ui->Modified_image->imageScaling();
    plan.previewSide = Crop_Image_Size;
    plan.width = m_ui->width_Stepper->value();
    plan.height = m_ui->height_Stepper->value();
    plan.keepAspectRatio = m_ui->aspect_ratio_chk->isChecked();
    return plan;
}

void Cropping_Tool::Crop_Direct_Clicked()
{
    if (crop_direct != 2) {
        Crop_Direct_Image_Clicked();
        return;
    }
    Msg_Apply_All_Chk = false;
    Msg_Apply_All_Chk_for_in_use = false;
    Stop_Processing_Now = false;
    replace_keep_file_flag = 0;
    if (manualCrop() && (!m_canvas->hasSelectors() || !m_canvas->hasSelector())) {
        Show_MessageBox(QStringLiteral("Please select area to crop."));
        return;
    }
    const QString question = manualCrop()
        ? QStringLiteral("This action will create new batch series with all new 'Cropped Images'.\n\nAre you sure you want to continue?")
        : QStringLiteral("This action will create new batch series with all new 'Resized Images'.\n\nAre you sure you want to continue?");
    if (Show_YES_NO_MessageBox(question) != 1)
        return;
    replace_keep_file_flag = 0;
    Crop_Output_Path = !Cropped_Img_Path.isEmpty() ? Cropped_Img_Path
                       : !Created_Resource_Path.isEmpty() ? Created_Resource_Path + QStringLiteral("/Cropped_Images")
                                                          : QString();
    if (Crop_Output_Path.isEmpty()) {
        Show_MessageBox(QStringLiteral("The folder for cropped images could not be made."));
        return;
    }
    Crop_All_Thread();
}

int Cropping_Tool::Open_Wnd_Direct_Crop_Series(const QString &seriesName)
{
    crop_direct = 2;
    resetForOpening();
    Ui::Cropping_Tool &u = *m_ui;
    // The series' crop view is a little taller than designed: the normal buttons are hidden.
    m_viewSize = image_frame_size + QSize(0, 30);
    u.input_series_radio->setChecked(true);
    input_option_CellClick();
    const int index = u.camera_list->findText(seriesName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index > 0)
        u.camera_list->setCurrentIndex(index);
    u.Main_Screen_Box->hide();
    u.Crop_Screen_Box->show();
    u.button_box->hide();
    u.crop_btn->hide();
    u.crop_all_btn->hide();
    u.Open_Folder_Btn->hide();
    u.ColList->show();
    u.Crop_direct_Btn->show();
    u.Close_direct_Btn->show();
    if (!Load_for_Next_Screen())
        return 0;
    const int code = platform::runModal(*m_window);
    m_window->hide();
    return code;
}

void Cropping_Tool::Crop_All_Clicked()
{
    Stop_Processing_Now = false;
    replace_keep_file_flag = 0;
    Crop_All_Thread();
}

void Cropping_Tool::Crop_All_Thread()
{
    // A size being typed is taken before the operation reads it; a refused one stops it.
    if (!Size_Typing_Ended())
        return;
    Msg_Apply_All_Chk = false;
    Msg_Apply_All_Chk_for_in_use = false;
    Stop_Processing_Now = false;
    Ui::Cropping_Tool &u = *m_ui;
    // Everything the run needs from the window, read once here on the GUI thread.
    const bool manual = manualCrop();
    if (manual) {
        if (!m_canvas->hasSelectors() || !m_canvas->hasSelector()) {
            Show_MessageBox(QStringLiteral("Please select area to crop."));
            return;
        }
        Crop_Rect = m_canvas->selectors().back()->frame().normalized();
    }
    const crop::OperationPlan plan = operationPlan();
    // Every name of the run is decided, asked about and written in the output folder held here,
    // whatever takes its name meanwhile.
    platform::Descriptor held(crop::outputFolderTakesFiles(Crop_Output_Path)
                                  ? platform::openFolderByRule(Crop_Output_Path, nullptr) : -1);
    const auto unwritable = [&] {
        Show_MessageBox(QStringLiteral("The output folder cannot be written: %1").arg(Crop_Output_Path));
    };
    if (held.fd < 0) {
        unwritable();
        return;
    }
    const QStringList inputs = ListData.paths();
    const int count = int(inputs.size());
    const bool direct = crop_direct == 2;
    const bool customName = m_output->checkedId() == 1;
    const QString customText = u.output_custom_name->text();
    const int format = u.output_format_combo->currentIndex();

    // The series of the paths written: a new one is claimed now, a replaced one is written only
    // after a complete run.
    const bool seriesOutput = inputRow() == 2;
    QString seriesName;
    bool replaceSeries = false;
    if (seriesOutput) {
        const QString chosen = u.camera_list->currentIndex() > 0 ? u.camera_list->currentText() : QString();
        replaceSeries = !direct && m_batch->checkedId() == 1;
        seriesName = replaceSeries ? chosen : freeSeriesName(Remove_Reserve_Char_In_File_Name(chosen));
        const bool opened = replaceSeries ? series_store::exists(seriesName) && QFileInfo(Data_Folder_Path).isWritable()
                                          : series_store::write(seriesName, {});
        if (seriesName.isEmpty() || !opened) {
            Show_MessageBox(QStringLiteral("Error in series file accessing."));
            return;
        }
        if (direct) {
            Crop_Direct_Series = seriesName;
            const QString above = QDir::cleanPath(Crop_Output_Path);
            Crop_Output_Path = QDir(above).filePath(seriesName);
            // The series' own folder, made or taken as an export folder is, in the output folder
            // held (what took its name since gets nothing): where others may write there, only a
            // real folder of the user's, never another's left there.
            held = platform::Descriptor(platform::openWritableFolderIn(held.fd, seriesName, above, nullptr));
            if (held.fd < 0) {
                series_store::remove(seriesName);
                unwritable();
                return;
            }
        }
    }
    const QString folder = Crop_Output_Path;
    ImageToolsSources *sources = ImageToolsSources::current();
    OutputImageTools *output = sources ? sources->output.get() : nullptr;

    // One line per record of the series read, in its order: the path written, or the line as it was
    // where the picture failed, was skipped or names no picture. A stopped run keeps the records
    // up to the last one it settled.
    QStringList lines = m_seriesLines;
    const QList<int> lineOfRow = m_seriesLineOfRow;
    int linesSettled = 0;
    crop::BatchPlan batch;
    batch.count = count;
    batch.threads = batchThreads;
    batch.folder = folder;
    batch.folderFd = held.fd;
    batch.stop = &Stop_Processing_Now;
    batch.cost = [&](int i) { return crop::operationBytes(plan, inputs.at(i)); };
    batch.make = [&](int i) {
        crop::BatchMade made;
        const QString input = inputs.at(i);
        QString reason;
        const QImage image = crop::cutFromOriginal(plan, input, &reason);
        if (image.isNull()) {
            made.failure = reason.startsWith(QStringLiteral("The image could not be read"))
                               ? reason
                               : QStringLiteral("Nothing of %1 lies under the selection.").arg(QFileInfo(input).fileName());
            return made;
        }
        // The direct series keeps each picture's own format; otherwise the chosen one.
        const QString probe = direct ? QStringLiteral("x.") + QFileInfo(input).suffix().toUpper()
                                     : crop::croppedFileName(QStringLiteral("/"), false, {}, QStringLiteral("x"), 0, format);
        QString why;
        made.bytes = Encode_gen_image(platform::Picture::fromImage(image), probe, &why);
        if (made.bytes.isEmpty())
            made.failure = QStringLiteral("The image could not be written: %1 (%2).").arg(QFileInfo(input).fileName(), why);
        return made;
    };
    batch.name = [&](int i) {
        if (direct) {
            const QString wanted = QDir(folder).filePath(QFileInfo(inputs.at(i)).fileName());
            return output ? output->Check_Exist_Path_and_Create_New(wanted, 1, held.fd) : wanted;
        }
        return crop::croppedFileName(folder, customName, customText, inputs.at(i), crop_num++, format);
    };
    if (!direct && output) {
        // The prompt and the window it stands in front of are made here, on the GUI thread,
        // before the run may ask.
        Replcae_Confirm_Box::defaultInstance();
        sources->host->window();
        batch.keepReplace = [output, fd = held.fd](const QString &path) {
            return Trim_Str(output->Check_And_Show_Keep_Replace_File_Msg(path, true, fd));
        };
    }
    // Each picture is shown (its row selected, its preview in the view) before it is named, asked
    // about and written; the pixels written come from the original, never from the view.
    std::atomic<int> lastShown{-1};
    batch.show = [&](int i) {
        lastShown = i;
        Show_Run_Picture(i);
    };
    batch.settled = [&](int i, const QString &written) {
        croped_file = written;
        if (direct)
            Crop_Direct_Path = written;
        if (seriesOutput && i < lineOfRow.size() && (!written.isEmpty() || !Stop_Processing_Now)) {
            if (!written.isEmpty())
                lines[lineOfRow.at(i)] = written;
            linesSettled = lineOfRow.at(i) + 1;
        }
        if (output)
            output->Set_Progress_Count(double(i + 1));
    };

    crop::BatchOutcome outcome;
    if (MSSSelector *current = m_canvas->currentSelector())
        current->Set_selector_show_or_not(false);
    m_batchRunning = true;
    runBehindSheet(count, [&] { outcome = crop::runBatch(batch); });
    m_batchRunning = false;
    const bool stopped = outcome.stopped || Stop_Processing_Now;

    QString seriesUnsynced;   // the series is saved, but may not outlast a power cut
    if (seriesOutput) {
        if (stopped)
            lines = lines.mid(0, linesSettled);
        if (!replaceSeries || !stopped) {
            if (!series_store::write(seriesName, lines, &seriesUnsynced))
                Show_MessageBox(QStringLiteral("Error in series file accessing."));
        }
        if (sources)
            sources->barcode->Refresh_Data_Set_File_Name_In_Combo(u.camera_list, QString());
    }
    // The list shows the last picture processed, whatever showing is still queued.
    m_runShown = -1;
    if (lastShown >= 0 && lastShown != u.ColList->currentIndex().row())
        Show_Listed_Picture(lastShown);
    if (manual)
        if (MSSSelector *current = m_canvas->currentSelector())
            current->Set_selector_show_or_not(true);

    Export_File_Path = folder;
    Export_File_Message = outcome.failed == 0
        ? QStringLiteral("Image has been cropped successfully.")
        : QStringLiteral("%1 of %2 images have been cropped.\n%3").arg(outcome.written).arg(count).arg(outcome.firstFailure);
    // The disk's error while the pictures were written is a failure; a series that may not outlast a
    // power cut is said in place of the success.
    QStringList said;
    if (!outcome.syncFailure.isEmpty())
        said << batchfiles::damagedFilesMessage(QStringLiteral("the cropped images"), outcome.syncFailure);
    if (!seriesUnsynced.isEmpty())
        said << series_store::unsyncedWarning({seriesName}, seriesUnsynced);
    const bool warned = !said.isEmpty();
    if (warned)
        Export_File_Message = ((outcome.failed == 0 ? QStringList() : QStringList{Export_File_Message}) + said).join(QStringLiteral("\n\n"));
    // A stopped run says how far it came.
    const QString account =
        QStringLiteral("Stopped: %1 of %2 images have been cropped.").arg(outcome.written).arg(count);
    if (direct) {
        if (outcome.written == 0) {
            // No picture was written: the caller gets no series of missing files.
            series_store::remove(seriesName);
            Crop_Direct_Series.clear();
            if (stopped)
                Show_MessageBox(account);
            else if (!outcome.firstFailure.isEmpty())
                Show_MessageBox(outcome.firstFailure);
            m_window->done(0);
            return;
        }
        // The caller binds the new series: a picture that kept its original is said first.
        if (stopped)
            Show_MessageBox(account);
        else if (outcome.failed > 0 || warned)
            Show_MessageBox(Export_File_Message);
        m_window->done(1);
        return;
    }
    // No done box after a stop, and the wizard stays on the crop screen.
    if (stopped) {
        Show_MessageBox(account);
        return;
    }
    // Pictures the disk reported an error for are no success: an alert, not the done box.
    if (!outcome.syncFailure.isEmpty()) {
        Show_MessageBox(Export_File_Message);
        Export_File_Message.clear();
        Export_File_Path.clear();
    } else {
        Open_Export_File_Box();
    }
    Back_Btn_Clicked();
}
