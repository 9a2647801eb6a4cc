// The list generator filling the value list: 100,000 sequential values At End into an empty list,
// then 100,000 At Start over them, each through the generator's OK with its one reload of the table.
// Then a replacing restore of 10,000 series files. Runs the real window offscreen; targets: each
// generation under 1 s; the restore's time and the memory are reported.

#include "BenchWindow.h"
#include "barcodemode/BarcodeModeController.h"
#include "data/Generate_List_Barcode.h"
#include "io/SeriesBackup.h"
#include "platform/QtDialogResponder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kValues = 100000;
constexpr int kSeries = 10000;

// Answers the generator with the sequence 1..kValues into the value field, at the chosen end.
class Answers : public platform::QtDialogResponder {
public:
    bool atEnd = true;
    int runModal(QDialog &dialog) override
    {
        auto *g = qobject_cast<Generate_List_Barcode *>(&dialog);
        if (!g)
            return 0;
        g->from_txt->setText(QStringLiteral("1"));
        g->to_txt->setText(QString::number(kValues));
        g->chk_value->setChecked(true);
        (atEnd ? g->radioButton_At_End : g->radioButton_At_Start)->click();
        g->ok_btn->click();
        return dialog.result();
    }
    int alert(const platform::AlertRequest &request) override
    {
        std::fprintf(stderr, "alert: %s\n", qPrintable(request.message));
        return 0;
    }
};

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    auto answers = std::make_shared<Answers>();
    platform::setDialogResponder(answers);
    bw.shown(1600, 1000);
    BarcodeModeController &bm = bw.barcodeMode();
    bm.data_source_chkbox->click();   // batch processing from the value list
    bm.ListData_barcode.clear();
    bm.Reload_List();

    bool ok = true;
    for (bool atEnd : {true, false}) {
        answers->atEnd = atEnd;
        QElapsedTimer timer;
        timer.start();
        bm.create_list_btn->click();
        const double seconds = timer.nsecsElapsed() / 1e9;
        const bool right = bm.ListData_barcode.size() == kValues;
        ok = ok && right && seconds < 1.0;
        std::printf("%s: %d values in %.3f s (target < 1 s)%s, resident %ld kB\n", atEnd ? "At End" : "At Start",
                    int(bm.ListData_barcode.size()), seconds, right ? "" : " WRONG COUNT", bench::residentKb());
    }

    QTemporaryDir backupHome;
    const QString source = backupHome.filePath(series_backup::Backup_Folder_name);
    QDir().mkpath(source);
    for (int i = 0; i < kSeries; ++i) {
        QFile f(source + QStringLiteral("/Series %1.txt").arg(i));
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray::number(i) + "\n") <= 0)
            return 1;
    }
    QElapsedTimer timer;
    timer.start();
    const series_backup::Outcome outcome = series_backup::restoreReplace(source);
    std::printf("replacing restore: %d of %d series in %.3f s, resident %ld kB\n", outcome.copied, kSeries,
                timer.nsecsElapsed() / 1e9, bench::residentKb());
    ok = ok && outcome.committed && outcome.copied == kSeries;
    return ok ? 0 : 1;
}
