// Hit testing, moving, resizing and selecting with the mouse, and the keyboard's nudges.

#include "CanvasSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

using canvastest::CanvasFixture;

class CanvasMouse : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(&view, Qt::LeftButton, modifiers, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, modifiers, to);
    }
};

TEST(CanvasHitTesting, NearnessToALineIsAnEllipse)
{
    const QPointF a(0, 0), b(100, 0);
    struct Case {
        QPointF p;
        bool near;
    };
    for (const Case &c : {Case{{50, 5}, true}, Case{{50, 5.1}, false}, Case{{100.2, 0}, true}, Case{{100.3, 0}, false},
                          Case{{-0.2, 0}, true}, Case{{50, 0}, true}}) {
        EXPECT_EQ(SKTGraphicView::isPoint(c.p, a, b, 0.5), c.near) << c.p.x() << ", " << c.p.y();
    }
    EXPECT_DOUBLE_EQ(SKTGraphicView::distanceBetweenPointA(QPointF(0, 0), QPointF(3, 4)), 5.0);
}

TEST_F(CanvasFixture, PointOutsideAStarsOutlinePassesToTheObjectsBehind)
{
    auto star = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
    star->Set_Shape_Type(QStringLiteral("S"));
    star->setBounds(QRectF(0, 0, 100, 100));
    const auto behind = addShape(QRectF(0, 0, 100, 100));
    document.insertGraphics({star}, {0});
    int index = -7, handle = -7;
    bool selected = true;
    EXPECT_EQ(view.graphicUnderPoint(QPointF(3, 3), &index, &selected, &handle), behind);
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(selected);
    EXPECT_EQ(handle, SKTGraphicNoHandle);
    EXPECT_EQ(view.graphicUnderPoint(QPointF(50, 50)), star);

    // Hidden objects are never hit nor collected; an empty spot writes nothing.
    star->ctrl_is_visible = false;
    behind->ctrl_is_visible = false;
    index = -7;
    EXPECT_EQ(view.graphicUnderPoint(QPointF(50, 50), &index), nullptr);
    EXPECT_EQ(index, -7);
    EXPECT_TRUE(view.indexesOfGraphicsIntersectingRect(QRectF(0, 0, 300, 200)).isEmpty());
}

TEST_F(CanvasFixture, HandlesAreHitOnlyOnSelectedObjects)
{
    const auto g = addShape(QRectF(50, 50, 100, 60));
    int handle = -1;
    EXPECT_EQ(view.graphicUnderPoint(QPointF(150, 110), nullptr, nullptr, &handle), nullptr)
        << "the corner is outside an unselected shape";
    view.changeSelectionIndexes({0});
    EXPECT_EQ(view.graphicUnderPoint(QPointF(150, 110), nullptr, nullptr, &handle), g);
    EXPECT_EQ(handle, 8);
}

TEST_F(CanvasMouse, ClickUnderTwoPointsMovesAndRecordsNothingYetRefreshes)
{
    const auto g = addShape(QRectF(10, 10, 50, 50));
    drag(QPoint(20, 20), QPoint(21, 21));
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 50, 50));
    EXPECT_EQ(host.snapshots, 0);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(view.selectionIndexes(), QList<int>{0});
    EXPECT_EQ(host.current.lock(), g);
    EXPECT_FALSE(view.isHidingHandles());
}

TEST_F(CanvasMouse, GridSnapsTheSelectionsOriginNotThePointer)
{
    SKTGrid grid;
    grid.setSpacing(9);
    grid.setConstraining(true);
    view.setGrid(&grid);
    const auto g = addShape(QRectF(10, 10, 40, 40));
    drag(QPoint(15, 15), QPoint(20, 18));
    EXPECT_EQ(g->bounds().topLeft(), QPointF(18, 9));
    EXPECT_EQ(host.snapshots, 1);
    EXPECT_FALSE(view.isHidingHandles());
}

TEST_F(CanvasMouse, LockedOnlyDragMovesNothingYetRecordsOneStep)
{
    const auto g = addShape(QRectF(10, 10, 40, 40));
    g->ctrl_is_locked = true;
    drag(QPoint(20, 20), QPoint(60, 70));
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 40, 40));
    EXPECT_EQ(host.snapshots, 1);
}

TEST_F(CanvasMouse, ResizeRecordsOneStepWithTheRulersHidden)
{
    const auto g = addShape(QRectF(10, 10, 40, 40));
    view.changeSelectionIndexes({0});
    drag(QPoint(50, 50), QPoint(80, 70));   // the bottom-right handle
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 70, 60));
    EXPECT_EQ(host.snapshots, 1);
    // Past the opposite edge the frame flips.
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(80, 70));
    EXPECT_EQ(view.tracking(), SKTGraphicView::Tracking::Resizing);
    QTest::mouseMove(&view, QPoint(1, 1));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(g->bounds(), QRectF(1, 1, 9, 9));
    EXPECT_EQ(host.snapshots, 2);
}

TEST_F(CanvasMouse, CtrlClickTogglesWithoutMoving)
{
    const auto a = addShape(QRectF(10, 10, 40, 40));
    const auto b = addShape(QRectF(100, 10, 40, 40));
    view.changeSelectionIndexes({0, 1});
    drag(QPoint(120, 20), QPoint(160, 60), Qt::ControlModifier);
    EXPECT_EQ(view.selectionIndexes(), QList<int>{0});
    EXPECT_EQ(b->bounds(), QRectF(100, 10, 40, 40));
    EXPECT_EQ(host.snapshots, 0);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::ControlModifier, QPoint(120, 20));
    EXPECT_EQ(view.selectionIndexes(), (QList<int>{0, 1}));
    // A plain click on the card clears.
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(250, 150));
    EXPECT_TRUE(view.selectionIndexes().isEmpty());
}

TEST_F(CanvasMouse, MarqueeTogglesWhatItTouches)
{
    addShape(QRectF(10, 10, 20, 20));
    addShape(QRectF(60, 10, 20, 20));
    addShape(QRectF(200, 150, 20, 20));
    view.changeSelectionIndexes({0});
    // Touching nothing leaves the selection.
    drag(QPoint(150, 80), QPoint(170, 100), Qt::ControlModifier);
    EXPECT_EQ(view.selectionIndexes(), QList<int>{0});
    // Touching the first two toggles them against the selection at the start.
    drag(QPoint(5, 60), QPoint(70, 25), Qt::ControlModifier);
    EXPECT_EQ(view.selectionIndexes(), QList<int>{1});
    EXPECT_TRUE(view.marqueeSelectionBounds().isNull());
}

TEST_F(CanvasMouse, DoubleClickOpensTheBarcodeWindowOnALoneSelectedBarcode)
{
    auto barcode = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
    barcode->setBounds(QRectF(10, 10, 60, 30));
    document.insertGraphics({barcode}, {0});
    addShape(QRectF(100, 100, 20, 20));
    view.changeSelectionIndexes({0, 1});
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(host.openedBarcodes.isEmpty()) << "not the only selected object";
    view.changeSelectionIndexes({0});
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(host.openedBarcodes, SKTGraphicList{barcode});
}

TEST_F(CanvasMouse, ArrowKeysNudgeByOnePointAndRecordEveryPress)
{
    const auto g = addShape(QRectF(10, 10, 40, 40));
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(host.snapshots, 1) << "a step even with nothing selected";
    view.changeSelectionIndexes({0});
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(g->bounds().topLeft(), QPointF(11, 9));
    EXPECT_TRUE(view.isHidingHandles());
    EXPECT_EQ(host.snapshots, 3);
    QTest::qWait(650);
    EXPECT_FALSE(view.isHidingHandles());
}

TEST_F(CanvasMouse, DeleteRefusesLockedObjects)
{
    const auto a = addShape(QRectF(10, 10, 40, 40));
    addShape(QRectF(100, 10, 40, 40));
    a->ctrl_is_locked = true;
    view.changeSelectionIndexes({0, 1});
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(host.snapshots, 0);
    view.changeSelectionIndexes({1});
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(document.graphics(), SKTGraphicList{a});
    EXPECT_EQ(host.snapshots, 1);
    EXPECT_EQ(host.batchRecounts, 1);
}

TEST_F(CanvasFixture, ContextMenuNamesEveryObjectByKindAndNumber)
{
    const auto text = [this](const QString &value) {
        auto t = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
        t->Text_Value = value;
        document.insertGraphics({t}, {int(document.graphics().size())});
    };
    text(QStringLiteral("  Name  "));
    text(QStringLiteral("   "));
    addShape(QRectF(0, 0, 10, 10));
    auto star = addShape(QRectF(0, 0, 10, 10));
    star->Set_Shape_Type(QStringLiteral("S"));
    addShape(QRectF(0, 0, 10, 10));
    text(QString(60, QLatin1Char('x')));
    auto barcode = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
    document.insertGraphics({barcode}, {int(document.graphics().size())});
    EXPECT_EQ(view.Context_Menu_Object_Names(),
              (QStringList{"Text 1 - Name", "Text 2", "Rectangle 1", "Star 1", "Rectangle 2",
                           "Text 3 - " + QString(50, QLatin1Char('x')) + "...", "Barcode 1"}));

    std::unique_ptr<QMenu> menu(view.contextMenu());
    EXPECT_EQ(menu->title(), QStringLiteral("Contextual Menu"));
    const QList<QAction *> items = menu->actions();
    ASSERT_EQ(items.size(), 6 + 7);
    QStringList fixed;
    for (int i = 0; i < 5; ++i)
        fixed << items.at(i)->text();
    EXPECT_EQ(fixed, (QStringList{"Cut", "Copy", "Paste", "Delete", "Label Properties"}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(items.at(i)->isSeparator(), i == 5) << i;
    EXPECT_EQ(items.at(8)->text(), QStringLiteral("Select Rectangle 1"));
    view.changeSelectionIndexes({0, 1});
    items.at(9)->trigger();
    EXPECT_EQ(view.selectionIndexes(), QList<int>{3});
    EXPECT_EQ(host.current.lock(), star);
}

namespace {

void sendMouse(QWidget &view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

} // namespace

// A release that never reaches the canvas (a menu or a message box opened mid-drag takes it) must
// not leave the drag running: the next click would move the old selection.
TEST_F(CanvasMouse, ALostReleaseEndsTheDragWhereItWas)
{
    enum class Loss { ContextMenu, FocusLoss, NextPress };
    const auto g = addShape(QRectF(10, 10, 40, 40));
    for (Loss loss : {Loss::ContextMenu, Loss::FocusLoss, Loss::NextPress}) {
        SCOPED_TRACE(int(loss));
        g->setBounds(QRectF(10, 10, 40, 40));
        view.changeSelectionIndexes({});
        host.snapshots = 0;
        sendMouse(view, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton, Qt::LeftButton);
        sendMouse(view, QEvent::MouseMove, QPoint(60, 50), Qt::NoButton, Qt::LeftButton);
        ASSERT_EQ(view.tracking(), SKTGraphicView::Tracking::Moving);
        ASSERT_EQ(g->bounds(), QRectF(50, 40, 40, 40));

        switch (loss) {
        case Loss::ContextMenu: {
            QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(60, 50), view.mapToGlobal(QPoint(60, 50)));
            QApplication::sendEvent(&view, &request);
            if (QWidget *menu = QApplication::activePopupWidget())
                menu->close();
            break;
        }
        case Loss::FocusLoss: {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(&view, &out);
            break;
        }
        case Loss::NextPress:
            break;
        }
        if (loss != Loss::NextPress) {
            EXPECT_EQ(view.tracking(), SKTGraphicView::Tracking::None);
        }

        // A click on an empty spot deselects and moves nothing.
        sendMouse(view, QEvent::MouseButtonPress, QPoint(200, 150), Qt::LeftButton, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, QPoint(200, 150), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(g->bounds(), QRectF(50, 40, 40, 40));
        EXPECT_EQ(view.tracking(), SKTGraphicView::Tracking::None);
        EXPECT_TRUE(view.selectionIndexes().isEmpty());
        EXPECT_EQ(host.snapshots, 1) << "the drag that was made is one step";
    }
}
