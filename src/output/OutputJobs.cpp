// The output jobs the commands hand over to: the print, PDF, mail and export dialogs, the single card
// picture, the Barcode mode's record values and the keep-or-replace rule.

#include "output/OutputController.h"

#include "core/Messages.h"
#include "core/Replcae_Confirm_Box.h"
#include "core/Utilities.h"
#include "output/Export_Barcode.h"
#include "output/ImageExport.h"
#include "output/OutputSources.h"
#include "output/PDF_Export.h"
#include "output/Print_Wnd.h"
#include "output/Send_Mail.h"
#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>

#include <exception>

#include <fcntl.h>
#include <sys/stat.h>

int OutputController::Open_Print_Wnd()
{
    if (Job_Recorder)
        return Job_Recorder(QStringLiteral("Open_Print_Wnd"), {});
    return Print_Wnd::defaultInstance()->Open_Print_Wnd(this);
}

int OutputController::Open_Pdf_Export_Wnd()
{
    if (Job_Recorder)
        return Job_Recorder(QStringLiteral("Open_Pdf_Export_Wnd"), {});
    return PDF_Export::defaultInstance()->Open_Pdf_Export_Wnd(*this);
}

int OutputController::Send_Mail_Open_Wnd()
{
    if (Job_Recorder)
        return Job_Recorder(QStringLiteral("Send_Mail_Open_Wnd"), {});
    return Send_Mail::defaultInstance()->Open_Wnd(*this);
}

int OutputController::Open_Export_Dialog()
{
    if (Job_Recorder)
        return Job_Recorder(QStringLiteral("Open_Export_Dialog"), {});
    return Export_Barcode::defaultInstance()->Open_Export_Dialog(Export_Barcode::stateOf(*sources().barcode));
}

// A recorder in place (tests) gets the entry point instead of the job.
void OutputController::Export_Batch_File(const QString &folder)
{
    if (Job_Recorder)
        Job_Recorder(QStringLiteral("Export_Batch_File"), {folder});
    else
        ImageExport(*this).Export_Batch_File(folder);
}

void OutputController::Export_Batch_File_Barcode(const QString &folder)
{
    if (Job_Recorder)
        Job_Recorder(QStringLiteral("Export_Batch_File_Barcode"), {folder});
    else
        ImageExport(*this).Export_Batch_File_Barcode(folder);
}

QString OutputController::Export_Name_With_Options(const QString &value, const QString &series,
                                                   const QString &createdPath, int counter)
{
    if (Job_Recorder)
        Job_Recorder(QStringLiteral("Export_Name_With_Options"), {value, series, createdPath, QString::number(counter)});
    return ImageExport(*this).Export_Name_With_Options(value, series, counter);
}

QString OutputController::Export_Barcode_Name_With_Options(const QString &value, const QString &header,
                                                           const QString &footer, const QString &series,
                                                           const QString &createdPath, int counter)
{
    if (Job_Recorder)
        Job_Recorder(QStringLiteral("Export_Barcode_Name_With_Options"),
                     {value, header, footer, series, createdPath, QString::number(counter)});
    return ImageExport(*this).Export_Barcode_Name_With_Options(value, header, footer, series, counter);
}

QString OutputController::Get_Barcode_List_Combo_Value(int record) const
{
    try {
        return Trim_Str(sources().barcode->Record_Value(record));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return QString();
    }
}

bool OutputController::Export_Single_File(const QString &path, bool showMsg, bool increaseDPI)
{
    return ImageExport(*this).Export_Single_File(path, showMsg, increaseDPI);
}

QString OutputController::Check_And_Show_Keep_Replace_File_Msg(const QString &path, bool showApplyAll, int folder)
{
    try {
        if (path.isEmpty())
            return path;
        // In a folder held open (an export folder as checked) the name is looked at there, whatever
        // holds the folder's name now: the file asked about, Keep's free name and the file the
        // writer replaces are in one folder.
        const QFileInfo info(path);
        const int start = folder >= 0 ? folder : AT_FDCWD;
        const QString entry = folder >= 0 ? info.fileName() : path;
        struct stat st {};
        if (::fstatat(start, QFile::encodeName(entry).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return path;
        // Replacing writes the new file over the old one, never deletes it first: a failed write
        // then keeps the old file.
        if (replace_keep_file_flag == 2)
            return path;
        if (replace_keep_file_flag == 3)
            return Check_Exist_Path_and_Create_New(path, 1, folder);
        // A link is written through: the question names the file that would really be replaced. A
        // file the writer will refuse (another's link, a file this process may not write) is not
        // offered for replacing: the writer says why. Nor is one a link names that is not there.
        platform::Place place;
        if (!platform::reachFile(entry, &place, nullptr, start, folder >= 0 ? info.path() : QString()) || !place.exists)
            return path;
        const QString &replaced = place.path;
        Replcae_Confirm_Box *box = Replcae_Confirm_Box::defaultInstance();
        box->title_val = QStringLiteral("File already exists :");
        const bool elsewhere = QFileInfo(replaced).absoluteFilePath() != info.absoluteFilePath();
        box->msg_val_str = (elsewhere ? replaced : info.fileName())
                           + QStringLiteral("\n\nFile already exists in this location.\n\nDo you want to Keep or Replace it?");
        box->file_path_str = path;
        box->apply_chk_show = showApplyAll;
        box->parent_window_id = sources().host->window();
        box->Open_box_in_thread();
        switch (replace_keep_file_flag) {
        case 1:
        case 3:
            return Check_Exist_Path_and_Create_New(path, 1, folder);
        case 0:
        case 2:
            return path;
        default:
            return QString();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return QString();
    }
}
