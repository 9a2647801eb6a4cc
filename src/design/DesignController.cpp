#include "design/DesignController.h"

#include "design/DesignCommands.h"
#include "design/DesignSources.h"
#include "design/EditingCommands.h"
#include "design/GridOptions.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "model/Card_Property.h"
#include "model/SKTGrid.h"


DesignController::DesignController(DesignSources sources)
    : m_sources(std::make_unique<DesignSources>(std::move(sources))), m_sidebar(std::make_unique<PropertySidebar>(*this)),
      m_records(std::make_unique<RecordBinding>(*this)), m_editing(std::make_unique<EditingCommands>(*this)),
      m_commands(std::make_unique<DesignCommands>(*this)),
      m_gridOptions(std::make_unique<GridOptions>([this] { return _grid; },
                                                  [this] {
                                                      DesignHost &host = *m_sources->host;
                                                      return m_sources->projects->Make_Grid_Wizard(
                                                          host.isWindowLoaded() ? host.window() : nullptr);
                                                  }))
{
}

DesignController::~DesignController()
{
    delete _grid;
    delete Front_card_Prop;
}

PropertySidebar &DesignController::sidebar() const { return *m_sidebar; }

RecordBinding &DesignController::records() const { return *m_records; }

EditingCommands &DesignController::editing() const { return *m_editing; }

DesignCommands &DesignController::commands() const { return *m_commands; }

GridOptions &DesignController::gridOptions() const { return *m_gridOptions; }
