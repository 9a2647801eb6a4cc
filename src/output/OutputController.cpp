#include "output/OutputController.h"

#include "output/ExportSheetHost.h"
#include "output/ExportWindow.h"
#include "output/OutputSources.h"

OutputController::OutputController(OutputSources sources)
    : m_sources(std::make_unique<OutputSources>(std::move(sources)))
{
}

OutputController::~OutputController()
{
    // A sheet of the main window goes with the window; one made before the window had no owner.
    if (m_exportWindow) {
        m_exportWindow->setHost(nullptr);
        if (!m_exportWindow->parent())
            delete m_exportWindow.data();
    }
}
