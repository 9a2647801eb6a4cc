#include "projects/ProjectsController.h"

#include "projects/ProjectsSources.h"

ProjectsController::ProjectsController(ProjectsSources sources)
    : m_sources(std::make_unique<ProjectsSources>(std::move(sources)))
{
}

ProjectsController::ProjectsController() : m_sources(std::make_unique<ProjectsSources>()) {}

void ProjectsController::useSources(ProjectsSources sources) { *m_sources = std::move(sources); }

ProjectsController::~ProjectsController() = default;

ProjectsHost &ProjectsController::host() const { return *m_sources->host; }

DesignProjects &ProjectsController::design() const { return *m_sources->design; }

BarcodeModeProjects &ProjectsController::barcodeMode() const { return *m_sources->barcode; }
