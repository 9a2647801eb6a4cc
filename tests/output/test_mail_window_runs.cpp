// The mail window's batch runs through the real renderers: who gets which record (each PDF decoded
// with zxing-cpp), a failure part-way, the countdown of a pause and Stop during it, and a card
// design bound to records mailed through a local SMTP server.

#include "barcodemode/batch_fixture.h"

#include "app/SKTWindowController.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "PrintDialogFixture.h"

#include "design/DesignCommands.h"
#include "design/DesignWorkArea.h"
#include "design/RecordBinding.h"
#include "model/SKTDocument.h"
#include "model/SKTRenderingView.h"
#include "output/MailGlobals.h"
#include "outputjobs/MailRun.h"
#include "outputjobs/MailScript.h"
#include "output/OutputController.h"
#include "output/Send_Mail.h"
#include "output/Send_Modeless.h"
#include "platform/CountField.h"
#include "platform/Files.h"
#include "support/CardBatch.h"
#include "support/Decode.h"

#include "support/FakeMailScript.h"
#include "test_mail_server.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/UserFolders.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

using batch_test::Rec;

// The Code 128 of a one-page PDF rendered at 300 DPI.
QString codeOf(const QString &pdf)
{
    const testsupport::Decoded d = testsupport::decode(printtest::page(pdf, 1, 300), QStringLiteral("Code128"));
    return d.ok ? d.text : QString();
}

QStringList pdfsLeft()
{
    return QDir(platform::privateTempFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

class MailBarcodeRuns : public batch_test::BatchWindow {
protected:
    void SetUp() override
    {
        BatchWindow::SetUp();
        if (IsSkipped())
            return;
        if (!printtest::haveTools())
            GTEST_SKIP() << "pdfinfo and pdftoppm are needed";
        sender_email = QStringLiteral("me@x.org");
        choose(QStringLiteral("Code 128"));
        tickBatch();
    }
    void TearDown() override
    {
        Stop_Processing_Now = false;
        MailRun::secondMs() = 1000;
    }
    void records(int n)
    {
        QList<Rec> list;
        for (int i = 1; i <= n; ++i)
            list.append({QStringLiteral("REC-%1").arg(i), QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("1")});
        setList(list);
    }
    static QString recipients(int n)
    {
        QStringList to;
        for (int i = 1; i <= n; ++i)
            to << QStringLiteral("r%1@x.org").arg(i);
        return to.join(QLatin1Char(','));
    }
    // Mail in the toolbar, the batch ticked, then the user's choices and Send.
    void sendWith(const QString &to, const std::function<void(Send_Mail &)> &choices, bool batch = true)
    {
        Send_Mail *w = Send_Mail::defaultInstance();
        responder->onModal = [&](QDialog &d) {
            if (&d != w)
                return 0;
            d.show();
            w->to_txt->setPlainText(to);
            if (batch && !w->send_with_batch_chk->isChecked())
                w->send_with_batch_chk->click();
            choices(*w);
            QTest::mouseClick(w->sendButton, Qt::LeftButton);
            QTest::mouseClick(w->closeButton, Qt::LeftButton);
            return 0;
        };
        commandsOf(c->design()).Mail_Button(nullptr);   // Mail in the toolbar
    }
    // Recipient and decoded record of each mail sent.
    QStringList sent() const
    {
        QStringList out;
        for (const QJsonObject &run : script.runs())
            out << testsupport::FakeMailScript::argv(run).value(5) + QStringLiteral(" ")
                       + codeOf(testsupport::FakeMailScript::copies(run).value(0));
        return out;
    }
    QStringList messages()
    {
        QStringList out;
        for (const QString &m : responder->alertMessages())
            out << (m.startsWith('\n') ? m.mid(1) : m);
        return out;
    }

    testsupport::FakeMailScript script;
};

TEST_F(MailBarcodeRuns, EachChoiceMailsItsRecordsToItsRecipients)
{
    enum Choice { OneByOne, AllToEvery, Range };
    struct Case {
        Choice choice;
        int records, recipients;
        QStringList expected;
        const char *total;
    };
    const Case cases[] = {
        {OneByOne, 5, 3, {"r1@x.org REC-1", "r2@x.org REC-2", "r3@x.org REC-3"}, "3"},
        {OneByOne, 3, 5, {"r1@x.org REC-1", "r2@x.org REC-2", "r3@x.org REC-3"}, "5"},
        {AllToEvery, 4, 3,
         {"r1@x.org REC-1", "r2@x.org REC-1", "r3@x.org REC-1", "r1@x.org REC-2", "r2@x.org REC-2", "r3@x.org REC-2",
          "r1@x.org REC-3", "r2@x.org REC-3", "r3@x.org REC-3", "r1@x.org REC-4", "r2@x.org REC-4", "r3@x.org REC-4"},
         "4"},
        {Range, 6, 2,
         {"r1@x.org REC-3", "r2@x.org REC-3", "r1@x.org REC-4", "r2@x.org REC-4", "r1@x.org REC-5", "r2@x.org REC-5"},
         "3"},
    };
    for (const Case &c : cases) {
        QFile::remove(script.folder() + "/runs.jsonl");
        responder->alerts.clear();
        records(c.records);
        sendWith(recipients(c.recipients), [&](Send_Mail &w) {
            if (c.choice == OneByOne)
                w.rd_one_per_recp->click();
            if (c.choice == Range) {
                w.Sel_print_rd->click();
                w.from_Text->setText(QStringLiteral("3"));
                w.To_Text->setText(QStringLiteral("5"));
            }
        });
        EXPECT_EQ(sent().join('|').toStdString(), c.expected.join('|').toStdString())
            << int(c.choice) << " " << c.records << "x" << c.recipients;
        EXPECT_EQ(messages(), QStringList{Send_Mail::Sent_Message}) << messages().join('|').toStdString();
        EXPECT_EQ(Send_Modeless::defaultInstance()->_tot_msg_cnt->text(), QString::fromUtf8(c.total));
        EXPECT_EQ(pdfsLeft(), QStringList());
    }
}

TEST_F(MailBarcodeRuns, TheShownSymbolGoesToEachRecipientAsAPageOfItsSize)
{
    records(3);
    const platform::Picture shown = bm->barcodeImage->picture();
    const QString value = testsupport::decode(shown.toImage(300), QStringLiteral("Code128")).text;
    ASSERT_FALSE(value.isEmpty());
    sendWith(recipients(2), [](Send_Mail &) {}, false);
    ASSERT_EQ(script.runs().size(), 2);
    for (const QJsonObject &run : script.runs()) {
        const QString pdf = testsupport::FakeMailScript::copies(run).value(0);
        EXPECT_TRUE(pdf.endsWith(QStringLiteral("QIROBarcode.pdf")));
        const printtest::PdfInfo info = printtest::pdfInfo(pdf);
        EXPECT_EQ(info.pages, 1);
        EXPECT_NEAR(info.pageSize.width(), shown.size().width(), 0.6);
        EXPECT_NEAR(info.pageSize.height(), shown.size().height(), 0.6);
        EXPECT_EQ(codeOf(pdf), value);
    }
    EXPECT_EQ(pdfsLeft(), QStringList());
}

TEST_F(MailBarcodeRuns, AFailurePartWayGivesTheFailureMessageAndLeavesNoPdf)
{
    // Each record's mailing ends at its failed first recipient, the later ones still go; a failed
    // first send fails the run however the last went.
    const std::pair<const char *, QStringList> cases[] = {
        {"r1@x.org", {"r1@x.org REC-1", "r1@x.org REC-2", "r1@x.org REC-3"}},
        {"#0", {"r1@x.org REC-1", "r1@x.org REC-2", "r2@x.org REC-2", "r1@x.org REC-3", "r2@x.org REC-3"}},
    };
    for (const auto &[failFor, expected] : cases) {
        QFile::remove(script.folder() + "/runs.jsonl");
        responder->alerts.clear();
        records(3);
        script.setFailFor({QString::fromLatin1(failFor)});
        sendWith(recipients(2), [](Send_Mail &) {});
        EXPECT_EQ(sent(), expected) << failFor;
        EXPECT_EQ(messages(), QStringList{Send_Mail::Barcode_Failure_Message()}) << failFor;
        EXPECT_EQ(pdfsLeft(), QStringList());
    }
}

TEST_F(MailBarcodeRuns, ThePauseCountsDownOnTheSheetAndStopEndsIt)
{
    records(3);
    QStringList shown;
    QTimer watch;
    watch.setInterval(20);
    QLabel *label = Send_Modeless::defaultInstance()->pause_label;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!label->text().isEmpty() && (shown.isEmpty() || shown.last() != label->text()))
            shown << label->text();
        // A second of the countdown seen go by: the user presses Stop (and answers Yes).
        if (shown.size() == 2 && !Stop_Processing_Now)
            Send_Modeless::defaultInstance()->_stop_btn->click();
    });
    QElapsedTimer t;
    sendWith(QStringLiteral("a@b.cd"), [&](Send_Mail &w) {
        w.delayed_delv_chk->click();
        w.min_stepper->setValue(1);
        w.mail_count_stepper->setValue(1);
        watch.start();
        t.start();
    });
    watch.stop();
    EXPECT_LT(t.elapsed(), 20000) << "Stop ends the minute's pause";
    EXPECT_EQ(shown, (QStringList{"Pausing the process for 1 Minute 0 Second.", "Pausing the process for 59 Seconds."}));
    EXPECT_EQ(script.runs().size(), 1);
    EXPECT_EQ(messages().join('|').toStdString(), "Are you sure you want to stop?|The sending was stopped. 1 of 3 e-mail(s) were sent.");
    EXPECT_TRUE(label->text().isEmpty());
    EXPECT_EQ(pdfsLeft(), QStringList());
}

// A card with a text and a Code 128 bound to a four-record series, mailed through the local server.
class MailCardRuns : public ::testing::Test {
protected:
    static constexpr double PtPerMM = 72.0 / 25.4;
    void SetUp() override
    {
        if (const QString why = testsupport::SmtpTestServer::missing(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        if (!printtest::haveTools())
            GTEST_SKIP() << "pdfinfo and pdftoppm are needed";
        server = std::make_unique<testsupport::SmtpTestServer>();
        ASSERT_TRUE(server->ok());
        oldResources = Resource_Path;
        Resource_Path = server->resources();
        sender_email = server->user;
        sender_pwd = server->password;
        sending_server = QStringLiteral("127.0.0.1");
        sending_port = server->port(false);
        send_enable_ssl = QStringLiteral("N");
        c = env.controller();
        testsupport::bindCardBatch(*c, {"CARD-1", "CARD-2", "CARD-3", "CARD-4"});
        ASSERT_EQ(Total_Batch_Excel_Card, 4);
    }
    void TearDown() override
    {
        if (!oldResources.isNull())
            Resource_Path = oldResources;
    }
    QImage card() const
    {
        return SKTRenderingView::image_From_Card_Graphics(selectionOf(c->design()).Get_Front_Controls_Array(), false).toImage(150);
    }

    testsupport::ResponderScope responder;
    std::unique_ptr<testsupport::SmtpTestServer> server;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    QString oldResources;
};

TEST_F(MailCardRuns, FourRecordsToTwoRecipientsAreEightCardSizedPdfsOfTheirRecords)
{
    const QImage before = card();
    Send_Mail *w = Send_Mail::defaultInstance();
    responder->onModal = [&](QDialog &d) {
        if (&d != w)
            return 0;
        d.show();
        w->to_txt->setPlainText(QStringLiteral("one@example.org, two@example.org"));
        w->subject_txt->setPlainText(QStringLiteral("Cards"));
        w->send_with_batch_chk->click();
        EXPECT_TRUE(w->rd_all_to_every->isChecked());
        QTest::mouseClick(w->sendButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
        return 0;
    };
    commandsOf(c->design()).Mail_Button(nullptr);   // Mail in the toolbar
    EXPECT_EQ(responder->alertMessages().join('|').trimmed(), Send_Mail::Sent_Message);
    const QList<testsupport::SmtpTestServer::Mail> mails = server->mails();
    ASSERT_EQ(mails.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const auto &mail = mails[i];
        EXPECT_EQ(mail.rcptTos(), QStringList{i % 2 ? QStringLiteral("two@example.org") : QStringLiteral("one@example.org")})
            << i;
        ASSERT_EQ(mail.attachmentNames(), QStringList{"QIROBarcode.pdf"}) << i;
        const QString pdf = mail.attachmentPath(QStringLiteral("QIROBarcode.pdf"));
        const printtest::PdfInfo info = printtest::pdfInfo(pdf);
        EXPECT_EQ(info.pages, 1);
        // Whole points, as the PDF writer rounds its page box.
        EXPECT_NEAR(info.pageSize.width(), 60 * PtPerMM, 0.6);
        EXPECT_NEAR(info.pageSize.height(), 40 * PtPerMM, 0.6);
        EXPECT_EQ(codeOf(pdf), QStringLiteral("CARD-%1").arg(i / 2 + 1)) << i;
    }
    EXPECT_EQ(pdfsLeft(), QStringList());
    EXPECT_EQ(c->document()->graphics().size(), 2);
    EXPECT_EQ(card(), before) << "the design shows what it showed before the run";
}

} // namespace
