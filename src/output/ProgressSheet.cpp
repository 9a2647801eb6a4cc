#include "output/OutputController.h"

#include "core/Messages.h"
#include "output/OutputSources.h"
#include "output/Send_Modeless.h"
#include "platform/GuiThread.h"

#include <QTimer>

void OutputController::startTimerThread()
{
    platform::runOnGuiThreadAndWait([this] {
        if (!msend_modTimer) {
            msend_modTimer = new QTimer(this);
            msend_modTimer->setInterval(500);
            connect(msend_modTimer, &QTimer::timeout, this, &OutputController::Timer_Curr_Prg_Send_Modeless);
        }
        msend_modTimer->start();
    });
}

void OutputController::stopTimerThread()
{
    platform::runOnGuiThreadAndWait([this] {
        if (msend_modTimer)
            msend_modTimer->stop();
    });
}

void OutputController::Timer_Curr_Prg_Send_Modeless() { update_sending_progress_bar(); }

void OutputController::update_sending_progress_bar()
{
    if (Send_Modeless *sheet = sources().host->Progress_Sheet())
        sheet->update_sending_progress_bar();
}

void OutputController::beginProgressJob(int total, int endIndex)
{
    Stop_Processing_Now = false;
    show_count = total;
    list_count = endIndex;
    curr_card_count = 0;
    platform::runOnGuiThreadAndWait([this, total] {
        if (Send_Modeless *sheet = sources().host->Progress_Sheet())
            sheet->prepareForJob(total);
    });
    sources().host->Show_One_By_One_Modeless();
    startTimerThread();
}

void OutputController::endProgressJob()
{
    stopTimerThread();
    sources().host->Hide_One_By_One_Modeless();
}
