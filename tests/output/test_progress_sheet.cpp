#include "app/SKTWindowController.h"
#include "core/Messages.h"
#include "output/OutputController.h"
#include "output/Send_Modeless.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(ProgressSheet, FollowsTheJobCountersOverTheWindow)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    Send_Modeless *sheet = c->send_modls_wnd;
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->window->objectName(), QStringLiteral("Send_Models_Window"));
    EXPECT_EQ(sheet->window->windowTitle(), QStringLiteral("Progress"));
    for (QWidget *w : std::initializer_list<QWidget *>{sheet->_Curr_Progress, sheet->_tot_msg_cnt, sheet->_curr_msg_cnt,
                                                      sheet->pause_label, sheet->_stop_btn}) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->window(), sheet->window);
    }
    c->window()->show();

    c->output().beginProgressJob(4, 3);
    EXPECT_TRUE(sheet->window->isVisible());
    EXPECT_EQ(sheet->window->parentWidget(), c->window());
    EXPECT_TRUE(sheet->_stop_btn->isEnabled());
    EXPECT_EQ(sheet->_Curr_Progress->maximum(), 4);
    EXPECT_EQ(sheet->_Curr_Progress->value(), 0);
    EXPECT_EQ(sheet->_tot_msg_cnt->text(), QStringLiteral("4"));
    EXPECT_EQ(sheet->_curr_msg_cnt->text(), QStringLiteral("0 / 4 "));

    curr_card_count = 2;
    c->output().update_sending_progress_bar();
    EXPECT_EQ(sheet->_Curr_Progress->value(), 2);
    EXPECT_EQ(sheet->_curr_msg_cnt->text(), QStringLiteral("3 / 4 "));   // the record being made
    curr_card_count = 4;
    c->output().update_sending_progress_bar();
    EXPECT_EQ(sheet->_curr_msg_cnt->text(), QStringLiteral("4 / 4 "));   // never past the total

    c->output().endProgressJob();
    EXPECT_FALSE(sheet->window->isVisible());
}

TEST(ProgressSheet, StopAsksFirst)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    Send_Modeless *sheet = env.controller()->send_modls_wnd;
    ASSERT_NE(sheet, nullptr);
    Stop_Processing_Now = false;
    responder->alertAnswers = {QStringLiteral("No"), QStringLiteral("Yes")};
    sheet->_stop_btn->click();
    EXPECT_FALSE(Stop_Processing_Now);
    sheet->_stop_btn->click();
    EXPECT_TRUE(Stop_Processing_Now);
    EXPECT_EQ(responder->alertMessages(), (QStringList{QStringLiteral("Are you sure you want to stop?"),
                                                       QStringLiteral("Are you sure you want to stop?")}));
    Stop_Processing_Now = false;
}

TEST(ProgressSheet, AWindowAfterAnEndedOneGetsASheetOfItsOwn)
{
    {
        testsupport::AppEnvironment first(QString(), true);
        first.controller()->window()->show();
        first.controller()->output().beginProgressJob(2, 1);   // the sheet becomes the window's child
        first.controller()->output().endProgressJob();
    }
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    Send_Modeless *sheet = c->send_modls_wnd;
    ASSERT_NE(sheet->window, nullptr);
    EXPECT_EQ(c->Send_Models_Window, sheet->window);
    ASSERT_NE(sheet->_stop_btn, nullptr);
    EXPECT_EQ(sheet->_stop_btn->window(), sheet->window);
    responder->alertAnswers = {QStringLiteral("Yes")};
    Stop_Processing_Now = false;
    sheet->_stop_btn->click();
    EXPECT_TRUE(Stop_Processing_Now);
    Stop_Processing_Now = false;
}
