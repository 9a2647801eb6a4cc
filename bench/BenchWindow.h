#pragma once
// What the timed programs share: the main window started as the application starts it, offscreen
// unless told otherwise, over an empty per-user data folder; and the resident memory of the process.
// The window is made in BenchWindow.cpp, so that a program that needs no more of the hub than its
// subsystems does not include the hub's header.

#include "model/SKTDocument.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>

#include <memory>

class AdvQrController;
class BarcodeModeController;
class Barcode_Gen;
class DesignController;
class OutputController;
class ProjectsController;
class SKTWindowController;

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
    Window(int &argc, char **argv);
    ~Window();

    SKTWindowController *controller() const;

    // Shows the window at a size and lets it lay itself out.
    SKTWindowController *shown(int width = 0, int height = 0) const;
    // Deletes the controller and its window while the application still exists.
    void deleteController() const;

    // The controller's subsystems, its window (built on the first call) and its document.
    BarcodeModeController &barcodeMode() const;
    DesignController &design() const;
    ProjectsController &projects() const;
    OutputController &output() const;
    AdvQrController &advQr() const;
    Barcode_Gen &barcodeGen() const;
    QMainWindow *window() const;
    SKTDocument *document() const;

private:
    QTemporaryDir m_home;
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<SKTDocument> m_document;
};

} // namespace bench
