#pragma once
// A small undo manager: actions registered by their target are kept in groups; undoing a group
// runs its actions last first, and what they register meanwhile becomes the redo group (and the
// other way round). A group is opened explicitly or, when an action arrives outside any group,
// opened for the current pass of the event loop and closed when control returns to the loop.
// Every group boundary, and every undo and redo, is announced as a checkpoint, so that whoever
// collects per-group state can start afresh.

#include <QObject>

#include <functional>
#include <vector>

namespace platform {

class UndoRecorder : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void()>;

    explicit UndoRecorder(QObject *parent = nullptr);
    ~UndoRecorder() override;

    // ---- Groups ----------------------------------------------------------------------------
    // Groups nest; only the outermost one becomes an undo step.
    void beginUndoGrouping();
    void endUndoGrouping();
    int groupingLevel() const { return m_level; }
    // On (the default): an action registered outside a group opens one for this event-loop pass.
    // Off: such an action is dropped and logged.
    bool groupsByEvent() const { return m_groupsByEvent; }
    void setGroupsByEvent(bool on) { m_groupsByEvent = on; }

    // ---- Registration ----------------------------------------------------------------------
    // Ignored while registration is off. A registration outside undo and redo empties the redo stack.
    void registerUndo(const void *target, Action action);
    // Off and on nest: registration is on again after as many enables as disables.
    void disableUndoRegistration();
    void enableUndoRegistration();
    bool isUndoRegistrationEnabled() const { return m_disabled == 0; }

    // ---- Undo and redo ---------------------------------------------------------------------
    bool canUndo() const;
    bool canRedo() const;
    int undoCount() const { return int(m_undoStack.size()); }
    int redoCount() const { return int(m_redoStack.size()); }
    // The number of actions undo would run: those of the event's open group, else of the last step.
    int undoActionCount() const;
    // Closes the event's own group first; refused (logged) inside an explicit group.
    void undo();
    void redo();

    // Both stacks and the open group's actions; registration and grouping stay as they are.
    void removeAllActions();
    void removeAllActionsWithTarget(const void *target);

signals:
    void checkpoint();

private:
    struct Entry {
        const void *target;
        Action action;
    };
    using Group = std::vector<Entry>;
    enum class Mode { Normal, Undoing, Redoing };

    void closeEventGroup();
    void scheduleEventGroupClose();
    void runGroup(Group group, Mode mode);
    static void removeTarget(std::vector<Group> &stack, const void *target);

    std::vector<Group> m_undoStack;
    std::vector<Group> m_redoStack;
    Group m_open;
    int m_level = 0;
    int m_disabled = 0;
    bool m_groupsByEvent = true;
    bool m_eventGroupOpen = false;   // the outermost open group is the event's own
    bool m_closeScheduled = false;
    Mode m_mode = Mode::Normal;
};

} // namespace platform
