#include "app/SKTWindowController.h"
#include "model/SKTDocument.h"
#include "platform/PrintDestination.h"
#include "platform/Quit.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

// For the tests that run the program as a whole: TAGORA_TEST_QUIT names the way a user ends it once
// it runs ("menu": the Quit menu item, "close": the window's close), so that they can check that the
// process ends by itself, with status 0.
void scheduleScriptedQuit(SKTWindowController *controller)
{
    const QByteArray way = qgetenv("TAGORA_TEST_QUIT");
    if (way.isEmpty())
        return;
    QTimer::singleShot(200, controller, [controller, way] {
        if (way == "close")
            controller->window()->close();
        else if (way == "menu" && controller->Quit_menu_item)
            controller->Quit_menu_item->trigger();
    });
}

} // namespace

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
    scheduleScriptedQuit(controller);
    return app.exec();
}
