// Batch pictures from a snapshot: a worker thread turns 10,000 Code 128 value-list records into
// their pictures as the requests return them (not rasterised), while the GUI thread stays free.
// Reports the time and the resident memory at records 1,000 and 10,000. Targets: under 20 s, and
// memory flat (RSS at record 10,000 within 10 MB of record 1,000). Runs the real window offscreen.

#include "BenchWindow.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BatchSnapshot.h"
#include "model/SKTDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

namespace {

constexpr int kRecords = 10000;

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    bw.window()->show();
    QApplication::processEvents();
    BarcodeModeController &bm = bw.barcodeMode();
    const int index = bm.barcodeTypePopup->findText(QStringLiteral("Code 128"));
    bm.barcodeTypePopup->setCurrentIndex(index);
    emit bm.barcodeTypePopup->activated(index);
    bm.data_source_chkbox->click();   // batch processing from the value list
    bm.ListData_barcode.clear();
    for (int i = 0; i < kRecords; ++i)
        bm.Create_Item_List(QStringLiteral("TAGORA-%1").arg(400000000000LL + i), QStringLiteral("Batch header %1").arg(i),
                            QStringLiteral("Footer %1").arg(i), QStringLiteral("1"), int(bm.ListData_barcode.size()));
    bm.Reload_List();

    // The output job takes its snapshot on the GUI thread as it starts.
    const std::shared_ptr<const BarcodeBatchSnapshot> snapshot = bm.Take_Batch_Snapshot();
    if (snapshot->recordCount != kRecords) {
        std::fprintf(stderr, "the snapshot holds %d records\n", snapshot->recordCount);
        return 1;
    }

    long rssAt1000 = 0, rssAt10000 = 0;
    int made = 0;
    double seconds = 0, secondsAt1000 = 0;
    std::thread worker([&] {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kRecords; ++i) {
            const platform::Picture picture = bm.Get_Image_From_List_Val(i);
            if (!picture.isNull() && picture.isVector())
                ++made;
            if (i + 1 == 1000) {
                rssAt1000 = bench::residentKb();
                secondsAt1000 = t.nsecsElapsed() / 1e9;
            }
        }
        seconds = t.nsecsElapsed() / 1e9;
        rssAt10000 = bench::residentKb();
    });
    worker.join();
    // The pictures are the records': the first and the last differ, and neither is the window's own.
    const QImage first = bm.Get_Image_From_List_Val(0).toImage(72);
    const QImage last = bm.Get_Image_From_List_Val(kRecords - 1).toImage(72);
    const QImage current = snapshot->currentModelPicture.toImage(72);
    const bool distinct = !first.isNull() && !last.isNull() && first != last && first != current;
    bm.Release_Batch_Snapshot();

    std::printf("%d Code 128 value-list records to pictures on a worker thread: %.2f s (%.2f ms a record; first 1,000 "
                "in %.2f s); %d pictures made\n",
                kRecords, seconds, seconds * 1000.0 / kRecords, secondsAt1000, made);
    std::printf("resident memory: %.1f MB at record 1,000, %.1f MB at record 10,000 (%+.1f MB)\n", rssAt1000 / 1024.0,
                rssAt10000 / 1024.0, (rssAt10000 - rssAt1000) / 1024.0);
    std::printf("targets: under 20 s; memory within 10 MB; record pictures distinct: %s\n", distinct ? "yes" : "NO");
    bw.deleteController();
    return made == kRecords && distinct ? 0 : 1;
}
