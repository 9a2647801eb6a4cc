#pragma once
// A fresh main window controller over an empty per-user data folder, for one test.

#include <QString>
#include <QTemporaryDir>
#include <memory>

class AdvQrController;
class BarcodeModeController;
class Barcode_Gen;
class DesignController;
class OutputController;
class ProjectsController;
class QMainWindow;
class SKTDocument;
class SKTWindowController;

namespace testsupport {

class AppEnvironment {
public:
    // resources: the resource folder to use; empty: the source tree's resources.
    explicit AppEnvironment(const QString &resources = QString(), bool loadWindow = false);
    ~AppEnvironment();

    SKTWindowController *controller() const { return m_controller; }
    // The controller's subsystems and its window (built on the first call), so that a test that
    // needs no more of the hub than these does not include its header.
    BarcodeModeController &barcodeMode() const;
    DesignController &design() const;
    ProjectsController &projects() const;
    OutputController &output() const;
    AdvQrController &advQr() const;
    Barcode_Gen &barcodeGen() const;
    QMainWindow *window() const;
    SKTDocument *document() const { return m_document.get(); }
    QString dataHome() const { return m_home.path(); }
    // The per-user data folder of the application.
    QString userFolder() const;

private:
    QTemporaryDir m_home;
    QByteArray m_oldDataHome;
    std::unique_ptr<SKTDocument> m_document;
    SKTWindowController *m_controller = nullptr;
};

} // namespace testsupport
