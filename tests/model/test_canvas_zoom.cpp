// The zooming scroll view around the canvas, its clip view and the rulers' echo.

#include "CanvasSupport.h"

#include "model/SKTZoomingScrollView.h"
#include "model/SWCenteringClipView.h"
#include "platform/Ruler.h"
#include "core/GlobalsReset.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QImage>

#include <cmath>
#include <QScrollBar>

class ZoomingScrollView : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        scroll = new SKTZoomingScrollView(&window);
        canvas = new SKTGraphicView;
        scroll->setWidget(canvas);
        canvas->setHost(&host);
        window.resize(800, 600);
        scroll->setGeometry(0, 0, 800, 600);
    }
    void TearDown() override { resetGlobalsForTests(); }
    void show()
    {
        window.show();
        QApplication::processEvents();
    }

    QWidget window;
    canvastest::FakeHost host;
    SKTZoomingScrollView *scroll = nullptr;
    SKTGraphicView *canvas = nullptr;
};

TEST_F(ZoomingScrollView, HalfFactorCentresTheScaledCard)
{
    canvas->setCardSize(QSizeF(300, 200));
    scroll->setFactor(0.5);
    show();
    EXPECT_EQ(scroll->viewport()->size(), QSize(800, 600));
    EXPECT_EQ(canvas->geometry(), QRect(325, 250, 150, 100));
    EXPECT_EQ(canvas->bounds(), QRectF(0, 0, 300, 200)) << "zoom never changes the card in points";

    // Back to 100 %: still centred.
    scroll->setFactor(1.0);
    QApplication::processEvents();
    EXPECT_EQ(canvas->geometry(), QRect(250, 200, 300, 200));
}

TEST_F(ZoomingScrollView, FactorsAreClampedToTheSteps)
{
    canvas->setCardSize(QSizeF(100, 50));
    scroll->setFactor(10);
    EXPECT_EQ(scroll->factor(), 4.0);
    EXPECT_EQ(canvas->size(), QSize(400, 200));
    scroll->setFactor(0.01);
    EXPECT_EQ(scroll->factor(), 0.25);
    scroll->setFactor(std::nan(""));
    EXPECT_EQ(scroll->factor(), 0.25);
    EXPECT_EQ(canvas->size(), QSize(25, 13));
}

TEST_F(ZoomingScrollView, ALargerCardScrollsAlongOneAxisAndStaysCentredOnTheOther)
{
    canvas->setCardSize(QSizeF(1500, 200));
    show();
    const QScrollBar *h = scroll->horizontalScrollBar();
    EXPECT_EQ(h->minimum(), 0);
    EXPECT_EQ(h->maximum(), 1500 - scroll->viewport()->width());
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(canvas->y(), (scroll->viewport()->height() - 200) / 2);

    // The rule itself: limited along a larger canvas, centred along a smaller one.
    const QSizeF card(1500, 200), clip(800, 600);
    EXPECT_EQ(SKTZoomingScrollView::constrainScrollPoint(QPointF(-30, 40), card, clip), QPointF(0, -200));
    EXPECT_EQ(SKTZoomingScrollView::constrainScrollPoint(QPointF(900, 0), card, clip), QPointF(700, -200));
    EXPECT_EQ(SKTZoomingScrollView::constrainScrollPoint(QPointF(350.4, 0), card, clip), QPointF(350, -200));
}

TEST_F(ZoomingScrollView, HiddenPopUpCarriesTheEightSteps)
{
    QComboBox *popup = scroll->validateFactorPopUpButton();
    EXPECT_EQ(popup, scroll->validateFactorPopUpButton()) << "made once";
    EXPECT_TRUE(popup->isHidden());
    const QStringList labels{"25%", "50%", "75%", "100%", "125%", "150%", "200%", "400%"};
    const double factors[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 4.0};
    ASSERT_EQ(popup->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(popup->itemText(i), labels.at(i));
        EXPECT_EQ(popup->itemData(i).toDouble(), factors[i]);
    }
}

TEST_F(ZoomingScrollView, CardShapeOfTheClipViewFollowsTheCode)
{
    const QRectF r(0, 0, 300, 200);
    QPainterPath rect;
    rect.addRect(r);
    for (int code : {0, 5, -1})
        EXPECT_EQ(SWCenteringClipView::cardShape(code, r, 1.0), rect) << code;
    QPainterPath ellipse;
    ellipse.addEllipse(r);
    EXPECT_EQ(SWCenteringClipView::cardShape(2, r, 1.0), ellipse);
    QPainterPath rounded;
    rounded.addRoundedRect(r, 20, 20);
    EXPECT_EQ(SWCenteringClipView::cardShape(1, r, 2.0), rounded) << "10 points at a zoom of 2";
}

TEST_F(ZoomingScrollView, BackgroundIsAGreyGradientWithTheWhiteCard)
{
    canvas->setCardSize(QSizeF(300, 200));
    show();
    const QImage image = scroll->viewport()->grab().toImage();
    const QColor top = image.pixelColor(10, 1), bottom = image.pixelColor(10, 598);
    EXPECT_NEAR(top.redF(), 0.88, 0.02);
    EXPECT_NEAR(bottom.redF(), 0.78, 0.02);
    EXPECT_EQ(image.pixelColor(400, 300), QColor(Qt::white));
    // The shadow falls right and down of the card, not left and up.
    const int right = image.pixelColor(552, 300).red(), left = image.pixelColor(247, 300).red();
    EXPECT_LT(right, left);
}

TEST_F(ZoomingScrollView, RulerEchoFollowsAMoveAndEndsWithNoMarkers)
{
    platform::Ruler horizontal, vertical;
    auto *layout = new QVBoxLayout;
    window.setLayout(layout);
    layout->addWidget(&horizontal);
    layout->addWidget(scroll);
    vertical.setParent(&window);
    scroll->setRulers(&horizontal, &vertical);
    scroll->setRulersVisible(true);
    canvas->setCardSize(QSizeF(300, 200));
    show();

    canvas->beginEchoingMoveToRulers(QRectF(10, 20, 100, 50));
    ASSERT_EQ(horizontal.markerLocations().size(), 3);
    ASSERT_EQ(vertical.markerLocations().size(), 3);
    const QList<double> h = horizontal.markerLocations();
    EXPECT_DOUBLE_EQ(h.at(1) - h.at(0), 50);
    EXPECT_DOUBLE_EQ(h.at(2) - h.at(0), 100);
    canvas->continueEchoingMoveToRulers(QRectF(30, 20, 100, 50));
    const QList<double> moved = horizontal.markerLocations();
    ASSERT_EQ(moved.size(), 3);
    EXPECT_DOUBLE_EQ(moved.at(0) - h.at(0), 20);
    EXPECT_EQ(canvas->rulerEchoedBounds(), QRectF(30, 20, 100, 50));
    canvas->stopEchoingMoveToRulers();
    EXPECT_TRUE(horizontal.markerLocations().isEmpty());
    EXPECT_TRUE(vertical.markerLocations().isEmpty());
    EXPECT_EQ(canvas->rulerEchoedBounds(), QRectF());
}

TEST(Ruler, MarkerLinesMoveAddAndRemove)
{
    platform::Ruler ruler;
    ruler.moveRulerlineFromLocation(-1, 40);
    ruler.moveRulerlineFromLocation(-1, 80);
    EXPECT_EQ(ruler.markerLocations(), (QList<double>{40, 80}));
    ruler.moveRulerlineFromLocation(40, 45);
    EXPECT_EQ(ruler.markerLocations(), (QList<double>{80, 45}));
    ruler.moveRulerlineFromLocation(10, 20);   // no line there: nothing changes
    EXPECT_EQ(ruler.markerLocations(), (QList<double>{80, 45}));
    ruler.moveRulerlineFromLocation(80, -1);
    EXPECT_EQ(ruler.markerLocations(), (QList<double>{45}));
}

TEST(Ruler, NumberedTicksStandApartAtEveryZoom)
{
    platform::Ruler ruler;
    for (double scale : {0.25, 1.0, 4.0}) {
        ruler.setScale(scale);
        const double pixels = ruler.labelStep() * ruler.pointsPerUnit() * scale;
        EXPECT_GE(pixels, 48) << scale;
        EXPECT_LT(pixels, 48 * 2.5 + 1) << scale;
    }
    ruler.setScale(-1);
    EXPECT_EQ(ruler.scale(), 4.0) << "a scale that is no scale is ignored";
}

// Numbers whose tick or text would fall off either end are left out, so no cut-off number (the
// last digit of a negative number, the first of a large one) shows at the ruler's ends.
TEST(Ruler, NoCutOffNumberAtEitherEnd)
{
    const int length = 300;
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        platform::Ruler ruler;
        ruler.setOrientation(orientation);
        ruler.resize(orientation == Qt::Horizontal ? QSize(length, 18) : QSize(18, length));
        ruler.setScale(1.0);
        const double pixelsPerStep = ruler.labelStep() * ruler.pointsPerUnit();
        // Origins that put a tick just before the start, at the start, and just before the end.
        for (const double origin : {-12.0, 0.0, 5.0, length - 3.0, pixelsPerStep * 2 - 6}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(int(orientation)).arg(origin).toStdString());
            ruler.setOriginOffset(origin);
            const QList<platform::Ruler::NumberLabel> labels = ruler.numberLabels();
            ASSERT_FALSE(labels.isEmpty());
            for (const auto &label : labels) {
                EXPECT_GE(label.from, 0) << label.text.toStdString();
                EXPECT_LE(label.to, length) << label.text.toStdString();
            }
            if (orientation != Qt::Horizontal)
                continue;
            // What is drawn: in the numbers' band only the numbers and the long ticks leave ink.
            QImage image(ruler.size(), QImage::Format_ARGB32);
            ruler.render(&image);
            const QRgb paper = image.pixel(length / 2, 0);
            for (int x = 0; x < length; ++x) {
                bool ink = false;
                for (int y = 3; y < 8; ++y)
                    ink = ink || image.pixel(x, y) != paper;
                if (!ink)
                    continue;
                bool explained = false;
                for (const auto &label : labels)
                    explained = explained || (x >= label.from - 1 && x <= label.to + 1);
                const double k = std::round((x - origin) / pixelsPerStep);
                explained = explained || std::abs(origin + k * pixelsPerStep - x) <= 1.0;
                EXPECT_TRUE(explained) << "ink at column " << x;
            }
        }
    }
}
