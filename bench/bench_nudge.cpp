// Arrow-key nudges on a card with a 2000 x 2000 picture and 30 other objects: each press moves the
// selection one point, records its undo step and repaints. Prints the mean and the longest step.

#include "BenchWindow.h"
#include "app/SKTWindowController.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTImage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    SKTWindowController *c = bw.shown(1500, 950);
    c->Designing_Mode_Select();
    DesignController &dsg = bw.design();
    workAreaOf(dsg).SetDocumentCanvasSize(QSizeF(500, 400));
    QApplication::processEvents();
    SKTGraphicView *canvas = workAreaOf(dsg).Graphic_View();
    SKTDocument *document = bw.document();

    QImage photo(2000, 2000, QImage::Format_ARGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const platform::Picture pixels = platform::Picture::fromImage(photo, QSizeF(300, 300));
    auto picture = SKTImage::initWithPosition(QPointF(0, 0), pixels);
    picture->setFileNSImage_Variable(pixels);   // drawn as a picture with its settings is
    picture->_file_path = QStringLiteral("photo.png");
    picture->setBounds(QRectF(20, 20, 300, 300));
    SKTGraphicList objects{picture};
    for (int i = 0; i < 30; ++i) {
        auto g = SKTGraphic::graphicOfClass(i % 2 ? SKTGraphicClass::Shape : SKTGraphicClass::Text);
        g->setBounds(QRectF(10 + 15 * (i % 10), 300 + 30 * (i / 10), 60, 20));
        objects << g;
    }
    QList<int> indexes(objects.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    document->insertGraphics(objects, indexes);
    canvas->changeSelectionIndexes({0});
    canvas->setFocus();
    QApplication::processEvents();

    std::vector<double> steps;
    for (int i = 0; i < 100; ++i) {
        QKeyEvent press(QEvent::KeyPress, i % 2 ? Qt::Key_Right : Qt::Key_Down, Qt::NoModifier);
        QElapsedTimer t;
        t.start();
        QApplication::sendEvent(canvas, &press);
        canvas->repaint();
        steps.push_back(t.nsecsElapsed() / 1e6);
    }
    const double mean = std::accumulate(steps.begin(), steps.end(), 0.0) / double(steps.size());
    const double worst = *std::max_element(steps.begin(), steps.end());
    std::printf("100 nudges, picture 2000 x 2000 and 30 objects: mean %.2f ms, max %.2f ms per step\n", mean, worst);
    std::printf("picture now at (%.0f, %.0f)\n", picture->bounds().x(), picture->bounds().y());
    return mean < 16 && worst < 16 ? 0 : 1;
}
