// The pages of a PDF export job: which records land in which cells (read back with pdftoppm and
// zxing-cpp), where the run stops, skipped records closing up, barcode centring per option and
// label-size pages.

#include "outputjobs/PdfExportPage.h"
#include "platform/PdfFileWriter.h"
#include "support/Decode.h"
#include "tools/SymbolRender.h"
#include "outputjobs/OutputGlobals.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr double kDpi = 300;
const QSizeF kA4(595.28, 841.89);

platform::Picture code128(const QString &value)
{
    symboltool::Status status;
    return symboltool::renderSymbol(QStringLiteral("Code 128"), value, status);
}

platform::Picture block(const QSizeF &points)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    return platform::Picture::fromImage(image, points);
}

platform::Picture invalidPicture()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    return platform::Picture::fromImage(image, QSizeF(200, 100));
}

// A sheet of rows x cols labels of the given size in the top-left corner of A4, no gaps.
PdfExportPage::Setup sheet(int rows, int cols, QSizeF label, int mode, int option, bool batch)
{
    PdfExportPage::Setup s;
    s.paper = kA4;
    s.mode = mode;
    s.option = option;
    s.batch = batch;
    s.layout.Print_Row = rows;
    s.layout.Print_Col = cols;
    s.layout.label_width = float(label.width());
    s.layout.label_hight = float(label.height());
    s.layout.label_align_val = 1;
    s.invalid_image = invalidPicture();
    return s;
}

void setRange(PdfExportPage::Setup &s, int start, int end)
{
    s.layout.Print_Start = start;
    s.layout.Total_Label_Real = end;
}

// The page as pdftoppm renders it at 300 DPI.
QImage renderPdfPage(const QString &path, int page)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-f"), QString::number(page),
                                         QStringLiteral("-l"), QString::number(page), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("p"))});
    p.waitForFinished(120000);
    return QImage(dir.filePath(QStringLiteral("p.png"))).convertToFormat(QImage::Format_RGB32);
}

// The page drawn straight into an image at 300 DPI, white behind.
QImage renderPage(PdfExportPage &page, const std::optional<platform::Picture> &pass = std::nullopt)
{
    const QSizeF size = page.pageSize(pass);
    QImage image(qCeil(size.width() * kDpi / 72), qCeil(size.height() * kDpi / 72), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kDpi / 72, kDpi / 72);
    page.Draw_Pdf_Layout(painter, pass);
    return image;
}

// The cell (1-based row and column, labels from the top-left corner, no gaps) cut from the page.
QImage cellOf(const QImage &page, int row, int col, QSizeF label)
{
    const double k = kDpi / 72;
    return page.copy(QRectF((col - 1) * label.width() * k, (row - 1) * label.height() * k, label.width() * k,
                            label.height() * k).toRect());
}

QString decodeCell(const QImage &page, int row, int col, QSizeF label)
{
    return testsupport::decode(cellOf(page, row, col, label), QStringLiteral("Code128")).text;
}

const QSizeF kLabel(140, 80);

TEST(PdfExportPage, RecordsGoToTheirCellsAndTheRunStopsAtTheEnd)
{
    struct Case {
        const char *name;
        int rows, cols, start, end, records;
        std::vector<std::vector<QString>> pages;   // the decoded cells of each page, row by row
    };
    const Case cases[] = {
        {"range 3 to 5 on a 2 x 2 sheet", 2, 2, 2, 5, 8, {{"R3", "R4", "R5", ""}}},
        {"25 labels on 4 columns by 5 rows", 5, 4, 0, 25, 25,
         {{"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10", "R11", "R12", "R13", "R14", "R15", "R16",
           "R17", "R18", "R19", "R20"},
          {"R21", "R22", "R23", "R24", "R25", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfExportPage::Setup s = sheet(c.rows, c.cols, kLabel, 1, 0, true);
        setRange(s, c.start, c.end);
        std::vector<int> fetched;
        std::atomic<bool> stop{false};
        std::atomic<double> visited{0};
        PdfExportPage page(s, [&](int i) {
            fetched.push_back(i);
            return code128(QStringLiteral("R%1").arg(i + 1));
        }, stop, &visited);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.PDF"));
        platform::PdfFileWriter writer(path, {});
        ASSERT_TRUE(writer.begin(page.pageSize(std::nullopt)));
        int pages = 0;
        while (!stop) {
            if (pages > 0) {
                ASSERT_TRUE(writer.newPage(page.pageSize(std::nullopt)));
            }
            page.Draw_Pdf_Layout(*writer.painter());
            ++pages;
            ASSERT_LT(pages, 10);
        }
        ASSERT_TRUE(writer.finish());
        // The last full sheet still ends with the stop: no empty page after it.
        EXPECT_EQ(size_t(pages), c.pages.size());
        std::vector<int> expected;
        for (int i = c.start; i < c.end; ++i)
            expected.push_back(i);
        EXPECT_EQ(fetched, expected);
        EXPECT_EQ(page.barcode_counter, c.end - c.start);
        for (size_t p = 0; p < c.pages.size(); ++p) {
            const QImage image = renderPdfPage(path, int(p) + 1);
            ASSERT_FALSE(image.isNull());
            for (size_t k = 0; k < c.pages[p].size(); ++k) {
                const int row = int(k) / c.cols + 1, col = int(k) % c.cols + 1;
                EXPECT_EQ(decodeCell(image, row, col, kLabel), c.pages[p][k]) << "page " << p + 1 << " cell " << k + 1;
            }
        }
    }
}

TEST(PdfExportPage, RecordsWithoutAPictureAreSkippedOrShowTheInvalidPicture)
{
    struct Case { const char *name; bool skip; std::vector<QString> cells; bool invalidInSecond; };
    const Case cases[] = {
        {"skip-invalid closes up", true, {"R1", "R3", "R4"}, false},
        {"without skip the cell shows the invalid-data picture", false, {"R1", "", "R3"}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfExportPage::Setup s = sheet(1, 3, kLabel, 0, 0, true);
        s.layout.skip_invalid_barcode = c.skip;
        setRange(s, 0, 4);
        std::atomic<bool> stop{false};
        PdfExportPage page(s, [](int i) { return i == 1 ? platform::Picture() : code128(QStringLiteral("R%1").arg(i + 1)); },
                           stop);
        const QImage image = renderPage(page);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(decodeCell(image, 1, k + 1, kLabel), c.cells[size_t(k)]) << k;
        const QImage second = cellOf(image, 1, 2, kLabel);
        EXPECT_EQ(second.pixel(second.width() / 2, second.height() / 2) == qRgb(255, 0, 0), c.invalidInSecond);
        EXPECT_EQ(page.count, c.skip ? 4 : 3);
    }
}

// The left edge of the black in the middle row of the first cell, in points.
double inkLeft(const QImage &image)
{
    const int y = qRound(kLabel.height() * kDpi / 72) - 5;
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128)
            return x * 72 / kDpi;
    }
    return -1;
}

TEST(PdfExportPage, BarcodePicturesAreCentredOnlyOnSheets)
{
    struct Case { const char *name; int mode, option; double left; };
    const Case cases[] = {
        {"Barcode mode, option 0: centred across the cell", 0, 0, 50},
        {"Barcode mode, option 1: centred", 0, 1, 50},
        {"Barcode mode, option 2: lower-left corner", 0, 2, 0},
        {"Advanced QR mode, option 0: lower-left corner", 2, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfExportPage::Setup s = sheet(1, 1, kLabel, c.mode, c.option, false);
        setRange(s, 0, 1);
        s.Barcode_Image = block(QSizeF(40, 20));
        std::atomic<bool> stop{false};
        PdfExportPage page(s, {}, stop);
        EXPECT_NEAR(inkLeft(renderPage(page)), c.left, 0.5);
    }
}

TEST(PdfExportPage, CardPicturesFillTheirCell)
{
    PdfExportPage::Setup s = sheet(1, 1, kLabel, 1, 0, true);
    setRange(s, 0, 1);
    std::atomic<bool> stop{false};
    PdfExportPage page(s, [](int) { return block(QSizeF(14, 8)); }, stop);
    const QImage image = renderPage(page);
    const double k = kDpi / 72;
    EXPECT_EQ(qGray(image.pixel(int(kLabel.width() * k) - 3, int(kLabel.height() * k) - 3)), 0);
    EXPECT_EQ(qGray(image.pixel(int(kLabel.width() * k) + 3, 3)), 255);
}

TEST(PdfExportPage, LabelSizePagesTakeTheirPicturesSize)
{
    struct Case { const char *name; int mode, option; bool useLabel; std::optional<platform::Picture> pass; QSizeF page; };
    const Case cases[] = {
        {"option 3, a record's picture", 0, 3, true, block(QSizeF(127.5, 60.25)), {127.5, 60.25}},
        {"option 3, a record without a picture", 0, 3, true, platform::Picture(), {200, 100}},
        {"option 2, Designing mode: the label", 1, 2, true, std::nullopt, kLabel},
        {"option 3 without the label-size box: the paper", 0, 3, false, block(QSizeF(127.5, 60.25)), kA4},
        {"option 0 with the box: the paper", 0, 0, true, std::nullopt, kA4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfExportPage::Setup s = sheet(1, 1, kLabel, c.mode, c.option, true);
        s.PDF_Use_Label_Size = c.useLabel;
        s.layout.Left_Mar = s.layout.Top_Mar = 20;
        std::atomic<bool> stop{false};
        PdfExportPage page(s, {}, stop);
        const QSizeF size = page.pageSize(c.pass);
        EXPECT_NEAR(size.width(), c.page.width(), 0.001);
        EXPECT_NEAR(size.height(), c.page.height(), 0.001);
    }
}

TEST(PdfExportPage, RecordsPassedOverAreNotDrawnLater)
{
    PdfExportPage::Setup s = sheet(1, 2, kLabel, 1, 1, true);
    setRange(s, 0, 6);
    std::vector<int> fetched;
    std::atomic<bool> stop{false};
    PdfExportPage page(s, [&](int i) { fetched.push_back(i); return code128(QStringLiteral("R%1").arg(i + 1)); }, stop);
    renderPage(page);
    page.Pass_Over(2);   // the second sheet's file was cancelled at the prompt
    const QImage third = renderPage(page);
    EXPECT_EQ(fetched, (std::vector<int>{0, 1, 4, 5}));
    EXPECT_EQ(decodeCell(third, 1, 1, kLabel), QStringLiteral("R5"));
}

TEST(PdfExportPage, AFailureWhileDrawingEndsOnlyThatPage)
{
    PdfExportPage::Setup s = sheet(1, 3, kLabel, 1, 0, true);
    setRange(s, 0, 6);
    std::atomic<bool> stop{false};
    bool thrown = false;
    PdfExportPage page(s, [&](int i) {
        if (i == 1 && !thrown) {
            thrown = true;
            throw std::runtime_error("the card could not be filled");
        }
        return code128(QStringLiteral("R%1").arg(i + 1));
    }, stop);
    const QImage first = renderPage(page);
    EXPECT_EQ(decodeCell(first, 1, 1, kLabel), QStringLiteral("R1"));
    EXPECT_EQ(decodeCell(first, 1, 2, kLabel), QString());
    EXPECT_FALSE(stop);
    const QImage second = renderPage(page);
    EXPECT_EQ(decodeCell(second, 1, 1, kLabel), QStringLiteral("R2"));
}

} // namespace
