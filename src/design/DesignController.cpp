#include "design/DesignController.h"

#include "design/DesignCard.h"
#include "design/DesignCommands.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/GridOptions.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/UndoStacks.h"
#include "design/UnitPreferences.h"


DesignController::DesignController(DesignSources sources)
    : m_sources(std::make_unique<DesignSources>(std::move(sources))), m_card(std::make_unique<DesignCard>()),
      m_workArea(std::make_unique<DesignWorkArea>(*this)),
      m_selection(std::make_unique<DesignSelection>(*this)), m_undoStacks(std::make_unique<UndoStacks>(*this)),
      m_sidebar(std::make_unique<PropertySidebar>(*this)), m_records(std::make_unique<RecordBinding>(*this)),
      m_editing(std::make_unique<EditingCommands>(*this)), m_commands(std::make_unique<DesignCommands>(*this)),
      m_gridOptions(std::make_unique<GridOptions>([this] { return m_workArea->_grid; },
                                                  [this] {
                                                      DesignHost &host = *m_sources->host;
                                                      return m_sources->projects->Make_Grid_Wizard(
                                                          host.isWindowLoaded() ? host.window() : nullptr);
                                                  })),
      m_units(std::make_unique<UnitPreferences>(*this))
{
}

DesignController::~DesignController() = default;

DesignCard &DesignController::card() const { return *m_card; }

DesignWorkArea &DesignController::workArea() const { return *m_workArea; }

DesignSelection &DesignController::selection() const { return *m_selection; }

UndoStacks &DesignController::undoStacks() const { return *m_undoStacks; }

PropertySidebar &DesignController::sidebar() const { return *m_sidebar; }

RecordBinding &DesignController::records() const { return *m_records; }

EditingCommands &DesignController::editing() const { return *m_editing; }

DesignCommands &DesignController::commands() const { return *m_commands; }

GridOptions &DesignController::gridOptions() const { return *m_gridOptions; }

UnitPreferences &DesignController::units() const { return *m_units; }

DesignSources &sourcesOf(const DesignController &design) { return design.sources(); }
PropertySidebar &sidebarOf(const DesignController &design) { return design.sidebar(); }
RecordBinding &recordsOf(const DesignController &design) { return design.records(); }
EditingCommands &editingOf(const DesignController &design) { return design.editing(); }
DesignCommands &commandsOf(const DesignController &design) { return design.commands(); }
GridOptions &gridOptionsOf(const DesignController &design) { return design.gridOptions(); }
DesignCard &cardOf(const DesignController &design) { return design.card(); }
DesignWorkArea &workAreaOf(const DesignController &design) { return design.workArea(); }
DesignSelection &selectionOf(const DesignController &design) { return design.selection(); }
UndoStacks &undoStacksOf(const DesignController &design) { return design.undoStacks(); }
UnitPreferences &unitsOf(const DesignController &design) { return design.units(); }
