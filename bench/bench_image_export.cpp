// Image export runs through the application's export path, offscreen:
// (a) 10,000 Code 128 value-list records to PNG at 600 DPI, on one worker and on every core, beside
//     symbol_png --batch --jobs over the same values (the batch path without naming and prompts);
// (b) 1,000 label images of a 3.5 x 2 in card (three texts, a Code 128 and a QR Code, all bound to
//     one series).
// Reports files a second, the GUI thread's time per label, resident memory at the first and the
// last sample, every 100th file decoded, and how long a Stop takes to end a run.
// Targets: (a) within 15 % of symbol_png --batch; (b) under 60 s on two cores; memory flat (last
// sample within 10 MB of the first); Stop within 1 s.

#include "BenchWindow.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/BatchPool.h"
#include "core/Messages.h"
#include "core/UserFolders.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTText.h"
#include "output/ImageExport.h"
#include "output/OutputController.h"
#include "output/Send_Modeless.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kRecords = 10000;
constexpr int kLabels = 1000;

QString value(int i) { return QStringLiteral("TAGORA-%1").arg(400000000000LL + i); }

struct Run {
    double seconds = 0;
    int files = 0;
    long rssFirst = 0, rssLast = 0;
    int decoded = 0, checked = 0;
};

// Every 100th file of the folder, in name order, decoded against the value the check gives.
void decodeEvery100th(const QDir &folder, const std::function<QString(const QString &name)> &expected, Run &run)
{
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    for (int i = 0; i < names.size(); i += 100) {
        const QString want = expected(names[i]);
        if (want.isEmpty())
            continue;
        ++run.checked;
        if (testsupport::decode(QImage(folder.filePath(names[i])), QStringLiteral("Code128")).text == want)
            ++run.decoded;
    }
}

// Samples the resident memory on the GUI thread while a run goes on.
struct RssSampler {
    QTimer timer;
    long first = -1, last = -1;
    RssSampler()
    {
        timer.setInterval(250);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const long kb = bench::residentKb();
            if (first < 0)
                first = kb;
            last = kb;
        });
        timer.start();
    }
};

Run barcodeRun(const bench::Window &bw, int threads, const QString &dest)
{
    file_name_exported = QStringLiteral("<BV>");
    file_prefix_exported.clear();
    file_sufix_exported.clear();
    file_path_ext = QStringLiteral("png");
    Print_Start = 0;
    Print_End = kRecords;
    show_count = kRecords;
    export_card_counter = 0;
    replace_keep_file_flag = 0;
    ImageExport::batchThreads() = threads;
    Run run;
    RssSampler rss;
    QElapsedTimer t;
    t.start();
    bw.output().Export_Batch_File_Barcode(dest);
    run.seconds = t.nsecsElapsed() / 1e9;
    run.rssFirst = rss.first;
    run.rssLast = rss.last;
    const QDir folder(QDir(dest).filePath(QStringLiteral("QIRO Barcode")));
    run.files = int(folder.entryList(QDir::Files).size());
    decodeEvery100th(folder, [](const QString &name) { return QFileInfo(name).completeBaseName(); }, run);
    return run;
}

double symbolPngRun(int jobs, const QString &valuesFile, const QString &outdir)
{
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/../tests/tools/symbol_png");
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(tool, {QStringLiteral("--symbology"), QStringLiteral("Code 128"), QStringLiteral("--batch"), valuesFile,
                   QStringLiteral("--outdir"), outdir, QStringLiteral("--jobs"), QString::number(jobs)});
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return -1;
    return t.nsecsElapsed() / 1e9;
}

std::shared_ptr<SKTText> boundText(const QRectF &frame)
{
    auto t = std::make_shared<SKTText>();
    t->_bounds = frame;
    t->data_source_type = 1;
    t->batch_list_name = QStringLiteral("Labels");
    return t;
}

std::shared_ptr<SKTBarcode> boundBarcode(const QString &title, const QRectF &frame)
{
    auto b = std::make_shared<SKTBarcode>();
    b->barcode_font_index = Symbologies::indexOf(title);
    b->linear_or_2d = title == QLatin1String("QR Code") ? 1 : 0;
    b->linear_width_val = 10.0f;   // 10-mil bars: the symbol fits the card with its quiet zones
    b->_bounds = b->bar_image_ctrl_bounds = frame;
    b->data_source_type = 1;
    b->batch_list_name = QStringLiteral("Labels");
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    // The export-done box and any message are answered at once (Cancel, the first button).
    auto responder = std::make_shared<testsupport::ScriptedResponder>();
    platform::setDialogResponder(responder);
    SKTWindowController *c = bw.controller();
    bw.window()->show();
    QApplication::processEvents();
    QTemporaryDir work;
    const int cores = batchfiles::availableCores();

    // ---- (a) the Barcode mode's value list ----
    BarcodeModeController &bm = bw.barcodeMode();
    const int index = bm.barcodeTypePopup->findText(QStringLiteral("Code 128"));
    bm.barcodeTypePopup->setCurrentIndex(index);
    emit bm.barcodeTypePopup->activated(index);
    bm.data_source_chkbox->click();
    bm.ListData_barcode.clear();
    QFile values(QDir(work.path()).filePath(QStringLiteral("values.txt")));
    if (!values.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 0; i < kRecords; ++i) {
        bm.Create_Item_List(value(i), QString(), QString(), QStringLiteral("1"), int(bm.ListData_barcode.size()));
        values.write(value(i).toUtf8() + '\n');
    }
    values.close();
    bm.Reload_List();
    Use_Data_Sheet_Values = true;
    Total_Batch_Excel_Card = kRecords;

    std::printf("(a) %d Code 128 value-list records to PNG at 600 DPI (%d cores)\n", kRecords, cores);
    for (int threads : {1, cores}) {
        QTemporaryDir dest(QDir(work.path()).filePath(QStringLiteral("a-XXXXXX")));
        const Run r = barcodeRun(bw, threads, dest.path());
        QTemporaryDir tool(QDir(work.path()).filePath(QStringLiteral("t-XXXXXX")));
        const double s = symbolPngRun(threads, values.fileName(), tool.path());
        std::printf("  %d job(s): export %.2f s (%.0f files/s, %d files), symbol_png --batch --jobs %d %.2f s (%.0f "
                    "files/s): export/tool %.2f; RSS first %ld kB, last %ld kB (%+ld kB); decoded %d of %d\n",
                    threads, r.seconds, r.files / r.seconds, r.files, threads, s, kRecords / s, r.seconds / s,
                    r.rssFirst, r.rssLast, r.rssLast - r.rssFirst, r.decoded, r.checked);
    }

    // Stop: the user's Stop half a second into a run; the time until the run has ended.
    {
        QTemporaryDir dest(QDir(work.path()).filePath(QStringLiteral("s-XXXXXX")));
        QElapsedTimer sinceStop;
        QTimer::singleShot(500, [&] {
            sinceStop.start();
            Stop_Processing_Now = true;
        });
        barcodeRun(bw, cores, dest.path());
        std::printf("  Stop: the run ended %.0f ms after Stop\n", sinceStop.nsecsElapsed() / 1e6);
        Stop_Processing_Now = false;
    }

    // ---- (b) the Designing mode's labels ----
    c->Designing_Mode_Select();
    DesignController &d = bw.design();
    workAreaOf(d).canvasFrameSize = QSizeF(252, 144);
    if (SKTGraphicView *view = workAreaOf(d).Graphic_View())
        view->setCardSize(QSizeF(252, 144));
    QFile series(Data_Folder_Path + QStringLiteral("/Labels.txt"));
    if (!series.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 0; i < kLabels; ++i)
        series.write(QStringLiteral("LBL-%1\n").arg(100000 + i).toUtf8());
    series.close();
    const SKTGraphicList objects = {boundText(QRectF(8, 6, 110, 18)), boundText(QRectF(130, 6, 110, 18)),
                                    boundText(QRectF(8, 28, 110, 18)),
                                    boundBarcode(QStringLiteral("Code 128"), QRectF(8, 50, 150, 88)),
                                    boundBarcode(QStringLiteral("QR Code"), QRectF(170, 50, 76, 88))};
    bw.document()->insertGraphics(objects, {0, 1, 2, 3, 4});
    recordsOf(d).Check_Series_Or_Excel_Use_or_not();
    // The GUI thread's share of a label: the record filled in and the card recorded.
    QElapsedTimer gui;
    gui.start();
    for (int i = 0; i < 50; ++i)
        recordsOf(d).Set_data_table_value_to_card(i, QStringLiteral("F"), false);
    const double guiMs = gui.nsecsElapsed() / 1e6 / 50;
    c->Set_Front_Back_Value_To_Print_Export_Mail();
    recordsOf(d).Get_total_Card_count();
    file_name_exported = QStringLiteral("<SV>");
    file_series_exported = QStringLiteral("Labels");
    file_path_ext = QStringLiteral("png");
    export_card_side = QStringLiteral("F");
    Print_Start = 0;
    Total_Label = kLabels;
    export_card_counter = 0;
    ImageExport::batchThreads() = 0;
    QTemporaryDir dest(QDir(work.path()).filePath(QStringLiteral("b-XXXXXX")));
    Run r;
    {
        RssSampler rss;
        QElapsedTimer t;
        t.start();
        bw.output().Export_Batch_File(dest.path());
        r.seconds = t.nsecsElapsed() / 1e9;
        r.rssFirst = rss.first;
        r.rssLast = rss.last;
    }
    const QDir folder(QDir(dest.path()).filePath(QStringLiteral("QIRO Label")));
    r.files = int(folder.entryList(QDir::Files).size());
    decodeEvery100th(folder, [](const QString &name) { return QFileInfo(name).completeBaseName(); }, r);
    if (!qEnvironmentVariableIsEmpty("BENCH_KEEP_LABEL"))
        QFile::copy(folder.filePath(folder.entryList(QDir::Files, QDir::Name).value(0)), qEnvironmentVariable("BENCH_KEEP_LABEL"));
    std::printf("(b) %d labels of 3.5 x 2 in (3 texts, Code 128, QR Code; series-bound) to PNG at 600 DPI: %.2f s "
                "(%.1f files/s, %d files); GUI thread %.2f ms a label; RSS first %ld kB, last %ld kB (%+ld kB); "
                "decoded %d of %d\n",
                kLabels, r.seconds, r.files / r.seconds, r.files, guiMs, r.rssFirst, r.rssLast, r.rssLast - r.rssFirst,
                r.decoded, r.checked);
    return 0;
}
