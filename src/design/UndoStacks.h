#pragma once
// The Designing mode's own undo and redo: the workspace's snapshot stacks of the side being edited.
// Every change records its step once, after the change, so the top of the undo stack is always the
// design as shown; the bottom snapshot (the design as started or read) is never removed.

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class DesignController;
class DesignSnapshot;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;

class UndoStacks {
public:
    explicit UndoStacks(DesignController &design);

    DesignController &design;

    // Records one step after a change: empties the redo stack, pushes a snapshot of the side being
    // edited and refreshes the Undo and Redo buttons.
    void Insert_In_Undo_Redo();
    void Undo_Action_Perform();
    void Redo_Action_Perform();
    void Undo_Clicked();
    void Redo_Clicked();
    // Each answers whether the snapshot was complete and so pushed; an incomplete one is logged.
    bool Insert_In_Undo_Stack(const SKTGraphicList &graphics);
    bool Insert_In_Redo_Stack(const SKTGraphicList &graphics);
    // The same onto the read design's log stack (Ucontrol_Log).
    bool Insert_In_Undo_Stack_For_Log(const SKTGraphicList &graphics);
    void Redo_Stack();
    bool Last_Stack(const QString &stack);
    void Fill_Undo_Redo_Control(const DesignSnapshot &snapshot);
    void Undo_Redo_Clear();
    int Get_Undo_Count() const;
    int Get_Redo_Count() const;
    // The start rule: the design as started or read becomes the bottom of the undo stack, with
    // Undo and Redo disabled and no unsaved change.
    void Record_Design_As_Started();
    // Typing in the value editor is one step when the editing ends, or before Undo or Redo runs.
    void Typing_Changed_Design() { Typing_Step_Pending = true; }
    void Record_Typing_Step();
    bool Typing_Step_Pending = false;
    // How snapshots are taken (a complete snapshot has one archive per object); tests replace it.
    std::function<std::shared_ptr<DesignSnapshot>(const SKTGraphicList &)> Take_Design_Snapshot;
};
