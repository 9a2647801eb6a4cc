#include "UndoSupport.h"

#include "design/DesignSelection.h"
#include "design/EditingCommands.h"
#include "design/UndoSnapshots.h"
#include "design/UndoStacks.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"

#include <QPushButton>

#include <functional>
#include <iterator>

namespace {

using undotest::describe;
using undotest::LogCapture;

class Undo : public undotest::DesignWithObjects {
protected:
    // A design of three objects as started, its bottom snapshot recorded.
    void startWithThree()
    {
        text = object<SKTText>(QRectF(10, 10, 80, 20));
        text->Set_text_value(QStringLiteral("Name"));
        star = object<Shape_Control>(QRectF(40, 40, 50, 50));
        star->Set_Shape_Type(QStringLiteral("S"));
        line = object<SKTLine>(QRectF(5, 100, 100, 0));
        insert({text, star, line});
        d().undoStacks().Record_Design_As_Started();
    }
    bool undoEnabled() const { return env.design().editing().Undo_btn->isEnabled(); }
    bool redoEnabled() const { return env.design().editing().Redo_btn->isEnabled(); }

    std::shared_ptr<SKTText> text;
    std::shared_ptr<Shape_Control> star;
    std::shared_ptr<SKTLine> line;
};

TEST_F(Undo, EachKindOfStepIsUndoneAndRedoneInOneClick)
{
    // The changes as the editing operations make them, each followed by its one recorded step.
    struct Step {
        const char *name;
        std::function<void()> change;
    };
    const Step steps[] = {
        {"creation", [this] { insert({object<Shape_Control>(QRectF(30, 30, 20, 20))}); }},
        {"field edit", [this] { doc().graphics().at(1)->setXPosition(77); }},
        {"recolour", [this] { doc().graphics().at(1)->setFillColor(Qt::red); }},
        {"cut", [this] { doc().removeGraphicsAtIndexes({0}); }},
        {"text", [this] { doc().graphics().at(0)->Set_text_value(QStringLiteral("Other")); }},
    };
    startWithThree();
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        const QStringList before = design();
        step.change();
        d().undoStacks().Insert_In_Undo_Redo();
        const QStringList after = design();
        ASSERT_NE(before, after);
        d().undoStacks().Undo_Clicked();
        EXPECT_EQ(design(), before);
        d().undoStacks().Redo_Clicked();
        EXPECT_EQ(design(), after);
    }
    // Five steps above the bottom: five undos reach the design as started, the sixth does nothing.
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 6);
    for (int i = 0; i < 5; ++i)
        d().undoStacks().Undo_Clicked();
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    EXPECT_FALSE(undoEnabled());
    const QStringList bottom = design();
    d().undoStacks().Undo_Clicked();
    EXPECT_EQ(design(), bottom);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    EXPECT_EQ(d().undoStacks().Get_Redo_Count(), 5);
}

TEST_F(Undo, RedoReplaysStepsInOrder)
{
    startWithThree();
    QList<QStringList> states{design()};
    star->setXPosition(120);
    d().undoStacks().Insert_In_Undo_Redo();
    states << design();
    star->setFillColor(Qt::green);
    d().undoStacks().Insert_In_Undo_Redo();
    states << design();
    d().undoStacks().Undo_Clicked();
    d().undoStacks().Undo_Clicked();
    EXPECT_EQ(design(), states[0]);
    EXPECT_TRUE(redoEnabled());
    d().undoStacks().Redo_Clicked();
    EXPECT_EQ(design(), states[1]);
    d().undoStacks().Redo_Clicked();
    EXPECT_EQ(design(), states[2]);
    EXPECT_FALSE(redoEnabled());
    d().undoStacks().Redo_Clicked();   // nothing left to redo
    EXPECT_EQ(design(), states[2]);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 3);
}

TEST_F(Undo, StepAfterUndoEmptiesRedo)
{
    startWithThree();
    star->setXPosition(100);
    d().undoStacks().Insert_In_Undo_Redo();
    star->setXPosition(110);
    d().undoStacks().Insert_In_Undo_Redo();
    d().undoStacks().Undo_Clicked();
    d().undoStacks().Undo_Clicked();
    ASSERT_EQ(d().undoStacks().Get_Redo_Count(), 2);
    ASSERT_TRUE(redoEnabled());
    doc().graphics().at(0)->setYPosition(3);
    d().undoStacks().Insert_In_Undo_Redo();
    EXPECT_EQ(d().undoStacks().Get_Redo_Count(), 0);
    EXPECT_FALSE(redoEnabled());
    EXPECT_TRUE(undoEnabled());
}

TEST_F(Undo, UndoingToTheBottomOfAReadDesignGivesItAsRead)
{
    // A design as a reader leaves it: every kind of object, a picture and a barcode frame included.
    auto picture = std::make_shared<SKTImage>();
    picture->_bounds = QRectF(100, 10, 60, 40);
    QImage photo(120, 80, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    picture->_contents = platform::Picture::fromImage(photo, QSizeF(60, 40));
    auto barcode = std::make_shared<SKTBarcode>();
    barcode->_bounds = QRectF(10, 120, 90, 40);
    barcode->control_ID = QStringLiteral("BAR_3");
    barcode->Set_Barcode_image_control_bounds();
    auto locked = object<SKTText>(QRectF(0, 0, 30, 10));
    locked->ctrl_is_locked = true;
    locked->print_object = 1;
    insert({locked, picture, barcode, object<SKTLine>(QRectF(1, 2, 3, 4))});
    d().undoStacks().Insert_In_Undo_Stack_For_Log(doc().graphics());
    d().undoStacks().Record_Design_As_Started();
    const QStringList asRead = design();

    picture->setBounds(QRectF(0, 0, 10, 10));
    d().undoStacks().Insert_In_Undo_Redo();
    doc().removeGraphicsAtIndexes({0, 2});
    d().undoStacks().Insert_In_Undo_Redo();
    insert({object<Shape_Control>(QRectF(5, 5, 5, 5))});
    d().undoStacks().Insert_In_Undo_Redo();
    while (d().undoStacks().Get_Undo_Count() > 1)
        d().undoStacks().Undo_Clicked();
    EXPECT_EQ(design(), asRead);
    EXPECT_EQ(doc().graphics().at(2)->bar_image_ctrl_bounds, QRectF(10, 120, 90, 40));
}

TEST_F(Undo, UndoLeavesTheUnsavedFlagAndRedoSetsIt)
{
    startWithThree();
    EXPECT_FALSE(save_flag_des_mode);
    star->setXPosition(1);
    d().undoStacks().Insert_In_Undo_Redo();
    EXPECT_TRUE(save_flag_des_mode);
    save_flag_des_mode = false;
    d().undoStacks().Undo_Clicked();
    EXPECT_FALSE(save_flag_des_mode);
    d().undoStacks().Redo_Clicked();
    EXPECT_TRUE(save_flag_des_mode);
}

TEST_F(Undo, RestoringAnEmptySnapshotEmptiesTheCanvas)
{
    d().undoStacks().Record_Design_As_Started();
    insert({object<SKTText>(QRectF(0, 0, 10, 10)), object<Shape_Control>(QRectF(5, 5, 10, 10))});
    d().undoStacks().Insert_In_Undo_Redo();
    d().undoStacks().Undo_Clicked();
    EXPECT_TRUE(doc().graphics().isEmpty());
    d().undoStacks().Redo_Clicked();
    EXPECT_EQ(doc().graphics().size(), 2);
}

TEST_F(Undo, AfterUndoAndRedoNothingIsSelectedAndTheCardShows)
{
    startWithThree();
    int cleared = 0;
    d().selection().Canvas_Commands.clearSelection = [&] { ++cleared; };
    star->setXPosition(60);
    d().undoStacks().Insert_In_Undo_Redo();
    for (auto run : {&UndoStacks::Undo_Clicked, &UndoStacks::Redo_Clicked}) {
        d().selection().Set_Selected_Graphic(doc().graphics().at(1));
        d().selection().Last_Selected_Graphic = doc().graphics().at(1).get();
        const int before = cleared;
        (d().undoStacks().*run)();
        EXPECT_EQ(cleared, before + 1);
        EXPECT_TRUE(d().selection()._Selected_Graphic.expired());
        EXPECT_EQ(d().selection().Last_Selected_Graphic, nullptr);
    }
}

TEST_F(Undo, TheStartRuleRecordsTheBottomWithButtonsOffAndNothingUnsaved)
{
    startWithThree();
    star->setXPosition(1);
    d().undoStacks().Insert_In_Undo_Redo();
    d().undoStacks().Undo_Clicked();
    save_flag_des_mode = true;
    d().undoStacks().Record_Design_As_Started();
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    EXPECT_EQ(d().undoStacks().Get_Redo_Count(), 0);
    EXPECT_FALSE(undoEnabled());
    EXPECT_FALSE(redoEnabled());
    EXPECT_FALSE(save_flag_des_mode);
    // Undo is offered from the first step above the bottom on.
    star->setXPosition(2);
    d().undoStacks().Insert_In_Undo_Redo();
    EXPECT_TRUE(undoEnabled());
}

TEST_F(Undo, AnObjectThatFailsToArchiveLeavesTheStacksAsTheyWere)
{
    startWithThree();
    star->setXPosition(100);
    d().undoStacks().Insert_In_Undo_Redo();
    d().undoStacks().Undo_Clicked();
    ASSERT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    ASSERT_EQ(d().undoStacks().Get_Redo_Count(), 1);
    // From here on the last object never makes it into a snapshot.
    d().undoStacks().Take_Design_Snapshot = [](const SKTGraphicList &graphics) {
        return std::make_shared<DesignSnapshot>(graphics.mid(0, graphics.size() - 1));
    };
    const auto bottom = Ucontrol.last();
    const auto redoTop = Rcontrol.last();
    save_flag_des_mode = false;
    LogCapture log;

    star->setXPosition(5);
    d().undoStacks().Insert_In_Undo_Redo();
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    EXPECT_EQ(d().undoStacks().Get_Redo_Count(), 1);
    EXPECT_EQ(Ucontrol.last(), bottom);
    EXPECT_EQ(Rcontrol.last(), redoTop);
    EXPECT_FALSE(save_flag_des_mode);
    EXPECT_TRUE(log.contains(QStringLiteral("holds 2 of the design's 3 objects")));

    // An undo whose snapshot of the design as shown misses an object stops before changing anything.
    d().undoStacks().Take_Design_Snapshot = {};
    d().undoStacks().Insert_In_Undo_Redo();
    ASSERT_EQ(d().undoStacks().Get_Undo_Count(), 2);
    const QStringList shown = design();
    d().undoStacks().Take_Design_Snapshot = [](const SKTGraphicList &graphics) {
        return std::make_shared<DesignSnapshot>(graphics.mid(1));
    };
    d().undoStacks().Undo_Clicked();
    EXPECT_EQ(design(), shown);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);
    EXPECT_EQ(d().undoStacks().Get_Redo_Count(), 0);
    EXPECT_EQ(Ucontrol_Log.size(), 0);
    EXPECT_FALSE(d().undoStacks().Insert_In_Undo_Stack_For_Log(doc().graphics()));
    EXPECT_TRUE(Ucontrol_Log.isEmpty());
}

TEST_F(Undo, UndoAndRedoButtonsFollowTheStacks)
{
    startWithThree();
    struct Expect {
        int undo, redo;
        bool undoOn, redoOn;
    };
    // bottom only; one step; two steps; one undone; two undone; one redone.
    const std::function<void()> actions[] = {
        [] {},
        [&] { star->setXPosition(1); d().undoStacks().Insert_In_Undo_Redo(); },
        [&] { star->setXPosition(2); d().undoStacks().Insert_In_Undo_Redo(); },
        [&] { d().undoStacks().Undo_Clicked(); },
        [&] { d().undoStacks().Undo_Clicked(); },
        [&] { d().undoStacks().Redo_Clicked(); },
    };
    const Expect expects[] = {{1, 0, false, false}, {2, 0, true, false}, {3, 0, true, false},
                              {2, 1, true, true},   {1, 2, false, true}, {2, 1, true, true}};
    for (size_t i = 0; i < std::size(actions); ++i) {
        SCOPED_TRACE(i);
        actions[i]();
        EXPECT_EQ(d().undoStacks().Get_Undo_Count(), expects[i].undo);
        EXPECT_EQ(d().undoStacks().Get_Redo_Count(), expects[i].redo);
        EXPECT_EQ(undoEnabled(), expects[i].undoOn);
        EXPECT_EQ(redoEnabled(), expects[i].redoOn);
    }
    d().undoStacks().Undo_Redo_Clear();
    EXPECT_EQ(d().undoStacks().Get_Undo_Count() + d().undoStacks().Get_Redo_Count(), 0);
    EXPECT_FALSE(undoEnabled() || redoEnabled());
}

TEST_F(Undo, TheButtonsRunUndoAndRedoWithTheBatchRefresh)
{
    d().editing().Wire_Editing_Commands();
    startWithThree();
    star->setXPosition(90);
    d().undoStacks().Insert_In_Undo_Redo();
    const QStringList after = design();
    // The batch refresh of a design with no bindings counts one card.
    Total_Batch_Excel_Card = 7;
    d().editing().Undo_btn->click();
    EXPECT_EQ(star->xPosition(), 90);   // the design's objects are new ones
    EXPECT_EQ(doc().graphics().at(1)->xPosition(), 40);
    EXPECT_EQ(Total_Batch_Excel_Card, 1);
    Total_Batch_Excel_Card = 7;
    d().editing().Redo_btn->click();
    EXPECT_EQ(design(), after);
    EXPECT_EQ(Total_Batch_Excel_Card, 1);
}

TEST(UndoSnapshots, ACompleteArchiveHasEveryKeyOfItsClassReadable)
{
    for (SKTGraphicClass kind : {SKTGraphicClass::Text, SKTGraphicClass::Line, SKTGraphicClass::Shape,
                                 SKTGraphicClass::Image, SKTGraphicClass::Barcode, SKTGraphicClass::Signature}) {
        const auto g = SKTGraphic::graphicOfClass(kind);
        SCOPED_TRACE(g->className().toStdString());
        ObjectArchive full(g->className());
        g->encodeWithCoder(full);
        EXPECT_TRUE(Archive_Is_Complete(full));

        // Cut short, as an encoding that failed half way leaves it.
        ObjectArchive partial(g->className());
        for (size_t i = 0; i + 1 < full.entries().size(); ++i)
            partial.append(full.entries()[i].key, full.entries()[i].value);
        EXPECT_FALSE(Archive_Is_Complete(partial));

        ObjectArchive broken(g->className());
        for (const ObjectArchive::Entry &e : full.entries())
            broken.append(e.key, e.key == QLatin1String("_bounds") ? ObjectArchive::Value(ObjectArchive::Broken{QStringLiteral("x")})
                                                                   : e.value);
        EXPECT_FALSE(Archive_Is_Complete(broken));
    }
    EXPECT_FALSE(Archive_Is_Complete(ObjectArchive(QStringLiteral("NoSuchClass"))));
}

TEST(UndoSnapshots, ASnapshotStandsForTheObjectsOnlyOneToOneInOrder)
{
    const SKTGraphicList graphics{std::make_shared<SKTText>(), std::make_shared<Shape_Control>()};
    EXPECT_TRUE(Snapshot_Fault(DesignSnapshot(graphics), graphics).isEmpty());
    EXPECT_FALSE(Snapshot_Fault(DesignSnapshot(graphics.mid(1)), graphics).isEmpty());
    // The same number of archives of the wrong objects.
    const SKTGraphicList swapped{graphics.at(1), graphics.at(0)};
    EXPECT_FALSE(Snapshot_Fault(DesignSnapshot(swapped), graphics).isEmpty());
    EXPECT_TRUE(Snapshot_Fault(DesignSnapshot(), SKTGraphicList()).isEmpty());
}

TEST(UndoSnapshots, UnreadableArchivesAreLoggedAndReadablePartsKept)
{
    LogCapture log;
    auto text = std::make_shared<SKTText>();
    text->Text_Value = QStringLiteral("kept");
    QList<ObjectArchive> archives = SKTGraphic::propertiesWithGraphics({text});
    archives.prepend(ObjectArchive(QStringLiteral("NoSuchClass")));
    ObjectArchive half(QStringLiteral("Shape_Control"));
    half.encodeRect(QRectF(1, 2, 3, 4), QStringLiteral("_bounds"));
    half.append(QStringLiteral("ctrl_is_locked"), ObjectArchive::Broken{QStringLiteral("bad")});
    archives.append(half);

    const SKTGraphicList restored = Restore_Snapshot_Objects(archives);
    ASSERT_EQ(restored.size(), 2);
    EXPECT_EQ(restored.at(0)->Text_Value, QStringLiteral("kept"));
    EXPECT_EQ(restored.at(1)->bounds(), QRectF(1, 2, 3, 4));
    EXPECT_TRUE(log.contains(QStringLiteral("archive 1 (NoSuchClass) could not be read")));
    EXPECT_TRUE(log.contains(QStringLiteral("archive 3 (Shape_Control) could be read only up to \"ctrl_is_locked\"")));
}

} // namespace
