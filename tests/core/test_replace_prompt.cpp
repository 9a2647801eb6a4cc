// The keep-or-replace prompt: its three buttons with and without the apply-to-all box, the box
// preset from the last answer, closing it without an answer, and a worker thread that waits.

#include "core/Messages.h"
#include "core/Replcae_Confirm_Box.h"
#include "support/DataFolderEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

class ReplacePrompt : public ::testing::Test {
protected:
    testsupport::DataFolderEnvironment env;
    testsupport::ResponderScope responder;
    Replcae_Confirm_Box &box = *Replcae_Confirm_Box::defaultInstance();

    void SetUp() override
    {
        box.title_val = "File already exists :";
        box.msg_val_str = "Label.png\n\nFile already exists in this location.\n\nDo you want to Keep or Replace it?";
        box.file_path_str = "/somewhere/Label.png";
        box.apply_chk_show = true;
    }
    // Opens the prompt; user acts while it runs. Answers the dialog's code.
    int ask(const std::function<void()> &user)
    {
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();   // laid out as on screen, so that clicks land on the controls
            user();
            return dialog.result();
        };
        return box.Open_Replace_Dialog();
    }
};

} // namespace

TEST_F(ReplacePrompt, EachButtonWithTheBoxGivesItsAnswer)
{
    struct Case {
        QPushButton *Replcae_Confirm_Box::*button;
        bool applyAll;
        int flag, code;
        bool stops;
    };
    const Case cases[] = {
        {&Replcae_Confirm_Box::replace_btn, false, 0, 0, false}, {&Replcae_Confirm_Box::keep_btn, false, 1, 1, false},
        {&Replcae_Confirm_Box::replace_btn, true, 2, 0, false},  {&Replcae_Confirm_Box::keep_btn, true, 3, 1, false},
        {&Replcae_Confirm_Box::cancel_btn, false, 4, 0, false},  {&Replcae_Confirm_Box::cancel_btn, true, 5, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.flag);
        Stop_Processing_Now = false;
        Msg_Apply_All_Chk = false;
        replace_keep_file_flag = -1;
        const int code = ask([&] {
            EXPECT_EQ(box._Msg_Title->text(), "File already exists :");
            EXPECT_TRUE(box._Msg_Val->text().startsWith("Label.png\n\nFile already exists"));
            EXPECT_EQ(box.path_control->text(), "/somewhere/Label.png");
            EXPECT_FALSE(box.path_control->isVisibleTo(&box));
            EXPECT_FALSE(box.apply_chk->isChecked());
            if (c.applyAll)
                QTest::mouseClick(box.apply_chk, Qt::LeftButton);
            QTest::mouseClick(box.*c.button, Qt::LeftButton);
        });
        EXPECT_EQ(replace_keep_file_flag, c.flag);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(Msg_Apply_All_Chk, c.applyAll);
        EXPECT_EQ(Stop_Processing_Now.load(), c.stops);
    }
}

TEST_F(ReplacePrompt, TheBoxOpensAsItWasLeftWhereItIsShown)
{
    Msg_Apply_All_Chk = true;
    bool preset = false;
    ask([&] {
        preset = box.apply_chk->isChecked() && box.apply_chk->isVisibleTo(&box);
        QTest::mouseClick(box.keep_btn, Qt::LeftButton);
    });
    EXPECT_TRUE(preset);
    EXPECT_EQ(replace_keep_file_flag, 3);
    // A box that is not shown applies nothing: Keep asks again next time.
    box.apply_chk_show = false;
    ask([&] {
        EXPECT_FALSE(box.apply_chk->isVisibleTo(&box));
        QTest::mouseClick(box.keep_btn, Qt::LeftButton);
    });
    EXPECT_EQ(replace_keep_file_flag, 1);
}

TEST_F(ReplacePrompt, ClosingItWithoutAnAnswerIsCancel)
{
    struct Case {
        const char *how;
        std::function<void(Replcae_Confirm_Box &)> close;
    };
    const Case cases[] = {
        {"Escape", [](Replcae_Confirm_Box &b) { QTest::keyClick(&b, Qt::Key_Escape); }},
        {"close box", [](Replcae_Confirm_Box &b) { b.close(); }},
        {"nothing", [](Replcae_Confirm_Box &) {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.how);
        replace_keep_file_flag = 0;   // a stale Replace must not stand
        Msg_Apply_All_Chk = false;
        EXPECT_EQ(ask([&] { c.close(box); }), 0);
        EXPECT_EQ(replace_keep_file_flag, 4);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST_F(ReplacePrompt, AWorkerWaitsForTheAnswerFromTheGuiThread)
{
    Msg_Apply_All_Chk = false;
    Qt::HANDLE answeredOn = nullptr;
    responder->onModal = [&](QDialog &dialog) {
        answeredOn = QThread::currentThreadId();
        QTest::mouseClick(box.keep_btn, Qt::LeftButton);
        return dialog.result();
    };
    int seenByWorker = -1;
    QThread *worker = QThread::create([&] {
        replace_keep_file_flag = -1;
        box.Open_box_in_thread();
        seenByWorker = replace_keep_file_flag;
    });
    worker->start();
    while (!worker->wait(10))
        QCoreApplication::processEvents();
    delete worker;
    EXPECT_EQ(seenByWorker, 1);
    EXPECT_EQ(answeredOn, QThread::currentThreadId());
}
