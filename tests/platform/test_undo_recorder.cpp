// The undo recorder: groups (explicit and per event), the registration switch, undo and redo of
// a group, removal of actions and the checkpoints at group boundaries.

#include "platform/UndoRecorder.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using platform::UndoRecorder;

namespace {

// A counter whose every change registers its own inverse.
struct Counter {
    explicit Counter(UndoRecorder &u) : undo(u) {}
    void add(int d)
    {
        value += d;
        undo.registerUndo(this, [this, d] { add(-d); });
    }
    UndoRecorder &undo;
    int value = 0;
};

} // namespace

TEST(UndoRecorder, UndoingAGroupRunsItsActionsLastFirstAndRedoes)
{
    UndoRecorder u;
    std::vector<int> order;
    u.beginUndoGrouping();
    u.registerUndo(nullptr, [&] { order.push_back(1); });
    u.registerUndo(nullptr, [&] { order.push_back(2); });
    u.endUndoGrouping();
    EXPECT_EQ(u.undoCount(), 1);
    u.undo();
    EXPECT_EQ(order, std::vector<int>({2, 1}));
    EXPECT_FALSE(u.canUndo());

    Counter c(u);
    u.beginUndoGrouping();
    c.add(2);
    c.add(3);
    u.endUndoGrouping();
    u.undo();
    EXPECT_EQ(c.value, 0);
    EXPECT_TRUE(u.canRedo());
    u.redo();
    EXPECT_EQ(c.value, 5);
    u.undo();
    EXPECT_EQ(c.value, 0);
}

TEST(UndoRecorder, NestedGroupsMakeOneStepAndNewWorkClearsRedo)
{
    UndoRecorder u;
    Counter c(u);
    u.beginUndoGrouping();
    c.add(1);
    u.beginUndoGrouping();
    c.add(10);
    u.endUndoGrouping();
    EXPECT_EQ(u.undoCount(), 0);   // the outer group is still open
    u.endUndoGrouping();
    EXPECT_EQ(u.undoCount(), 1);
    u.undo();
    EXPECT_EQ(c.value, 0);
    EXPECT_EQ(u.redoCount(), 1);
    u.beginUndoGrouping();
    c.add(4);
    u.endUndoGrouping();
    EXPECT_EQ(u.redoCount(), 0);
    // An empty group is no step; an end without a begin changes nothing.
    u.beginUndoGrouping();
    u.endUndoGrouping();
    u.endUndoGrouping();
    EXPECT_EQ(u.undoCount(), 1);
}

TEST(UndoRecorder, ActionsOutsideAGroupGroupByEvent)
{
    UndoRecorder u;
    Counter c(u);
    c.add(1);
    c.add(2);
    EXPECT_EQ(u.groupingLevel(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(u.groupingLevel(), 0);
    c.add(4);
    // Undo closes the event's own group first.
    u.undo();
    EXPECT_EQ(c.value, 3);
    u.undo();
    EXPECT_EQ(c.value, 0);

    UndoRecorder strict;
    strict.setGroupsByEvent(false);
    Counter d(strict);
    d.add(1);
    EXPECT_EQ(strict.groupingLevel(), 0);
    EXPECT_FALSE(strict.canUndo());
}

TEST(UndoRecorder, RegistrationSwitchNests)
{
    UndoRecorder u;
    Counter c(u);
    u.disableUndoRegistration();
    u.disableUndoRegistration();
    u.beginUndoGrouping();
    c.add(1);
    u.enableUndoRegistration();
    EXPECT_FALSE(u.isUndoRegistrationEnabled());
    c.add(2);
    u.enableUndoRegistration();
    u.enableUndoRegistration();   // one too many: stays on
    EXPECT_TRUE(u.isUndoRegistrationEnabled());
    c.add(4);
    u.endUndoGrouping();
    u.undo();
    EXPECT_EQ(c.value, 3);
}

TEST(UndoRecorder, ActionsAreRemovedAllOrByTarget)
{
    UndoRecorder u;
    Counter a(u), b(u);
    u.beginUndoGrouping();
    a.add(1);
    b.add(10);
    u.endUndoGrouping();
    u.beginUndoGrouping();
    a.add(2);
    u.endUndoGrouping();
    u.removeAllActionsWithTarget(&a);
    EXPECT_EQ(u.undoCount(), 1);   // the group of a alone is gone
    u.undo();
    EXPECT_EQ(a.value, 3);
    EXPECT_EQ(b.value, 0);
    u.beginUndoGrouping();
    b.add(1);
    u.endUndoGrouping();
    u.removeAllActions();
    EXPECT_FALSE(u.canUndo());
    EXPECT_FALSE(u.canRedo());
}

TEST(UndoRecorder, EveryGroupBoundaryIsACheckpoint)
{
    UndoRecorder u;
    QSignalSpy spy(&u, &UndoRecorder::checkpoint);
    Counter c(u);
    u.beginUndoGrouping();
    EXPECT_EQ(spy.count(), 1);
    c.add(1);
    u.endUndoGrouping();
    EXPECT_EQ(spy.count(), 2);
    c.add(1);   // opens the event's group
    EXPECT_EQ(spy.count(), 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 4);
    spy.clear();
    u.undo();
    EXPECT_EQ(spy.count(), 2);   // before and after the undo's own group
    // Undo is refused inside an explicit group.
    u.beginUndoGrouping();
    u.undo();
    EXPECT_EQ(c.value, 1);
    u.endUndoGrouping();
}
