// The value list at 10,000 records: filling it through the creation rule with one reload, scrolling
// the table from top to bottom page by page with every page painted, and select-all followed by
// deleting the selected rows (the reload and the field update included). Runs the real window
// offscreen; each figure should stay under one second.

#include "BenchWindow.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRecords = 10000;
constexpr int kRounds = 5;

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

// Records made through the creation rule, the table reloaded once.
double fill(BarcodeModeController &bm)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRecords; ++i)
        bm.Create_Item_List(QStringLiteral("%1").arg(400000000000LL + i), QStringLiteral("Header %1").arg(i),
                            QStringLiteral("Footer %1").arg(i), QStringLiteral("%1").arg(1 + i % 5),
                            int(bm.ListData_barcode.size()));
    bm.Reload_List();
    return msSince(t);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    bw.window()->resize(1600, 1000);   // the screen of the screenshots
    bw.window()->show();
    QApplication::processEvents();
    BarcodeModeController &bm = bw.barcodeMode();
    bm.data_source_chkbox->click();   // batch processing from the value list
    QTableView *table = bm.List;

    std::vector<double> fills, scrolls, deletes;
    int pages = 0;
    for (int round = 0; round < kRounds; ++round) {
        fills.push_back(fill(bm));
        if (table->model()->rowCount() != kRecords) {
            std::fprintf(stderr, "the table shows %d rows\n", table->model()->rowCount());
            return 1;
        }

        // Top to bottom, one page at a time, each page painted.
        QScrollBar *bar = table->verticalScrollBar();
        bar->setValue(0);
        table->viewport()->repaint();
        QElapsedTimer t;
        t.start();
        pages = 0;
        for (int v = 0; v < bar->maximum(); ) {
            v = std::min(v + bar->pageStep(), bar->maximum());
            bar->setValue(v);
            table->viewport()->repaint();
            ++pages;
        }
        scrolls.push_back(msSince(t));

        // Select-all and delete: one removal, the reload, the fields emptied and the preview blanked.
        t.restart();
        table->selectAll();
        bm.Del_Sel_Row_Menu();
        deletes.push_back(msSince(t));
        if (!bm.ListData_barcode.isEmpty() || table->model()->rowCount() != 0 || !bm.dataText->text().isEmpty()) {
            std::fprintf(stderr, "the delete left %lld records\n", static_cast<long long>(bm.ListData_barcode.size()));
            return 1;
        }
    }

    std::printf("value list, %d records through the creation rule and one reload: median %.1f ms (max %.1f)\n", kRecords,
                median(fills), *std::max_element(fills.begin(), fills.end()));
    std::printf("scroll top to bottom, %d pages of %d rows painted (viewport %d px high): median %.1f ms (max %.1f), "
                "%.3f ms a page\n",
                pages, table->verticalScrollBar()->pageStep(), table->viewport()->height(), median(scrolls),
                *std::max_element(scrolls.begin(), scrolls.end()), median(scrolls) / std::max(pages, 1));
    std::printf("select all + delete selected rows (reload and field update included): median %.1f ms (max %.1f)\n",
                median(deletes), *std::max_element(deletes.begin(), deletes.end()));
    std::printf("over %d rounds; target: each under 1000 ms\n", kRounds);
    bw.deleteController();
    return 0;
}
