#include "support/ScriptedResponder.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMutexLocker>
#include <QThread>
#include <QTimer>

namespace testsupport {

int ScriptedResponder::alert(const platform::AlertRequest &request)
{
    const auto reading = [this] { QMutexLocker lock(&m_mutex); return onAlert; }();
    // Unlocked: the user reads while the run goes on, on the GUI thread in an event loop of the alert's own, as a shown
    // message runs one (what is pending is delivered meanwhile: a click's release, a timer).
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] { reading ? reading(request) : void(), loop.quit(); });
        loop.exec();
    } else if (reading) {
        reading(request);
    }
    QMutexLocker lock(&m_mutex);
    alerts << request;
    if (!request.checkBox.isEmpty() && request.checkBoxChecked)
        *request.checkBoxChecked = !alertCheckAnswers.isEmpty() && alertCheckAnswers.takeFirst();
    if (alertAnswers.isEmpty())
        return 0;
    const QString answer = alertAnswers.takeFirst();
    const int index = int(request.buttons.indexOf(answer));
    return index < 0 ? 0 : index;
}

QStringList ScriptedResponder::openPanel(const platform::OpenPanelRequest &request)
{
    QMutexLocker lock(&m_mutex);
    openRequests << request;
    return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
}

QString ScriptedResponder::savePanel(const platform::SavePanelRequest &request)
{
    std::function<void(const platform::SavePanelRequest &, ScriptedSavePanel &)> hook;
    QString answer;
    {
        QMutexLocker lock(&m_mutex);
        saveRequests << request;
        answer = saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
        hook = onSavePanel;
    }
    ScriptedSavePanel panel;
    panel.name = request.fileName;
    panel.types = request.extensions;
    if (request.attachAccessory)
        request.attachAccessory(&panel);
    if (hook)
        hook(request, panel);
    if (request.attachAccessory)
        request.attachAccessory(nullptr);
    QMutexLocker lock(&m_mutex);
    lastSaveName = panel.name;
    lastSaveTypes = panel.types;
    if (answer.endsWith(QLatin1Char('/')))
        return answer + panel.name;
    return answer;
}

int ScriptedResponder::runModal(QDialog &dialog)
{
    std::function<int(QDialog &)> handler;
    {
        QMutexLocker lock(&m_mutex);
        ++modalCount;
        handler = onModal;
    }
    return handler ? handler(dialog) : 0;
}

bool ScriptedResponder::openWithDefaultApplication(const QString &pathOrUrl)
{
    QMutexLocker lock(&m_mutex);
    opened << pathOrUrl;
    return true;
}

QColor ScriptedResponder::chooseColor(const QColor &)
{
    QMutexLocker lock(&m_mutex);
    return colorAnswers.isEmpty() ? QColor() : colorAnswers.takeFirst();
}

std::optional<QFont> ScriptedResponder::chooseFont(const QFont &)
{
    QMutexLocker lock(&m_mutex);
    if (fontAnswers.isEmpty())
        return std::nullopt;
    return fontAnswers.takeFirst();
}

QStringList ScriptedResponder::alertMessages() const
{
    QMutexLocker lock(&m_mutex);
    QStringList out;
    for (const auto &a : alerts)
        out << a.message;
    return out;
}

QStringList ScriptedResponder::trimmedAlertMessages() const
{
    QStringList out = alertMessages();
    for (QString &m : out)
        m = m.trimmed();
    return out;
}

ResponderScope::ResponderScope() : m_responder(std::make_shared<ScriptedResponder>())
{
    platform::setDialogResponder(m_responder);
}

ResponderScope::~ResponderScope() { platform::setDialogResponder(nullptr); }

} // namespace testsupport
