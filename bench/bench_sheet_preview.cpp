// The sheet preview of the print and PDF dialogs with a huge grid: a label of 0.5 x 0.5 mm with no
// gaps and 999 rows and columns typed, which the fit leaves at a few hundred thousand cells on A4.
// Reports the time of each edit of the grid (the field's editing ended to the preview shown), the
// number of cells and the sheets drawn an edit, per dialog; then the same for the smallest labels
// that are outlined (1.06 mm, 3 pixels) and captioned (2.12 mm, 6 pixels), the most cells either
// costs, and for an ordinary 3 x 7 sheet. Runs the real window offscreen.

#include "BenchWindow.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "output/PDF_Export.h"
#include "output/Print_Wnd.h"
#include "output/Sample_Preview.h"
#include "outputjobs/OutputGlobals.h"
#include "platform/HeadlessResponder.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"

#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The dialogs answered by the benchmark: everything else as nobody at the screen would.
class Responder : public platform::HeadlessResponder {
public:
    std::function<int(QDialog &)> onModal;
    int runModal(QDialog &dialog) override { return onModal ? onModal(dialog) : 0; }
};

// The fields of a grid in either dialog.
struct GridFields {
    QLineEdit *width, *height, *horz, *vert, *rows, *cols;
    const Sample_Preview *preview;
};

void set(QLineEdit *field, const QString &text)
{
    field->setText(text);
    emit field->editingFinished();
}

struct Timing {
    double median = 0, worst = 0;
    long cells = 0;
    double sheetsAnEdit = 0;
};

// Edits of the grid, each timed: rows and columns typed in turn, alternating 999 and 998.
Timing timeEdits(const GridFields &f, const QString &width, const QString &height)
{
    set(f.width, width);
    set(f.height, height);
    set(f.horz, QStringLiteral("0"));
    set(f.vert, QStringLiteral("0"));
    set(f.rows, QStringLiteral("999"));
    set(f.cols, QStringLiteral("999"));
    std::vector<double> ms;
    QElapsedTimer t;
    const int sheetsBefore = f.preview->sheetsDrawn();
    for (int i = 0; i < 12; ++i) {
        QLineEdit *field = i % 2 ? f.cols : f.rows;
        t.start();
        set(field, QString::number(i % 4 < 2 ? 998 : 999));
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    const double sheets = double(f.preview->sheetsDrawn() - sheetsBefore) / double(ms.size());
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back(), long(Print_Row) * Print_Col, sheets};
}

void report(const char *dialog, const char *label, const Timing &t)
{
    std::printf("%-5s %-14s %7ld cells (%d x %d): %8.1f ms an edit (median), %8.1f ms the slowest, %.1f sheets drawn "
                "an edit\n",
                dialog, label, t.cells, Print_Row, Print_Col, t.median, t.worst, t.sheetsAnEdit);
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    SKTWindowController *c = bw.shown();
    // A symbol, so the cells read "Label n".
    BarcodeModeController &b = c->barcodeMode();
    b.dataText->setText(QStringLiteral("TAGORA-45"));
    b.goButtonActionPerformed();

    platform::PrintInfo info;
    info.printerName = platform::Pdf_Destination_Name;   // never the machine's default printer's margins
    info.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                  QPageLayout::Point);
    c->setPrintInfo(info);

    auto responder = std::make_shared<Responder>();
    platform::setDialogResponder(responder);
    Print_Wnd *print = Print_Wnd::defaultInstance();
    responder->onModal = [&](QDialog &dialog) {
        if (&dialog != print)
            return 0;
        print->show();
        const GridFields f{print->width_Text,    print->height_Text, print->horz_mar_Text,
                           print->vert_mar_Text, print->Row_Text,    print->Col_Text, print->PrintView};
        report("print", "0.5 x 0.5 mm", timeEdits(f, QStringLiteral("0.5"), QStringLiteral("0.5")));
        report("print", "1.06 x 1.06 mm", timeEdits(f, QStringLiteral("1.06"), QStringLiteral("1.06")));
        report("print", "2.12 x 2.12 mm", timeEdits(f, QStringLiteral("2.12"), QStringLiteral("2.12")));
        report("print", "63.5 x 38.1 mm", timeEdits(f, QStringLiteral("63.5"), QStringLiteral("38.1")));
        print->hide();
        return 0;
    };
    print->Open_Print_Wnd(&c->output());

    PDF_Export *pdf = PDF_Export::defaultInstance();
    responder->onModal = [&](QDialog &dialog) {
        if (&dialog != pdf)
            return 0;
        pdf->show();
        const GridFields f{pdf->width_Text,    pdf->height_Text, pdf->horz_mar_Text,
                           pdf->vert_mar_Text, pdf->Row_Text,    pdf->Col_Text, pdf->PrintView};
        report("pdf", "0.5 x 0.5 mm", timeEdits(f, QStringLiteral("0.5"), QStringLiteral("0.5")));
        report("pdf", "1.06 x 1.06 mm", timeEdits(f, QStringLiteral("1.06"), QStringLiteral("1.06")));
        report("pdf", "2.12 x 2.12 mm", timeEdits(f, QStringLiteral("2.12"), QStringLiteral("2.12")));
        report("pdf", "63.5 x 38.1 mm", timeEdits(f, QStringLiteral("63.5"), QStringLiteral("38.1")));
        pdf->hide();
        return 0;
    };
    pdf->Open_Pdf_Export_Wnd(c->output());
    platform::setDialogResponder(nullptr);
    if (!responder->messages.isEmpty())
        std::printf("messages: %s\n", qPrintable(responder->messages.join(QStringLiteral(" | "))));
    bw.deleteController();
    return 0;
}
