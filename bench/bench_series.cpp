// Series at scale: 100,000 and 1,000,000 sequential values written to a series file through the
// generator's producer; then the series viewer and the series manager's value table on 100,000
// values: loading to the first painted frame, paging from top to bottom with every page painted,
// and the memory of the list model. Runs the real windows offscreen. Targets: 100,000 values
// written under 0.3 s and 1,000,000 under 2 s; first frame under 0.3 s; paging under 1 s.

#include "core/UserFolders.h"
#include "data/BatchWizard.h"
#include "data/SeriesGenerator.h"
#include "data/SeriesListModel.h"
#include "data/View_Data_Series.h"
#include "io/SeriesStore.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

// Runs each modal window through a callback instead of an event loop of its own.
class BenchResponder : public platform::DialogResponder {
public:
    std::function<int(QDialog &)> onModal;
    int alert(const platform::AlertRequest &r) override { return int(r.buttons.size()) - 1; }
    QStringList openPanel(const platform::OpenPanelRequest &) override { return {}; }
    QString savePanel(const platform::SavePanelRequest &) override { return {}; }
    int runModal(QDialog &d) override { return onModal ? onModal(d) : 0; }
    bool openWithDefaultApplication(const QString &) override { return false; }
    QColor chooseColor(const QColor &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
};

double writeSequence(qint64 count)
{
    series_generator::Input in;
    in.from = QStringLiteral("1");
    in.to = QString::number(count);
    in.padding = true;
    in.prefix = QStringLiteral("C-");
    QElapsedTimer t;
    t.start();
    const auto result = series_store::createOrReplaceStreamed(
        QStringLiteral("Bench %1").arg(count),
        [&in](const series_store::ValueSink &sink, QString *) { return series_generator::produce(in, sink); });
    const double ms = msSince(t);
    if (result != series_store::WriteResult::Written)
        std::printf("write of %lld values failed\n", static_cast<long long>(count));
    return ms;
}

// Pages the table from top to bottom, painting every page.
double page(QTableView *table)
{
    QElapsedTimer t;
    t.start();
    QScrollBar *bar = table->verticalScrollBar();
    std::printf("  (%d pages)\n", bar->maximum() / std::max(1, bar->pageStep()) + 1);
    for (int v = bar->minimum(); v < bar->maximum(); v += bar->pageStep()) {
        bar->setValue(v);
        table->viewport()->repaint();
    }
    bar->setValue(bar->maximum());
    table->viewport()->repaint();
    return msSince(t);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home;
    Data_Folder_Path = home.filePath(QStringLiteral("DataSet"));
    QDir().mkpath(Data_Folder_Path);
    auto responder = std::make_shared<BenchResponder>();
    platform::setDialogResponder(responder);

    std::printf("write 100,000 sequential values: %.1f ms\n", writeSequence(100000));
    std::printf("write 1,000,000 sequential values: %.1f ms\n", writeSequence(1000000));

    // The viewer: from Open_Wnd to the first painted frame, then paging.
    View_Data_Series *viewer = View_Data_Series::defaultInstance();
    QElapsedTimer t;
    double firstFrame = 0, paging = 0;
    responder->onModal = [&](QDialog &d) {
        d.resize(400, 500);
        d.show();
        viewer->List->viewport()->repaint();
        firstFrame = msSince(t);
        paging = page(viewer->List);
        d.hide();
        return 1;
    };
    viewer->file_name = QStringLiteral("Bench 100000");
    t.start();
    viewer->Open_Wnd();
    const qsizetype rows = viewer->ListData->size();
    qint64 bytes = 0;
    for (const QString &v : viewer->ListData->values())
        bytes += qint64(sizeof(QString)) + v.capacity() * 2;
    std::printf("viewer, %lld rows: first frame %.1f ms, paging %.1f ms, model about %.1f MB\n",
                static_cast<long long>(rows), firstFrame, paging, bytes / 1048576.0);

    // The manager's value table: opening the series from the list to the first painted frame.
    BatchWizard *manager = BatchWizard::defaultInstance();
    responder->onModal = [&](QDialog &d) {
        d.resize(600, 500);
        d.show();
        const int row = int(manager->ListData->values().indexOf(QStringLiteral("Bench 100000")));
        manager->List->selectRow(row);
        t.start();
        manager->Update_Btn_Clicked();
        QCoreApplication::processEvents();   // the value screen laid out
        manager->List_value->viewport()->repaint();
        firstFrame = msSince(t);
        paging = page(manager->List_value);
        d.hide();
        return 0;
    };
    manager->Open_Wnd();
    std::printf("manager, %lld rows: first frame %.1f ms, paging %.1f ms\n",
                static_cast<long long>(manager->ListData_value->size()), firstFrame, paging);
    platform::setDialogResponder(nullptr);
    return 0;
}
