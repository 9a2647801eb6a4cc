// Importing a 1,000,000-line CSV file (about 20 MB, two fields a line) into a new series through the
// import wizard's text-file source: the worker reads, decodes and splits the file behind the
// please-wait sheet, then the series file is written whole. Runs the real window offscreen.
// Targets: under 3 s, and the peak resident memory grows by less than 10 times the file's size.

#include "BenchWindow.h"
#include "core/UserFolders.h"
#include "data/Import_Wizard.h"
#include "platform/QtDialogResponder.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 1000000;

long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// The kernel's peak of this process starts again from the present resident size.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// Runs the wizard as a user does: the text-file source, the path and the name, then OK, timed.
class Answers : public platform::QtDialogResponder {
public:
    QString file, name;
    double seconds = 0;
    int runModal(QDialog &dialog) override
    {
        auto *w = qobject_cast<Import_Wizard *>(&dialog);
        if (!w)
            return 0;
        w->Text_RD->click();
        w->Text_path->setText(file);
        w->Text_file_name->setText(name);
        dialog.setResult(-1);
        QElapsedTimer t;
        t.start();
        w->ok_btn->click();
        seconds = t.nsecsElapsed() / 1e9;
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
    bw.shown(1400, 900);
    QTemporaryDir work;
    auto answers = std::make_shared<Answers>();
    answers->file = work.filePath(QStringLiteral("codes.csv"));
    qint64 fileBytes = 0;
    {
        QByteArray text;
        text.reserve(kLines * 22);
        for (int i = 0; i < kLines; ++i)
            text += QStringLiteral("C%1,Name %2\n").arg(i, 7, 10, QLatin1Char('0')).arg(i % 100000, 6, 10, QLatin1Char('0')).toLatin1();
        QFile f(answers->file);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            return 1;
        fileBytes = text.size();
    }
    platform::setDialogResponder(answers);
    Import_Wizard *wizard = Import_Wizard::defaultInstance();
    wizard->file_name_required = 1;
    wizard->file_name_Insert = 0;

    std::vector<double> seconds;
    long firstGrowthKb = 0;
    for (int round = 0; round < 3; ++round) {
        answers->name = QStringLiteral("Codes%1").arg(round);
        resetPeak();
        const long before = statusKb("VmRSS:");
        wizard->Open_Wnd();
        const long growth = statusKb("VmHWM:") - before;
        if (round == 0)
            firstGrowthKb = growth;
        QFile series(Data_Folder_Path + QLatin1Char('/') + answers->name + QStringLiteral(".txt"));
        qint64 lines = 0;
        if (series.open(QIODevice::ReadOnly))
            lines = series.readAll().count('\n');
        if (lines != 2 * kLines) {
            std::fprintf(stderr, "the series has %lld values\n", static_cast<long long>(lines));
            return 1;
        }
        series.remove();
        seconds.push_back(answers->seconds);
        std::printf("round %d: %.3f s, peak resident growth %.1f MB\n", round, answers->seconds, growth / 1024.0);
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("file %.1f MB, %d lines, %d values\n", fileBytes / 1048576.0, kLines, 2 * kLines);
    std::printf("median import: %.3f s (target < 3 s)\n", seconds[seconds.size() / 2]);
    std::printf("peak resident growth, first round: %.1f MB = %.1f x the file (target < 10 x)\n", firstGrowthKb / 1024.0,
                firstGrowthKb * 1024.0 / double(fileBytes));
    platform::setDialogResponder(nullptr);
    return 0;
}
