#include "barcodemode/BarcodeModeController.h"
#include "core/FileServices.h"
#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "output/Email_Setting.h"
#include "outputjobs/MailScript.h"
#include "outputjobs/Preferences.h"
#include "output/MailGlobals.h"
#include "output/OutputController.h"
#include "output/Send_Mail.h"
#include "output/Send_Modeless.h"
#include "platform/CountField.h"
#include "platform/Files.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include "support/FakeMailScript.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MailWindow : public ::testing::Test {
protected:
    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    testsupport::FakeMailScript script;
    Send_Mail *w = Send_Mail::defaultInstance();

    void SetUp() override { Barcode_Setting_Or_Designing_Mode = 0; }
    int open(const std::function<void()> &user)
    {
        responder->onModal = [&](QDialog &d) {
            if (&d != w)
                return 0;
            d.show();
            user();
            const int code = d.result();
            return d.isVisible() ? 0 : code;
        };
        return env.output().Send_Mail_Open_Wnd();
    }
    void address(const QString &from, const QString &to)
    {
        w->from_txt->setText(from);
        w->to_txt->setPlainText(to);
    }
    QStringList messages()
    {
        QStringList out;
        for (const QString &m : responder->alertMessages())
            out << (m.startsWith('\n') ? m.mid(1) : m);
        return out;
    }
    QStringList recipients() const
    {
        QStringList out;
        for (const QJsonObject &r : script.runs())
            out << testsupport::FakeMailScript::argv(r).value(5);
        return out;
    }
};

TEST_F(MailWindow, OpensWithItsDefaultsAndClosesWithCancel)
{
    const int code = open([&] {
        EXPECT_EQ(w->file_name_txt->text(), QStringLiteral("QIROBarcode"));
        EXPECT_TRUE(w->rd_mail_curr_barcode->isChecked());
        EXPECT_FALSE(w->rd_without_barcode->isChecked());
        EXPECT_TRUE(w->rd_all_to_every->isChecked());
        EXPECT_FALSE(w->send_with_batch_chk->isChecked());
        EXPECT_FALSE(w->export_range_box->isEnabled());
        EXPECT_FALSE(w->delayed_box->isEnabled());
        EXPECT_FALSE(w->attachment->isEnabled());
        EXPECT_EQ(w->mail_count_stepper->value(), 1);
        EXPECT_EQ(w->sec_stepper->value(), 0);
        EXPECT_TRUE(w->to_txt->toPlainText().isEmpty());
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(script.runs().isEmpty());
}

TEST_F(MailWindow, HandlersSwitchTheControls)
{
    // Batch values in use: the Barcode mode's batch box ticked, as the user ticks it.
    env.barcodeMode().data_source_chkbox->click();
    ASSERT_TRUE(Use_Data_Sheet_Values);
    open([&] {
        w->rd_without_barcode->click();
        EXPECT_FALSE(w->rd_mail_curr_barcode->isChecked());
        EXPECT_FALSE(w->send_sett_box->isEnabled());
        EXPECT_TRUE(w->attachment->isEnabled());
        EXPECT_TRUE(w->browse_att->isEnabled());
        w->attachment->setText(QStringLiteral("/x"));
        w->clear_att->click();
        EXPECT_TRUE(w->attachment->text().isEmpty());
        w->rd_mail_curr_barcode->click();
        EXPECT_TRUE(w->send_sett_box->isEnabled());
        EXPECT_FALSE(w->attachment->isEnabled());
        w->delayed_delv_chk->click();
        EXPECT_TRUE(w->delayed_box->isEnabled());
        w->sec_stepper->setValue(7);
        EXPECT_EQ(w->sec_txt->text(), QStringLiteral("7"));
        QTest::keyClicks(w->min_text, QStringLiteral("5"));   // after the 0 shown: 05, once typed
        QTest::keyClick(w->min_text, Qt::Key_Return);
        EXPECT_EQ(w->min_stepper->value(), 5);
        // The record choices wait for the batch box.
        w->Sel_print_rd->click();
        EXPECT_FALSE(w->Sel_print_rd->isChecked());
        ASSERT_TRUE(w->send_with_batch_chk->isEnabled());
        w->send_with_batch_chk->click();
        EXPECT_TRUE(w->export_range_box->isEnabled());
        w->Sel_print_rd->click();
        EXPECT_TRUE(w->from_Text->isEnabled());
        EXPECT_FALSE(w->Total_Stepper->isEnabled());
        EXPECT_FALSE(w->rd_all_to_every->isChecked());
        w->rd_one_per_recp->click();
        EXPECT_FALSE(w->from_Text->isEnabled());
        EXPECT_FALSE(w->Sel_print_rd->isChecked());
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
}

TEST_F(MailWindow, BrowseTakesTheChosenFileAndTheWorkbookChoiceNothing)
{
    responder->openAnswers = {{QStringLiteral("/tmp/offer.pdf")}, {}, {QStringLiteral("/tmp/book.xlsx")}};
    open([&] {
        w->rd_without_barcode->click();
        w->browse_att->click();
        EXPECT_EQ(w->attachment->text(), QStringLiteral("/tmp/offer.pdf"));
        w->browse_att->click();   // cancelled: the file stays
        EXPECT_EQ(w->attachment->text(), QStringLiteral("/tmp/offer.pdf"));
        w->Browse_excel_Button();
        EXPECT_EQ(w->attachment->text(), QStringLiteral("/tmp/offer.pdf"));
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    ASSERT_EQ(responder->openRequests.size(), 3);
    EXPECT_TRUE(responder->openRequests[0].extensions.isEmpty());
    EXPECT_FALSE(responder->openRequests[0].canChooseDirectories);
    EXPECT_EQ(responder->openRequests[2].extensions, (QStringList{"xlsx", "XLSX"}));
    EXPECT_TRUE(script.runs().isEmpty());
}

TEST_F(MailWindow, RecordFieldsAreCutToTheRecordsWhileBatched)
{
    Use_Data_Sheet_Values = true;
    Total_Barcode_Label_wd_Batch = 8;
    Total_Batch_Excel_Card = 8;
    struct Case {
        bool batch;
        const char *field, *typed, *shown;
    };
    const Case cases[] = {
        {true, "To_Text", "12", "8"},   {true, "To_Text", "", "1"},     {true, "from_Text", "0", "1"},
        {true, "from_Text", "20", "8"}, {true, "Total_Text", "9", "8"}, {false, "Total_Text", "20", "20"},
        {false, "To_Text", "12", "8"},
    };
    open([&] {
        for (const Case &c : cases) {
            if (w->send_with_batch_chk->isChecked() != c.batch)
                w->send_with_batch_chk->click();
            if (c.batch) {
                // Ticking the batch sets total and To to the records, steppers bounded by them.
                EXPECT_EQ(w->To_Stepper->maximum(), 8);
            } else {
                EXPECT_EQ(w->Total_Stepper->maximum(), 999999);
            }
            auto *field = w->findChild<QLineEdit *>(QString::fromUtf8(c.field));
            ASSERT_NE(field, nullptr) << c.field;
            field->setText(QString::fromUtf8(c.typed));
            w->recordTextChanged(field);
            EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.field << " " << c.typed << " batch " << c.batch;
            EXPECT_EQ(w->findChild<QSpinBox *>(QString::fromUtf8(c.field).replace("_Text", "_Stepper"))->value(),
                      QString::fromUtf8(c.shown).toInt())
                << c.field;
        }
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_TRUE(script.runs().isEmpty());
}

TEST_F(MailWindow, RefusalsBeforeAnythingIsSent)
{
    struct Case {
        const char *from, *to, *fileName;
        bool withoutAttachment;
        const char *file;
        QString message;
    };
    const Case cases[] = {
        {"", "a@b.cd", "x", false, "", mail_send_err_msg},
        {"", "", "x", false, "", "Please specify the Recipient E-mail address."},
        {"me@x.org", "  ", "x", false, "", "Please specify the Recipient E-mail address."},
        {"me@x.org", "a@b.cd,", "x", false, "", "Recipient E-mail address is invalid or incomplete."},
        {"me@x.org", "a@b.cd,bad", "x", false, "", "Recipient E-mail address is invalid or incomplete."},
        {"me@x.org", "a@b.cd", "/?*<>", false, "", "Please enter valid file name."},
        {"me@x.org", "a@b.cd", "x", true, "/no/such/file.pdf", "Please select valid file path."},
    };
    for (const Case &c : cases) {
        responder->alerts.clear();
        open([&] {
            address(c.from, c.to);
            w->file_name_txt->setText(c.fileName);
            if (c.withoutAttachment) {
                w->rd_without_barcode->click();
                w->attachment->setText(c.file);
            }
            QTest::mouseClick(w->sendButton, Qt::LeftButton);
            QTest::mouseClick(w->closeButton, Qt::LeftButton);
        });
        EXPECT_EQ(messages(), QStringList{c.message}) << c.to;
    }
    EXPECT_TRUE(script.runs().isEmpty());
}

TEST_F(MailWindow, WithoutAttachmentEachRecipientGetsOneMailWithTheChosenFile)
{
    QFile file(script.folder() + "/proof.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("proof");
    file.close();
    open([&] {
        address("Me@X.org", "a@b.cd,\n E@f.gh");
        w->subject_txt->setPlainText(QStringLiteral("Proof\nBcc: x@y.z"));
        w->message_txt->setFocus();   // Return in the message is a new line of it
        QTest::keyClicks(w->message_txt, QStringLiteral("Line 1\rLine 2"));
        w->rd_without_barcode->click();
        w->attachment->setText(file.fileName());
        QTest::mouseClick(w->sendButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(messages(), QStringList{Send_Mail::Sent_Message});
    EXPECT_EQ(recipients(), (QStringList{"a@b.cd", "e@f.gh"}));
    const QStringList argv = testsupport::FakeMailScript::argv(script.runs().value(0));
    EXPECT_EQ(argv.value(1), QStringLiteral("me@x.org"));
    EXPECT_EQ(argv.value(6), QStringLiteral("Proof Bcc: x@y.z"));
    EXPECT_EQ(argv.value(7), QStringLiteral("Line 1\nLine 2"));
    EXPECT_EQ(argv.mid(10), QStringList{file.fileName()});
}

TEST_F(MailWindow, AFailedSendGivesTheBarcodeFailureText)
{
    script.setExitCode(3);
    open([&] {
        address("me@x.org", "a@b.cd");
        w->rd_without_barcode->click();
        QTest::mouseClick(w->sendButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(messages(), QStringList{Send_Mail::Barcode_Failure_Message()});
    EXPECT_TRUE(Send_Mail::Barcode_Failure_Message().startsWith("Could not send email message.\nEither Label"));
}

TEST_F(MailWindow, TheShownBarcodeGoesAsAPdfThatIsDeletedAfterTheRun)
{
    struct Case {
        const char *typed, *attached;
    };
    for (const Case &c : {Case{"my.label", "my_label.pdf"}, Case{"a/b", "a_b.pdf"}, Case{"?*x.y<>", "x_y.pdf"}}) {
        QFile::remove(script.folder() + "/runs.jsonl");
        responder->alerts.clear();
        open([&] {
            address("me@x.org", "a@b.cd,c@d.ef");
            w->file_name_txt->setText(QString::fromUtf8(c.typed));
            QTest::mouseClick(w->sendButton, Qt::LeftButton);
            QTest::mouseClick(w->closeButton, Qt::LeftButton);
        });
        const QList<QJsonObject> runs = script.runs();
        ASSERT_EQ(runs.size(), 2) << messages().join('|').toStdString();
        const QString pdf = testsupport::FakeMailScript::argv(runs[0]).value(10);
        EXPECT_EQ(QFileInfo(pdf).fileName(), QString::fromUtf8(c.attached)) << c.typed;
        EXPECT_TRUE(pdf.startsWith(platform::privateTempFolder()));
        EXPECT_FALSE(QFileInfo::exists(pdf));
        EXPECT_EQ(messages(), QStringList{Send_Mail::Sent_Message});
    }
}

TEST_F(MailWindow, NoInterpreterGivesTheFailureMessageAndDeletesTheAttachment)
{
    // An older system's interpreter, where there is none: the script cannot start.
    if (QFile::exists(QStringLiteral("/usr/bin/python")))
        GTEST_SKIP() << "/usr/bin/python exists here";
    Set_OS_Version_For_Tests(2210.9);
    open([&] {
        address("me@x.org", "a@b.cd");
        QTest::mouseClick(w->sendButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    Set_OS_Version_For_Tests(0);
    EXPECT_TRUE(script.runs().isEmpty());
    EXPECT_EQ(messages(), QStringList{Send_Mail::Barcode_Failure_Message()});
    EXPECT_EQ(QDir(platform::privateTempFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList());
}

TEST_F(MailWindow, SettingsOpensTheMailSettingsAndTakesTheSavedSender)
{
    QStringList modals;
    responder->onModal = [&](QDialog &d) {
        modals << d.objectName();
        if (&d == Email_Setting::defaultInstance()) {
            Email_Setting *s = Email_Setting::defaultInstance();
            s->_send_mail_sender_mail->setText(QStringLiteral("new@x.org"));
            s->_send_mail_password->setText(QStringLiteral("pw"));
            s->_send_mail_smtp->setText(QStringLiteral("h"));
            s->_send_mail_port->setText(QStringLiteral("25"));
            QTest::mouseClick(s->saveButton, Qt::LeftButton);
            return s->result();
        }
        d.show();
        QTest::mouseClick(w->settingButton, Qt::LeftButton);
        EXPECT_EQ(w->from_txt->text(), QStringLiteral("new@x.org"));
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
        return 0;
    };
    env.output().Send_Mail_Open_Wnd();
    EXPECT_EQ(modals, (QStringList{"send_mail_wnd", "email_setting_wnd"}));
    EXPECT_EQ(sender_email, QStringLiteral("new@x.org"));
    EXPECT_EQ(Preferences::sharedInstance()->send_email_SenderEmail(), QStringLiteral("new@x.org"));
}

TEST_F(MailWindow, ARangeWithFromAboveToIsRefused)
{
    Use_Data_Sheet_Values = true;
    Total_Barcode_Label_wd_Batch = 5;
    Total_Batch_Excel_Card = 5;
    open([&] {
        address("me@x.org", "a@b.cd");
        w->send_with_batch_chk->setEnabled(true);
        w->send_with_batch_chk->click();
        w->Sel_print_rd->click();
        w->from_Text->setText(QStringLiteral("4"));
        w->To_Text->setText(QStringLiteral("2"));
        QTest::mouseClick(w->sendButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(messages(), QStringList{"Please select valid range."});
    EXPECT_TRUE(script.runs().isEmpty());
}

} // namespace
