// Keystroke to framed preview in the Advanced QR mode: one character typed into a panel field,
// through the router, the payload builder, the generation and the framing with header, footer and
// a logo at level H, until the preview is painted. A 300-character Text and a full Contact. Runs
// the real window offscreen; prints the median and the 95th percentile.

#include "BenchWindow.h"
#include "advqr/AdvQrController.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_vCard_View_Panel.h"
#include "app/SKTWindowController.h"
#include "platform/PictureView.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QTextCursor>

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

// One key pressed and released in the widget, as the keyboard delivers it.
void press(QWidget *w, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QApplication::sendEvent(w, &up);
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    SKTWindowController *c = bw.controller();
    bw.window()->resize(1280, 860);
    bw.window()->show();
    QApplication::processEvents();
    c->Advance_QR_Mode_Select();
    AdvQrController &q = bw.advQr();
    q.ADV_QR_ec_lvl_ComboBox->setCurrentIndex(3);
    QImage logo(200, 200, QImage::Format_ARGB32);
    logo.fill(QColor(200, 30, 30));
    q.ADV_QR_USE_QR_LOGO = true;
    q.ADV_QR_USE_QR_LOGO_IMG = logo;
    const int rounds = 200;

    // Text: grows to 300 characters, one key at a time.
    q.QR_Text_Clicked(QStringLiteral("Text"));
    QString text;
    for (int i = 0; text.size() < 300; ++i)
        text += QStringLiteral("Tagora label %1, ").arg(i);
    text.truncate(299);
    q.Qr_Text->Text_Field->setPlainText(text);
    q.Qr_Text->Text_Field->moveCursor(QTextCursor::End);
    std::vector<double> textTimes;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        if (r % 2)
            press(q.Qr_Text->Text_Field, Qt::Key_Backspace, QString());
        else
            press(q.Qr_Text->Text_Field, Qt::Key_A, QStringLiteral("a"));
        q.QR_barcodeImage->repaint();
        textTimes.push_back(t.nsecsElapsed() / 1e6);
        if (!q.QR_barcodeImage->hasPicture()) {
            std::fprintf(stderr, "no preview\n");
            return 1;
        }
    }

    // Contact: every field filled, then keys in the last one.
    q.QR_Text_Clicked(QStringLiteral("Contact"));
    Qr_vCard_View_Panel *v = q.Qr_vCard;
    const QList<QLineEdit *> fields = {v->First_Name, v->Last_Name, v->Mobile, v->Phone, v->Company, v->Position,
                                       v->Phone_Work, v->Fax, v->Email, v->Website, v->Email_Work, v->Street,
                                       v->City, v->State, v->Zip, v->Country};
    for (QLineEdit *f : fields)
        f->setText(QStringLiteral("Field %1 of the contact").arg(f->objectName()));
    std::vector<double> contactTimes;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        if (r % 2)
            press(v->Country, Qt::Key_Backspace, QString());
        else
            press(v->Country, Qt::Key_B, QStringLiteral("b"));
        q.QR_barcodeImage->repaint();
        contactTimes.push_back(t.nsecsElapsed() / 1e6);
    }

    const Figures a = summarise(textTimes), b = summarise(contactTimes);
    std::printf("keystroke to framed preview, Text of 300 characters (logo, level H): median %.2f ms, p95 %.2f ms over %d keystrokes\n",
                a.median, a.p95, rounds);
    std::printf("keystroke to framed preview, full Contact (logo, level H): median %.2f ms, p95 %.2f ms over %d keystrokes\n",
                b.median, b.p95, rounds);
    delete c;
    return 0;
}
