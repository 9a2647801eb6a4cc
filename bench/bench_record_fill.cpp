// The record fill as the image export runs it: 1,000 records of a design with three texts and one
// Code 128 barcode object, each bound to a series, filled and rendered on the GUI thread at a
// worker's request, each card rasterised at 300 DPI by the worker and dropped. Resident memory is
// read every 100 records. Targets: under 60 s on two cores; record 1,000 within 10 MB of record 100.

#include "BenchWindow.h"

#include "core/Mode.h"
#include "core/UserFolders.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "outputjobs/OutputGlobals.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTText.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QThread>

#include <cstdio>
#include <vector>

namespace {

void writeSeries(const QString &name, const QString &prefix, int count)
{
    QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
    f.open(QIODevice::WriteOnly);
    for (int i = 1; i <= count; ++i)
        f.write(QStringLiteral("%1%2\n").arg(prefix).arg(i, 5, 10, QLatin1Char('0')).toUtf8());
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window window(argc, argv);
    DesignController &d = window.design();
    workAreaOf(d).canvasFrameSize = QSizeF(243, 153);
    window.window();   // the window's set-up names the series folder
    Barcode_Setting_Or_Designing_Mode = 1;
    QDir().mkpath(Data_Folder_Path);
    const int records = 1000;
    writeSeries(QStringLiteral("names"), QStringLiteral("Name "), records);
    writeSeries(QStringLiteral("depts"), QStringLiteral("Dept "), records);
    writeSeries(QStringLiteral("ids"), QStringLiteral("ID "), records);
    writeSeries(QStringLiteral("codes"), QStringLiteral("C"), records);

    SKTGraphicList design;
    int y = 10;
    for (const QString &series : {QStringLiteral("names"), QStringLiteral("depts"), QStringLiteral("ids")}) {
        auto t = std::make_shared<SKTText>();
        t->_bounds = QRectF(10, y, 140, 20);
        t->data_source_type = 1;
        t->batch_list_name = series;
        design.append(t);
        y += 26;
    }
    auto barcode = std::make_shared<SKTBarcode>();
    barcode->control_ID = QStringLiteral("BAR_1");
    barcode->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
    barcode->_bounds = barcode->bar_image_ctrl_bounds = QRectF(20, 90, 200, 55);
    barcode->data_source_type = 1;
    barcode->batch_list_name = QStringLiteral("codes");
    design.append(barcode);
    QList<int> at;
    for (int i = 0; i < design.size(); ++i)
        at << i;
    window.document()->insertGraphics(design, at);
    recordsOf(d).Check_Series_Or_Excel_Use_or_not();
    if (Total_Batch_Excel_Card != records) {
        std::printf("unexpected record count %d\n", Total_Batch_Excel_Card);
        return 1;
    }

    std::vector<long> samples;
    bool failed = false;
    QElapsedTimer timer;
    timer.start();
    QThread *worker = QThread::create([&] {
        for (int i = 0; i < records; ++i) {
            const QImage image = recordsOf(d).Set_data_table_value_to_card(i, QStringLiteral("F"), false).toImage(300);
            failed = failed || image.isNull();
            if ((i + 1) % 100 == 0)
                samples.push_back(bench::residentKb());
        }
    });
    worker->start();
    while (!worker->wait(1))
        QCoreApplication::processEvents();
    const qint64 total = timer.elapsed();
    delete worker;
    if (failed) {
        std::printf("a record did not render\n");
        return 1;
    }
    std::printf("%d records filled, rendered and rasterised at 300 DPI from a worker: %lld ms, %.2f ms a record "
                "(target < 60 s)\n",
                records, total, double(total) / records);
    std::printf("resident kB every 100 records:");
    for (long kb : samples)
        std::printf(" %ld", kb);
    std::printf("\nrecord 1,000 - record 100: %+ld kB (target within 10,240 kB)\n", samples.back() - samples.front());
    return 0;
}
