// Barcode mails through the mail window: 200 Code 128 value-list records, all to one recipient,
// each its own PDF, sent by the mail script over STARTTLS with AUTH to the tests' local SMTP server
// (127.0.0.1, throwaway CA). Reports mails a second and the resident memory at mail 20 and at mail
// 200; every 50th message received is decoded. Targets: at least 5 mails a second; memory at mail
// 200 within 10 MB of mail 20. Needs /usr/bin/python3 with aiosmtpd, pdftoppm.

#include "BenchWindow.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/UserFolders.h"
#include "design/DesignCommands.h"
#include "design/DesignParts.h"
#include "output/MailGlobals.h"
#include "output/Send_Mail.h"
#include "output/Send_Modeless.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"

#include "output/test_mail_server.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr int kMails = 200;

QString value(int i) { return QStringLiteral("MAIL-%1").arg(i + 1, 4, 10, QLatin1Char('0')); }

QString decodePdf(const QString &pdf)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("p"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                                         QStringLiteral("-singlefile"), pdf, prefix});
    p.waitForFinished(60000);
    const testsupport::Decoded d = testsupport::decode(QImage(prefix + QStringLiteral(".pgm")), QStringLiteral("Code128"));
    return d.ok ? d.text : QString();
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    if (const QString why = testsupport::SmtpTestServer::missing(); !why.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    testsupport::SmtpTestServer server;
    if (!server.ok()) {
        std::fprintf(stderr, "the SMTP server did not start\n");
        return 1;
    }
    Resource_Path = server.resources();

    bw.shown(1400, 950);
    // The mail settings as the settings window leaves them (the window read the empty store as it opened).
    sender_email = server.user;
    sender_pwd = server.password;
    sending_server = QStringLiteral("127.0.0.1");
    sending_port = server.port(false);
    send_enable_ssl = QStringLiteral("N");
    BarcodeModeController &bm = bw.barcodeMode();
    const int index = bm.barcodeTypePopup->findText(QStringLiteral("Code 128"));
    bm.barcodeTypePopup->setCurrentIndex(index);
    emit bm.barcodeTypePopup->activated(index);
    bm.data_source_chkbox->click();   // batch processing from the value list
    bm.ListData_barcode.clear();
    for (int i = 0; i < kMails; ++i)
        bm.Create_Item_List(value(i), QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("1"),
                            int(bm.ListData_barcode.size()));
    bm.Reload_List();
    bm.Update_List_Count();

    // The resident memory as the run begins mail 20 and after mail 200, read off the run's counter.
    std::atomic<bool> done{false};
    std::atomic<long> rssAt20{0}, rssAt200{0};
    std::thread watcher([&] {
        while (!done) {
            if (rssAt20 == 0 && curr_card_count.load() >= 21)
                rssAt20 = bench::residentKb();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });

    testsupport::ResponderScope responder;
    Send_Mail *w = Send_Mail::defaultInstance();
    double seconds = 0;
    responder->onModal = [&](QDialog &d) {
        if (&d != w)
            return 0;
        d.show();
        w->to_txt->setPlainText(QStringLiteral("bench@example.org"));
        w->send_with_batch_chk->click();
        w->rd_all_to_every->click();
        QElapsedTimer t;
        t.start();
        w->sendButton->click();
        seconds = t.nsecsElapsed() / 1e9;
        rssAt200 = bench::residentKb();
        w->closeButton->click();
        return 0;
    };
    commandsOf(bw.design()).Mail_Button(nullptr);   // Mail in the toolbar
    done = true;
    watcher.join();

    const QList<testsupport::SmtpTestServer::Mail> mails = server.mails();
    int decoded = 0, checked = 0;
    for (int i = 0; i < mails.size(); i += 50) {
        ++checked;
        if (decodePdf(mails[i].attachmentPath(QStringLiteral("QIROBarcode.pdf"))) == value(i))
            ++decoded;
    }
    const QStringList alerts = responder->alertMessages();
    const bool sent = alerts.size() == 1 && alerts[0].trimmed() == Send_Mail::Sent_Message;
    if (!sent)
        for (const QString &a : alerts)
            std::fprintf(stderr, "message: %s\n", qPrintable(a));
    std::printf("%d Code 128 mails over STARTTLS to a local server through the mail window: %.2f s, %.2f mails/s\n",
                int(mails.size()), seconds, seconds > 0 ? mails.size() / seconds : 0.0);
    std::printf("resident memory: %.1f MB at mail 20, %.1f MB at mail 200 (%+.1f MB)\n", rssAt20 / 1024.0,
                rssAt200 / 1024.0, (rssAt200 - rssAt20) / 1024.0);
    std::printf("every 50th message decoded to its record: %d of %d; window says sent: %s\n", decoded, checked,
                sent ? "yes" : "NO");
    std::printf("targets: at least 5 mails/s; memory within 10 MB\n");
    return mails.size() == kMails && decoded == checked && sent ? 0 : 1;
}
