// The off-screen renderer: the card pass (base, printable visible objects back to front, border),
// its PDF and vector picture at the card's size, the TIFF of the objects alone, jobs painted on
// other threads, and the document's PDF, TIFF and print outputs.

#include "engines/qr/QrGenerator.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTError.h"
#include "model/SKTRenderingView.h"
#include "model/Shape_Control.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

const QColor kBase(200, 200, 200);
const QColor kBorder(0, 0, 255);

// A canvas of a given size whose base is grey and whose border is a 4-point blue frame, for one test.
class HostScope {
public:
    explicit HostScope(const QRectF &canvas)
    {
        SKTRenderingHost host;
        host.canvasBounds = [canvas] { return canvas; };
        host.cardLayers = [] {
            SKTCardLayers layers;
            layers.base = [](QPainter &p, const QRectF &r) { p.fillRect(r, kBase); };
            layers.border = [](QPainter &p, const QRectF &r) {
                p.setPen(QPen(kBorder, 4));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(2, 2, -2, -2));
            };
            return layers;
        };
        SKTRenderingView::setHost(std::move(host));
    }
    ~HostScope() { SKTRenderingView::setHost({}); }
    HostScope(const HostScope &) = delete;
    HostScope &operator=(const HostScope &) = delete;
};

std::shared_ptr<Shape_Control> box(const QRectF &frame, const QColor &fill)
{
    auto g = std::make_shared<Shape_Control>();
    g->Set_Shape_Type(QStringLiteral("R"));
    g->_bounds = frame;
    g->_fillColor = fill;
    g->_isDrawingStroke = false;
    return g;
}

QColor at(const QImage &image, double x, double y, double dpi = 72)
{
    return image.pixelColor(int(x * dpi / 72), int(y * dpi / 72));
}

bool near(const QColor &a, const QColor &b, int tolerance = 8)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

QImage tiffImage(const QByteArray &tiff)
{
    QBuffer buffer;
    buffer.setData(tiff);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "tiff");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// "Page size: 252 x 144 pts" of pdfinfo.
QSizeF pdfPageSize(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished(30000);
    const QRegularExpression re(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QSizeF pdfPageSize(const QByteArray &pdf, const QTemporaryDir &dir)
{
    const QString file = dir.filePath(QStringLiteral("card.pdf"));
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(pdf);
    f.close();
    return pdfPageSize(file);
}

} // namespace

// ---- The card pass ---------------------------------------------------------------------------

TEST(CardRendering, PrintFlagAndVisibilityChooseTheOutputs)
{
    HostScope host(QRectF(0, 0, 300, 200));
    auto printed = box(QRectF(10, 10, 40, 40), Qt::red);
    auto unprinted = box(QRectF(100, 10, 40, 40), Qt::green);
    unprinted->print_object = 1;
    auto hidden = box(QRectF(200, 10, 40, 40), Qt::yellow);
    hidden->ctrl_is_visible = false;
    const SKTGraphicList objects{printed, unprinted, hidden};

    const QImage card = SKTRenderingView::image_From_Card_Graphics(objects).toImage(72);
    ASSERT_EQ(card.size(), QSize(300, 200));
    EXPECT_TRUE(near(at(card, 30, 30), Qt::red));
    EXPECT_TRUE(near(at(card, 120, 30), kBase)) << "an unprinted object is left out of the card";
    EXPECT_TRUE(near(at(card, 220, 30), kBase)) << "a hidden object is left out of the card";

    SKTError error;
    const QImage tiff = tiffImage(SKTRenderingView::tiffDataWithGraphics(objects, &error));
    ASSERT_FALSE(tiff.isNull());
    // The TIFF spans every object's drawing bounds, from the first one's corner.
    const QPointF origin = SKTGraphic::drawingBoundsOfGraphics(objects).topLeft();
    EXPECT_TRUE(near(at(tiff, 30 - origin.x(), 30 - origin.y()), Qt::red));
    EXPECT_TRUE(near(at(tiff, 120 - origin.x(), 30 - origin.y()), Qt::green)) << "the TIFF holds unprinted objects";
    EXPECT_EQ(at(tiff, 220 - origin.x(), 30 - origin.y()).alpha(), 0) << "but no hidden one";
}

TEST(CardRendering, ObjectZeroEndsOnTopAndLayersFrameTheObjects)
{
    HostScope host(QRectF(0, 0, 200, 100));
    auto front = box(QRectF(20, 20, 60, 60), Qt::red);
    auto back = box(QRectF(0, 0, 200, 100), Qt::green);   // covers the card, under the border
    const QImage card = SKTRenderingView::image_From_Card_Graphics({front, back}).toImage(72);
    EXPECT_TRUE(near(at(card, 50, 50), Qt::red));
    EXPECT_TRUE(near(at(card, 150, 50), Qt::green));
    EXPECT_TRUE(near(at(card, 1, 50), kBorder)) << "the border is painted over the objects";
}

TEST(CardRendering, AnEmptyCardShowsItsLayersAndATransparentTiff)
{
    HostScope host(QRectF(0, 0, 120, 80));
    const QImage card = SKTRenderingView::image_From_Card_Graphics({}).toImage(72);
    ASSERT_EQ(card.size(), QSize(120, 80));
    EXPECT_TRUE(near(at(card, 60, 40), kBase));
    EXPECT_TRUE(near(at(card, 1, 1), kBorder));
    EXPECT_FALSE(SKTRenderingView::pdfDataWithGraphics_data({}).isEmpty());

    const QImage tiff = tiffImage(SKTRenderingView::tiffDataWithGraphics({}));
    ASSERT_EQ(tiff.size(), QSize(120, 80));
    for (int y = 0; y < tiff.height(); ++y)
        for (int x = 0; x < tiff.width(); ++x)
            ASSERT_EQ(qAlpha(tiff.pixel(x, y)), 0) << x << "," << y;
}

TEST(CardRendering, AFarObjectsTiffIsExactlyItsDrawingBounds)
{
    HostScope host(QRectF(0, 0, 600, 400));
    auto far = box(QRectF(430.5, 310, 50, 30), Qt::red);
    const QRectF bounds = far->drawingBounds();
    const QImage tiff = tiffImage(SKTRenderingView::tiffDataWithGraphics({far}));
    ASSERT_EQ(tiff.size(), QSize(int(std::ceil(bounds.width())), int(std::ceil(bounds.height()))));
    // The whole object is inside: its corners' inner pixels and its centre are red.
    for (const QPointF &p : {QPointF(432, 312), QPointF(479, 312), QPointF(432, 338), QPointF(479, 338),
                             QPointF(455, 325)})
        EXPECT_TRUE(near(at(tiff, p.x() - bounds.x(), p.y() - bounds.y()), Qt::red)) << p.x() << "," << p.y();
}

TEST(CardRendering, EmptyOrHugeCardsFailCleanly)
{
    {
        HostScope host(QRectF(0, 0, 0, 0));
        EXPECT_TRUE(SKTRenderingView::pdfDataWithGraphics_data({}).isEmpty());
        EXPECT_TRUE(SKTRenderingView::image_From_Card_Graphics({}).isNull());
        SKTError error;
        EXPECT_TRUE(SKTRenderingView::tiffDataWithGraphics({}, &error).isEmpty());
        EXPECT_EQ(error.code, 3);
        EXPECT_EQ(error.domain, SKTErrorDomain);
    }
    {
        HostScope host(QRectF(0, 0, 1e6, 1e6));
        // A vector picture is made, but no bitmap of it is allocated at 600 DPI.
        const platform::Picture huge = SKTRenderingView::image_From_Card_Graphics({box(QRectF(0, 0, 10, 10), Qt::red)});
        ASSERT_FALSE(huge.isNull());
        EXPECT_TRUE(huge.toImage(600).isNull());
        SKTError error;
        EXPECT_TRUE(SKTRenderingView::tiffDataWithGraphics({}, &error).isEmpty());
        EXPECT_EQ(error.code, 3);
    }
}

TEST(CardRendering, AThumbnailShowsAQrCodeAtItsPrintedSize)
{
    HostScope host(QRectF(0, 0, 243, 153));
    auto code = std::make_shared<SKTBarcode>();
    code->Set_Barcode_image(qr::renderSymbolForTool(QStringLiteral("MEMBER 000123"), 1, 600, 60));
    code->_bounds = QRectF(150, 40, 60, 60);
    // At 72 DPI (a template's thumbnail) the symbol is as wide as printed: 21 modules of 22 dots at 600 DPI.
    const QImage area = SKTRenderingView::image_From_Card_Graphics({code}).toImage(72).copy(140, 30, 80, 80);
    int first = 80, last = 0;   // the columns with a dark pixel
    for (int i = 0; i < 80 * 80; ++i)
        if (qGray(area.pixel(i % 80, i / 80)) < 128)
            first = std::min(first, i % 80), last = std::max(last, i % 80);
    EXPECT_NEAR(last - first + 1, 21 * 22 * 72 / 600.0, 1);
}

// ---- PDF ------------------------------------------------------------------------------------------

TEST(CardRendering, PdfPageIsTheCardAndRastersLikeThePicture)
{
    HostScope host(QRectF(0, 0, 252, 144));
    auto a = box(QRectF(20, 20, 100, 50), Qt::red);
    auto b = box(QRectF(150, 60, 60, 60), QColor(0, 128, 0));
    const QByteArray pdf = SKTRenderingView::pdfDataWithGraphics_data({a, b});
    QTemporaryDir dir;
    ASSERT_EQ(pdfPageSize(pdf, dir), QSizeF(252, 144));

    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), dir.filePath(QStringLiteral("card.pdf")),
                                              dir.filePath(QStringLiteral("card"))});
    ASSERT_TRUE(raster.waitForFinished(60000));
    const QImage fromPdf = QImage(dir.filePath(QStringLiteral("card.png"))).convertToFormat(QImage::Format_ARGB32);
    const QImage fromPicture = SKTRenderingView::image_From_Card_Graphics({a, b})
                                   .toImage(300)
                                   .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(fromPdf.size(), fromPicture.size());
    int differing = 0;
    for (int y = 0; y < fromPdf.height(); ++y)
        for (int x = 0; x < fromPdf.width(); ++x)
            differing += !near(fromPdf.pixelColor(x, y), fromPicture.pixelColor(x, y), 24);
    // Edges may differ by anti-aliasing, nothing more.
    EXPECT_LT(differing, fromPdf.width() * fromPdf.height() / 100);
}

// ---- Threads ----------------------------------------------------------------------------------------

TEST(CardRendering, AJobPaintsTheSameOnAWorkerWhileTheDesignChanges)
{
    HostScope host(QRectF(0, 0, 200, 120));
    auto text = box(QRectF(10, 10, 80, 40), Qt::red);
    auto other = box(QRectF(60, 30, 100, 60), Qt::blue);
    const SKTGraphicList design{text, other};
    const platform::Picture card = SKTRenderingView::image_From_Card_Graphics(design);
    const QImage onGui = card.toImage(300);

    std::atomic<bool> done{false};
    QImage onWorker;
    std::thread worker([&] {
        onWorker = card.toImage(300);
        done = true;
    });
    // The design goes on changing while the worker paints.
    for (int i = 0; !done; ++i) {
        text->_bounds.translate(i % 2 ? 1 : -1, 0);
        other->_fillColor = i % 2 ? Qt::yellow : Qt::cyan;
        QThread::yieldCurrentThread();
    }
    worker.join();
    EXPECT_EQ(onWorker, onGui);
    // A worker asking for a new card gets one taken on the GUI thread.
    platform::Picture fromWorker;
    QThread *thread = QThread::create([&] { fromWorker = SKTRenderingView::image_From_Card_Graphics(design); });
    thread->start();
    while (!thread->wait(10))
        QCoreApplication::processEvents();
    delete thread;
    ASSERT_FALSE(fromWorker.isNull());
    // The card shows the design as it is now (the loop above may not have run at all).
    EXPECT_TRUE(near(at(fromWorker.toImage(72), 100, 80), other->_fillColor));
}

// ---- The document -------------------------------------------------------------------------------------

TEST(CardRendering, TheDocumentAnswersPdfAndTiffOfItsObjects)
{
    HostScope host(QRectF(0, 0, 160, 100));
    SKTDocument doc;
    auto unprinted = box(QRectF(10, 10, 30, 30), Qt::red);
    unprinted->print_object = 1;
    doc.insertGraphics({unprinted}, {0});
    QTemporaryDir dir;
    const QByteArray pdf = doc.dataOfType(QStringLiteral("com.adobe.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdfPageSize(pdf, dir), QSizeF(160, 100));
    SKTError error;
    const QImage tiff = tiffImage(doc.dataOfType(QStringLiteral("image/tiff"), &error));
    ASSERT_FALSE(tiff.isNull());
    EXPECT_TRUE(near(tiff.pixelColor(tiff.width() / 2, tiff.height() / 2), Qt::red));
    EXPECT_TRUE(doc.dataOfType(QStringLiteral("text/plain")).isEmpty());
}

TEST(CardRendering, ThePrintHasTheCardsPageSizeAndTheTitle)
{
    HostScope host(QRectF(0, 0, 243, 153));
    SKTDocument doc;
    doc.insertGraphics({box(QRectF(10, 10, 30, 30), Qt::red)}, {0});
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("printed.pdf"));
    auto operation = doc.printOperationWithSettings({{QStringLiteral("outputFileName"), file}});
    ASSERT_TRUE(operation);
    EXPECT_EQ(operation->view().printJobTitle(), doc.displayName());
    ASSERT_TRUE(operation->runOperation());
    EXPECT_EQ(pdfPageSize(file), QSizeF(243, 153));

    doc.setFileURL(QStringLiteral("/cards/Staff badge.qbf"));
    EXPECT_EQ(doc.printJobTitle(), QStringLiteral("Staff badge"));
}
