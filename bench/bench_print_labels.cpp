// Printing label sheets of a Designing-mode batch through the print dialog into the "PDF File"
// destination (a temporary file, so no printer of the machine decides it): a card of 63.5 x 38.1 mm
// with a text, a Code 39 and a QR Code, each bound to a 10,000-value series, on an A4 sheet of
// 3 x 7 labels, every label raised to 600 DPI.
//   bench_print_labels [N] [--text PREFIX] [--font FAMILY]
// The text of each label is PREFIX (default "Name ") followed by its five-digit record number, in
// FAMILY ("DejaVu Serif Bold": the family in bold; default the new text's font). Without a count
// it runs itself once for 1,000 and once for 10,000 labels, each in its own process, and reports
// both; with a count it prints that many labels and reports: the text and font, the job's time and the
// processor time its threads used (the machine may be shared with other work); the cost
// of each step per label, measured apart on 200 labels on one thread (the fill on the GUI thread,
// the raise to 600 DPI with the step to the paper's depth, the painting into the PDF engine (a one-bit label as its bands of ink),
// which compresses each picture, and the writing of those bytes); the longest block of the GUI
// thread from the click on Print to the job's end; peak memory; the spool file's size and pages
// (pdfinfo); and every 100th label decoded (pdftoppm at 600 DPI, zxing-cpp: the Code 39 against
// its record). Targets: 10,000 labels under 30 s on two cores (12 s on eight),
// at most 6 KB a label; peak memory of 10,000 within 10 MB of 1,000; no GUI-thread block over
// 100 ms.

#include "LabelSheetBench.h"

#include "core/BatchPool.h"
#include "core/ImageServices.h"
#include "design/DesignCommands.h"
#include "design/DesignParts.h"
#include "output/Print_Wnd.h"
#include "output/Printing_View.h"
#include "outputjobs/PaperBands.h"
#include "platform/GlyphRaster.h"
#include "platform/HeadlessResponder.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace labelsheet;

// The print dialog answered by the benchmark: everything else as nobody at the screen would.
class Responder : public platform::HeadlessResponder {
public:
    std::function<int(QDialog &)> onModal;
    int runModal(QDialog &dialog) override { return onModal ? onModal(dialog) : 0; }
};

// The processor time this process has used, every thread, in ms.
double cpuMs()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1e3 + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e3;
}

int runOne(int argc, char **argv, int labels, const LabelText &label)
{
    bench::Window window(argc, argv);
    SKTWindowController &c = *window.controller();
    DesignController &d = window.design();
    if (!Build_Card(c, label))
        return 1;
    const QFont wanted = label.font(SKTText().text_ctrl_font);
    const QFontInfo font(wanted);
    if (!label.family.isEmpty() && !font.family().startsWith(wanted.family())) {
        std::printf("font \"%s\" is not installed (it falls back to %s)\n", qPrintable(label.family), qPrintable(font.family()));
        return 1;
    }

    // The cost of each step of one label apart, on one thread, one label at a time (a heap that
    // held them all at once would stay that large through the job).
    constexpr int Apart = 200;
    QElapsedTimer t;
    qint64 fillNs = 0, raiseNs = 0, paintNs = 0;
    QBuffer spool;
    spool.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&spool);
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::LosslessImageRendering);
        for (int i = 0; i < Apart; ++i) {
            t.start();
            platform::Picture label = recordsOf(d).Set_data_table_value_to_card(i, QStringLiteral("F"), true);
            fillNs += t.nsecsElapsed();
            t.start();
            label = Printing_View::For_Paper(Increase_DPI(label, 600));
            raiseNs += t.nsecsElapsed();
            t.start();
            if (i > 0 && i % 21 == 0)
                writer.newPage();
            const QRectF cell(QPointF(20 + (i % 3) * 187, 41 + (i % 21 / 3) * 108), label.size());
            if (!paperbands::Draw_In_Bands(painter, label.image(), cell))
                label.draw(painter, cell);
            paintNs += t.nsecsElapsed();
        }
        t.start();
    }
    paintNs += t.nsecsElapsed();   // the document's end
    const double fillMs = fillNs / 1e6 / Apart, raiseMs = raiseNs / 1e6 / Apart, paintMs = paintNs / 1e6 / Apart;
    QTemporaryDir scratch;
    t.restart();
    {
        QFile file(scratch.filePath(QStringLiteral("spool.pdf")));
        if (file.open(QIODevice::WriteOnly))
            file.write(spool.data());
        file.flush();
        ::fsync(file.handle());
    }
    const double writeMs = t.nsecsElapsed() / 1e6 / Apart;
    // The job starts as a first one does, its glyphs made by its own workers.
    platform::clearGlyphCache();
    c.Create_Card_Design_Again();

    // A4 whose printer leaves 20 pt at the sides and 41 pt at top and bottom: the 3 x 7 grid fits.
    platform::PrintInfo info;
    info.printerName = platform::Pdf_Destination_Name;
    info.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 41, 20, 41), QPageLayout::Point);
    c.setPrintInfo(info);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("labels.pdf"));
    platform::setPrintToPdfFile(pdf);

    auto responder = std::make_shared<Responder>();
    Print_Wnd *w = Print_Wnd::defaultInstance();
    qint64 jobMs = 0;
    double jobCpuMs = 0;   // the processor time of every thread of the job
    // The longest time the GUI thread went without running its events while the job ran.
    qint64 longestBlock = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestBlock = std::max(longestBlock, sinceTick.restart());
    });
    responder->onModal = [&](QDialog &dialog) {
        if (&dialog != w)
            return 0;
        const auto set = [](QLineEdit *field, const QString &text) {
            field->setText(text);
            emit field->editingFinished();
        };
        set(w->width_Text, QStringLiteral("63.5"));
        set(w->height_Text, QStringLiteral("38.1"));
        set(w->horz_mar_Text, QStringLiteral("2.5"));
        set(w->vert_mar_Text, QStringLiteral("0"));
        set(w->Row_Text, QStringLiteral("7"));
        set(w->Col_Text, QStringLiteral("3"));
        w->Total_Text->setText(QString::number(labels));
        const double cpuBefore = cpuMs();
        QElapsedTimer job;
        job.start();
        sinceTick.start();
        ticker.start();
        w->printButton->click();
        ticker.stop();
        longestBlock = std::max(longestBlock, sinceTick.elapsed());
        jobMs = job.elapsed();
        jobCpuMs = cpuMs() - cpuBefore;
        return 0;
    };
    platform::setDialogResponder(responder);
    commandsOf(d).Print_Button();
    platform::setDialogResponder(nullptr);
    if (!responder->messages.isEmpty())
        std::printf("messages: %s\n", qPrintable(responder->messages.join(QStringLiteral(" | "))));

    const SheetCheck sheet = Check_Sheet(pdf, labels);
    const qint64 spoolBytes = QFileInfo(pdf).size();
    std::printf("text \"%s\" in %s%s: ", qPrintable(label.prefix), qPrintable(font.family()), font.bold() ? " Bold" : "");
    std::printf("%d labels on %d cores: job %lld ms (%.2f ms a label, processor time %.2f ms a label); apart, a label on one thread: fill %.2f ms, raise "
                "%.2f ms, paint %.2f ms, write %.3f ms; longest GUI-thread block %lld ms; peak memory %ld kB; spool %lld kB "
                "(%.2f kB a label), %d pages (expected %d); %d of %d sampled labels decoded\n",
                labels, batchfiles::availableCores(), jobMs, double(jobMs) / labels, jobCpuMs / labels, fillMs, raiseMs, paintMs, writeMs,
                longestBlock, peakKb(), spoolBytes / 1024, spoolBytes / 1024.0 / labels, sheet.pages,
                sheet.expectedPages, sheet.good, sheet.checked);
    platform::setPrintToPdfFile(QString());
    return sheet.pages == sheet.expectedPages && sheet.good == sheet.checked ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    int labels = 0;
    LabelText label;
    QStringList options;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if ((arg == "--text" || arg == "--font") && i + 1 < argc) {
            const QString value = QString::fromLocal8Bit(argv[++i]);
            (arg == "--text" ? label.prefix : label.family) = value;
            options << QString::fromLatin1(arg) << value;
        } else if (arg.toInt() > 0 && labels == 0) {
            labels = arg.toInt();
        } else {
            std::printf("usage: %s [N] [--text PREFIX] [--font FAMILY]\n", argv[0]);
            return 2;
        }
    }
    if (labels > 0)
        return runOne(argc, argv, labels, label);
    const int failed = Run_Each_Size(argv[0], options);
    std::printf("targets: 10,000 labels under 30 s on two cores (12 s on eight), at most 6 kB a label; peak of 10,000 "
                "within 10,240 kB of 1,000; no block over 100 ms\n");
    return failed ? 1 : 0;
}
