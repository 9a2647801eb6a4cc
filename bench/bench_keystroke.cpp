// Keystroke to preview: how long the Barcode mode takes from one typed character to the redrawn
// preview, for a 20-character Code 128 value and a 200-character QR value (the quick preview while
// typing). Runs the real window offscreen; prints the median and the 95th percentile.

#include "BenchWindow.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTDocument.h"
#include "platform/PictureView.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double median, p95;
};

Figures summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 95 / 100)]};
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    SKTWindowController *c = bw.controller();
    bw.window()->resize(1280, 860);
    bw.window()->show();
    QApplication::processEvents();
    const int rounds = 200;

    // Linear: the value grows to 20 characters, one keystroke at a time, again and again.
    bw.barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("Code 128"));
    bw.barcodeMode().Liner_Barcode_Opt_Select();
    std::vector<double> linear;
    const QString value = QStringLiteral("TAGORA-2026-LABEL-01");
    for (int r = 0; r < rounds; ++r) {
        const QString typed = value.left(1 + r % value.size());
        bw.barcodeMode().dataText->setText(typed);
        QElapsedTimer t;
        t.start();
        c->controlTextDidChange(bw.barcodeMode().dataText);
        bw.barcodeMode().barcodeImage->repaint();   // until the new preview is painted
        linear.push_back(t.nsecsElapsed() / 1e6);
        if (!bw.barcodeMode().barcodeImage->hasPicture()) {
            std::fprintf(stderr, "no preview for %s\n", qPrintable(typed));
            return 1;
        }
    }

    // QR: a 200-character value typed into the 2D view (quick preview, not raised to the output DPI).
    bw.barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("QR Code"));
    bw.barcodeMode().two_d_barcode_Opt_Select();
    std::vector<double> qr;
    QString long200;
    for (int i = 0; long200.size() < 200; ++i)
        long200 += QStringLiteral("https://example.org/item/%1?").arg(i);
    long200.truncate(200);
    for (int r = 0; r < rounds / 4; ++r) {
        bw.barcodeMode().dataText_2D->setPlainText(long200.left(150 + r % 51));
        QElapsedTimer t;
        t.start();
        c->textDidChange(bw.barcodeMode().dataText_2D);
        bw.barcodeMode().barcodeImage->repaint();
        qr.push_back(t.nsecsElapsed() / 1e6);
    }

    const Figures l = summarise(linear), q = summarise(qr);
    std::printf("keystroke to preview, Code 128 (up to 20 characters): median %.2f ms, p95 %.2f ms over %d keystrokes\n",
                l.median, l.p95, rounds);
    std::printf("keystroke to preview, QR Code (200 characters, quick preview): median %.2f ms, p95 %.2f ms over %d keystrokes\n",
                q.median, q.p95, rounds / 4);
    delete c;
    return 0;
}
