#include "platform/Dialogs.h"

#include "platform/Log.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <mutex>

namespace platform {

namespace {

// The default of a program that links no dialogs: nobody can answer, so each alert is logged and
// answered as a closed box (its last button), and every panel and chooser is cancelled.
class UnattendedResponder : public DialogResponder {
public:
    int alert(const AlertRequest &request) override
    {
        logLine(QStringLiteral("Unanswered alert: %1").arg(request.message.trimmed()));
        return request.buttons.isEmpty() ? 0 : int(request.buttons.size()) - 1;
    }
    QStringList openPanel(const OpenPanelRequest &) override { return {}; }
    QString savePanel(const SavePanelRequest &) override { return {}; }
    int runModal(QDialog &) override { return 0; }
    bool openWithDefaultApplication(const QString &) override { return false; }
    QColor chooseColor(const QColor &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
};

// Constant-initialised, so that the dialogs can register their factory while the program starts.
std::mutex responderMutex;
std::shared_ptr<DialogResponder> installed;
DialogResponderFactory defaultFactory = nullptr;
std::atomic<RequestHook> requestHook = nullptr;

} // namespace

DialogResponder &dialogResponder()
{
    if (const RequestHook hook = requestHook.load(); hook && QCoreApplication::instance()
                                                       && QThread::currentThread() == QCoreApplication::instance()->thread())
        hook();
    std::lock_guard<std::mutex> lock(responderMutex);
    if (!installed)
        installed = defaultFactory ? defaultFactory() : std::make_shared<UnattendedResponder>();
    return *installed;
}

void setDialogResponder(std::shared_ptr<DialogResponder> responder)
{
    std::lock_guard<std::mutex> lock(responderMutex);
    installed = std::move(responder);
}

void setRequestHook(RequestHook hook) { requestHook = hook; }

void setDefaultDialogResponderFactory(DialogResponderFactory factory)
{
    std::lock_guard<std::mutex> lock(responderMutex);
    defaultFactory = factory;
}

int runAlert(const AlertRequest &request) { return dialogResponder().alert(request); }
QColor chooseColor(const QColor &initial) { return dialogResponder().chooseColor(initial); }
std::optional<QFont> chooseFont(const QFont &initial) { return dialogResponder().chooseFont(initial); }
bool openWithDefaultApplication(const QString &pathOrUrl) { return dialogResponder().openWithDefaultApplication(pathOrUrl); }
int runModal(QDialog &dialog) { return dialogResponder().runModal(dialog); }

} // namespace platform
