// The image exports: naming, one file, the single exports and the batch runs of the Barcode and the
// Designing mode, and the report at the end.

#include "output/ImageExport.h"

#include "core/BatchPool.h"
#include "core/Mode.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Open_Export_Log.h"
#include "core/Utilities.h"
#include "model/SKTRenderingView.h"
#include "outputjobs/ExportNaming.h"
#include "output/ExportWindow.h"
#include "outputjobs/ImageExportWriter.h"
#include "output/JobRunner.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/Send_Modeless.h"
#include "platform/Files.h"
#include "platform/GuiThread.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <exception>

const QString ImageExport::Done_Message = QStringLiteral("Label has been exported successfully.");
const QString ImageExport::Unable_Saving_Message = QStringLiteral(
    "Unable to continue saving barcode image.\n\nEither Destination Drive is inaccessible or there is no free space "
    "available in drive to save barcode image.");

namespace {

bool isEps(const QString &path) { return QFileInfo(path).suffix().compare(QLatin1String("eps"), Qt::CaseInsensitive) == 0; }
bool isPng(const QString &ext) { return ext.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0; }

exportnaming::Settings settingsFromGlobals(const QString &ext)
{
    exportnaming::Settings s;
    s.token = file_name_exported;
    s.prefix = file_prefix_exported;
    s.suffix = file_sufix_exported;
    s.folder = file_export_Path;
    s.ext = ext;
    s.exportCounter = export_card_counter;
    return s;
}

const exportnaming::TakenTest onDisk = [](const QString &p) { return exportnaming::fileNameTakenOnDisk(p); };

} // namespace

QString ImageExport::Export_Folder(const QString &destination, const QString &name, const QString &unable,
                                  platform::Descriptor *held, bool *made)
{
    const QString folder = QDir(destination).filePath(name);
    QString why;
    platform::Descriptor opened(destination.isEmpty() ? -1 : platform::openWritableFolder(folder, &why, made));
    if (opened.fd < 0) {
        // The system's reason, naming the folder, in place of the usual guess.
        const QString first = unable.section(QLatin1String("\n\n"), 0, 0);
        Show_MessageBox(why.isEmpty() ? unable
                                      : first + QStringLiteral("\n\nThe folder \"%1\" cannot be written: %2").arg(folder, why));
        return QString();
    }
    if (held)
        *held = std::move(opened);
    return folder;
}

imageexport::KeepReplace &ImageExport::keepReplaceOverride()
{
    static imageexport::KeepReplace answer;
    return answer;
}

int &ImageExport::batchThreads()
{
    static int threads = 0;
    return threads;
}

imageexport::BatchOutcome &ImageExport::lastOutcome()
{
    static imageexport::BatchOutcome outcome;
    return outcome;
}

QString ImageExport::keepReplace(const QString &path, bool showApplyAll, int folder)
{
    const imageexport::KeepReplace &answer = keepReplaceOverride();
    return Trim_Str(answer ? answer(path, showApplyAll) : output.Check_And_Show_Keep_Replace_File_Msg(path, showApplyAll, folder));
}

bool ImageExport::transparentChosen() const
{
    if (Barcode_Setting_Or_Designing_Mode == 2)
        return output.sources().advQr->Transparent_Background();
    return output.sources().barcode->Transparent_Background();
}

// ---- Naming ----

QString ImageExport::Export_Barcode_Name_With_Options(const QString &value, const QString &header,
                                                      const QString &footer, const QString &series, int counter)
{
    exportnaming::Settings s = settingsFromGlobals(file_path_ext);
    s.advancedQr = Barcode_Setting_Or_Designing_Mode == 2;
    if (s.advancedQr)
        s.qrTypeName = output.sources().advQr->Category_Title();
    s.pdfOption = output.pdf_export_opt;
    return exportnaming::barcodeName(s, value, header, footer, series, counter, Barcode_Setting_Or_Designing_Mode == 0,
                                     onDisk);
}

QString ImageExport::Export_Name_With_Options(const QString &value, const QString &series, int counter)
{
    QString column;
    if (file_name_exported == QLatin1String("<ECOL>"))
        column = output.sources().design->Get_sel_row_col_value_of_Excel(counter - 1, file_exl_col_exported);
    return exportnaming::labelName(settingsFromGlobals(file_path_ext), value, series, column, counter, onDisk);
}

// ---- One file ----

bool ImageExport::writeOne(const QString &path, const QByteArray &bytes)
{
    QString why, unsynced;
    if (!imageexport::writeExportFile(path, bytes, &why, &unsynced)) {
        Show_MessageBox(QStringLiteral("The file \"%1\" could not be written.\n\n%2").arg(QFileInfo(path).fileName(), why));
        return false;
    }
    if (!unsynced.isEmpty())
        Show_MessageBox(platform::unsyncedWarning(QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()), unsynced));
    Export_File_Path = path;
    Export_Any_File = true;
    return true;
}

bool ImageExport::Export_File_Function_Barcode(const QString &path, const platform::Picture &picture, bool showMsg)
{
    try {
        const QString p = showMsg ? Trim_Str(path) : keepReplace(path, true);
        if (p.isEmpty())
            return false;
        platform::Picture pic = picture;
        bool invalid = pic.isNull() || pic.size().isEmpty();
        if (invalid)
            pic = output.sources().host->Invalid_Barcode_Data_Image();
        QString why;
        QByteArray bytes;
        if (!invalid && !isEps(p)) {
            const bool white = transparentChosen() && !isPng(file_path_ext);
            bytes = imageexport::encodeForPath(pic, p, white, true, &why);
        }
        if (bytes.isEmpty()) {
            // No valid symbol (or one past the raster limits): the invalid-data picture, unraised.
            if (!invalid && !isEps(p))
                pic = output.sources().host->Invalid_Barcode_Data_Image();
            bytes = imageexport::encodeForPath(pic, p, false, false, &why);
        }
        if (bytes.isEmpty()) {
            Show_MessageBox(QStringLiteral("The file \"%1\" could not be written.\n\n%2").arg(QFileInfo(p).fileName(), why));
            return false;
        }
        if (!writeOne(p, bytes))
            return false;
        if (showMsg) {
            Export_File_Path = p;
            Export_File_Message = Done_Message;
            platform::runOnGuiThreadAndWait([] { Open_Export_File_Box(); });
        }
        return true;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return false;
    }
}

bool ImageExport::Export_File_Function(const QString &path, const platform::Picture &image, bool showMsg,
                                       bool skipKeepReplace, bool increaseDpi)
{
    try {
        const QString p = skipKeepReplace ? Trim_Str(path) : keepReplace(path, true);
        if (p.isEmpty())
            return false;
        QString why;
        const QByteArray bytes = imageexport::encodeForPath(image, p, false, increaseDpi && !isEps(p), &why);
        if (bytes.isEmpty()) {
            Show_MessageBox(QStringLiteral("The file \"%1\" could not be written.\n\n%2").arg(QFileInfo(p).fileName(), why));
            return false;
        }
        if (!writeOne(p, bytes))
            return false;
        if (showMsg) {
            Export_File_Message = Done_Message;
            platform::runOnGuiThreadAndWait([] { Open_Export_File_Box(); });
        }
        return true;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return false;
    }
}

bool ImageExport::Export_Single_File_Barcode(const QString &path)
{
    const platform::Picture picture = Barcode_Setting_Or_Designing_Mode == 2 ? output.sources().advQr->Shown_Picture()
                                                                             : output.sources().barcode->Shown_Picture();
    return Export_File_Function_Barcode(path, picture, true);
}

bool ImageExport::Export_Single_File(const QString &path, bool showMsg, bool increaseDPI)
{
    try {
        const bool front = export_card_side == QLatin1String("F") || export_card_side == QLatin1String("BOTH");
        if (!front)
            return false;   // no back side to render
        const platform::Picture image =
            SKTRenderingView::image_From_Card_Graphics(output.sources().design->Get_Front_Controls_Array());
        return Export_File_Function(path, image, showMsg, showMsg, increaseDPI);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return false;
    }
}

bool ImageExport::Export_Combined_Image(const platform::Picture &front, const platform::Picture &back,
                                        const QString &path, bool showMsg)
{
    if (front.isNull() || back.isNull()) {
        Show_NSLog_Message(QStringLiteral("Invalid image"));
        return false;
    }
    const QSizeF f = front.size();
    const bool sideBySide = output.exportWindow().combined_image_H_or_V_chk &&
                            output.exportWindow().combined_image_H_or_V_chk->isChecked();
    const QSizeF size = sideBySide ? QSizeF(2 * f.width(), f.height()) : QSizeF(f.width(), 2 * f.height());
    const platform::Picture both = platform::Picture::record(size, [front, back, f, sideBySide](QPainter &p) {
        if (sideBySide) {
            front.draw(p, QRectF(QPointF(0, 0), f));
            back.draw(p, QRectF(QPointF(f.width(), 0), f));
        } else {
            front.draw(p, QRectF(QPointF(0, 0), f));
            back.draw(p, QRectF(QPointF(0, f.height()), f));
        }
    });
    QString why;
    const QByteArray bytes = imageexport::encodeForPath(both, path, false, false, &why);
    if (bytes.isEmpty() || !writeOne(path, bytes))
        return false;
    Export_File_Message = Done_Message;
    if (showMsg)
        platform::runOnGuiThreadAndWait([] { Open_Export_File_Box(); });
    return true;
}

// ---- Batches ----

void ImageExport::reportBatch(const imageexport::BatchOutcome &out, const QString &folder)
{
    lastOutcome() = out;
    if (out.aborted)
        return;   // an exception ends the run without a message
    Export_File_Path = folder;
    if (out.stopped) {
        Export_File_Message = QStringLiteral("The export was stopped. %1 file(s) were written.").arg(out.written);
    } else if (out.failed > 0) {
        Export_File_Message = QStringLiteral("%1 file(s) were exported; %2 could not be written (the first: %3).")
                                  .arg(out.written)
                                  .arg(out.failed)
                                  .arg(out.firstFailure);
    } else {
        Export_File_Message = Done_Message;
    }
    // The disk's error while the files were written is a failure, whatever else is said.
    if (!out.syncFailure.isEmpty() && out.written > 0) {
        const QString damaged = batchfiles::damagedFilesMessage(QStringLiteral("the exported files"), out.syncFailure);
        Export_File_Message = Export_File_Message == Done_Message ? damaged : Export_File_Message + QStringLiteral("\n\n") + damaged;
    }
    if (out.written > 0 && out.syncFailure.isEmpty()) {
        Export_Any_File = true;
        Open_Export_File_Box();
    } else if (out.written > 0) {
        // Not the done box, which reads as a success: an alert of the files that may be damaged.
        Export_Any_File = true;
        Show_MessageBox(Export_File_Message);
        Export_File_Message.clear();
        Export_File_Path.clear();
    } else if (out.failed > 0) {
        Show_MessageBox(QStringLiteral("No file could be written.\n\n%1").arg(out.firstFailure));
        Export_File_Message.clear();
        Export_File_Path.clear();
    } else if (out.stopped) {
        Show_MessageBox(Export_File_Message);
        Export_File_Message.clear();
        Export_File_Path.clear();
    }
}

void ImageExport::Export_Batch_File_Barcode(const QString &destination)
{
    try {
        Stop_Processing_Now = false;
        platform::Descriptor held;
        const QString folder = Export_Folder(destination, QStringLiteral("QIRO Barcode"), Unable_Saving_Message, &held);
        if (folder.isEmpty())
            return;
        file_export_Path = folder;
        list_count = Print_End;
        file_path_ext = file_path_ext.toUpper();
        BarcodeModeOutput &b = *output.sources().barcode;
        b.Take_Batch_Snapshot();
        const QString series = b.Value_Series_Name();
        const exportnaming::Settings base = settingsFromGlobals(file_path_ext);
        const QString ext = file_path_ext;
        const bool white = transparentChosen() && !isPng(ext);
        const bool skipInvalid = skip_invalid_barcode;
        const platform::Picture invalidPicture = output.sources().host->Invalid_Barcode_Data_Image();
        const QString probe = QStringLiteral("x.") + ext;

        imageexport::BatchPlan plan;
        plan.first = Print_Start;
        plan.end = Print_End;
        plan.threads = batchThreads();
        plan.folder = folder;
        plan.folderFd = held.fd;
        plan.stop = &Stop_Processing_Now;
        plan.hold = &Stop_Question_Open;
        plan.begun = [] { curr_card_count.fetch_add(1.0); };
        plan.cancelledAll = [] { return replace_keep_file_flag == 5; };
        plan.keepReplace = [this, fd = held.fd](const QString &p, bool all) { return keepReplace(p, all, fd); };
        plan.make = [&](int i) {
            imageexport::Record r;
            const std::optional<BarcodeModeOutput::Fields> f = b.Record_Fields(i);
            if (f) {
                r.value = Trim_Str(f->value);
                r.header = Trim_Str(f->header);
                r.footer = Trim_Str(f->footer);
            }
            const platform::Picture picture = b.Get_Image_From_List_Val(i);
            QString why;
            if (!picture.isNull())
                r.bytes = imageexport::encodeForPath(picture, probe, white, !isEps(probe), &why);
            if (r.bytes.isEmpty()) {
                // No symbol, or one past the raster limits: an invalid record.
                if (skipInvalid) {
                    r.skip = true;
                    return r;
                }
                r.bytes = imageexport::encodeForPath(invalidPicture, probe, false, false, &why);
                if (r.bytes.isEmpty())
                    r.failure = why;
            }
            return r;
        };
        plan.name = [&](int i, const imageexport::Record &r, int passed, const exportnaming::TakenTest &taken) {
            exportnaming::Settings s = base;
            s.exportCounter = base.exportCounter + passed;
            s.pdfOption = output.pdf_export_opt;
            return exportnaming::barcodeName(s, r.value, r.header, r.footer, series, i + 1, true, taken);
        };
        imageexport::BatchOutcome outcome;
        JobRunner runner(output);
        const int total = show_count;
        runner.run(total, Print_End, [&] { outcome = imageexport::runBatch(plan); });
        export_card_counter += outcome.passed;
        b.Release_Batch_Snapshot();
        b.Select_First_Value_For_Barcode_Setting_Mode();
        reportBatch(outcome, folder);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void ImageExport::Export_Batch_File(const QString &destination)
{
    DesignOutput &records = *output.sources().design;
    OutputHost &host = *output.sources().host;
    Card_Value_In_Process = true;
    const QImage photo = records.Main_Photo_image();
    Stop_Processing_Now = false;
    const auto restore = [&] {
        records.Set_Main_Photo_image(photo);
        host.Create_Card_Design_Again();
        host.Set_Graphic_Array_According_Side();
        Card_Value_In_Process = false;
    };
    try {
        platform::Descriptor held;
        const QString folder = Export_Folder(destination, QStringLiteral("QIRO Label"), Unable_Saving_Message, &held);
        if (folder.isEmpty()) {
            Card_Value_In_Process = false;
            return;
        }
        file_export_Path = folder;
        list_count = Total_Label;
        show_count = Total_Label - Print_Start;
        const exportnaming::Settings base = settingsFromGlobals(file_path_ext);
        const QString probe = QStringLiteral("x.") + file_path_ext;
        const QString series = file_series_exported;
        const int column = file_exl_col_exported;
        const bool ecol = file_name_exported == QLatin1String("<ECOL>");
        // "F" and "BOTH" write the front; there is no back side, so "B", and "BOTH" combined (which
        // needs a back picture), write nothing.
        const bool combine = export_card_side == QLatin1String("BOTH") && output.exportWindow().export_combined_image_chk &&
                             output.exportWindow().export_combined_image_chk->isChecked();
        const bool writesFront = (export_card_side == QLatin1String("F") || export_card_side == QLatin1String("BOTH")) &&
                                 !combine;
        int seriesIndex = -1;
        platform::runOnGuiThreadAndWait([&] { seriesIndex = records.Get_Data_SetIndex_According_Name(series); });

        imageexport::BatchPlan plan;
        plan.first = Print_Start;
        plan.end = Total_Label;
        plan.threads = batchThreads();
        plan.folder = folder;
        plan.folderFd = held.fd;
        plan.ahead = 1;   // card pictures are large: at most twice the workers' records in flight
        plan.stop = &Stop_Processing_Now;
        plan.hold = &Stop_Question_Open;
        plan.begun = [] { curr_card_count.fetch_add(1.0); };
        plan.cancelledAll = [] { return replace_keep_file_flag == 5; };
        plan.keepReplace = [this, fd = held.fd](const QString &p, bool all) { return keepReplace(p, all, fd); };
        plan.make = [&](int i) {
            imageexport::Record r;
            platform::runOnGuiThreadAndWait([&] {
                r.value = Trim_Str(records.Get_sel_row_col_value_of_dataset(i, seriesIndex));
                if (ecol)
                    r.column = records.Get_sel_row_col_value_of_Excel(i, column);
            });
            if (!writesFront) {
                if (combine)
                    Show_NSLog_Message(QStringLiteral("Invalid image"));
                r.skip = true;
                return r;
            }
            const platform::Picture card = records.Set_data_table_value_to_card(i, QStringLiteral("F"), false);
            QString why;
            r.bytes = imageexport::encodeForPath(card, probe, false, !isEps(probe), &why);
            if (r.bytes.isEmpty())
                r.failure = why;
            return r;
        };
        plan.name = [&](int i, const imageexport::Record &r, int passed, const exportnaming::TakenTest &taken) {
            exportnaming::Settings s = base;
            s.exportCounter = base.exportCounter + passed;
            return exportnaming::labelName(s, r.value, series, r.column, i + 1, taken);
        };
        imageexport::BatchOutcome outcome;
        JobRunner runner(output);
        runner.run(show_count, list_count, [&] { outcome = imageexport::runBatch(plan); });
        export_card_counter += std::max(outcome.passed, 0);
        restore();
        reportBatch(outcome, folder);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        restore();
    }
}
