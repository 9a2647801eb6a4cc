#include "imagetools/MSSCanvas.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "platform/PictureView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

namespace {

platform::Picture solid(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::darkGreen);
    return platform::Picture::fromImage(image, QSizeF(w, h));
}

// A 200 x 100 picture centred unscaled in a 400 x 300 view: the canvas covers (100, 100) to
// (300, 200) in the view's widget pixels.
struct CanvasFixture : ::testing::Test {
    platform::PictureView view;
    std::unique_ptr<MSSCanvasController> controller;
    MSSCanvas *canvas = nullptr;

    void SetUp() override
    {
        view.resize(400, 300);
        view.setPicture(solid(200, 100));
        controller = std::make_unique<MSSCanvasController>(&view);
        canvas = controller->view();
        view.show();
    }
    // Canvas points (y up) to the canvas widget's pixels.
    QPointF px(QPointF p) const { return {p.x(), canvas->height() - p.y()}; }
    void send(QEvent::Type type, QPointF p, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = {})
    {
        const QPointF local = px(p);
        QMouseEvent e(type, local, canvas->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, mods);
        QApplication::sendEvent(canvas, &e);
    }
    void press(QPointF p, Qt::KeyboardModifiers mods = {}) { send(QEvent::MouseButtonPress, p, Qt::LeftButton, mods); }
    void drag(QPointF p) { send(QEvent::MouseMove, p, Qt::LeftButton); }
    void release(QPointF p) { send(QEvent::MouseButtonRelease, p, Qt::NoButton); }
    void hover(QPointF p) { send(QEvent::MouseMove, p, Qt::NoButton); }
    void drawOut(QPointF from, QPointF to)
    {
        press(from);
        drag(to);
        release(to);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(canvas, k, mods); }
    QRectF onlyFrame() const
    {
        const auto list = controller->selectors();
        return list.size() == 1 ? list.front()->frame() : QRectF(-1, -1, -1, -1);
    }
};

TEST_F(CanvasFixture, LiesOverTheDisplayedPicture)
{
    EXPECT_EQ(canvas->geometry(), QRect(100, 100, 200, 100));
    EXPECT_EQ(controller->canvasFrame(), QRectF(100, 100, 200, 100));
}

TEST_F(CanvasFixture, FollowsTheViewsScalingPictureAndSize)
{
    view.setImageScaling(platform::ImageScaling::ProportionallyUpOrDown);
    EXPECT_EQ(canvas->geometry(), QRect(0, 50, 400, 200));
    view.setImageAlignment(Qt::AlignTop | Qt::AlignLeft);
    EXPECT_EQ(canvas->geometry(), QRect(0, 0, 400, 200));
    view.resize(200, 300);
    EXPECT_EQ(canvas->geometry(), QRect(0, 0, 200, 100));
    view.setPicture(platform::Picture());
    EXPECT_EQ(canvas->geometry().size(), QSize(0, 0));
}

TEST_F(CanvasFixture, APressAndDragDrawsOutFromThePressPoint)
{
    drawOut({20, 10}, {120, 70});
    EXPECT_EQ(onlyFrame(), QRectF(20, 10, 100, 60));
    EXPECT_EQ(controller->currentSelector(), controller->selectors().front());
}

TEST_F(CanvasFixture, APressWithoutDragLeavesNothing)
{
    press({50, 50});
    release({50, 50});
    EXPECT_FALSE(controller->hasSelectors());
    EXPECT_FALSE(controller->hasSelector());
}

TEST_F(CanvasFixture, DrawingOutStopsAtTheEdgesOfThePicture)
{
    drawOut({150, 60}, {260, -30});
    EXPECT_EQ(onlyFrame(), QRectF(150, 0, 50, 60));
}

TEST_F(CanvasFixture, APressOutsideStartsARubberBandNotASecondRectangle)
{
    drawOut({10, 10}, {50, 50});
    press({150, 80});
    ASSERT_NE(controller->currentSelector(), nullptr);
    EXPECT_TRUE(controller->currentSelector()->isPicker());
    drag({180, 90});
    // The rubber band touches nothing: after release the rectangle stays unselected.
    release({180, 90});
    EXPECT_EQ(controller->selectors().size(), 1u);
    EXPECT_FALSE(controller->hasSelector());
    EXPECT_FALSE(controller->selectors().front()->isSelected());
}

TEST_F(CanvasFixture, ARubberBandTouchingAHandleSelectsAndLeavesNoPicker)
{
    drawOut({10, 10}, {50, 50});
    press({100, 90});
    drag({52, 52});   // inside the top-right handle's square only
    release({52, 52});
    ASSERT_EQ(controller->selectors().size(), 1u);
    EXPECT_TRUE(controller->selectors().front()->isSelected());
    EXPECT_EQ(controller->currentSelector(), nullptr);
}

TEST_F(CanvasFixture, CtrlPressReplacesTheRectangle)
{
    drawOut({10, 10}, {50, 50});
    press({100, 20}, Qt::ControlModifier);
    drag({160, 80});
    release({160, 80});
    EXPECT_EQ(onlyFrame(), QRectF(100, 20, 60, 60));
}

TEST_F(CanvasFixture, DraggingInsideMovesAndSlidesAlongEdges)
{
    drawOut({10, 10}, {50, 50});
    press({30, 30});
    drag({100, 60});
    EXPECT_EQ(onlyFrame(), QRectF(80, 40, 40, 40));
    drag({195, 95});
    release({195, 95});
    EXPECT_EQ(onlyFrame(), QRectF(160, 60, 40, 40));
}

TEST_F(CanvasFixture, ResizingByACornerPinsItAtTheEdge)
{
    drawOut({10, 10}, {50, 50});
    press({51, 51});   // just outside the top-right corner, inside its handle
    drag({250, 70});
    release({250, 70});
    EXPECT_EQ(onlyFrame(), QRectF(10, 10, 190, 60));
}

TEST_F(CanvasFixture, ResizingBelowTheMinimumRemovesIt)
{
    drawOut({10, 10}, {50, 50});
    press({50, 50});
    drag({25, 45});
    release({25, 45});
    EXPECT_FALSE(controller->hasSelectors());
    // Nothing is left to change the cursor there.
    hover({20, 20});
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CanvasFixture, DeleteAfterAClickRemovesEscapeFirstKeepsIt)
{
    const struct {
        bool escapeFirst;
        size_t left;
    } cases[] = {{false, 0u}, {true, 1u}};
    for (const auto &c : cases) {
        controller->removeAllSelectorsFromCanvas();
        drawOut({10, 10}, {50, 50});
        press({30, 30});
        release({30, 30});
        if (c.escapeFirst)
            key(Qt::Key_Escape);
        key(Qt::Key_Delete);
        EXPECT_EQ(controller->selectors().size(), c.left) << c.escapeFirst;
    }
}

TEST_F(CanvasFixture, CtrlAMarksEverythingThenBackspaceEmpties)
{
    drawOut({10, 10}, {50, 50});
    key(Qt::Key_Escape);
    ASSERT_FALSE(controller->selectors().front()->isSelected());
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(controller->selectors().front()->isSelected());
    key(Qt::Key_Backspace);
    EXPECT_FALSE(controller->hasSelectors());
}

TEST_F(CanvasFixture, CursorsFollowTheAreaUnderThePointer)
{
    drawOut({10, 10}, {90, 60});
    const struct {
        QPointF at;
        Qt::CursorShape shape;
    } cases[] = {
        {{50, 35}, Qt::OpenHandCursor},
        {{90, 60}, Qt::SizeBDiagCursor},
        {{10, 60}, Qt::SizeFDiagCursor},
        {{150, 90}, Qt::ArrowCursor},
    };
    for (const auto &c : cases) {
        hover(c.at);
        EXPECT_EQ(canvas->cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
    }
    // While a button is down the cursor stays.
    hover({50, 35});
    press({50, 35});
    hover({150, 90});
    EXPECT_EQ(canvas->cursor().shape(), Qt::OpenHandCursor);
    release({50, 35});
}

TEST_F(CanvasFixture, PaintsTheRectangleFlippedOnce)
{
    controller->addSelectorWithFrame(QRectF(0, 0, 100, 50));
    controller->currentSelector()->canDropOnCanvas();
    const QImage shot = canvas->grab().toImage();
    // The fill lies on the lower half of the widget (y up), not the upper.
    EXPECT_GT(qAlpha(shot.pixel(50, 75)), 0);
    EXPECT_EQ(qAlpha(shot.pixel(150, 25)), 0);
}

} // namespace
