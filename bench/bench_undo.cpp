// Timed program: the Designing mode's undo history with large pictures. Five pictures read from
// 6000 x 4000 photo-like JPEG files and five texts; 200 recorded steps alternating a move and a text
// change; resident memory before, after the steps, after New and after 200 more steps; then the
// time of 50 single undos. Snapshots share pictures, so memory must not grow with the history
// beyond the archives' fields, and must come back after New.

#include "BenchWindow.h"

#include "core/Mode.h"
#include "design/DesignParts.h"
#include "design/UndoStacks.h"
#include "model/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "projects/ProjectsController.h"

#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

// A photo-like picture: smooth gradients with a little noise, so that JPEG works as on a photo.
QString writePhoto(const QString &folder, int index)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator noise(quint32(index + 1));
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(noise.generate() & 15);
            line[x] = qRgb((x / 24 + index * 40 + n) & 255, (y / 16 + n) & 255, ((x + y) / 40 + n) & 255);
        }
    }
    const QString path = QStringLiteral("%1/photo%2.jpg").arg(folder).arg(index);
    QImageWriter writer(path, "jpg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

// 200 steps: a picture moves, then a text changes, each recorded once after the change.
void recordSteps(UndoStacks &stacks, SKTDocument &document, int round)
{
    const SKTGraphicList &graphics = document.graphics();
    for (int i = 0; i < 200; ++i) {
        const std::shared_ptr<SKTGraphic> &g = graphics.at((i / 2) % 5 + (i % 2 ? 5 : 0));
        if (i % 2 == 0)
            g->setXPosition(10 + (i + round) % 150);
        else
            g->Set_text_value(QStringLiteral("Text %1 of round %2").arg(i).arg(round));
        stacks.Insert_In_Undo_Redo();
    }
}

} // namespace

int main(int argc, char **argv)
{
    bench::Window window(argc, argv);
    window.window();
    Barcode_Setting_Or_Designing_Mode = 1;
    UndoStacks &stacks = undoStacksOf(window.design());
    SKTDocument &document = *window.document();

    QTemporaryDir folder;
    QElapsedTimer made;
    made.start();
    QStringList photos;
    for (int i = 0; i < 5; ++i)
        photos << writePhoto(folder.path(), i);
    std::printf("5 photo-like JPEG files of 6000 x 4000 made in %.1f s\n", made.elapsed() / 1000.0);

    window.projects().Open_Start_Window();
    SKTGraphicList objects;
    for (int i = 0; i < 5; ++i)
        objects << SKTImage::initWithPath(QPointF(60 + 20 * i, 60 + 20 * i), photos.at(i), false);
    for (int i = 0; i < 5; ++i) {
        auto text = std::make_shared<SKTText>();
        text->_bounds = QRectF(10, 10 + 25 * i, 120, 20);
        text->Set_text_value(QStringLiteral("Text %1").arg(i));
        objects << text;
    }
    QList<int> indexes(objects.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    document.insertGraphics(objects, indexes);
    stacks.Insert_In_Undo_Redo();
    const long before = bench::residentKb();

    QElapsedTimer stepping;
    stepping.start();
    recordSteps(stacks, document, 1);
    const double stepMs = stepping.nsecsElapsed() / 1e6 / 200;
    const long afterSteps = bench::residentKb();
    const long firstPeak = std::max(before, afterSteps);

    window.projects().Open_Start_Window();   // New: the history goes
    const long afterNew = bench::residentKb();
    recordSteps(stacks, document, 2);
    const long afterSecond = bench::residentKb();

    std::vector<double> undoMs;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer t;
        t.start();
        stacks.Undo_Clicked();
        undoMs.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(undoMs.begin(), undoMs.end());
    const double median = (undoMs[24] + undoMs[25]) / 2;
    const double worst = undoMs.back();

    std::printf("resident memory (kB): before %ld, after 200 steps %ld, after New %ld, after 200 more steps %ld\n",
                before, afterSteps, afterNew, afterSecond);
    std::printf("history of 200 steps: %+ld kB; second round ends at %.1f %% of the first round's peak (limit 105 %%)\n",
                afterSteps - before, 100.0 * double(afterSecond) / double(firstPeak));
    std::printf("one recorded step: %.3f ms\n", stepMs);
    std::printf("single undo of 50: median %.3f ms, worst %.3f ms (target under 50 ms)\n", median, worst);
    const bool ok = afterSecond <= firstPeak * 105 / 100 && worst < 50.0 && stacks.Get_Undo_Count() == 151;
    std::printf("%s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
