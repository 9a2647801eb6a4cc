// Importing a 10,000-line text file (value, header, footer and print quantity per line) into the
// value list through the import button: the worker reads, decodes and splits the file, the window
// writes the records under the please-wait sheet and reloads the table once. The options window is
// answered at once (all four fields, At End). Runs the real window offscreen; target: under 2 s.

#include "BenchWindow.h"
#include "barcodemode/BarcodeModeController.h"
#include "data/Import_From_Txt_File.h"
#include "model/SKTDocument.h"
#include "platform/QtDialogResponder.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 10000;

// Answers the file panel with the file and the options window with all four fields at the end.
class Answers : public platform::QtDialogResponder {
public:
    QString file;
    QStringList openPanel(const platform::OpenPanelRequest &) override { return {file}; }
    int runModal(QDialog &dialog) override
    {
        if (auto *window = qobject_cast<Import_From_Txt_File *>(&dialog)) {
            for (QCheckBox *box : {window->chk_value, window->chk_header, window->chk_footer, window->chk_pq})
                box->setChecked(true);
            window->radioButton_At_End->click();
            window->okButton->click();
            return dialog.result();
        }
        return 0;
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
    QTemporaryDir home;
    auto answers = std::make_shared<Answers>();
    answers->file = home.filePath(QStringLiteral("list.txt"));
    {
        QByteArray text;
        for (int i = 0; i < kLines; ++i)
            text += QStringLiteral("%1\tHeader %2\tFooter %2\t%3\n").arg(400000000000LL + i).arg(i).arg(1 + i % 5).toUtf8();
        QFile f(answers->file);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            return 1;
    }
    platform::setDialogResponder(answers);
    bw.window()->resize(1600, 1000);
    bw.window()->show();
    QApplication::processEvents();
    BarcodeModeController &bm = bw.barcodeMode();
    bm.data_source_chkbox->click();   // batch processing from the value list

    std::vector<double> seconds;
    for (int round = 0; round < 5; ++round) {
        bm.ListData_barcode.clear();
        bm.Reload_List();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        bm.import_list_btn->click();
        while (bm.textImportRunning())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        seconds.push_back(t.nsecsElapsed() / 1e9);
        if (bm.ListData_barcode.size() != kLines) {
            std::fprintf(stderr, "the list has %lld records\n", static_cast<long long>(bm.ListData_barcode.size()));
            return 1;
        }
        std::printf("round %d: %.3f s\n", round, seconds.back());
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("median import of %d lines: %.3f s (target < 2 s)\n", kLines, seconds[seconds.size() / 2]);
    platform::setDialogResponder(nullptr);
    return 0;
}
