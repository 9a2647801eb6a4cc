// The PDF417 view: states, log lines, image size and resolution, coding, drag and drop.

#include "core/GlobalsReset.h"
#include "core/SymbolGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "barcodemode/pdf417View.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDataStream>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>

#include <cmath>

namespace {

QStringList logLines;
void captureLog(QtMsgType, const QMessageLogContext &, const QString &msg)
{
    logLines << msg;
}

// Captures the log and puts the globals back around each test.
class Pdf417ViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        logLines.clear();
        m_previous = qInstallMessageHandler(captureLog);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previous);
        resetGlobalsForTests();
    }

private:
    QtMessageHandler m_previous = nullptr;
};

// What the view paints, on a transparent background.
QImage painted(const pdf417View &view)
{
    QImage image(view.bounds().size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    view.drawRect(painter, view.bounds());
    return image;
}

int countPixels(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

// The view's image at 72 DPI on a white page with a quiet zone, for the decoder.
QImage withQuietZone(const platform::Picture &picture, double dpi)
{
    const QImage symbol = picture.toImage(dpi);
    QImage page(symbol.width() + 80, symbol.height() + 80, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(40, 40, symbol);
    return page;
}

// Draws text into a view sized so that each module is m points wide and each row 3m high.
int drawSized(pdf417View &view, const QString &text, double m)
{
    view.drawWithText(text);
    view.setFrameSize(QSizeF(view.param().bitColumns * m, view.param().codeRows * 3 * m));
    return view.drawWithText(text);
}

} // namespace

TEST_F(Pdf417ViewTest, NewViewIsAnEmptyGreyRectangle)
{
    pdf417View view(QRectF(0, 0, 60, 30));
    EXPECT_EQ(view.getImageState(), pdf417View::ImageEmpty);
    EXPECT_EQ(view.getErrorLevel(), 2);
    EXPECT_FALSE(view.isDragTarget);
    EXPECT_FALSE(view.isDragSource);
    EXPECT_EQ(countPixels(painted(view), QColor(Qt::lightGray).rgb()), 60 * 30);
    EXPECT_EQ(view.drawWithText(QString()), 1);
    EXPECT_TRUE(view.getImage().isNull());
    EXPECT_TRUE(logLines.isEmpty());
}

TEST_F(Pdf417ViewTest, EncodesAtTheViewsLevelAndRaisesToTheOutputResolution)
{
    pdf417View view(QRectF(0, 0, 86, 39));
    int redraws = 0;
    view.setNeedsDisplayHandler([&redraws] { ++redraws; });
    EXPECT_EQ(view.drawWithText(QStringLiteral("PDF417")), 0);
    EXPECT_EQ(redraws, 1);
    const pdf417::_pdf417param &p = view.param();
    EXPECT_EQ(std::vector<int>(p.codewords, p.codewords + 5), (std::vector<int>{5, 453, 178, 121, 239}));
    EXPECT_EQ(p.codeColumns, 1);
    EXPECT_EQ(p.codeRows, 13);
    EXPECT_EQ(p.options, pdf417::OptionUseErrorLevel | pdf417::OptionInvertBitmap);
    const platform::Picture image = view.getImage();
    EXPECT_EQ(image.size(), QSizeF(86, 39));
    EXPECT_EQ(image.image().size(), QSize(int(std::ceil(600 * 86 / 72.0)), int(std::ceil(600 * 39 / 72.0))));

    USED_DPI_VALUE = 300;
    view.drawWithText(QStringLiteral("PDF417"));
    EXPECT_EQ(view.getImage().image().size(), QSize(int(std::ceil(300 * 86 / 72.0)), int(std::ceil(300 * 39 / 72.0))));
    // Painted bars are black on white.
    const QImage shown = painted(view);
    EXPECT_GT(countPixels(shown, qRgb(0, 0, 0)), 500);
    EXPECT_GT(countPixels(shown, qRgb(255, 255, 255)), 500);
}

TEST_F(Pdf417ViewTest, OneShotFlagKeepsTheBoundsAndTheModuleBitmap)
{
    Type_draw_2d_flag = true;
    pdf417View view(QRectF(0, 0, 100, 20));
    ASSERT_EQ(view.drawWithText(QStringLiteral("A quick preview")), 0);
    const platform::Picture image = view.getImage();
    EXPECT_EQ(image.size(), QSizeF(100, 20));
    EXPECT_EQ(image.image().size(), QSize(view.param().bitColumns, view.param().codeRows));
    EXPECT_TRUE(Type_draw_2d_flag);   // the generation clears it, not the view
}

TEST_F(Pdf417ViewTest, ErrorLevelIsLoggedAndClampedByTheEncoder)
{
    pdf417View view(QRectF(0, 0, 100, 100));
    view.setErrorLevel(9);
    EXPECT_EQ(view.getErrorLevel(), 9);
    ASSERT_EQ(logLines, QStringList{QStringLiteral("ErrorLevel set to 9")});
    Type_draw_2d_flag = true;
    ASSERT_EQ(drawSized(view, QStringLiteral("Level nine"), 2), 0);
    EXPECT_EQ(view.param().errorLevel, 8);
    const testsupport::Decoded d = testsupport::decode(withQuietZone(view.getImage(), 72), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("Level nine"));
    EXPECT_EQ(view.getErrorLevel(), 9);
}

TEST_F(Pdf417ViewTest, DataPastTheCapacityShowsTheFailureText)
{
    pdf417View view(QRectF(0, 0, 240, 60));
    int redraws = 0;
    view.setNeedsDisplayHandler([&redraws] { ++redraws; });
    EXPECT_EQ(view.drawWithText(QString(5421, QLatin1Char('x'))), 2);
    EXPECT_EQ(view.getImageState(), pdf417View::ImageFailed);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(view.param().outBits.empty());
    EXPECT_EQ(logLines, QStringList{QStringLiteral("Error encountered while drawing barcode, error 1.")});
    const QImage shown = painted(view);
    EXPECT_EQ(shown.pixel(239, 59), qRgb(255, 255, 255));   // white, not the empty grey
    const int white = countPixels(shown, qRgb(255, 255, 255));
    EXPECT_GT(white, 240 * 60 / 2);
    EXPECT_LT(white, 240 * 60);   // the text is there

    // The same text drawn directly is what the view shows.
    QImage reference(shown.size(), QImage::Format_ARGB32);
    reference.fill(Qt::white);
    {
        QPainter painter(&reference);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, 240, 60), Qt::TextWordWrap, QStringLiteral("There was a problem drawing the barcode."));
    }
    EXPECT_EQ(shown, reference);

    // Under the byte limit, but too many codewords: 2000 high Latin-1 characters.
    logLines.clear();
    EXPECT_EQ(view.drawWithText(QString(2000, QChar(0xe9))), 2);
    EXPECT_EQ(logLines, QStringList{QStringLiteral("Error encountered while drawing barcode, error 1.")});
    // A later success replaces the state.
    EXPECT_EQ(view.drawWithText(QStringLiteral("ok")), 0);
}

TEST_F(Pdf417ViewTest, TextIsLatin1WhenItCanBeElseUtf8)
{
    EXPECT_EQ(pdf417::textBytes(QStringLiteral("Gr\u00fc\u00dfe")), QByteArray("Gr\xfc\xdf" "e"));
    EXPECT_EQ(pdf417::textBytes(QStringLiteral("5 \u20ac")), QByteArray("5 \xe2\x82\xac"));
    EXPECT_EQ(pdf417::textBytes(QStringLiteral("plain")), QByteArray("plain"));
    EXPECT_FALSE(pdf417::textBytes(QStringLiteral("\u4e2d")).isNull());

    Type_draw_2d_flag = true;
    pdf417View view;
    ASSERT_EQ(drawSized(view, QStringLiteral("Gr\u00fc\u00dfe aus K\u00f6ln"), 2), 0);
    testsupport::Decoded d = testsupport::decode(withQuietZone(view.getImage(), 72), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.bytes, QByteArray("Gr\xfc\xdf" "e aus K\xf6ln"));
    ASSERT_EQ(drawSized(view, QStringLiteral("Preis: 5 \u20ac \u4e2d\u6587"), 2), 0);
    d = testsupport::decode(withQuietZone(view.getImage(), 72), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.bytes, QStringLiteral("Preis: 5 \u20ac \u4e2d\u6587").toUtf8());
}

TEST_F(Pdf417ViewTest, SymbolAtTheOutputResolutionDecodes)
{
    pdf417View view;
    const QString url = QStringLiteral("https://example.com/products/4711?ref=label&lang=en");
    ASSERT_EQ(drawSized(view, url, 1.0), 0);   // one point per module, raised to 600 DPI
    const platform::Picture image = view.getImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.image().width(), int(std::ceil(600 * view.param().bitColumns / 72.0)));
    const testsupport::Decoded d = testsupport::decode(withQuietZone(image, 600), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, url);
}

TEST_F(Pdf417ViewTest, CodingRoundTrip)
{
    Type_draw_2d_flag = true;
    pdf417View view(QRectF(0, 0, 120, 40));
    view.setErrorLevel(4);
    view.isDragSource = true;
    ASSERT_EQ(view.drawWithText(QStringLiteral("archived")), 0);
    QByteArray archive;
    {
        QDataStream out(&archive, QIODevice::WriteOnly);
        view.encodeWithCoder(out);
    }
    logLines.clear();
    pdf417View copy(QRectF(0, 0, 120, 40));
    int redraws = 0;
    copy.setNeedsDisplayHandler([&redraws] { ++redraws; });
    QDataStream in(archive);
    ASSERT_TRUE(copy.initWithCoder(in));
    EXPECT_EQ(logLines, QStringList{QStringLiteral("unarchiving pdf417View")});
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(copy.getErrorLevel(), 4);
    EXPECT_TRUE(copy.isDragSource);
    EXPECT_FALSE(copy.isDragTarget);
    EXPECT_EQ(copy.getImageState(), 0);
    EXPECT_EQ(copy.getImage().size(), QSizeF(120, 40));
    EXPECT_EQ(copy.getImage().image().convertToFormat(QImage::Format_RGB32),
              view.getImage().image().convertToFormat(QImage::Format_RGB32));

    // A view without an image archives none; a cut archive changes nothing.
    pdf417View empty(QRectF(0, 0, 10, 10));
    QByteArray emptyArchive;
    {
        QDataStream out(&emptyArchive, QIODevice::WriteOnly);
        empty.encodeWithCoder(out);
    }
    pdf417View fromEmpty;
    QDataStream emptyIn(emptyArchive);
    ASSERT_TRUE(fromEmpty.initWithCoder(emptyIn));
    EXPECT_TRUE(fromEmpty.getImage().isNull());
    EXPECT_EQ(fromEmpty.getImageState(), 1);
    QDataStream cut(archive.left(9));
    EXPECT_FALSE(copy.initWithCoder(cut));
    EXPECT_EQ(copy.getErrorLevel(), 4);
    EXPECT_EQ(copy.getImageState(), 0);
}

TEST_F(Pdf417ViewTest, DragAndDropOnlyWhileTheFlagsAreOn)
{
    testsupport::ResponderScope responder;
    Type_draw_2d_flag = true;
    pdf417View view(QRectF(0, 0, 80, 40));
    QMimeData text;
    text.setText(QStringLiteral("dropped"));
    QMimeData noText;
    noText.setData(QStringLiteral("image/png"), QByteArray("x"));

    EXPECT_EQ(view.draggingEntered(&text, Qt::CopyAction), Qt::IgnoreAction);
    EXPECT_EQ(view.mouseDown(Qt::NoModifier), nullptr);
    EXPECT_EQ(view.draggingSourceOperationMaskForLocal(true), Qt::DropActions(Qt::IgnoreAction));

    view.isDragTarget = true;
    EXPECT_EQ(view.draggingEntered(&noText, Qt::CopyAction), Qt::IgnoreAction);
    EXPECT_EQ(view.draggingEntered(&text, Qt::CopyAction), Qt::CopyAction);
    EXPECT_TRUE(view.dragSessionInProgress);
    EXPECT_EQ(painted(view).pixel(0, 20), qRgb(255, 0, 0));   // the red frame
    EXPECT_TRUE(view.prepareForDragOperation());
    EXPECT_TRUE(view.performDragOperation(&text));
    EXPECT_EQ(view.getImageState(), 0);
    view.concludeDragOperation();
    EXPECT_FALSE(view.dragSessionInProgress);
    EXPECT_NE(painted(view).pixel(0, 20), qRgb(255, 0, 0));

    EXPECT_FALSE(view.performDragOperation(&noText));
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(responder->alerts.at(0).message, QStringLiteral("Paste"));
    EXPECT_EQ(responder->alerts.at(0).informative, QStringLiteral("Unable to perform drop operation."));
    EXPECT_EQ(responder->alerts.at(0).buttons, QStringList{QStringLiteral("OK")});

    view.isDragSource = true;
    EXPECT_EQ(view.draggingSourceOperationMaskForLocal(false), Qt::DropActions(Qt::CopyAction));
    EXPECT_TRUE(view.shouldDelayWindowOrderingForEvent());
    EXPECT_EQ(view.mouseDown(Qt::AltModifier), nullptr);
    const std::unique_ptr<QMimeData> drag = view.mouseDown(Qt::NoModifier);
    ASSERT_NE(drag, nullptr);
    QByteArray tiff = drag->data(QStringLiteral("image/tiff"));
    QBuffer buffer(&tiff);
    QImageReader reader(&buffer, "tiff");
    const QImage dragged = reader.read();
    ASSERT_FALSE(dragged.isNull());
    EXPECT_EQ(dragged.size(), view.getImage().image().size());
}
