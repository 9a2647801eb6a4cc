// An undo snapshot of a card side and its restore: 50 card objects of every kind, one of them a
// picture of 2000 x 2000 pixels. A snapshot copies fields and shares pictures, so it must stay well
// under 5 ms however large the pictures are; the restore makes 50 new objects from it.

#include "model/DesignSnapshot.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

SKTGraphicList card()
{
    SKTGraphicList list;
    QImage photo(2000, 2000, QImage::Format_ARGB32);
    photo.fill(Qt::darkCyan);
    auto picture = std::make_shared<SKTImage>();
    picture->_contents = platform::Picture::fromImage(photo, QSizeF(400, 400));
    picture->_contents_with_settings = picture->_contents;
    list.append(picture);
    for (int i = 1; i < 50; ++i) {
        std::shared_ptr<SKTGraphic> g;
        switch (i % 5) {
        case 0: g = std::make_shared<SKTText>(); break;
        case 1: g = std::make_shared<Shape_Control>(); break;
        case 2: g = std::make_shared<SKTLine>(); break;
        case 3: g = std::make_shared<SKTBarcode>(); break;
        default: g = std::make_shared<SKTSignature>(); break;
        }
        g->_bounds = QRectF(i * 3, i * 2, 40, 20);
        g->Text_Value = QStringLiteral("Object %1").arg(i);
        list.append(g);
    }
    return list;
}

void BM_SnapshotOf50Objects(benchmark::State &state)
{
    const SKTGraphicList side = card();
    for (auto _ : state) {
        DesignSnapshot snapshot(side);
        benchmark::DoNotOptimize(snapshot);
    }
    state.SetItemsProcessed(state.iterations() * side.size());
}
BENCHMARK(BM_SnapshotOf50Objects)->Unit(benchmark::kMicrosecond);

void BM_RestoreOf50Objects(benchmark::State &state)
{
    const DesignSnapshot snapshot(card());
    for (auto _ : state) {
        SKTGraphicList restored = snapshot.restore();
        benchmark::DoNotOptimize(restored);
    }
    state.SetItemsProcessed(state.iterations() * snapshot.count());
}
BENCHMARK(BM_RestoreOf50Objects)->Unit(benchmark::kMicrosecond);

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
