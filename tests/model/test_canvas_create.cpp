// Creating card objects on the canvas: by the tool change and by a mouse drag.

#include "CanvasSupport.h"

#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"
#include "model/DesignGlobals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using canvastest::CanvasFixture;

namespace {

platform::Picture pictureOf(double w, double h)
{
    return platform::Picture::record(QSizeF(w, h), [w, h](QPainter &p) { p.fillRect(QRectF(0, 0, w, h), Qt::black); });
}

} // namespace

class CanvasCreation : public CanvasFixture {
protected:
    // The tool change's creation: no event, the tool's default frame at (0, 0).
    void createByTool(int tool, const QSizeF &size = QSizeF(50, 50), const QString &value = QString(),
                      const QString &identifier = QString())
    {
        host.tool = tool;
        view.createGraphicOfClass(host.currentGraphicClass(), std::nullopt, true, QRectF(QPointF(0, 0), size),
                                  QStringLiteral("F"), value, identifier);
    }
};

TEST_F(CanvasCreation, EachToolMakesItsKindAtTheCascadePointSelectedAndCurrent)
{
    struct Case {
        int tool;
        SKTGraphicClass kind;
        QString shape;
    };
    const Case cases[] = {{1, SKTGraphicClass::Line, {}},           {3, SKTGraphicClass::Shape, "R"},
                          {4, SKTGraphicClass::Shape, "C"},          {5, SKTGraphicClass::Shape, "RR"},
                          {6, SKTGraphicClass::Shape, "T"},          {7, SKTGraphicClass::Shape, "D"},
                          {13, SKTGraphicClass::Shape, "S"},         {14, SKTGraphicClass::Shape, "DS"},
                          {15, SKTGraphicClass::Shape, "P"},         {12, SKTGraphicClass::Signature, {}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tool);
        const QPointF at = host.cascadeStart + QPointF(20, 20) * host.cascadeCount;
        createByTool(c.tool);
        ASSERT_FALSE(document.graphics().isEmpty());
        const auto g = document.graphics().first();
        EXPECT_EQ(g->graphicClass(), c.kind);
        if (!c.shape.isEmpty()) {
            EXPECT_EQ(g->Get_shape_type(), c.shape);
        }
        EXPECT_EQ(g->bounds(), QRectF(at, QSizeF(50, 50)));
        EXPECT_EQ(view.selectionIndexes(), QList<int>{0});
        EXPECT_EQ(host.current.lock(), g);
        EXPECT_EQ(host.tool, 0) << "one tool choice, one object";
    }
    EXPECT_EQ(host.snapshots, int(std::size(cases))) << "one undo step per creation";
}

TEST_F(CanvasCreation, TextTakesSeventyByTwentyWhateverTheFrame)
{
    createByTool(2, QSizeF(50, 50));
    ASSERT_EQ(document.graphics().size(), 1);
    const auto text = document.graphics().first();
    EXPECT_TRUE(text->isExactly<SKTText>());
    EXPECT_EQ(text->bounds(), QRectF(30, 30, 70, 20));
    EXPECT_EQ(text->Text_Value, QStringLiteral("Text here"));
}

TEST_F(CanvasCreation, TextWithAValueDrawsNoBoxAndKeepsAnIdentifiersPlace)
{
    // With an identifier the frame's own origin is kept (the workspace placed it).
    host.tool = 2;
    view.createGraphicOfClass(QStringLiteral("SKTText"), std::nullopt, true, QRectF(12, 14, 99, 99),
                              QStringLiteral("F"), QStringLiteral("Name"), QStringLiteral("T_1"));
    const auto text = document.graphics().first();
    EXPECT_EQ(text->bounds(), QRectF(12, 14, 70, 20));
    EXPECT_EQ(text->Text_Value, QStringLiteral("Name"));
    EXPECT_FALSE(text->_isDrawingFill);
    EXPECT_FALSE(text->_isDrawingStroke);
    EXPECT_EQ(text->control_ID, QStringLiteral("T_1"));

    // The same identifier again: nothing is made and nothing recorded.
    const int steps = host.snapshots;
    host.tool = 2;
    view.createGraphicOfClass(QStringLiteral("SKTText"), std::nullopt, true, QRectF(0, 0, 1, 1), QStringLiteral("F"),
                              QStringLiteral("Other"), QStringLiteral("T_1"));
    EXPECT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(host.snapshots, steps);
}

TEST_F(CanvasCreation, ConstrainingGridSnapsBothCorners)
{
    SKTGrid grid;
    grid.setSpacing(9);
    grid.setConstraining(true);
    view.setGrid(&grid);
    createByTool(3);   // cascade (30, 30), 50 x 50: corners (27, 27) and (81, 81)
    EXPECT_EQ(document.graphics().first()->bounds(), QRectF(27, 27, 54, 54));
}

TEST_F(CanvasCreation, BarcodesAreNumberedOnceAndSizedByTheirPicture)
{
    host.barcodePicture = pictureOf(150, 40);
    createByTool(10, QSizeF(120, 60));
    createByTool(10, QSizeF(120, 60));
    ASSERT_EQ(document.graphics().size(), 2);
    const auto second = document.graphics().at(0), first = document.graphics().at(1);
    EXPECT_EQ(first->control_ID, QStringLiteral("BAR_1"));
    EXPECT_EQ(second->control_ID, QStringLiteral("BAR_2"));
    EXPECT_EQ(second->bounds().size(), QSizeF(150, 40));
    EXPECT_EQ(second->bar_image_ctrl_bounds, second->bounds());
    EXPECT_EQ(host.barcodeValues, (QStringList{QString(), QString()}));

    document.removeGraphicsAtIndexes({0, 1});
    createByTool(10, QSizeF(120, 60));
    EXPECT_EQ(document.graphics().first()->control_ID, QStringLiteral("BAR_3"));
}

TEST_F(CanvasCreation, ModeCommandsKeepTheirObjectEvenWithoutAPicture)
{
    host.tool = 10;
    view.createGraphicOfClass(QStringLiteral("SKTBarcode"), std::nullopt, true, QRectF(), QStringLiteral("F"),
                              QStringLiteral("PASS_BAR"), QString());
    ASSERT_EQ(document.graphics().size(), 1);
    const auto failed = document.graphics().first();
    EXPECT_EQ(failed->bounds().size(), QSizeF(120, 60)) << "a frame to select, edit or delete";
    EXPECT_EQ(host.current.lock(), failed);

    host.barcodePicture = pictureOf(80, 90);
    host.tool = 10;
    view.createGraphicOfClass(QStringLiteral("SKTBarcode"), std::nullopt, true, QRectF(), QStringLiteral("F"),
                              QStringLiteral("PASS_QR"), QString());
    ASSERT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(document.graphics().first()->bounds().size(), QSizeF(80, 90));
    EXPECT_EQ(host.barcodeValues, (QStringList{"PASS_BAR", "PASS_QR"}));
    EXPECT_EQ(host.snapshots, 2);
}

TEST_F(CanvasCreation, UnknownToolsCreateNothing)
{
    for (int tool : {0, 16, -1, 99}) {
        host.tool = tool;
        view.createGraphicOfClass(QStringLiteral("Shape_Control"), std::nullopt, true, QRectF(0, 0, 50, 50),
                                  QStringLiteral("F"), QString(), QString());
    }
    EXPECT_TRUE(document.graphics().isEmpty());
    EXPECT_EQ(host.snapshots, 0);
}

TEST_F(CanvasCreation, PictureToolsUseTheChosenFileOrThePlaceholder)
{
    QImage file(64, 32, QImage::Format_ARGB32);
    file.fill(Qt::red);
    const QString path = QDir::temp().filePath(QStringLiteral("canvas_create_%1.png").arg(QCoreApplication::applicationPid()));
    ASSERT_TRUE(file.save(path));
    Library_Selected_Image = path;
    createByTool(8);
    const auto chosen = document.graphics().first();
    EXPECT_TRUE(chosen->isExactly<SKTImage>());
    EXPECT_EQ(chosen->Text_Value, path);
    EXPECT_FALSE(chosen->_contents.isNull());

    Library_Selected_Image = QStringLiteral("/no/such/picture.png");
    createByTool(8);
    const auto placeholder = document.graphics().first();
    EXPECT_EQ(placeholder->_contents.size(), platform::Picture::fromImage(host.Placeholder_Image({})).size())
        << "the placeholder picture";
    QFile::remove(path);

    createByTool(11, QSizeF(100, 50));
    const auto sign = document.graphics().first();
    EXPECT_TRUE(sign->isExactly<SKTSignature>());
    EXPECT_EQ(sign->Sign_Or_FP_Val(), QStringLiteral("S"));
    EXPECT_EQ(sign->bounds().size(), QSizeF(100, 50));
    EXPECT_TRUE(Library_Selected_Image.endsWith(QStringLiteral("/sign_sample.png")));
}

// ---- By mouse ----

class CanvasMouseCreation : public CanvasCreation {
protected:
    void SetUp() override
    {
        CanvasCreation::SetUp();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QPoint px(double x, double y) const { return QPoint(int(x), int(y)); }
};

TEST_F(CanvasMouseCreation, DragDrawsTheObjectOutFromTheSnappedPress)
{
    SKTGrid grid;
    grid.setSpacing(10);
    grid.setConstraining(true);
    view.setGrid(&grid);
    host.tool = 4;
    QTest::mousePress(&view, Qt::LeftButton, {}, px(21, 19));
    ASSERT_EQ(view.tracking(), SKTGraphicView::Tracking::Creating);
    ASSERT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(document.graphics().first()->bounds(), QRectF(20, 20, 0, 0));
    QTest::mouseMove(&view, px(64, 47));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, px(74, 52));
    EXPECT_EQ(view.tracking(), SKTGraphicView::Tracking::None);
    ASSERT_EQ(document.graphics().size(), 1);
    const auto g = document.graphics().first();
    EXPECT_EQ(g->bounds(), QRectF(20, 20, 50, 30));
    EXPECT_EQ(view.selectionIndexes(), QList<int>{0});
    EXPECT_EQ(host.snapshots, 1);
    EXPECT_EQ(host.tool, 0);
    EXPECT_EQ(view.creatingGraphic(), nullptr);
    EXPECT_EQ(host.current.lock(), nullptr) << "after a mouse creation the current object is the cleared one";
}

TEST_F(CanvasMouseCreation, ClickWithoutDragCreatesNothing)
{
    host.tool = 3;
    QTest::mousePress(&view, Qt::LeftButton, {}, px(40, 40));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, px(40, 40));
    EXPECT_TRUE(document.graphics().isEmpty());
    EXPECT_EQ(host.snapshots, 0);
    EXPECT_TRUE(view.selectionIndexes().isEmpty());
    EXPECT_EQ(host.current.lock(), nullptr);
    EXPECT_EQ(document.undoManager().groupingLevel(), 0);
}

TEST_F(CanvasMouseCreation, ZoomedCanvasTakesPointsFromPixels)
{
    view.setFactor(2.0);
    host.tool = 3;
    QTest::mousePress(&view, Qt::LeftButton, {}, px(20, 40));
    QTest::mouseMove(&view, px(120, 140));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, px(120, 140));
    ASSERT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(document.graphics().first()->bounds(), QRectF(10, 20, 50, 50));
}
