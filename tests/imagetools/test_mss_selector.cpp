#include "imagetools/MSSCanvasDelegate.h"
#include "imagetools/MSSSelector.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A canvas of a given size holding the selectors the test makes.
class FakeCanvas : public MSSCanvasDelegate {
public:
    explicit FakeCanvas(QSizeF size) : m_size(size) {}
    MSSSelector *add(const QRectF &frame)
    {
        m_owned.push_back(std::make_unique<MSSSelector>(frame, this, false));
        return m_owned.back().get();
    }
    std::vector<MSSSelector *> selectors() const override
    {
        std::vector<MSSSelector *> list;
        for (const auto &s : m_owned)
            list.push_back(s.get());
        return list;
    }
    QSizeF canvasSize() const override { return m_size; }
    bool allowIntersections() const override { return allow; }
    const MSSSelectorStyle *selectorStyle() const override { return nullptr; }
    const MSSHandleStyle *handleStyle() const override { return nullptr; }
    bool allow = true;

private:
    QSizeF m_size;
    std::vector<std::unique_ptr<MSSSelector>> m_owned;
};

QRectF at(QPointF p) { return QRectF(p, QSizeF(0, 0)); }

TEST(MSSSelector, ANewSelectorIsSelectedDrawsOutAndHasFourHandles)
{
    FakeCanvas canvas({200, 100});
    MSSSelector s(QRectF(10, 10, 0, 0), &canvas, false);
    EXPECT_TRUE(s.isSelected());
    EXPECT_EQ(s.action(), MSSSelector::DrawOut);
    EXPECT_EQ(s.currentHandle(), nullptr);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.handles()[i]->type(), i + 1);
    EXPECT_EQ(s.fillColor(), s.selectorStyle().fillColorSelected);
    s.setUnselected();
    EXPECT_EQ(s.fillColor(), QColor(Qt::transparent));
}

TEST(MSSSelector, HandlesSitOnTheCornersYUp)
{
    FakeCanvas canvas({200, 200});
    MSSSelector s(QRectF(10, 20, 100, 50), &canvas, false);
    s.layoutHandles();
    const struct {
        int type;
        QPointF centre;
    } cases[] = {{1, {10, 70}}, {2, {110, 70}}, {3, {10, 20}}, {4, {110, 20}}};
    for (const auto &c : cases) {
        const QRectF f = s.handles()[c.type - 1]->frame();
        EXPECT_EQ(f.size(), QSizeF(8.5, 8.5)) << c.type;
        EXPECT_EQ(f.center(), c.centre) << c.type;
    }
    EXPECT_EQ(s.handles()[1]->trackingCursor(), Qt::SizeBDiagCursor);
    EXPECT_EQ(s.handles()[0]->trackingCursor(), Qt::SizeFDiagCursor);
    // The open-hand area keeps clear of the handles.
    EXPECT_EQ(s.trackingRect(), QRectF(18.5, 28.5, 83, 33));
}

TEST(MSSSelector, DrawingOutPastTheCornerPinsAtTheEdgesAndDropStandardises)
{
    FakeCanvas canvas({200, 100});
    MSSSelector *s = canvas.add(at({50, 50}));
    s->resizeToPoint({-10, -10});
    EXPECT_TRUE(s->touchedBoundaries());
    EXPECT_EQ(s->frame(), QRectF(50, 50, -50, -50));
    EXPECT_TRUE(s->canDropOnCanvas());
    EXPECT_EQ(s->frame(), QRectF(0, 0, 50, 50));
}

TEST(MSSSelector, DrawingOutPastTopRightPins)
{
    FakeCanvas canvas({200, 100});
    MSSSelector *s = canvas.add(at({150, 60}));
    s->resizeToPoint({300, 400});
    EXPECT_TRUE(s->touchedBoundaries());
    EXPECT_EQ(s->frame(), QRectF(150, 60, 50, 40));
}

TEST(MSSSelector, ResizingByTopRightPastTheRightEdgeKeepsTheOppositeCorner)
{
    FakeCanvas canvas({200, 100});
    MSSSelector *s = canvas.add(QRectF(20, 10, 100, 50));
    s->layoutHandles();
    ASSERT_TRUE(s->intersectsFrame(at({120, 60})));
    ASSERT_TRUE(s->touchedHandle(at({122, 62})));
    EXPECT_EQ(s->currentHandle()->type(), MSSHandle::TopRight);
    EXPECT_EQ(s->action(), MSSSelector::Resize);
    // Anchored at the dragged corner, sizes pointing back to the fixed one.
    EXPECT_EQ(s->frame(), QRectF(120, 60, -100, -50));
    s->resizeToPoint({260, 80});
    EXPECT_TRUE(s->touchedBoundaries());
    ASSERT_TRUE(s->canDropOnCanvas());
    EXPECT_EQ(s->frame(), QRectF(20, 10, 180, 70));
}

TEST(MSSSelector, MovingPastTwoEdgesSlidesAlongThem)
{
    FakeCanvas canvas({300, 200});
    MSSSelector *s = canvas.add(QRectF(50, 50, 100, 100));
    s->layoutHandles();
    EXPECT_FALSE(s->touchedHandle(at({100, 100})));
    EXPECT_EQ(s->action(), MSSSelector::Move);
    s->moveSelectorToPoint({290, 30});
    EXPECT_TRUE(s->touchedBoundaries());
    EXPECT_EQ(s->frame(), QRectF(200, 0, 100, 100));
}

TEST(MSSSelector, MovingInsideIsNotPinned)
{
    FakeCanvas canvas({300, 200});
    MSSSelector *s = canvas.add(QRectF(50, 50, 100, 100));
    s->touchedHandle(at({100, 100}));
    s->moveSelectorToPoint({150, 100});
    EXPECT_FALSE(s->touchedBoundaries());
    EXPECT_EQ(s->frame(), QRectF(100, 50, 100, 100));
}

TEST(MSSSelector, APickerIsNeverPinned)
{
    FakeCanvas canvas({100, 100});
    MSSSelector picker(at({50, 50}), &canvas, true);
    picker.resizeToPoint({150, -20});
    EXPECT_FALSE(picker.touchedBoundaries());
    EXPECT_EQ(picker.frame(), QRectF(50, 50, 100, -70));
    EXPECT_TRUE(picker.trackingRect().isNull());
}

TEST(MSSSelector, TheMinimumSizeIsBigEnough)
{
    const struct {
        QSizeF size;
        bool kept;
    } cases[] = {{{20, 20}, true}, {{19.9, 40}, false}, {{40, 19.9}, false}, {{-20, -20}, true}, {{0, 0}, false}};
    for (const auto &c : cases) {
        FakeCanvas canvas({200, 200});
        MSSSelector *s = canvas.add(QRectF(QPointF(100, 100), c.size));
        EXPECT_EQ(s->canDropOnCanvas(), c.kept) << c.size.width() << "x" << c.size.height();
    }
}

TEST(MSSSelector, OverlapsRefusedOnlyWhenNotAllowed)
{
    for (bool allow : {true, false}) {
        FakeCanvas canvas({200, 200});
        canvas.allow = allow;
        canvas.add(QRectF(0, 0, 50, 50));
        MSSSelector *s = canvas.add(QRectF(40, 40, 50, 50));
        EXPECT_EQ(s->canDropOnCanvas(), allow);
        // A refused drop leaves the frame alone.
        EXPECT_EQ(s->frame(), QRectF(40, 40, 50, 50));
    }
}

TEST(MSSSelector, HitTestIncludesEdgesAndHandleSquares)
{
    FakeCanvas canvas({200, 200});
    MSSSelector *s = canvas.add(QRectF(50, 50, 40, 40));
    s->layoutHandles();
    const struct {
        QPointF click;
        bool hit;
        int action;
    } cases[] = {
        {{70, 70}, true, MSSSelector::Move},
        {{50, 70}, true, MSSSelector::Move},           // on the left edge
        {{47, 47}, true, MSSSelector::Resize},         // outside the corner, inside its handle
        {{45, 45}, false, MSSSelector::Move},          // beyond the handle
        {{150, 150}, false, MSSSelector::Move},
    };
    for (const auto &c : cases) {
        s->setUnselected();
        EXPECT_EQ(s->intersectsFrame(at(c.click)), c.hit) << c.click.x() << "," << c.click.y();
        EXPECT_EQ(s->isSelected(), c.hit);
        s->touchedHandle(at(c.click));
        EXPECT_EQ(s->action(), c.action) << c.click.x() << "," << c.click.y();
        s->restoreOrigin();
    }
}

TEST(MSSSelector, EdgeCodes)
{
    FakeCanvas canvas({100, 80});
    MSSSelector s(QRectF(), &canvas, false);
    const struct {
        QRectF frame;
        int vertical;
        int horizontal;
    } cases[] = {
        {{0, 0, 100, 80}, MSSSelector::Inside, MSSSelector::Inside},
        {{1, 0, 100, 80}, MSSSelector::PastRight, MSSSelector::Inside},
        {{-1, -1, 10, 10}, MSSSelector::PastLeft, MSSSelector::PastBottom},
        {{10, 75, 10, 10}, MSSSelector::Inside, MSSSelector::PastTop},
        {{10, 10, -20, 10}, MSSSelector::PastLeft, MSSSelector::Inside},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(s.verticalInBounds(c.frame), c.vertical);
        EXPECT_EQ(s.horizontalInBounds(c.frame), c.horizontal);
    }
}

TEST(MSSCanvasDelegate, DefaultRectStandardises)
{
    EXPECT_EQ(MSSCanvasDelegate::defaultRectForFrame({50, 50, -50, -30}), QRectF(0, 20, 50, 30));
    EXPECT_EQ(MSSCanvasDelegate::defaultRectForFrame({5, 6, 7, 8}), QRectF(5, 6, 7, 8));
}

} // namespace
