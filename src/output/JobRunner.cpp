#include "output/JobRunner.h"

#include "core/Messages.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/Send_Modeless.h"

#include <QEventLoop>
#include <QMetaObject>

#include <atomic>
#include <exception>
#include <thread>

bool JobRunner::run(int total, int endIndex, const std::function<void()> &body, Figure figure)
{
    if (Send_Modeless *sheet = output.sources().host->Progress_Sheet())
        sheet->countFigure = figure == Figure::Count;
    output.beginProgressJob(total, endIndex);
    std::atomic<bool> ok{true};
    QEventLoop loop;
    std::thread worker;
    try {
        worker = std::thread([&] {
            try {
                body();
            } catch (const std::exception &e) {
                Show_NSLog_Message(QString::fromUtf8(e.what()));
                ok = false;
            } catch (...) {
                ok = false;
            }
            QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
        });
        // The sheet is up and window-modal: the user reaches only its Stop button meanwhile.
        loop.exec();
        worker.join();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        if (worker.joinable())
            worker.join();
        ok = false;
    }
    output.endProgressJob();
    if (Send_Modeless *sheet = output.sources().host->Progress_Sheet())
        sheet->countFigure = false;
    return ok;
}
