#include "support/AppEnvironment.h"
#include "support/WindowReport.h"

#include "app/SKTWindowController.h"
#include "core/GlobalsReset.h"
#include "model/SKTDocument.h"
#include "platform/Quit.h"

namespace testsupport {

AppEnvironment::AppEnvironment(const QString &resources, bool loadWindow)
{
    m_oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
    if (resources.isEmpty())
        qunsetenv("TAGORA_RESOURCES");
    else
        qputenv("TAGORA_RESOURCES", resources.toLocal8Bit());
    resetGlobalsForTests();
    platform::clearTerminateRequest();
    SKTDocument::resetForTests();
    SKTWindowController::registerWithDocuments();
    m_document = std::make_unique<SKTDocument>();
    m_document->makeWindowControllers();
    m_controller = SKTWindowController::defaultInstance();
    noteMainWindowBuilt();
    if (loadWindow && m_controller)
        m_controller->window();
}

AppEnvironment::~AppEnvironment()
{
    if (m_controller && m_controller->isWindowLoaded())
        noteMainWindowLoaded();
    delete m_controller;
    m_document.reset();
    resetGlobalsForTests();
    SKTDocument::resetForTests();
    platform::clearTerminateRequest();
    qunsetenv("TAGORA_RESOURCES");
    qputenv("XDG_DATA_HOME", m_oldDataHome);
}

BarcodeModeController &AppEnvironment::barcodeMode() const { return m_controller->barcodeMode(); }

DesignController &AppEnvironment::design() const { return m_controller->design(); }

ProjectsController &AppEnvironment::projects() const { return m_controller->projects(); }

OutputController &AppEnvironment::output() const { return m_controller->output(); }

AdvQrController &AppEnvironment::advQr() const { return m_controller->advQr(); }

Barcode_Gen &AppEnvironment::barcodeGen() const { return m_controller->barcodeGen(); }

QMainWindow *AppEnvironment::window() const { return m_controller->window(); }

QString AppEnvironment::userFolder() const { return m_home.path() + QStringLiteral("/Tagora"); }

} // namespace testsupport
