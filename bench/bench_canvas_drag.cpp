// Dragging one object among 300 on the canvas: 120 drag steps through the canvas's mouse
// handling, each followed by the paint events it caused. Prints the frame times and checks that
// each step marked only the dragged object's old and new drawing bounds for display.

#include "BenchWindow.h"
#include "app/SKTWindowController.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

void send(SKTGraphicView *canvas, QEvent::Type type, const QPointF &points)
{
    const QPointF local = points * canvas->factor();
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, canvas->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window bw(argc, argv);
    SKTWindowController *c = bw.shown(1500, 950);
    c->Designing_Mode_Select();
    DesignController &dsg = bw.design();
    workAreaOf(dsg).SetDocumentCanvasSize(QSizeF(600, 400));
    QApplication::processEvents();
    SKTGraphicView *canvas = workAreaOf(dsg).Graphic_View();
    SKTDocument *document = bw.document();

    // 300 shapes of every kind, spread over the card; the dragged one is the front-most.
    QRandomGenerator random(2026);
    const QStringList kinds{"R", "C", "RR", "T", "D", "S", "DS", "P"};
    SKTGraphicList objects;
    for (int i = 0; i < 300; ++i) {
        auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
        g->Set_Shape_Type(kinds.at(i % kinds.size()));
        g->setBounds(QRectF(random.bounded(560), random.bounded(360), 20 + random.bounded(40), 20 + random.bounded(40)));
        objects << g;
    }
    QList<int> indexes(300);
    std::iota(indexes.begin(), indexes.end(), 0);
    document->insertGraphics(objects, indexes);
    const auto dragged = objects.first();
    dragged->setBounds(QRectF(100, 100, 40, 40));
    QApplication::processEvents();

    QList<QRectF> marked;
    canvas->redrawRecorder = [&](const QRectF &r) { marked << r; };
    send(canvas, QEvent::MouseButtonPress, QPointF(120, 120));
    QApplication::processEvents();
    std::vector<double> frames;
    int strayRects = 0;
    for (int step = 1; step <= 120; ++step) {
        marked.clear();
        const QRectF before = dragged->drawingBounds();
        QElapsedTimer t;
        t.start();
        send(canvas, QEvent::MouseMove, QPointF(120 + 3 * step, 120 + step));
        QApplication::processEvents();
        frames.push_back(t.nsecsElapsed() / 1e6);
        const QRectF after = dragged->drawingBounds();
        for (const QRectF &r : marked)
            if (r != before && r != after && !before.contains(r) && !after.contains(r))
                ++strayRects;
    }
    send(canvas, QEvent::MouseButtonRelease, QPointF(480, 240));
    QApplication::processEvents();
    canvas->redrawRecorder = nullptr;

    const double mean = std::accumulate(frames.begin(), frames.end(), 0.0) / double(frames.size());
    const double worst = *std::max_element(frames.begin(), frames.end());
    std::printf("canvas drag, 300 objects, 120 steps: mean %.2f ms (%.0f frames/s), max %.2f ms\n", mean,
                1000.0 / mean, worst);
    std::printf("rectangles marked beyond the old and new bounds: %d\n", strayRects);
    std::printf("dragged object now at (%.0f, %.0f)\n", dragged->bounds().x(), dragged->bounds().y());
    return strayRects == 0 && mean < 1000.0 / 60.0 ? 0 : 1;
}
