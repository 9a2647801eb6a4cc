// The PDF export run of a Designing-mode batch: a card of 63.5 x 38.1 mm with a text, a Code 39
// and a QR Code, each bound to a 10,000-value series, on an A4 sheet of 3 x 7 labels, option 0 (one
// document). The worker writes one sheet while the GUI thread fills the next sheet's cards, as the
// export runs it. Run without an argument it runs itself once for 1,000 and once for 10,000
// labels, each in its own process; with a count it exports that many labels and reports the run's
// time, peak memory, the file's size and pages (pdfinfo), and every 100th label decoded (pdftoppm
// at 600 DPI, zxing-cpp: the Code 39 against its record; the QR Code's text is shown for a label
// that fails). Targets: 10,000 labels under 15 s on two cores; peak memory of 10,000 within 10 MB
// of 1,000.

#include "LabelSheetBench.h"

#include "design/DesignParts.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "design/DesignCommands.h"
#include "outputjobs/PdfExportJob.h"
#include "outputjobs/PdfExportPrefetch.h"
#include "platform/GuiThread.h"
#include "platform/HeadlessResponder.h"
#include "platform/PrintInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <thread>

namespace {

using namespace labelsheet;

int runOne(int argc, char **argv, int labels)
{
    bench::Window window(argc, argv);
    SKTWindowController &c = *window.controller();
    DesignController &d = window.design();
    if (!Build_Card(c))
        return 1;

    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("QIROLabel.PDF"));
    PdfExportJob::Settings s;
    PdfExportPage::Setup &p = s.page;
    // A4 whose margins leave 20 pt at the sides and 41 pt at top and bottom: the 3 x 7 grid fits.
    p.paper = QSizeF(595.28, 841.89);
    p.mode = 1;
    p.option = 0;
    p.batch = true;
    p.layout.Left_Mar = p.layout.Rite_Mar = 20;
    p.layout.Top_Mar = p.layout.Bot_Mar = 41;
    p.layout.label_width = float(63.5 * PtPerMM);
    p.layout.label_hight = float(38.1 * PtPerMM);
    p.layout.horz_mar = float(2.5 * PtPerMM);
    p.layout.Print_Row = 7;
    p.layout.Print_Col = 3;
    p.layout.Total_Label_Real = labels;
    s.end = labels;
    s.pathFor = [&](int, const QString &, int) { return pdf; };
    s.keepReplace = [](const QString &path) { return std::optional<QString>(path); };
    s.fetch = [&](int i) {
        platform::Picture picture;
        platform::runOnGuiThreadAndWait([&] { picture = recordsOf(d).Set_data_table_value_to_card(i, QStringLiteral("F"), true); });
        return picture;
    };
    std::atomic<bool> stop{false};
    PdfExportJob::Outcome outcome;
    QElapsedTimer job;
    job.start();
    {
        QEventLoop loop;
        std::thread worker([&] {
            // As the export runs it: the next sheet's cards filled while this one is written
            // (BENCH_SERIAL_FETCH=1 fills each card when its cell is drawn, for comparison).
            std::unique_ptr<PdfExportPrefetch> ahead;
            PdfExportJob::Settings job = s;
            if (!qEnvironmentVariableIsSet("BENCH_SERIAL_FETCH")) {
                ahead = std::make_unique<PdfExportPrefetch>(s.fetch, 0, labels, 21, &stop);
                job.fetch = [&ahead](int i) { return ahead->take(i); };
            }
            outcome = PdfExportJob(std::move(job)).Export_PDF_File(stop);
            QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
    }
    const qint64 jobMs = job.elapsed();
    c.Create_Card_Design_Again();
    if (outcome.failed)
        std::printf("failed: %s\n", qPrintable(outcome.error));

    const SheetCheck sheet = Check_Sheet(pdf, labels, [](const QImage &crop) {
        if (qEnvironmentVariableIsSet("BENCH_KEEP_CROP"))
            crop.save(qEnvironmentVariable("BENCH_KEEP_CROP"));
    });
    std::printf("%d labels: run %lld ms (%.2f ms a label); peak memory %ld kB; file %lld kB, %d pages (expected %d); "
                "%d of %d sampled labels decoded\n",
                labels, jobMs, double(jobMs) / labels, peakKb(), QFileInfo(pdf).size() / 1024, sheet.pages,
                sheet.expectedPages, sheet.good, sheet.checked);
    return sheet.pages == sheet.expectedPages && sheet.good == sheet.checked ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1)
        return runOne(argc, argv, QByteArray(argv[1]).toInt());
    const int failed = Run_Each_Size(argv[0]);
    std::printf("targets: 10,000 labels under 15 s on two cores; peak of 10,000 within 10,240 kB of 1,000\n");
    return failed ? 1 : 0;
}
