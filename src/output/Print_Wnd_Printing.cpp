// The print dialog's jobs: the checks before a job, the range and totals it takes, and the job
// itself, a print drawn on a worker with the progress sheet over the dialog, or the preview window
// on the GUI thread; and the page layout panel.

#include "output/Print_Wnd.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/OrderedPipeline.h"
#include "output/GapFields.h"
#include "output/LabelSizeFields.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/PrintTarget.h"
#include "output/Printing_View.h"
#include "output/Send_Modeless.h"
#include "core/PageSetupPanel.h"
#include "outputjobs/SheetLayout.h"
#include "platform/Dialogs.h"
#include "platform/GuiThread.h"
#include "platform/Picture.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"
#include "platform/StepperField.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QRadioButton>

#include <exception>
#include <functional>
#include <thread>
#include <tuple>

namespace {

// The progress sheet over the dialog for the pages of a job.
void showProgress(QWidget *over, qint64 pages)
{
    Send_Modeless *sheet = Send_Modeless::defaultInstance();
    if (!sheet->window)
        return;
    if (sheet->window->parentWidget() != over)
        sheet->window->setParent(over, sheet->window->windowFlags() | Qt::Sheet | Qt::Dialog);
    sheet->window->setWindowModality(Qt::WindowModal);
    show_count = int(pages);
    curr_card_count = 0;
    sheet->prepareForJob(int(pages));
    sheet->window->show();
    sheet->window->raise();
}

void hideProgress()
{
    Send_Modeless *sheet = Send_Modeless::defaultInstance();
    if (sheet->window && sheet->window->isVisible())
        sheet->window->hide();
}

} // namespace

void Print_Wnd::Execute_Printing(bool preview)
{
    try {
        // A count or gap still being typed is taken first; a refused one prints nothing.
        const QSizeF most = Gap_Most();
        if (!Counts_Typing_Ended()
            || !GapFields::End_Typing({{horz_mar_Text, horz_mar_Stepper, "horizontal gap", most.width()},
                                       {vert_mar_Text, vert_mar_Stepper, "vertical gap", most.height()},
                                       {horz_mar_Text_pre, horz_mar_Stepper_pre, "horizontal gap", most.width()},
                                       {vert_mar_Text_pre, vert_mar_Stepper_pre, "vertical gap", most.height()}}))
            return;
        // The cell is the size its fields show, above 0, whatever set it (typing, a stepper, a
        // custom product or a profile): anything else is refused before anything is sent.
        const bool pre = Manual_or_Pre == 1;
        for (const auto &[field, stepper, side] :
             {std::tuple{pre ? width_Text_pre : width_Text, pre ? width_Stepper_pre : width_Stepper, labelsize::Side::Width},
              std::tuple{pre ? height_Text_pre : height_Text, pre ? height_Stepper_pre : height_Stepper,
                         labelsize::Side::Height}}) {
            const QString refused = labelsize::Refusal(field, stepper, side);
            if (!refused.isEmpty()) {
                Show_MessageBox(refused);
                return;
            }
        }
        // A product's margins and gaps as shown: one that reads as no number (a file edited by
        // hand) is refused rather than printed as part of it.
        if (pre) {
            for (const auto &[field, what] : {std::pair{left_mar_pre, "left margin"}, std::pair{top_mar_pre, "top margin"},
                                              std::pair{horz_mar_Text_pre, "horizontal gap"},
                                              std::pair{vert_mar_Text_pre, "vertical gap"}}) {
                QString refused = GapFields::Refusal(field->text(), QLatin1String(what));
                // A margin beyond the page (a file edited by hand) leaves no label on it.
                const bool margin = field == left_mar_pre || field == top_mar_pre;
                if (refused.isEmpty() && margin && !field->text().trimmed().isEmpty())
                    refused = platform::numberRefusal(field->text(), 0, Product_Page_MM(field == left_mar_pre),
                                                      QLatin1String(what));
                if (!refused.isEmpty()) {
                    Show_MessageBox(refused);
                    return;
                }
            }
        }
        if (Manual_or_Pre == 1) {
            const bool otherPaper = paper_used_pre->text() != Paper_id->text()
                                    || orientation_pre->text() != Orient_ComboBox->currentText();
            if (otherPaper) {
                if (Show_YES_NO_MessageBox(QStringLiteral("The Printer Paper is different than your selected printing "
                                                          "template. Do you want to continue?"))
                    != 1)
                    return;
                Set_values_From_Printer();
                Check_Max_Cell_Value();
            }
        }
        const PaperSetup setup = PaperSetup::of(printInfo.get());
        if (label_width + Left_Mar + Rite_Mar + horz_mar > float(setup.paper.width())
            || label_hight + Top_Mar + Bot_Mar + vert_mar > float(setup.paper.height())) {
            if (Show_YES_NO_MessageBox(QStringLiteral("'Label Size' is bigger than selected 'Paper Size' or Margin "
                                                      "area.\n\nDo you want to continue?"))
                != 1)
                return;
        }
        if (All_print_rd->isChecked()) {
            Print_Start = 0;
            Total_Label = platform::leadingInteger(Total_Text->text());
        } else {
            const int from = platform::leadingInteger(from_Text->text());
            const int to = platform::leadingInteger(To_Text->text());
            Print_Start = from;
            Print_End = to;
            if (from > to) {
                Show_MessageBox(QStringLiteral("Please select valid range."));
                return;
            }
            Total_Label = to - from + 1;
            Print_Start = from - 1;
        }
        if (print_with_batch_chk->isChecked()) {
            Use_Data_Sheet_Values = true;
        } else {
            Use_Data_Sheet_Values = false;
            Use_Excel_Binding_Values = false;
        }
        Total_Label_Real = Total_Label;
        Use_Barocde_In_Center = Barcode_Setting_Or_Designing_Mode == 0;
        // A total that is no count at all (empty, 0 or below) prints nothing.
        if (Total_Label <= 0) {
            Show_MessageBox(QStringLiteral("There is no barcode to print."));
            return;
        }
        Call_Print_Box_1(preview);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

namespace {

// What the job asks the main window for: each record's picture, and after the last label its first
// record or design again. Barcode mode reads the batch snapshot taken as the job starts and
// released as it ends. A real job draws on a thread of its own: what touches the window is asked
// of the GUI thread, the snapshot's records are read on the workers. Without output (no main
// window) there are no records.
class JobRecords {
public:
    JobRecords(const OutputController *output, int mode, bool realJob)
    {
        records.message = [](const QString &m) { Show_MessageBox(m); };
        records.log = [](const QString &m) { Show_NSLog_Message(m); };
        if (realJob) {
            // The progress sheet's Stop is seen between cells; the job holds while its question is open.
            records.cell = [] {
                pipeline::waitWhileHeld(&Stop_Question_Open);
                return !Stop_Processing_Now;
            };
            records.hold = &Stop_Question_Open;
        }
        if (!output)
            return;
        const OutputSources &s = output->sources();
        if (mode == 0) {
            BarcodeModeOutput *barcode = s.barcode.get();
            barcode->Take_Batch_Snapshot();
            m_snapshot = barcode;
            records.fetch = [barcode](int i) { return barcode->Get_Image_From_Barcode_Grid(i); };
            records.fetchInParallel = realJob;
            records.endOfBatch = [barcode] {
                platform::runOnGuiThreadAndWait([barcode] { barcode->Select_First_Value_For_Barcode_Setting_Mode(); });
            };
        } else {
            DesignOutput *design = s.design.get();
            OutputHost *host = s.host.get();
            records.fetch = [design](int i) { return design->Set_data_table_value_to_card(i, QStringLiteral("F"), true); };
            records.fetchOn = [](const std::function<void()> &fetches) { platform::runOnGuiThreadAndWait(fetches); };
            records.endOfBatch = [host] { platform::runOnGuiThreadAndWait([host] { host->Create_Card_Design_Again(); }); };
        }
    }
    ~JobRecords()
    {
        if (m_snapshot)
            m_snapshot->Release_Batch_Snapshot();
    }
    Printing_View::Records records;

private:
    BarcodeModeOutput *m_snapshot = nullptr;   // the mode whose snapshot the job took
};

// Runs body on a worker thread while the GUI thread serves the progress sheet and the job's
// requests; returns when it has ended. The worker starts once the events already queued have run
// (the sheet is shown, a Stop pressed meanwhile is seen by the job's first cell).
void runOffGuiThread(const std::function<void()> &body)
{
    QEventLoop loop;
    std::thread worker;
    QMetaObject::invokeMethod(
        &loop,
        [&] {
            worker = std::thread([&] {
                body();
                QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
            });
        },
        Qt::QueuedConnection);
    loop.exec();
    worker.join();
}

} // namespace

void Print_Wnd::Call_Print_Box_1(bool preview)
{
    try {
        if (!printInfo)
            return;
        QString error;
        // The PDF destination asks where its file goes (the test hook's file aside).
        QString pdfFile = platform::printToPdfFile();
        if (!preview && printInfo->printerName == platform::Pdf_Destination_Name && pdfFile.isEmpty()) {
            platform::SavePanelRequest request;
            request.fileName = QStringLiteral("Labels.pdf");
            request.extensions = {QStringLiteral("pdf")};
            pdfFile = platform::dialogResponder().savePanel(request);
            if (pdfFile.isEmpty())
                return;
        }
        const QString docName = Job_Name();
        const bool toFile = !preview && !pdfFile.isEmpty();
        std::unique_ptr<QPrinter> printer;
        if (!toFile) {
            printer = platform::makePrinter(*printInfo, &error, preview);
            if (printer)
                printer->setDocName(docName);   // the queue's job name
        }
        const QString destination = toFile ? pdfFile : platform::destinationName(*printInfo);
        if (!toFile && !printer) {
            Show_MessageBox(QStringLiteral("The labels could not be printed on \"%1\": %2.").arg(destination, error));
            return;
        }
        const SheetLayout layout = SheetLayout::fromGlobals();
        const QRectF frame(QPointF(0, 0), layout.setup.paper);
        const platform::Picture picture = Barcode_Image ? *Barcode_Image : platform::Picture();
        const int mode = Barcode_Setting_Or_Designing_Mode;
        printOperation = printer.get();
        if (preview) {
            JobRecords job(m_output, mode, false);
            Printing_View view(frame, false, layout, picture, mode, job.records);
            QPrintPreviewDialog window(printer.get(), this);
            window.setWindowModality(Qt::WindowModal);
            window.resize(760, 900);
            // Jobs start from this dialog alone, without a print panel or another page setup.
            for (QAction *action : window.findChildren<QAction *>())
                if (action->text() == QLatin1String("Print") || action->text() == QLatin1String("Page setup"))
                    action->setVisible(false);
            // The window renders every page again at each update: each render is a fresh job.
            connect(&window, &QPrintPreviewDialog::paintRequested, &window, [&view](QPrinter *target) {
                QString failure;
                if (!view.print(*target, &failure))
                    Show_NSLog_Message(failure);
            });
            platform::runModal(window);
            printOperation = nullptr;
            return;
        }
        // A file is written beside its target and takes its place only once the job ended.
        std::unique_ptr<PrintTarget> target;
        if (toFile)
            target = std::make_unique<PdfFileTarget>(pdfFile, layout.setup.paper,
                                                     platform::PdfFileWriter::Info{docName, appName(), {}, {}, {}});
        else
            target = std::make_unique<PrinterTarget>(*printer);
        JobRecords job(m_output, mode, true);
        Printing_View view(frame, true, layout, picture, mode, job.records);
        Stop_Processing_Now = false;
        showProgress(this, view.numberOfPages());
        // The pages are drawn and written on a worker; the GUI thread fills the cards and serves
        // the sheet, whose Stop is seen between cells.
        // A job that failed says so, stopped or not: a file that failed is not there.
        bool failed = true;
        runOffGuiThread([&] {
            try {
                const bool printed = view.print(*target, &error, [](qint64 page) {
                    curr_card_count = double(page + 1);
                    platform::runOnGuiThreadLater([] { Send_Modeless::defaultInstance()->update_sending_progress_bar(); });
                    return !Stop_Processing_Now;
                });
                failed = !printed && (view.failed || !view.stopped);
            } catch (const std::exception &e) {
                error = QString::fromUtf8(e.what());
            } catch (...) {
                error = QStringLiteral("the job failed");
            }
        });
        target.reset();
        hideProgress();
        printOperation = nullptr;
        if (failed)
            Show_MessageBox(QStringLiteral("The labels could not be printed on \"%1\": %2.").arg(destination, error));
        else if (view.stopped)
            Show_MessageBox(Stopped_Message(view.labelsDrawn, view.pagesDrawn, destination, toFile));
    } catch (const std::exception &e) {
        printOperation = nullptr;
        hideProgress();
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

QString Print_Wnd::Stopped_Message(int labels, int sheets, const QString &destination, bool toFile)
{
    if (labels <= 0)
        return toFile ? QStringLiteral("The printing was stopped before its first label: \"%1\" was not written.").arg(destination)
                      : QStringLiteral("The printing was stopped before its first label: nothing was sent to \"%1\".")
                            .arg(destination);
    return (toFile ? QStringLiteral("The printing was stopped. %1 label(s) on %2 sheet(s) were written to \"%3\".")
                   : QStringLiteral("The printing was stopped. %1 label(s) on %2 sheet(s) were sent to \"%3\"."))
        .arg(labels)
        .arg(sheets)
        .arg(destination);
}

QString Print_Wnd::appName() const
{
    return m_output ? m_output->sources().host->App_Name() : QStringLiteral("Tagora");
}

QString Print_Wnd::Job_Name() const
{
    const QString name = m_output ? m_output->sources().host->Design_Name().trimmed() : QString();
    return name.isEmpty() ? QStringLiteral("Tagora label sheet") : name;
}

void Print_Wnd::pagesetup()
{
    try {
        platform::PrintInfo info = printInfo ? *printInfo : platform::PrintInfo::sharedPrintInfo();
        if (!Run_Page_Setup(info, this))
            return;
        Store_Print_Info(info);
        Set_values_From_Printer();
        Check_Max_Cell_Value();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
