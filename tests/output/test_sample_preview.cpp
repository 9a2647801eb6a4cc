// The sheet preview: captions in the cells, their colour and order, the outlines by the label's
// shape, crop marks, the margin rectangle, nothing without a page setup, and what cells too small
// for captions or outlines show.

#include "core/Globals.h"
#include "core/GlobalsReset.h"
#include "core/Mode.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "output/Sample_Preview.h"
#include "platform/Picture.h"
#include "platform/PrintInfo.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A paint device that keeps the texts drawn on it and where (top-left origin, points).
class TextRecorder : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF at;
        QColor colour;
    };
    TextRecorder() : m_engine(this) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    std::vector<Text> texts;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 600;
        case PdmHeight: return 800;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 72;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1000;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder *owner) : QPaintEngine(AllFeatures), m_owner(owner) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            m_owner->texts.push_back({item.text(), painter()->transform().map(p), painter()->pen().color()});
        }
        Type type() const override { return User; }

    private:
        TextRecorder *m_owner;
    };
    mutable Engine m_engine;
};

class SheetPreview : public ::testing::Test {
protected:
    void SetUp() override
    {
        printInfo = std::make_shared<platform::PrintInfo>(platform::PrintInfo::sharedPrintInfo());
        view.resize(600, 800);
        Print_Row = 3;
        Print_Col = 2;
        label_width = 100;
        label_hight = 50;
        Left_Mar = 30;
        Rite_Mar = 20;
        Top_Mar = 40;
        Bot_Mar = 10;
        Manual_or_Pre = 1;   // the page is the predefined one
        predef_page_wdt = 600;
        predef_page_hgt = 800;
        Barcode_Image = std::make_shared<platform::Picture>(platform::Picture::fromImage(QImage(10, 10, QImage::Format_RGB32)));
    }
    void TearDown() override { resetGlobalsForTests(); }

    QImage render()
    {
        const QImage img = view.imageRepresentation();
        return img.convertToFormat(QImage::Format_RGB32);
    }
    static bool dark(QRgb p) { return qRed(p) < 200 && qGreen(p) < 200 && qBlue(p) < 200; }

    Sample_Preview view;
};

TEST_F(SheetPreview, CaptionsNumberTheCellsRowByRowFromTheTopLeftInGrey)
{
    TextRecorder device;
    {
        QPainter painter(&device);
        view.drawRect(painter, QRectF(0, 0, 600, 800));
    }
    ASSERT_EQ(device.texts.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const TextRecorder::Text &t = device.texts[size_t(i)];
        EXPECT_EQ(t.text, QStringLiteral("Label %1").arg(i + 1));
        EXPECT_EQ(t.colour, QColor(Qt::gray));
        // Inside its cell: row i / 2 from the top, column i % 2 from the left.
        const QRectF cell(30 + (i % 2) * 100, 40 + (i / 2) * 50, 100, 50);
        EXPECT_TRUE(cell.adjusted(0, 0, 0, 10).contains(t.at)) << i << " at " << t.at.x() << "," << t.at.y();
    }
}

TEST_F(SheetPreview, WithoutAPictureEveryCellReadsInvalidDataInRed)
{
    Barcode_Image.reset();
    TextRecorder device;
    {
        QPainter painter(&device);
        view.drawRect(painter, QRectF(0, 0, 600, 800));
    }
    ASSERT_EQ(device.texts.size(), 6u);
    for (const TextRecorder::Text &t : device.texts) {
        EXPECT_EQ(t.text, QStringLiteral("Invalid Data"));
        EXPECT_EQ(t.colour, QColor(Qt::red));
    }
    EXPECT_EQ(Sample_Preview::Get_Curr_Label_Index(3, 2), 5);
}

TEST_F(SheetPreview, WithoutAPageSetupNothingIsDrawn)
{
    printInfo.reset();
    EXPECT_TRUE(view.imageRepresentation().isNull());
    TextRecorder device;
    {
        QPainter painter(&device);
        view.drawRect(painter, QRectF(0, 0, 600, 800));
    }
    EXPECT_TRUE(device.texts.empty());
}

// The outline follows the card's shape outside Barcode mode: a rectangle's corner is inked, an
// ellipse's is not; in Barcode mode the cell is always a rectangle.
TEST_F(SheetPreview, OutlinesFollowTheLabelsShape)
{
    const QPoint corner(31, 41);   // just inside the top-left cell's corner
    struct Case {
        int mode, shape;
        bool cornerInked;
    };
    for (const Case c : {Case{1, 0, true}, Case{1, 2, false}, Case{1, 1, false}, Case{0, 2, true}}) {
        Barcode_Setting_Or_Designing_Mode = c.mode;
        Card_Shape = c.shape;
        const QImage img = render();
        bool inked = false;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                inked = inked || dark(img.pixel(corner + QPoint(dx, dy)));
        EXPECT_EQ(inked, c.cornerInked) << c.mode << " " << c.shape;
    }
    Show_margin_rect = false;
    Card_Shape = 0;
    const QImage plain = render();
    EXPECT_FALSE(dark(plain.pixel(80, 40)));   // the top edge of the first cell, away from its caption
}

// A caption wants a cell of 6 pixels each way, an outline one of 3; the smaller side decides.
TEST_F(SheetPreview, CaptionsAndOutlinesNeedRoomAtThePreviewsScale)
{
    struct Case {
        QSizeF cell;
        bool captions, outlines;
    };
    for (const Case c : {Case{{100, 50}, true, true}, Case{{6, 6}, true, true}, Case{{5.9, 40}, false, true},
                         Case{{3, 3}, false, true}, Case{{40, 2.9}, false, false}, Case{{1.42, 1.42}, false, false},
                         Case{{0, 0}, false, false}}) {
        const Sample_Preview::Cell_Detail d = Sample_Preview::Detail_At(c.cell);
        EXPECT_EQ(d.captions, c.captions) << c.cell.width() << " x " << c.cell.height();
        EXPECT_EQ(d.outlines, c.outlines) << c.cell.width() << " x " << c.cell.height();
    }
}

// Cells of 2 points: no caption and one outline around the block, none between its cells.
TEST_F(SheetPreview, CellsTooSmallToOutlineAreOutlinedAsOneBlock)
{
    label_width = label_hight = 2;
    TextRecorder device;
    {
        QPainter painter(&device);
        view.drawRect(painter, QRectF(0, 0, 600, 800));
    }
    EXPECT_TRUE(device.texts.empty());
    const int before = view.sheetsDrawn();
    const QImage img = render();   // the block: 4 x 6 points from (30, 40)
    EXPECT_EQ(view.sheetsDrawn(), before + 1);
    EXPECT_TRUE(dark(img.pixel(30, 43)));
    EXPECT_TRUE(dark(img.pixel(32, 46)));
    EXPECT_FALSE(dark(img.pixel(32, 43)));   // where two cells' outlines would meet
}

TEST_F(SheetPreview, CropMarksReachTwentyPointsBeyondEachCell)
{
    Show_margin_rect = false;
    QImage img = render();
    EXPECT_FALSE(dark(img.pixel(20, 40)));
    Enable_Crop_Marks = true;
    img = render();
    // The top-left cell's corner at (30, 40): a mark 20 points to the left and one 20 up.
    for (int x = 11; x < 30; ++x)
        EXPECT_EQ(qGray(img.pixel(x, 40)), 0) << x;
    for (int y = 21; y < 40; ++y)
        EXPECT_EQ(qGray(img.pixel(30, y)), 0) << y;
    EXPECT_GT(qGray(img.pixel(8, 40)), 200);
}

TEST_F(SheetPreview, TheMarginRectangleShowsOnlyForAManualLabel)
{
    Show_margin_rect = false;
    Manual_or_Pre = 1;
    printInfo->pageLayout.setPageSize(QPageSize(QSizeF(600, 800), QPageSize::Point));
    EXPECT_FALSE(dark(render().pixel(30, 500)));   // the margin's left edge, below the cells
    Manual_or_Pre = 0;
    EXPECT_TRUE(dark(render().pixel(30, 500)));
}

} // namespace
