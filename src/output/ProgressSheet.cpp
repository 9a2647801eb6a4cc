#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "output/Send_Modeless.h"
#include "platform/GuiThread.h"

#include <QTimer>

void SKTWindowController::startTimerThread()
{
    platform::runOnGuiThreadAndWait([this] {
        if (!msend_modTimer) {
            msend_modTimer = new QTimer(this);
            msend_modTimer->setInterval(500);
            connect(msend_modTimer, &QTimer::timeout, this, &SKTWindowController::Timer_Curr_Prg_Send_Modeless);
        }
        msend_modTimer->start();
    });
}

void SKTWindowController::stopTimerThread()
{
    platform::runOnGuiThreadAndWait([this] {
        if (msend_modTimer)
            msend_modTimer->stop();
    });
}

void SKTWindowController::Timer_Curr_Prg_Send_Modeless() { update_sending_progress_bar(); }

void SKTWindowController::update_sending_progress_bar()
{
    if (send_modls_wnd)
        send_modls_wnd->update_sending_progress_bar();
}

void SKTWindowController::beginProgressJob(int total, int endIndex)
{
    Stop_Processing_Now = false;
    show_count = total;
    list_count = endIndex;
    curr_card_count = 0;
    platform::runOnGuiThreadAndWait([this, total] {
        if (send_modls_wnd)
            send_modls_wnd->prepareForJob(total);
    });
    Show_One_By_One_Modeless();
    startTimerThread();
}

void SKTWindowController::endProgressJob()
{
    stopTimerThread();
    Hide_One_By_One_Modeless();
}
