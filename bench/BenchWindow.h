#pragma once
// What the timed programs share: the main window started as the application starts it, offscreen
// unless told otherwise, over an empty per-user data folder; and the resident memory of the process.

#include "app/SKTWindowController.h"
#include "model/SKTDocument.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>

#include <memory>

namespace bench {

// Resident memory in kB, from the kernel's status of this process; -1 when unknown.
inline long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class Window {
public:
    Window(int &argc, char **argv)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
        m_app = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Tagora"));
        SKTWindowController::registerWithDocuments();
        m_document = std::make_unique<SKTDocument>();
        m_document->makeWindowControllers();
    }

    SKTWindowController *controller() const { return SKTWindowController::defaultInstance(); }

    // Shows the window at a size and lets it lay itself out.
    SKTWindowController *shown(int width = 0, int height = 0) const
    {
        SKTWindowController *c = controller();
        if (width > 0)
            c->window()->resize(width, height);
        c->window()->show();
        QApplication::processEvents();
        return c;
    }

private:
    QTemporaryDir m_home;
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<SKTDocument> m_document;
};

} // namespace bench
