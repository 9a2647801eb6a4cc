#include "output/OutputController.h"

#include "output/ExportSheetHost.h"
#include "output/ExportWindow.h"

OutputController::OutputController(SKTWindowController &hub) : hub(hub) {}

OutputController::~OutputController()
{
    // A sheet of the main window goes with the window; one made before the window had no owner.
    if (m_exportWindow) {
        m_exportWindow->setHost(nullptr);
        if (!m_exportWindow->parent())
            delete m_exportWindow.data();
    }
}
