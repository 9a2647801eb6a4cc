// The print view alone: pages counted and capped for a preview, records taken in order from the
// job's first one, records without a picture skipped or drawn as "Invalid Data", no blank sheet
// once the labels are placed, cells where the layout puts them, crop marks, and a second render
// identical to the first. Pages are drawn into a bitmap of one pixel per point, each record's
// picture a grey of its own.

#include "output/PrintTarget.h"
#include "output/Printing_View.h"
#include "outputjobs/SheetLayout.h"
#include "outputjobs/OutputGlobals.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <list>
#include <set>
#include <stdexcept>

namespace {

constexpr double PaperW = 200, PaperH = 300;

// Record i's picture: a 40 x 20 pt block of grey 10 + 10 i, none for the invalid ones.
platform::Picture recordPicture(int i)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(qRgb(10 + 10 * i, 10 + 10 * i, 10 + 10 * i));
    return platform::Picture::fromImage(image, QSizeF(40, 20));
}

SheetLayout layout(int rows, int cols, int total)
{
    SheetLayout l;
    l.setup.present = true;
    l.setup.paper = QSizeF(PaperW, PaperH);
    l.label_width = 50;
    l.label_hight = 40;
    l.Real_label_hight = 40;
    l.Left_Mar = 10;
    l.Top_Mar = 10;
    l.Print_Row = rows;
    l.Print_Col = cols;
    l.Total_Label = l.Total_Label_Real = total;
    l.Total_Label_Wd_PQ = total;
    return l;
}

struct Job {
    Printing_View::Records records;
    std::vector<int> fetched;
    QStringList messages;
    int ends = 0;
    std::set<int> invalid;

    explicit Job(std::set<int> bad = {}) : invalid(std::move(bad))
    {
        records.fetch = [this](int i) {
            fetched.push_back(i);
            return invalid.count(i) ? platform::Picture() : recordPicture(i);
        };
        records.message = [this](const QString &m) { messages << m; };
        records.endOfBatch = [this] { ++ends; };
    }
};

QImage drawPage(Printing_View &view)
{
    QImage page(int(PaperW), int(PaperH), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    view.drawRect(p, view.rectForPage(0));
    return page;
}

// The grey at the centre of the cell whose top-left corner (y down) is x, y; 255 when empty.
int greyAt(const QImage &page, double x, double y, double w = 50, double h = 40)
{
    return qGray(page.pixel(int(x + w / 2), int(y + h / 2)));
}

int redPixels(const QImage &page, const QRect &box)
{
    int red = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb c = page.pixel(x, y);
            red += qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
        }
    return red;
}

// The record a cell shows: -1 empty, -2 red text ("Invalid Data"), -3 something else.
int recordIn(const QImage &page, int row, int col)
{
    // The middle of the cell: a neighbour's text may run over its edges.
    if (redPixels(page, QRect(25 + col * 50, 10 + row * 40, 20, 40)) > 10)
        return -2;
    const int g = greyAt(page, 10 + col * 50, 10 + row * 40);
    if (g == 255)
        return -1;
    return (g - 10) % 10 == 0 ? (g - 10) / 10 : -3;
}

TEST(PrintingView, PagesAreTheLabelsOverTheCellsRoundedUp)
{
    struct Case {
        int rows, cols, total;
        qint64 pages;
    } cases[] = {{2, 2, 7, 2}, {2, 2, 8, 2}, {2, 2, 9, 3}, {3, 4, 25, 3}, {1, 1, 0, 0}, {3, 7, 10000, 477}};
    for (const Case &k : cases) {
        Printing_View view(QRectF(0, 0, PaperW, PaperH), true, layout(k.rows, k.cols, k.total), recordPicture(1));
        qint64 location = 3, length = -1;
        EXPECT_TRUE(view.knowsPageRange(location, length));
        EXPECT_EQ(length, k.pages) << k.rows << "x" << k.cols << " " << k.total;
        EXPECT_EQ(location, 3);
    }
}

TEST(PrintingView, APreviewShowsFiftySheetsAfterOneMessageAndAPrintAll)
{
    for (const bool print : {false, true}) {
        Job job;
        Printing_View view(QRectF(0, 0, PaperW, PaperH), print, layout(1, 1, 60), recordPicture(1), 0, job.records);
        EXPECT_EQ(view.numberOfPages(), print ? 60 : 50);
        EXPECT_EQ(view.numberOfPages(), print ? 60 : 50);   // asked again, as a preview window does
        EXPECT_EQ(view.numPages, 60);
        EXPECT_EQ(job.messages, print ? QStringList() : QStringList{Printing_View::Preview_Cap_Message});
    }
}

// Barcode mode, 10 records of which 3 yield no picture, 2 x 2: skipping puts the 7 valid ones in
// consecutive cells and the job ends after two pages; without skipping each invalid record keeps
// its place.
TEST(PrintingView, InvalidRecordsAreSkippedOrKeepTheirPlace)
{
    struct Case {
        bool skip;
        std::vector<std::vector<int>> pages;   // records per cell, -2 for "Invalid Data"
    } cases[] = {
        {true, {{0, 1, 3, 4}, {6, 7, 9, -1}}},
        {false, {{0, 1, -2, 3}, {4, -2, 6, 7}, {-2, 9, -1, -1}}},
    };
    for (const Case &k : cases) {
        Job job({2, 5, 8});
        SheetLayout l = layout(2, 2, 10);
        l.Use_Data_Sheet_Values = true;
        l.skip_invalid_barcode = k.skip;
        Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 0, job.records);
        EXPECT_EQ(view.numberOfPages(), 3);   // counted from the 10 records either way
        size_t drawn = 0;
        while (!view.Job_Is_Done() || drawn == 0) {
            ASSERT_LT(drawn, k.pages.size()) << "skip " << k.skip << ": a page past the last label";
            const QImage page = drawPage(view);
            for (int cell = 0; cell < 4; ++cell)
                EXPECT_EQ(recordIn(page, cell / 2, cell % 2), k.pages[drawn][size_t(cell)])
                    << "skip " << k.skip << " page " << drawn + 1 << " cell " << cell;
            ++drawn;
        }
        EXPECT_EQ(drawn, k.pages.size()) << "skip " << k.skip;
        EXPECT_EQ(job.fetched, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) << "each record once, none past the end";
        EXPECT_EQ(job.ends, 1);
    }
}

TEST(PrintingView, AnInvalidCellShowsRedText)
{
    Job job({0});
    SheetLayout l = layout(1, 1, 1);
    l.Use_Data_Sheet_Values = true;
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 0, job.records);
    EXPECT_EQ(recordIn(drawPage(view), 0, 0), -2);
}

// Designing mode (and a card that cannot be rendered) always skips, whatever the box says; cards
// are drawn at their own size from the cell's bottom-left corner.
TEST(PrintingView, ACardThatCannotBeRenderedIsAlwaysSkipped)
{
    Job job({1});
    SheetLayout l = layout(1, 3, 3);
    l.Use_Data_Sheet_Values = true;
    l.skip_invalid_barcode = false;
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 1, job.records);
    const QImage page = drawPage(view);
    // Record 0 in the first cell from its bottom-left corner (40 x 20 in a 50 x 40 cell), record 2 next.
    EXPECT_EQ(qGray(page.pixel(15, 45)), 10);
    EXPECT_EQ(qGray(page.pixel(15, 15)), 255) << "not centred";
    EXPECT_EQ(qGray(page.pixel(65, 45)), 30);
    EXPECT_EQ(qGray(page.pixel(115, 45)), 255);
}

TEST(PrintingView, ARangeStartsAtItsFirstRecordInTheFirstCell)
{
    Job job;
    SheetLayout l = layout(2, 2, 3);
    l.Use_Data_Sheet_Values = true;
    l.Print_Start = 4;
    l.Total_Label_Wd_PQ = 10;
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 0, job.records);
    const QImage page = drawPage(view);
    EXPECT_EQ(recordIn(page, 0, 0), 4);
    EXPECT_EQ(recordIn(page, 0, 1), 5);
    EXPECT_EQ(recordIn(page, 1, 0), 6);
    EXPECT_EQ(recordIn(page, 1, 1), -1);
}

// Barcode mode centres each picture: across the cell even when wider (overhanging both sides
// evenly), and up the cell when lower.
TEST(PrintingView, BarcodePicturesAreCentredAndAWideOneOverhangsEvenly)
{
    SheetLayout l = layout(1, 1, 1);
    l.Left_Mar = 60;
    l.Use_Barocde_In_Center = true;
    QImage wide(80, 20, QImage::Format_RGB32);
    wide.fill(Qt::black);
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, platform::Picture::fromImage(wide, QSizeF(80, 20)));
    const QImage page = drawPage(view);
    // The cell spans x 60-110, y 10-50 (top down); the picture x 45-125, y 20-40.
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, 30)) < 128) {
            if (left < 0)
                left = x;
            right = x;
        }
    for (int y = 0; y < page.height(); ++y)
        if (qGray(page.pixel(85, y)) < 128) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    EXPECT_EQ(left, 45);
    EXPECT_EQ(right, 124);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(bottom, 39);
}

TEST(PrintingView, AutoCentreSpreadsTheColumnsByTheComputedGap)
{
    SheetLayout l = layout(1, 3, 3);
    l.Left_Mar = 0;
    l.setup.paper = QSizeF(200, 300);
    l.auto_center_flag = true;
    l.horz_mar = 12.5f;
    QImage block(50, 40, QImage::Format_RGB32);
    block.fill(Qt::black);
    Printing_View view(QRectF(0, 0, 200, 300), false, l, platform::Picture::fromImage(block, QSizeF(50, 40)));
    const QImage page = drawPage(view);
    std::vector<int> starts;
    const int row = 300 - 40 / 2;   // one row standing on the bottom margin (B + gv = 0)
    for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, row - 1)) < 128 && (x == 0 || qGray(page.pixel(x - 1, row - 1)) >= 128))
            starts.push_back(x);
    // L + 12.5, 75 and 137.5: a half-covered pixel column stays white.
    EXPECT_EQ(starts, (std::vector<int>{13, 75, 138}));
}

TEST(PrintingView, CropMarksStandTwentyPointsOutOfEveryCorner)
{
    SheetLayout l = layout(1, 1, 1);
    l.Left_Mar = 60;
    l.Top_Mar = 60;
    l.Enable_Crop_Marks = true;
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, platform::Picture());
    // Without a picture the cell shows "Invalid Data" and its own marks only.
    const QImage page = drawPage(view);
    // The cell spans x 60-110, y 60-100: marks run 20 pt out along each edge's line.
    const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    EXPECT_TRUE(dark(50, 60) || dark(50, 59));    // left of the top-left corner
    EXPECT_TRUE(dark(60, 45) || dark(59, 45));    // above it
    EXPECT_TRUE(dark(120, 100) || dark(120, 99)); // right of the bottom-right corner
    EXPECT_FALSE(dark(35, 60) || dark(35, 59));   // no further than 20 pt
}

// A target that keeps each sheet as a bitmap of one pixel a point.
struct Sheets : PrintTarget {
    std::list<QImage> sheets;
    QPainter painter;
    QPainter *begin(QString *) override
    {
        sheets.emplace_back(int(PaperW), int(PaperH), QImage::Format_RGB32).fill(Qt::white);
        return painter.begin(&sheets.back()) ? &painter : nullptr;
    }
    bool newPage(QString *error) override { return painter.end() && begin(error); }
    bool finish(bool, QString *) override { return painter.end(); }
};

// A Stop seen at a sheet's first cell starts no sheet; the job counts the sheets that hold labels.
// The flag is asked before the job, before each cell and after each sheet: the 7th time at the
// second sheet's first cell, the 8th at its second.
TEST(PrintingView, AStopAtASheetBoundaryStartsNoSheet)
{
    for (const int stopAt : {7, 8}) {
        Job job;
        int asked = 0;
        job.records.cell = [&] { return ++asked < stopAt; };
        SheetLayout l = layout(2, 2, 12);
        l.Use_Data_Sheet_Values = true;
        Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 0, job.records);
        Sheets target;
        EXPECT_TRUE(!view.print(target, nullptr) && view.stopped && !view.failed);
        const int sheets = stopAt - 6;
        EXPECT_EQ((std::vector<int>{int(target.sheets.size()), view.pagesDrawn, view.labelsDrawn}),
                  (std::vector<int>{sheets, sheets, stopAt - 3}));
        EXPECT_EQ(recordIn(target.sheets.back(), 0, 0), 4 * sheets - 4) << "the last sheet holds labels";
    }
}

TEST(PrintingView, ASecondRenderStartsTheCountersAgain)
{
    Job job;
    SheetLayout l = layout(2, 2, 6);
    l.Use_Data_Sheet_Values = true;
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 0, job.records);
    const QImage first = drawPage(view);
    const QImage second = drawPage(view);
    EXPECT_EQ(recordIn(second, 0, 0), 4) << "pages run on within a render";
    view.Reset_Job();
    EXPECT_EQ(drawPage(view), first);
}

} // namespace

namespace {

// Advanced QR mode draws its symbol at its own size from the cell's bottom-left corner, and a record
// without a picture there is drawn as "Invalid Data", never skipped.
TEST(PrintingView, AdvancedQrDrawsFromTheBottomLeftAndNeverSkips)
{
    Job job({0});
    SheetLayout l = layout(1, 2, 2);
    l.Use_Data_Sheet_Values = true;
    l.skip_invalid_barcode = true;
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 2, job.records);
    const QImage page = drawPage(view);
    EXPECT_EQ(recordIn(page, 0, 0), -2);
    EXPECT_EQ(qGray(page.pixel(65, 45)), 20) << "record 1 at the second cell's bottom-left";
    EXPECT_EQ(qGray(page.pixel(65, 15)), 255);
}

// Alignment 5 with a block larger than the usable area: the first column starts left of the left
// margin and the first row above the top margin; nothing is clipped.
TEST(PrintingView, AnOversizeBlockAtAlignmentFiveOverhangsTheMargins)
{
    SheetLayout l = layout(8, 5, 40);
    l.label_align_val = 5;
    QImage block(50, 40, QImage::Format_RGB32);
    block.fill(Qt::black);
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, platform::Picture::fromImage(block, QSizeF(50, 40)));
    const QImage page = drawPage(view);
    // Usable 190 x 290 from (10, 10); the block 250 x 320 centred: it starts at x -20, y -5 (top down).
    EXPECT_LT(qGray(page.pixel(0, 0)), 128);
    EXPECT_LT(qGray(page.pixel(PaperW - 1, PaperH - 1)), 128);
    EXPECT_LT(qGray(page.pixel(29, 150)), 128);   // the first column ends at x 30
    EXPECT_LT(qGray(page.pixel(30, 150)), 128);   // the second starts there
}

} // namespace

namespace {

// For the paper: transparent parts white, black ink one bit a pixel, grey content one byte a
// pixel, colour kept as colour, one-bit bitmaps as they are.
TEST(PrintingView, RaisedPicturesGoToThePaperOnWhiteAndInGreyWhenTheyHaveNoColour)
{
    struct Case {
        QColor ink;
        QImage::Format format;
    } cases[] = {{Qt::black, QImage::Format_Mono},
                 {QColor(90, 90, 90), QImage::Format_Grayscale8},
                 {QColor(200, 20, 20), QImage::Format_RGB32}};
    for (const Case &k : cases) {
        QImage image(60, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(10, 10, 20, 20, k.ink);
        image.setDotsPerMeterX(qRound(600 / 0.0254));
        image.setDotsPerMeterY(qRound(600 / 0.0254));
        const platform::Picture paper =
            Printing_View::For_Paper(platform::Picture::fromImage(image, QSizeF(7.2, 7.2)));
        const QImage &out = paper.image();
        EXPECT_EQ(out.format(), k.format) << k.ink.name().toStdString();
        EXPECT_EQ(out.pixel(50, 50), qRgb(255, 255, 255));
        EXPECT_EQ(out.pixel(15, 15), k.ink.rgb());
        EXPECT_EQ(paper.size(), QSizeF(7.2, 7.2));
    }
    QImage mono(16, 16, QImage::Format_Mono);
    mono.fill(0);
    EXPECT_EQ(Printing_View::For_Paper(platform::Picture::fromImage(mono, QSizeF(2, 2))).image().depth(), 1);
}

} // namespace

namespace {

// A failure while a page is drawn ends that page as drawn so far, and its reason is logged.
TEST(PrintingView, AFailureEndsThePageAsDrawnAndIsLogged)
{
    Job job;
    QStringList logged;
    job.records.fetch = [](int i) -> platform::Picture {
        if (i == 2)
            throw std::runtime_error("record 3 could not be filled");
        return recordPicture(i);
    };
    job.records.log = [&logged](const QString &m) { logged << m; };
    SheetLayout l = layout(2, 2, 4);
    l.Use_Data_Sheet_Values = true;
    Printing_View view(QRectF(0, 0, PaperW, PaperH), false, l, recordPicture(1), 0, job.records);
    const QImage page = drawPage(view);
    EXPECT_EQ(recordIn(page, 0, 0), 0);
    EXPECT_EQ(recordIn(page, 0, 1), 1);
    EXPECT_EQ(recordIn(page, 1, 0), -1);
    EXPECT_EQ(logged, QStringList{QStringLiteral("record 3 could not be filled")});
}

} // namespace
