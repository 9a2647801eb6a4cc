// The existing-file step of the exports: a remembered apply-to-all answer decides without asking;
// otherwise the keep-or-replace prompt asks, and its answer picks the path to write.

#include "app/SKTWindowController.h"
#include "core/Messages.h"
#include "core/Replcae_Confirm_Box.h"
#include "output/OutputController.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class KeepReplace : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    QString in(const QString &name) const { return QDir(folder.path()).filePath(name); }

    testsupport::AppEnvironment env;
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
    QTemporaryDir folder;
    const QString existing = in("Label.png");
};

} // namespace

TEST_F(KeepReplace, ThePromptsAnswerPicksThePath)
{
    Replcae_Confirm_Box &box = *Replcae_Confirm_Box::defaultInstance();
    // A link is written through: the question names the file it leads to.
    const QString target = in("Target.png");
    ASSERT_TRUE(QFile(existing).copy(target));
    ASSERT_TRUE(QFile::link(target, in("Link.png")));
    struct Case {
        QPushButton *Replcae_Confirm_Box::*button;
        bool applyAll;
        QString path;   // "" for cancel
        QString asked = QString(), named = "Label.png";
    };
    const Case cases[] = {
        {&Replcae_Confirm_Box::keep_btn, false, in("Label (1).PNG")},
        {&Replcae_Confirm_Box::replace_btn, false, in("Label.png")},
        {&Replcae_Confirm_Box::cancel_btn, false, QString()},
        {&Replcae_Confirm_Box::cancel_btn, true, QString()},
        {&Replcae_Confirm_Box::replace_btn, false, in("Link.png"), in("Link.png"), target},
    };
    for (const Case &k : cases) {
        replace_keep_file_flag = 0;
        Msg_Apply_All_Chk = false;
        Stop_Processing_Now = false;
        QString title, message;
        bool boxShown = false;
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();
            title = box._Msg_Title->text();
            message = box._Msg_Val->text();
            boxShown = box.apply_chk->isVisible();
            if (k.applyAll)
                box.apply_chk->setChecked(true);
            QTest::mouseClick(box.*k.button, Qt::LeftButton);
            return dialog.result();
        };
        EXPECT_EQ(c->output().Check_And_Show_Keep_Replace_File_Msg(k.asked.isEmpty() ? existing : k.asked, true), k.path);
        EXPECT_EQ(title, "File already exists :");
        EXPECT_EQ(message, k.named + "\n\nFile already exists in this location.\n\nDo you want to Keep or Replace it?");
        EXPECT_TRUE(boxShown);
        EXPECT_EQ(Stop_Processing_Now.load(), k.applyAll);
    }
    // Replacing never deletes the old file first: the writer puts the new one over it.
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "old");
}

TEST_F(KeepReplace, ARememberedAnswerDecidesWithoutAsking)
{
    struct Case {
        int flag;
        QString path;
    };
    const Case cases[] = {{2, in("Label.png")}, {3, in("Label (1).PNG")}};
    for (const Case &k : cases) {
        replace_keep_file_flag = k.flag;
        EXPECT_EQ(c->output().Check_And_Show_Keep_Replace_File_Msg(existing, true), k.path);
    }
    EXPECT_EQ(responder->modalCount, 0);
    // A file that does not exist is written as named, without a question.
    replace_keep_file_flag = 0;
    EXPECT_EQ(c->output().Check_And_Show_Keep_Replace_File_Msg(in("new.png"), false), in("new.png"));
    EXPECT_EQ(responder->modalCount, 0);
}

TEST_F(KeepReplace, TheSingleExportHidesTheApplyBox)
{
    Replcae_Confirm_Box &box = *Replcae_Confirm_Box::defaultInstance();
    Msg_Apply_All_Chk = true;
    replace_keep_file_flag = 0;
    bool shown = true;
    responder->onModal = [&](QDialog &dialog) {
        dialog.show();
        shown = box.apply_chk->isVisible();
        QTest::mouseClick(box.keep_btn, Qt::LeftButton);
        return dialog.result();
    };
    EXPECT_EQ(c->output().Check_And_Show_Keep_Replace_File_Msg(existing, false), in("Label (1).PNG"));
    EXPECT_FALSE(shown);
    EXPECT_EQ(replace_keep_file_flag, 1);
}

// Export workers ask the prompt first in a batch run: it is still made on the GUI thread, where its
// widgets can be shown and filtered.
TEST(KeepReplacePrompt, AskedFirstFromAWorkerItIsMadeOnTheGuiThread)
{
    Replcae_Confirm_Box *fromWorker = nullptr;
    QThread *worker = QThread::create([&] { fromWorker = Replcae_Confirm_Box::defaultInstance(); });
    worker->start();
    while (!worker->wait(10))
        QCoreApplication::processEvents();
    delete worker;
    ASSERT_NE(fromWorker, nullptr);
    EXPECT_EQ(fromWorker->thread(), QCoreApplication::instance()->thread());
    EXPECT_EQ(fromWorker->keep_btn->thread(), QCoreApplication::instance()->thread());
    EXPECT_EQ(Replcae_Confirm_Box::defaultInstance(), fromWorker);
}
