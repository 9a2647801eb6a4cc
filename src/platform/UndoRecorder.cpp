#include "platform/UndoRecorder.h"

#include "platform/Log.h"

#include <QMetaObject>

#include <algorithm>
#include <exception>

namespace platform {

UndoRecorder::UndoRecorder(QObject *parent) : QObject(parent) {}

UndoRecorder::~UndoRecorder() = default;

void UndoRecorder::beginUndoGrouping()
{
    emit checkpoint();
    ++m_level;
}

void UndoRecorder::endUndoGrouping()
{
    if (m_level == 0) {
        logLine(QStringLiteral("Undo: a group was ended that was never begun."));
        return;
    }
    emit checkpoint();
    if (--m_level > 0)
        return;
    m_eventGroupOpen = false;
    Group group = std::move(m_open);
    m_open.clear();
    if (!group.empty())
        m_undoStack.push_back(std::move(group));
}

void UndoRecorder::registerUndo(const void *target, Action action)
{
    if (m_disabled > 0 || !action)
        return;
    if (m_level == 0) {
        if (!m_groupsByEvent) {
            logLine(QStringLiteral("Undo: an action was registered outside any group and dropped."));
            return;
        }
        // The event's own group; its opening is a boundary like any other.
        beginUndoGrouping();
        m_eventGroupOpen = true;
        scheduleEventGroupClose();
    }
    if (m_mode == Mode::Normal)
        m_redoStack.clear();
    m_open.push_back({target, std::move(action)});
}

void UndoRecorder::disableUndoRegistration() { ++m_disabled; }

void UndoRecorder::enableUndoRegistration()
{
    if (m_disabled > 0)
        --m_disabled;
}

bool UndoRecorder::canUndo() const
{
    return !m_undoStack.empty() || (m_eventGroupOpen && m_level == 1 && !m_open.empty());
}

int UndoRecorder::undoActionCount() const
{
    if (m_eventGroupOpen && m_level == 1 && !m_open.empty())
        return int(m_open.size());
    return m_undoStack.empty() ? 0 : int(m_undoStack.back().size());
}

bool UndoRecorder::canRedo() const { return !m_redoStack.empty(); }

void UndoRecorder::undo()
{
    if (m_mode != Mode::Normal)
        return;
    if (m_eventGroupOpen && m_level == 1)
        endUndoGrouping();
    if (m_level > 0) {
        logLine(QStringLiteral("Undo: refused inside an open group."));
        return;
    }
    if (m_undoStack.empty())
        return;
    Group group = std::move(m_undoStack.back());
    m_undoStack.pop_back();
    runGroup(std::move(group), Mode::Undoing);
}

void UndoRecorder::redo()
{
    if (m_mode != Mode::Normal)
        return;
    if (m_eventGroupOpen && m_level == 1)
        endUndoGrouping();
    if (m_level > 0) {
        logLine(QStringLiteral("Redo: refused inside an open group."));
        return;
    }
    if (m_redoStack.empty())
        return;
    Group group = std::move(m_redoStack.back());
    m_redoStack.pop_back();
    runGroup(std::move(group), Mode::Redoing);
}

void UndoRecorder::runGroup(Group group, Mode mode)
{
    // What the actions register is the inverse step, collected in a group of its own.
    emit checkpoint();
    m_mode = mode;
    m_level = 1;
    m_open.clear();
    for (auto it = group.rbegin(); it != group.rend(); ++it) {
        try {
            it->action();
        } catch (const std::exception &e) {
            logLine(QString::fromUtf8(e.what()));
        }
    }
    Group inverse = std::move(m_open);
    m_open.clear();
    m_level = 0;
    m_mode = Mode::Normal;
    if (!inverse.empty())
        (mode == Mode::Undoing ? m_redoStack : m_undoStack).push_back(std::move(inverse));
    emit checkpoint();
}

void UndoRecorder::removeAllActions()
{
    m_undoStack.clear();
    m_redoStack.clear();
    m_open.clear();
}

void UndoRecorder::removeTarget(std::vector<Group> &stack, const void *target)
{
    for (Group &g : stack)
        g.erase(std::remove_if(g.begin(), g.end(), [target](const Entry &e) { return e.target == target; }), g.end());
    stack.erase(std::remove_if(stack.begin(), stack.end(), [](const Group &g) { return g.empty(); }), stack.end());
}

void UndoRecorder::removeAllActionsWithTarget(const void *target)
{
    removeTarget(m_undoStack, target);
    removeTarget(m_redoStack, target);
    m_open.erase(std::remove_if(m_open.begin(), m_open.end(), [target](const Entry &e) { return e.target == target; }),
                 m_open.end());
}

void UndoRecorder::scheduleEventGroupClose()
{
    if (m_closeScheduled)
        return;
    m_closeScheduled = true;
    // Posted: it runs once the code of the current event has returned to the loop.
    QMetaObject::invokeMethod(this, [this] { closeEventGroup(); }, Qt::QueuedConnection);
}

void UndoRecorder::closeEventGroup()
{
    m_closeScheduled = false;
    if (!m_eventGroupOpen)
        return;
    if (m_level > 1) {   // an explicit group inside it is still open
        scheduleEventGroupClose();
        return;
    }
    endUndoGrouping();
}

} // namespace platform
