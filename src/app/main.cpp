#include "app/SKTWindowController.h"
#include "model/SKTDocument.h"
#include "platform/PrintDestination.h"
#include "platform/Quit.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagora"));
    QApplication::setOrganizationName(QStringLiteral("Tagora"));

    // Print jobs into a PDF file instead of a printer, as the tests and benchmarks do.
    const QString pdfDestination = qEnvironmentVariable("TAGORA_PRINT_TO_PDF");
    if (!pdfDestination.isEmpty())
        platform::setPrintToPdfFile(pdfDestination);

    SKTWindowController::registerWithDocuments();
    SKTDocument document;
    document.makeWindowControllers();
    SKTWindowController *controller = SKTWindowController::defaultInstance();
    if (!controller)
        return 1;
    controller->window();   // loads the window description and runs its set-up
    if (platform::terminateRequested())
        return 1;
    QTimer::singleShot(0, controller, [controller] { controller->applicationDidFinishLaunching(); });
    return app.exec();
}
