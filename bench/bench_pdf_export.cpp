// The PDF export run of a Designing-mode batch: a card of 63.5 x 38.1 mm with a text, a Code 39
// and a QR Code, each bound to a 10,000-value series, on an A4 sheet of 3 x 7 labels, option 0 (one
// document). The worker writes one sheet while the GUI thread fills the next sheet's cards, as the
// export runs it. Run without an argument it runs itself once for 1,000 and once for 10,000
// labels, each in its own process; with a count it exports that many labels and reports the run's
// time, peak memory, the file's size and pages (pdfinfo), and every 100th label decoded (pdftoppm
// at 600 DPI, zxing-cpp: the Code 39 against its record; the QR Code's text is shown for a label
// that fails). Targets: 10,000 labels under 15 s on two cores; peak memory of 10,000 within 10 MB
// of 1,000.

#include "BenchWindow.h"

#include "core/Globals.h"
#include "core/ImageServices.h"
#include "design/DesignController.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "design/DesignCommands.h"
#include "model/SKTText.h"
#include "output/PdfExportJob.h"
#include "output/PdfExportPrefetch.h"
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
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <ZXing/ReadBarcode.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <thread>

namespace {

constexpr int kSeries = 10000;
constexpr double PtPerMM = 72.0 / 25.4;


long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

void writeSeries(const QString &name, const QString &prefix)
{
    QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
    f.open(QIODevice::WriteOnly);
    for (int i = 1; i <= kSeries; ++i)
        f.write(QStringLiteral("%1%2\n").arg(prefix).arg(i, 5, 10, QLatin1Char('0')).toUtf8());
}

QString valueOf(const QString &prefix, int record) { return QStringLiteral("%1%2").arg(prefix).arg(record + 1, 5, 10, QLatin1Char('0')); }

std::shared_ptr<SKTBarcode> barcode(const QString &title, const QString &series, const QRectF &bounds)
{
    auto b = std::make_shared<SKTBarcode>();
    b->control_ID = QStringLiteral("BAR_") + title;
    b->barcode_font_index = Symbologies::indexOf(title);
    b->linear_or_2d = Symbologies::isTwoD(title) ? 1 : 0;
    b->_bounds = b->bar_image_ctrl_bounds = bounds;
    b->data_source_type = 1;
    b->batch_list_name = series;
    b->header_val.clear();
    b->footer_val.clear();
    return b;
}

struct Decoded {
    bool ok = false;
    QString text;
};

Decoded decode(const QImage &in, ZXing::BarcodeFormat format)
{
    const QImage img = in.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(img.constBits(), img.width(), img.height(), ZXing::ImageFormat::Lum, int(img.bytesPerLine()));
    const ZXing::Result r = ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(format).setTryHarder(true));
    return {r.isValid(), QString::fromStdString(r.text())};
}

int runOne(int argc, char **argv, int labels)
{
    bench::Window window(argc, argv);
    SKTWindowController &c = *window.controller();
    DesignController &d = c.design();
    c.window();
    c.Designing_Mode_Select();
    QDir().mkpath(Data_Folder_Path);
    writeSeries(QStringLiteral("names"), QStringLiteral("Name "));
    writeSeries(QStringLiteral("codes"), QStringLiteral("C"));
    writeSeries(QStringLiteral("links"), QStringLiteral("https://tagora.example/item/"));
    d.SetDocumentCanvasSize(QSizeF(63.5 * PtPerMM, 38.1 * PtPerMM));
    SKTGraphicList design;
    auto text = std::make_shared<SKTText>();
    text->_bounds = QRectF(8, 10, 120, 18);
    text->data_source_type = 1;
    text->batch_list_name = QStringLiteral("names");
    design.append(text);
    design.append(barcode(QStringLiteral("Code 39"), QStringLiteral("codes"), QRectF(25, 64, 130, 42)));
    design.append(barcode(QStringLiteral("QR Code"), QStringLiteral("links"), QRectF(128, 14, 30, 44)));
    c.document()->insertGraphics(design, {0, 1, 2});
    d.records().Check_Series_Or_Excel_Use_or_not();
    if (Total_Batch_Excel_Card != kSeries) {
        std::printf("unexpected record count %d\n", Total_Batch_Excel_Card);
        return 1;
    }

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
        platform::runOnGuiThreadAndWait([&] { picture = d.records().Set_data_table_value_to_card(i, QStringLiteral("F"), true); });
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

    const QString info2 = run(QStringLiteral("pdfinfo"), {pdf});
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info2).captured(1).toInt();
    const int expectedPages = (labels + 20) / 21;
    // Every 100th label, its cell rendered at 600 DPI from the page.
    int checked = 0, good = 0;
    const double perPt = 600.0 / 72.0;
    for (int i = 99; i < labels; i += 100) {
        const int page = i / 21 + 1, cell = i % 21;
        const double x = 20 + (cell % 3) * (63.5 + 2.5) * PtPerMM;
        const double y = 41 + (cell / 3) * 38.1 * PtPerMM;
        QTemporaryDir dir;
        const QString prefix = dir.filePath(QStringLiteral("c"));
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), QStringLiteral("-x"), QString::number(int(x * perPt)),
             QStringLiteral("-y"), QString::number(int(y * perPt)), QStringLiteral("-W"),
             QString::number(int(63.5 * PtPerMM * perPt)), QStringLiteral("-H"), QString::number(int(38.1 * PtPerMM * perPt)),
             QStringLiteral("-singlefile"), pdf, prefix});
        const QImage crop(prefix + QStringLiteral(".pgm"));
        ++checked;
        const Decoded code39 = decode(crop, ZXing::BarcodeFormat::Code39);
        const Decoded qr = decode(crop, ZXing::BarcodeFormat::QRCode);
        if (qEnvironmentVariableIsSet("BENCH_KEEP_CROP"))
            crop.save(qEnvironmentVariable("BENCH_KEEP_CROP"));
        if (code39.text == valueOf(QStringLiteral("C"), i))
            ++good;
        else if (checked - good <= 3)
            std::printf("label %d: Code 39 \"%s\", QR \"%s\"\n", i + 1, qPrintable(code39.text), qPrintable(qr.text));
    }
    std::printf("%d labels: run %lld ms (%.2f ms a label); peak memory %ld kB; file %lld kB, %d pages (expected %d); "
                "%d of %d sampled labels decoded\n",
                labels, jobMs, double(jobMs) / labels, peakKb(), QFileInfo(pdf).size() / 1024, pages, expectedPages, good,
                checked);
    return pages == expectedPages && good == checked ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1)
        return runOne(argc, argv, QByteArray(argv[1]).toInt());
    // Each size in a process of its own, so that peak memory is each run's own.
    int failed = 0;
    for (const char *labels : {"1000", "10000"}) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QString::fromLocal8Bit(argv[0]), {QString::fromLatin1(labels)});
        p.waitForFinished(-1);
        failed += p.exitCode() != 0;
    }
    std::printf("targets: 10,000 labels under 15 s on two cores; peak of 10,000 within 10,240 kB of 1,000\n");
    return failed ? 1 : 0;
}
