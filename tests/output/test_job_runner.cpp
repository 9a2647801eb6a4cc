#include "app/SKTWindowController.h"
#include "core/Messages.h"
#include "output/ImageExport.h"
#include "output/JobRunner.h"
#include "output/OutputController.h"
#include "output/Send_Modeless.h"
#include "platform/GuiThread.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace {

struct RunnerFixture {
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = env.controller();
    bool sheetUp() const { return c->send_modls_wnd->window && c->send_modls_wnd->window->isVisible(); }
    bool timerRuns() const { return c->output().msend_modTimer && c->output().msend_modTimer->isActive(); }
};

} // namespace

TEST(JobRunner, BodyRunsOffTheGuiThreadBehindTheSheet)
{
    RunnerFixture f;
    f.c->window()->show();
    Stop_Processing_Now = true;   // a new job starts with the flag cleared
    bool sheetDuring = false, timerDuring = false, stopCleared = false;
    std::thread::id bodyThread;
    QString figure;
    JobRunner runner(f.c->output());
    const bool ok = runner.run(4, 4, [&] {
        bodyThread = std::this_thread::get_id();
        stopCleared = !Stop_Processing_Now;
        curr_card_count = 1;
        // The sheet's refresh, as its timer runs it, while the body waits.
        platform::runOnGuiThreadAndWait([&] {
            sheetDuring = f.sheetUp();
            timerDuring = f.timerRuns();
            f.c->output().update_sending_progress_bar();
            figure = f.c->send_modls_wnd->_curr_msg_cnt->text();
        });
    });
    EXPECT_TRUE(ok);
    EXPECT_NE(bodyThread, std::this_thread::get_id());
    EXPECT_TRUE(stopCleared);
    EXPECT_TRUE(sheetDuring);
    EXPECT_TRUE(timerDuring);
    EXPECT_EQ(figure, QStringLiteral("2 / 4 "));   // records begun + 1
    EXPECT_FALSE(f.sheetUp());
    EXPECT_FALSE(f.timerRuns());
}

TEST(JobRunner, CountFigureAndAnExceptionStillEndTheJob)
{
    RunnerFixture f;
    f.c->window()->show();
    QString figure;
    JobRunner runner(f.c->output());
    const bool ok = runner.run(
        5, 5,
        [&] {
            curr_card_count = 3;
            platform::runOnGuiThreadAndWait([&] {
                f.c->output().update_sending_progress_bar();
                figure = f.c->send_modls_wnd->_curr_msg_cnt->text();
            });
            throw std::runtime_error("the job broke");
        },
        JobRunner::Figure::Count);
    EXPECT_FALSE(ok);
    EXPECT_EQ(figure, QStringLiteral("3 / 5 "));   // the count itself
    EXPECT_FALSE(f.sheetUp());
    EXPECT_FALSE(f.timerRuns());
    EXPECT_FALSE(f.c->send_modls_wnd->countFigure);   // the next job counts as exports do
}

TEST(JobRunner, ZeroRecordsEndAtOnce)
{
    RunnerFixture f;
    JobRunner runner(f.c->output());
    int ran = 0;
    EXPECT_TRUE(runner.run(0, 0, [&] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(f.c->send_modls_wnd->_tot_msg_cnt->text(), QStringLiteral("0"));
    EXPECT_FALSE(f.timerRuns());
}

TEST(CombinedImage, WithoutABackPictureNothingIsWritten)
{
    RunnerFixture f;
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Label.png"));
    const platform::Picture front = platform::Picture::fromImage(QImage(10, 10, QImage::Format_RGB32), QSizeF(10, 10));
    int boxes = 0;
    f.responder->onModal = [&](QDialog &) {
        ++boxes;
        return 0;
    };
    EXPECT_FALSE(ImageExport(f.c->output()).Export_Combined_Image(front, platform::Picture(), path, true));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(boxes, 0);
}
