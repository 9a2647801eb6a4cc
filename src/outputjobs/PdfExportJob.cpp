#include "outputjobs/PdfExportJob.h"
#include "outputjobs/OutputGlobals.h"

#include "core/OrderedPipeline.h"

#include <QPainter>

#include <algorithm>
#include <memory>

const QString PdfExportJob::Folder_Name = QStringLiteral("QIRO PDF Label");
const QString PdfExportJob::Unable_Saving_Message = QStringLiteral(
    "Unable to continue saving the PDF file.\n\nEither Destination Drive is inaccessible or there is no free space "
    "available in drive to save the PDF file.");

platform::PdfFileWriter::Info PdfExportJob::documentInfo()
{
    return {QStringLiteral("QIRO Barcode Software PDF File"), QStringLiteral("QIRO Software Pvt. Ltd."),
            QStringLiteral("QIRO Software"), QStringLiteral("QIRO Barcode Label"), QStringLiteral("Tagora")};
}

PdfExportJob::Outcome PdfExportJob::Export_PDF_File(std::atomic<bool> &stop, std::atomic<double> *visited)
{
    Outcome out;
    Settings &s = m_settings;
    PdfExportPage::Setup setup = s.page;
    const int option = setup.option;
    const bool onePerPage = option == 2 || option == 3;
    // One label per page: its own grid, centred when the sheet was auto-centred.
    if (onePerPage) {
        setup.layout.Print_Row = setup.layout.Print_Col = 1;
        if (setup.layout.auto_center_flag) {
            setup.layout.auto_center_flag = false;
            setup.layout.label_align_val = 5;
        }
    }
    const bool barcodeBatch = setup.mode == 0 && setup.batch;
    const bool jobFetches = barcodeBatch && onePerPage;
    const int realTotal = setup.layout.Total_Label_Real;
    const int start = setup.layout.Print_Start;
    const int step = onePerPage ? 1 : std::max(1, setup.layout.Print_Row) * std::max(1, setup.layout.Print_Col);
    PdfExportPage page(setup, s.fetch, stop, visited, s.hold);

    auto failWith = [&](const platform::PdfFileWriter &w) {
        out.failed = true;
        out.error = w.errorString();
        out.failedFile = w.finalPath();
        stop = true;
    };
    auto finished = [&](const platform::PdfFileWriter &w) {
        out.files << w.finalPath();
        if (out.unsynced.isEmpty() && !w.unsynced().isEmpty()) {
            out.unsyncedFile = w.finalPath();
            out.unsynced = w.unsynced();
        }
    };

    std::unique_ptr<platform::PdfFileWriter> document;
    if (option == 0 || option == 3) {
        const std::optional<QString> answer = s.keepReplace(s.pathFor(-1, s.baseName, -1));
        if (!answer || answer->trimmed().isEmpty()) {
            out.stopped = true;
            stop = true;
            return out;
        }
        document = std::make_unique<platform::PdfFileWriter>(s.folderFd, answer->trimmed(), s.info);
    }

    int counter = 0;
    int fetches = 0;
    bool begun = false;
    for (int i = start; i < s.end; i += step) {
        pipeline::waitWhileHeld(s.hold);
        if (stop) {
            out.stopped = !page.exhausted();
            break;
        }
        std::optional<platform::Picture> pass;
        if (jobFetches) {
            if (fetches >= realTotal) {
                stop = true;
                break;
            }
            platform::Picture picture = s.fetch ? s.fetch(i) : platform::Picture();
            ++fetches;
            if (picture.isNull() && setup.layout.skip_invalid_barcode) {
                page.Pass_Over(1);
                continue;
            }
            pass = picture;
        } else if (setup.mode == 0 && !onePerPage && i != start
                   && (page.count >= realTotal || page.barcode_counter >= realTotal)) {
            stop = true;
            break;
        }

        if (option == 1 || option == 2) {
            const QString name = counter > 0 ? QStringLiteral("%1 (%2)").arg(s.baseName).arg(counter) : s.baseName;
            const std::optional<QString> answer = s.keepReplace(s.pathFor(i, name, counter));
            if (!answer) {
                out.stopped = true;
                stop = true;
                break;
            }
            if (answer->trimmed().isEmpty()) {
                // Nothing written for this file: its records are passed over with it.
                if (!jobFetches)
                    page.Pass_Over(std::min(step, s.end - i));
                else
                    page.Pass_Over(1);
                ++counter;
                continue;
            }
            // Stop pressed while the prompt was up: no file is begun.
            if (stop) {
                out.stopped = true;
                break;
            }
            platform::PdfFileWriter writer(s.folderFd, answer->trimmed(), s.info);
            if (!writer.begin(page.pageSize(pass))) {
                failWith(writer);
                break;
            }
            writer.painter()->save();
            page.Draw_Pdf_Layout(*writer.painter(), pass);
            writer.painter()->restore();
            if (!writer.finish()) {
                failWith(writer);
                break;
            }
            finished(writer);
            ++counter;
        } else {
            const QSizeF size = page.pageSize(pass);
            if (!(begun ? document->newPage(size) : document->begin(size))) {
                failWith(*document);
                break;
            }
            begun = true;
            document->painter()->save();
            page.Draw_Pdf_Layout(*document->painter(), pass);
            document->painter()->restore();
        }
    }
    if (stop && !out.failed && !page.exhausted())
        out.stopped = true;
    if (document && begun && !out.failed) {
        if (document->finish())
            finished(*document);
        else
            failWith(*document);
    }
    stop = true;
    return out;
}
