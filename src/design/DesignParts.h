#pragma once
// The parts of the Designing mode, reached from its controller without the controller's header: a
// caller that needs only a part includes this and the part's header, and so does not recompile
// when the controller's declaration changes.

class DesignCard;
class DesignCommands;
class DesignController;
class DesignSelection;
struct DesignSources;
class UnitPreferences;
class DesignWorkArea;
class EditingCommands;
class GridOptions;
class PropertySidebar;
class RecordBinding;
class UndoStacks;

DesignSources &sourcesOf(const DesignController &design);
PropertySidebar &sidebarOf(const DesignController &design);
RecordBinding &recordsOf(const DesignController &design);
EditingCommands &editingOf(const DesignController &design);
DesignCommands &commandsOf(const DesignController &design);
GridOptions &gridOptionsOf(const DesignController &design);
DesignCard &cardOf(const DesignController &design);
DesignWorkArea &workAreaOf(const DesignController &design);
DesignSelection &selectionOf(const DesignController &design);
UndoStacks &undoStacksOf(const DesignController &design);
UnitPreferences &unitsOf(const DesignController &design);
