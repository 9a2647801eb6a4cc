// The PDF export dialog's OK: the checks of the settings, the destination folder, and the job run
// behind the progress sheet on a worker. The worker gets copies of what it reads (the sheet, the
// pictures of the dialog, the naming inputs); it asks the GUI thread for series values and the
// keep-or-replace answer, a second thread asks it for the next sheet's cards while a sheet is
// written, and the Barcode mode's records are read from the batch snapshot. However the job ends,
// the dialog's values are as they were.

#include "output/PDF_Export.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Open_Export_Log.h"
#include "core/Utilities.h"
#include "outputjobs/ExportNaming.h"
#include "output/GapFields.h"
#include "output/ImageExport.h"
#include "output/JobRunner.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "outputjobs/PdfExportJob.h"
#include "outputjobs/PdfExportPrefetch.h"
#include "output/RecordRange.h"
#include "output/Send_Modeless.h"
#include "outputjobs/SheetLayout.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/GuiThread.h"
#include "platform/PrintInfo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <exception>
#include <memory>

namespace {
// The last run's files in place that the system could not confirm are on the disk: its done box
// says so.
QString lastUnsynced;
} // namespace

void PDF_Export::OKPressed()
{
    try {
        // A count or gap still being typed is taken first; a refused one exports nothing.
        if (!recordrange::End_Typing(rangeChoice().range) || !platform::endTyping({Row_Text, Col_Text})
            || !GapFields::End_Typing({{horz_mar_Text, horz_mar_Stepper, "horizontal gap", Gap_Most().width()},
                                       {vert_mar_Text, vert_mar_Stepper, "vertical gap", Gap_Most().height()}}))
            return;
        if (!Execute_Exporting())
            return;
        platform::OpenPanelRequest request;
        request.canChooseFiles = false;
        request.canChooseDirectories = true;
        request.allowsMultipleSelection = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return;
        // The folder as checked is the one every file of the run goes to.
        platform::Descriptor held;
        bool made = false;
        const QString destination = ImageExport::Export_Folder(chosen.first(), PdfExportJob::Folder_Name,
                                                               PdfExportJob::Unable_Saving_Message, &held, &made);
        if (destination.isEmpty())
            return;
        Export_PDF_File(destination, held.fd);
        // A folder this run made and left empty (no file could be made) does not stay behind: that
        // very folder, never what took its name meanwhile.
        if (made)
            platform::removeEmptyFolder(held.fd, destination);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

bool PDF_Export::Execute_Exporting()
{
    Stop_Processing_Now = false;
    set_pdf_export_opt(std::max(0, pdf_matrix->checkedId()));
    Export_Any_File = false;
    Msg_Apply_All_Chk = false;
    replace_keep_file_flag = 0;
    export_card_counter = 0;
    if (All_print_rd->isChecked()) {
        Print_Start = 0;
        Total_Label = recordrange::Typed_Record(Total_Text->text());
        Print_End = Total_Label;
        show_count = Total_Label;
    } else {
        // Text, 0 and negatives are the first record.
        const int from = recordrange::Typed_Record(from_Text->text());
        const int to = recordrange::Typed_Record(To_Text->text());
        if (from > to) {
            Show_MessageBox(QStringLiteral("Please select valid range."));
            return false;
        }
        Print_Start = from - 1;
        Print_End = to;
        Total_Label = Print_End;
        show_count = to - from + 1;
    }
    // A batch that has no records left exports nothing.
    if (print_with_batch_chk->isChecked()) {
        const int records = Barcode_Setting_Or_Designing_Mode == 0
                                ? (print_wd_pq_opt ? Total_Label_Wd_PQ : Total_Barcode_Label_wd_Batch)
                                : Total_Batch_Excel_Card;
        if (records <= 0)
            Total_Label = 0;
    }
    Total_Label_Real = Total_Label;
    if (!print_with_batch_chk->isChecked())
        Use_Data_Sheet_Values = Use_Excel_Binding_Values = false;
    else
        Use_Data_Sheet_Values = true;
    Use_Barocde_In_Center = false;
    const QString item = Save_Type_ComboBox->currentText();
    if (Barcode_Setting_Or_Designing_Mode != 0) {
        if (item.contains(QLatin1String("Series"))) {
            if (Used_Seres_In_Design->currentIndex() < 0 || Trim_Str(Used_Seres_In_Design->currentText()).isEmpty()) {
                Show_MessageBox(QStringLiteral("Please select series name."));
                return false;
            }
            file_series_exported = Used_Seres_In_Design->currentText();
        } else if (item.contains(QLatin1String("Excel"))) {
            const int i = Used_Excel_Col_In_Design->currentIndex();
            if (i < 0) {
                Show_MessageBox(QStringLiteral("Please select excel column."));
                return false;
            }
            file_series_exported = Used_Excel_Col_In_Design->currentText();
            file_exl_col_exported = Used_Excel_Col_Index->itemText(i).toInt();
        }
    } else {
        Use_Barocde_In_Center = true;
    }
    if (Total_Label <= 0) {
        Show_MessageBox(QStringLiteral("There is no barcode to export."));
        return false;
    }
    if (Save_Type_ComboBox->currentIndex() <= 0 && Trim_Str(file_name_save_txt->text()).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter file name to export."));
        return false;
    }
    Real_label_width = label_width;
    Real_label_hight = label_hight;
    row_bkup_var = Print_Row;
    col_bkup_var = Print_Col;
    pdf_export_opt_real = pdf_export_opt();
    return true;
}

void PDF_Export::Export_PDF_File(const QString &destination, int folder)
{
    OutputController &output = *m_output;
    const OutputSources &sources = output.sources();
    const int mode = Barcode_Setting_Or_Designing_Mode;
    const bool batch = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
    // The values the job works on for itself, put back however it ends.
    const int savedRow = Print_Row, savedCol = Print_Col, savedAlign = label_align_val;
    const bool savedCentre = auto_center_flag;
    Export_File_Path = destination;
    file_path_ext = QStringLiteral("PDF");
    if (Save_Type_ComboBox->currentIndex() <= 0)
        file_name_exported = Trim_Str(file_name_save_txt->text());

    PdfExportJob::Settings s;
    PdfExportPage::Setup &p = s.page;
    p.layout = SheetLayout::fromGlobals();
    p.paper = PaperSetup::of(printInfo.get()).paper;
    p.mode = mode;
    p.option = pdf_export_opt();
    p.PDF_Use_Label_Size = PDF_Use_Label_Size;
    p.batch = batch;
    p.Barcode_Image = Barcode_Image ? *Barcode_Image : platform::Picture();
    p.invalid_image = sources.host->Invalid_Barcode_Data_Image();
    s.baseName = Trim_Str(file_name_save_txt->text());
    s.hold = &Stop_Question_Open;
    s.end = Sel_print_rd->isChecked() ? Print_End : Total_Label;

    // The naming inputs of the mode, read here on the GUI thread.
    QString value, header, footer, series;
    BarcodeModeOutput &barcode = *sources.barcode;
    bool snapshot = false;   // the Barcode mode's batch snapshot is taken
    if (mode == 0) {
        series = barcode.Value_Series_Name();
        if (!batch) {
            header = barcode.Shown_Header();
            footer = barcode.Shown_Footer();
            value = barcode.Shown_Value();
        } else {
            barcode.Take_Batch_Snapshot();
            snapshot = true;
        }
    } else if (mode == 2) {
        header = sources.advQr->Shown_Header();
        footer = sources.advQr->Shown_Footer();
    }
    exportnaming::Settings naming;
    naming.token = file_name_exported;
    naming.folder = destination;
    naming.ext = file_path_ext;
    naming.pdfOption = p.option;
    naming.advancedQr = mode == 2;
    if (naming.advancedQr)
        naming.qrTypeName = sources.advQr->Category_Title();
    const QString seriesName = file_series_exported;
    const int column = file_exl_col_exported;
    DesignOutput &records = *sources.design;
    int seriesIndex = -1;
    if (mode != 0 && !seriesName.isEmpty())
        seriesIndex = records.Get_Data_SetIndex_According_Name(seriesName);

    // Every file goes into the folder as checked, by the rule of every export folder (what takes its
    // name meanwhile, another's folder or a link, is never written into); one not handed over is
    // checked here once. Why it cannot be had ends the run before its first file. Its names are
    // decided and asked about in that folder too.
    QString folderRefused;
    const platform::Descriptor own(folder >= 0 ? -1 : platform::openWritableFolder(destination, &folderRefused));
    s.folderFd = folder >= 0 ? folder : own.fd;
    const exportnaming::TakenTest taken = [held = s.folderFd](const QString &p) {
        return exportnaming::fileNameTakenOnDisk(p, held);
    };
    s.pathFor = [&, value, header, footer, series](int record, const QString &name, int counter) {
        if (!folderRefused.isEmpty())
            return QString();
        if (record < 0)
            return exportnaming::Create_And_Check_File_Name(destination, name, false, -1, naming.ext, taken);
        exportnaming::Settings n = naming;
        n.exportCounter = counter;
        if (mode == 1) {
            QString seriesValue, columnValue;
            platform::runOnGuiThreadAndWait([&] {
                if (seriesIndex >= 0)
                    seriesValue = Trim_Str(records.Get_sel_row_col_value_of_dataset(record, seriesIndex));
                if (column > 0)
                    columnValue = records.Get_sel_row_col_value_of_Excel(record, column);
            });
            return exportnaming::labelName(n, seriesValue, seriesName, columnValue, counter + 1, taken);
        }
        QString v = value, hd = header, ft = footer;
        if (snapshot && p.option == 2) {
            if (const std::optional<BarcodeModeOutput::Fields> f = barcode.Grid_Fields(record)) {
                v = Trim_Str(f->value);
                hd = Trim_Str(f->header);
                ft = Trim_Str(f->footer);
            }
        }
        return exportnaming::barcodeName(n, v, hd, ft, series, counter, mode == 0, taken);
    };
    ImageExport images(output);
    s.keepReplace = [&images, &folderRefused, held = s.folderFd](const QString &path) -> std::optional<QString> {
        if (!folderRefused.isEmpty()) {
            Stop_Processing_Now = true;
            return std::nullopt;
        }
        const QString answer = images.keepReplace(path, true, held);
        // Cancel for all (or the user's Stop) ends the run; a plain Cancel passes this file over.
        if (answer.isEmpty() && (Stop_Processing_Now || replace_keep_file_flag == 5)) {
            Stop_Processing_Now = true;
            return std::nullopt;
        }
        return answer;
    };
    if (mode == 0) {
        if (snapshot)
            s.fetch = [&barcode](int i) { return barcode.Get_Image_From_Barcode_Grid(i); };
    } else {
        s.fetch = [&records](int i) {
            platform::Picture picture;
            platform::runOnGuiThreadAndWait([&] { picture = records.Set_data_table_value_to_card(i, QStringLiteral("F"), true); });
            return picture;
        };
    }

    PdfExportJob::Outcome outcome;
    JobRunner runner(output);
    const bool ran = runner.run(show_count, s.end, [&] {
        // Cards are filled on the GUI thread: the next sheet's while the worker writes this one.
        std::unique_ptr<PdfExportPrefetch> ahead;
        PdfExportJob::Settings job = s;
        if (mode != 0 && batch) {
            const bool onePerPage = p.option == 2 || p.option == 3;
            const int sheet = onePerPage ? 1 : std::max(1, p.layout.Print_Row) * std::max(1, p.layout.Print_Col);
            ahead = std::make_unique<PdfExportPrefetch>(s.fetch, p.layout.Print_Start,
                                                        std::min(s.end, p.layout.Total_Label_Real), sheet,
                                                        &Stop_Processing_Now);
            job.fetch = [&ahead](int i) { return ahead->take(i); };
        }
        outcome = PdfExportJob(std::move(job)).Export_PDF_File(Stop_Processing_Now, &curr_card_count);
    });
    if (snapshot)
        barcode.Release_Batch_Snapshot();
    Print_Row = savedRow;
    Print_Col = savedCol;
    auto_center_flag = savedCentre;
    label_align_val = savedAlign;
    if (batch) {
        if (mode == 0)
            barcode.Select_First_Value_For_Barcode_Setting_Mode();
        else
            sources.host->Create_Card_Design_Again();
    }
    lastFiles = outcome.files;
    lastStopped = outcome.stopped || !ran;
    const bool refused = !folderRefused.isEmpty();
    lastFailed = outcome.failed || refused;
    Export_Any_File = !outcome.files.isEmpty();
    if (lastFailed) {
        const QString why = refused ? folderRefused : outcome.error;
        Show_NSLog_Message(why);
        // The file or folder and the system's reason (a full disk, a file-size limit, a name too
        // long, a file that may not be replaced) in place of the usual guess, as the other writers
        // give theirs.
        const QString first = PdfExportJob::Unable_Saving_Message.section(QLatin1String("\n\n"), 0, 0);
        const QString named = refused ? destination : outcome.failedFile;
        Show_MessageBox(why.isEmpty() || (!refused && outcome.failedFile.isEmpty())
                            ? PdfExportJob::Unable_Saving_Message
                            : first + QStringLiteral("\n\nThe %1 \"%2\" cannot be written: %3")
                                          .arg(refused ? QStringLiteral("folder") : QStringLiteral("file"), named,
                                               platform::reasonFor(named, why)));
    }
    lastUnsynced = outcome.unsynced.isEmpty()
                       ? QString()
                       : platform::unsyncedWarning(QStringLiteral("\"%1\"").arg(QFileInfo(outcome.unsyncedFile).fileName()),
                                                   outcome.unsynced);
    Cancel_And_Stop_Fun();
}

void PDF_Export::Cancel_And_Stop_Fun()
{
    set_pdf_export_opt(pdf_export_opt_real);
    label_width = Real_label_width;
    label_hight = Real_label_hight;
    Print_Row = row_bkup_var;
    Print_Col = col_bkup_var;
    Stop_Processing_Now = true;
    Export_File_Message = lastStopped || lastFailed
                              ? QStringLiteral("The export was stopped. %1 file(s) were written.").arg(lastFiles.size())
                              : ImageExport::Done_Message;
    // A file in place that may not outlast a power cut is said, not a failure.
    if (!lastUnsynced.isEmpty())
        Export_File_Message = Export_File_Message == ImageExport::Done_Message
                                  ? lastUnsynced
                                  : Export_File_Message + QStringLiteral("\n\n") + lastUnsynced;
    lastUnsynced.clear();
    if (Export_Any_File)
        Open_Export_File_Box();
    Refresh_Preview();
}
