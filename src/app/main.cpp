#include "app/SKTWindowController.h"
#include "model/SKTDocument.h"
#include "platform/HeadlessResponder.h"
#include "platform/PrintDestination.h"
#include "platform/Quit.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

// Answers the save panel with one path; each alert with its first button, its message written to
// the standard output.
class ScriptedSaveAs : public platform::HeadlessResponder {
public:
    explicit ScriptedSaveAs(const QString &path) : m_path(path) {}
    int alert(const platform::AlertRequest &request) override
    {
        std::printf("%s\n", request.message.toLocal8Bit().constData());
        std::fflush(stdout);
        return HeadlessResponder::alert(request);
    }
    QString savePanel(const platform::SavePanelRequest &) override { return m_path; }

private:
    QString m_path;
};

// For the tests that run the program as a whole. TAGORA_TEST_SAVE_AS names a file that the
// Designing mode's Save As saves into once the program runs (the alerts answered and written out),
// so that they can see what a failed save does to the file and the program. TAGORA_TEST_QUIT then
// names the way a user ends it ("menu": the Quit menu item, "close": the window's close), so that
// they can check that the process ends by itself, with status 0.
void scheduleScriptedRun(SKTWindowController *controller)
{
    const QString saveAs = qEnvironmentVariable("TAGORA_TEST_SAVE_AS");
    if (!saveAs.isEmpty()) {
        platform::setDialogResponder(std::make_shared<ScriptedSaveAs>(saveAs));
        QTimer::singleShot(100, controller, [controller] {
            controller->Designing_Mode_Select();
            controller->Save_As_menu_item->trigger();
        });
    }
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
    // A write beyond a file-size limit (a shell's "ulimit -f", a service's limit) then fails like one
    // on a full disk, which every save reports and survives, keeping the old file: the signal's
    // default would end the program with the user's work.
    std::signal(SIGXFSZ, SIG_IGN);
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
    scheduleScriptedRun(controller);
    return app.exec();
}
