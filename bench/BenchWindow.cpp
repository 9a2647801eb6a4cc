#include "BenchWindow.h"

#include "app/SKTWindowController.h"

#include <QMainWindow>

namespace bench {

Window::Window(int &argc, char **argv)
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

Window::~Window() = default;

SKTWindowController *Window::controller() const { return SKTWindowController::defaultInstance(); }

SKTWindowController *Window::shown(int width, int height) const
{
    SKTWindowController *c = controller();
    if (width > 0)
        c->window()->resize(width, height);
    c->window()->show();
    QApplication::processEvents();
    return c;
}

void Window::deleteController() const { delete controller(); }

BarcodeModeController &Window::barcodeMode() const { return controller()->barcodeMode(); }

DesignController &Window::design() const { return controller()->design(); }

ProjectsController &Window::projects() const { return controller()->projects(); }

OutputController &Window::output() const { return controller()->output(); }

AdvQrController &Window::advQr() const { return controller()->advQr(); }

Barcode_Gen &Window::barcodeGen() const { return controller()->barcodeGen(); }

QMainWindow *Window::window() const { return controller()->window(); }

SKTDocument *Window::document() const { return controller()->document(); }

} // namespace bench
