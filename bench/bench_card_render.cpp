// The off-screen card renderer: a 50-object card (texts, shapes, lines, two pictures, five barcode
// objects) rasterised at 600 DPI, and 1,000 different cards written as PDF, each as a document of
// its own and as the pages of one document, with the resident memory read along the way.
// Targets: the raster under 300 ms; the 1,000th card within 10 MB of the 100th.

#include "BenchWindow.h"

#include "barcodemode/Barcode_Gen.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTRenderingView.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

namespace {

SKTGraphicList card(const bench::Window &window, int variant)
{
    SKTGraphicList list;
    QImage photo(800, 800, QImage::Format_RGB32);
    photo.fill(QColor::fromHsv(variant % 360, 120, 200));
    for (int k = 0; k < 2; ++k) {
        auto picture = std::make_shared<SKTImage>();
        picture->_bounds = QRectF(150 + 40 * k, 10, 40, 40);
        picture->_contents = platform::Picture::fromImage(photo, QSizeF(200, 200));
        picture->_contents_with_settings = picture->_contents;
        list.append(picture);
    }
    Barcode_Gen &gen = window.barcodeGen();
    for (int k = 0; k < 5; ++k) {
        auto b = std::make_shared<SKTBarcode>();
        b->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
        b->linear_font_val = QStringLiteral("C%1-%2").arg(variant).arg(k);
        b->_bounds = QRectF(5 + 45 * k, 100, 40, 30);
        gen.Set_Barcode_Prop_To_Control(*b, true);
        b->Set_Barcode_image(gen.Get_Image_From_Val(b->linear_font_val, b->header_val, b->footer_val));
        list.append(b);
    }
    for (int i = 0; list.size() < 50; ++i) {
        std::shared_ptr<SKTGraphic> g;
        switch (i % 3) {
        case 0: {
            auto t = std::make_shared<SKTText>();
            t->Set_text_value(QStringLiteral("Card %1 line %2").arg(variant).arg(i));
            g = t;
            break;
        }
        case 1: g = std::make_shared<Shape_Control>(); break;
        default: g = std::make_shared<SKTLine>(); break;
        }
        g->_bounds = QRectF((i * 7) % 200, (i * 5) % 120, 40, 14);
        list.append(g);
    }
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window window(argc, argv);
    workAreaOf(window.design()).canvasFrameSize = QSizeF(243, 153);

    const SKTGraphicList design = card(window, 0);
    const platform::Picture picture = SKTRenderingView::image_From_Card_Graphics(design);
    picture.toImage(600);   // warm the fonts
    QElapsedTimer timer;
    const int runs = 10;
    timer.start();
    for (int i = 0; i < runs; ++i)
        SKTRenderingView::image_From_Card_Graphics(design).toImage(600);
    std::printf("50-object card at 600 DPI (job + raster): %.1f ms a card (target < 300 ms)\n",
                double(timer.elapsed()) / runs);

    long separate100 = 0, separate1000 = 0;
    timer.start();
    for (int i = 1; i <= 1000; ++i) {
        const QByteArray pdf = SKTRenderingView::pdfDataWithGraphics_data(card(window, i));
        if (pdf.isEmpty())
            return 1;
        if (i == 100)
            separate100 = bench::residentKb();
        if (i == 1000)
            separate1000 = bench::residentKb();
    }
    std::printf("1,000 cards as separate PDF documents: %lld ms; resident %ld kB at 100, %ld kB at 1,000 (%+ld kB)\n",
                timer.elapsed(), separate100, separate1000, separate1000 - separate100);

    long pages100 = 0, pages1000 = 0;
    // Into a file, so that the document's own growth is not counted as resident memory.
    QTemporaryFile file;
    file.open();
    timer.start();
    {
        QPdfWriter writer(file.fileName());
        writer.setPageSize(QPageSize(QSizeF(243, 153), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        writer.setResolution(72);
        QPainter painter(&writer);
        for (int i = 1; i <= 1000; ++i) {
            if (i > 1)
                writer.newPage();
            SKTRenderingView::image_From_Card_Graphics(card(window, i)).draw(painter, QRectF(0, 0, 243, 153));
            if (i == 100)
                pages100 = bench::residentKb();
            if (i == 1000)
                pages1000 = bench::residentKb();
        }
    }
    std::printf("1,000 cards as pages of one PDF (%lld kB): %lld ms; resident %ld kB at 100, %ld kB at 1,000 (%+ld kB)\n",
                qlonglong(QFileInfo(file.fileName()).size() / 1024), timer.elapsed(), pages100, pages1000, pages1000 - pages100);
    return 0;
}
