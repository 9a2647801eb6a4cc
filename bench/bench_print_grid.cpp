// The print grid of 10,000 value-list records with print quantity 1000: 10,000,000 labels held as
// one record each with its running label count. Reports the time of the build, the resident memory
// it takes (against a grid of the same records printed once each), and random access to labels,
// each checked against the record it must be. Runs the real window offscreen.

#include "BenchWindow.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRecords = 10000;
constexpr int kQuantity = 1000;
constexpr int kLookups = 1000000;

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    bw.window()->show();
    QApplication::processEvents();
    BarcodeModeController &bm = bw.barcodeMode();
    bm.data_source_chkbox->click();
    bm.ListData_barcode.clear();
    for (int i = 0; i < kRecords; ++i)
        bm.Create_Item_List(QStringLiteral("R%1").arg(i), QStringLiteral("H%1").arg(i), QStringLiteral("F%1").arg(i),
                            QString::number(kQuantity), int(bm.ListData_barcode.size()));
    bm.Reload_List();

    // The same records once each, then with their quantities: the memory difference is the labels'.
    bm.Add_Records_In_List(false);
    const long rssOnce = bench::residentKb();
    bm.List_Barcode_Grid_Value.clear();
    const long rssBefore = bench::residentKb();
    QElapsedTimer t;
    t.start();
    bm.Add_Records_In_List(true);
    const double buildMs = t.nsecsElapsed() / 1e6;
    const long rssAfter = bench::residentKb();
    const PrintGrid &grid = bm.List_Barcode_Grid_Value;
    if (grid.size() != kRecords * kQuantity || grid.recordCount() != kRecords) {
        std::fprintf(stderr, "the grid holds %d labels of %d records\n", grid.size(), grid.recordCount());
        return 1;
    }

    QRandomGenerator random(7);
    int wrong = 0;
    t.restart();
    for (int k = 0; k < kLookups; ++k) {
        const int label = int(random.bounded(quint32(grid.size())));
        const std::optional<ValueRecord> r = grid.record(label);
        if (!r || r->value(QStringLiteral("Value")) != QStringLiteral("R%1").arg(label / kQuantity))
            ++wrong;
    }
    const double lookupMs = t.nsecsElapsed() / 1e6;
    const bool edges = grid.record(0)->value(QStringLiteral("Value")) == QStringLiteral("R0") &&
                       grid.record(grid.size() - 1)->value(QStringLiteral("Value")) == QStringLiteral("R9999") &&
                       !grid.record(grid.size());

    std::printf("print grid of %d records x %d copies = %d labels built in %.1f ms\n", kRecords, kQuantity, grid.size(),
                buildMs);
    std::printf("resident memory: %.1f MB before the build, %.1f MB after (%+.2f MB); the same records printed once: "
                "%.1f MB\n",
                rssBefore / 1024.0, rssAfter / 1024.0, (rssAfter - rssBefore) / 1024.0, rssOnce / 1024.0);
    std::printf("%d random labels looked up in %.1f ms (%.3f us each), %d wrong; first and last labels %s\n", kLookups,
                lookupMs, lookupMs * 1000.0 / kLookups, wrong, edges ? "right" : "WRONG");
    bw.deleteController();
    return wrong == 0 && edges ? 0 : 1;
}
