// The redraw area of a whole card side: drawingBoundsOfGraphics over 1,000 mixed card objects, a
// third of them turned shapes, a third lines, the rest texts, pictures and barcode objects, with
// strokes of varied widths. The canvas asks for it on every move, so it must stay well under 1 ms.

#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <random>

namespace {

SKTGraphicList mixedObjects(int count)
{
    std::mt19937 random(22);
    std::uniform_real_distribution<double> place(0, 500), size(1, 120), width(0, 12);
    std::uniform_int_distribution<int> angle(-180, 180);
    SKTGraphicList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::shared_ptr<SKTGraphic> g;
        switch (i % 3) {
        case 0: {
            auto shape = std::make_shared<Shape_Control>();
            shape->text_rotation = angle(random);
            g = shape;
            break;
        }
        case 1: {
            auto line = std::make_shared<SKTLine>();
            line->setBeginPoint(QPointF(place(random), place(random)));
            line->setEndPoint(QPointF(place(random), place(random)));
            g = line;
            break;
        }
        default:
            if (i % 9 == 2)
                g = std::make_shared<SKTText>();
            else if (i % 9 == 5)
                g = std::make_shared<SKTImage>();
            else
                g = std::make_shared<SKTBarcode>();
            break;
        }
        if (!g->isExactly<SKTLine>())
            g->setBounds(QRectF(place(random), place(random), size(random), size(random)));
        g->_strokeWidth = width(random);
        list.append(g);
    }
    return list;
}

void BM_DrawingBoundsOf1000(benchmark::State &state)
{
    const SKTGraphicList list = mixedObjects(1000);
    for (auto _ : state) {
        const QRectF area = SKTGraphic::drawingBoundsOfGraphics(list);
        benchmark::DoNotOptimize(area);
    }
    state.SetItemsProcessed(state.iterations() * list.size());
}
BENCHMARK(BM_DrawingBoundsOf1000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);   // the objects' default fonts
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
