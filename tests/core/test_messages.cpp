#include "core/GlobalsReset.h"
#include "core/Long_SMS_Dlg.h"
#include "core/Messages.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <atomic>
#include <functional>
#include <thread>

namespace {

QStringList capturedLog;
void captureLog(QtMsgType, const QMessageLogContext &, const QString &msg) { capturedLog << msg; }

// Runs fn on a worker thread while the GUI thread keeps serving events; answers fn's result.
template <typename Fn>
auto onWorker(Fn fn)
{
    std::atomic<bool> done{false};
    decltype(fn()) result{};
    std::thread worker([&] {
        result = fn();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    return result;
}

} // namespace

TEST(Messages, NothingIsShownBeforeTheController)
{
    testsupport::ResponderScope responder;
    resetGlobalsForTests();
    Show_MessageBox(QStringLiteral("early"));
    yes_no_msg_val = true;
    EXPECT_EQ(Show_YES_NO_MessageBox(QStringLiteral("early?")), 1);   // the previous answer
    EXPECT_TRUE(responder->alerts.isEmpty());
}

TEST(Messages, InformationBoxHasAnEmptyFirstLineAndOk)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;
    Show_MessageBox(QStringLiteral("Done"));
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(responder->alerts.at(0).message, QStringLiteral("\nDone"));
    EXPECT_EQ(responder->alerts.at(0).buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(responder->alerts.at(0).informative.isEmpty());
}

TEST(Messages, WorkerQuestionWaitsForTheAnswer)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;
    responder->alertAnswers = {QStringLiteral("Yes"), QStringLiteral("No")};
    EXPECT_EQ(onWorker([] { return Show_YES_NO_MessageBox(QStringLiteral("Replace?")); }), 1);
    EXPECT_EQ(onWorker([] { return Show_YES_NO_MessageBox(QStringLiteral("Replace again?")); }), 0);
    ASSERT_EQ(responder->alerts.size(), 2);
    EXPECT_EQ(responder->alerts.at(0).message, QStringLiteral("Replace?"));   // no leading line break
    EXPECT_EQ(responder->alerts.at(0).buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    // Information from a worker is shown too, and the worker goes on only afterwards.
    EXPECT_EQ(onWorker([] { Show_MessageBox(QStringLiteral("From worker")); return 7; }), 7);
    EXPECT_EQ(responder->alerts.size(), 3);
}

TEST(Messages, QuestionOnTheGuiThreadDoesNotDeadlock)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;
    responder->alertAnswers = {QStringLiteral("Yes")};
    EXPECT_EQ(Show_YES_NO_MessageBox(QStringLiteral("Sure?")), 1);
    responder->alertAnswers = {QStringLiteral("No")};
    EXPECT_EQ(Show_YES_NO_MessageBox(QStringLiteral("Sure?")), 0);
}

TEST(Messages, YesNoCancelAnswers)
{
    testsupport::ResponderScope responder;
    responder->alertAnswers = {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")};
    EXPECT_EQ(Show_YES_NO_Cancel_MessageBox(QStringLiteral("Save?")), 1000);
    EXPECT_EQ(Show_YES_NO_Cancel_MessageBox(QStringLiteral("Save?")), 1001);
    EXPECT_EQ(Show_YES_NO_Cancel_MessageBox(QStringLiteral("Save?")), 1002);
    ASSERT_EQ(responder->alerts.size(), 3);
    EXPECT_EQ(responder->alerts.at(0).buttons,
              (QStringList{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")}));
    EXPECT_EQ(responder->alerts.at(0).style, platform::AlertStyle::Warning);
}

TEST(Messages, LogSkipsEmptyText)
{
    capturedLog.clear();
    QtMessageHandler old = qInstallMessageHandler(captureLog);
    Show_NSLog_Message(QString());
    Show_NSLog_Message(QStringLiteral(""));
    Show_NSLog_Message(QStringLiteral("reason: disk full"));
    qInstallMessageHandler(old);
    EXPECT_EQ(capturedLog, QStringList{QStringLiteral("reason: disk full")});
}

TEST(LongSmsDlg, HelpTextShowsOnlyOk)
{
    testsupport::ResponderScope responder;
    Long_SMS_Dlg *dlg = Long_SMS_Dlg::defaultInstance();
    // Whatever the dialog showed before...
    dlg->title_val = QStringLiteral("Question");
    dlg->show_single_button = false;
    dlg->apply_chk_show = true;
    responder->onModal = [dlg](QDialog &) { dlg->yes_button->click(); return dlg->modl_response; };
    dlg->Open_Long_sms_Dialog();
    // ...a help button shows its own title and text with one "OK" and no check box.
    Cutom_Msg_Title = QStringLiteral("Help title");
    Cutom_Msg_Val = QStringLiteral("Help text");
    dlg->title_val = QString();
    dlg->apply_chk_show = false;
    bool seen = false;
    responder->onModal = [&](QDialog &) {
        seen = true;
        EXPECT_EQ(dlg->_Msg_Title->text(), QStringLiteral("Help title"));
        EXPECT_EQ(dlg->_Msg_Val->toPlainText(), QStringLiteral("Help text"));
        EXPECT_TRUE(dlg->no_button->isHidden());
        EXPECT_EQ(dlg->yes_button->text(), QStringLiteral("OK"));
        EXPECT_TRUE(dlg->apply_chk->isHidden());
        dlg->yes_button->click();
        return dlg->modl_response;
    };
    EXPECT_EQ(dlg->Open_Long_sms_Dialog(), 1);
    EXPECT_TRUE(seen);
}

TEST(LongSmsDlg, ApplyToAllIsCopiedOnBothAnswers)
{
    testsupport::ResponderScope responder;
    Long_SMS_Dlg *dlg = Long_SMS_Dlg::defaultInstance();
    dlg->title_val = QStringLiteral("Replace?");
    dlg->msg_val_str = QStringLiteral("The file exists.");
    dlg->show_single_button = false;
    dlg->apply_chk_show = true;
    Msg_Apply_All_Chk = false;

    responder->onModal = [dlg](QDialog &) {
        EXPECT_FALSE(dlg->no_button->isHidden());
        EXPECT_EQ(dlg->yes_button->text(), QStringLiteral("Yes"));
        EXPECT_FALSE(dlg->apply_chk->isHidden());
        dlg->apply_chk->setChecked(true);
        dlg->no_button->click();
        return dlg->modl_response;
    };
    EXPECT_EQ(dlg->Open_Long_sms_Dialog(), 0);
    EXPECT_TRUE(Msg_Apply_All_Chk);

    responder->onModal = [dlg](QDialog &) {
        EXPECT_TRUE(dlg->apply_chk->isChecked());   // opens with the global's state
        dlg->apply_chk->setChecked(false);
        dlg->yes_button->click();
        return dlg->modl_response;
    };
    EXPECT_EQ(dlg->Open_Long_sms_Dialog(), 1);
    EXPECT_FALSE(Msg_Apply_All_Chk);

    // With a single button the other global is the one used.
    dlg->show_single_button = true;
    Msg_Apply_All_Chk_for_in_use = false;
    responder->onModal = [dlg](QDialog &) {
        EXPECT_TRUE(dlg->no_button->isHidden());
        EXPECT_EQ(dlg->yes_button->text(), QStringLiteral("OK"));
        dlg->apply_chk->setChecked(true);
        dlg->yes_button->click();
        return dlg->modl_response;
    };
    dlg->Open_Long_sms_Dialog();
    EXPECT_TRUE(Msg_Apply_All_Chk_for_in_use);
    EXPECT_FALSE(Msg_Apply_All_Chk);
    dlg->show_single_button = false;
}

TEST(LongSmsDlg, ApplyToAllIsCopiedWhenClosedWithoutTheButtons)
{
    testsupport::ResponderScope responder;
    Long_SMS_Dlg *dlg = Long_SMS_Dlg::defaultInstance();
    dlg->title_val = QStringLiteral("Replace?");
    dlg->msg_val_str = QStringLiteral("The file exists.");
    dlg->apply_chk_show = true;
    // Esc and the title bar's close button, for each of the two globals, with the box ticked and
    // then cleared: the global follows the box every time, and the answer is "No".
    const std::function<void(QDialog &)> closers[] = {
        [](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog &d) { d.close(); },
    };
    for (const bool single : {false, true}) {
        dlg->show_single_button = single;
        bool &global = single ? Msg_Apply_All_Chk_for_in_use : Msg_Apply_All_Chk;
        for (const auto &closeIt : closers) {
            for (const bool ticked : {true, false}) {
                global = !ticked;
                dlg->modl_response = 1;
                responder->onModal = [&](QDialog &d) {
                    d.show();
                    dlg->apply_chk->setChecked(ticked);
                    closeIt(d);
                    EXPECT_FALSE(d.isVisible());
                    return d.result();
                };
                EXPECT_EQ(dlg->Open_Long_sms_Dialog(), 0);
                EXPECT_EQ(global, ticked) << single << ticked;
                EXPECT_EQ(dlg->modl_response, 0);
            }
        }
    }
    dlg->show_single_button = false;
    Msg_Apply_All_Chk = Msg_Apply_All_Chk_for_in_use = false;
}
