#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "design/DesignCommands.h"
#include "design/EditingCommands.h"
#include "design/GridOptions.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "model/SKTGrid.h"
#include "model/Card_Property.h"

#include <QMainWindow>

DesignController::DesignController(SKTWindowController &hub)
    : hub(hub), m_sidebar(std::make_unique<PropertySidebar>(*this)), m_records(std::make_unique<RecordBinding>(*this)),
      m_editing(std::make_unique<EditingCommands>(*this)), m_commands(std::make_unique<DesignCommands>(*this)),
      m_gridOptions(std::make_unique<GridOptions>([this] { return _grid; },
                                                  [this]() -> QWidget * { return this->hub.isWindowLoaded() ? this->hub.window() : nullptr; }))
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
