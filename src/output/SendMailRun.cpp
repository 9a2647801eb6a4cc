// The mail window's Send: the record count and range settled, the run's settings checked on the
// GUI thread, then the run on the job runner behind the progress sheet.

#include "output/Send_Mail.h"

#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTRenderingView.h"
#include "output/JobRunner.h"
#include "output/MailGlobals.h"
#include "outputjobs/MailScript.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/Send_Modeless.h"
#include "platform/CountField.h"
#include "platform/Files.h"
#include "platform/GuiThread.h"
#include "platform/UserFiles.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <exception>

void Send_Mail::sendRun()
{
    if (!m_output)
        return;
    const int mode = Barcode_Setting_Or_Designing_Mode;
    const bool cards = mode == 1;
    const bool batchBox = send_with_batch_chk->isChecked();
    if (!cards) {
        Total_Batch_Excel_Card = Total_Barcode_Label_wd_Batch;
        if (!batchBox)
            Use_Data_Sheet_Values = false;
    } else {
        DesignOutput &records = *m_output->sources().design;
        records.Check_Series_Or_Excel_Use_or_not();
        if ((Use_Data_Sheet_Values || Use_Excel_Binding_Values) && !batchBox) {
            Use_Data_Sheet_Values = false;
            Use_Excel_Binding_Values = false;
        }
        records.Get_total_Card_count();
    }
    const bool attach = rd_mail_curr_barcode->isChecked();
    if (Sel_print_rd->isChecked() && batchBox && attach) {
        const int from = from_Text->text().toInt();
        const int to = To_Text->text().toInt();
        if (from > to) {
            Show_MessageBox(QStringLiteral("Please select valid range."));
            return;
        }
        Print_Start = from - 1;
        Print_End = to;
        Total_Label = to;
    } else {
        Print_Start = 0;
        Total_Label = Total_Batch_Excel_Card;
    }

    Stop_Processing_Now = false;
    // A missing recipient is asked for before the settings are blamed.
    const QString toText = Trim_Str(to_txt->toPlainText());
    if (toText.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please specify the Recipient E-mail address."));
        return;
    }
    const QString sender = Trim_Str(from_txt->text().toLower());
    if (sender.isEmpty()) {
        Show_MessageBox(mail_send_err_msg);
        return;
    }
    MailRun::Settings s;
    s.recipients = MailRun::parseRecipients(toText);
    if (s.recipients.isEmpty()) {
        Show_MessageBox(QStringLiteral("Recipient E-mail address is invalid or incomplete."));
        return;
    }
    // Line breaks in the subject would start new header lines.
    QString subject = subject_txt->toPlainText();
    subject.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString body = message_txt->toPlainText();
    QString name = QStringLiteral("QIROBarcode");
    if (attach) {
        name = Trim_Str(Remove_Reserve_Char_In_File_Name(file_name_txt->text()));
        if (name.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter valid file name."));
            return;
        }
    }
    s.attachmentPath = platform::privateTempPath(name + QStringLiteral(".pdf"));
    if (!attach) {
        s.userFile = Trim_Str(attachment->text());
        // A chosen file that is missing is never dropped silently.
        if (!s.userFile.isEmpty() && !platform::isRegularFile(s.userFile)) {
            Show_MessageBox(QStringLiteral("Please select valid file path."));
            return;
        }
    }
    s.delay = delayed_delv_chk->isChecked();
    if (s.delay) {
        s.mailCount = mail_count_stepper->value();
        s.pauseMs = hour_stepper->value() * 3600000 + min_stepper->value() * 60000 + sec_stepper->value() * 1000;
    }
    const bool batch = attach && batchBox;
    s.cards = cards;
    s.records = batch ? (cards ? Total_Batch_Excel_Card : Total_Barcode_Label_wd_Batch) : 0;
    s.printStart = Print_Start;
    s.printEnd = Print_End;
    if (!attach)
        s.choice = MailRun::Choice::NoAttachment;
    else if (!batch)
        s.choice = MailRun::Choice::AttachNoBatch;
    else if (Sel_print_rd->isChecked())
        s.choice = MailRun::Choice::Range;
    else if (rd_one_per_recp->isChecked())
        s.choice = MailRun::Choice::OneByOne;
    else
        s.choice = MailRun::Choice::AllToEvery;

    const QString pwd = sender_pwd;
    const QString server = sending_server;
    const QString port = sending_port;
    const QString ssl = send_enable_ssl;
    OutputController &output = *m_output;
    const OutputSources &sources = output.sources();
    const bool barcodeBatch = batch && !cards;
    if (barcodeBatch)
        sources.barcode->Take_Batch_Snapshot();

    MailRun::Hooks hooks;
    hooks.current = [&sources, cards, mode] {
        platform::Picture picture;
        platform::runOnGuiThreadAndWait([&] {
            if (cards)
                picture = SKTRenderingView::image_From_Card_Graphics(sources.design->Get_Front_Controls_Array(), false);
            else
                picture = mode == 2 ? sources.advQr->Shown_Picture() : sources.barcode->Shown_Picture();
        });
        return picture;
    };
    hooks.record = [&sources, cards](int i) {
        if (cards)
            return sources.design->Set_data_table_value_to_card(i, QStringLiteral("F"), false);
        return sources.barcode->Get_Image_From_List_Val(i);
    };
    // Cards go out at print resolution; symbols as shown.
    hooks.save = [cards](const platform::Picture &p, const QString &path) {
        if (p.isNull())
            return false;
        return Save_gen_image(cards ? Increase_DPI(p, 300) : p, path);
    };
    hooks.send = [=](const QString &to, const QStringList &attachments) {
        return MailScript::sendEmail_pyth(to, subject, attachments, sender, pwd, server, port, body, ssl,
                                          write_phy_log);
    };
    hooks.log = [](const QString &line) { Show_NSLog_Message(line); };

    MailRun run(s, hooks, Stop_Processing_Now);
    list_count = run.loopEnd();
    show_count = run.shownTotal();
    MailRun::Outcome outcome;
    JobRunner runner(output);
    curr_card_count = 0;
    // The countdown: the GUI thread reads the pause's end while the worker waits, and wakes the
    // wait when Stop has been pressed.
    QTimer countdown;
    countdown.setInterval(100);
    QObject::connect(&countdown, &QTimer::timeout, this, [this, &run] {
        if (Stop_Processing_Now)
            run.wake();
        const int ms = run.pauseRemainingMs();
        Calculate_Pause_Time(ms <= 0 ? -1 : (ms + 999) / 1000 * 1000);
    });
    countdown.start();
    QString failure;   // the reason of an exception that ended the run
    runner.run(show_count, list_count, [&] {
        curr_card_count = 0;
        try {
            outcome = run.run(curr_card_count);
        } catch (const std::exception &e) {
            failure = QString::fromUtf8(e.what());
        }
    }, JobRunner::Figure::Count);
    countdown.stop();
    Calculate_Pause_Time(-1);
    if (barcodeBatch)
        sources.barcode->Release_Batch_Snapshot();
    if (Use_Data_Sheet_Values || Use_Excel_Binding_Values) {
        if (mode == 0)
            sources.barcode->Select_First_Value_For_Barcode_Setting_Mode();
        else if (mode == 1)
            sources.host->Create_Card_Design_Again();
    } else if (cards && batch) {
        sources.host->Create_Card_Design_Again();
    }
    // The sheet is down: an exception's reason is the closing message.
    if (!failure.isEmpty())
        Show_MessageBox(failure);
    else if (outcome.stopped)
        Show_MessageBox(QStringLiteral("The sending was stopped. %1 of %2 e-mail(s) were sent.")
                            .arg(outcome.sent)
                            .arg(run.plannedMails()));
    else if (outcome.allSent())
        Show_MessageBox(Sent_Message);
    else
        Show_MessageBox(cards ? Card_Failure_Message() : Barcode_Failure_Message());
}
