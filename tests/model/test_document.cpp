// The design document: its ordered objects, the container role, undo of insertions, removals and
// property changes per undo group, and its native data.

#include "model/DesignSnapshot.h"
#include "model/SKTDocument.h"
#include "model/SKTError.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "core/Globals.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

std::shared_ptr<SKTGraphic> shapeAt(double x)
{
    auto g = std::make_shared<Shape_Control>();
    g->_bounds = QRectF(x, 10, 20, 20);
    return g;
}

QList<int> range(int count)
{
    QList<int> out;
    for (int i = 0; i < count; ++i)
        out << i;
    return out;
}

// A document holding n shapes, inserted with registration off so nothing is recorded.
struct Filled {
    explicit Filled(int n)
    {
        doc.Enable_Disable_Undo_Registraion(false);
        for (int i = 0; i < n; ++i)
            objects << shapeAt(100 * i);
        doc.insertGraphics(objects, range(n));
        doc.Enable_Disable_Undo_Registraion(true);
    }
    SKTDocument doc;
    SKTGraphicList objects;
};

} // namespace

TEST(DesignDocument, ANewDocumentIsEmptyAndItsDataSaysSo)
{
    SKTDocument doc;
    EXPECT_TRUE(doc.graphics().isEmpty());
    EXPECT_FALSE(doc.isDocumentEdited());
    EXPECT_EQ(doc.displayName(), QCoreApplication::applicationName());
    const QByteArray data = doc.dataOfType(SKTDocumentNewTypeName);
    const std::optional<platform::PlistValue> root = platform::plistFromData(data);
    ASSERT_TRUE(root);
    ASSERT_EQ(root->type(), platform::PlistValue::Type::Dictionary);
    EXPECT_EQ(root->entries().size(), 3u);
    EXPECT_EQ(root->value(QStringLiteral("version"))->toInteger(), 2);
    EXPECT_EQ(root->value(QStringLiteral("graphics"))->type(), platform::PlistValue::Type::Array);
    EXPECT_TRUE(root->value(QStringLiteral("graphics"))->items().empty());
    const platform::PlistValue *printInfo = root->value(QStringLiteral("printInfo"));
    ASSERT_TRUE(printInfo && printInfo->type() == platform::PlistValue::Type::Data);
    const std::optional<platform::PlistValue> page = platform::plistFromData(printInfo->toData());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->value(QStringLiteral("paperName"))->toString(), doc.printInfo().pageLayout.pageSize().key());
    // Reading a document always fails.
    SKTError error;
    EXPECT_FALSE(doc.readFromData(data, SKTDocumentNewTypeName, &error));
    EXPECT_EQ(error.code, 0);
}

TEST(DesignDocument, NativeDataHoldsTheObjectsFrontMostFirst)
{
    Filled f(2);
    auto text = std::make_shared<SKTText>();
    text->Text_Value = QStringLiteral("front");
    f.doc.insertGraphics({text}, {0});
    for (const QString &type : {SKTDocumentNewTypeName, SKTDocumentOldTypeName}) {
        const std::optional<platform::PlistValue> root = platform::plistFromData(f.doc.dataOfType(type));
        ASSERT_TRUE(root);
        const auto &items = root->value(QStringLiteral("graphics"))->items();
        ASSERT_EQ(items.size(), 3u);
        const std::optional<ObjectArchive> first = ObjectArchive::fromData(items[0].toData());
        ASSERT_TRUE(first);
        EXPECT_EQ(first->className(), QStringLiteral("SKTText"));
        EXPECT_EQ(ObjectArchive::fromData(items[2].toData())->className(), QStringLiteral("Shape_Control"));
    }
    EXPECT_TRUE(f.doc.dataOfType(QStringLiteral("public.plain-text")).isEmpty());
}

TEST(DesignDocument, InsertionsAndRemovalsAreAnnouncedAndSetTheContainer)
{
    Filled f(3);
    QSignalSpy spy(&f.doc, &SKTDocument::graphicsChanged);
    const auto a = shapeAt(1), b = shapeAt(2);
    f.doc.insertGraphics({a, b}, {1, 3});
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<SKTDocument::GraphicsChange>(), SKTDocument::GraphicsChange::Insertion);
    EXPECT_EQ(spy.at(0).at(1).value<QList<int>>(), QList<int>({1, 3}));
    EXPECT_EQ(f.doc.graphics().at(1), a);
    EXPECT_EQ(f.doc.graphics().at(3), b);
    EXPECT_EQ(a->scriptingContainer(), &f.doc);

    f.doc.removeGraphicsAtIndexes({1});
    EXPECT_EQ(spy.at(1).at(0).value<SKTDocument::GraphicsChange>(), SKTDocument::GraphicsChange::Removal);
    EXPECT_EQ(spy.at(1).at(2).value<SKTGraphicList>(), SKTGraphicList({a}));
    EXPECT_EQ(a->scriptingContainer(), nullptr);

    // Indexes that do not fit change nothing.
    f.doc.insertGraphics({shapeAt(0)}, {9});
    f.doc.insertGraphics({shapeAt(0), shapeAt(1)}, {2, 1});
    f.doc.removeGraphicsAtIndexes({0, 4});
    EXPECT_EQ(f.doc.graphics().size(), 4);
    EXPECT_EQ(spy.count(), 2);
}

TEST(DesignDocument, UndoingAGroupRemovesWhatItInserted)
{
    Filled f(3);
    const auto a = shapeAt(1), b = shapeAt(2);
    f.doc.undoManager().beginUndoGrouping();
    f.doc.insertGraphics({a, b}, {0, 1});
    f.doc.undoManager().endUndoGrouping();
    ASSERT_EQ(f.doc.graphics(), SKTGraphicList({a, b, f.objects[0], f.objects[1], f.objects[2]}));
    f.doc.undoManager().undo();
    EXPECT_EQ(f.doc.graphics(), f.objects);
    EXPECT_EQ(a->scriptingContainer(), nullptr);
    // The removal registered its inverse: redo puts them back.
    f.doc.undoManager().redo();
    EXPECT_EQ(f.doc.graphics().at(0), a);
    EXPECT_EQ(f.doc.graphics().at(1), b);
}

TEST(DesignDocument, ARemovalIsUndoneAtTheSameIndexes)
{
    Filled f(5);
    f.doc.undoManager().beginUndoGrouping();
    f.doc.removeGraphicsAtIndexes({1, 3});
    f.doc.undoManager().endUndoGrouping();
    EXPECT_EQ(f.doc.graphics(), SKTGraphicList({f.objects[0], f.objects[2], f.objects[4]}));
    f.doc.undoManager().undo();
    EXPECT_EQ(f.doc.graphics(), f.objects);
    EXPECT_EQ(f.objects[3]->scriptingContainer(), &f.doc);
}

TEST(DesignDocument, AGroupRecordsTheFirstOldValueOfAProperty)
{
    Filled f(1);
    const auto g = f.objects[0];
    const QRectF start = g->bounds();
    f.doc.undoManager().beginUndoGrouping();
    g->setBounds(start.translated(5, 0));
    g->setBounds(start.translated(9, 9));
    g->setStrokeWidth(4);
    f.doc.undoManager().endUndoGrouping();
    EXPECT_EQ(f.doc.undoManager().undoCount(), 1);
    EXPECT_EQ(f.doc.undoManager().undoActionCount(), 1);
    f.doc.undoManager().undo();
    EXPECT_EQ(g->bounds(), start);
    EXPECT_EQ(g->strokeWidth(), 1.0);
    // The restoring is recorded in turn: redo moves it back.
    f.doc.undoManager().redo();
    EXPECT_EQ(g->bounds(), start.translated(9, 9));
    EXPECT_EQ(g->strokeWidth(), 4.0);
}

TEST(DesignDocument, ObjectsAreObservedByTheirOwnKeys)
{
    Filled f(0);
    auto line = std::make_shared<SKTLine>();
    line->_bounds = QRectF(0, 0, 10, 10);
    auto image = std::make_shared<SKTImage>();
    f.doc.insertGraphics({line, image}, {0, 1});
    QCoreApplication::processEvents();   // the insertion's own group closes with its event
    f.doc.undoManager().removeAllActions();
    const QPointF begin = line->beginPoint(), end = line->endPoint();

    f.doc.undoManager().beginUndoGrouping();
    line->setEndPoint(QPointF(30, 40));
    image->setValue(true, QStringLiteral("flippedHorizontally"));
    image->_bounds = QRectF(1, 1, 1, 1);   // a field written directly reports nothing
    f.doc.undoManager().endUndoGrouping();
    f.doc.undoManager().undo();
    EXPECT_EQ(line->beginPoint(), begin);
    EXPECT_EQ(line->endPoint(), end);
    EXPECT_FALSE(image->_isFlippedHorizontally);
    EXPECT_EQ(image->_bounds, QRectF(1, 1, 1, 1));
}

TEST(DesignDocument, ChangesOfNewObjectsOrToEqualValuesRecordNothing)
{
    Filled f(1);
    const auto fresh = shapeAt(50);
    f.doc.undoManager().beginUndoGrouping();
    f.doc.insertGraphics({fresh}, {0});
    fresh->setBounds(QRectF(0, 0, 5, 5));
    f.doc.undoManager().endUndoGrouping();
    EXPECT_EQ(f.doc.undoManager().undoActionCount(), 1);   // the removal alone
    f.doc.undoManager().undo();
    EXPECT_EQ(f.doc.graphics(), f.objects);
    EXPECT_EQ(fresh->bounds(), QRectF(0, 0, 5, 5));   // nothing recorded for it

    const auto old = f.objects[0];
    f.doc.undoManager().removeAllActions();
    f.doc.undoManager().beginUndoGrouping();
    old->setBounds(old->bounds());
    old->setFillColor(old->fillColor());
    f.doc.undoManager().endUndoGrouping();
    EXPECT_EQ(f.doc.undoManager().undoCount(), 0);
    EXPECT_FALSE(f.doc.undoManager().canUndo());
}

TEST(DesignDocument, WithRegistrationOffInsertionsAreObservedNotRecorded)
{
    Filled f(1);
    const auto fresh = shapeAt(50);
    f.doc.Enable_Disable_Undo_Registraion(false);
    f.doc.undoManager().beginUndoGrouping();
    f.doc.insertGraphics({fresh}, {1});
    f.doc.undoManager().endUndoGrouping();
    f.doc.Enable_Disable_Undo_Registraion(true);
    EXPECT_EQ(f.doc.undoManager().undoCount(), 0);
    EXPECT_EQ(fresh->scriptingContainer(), &f.doc);

    // Observed: a later change of it is recorded, as for any object of the list.
    const QRectF before = fresh->bounds();
    f.doc.undoManager().beginUndoGrouping();
    fresh->setBounds(QRectF(1, 2, 3, 4));
    f.doc.undoManager().endUndoGrouping();
    f.doc.undoManager().undo();
    EXPECT_EQ(fresh->bounds(), before);
    EXPECT_EQ(f.doc.graphics().size(), 2);
}

TEST(DesignDocument, AnEventsChangesFormOneGroup)
{
    Filled f(2);
    const auto g = f.objects[0];
    const QRectF start = g->bounds();
    g->setBounds(start.translated(1, 0));
    g->setBounds(start.translated(2, 0));
    f.objects[1]->setFillColor(Qt::red);
    EXPECT_EQ(f.doc.undoManager().undoActionCount(), 1);   // one record of old values for the group
    f.objects[1]->setFillColor(Qt::white);
    QCoreApplication::processEvents();
    g->setBounds(start.translated(3, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.doc.undoManager().undoCount(), 2);
    f.doc.undoManager().undo();
    EXPECT_EQ(g->bounds(), start.translated(2, 0));
    f.doc.undoManager().undo();
    EXPECT_EQ(g->bounds(), start);
}

TEST(DesignDocument, ClearingUndoEmptiesTheListWithoutRecording)
{
    Filled f(3);
    f.doc.undoManager().beginUndoGrouping();
    f.doc.insertGraphics({shapeAt(7)}, {0});
    f.doc.undoManager().endUndoGrouping();
    QSignalSpy spy(&f.doc, &SKTDocument::graphicsChanged);
    f.doc.Clear_All_Undo_Redo();
    EXPECT_TRUE(f.doc.graphics().isEmpty());
    EXPECT_FALSE(f.doc.undoManager().canUndo());
    EXPECT_TRUE(f.doc.undoManager().isUndoRegistrationEnabled());
    EXPECT_EQ(spy.count(), 1);
    for (const auto &g : f.objects)
        EXPECT_EQ(g->scriptingContainer(), nullptr);
}

TEST(DesignDocument, ObjectsOutliveTheirDocumentFreeOfIt)
{
    SKTGraphicList kept;
    {
        Filled f(2);
        kept = f.objects;
    }
    for (const auto &g : kept) {
        EXPECT_EQ(g->scriptingContainer(), nullptr);
        g->setBounds(QRectF(0, 0, 1, 1));   // reports to no one
    }
}

TEST(DesignDocument, ChangesAreRelayedAndDocumentIsNeverEdited)
{
    Filled f(1);
    QSignalSpy spy(&f.doc, &SKTDocument::graphicChanged);
    f.objects[0]->setStrokeColor(Qt::red);
    ASSERT_GE(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(1).toString(), QStringLiteral("strokeColor"));
    EXPECT_FALSE(f.doc.isDocumentEdited());
}
