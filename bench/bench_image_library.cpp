// The image library picker over 2,000 generated pictures (JPEG 1600 x 1200 and PNG 1024 x 768 in
// turn) as its library, found through TAGORA_RESOURCES, in the real picker window offscreen.
// Reports: the window up with its 2,000 items; the first screen of thumbnails read; the longest
// time the GUI thread is busy at once while the grid scrolls top to bottom in 50 steps; the peak
// resident memory; and the picture-file reader on one 4000 x 3000 JPEG preview (one core).
// Targets: under 300 ms; within 1 s; under 30 ms; under 250 MB; under 40 ms.

#include "BenchWindow.h"

#include "imagetools/ImageBrowserModel.h"
#include "imagetools/ImageBrowserView.h"
#include "imaging/ImageFileReader.h"
#include "imagetools/Image_Library.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

namespace {

constexpr int kPictures = 2000;

// The CPU time the calling thread has used, in milliseconds: what the GUI thread itself spends,
// apart from the time the machine gives to other work meanwhile.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Peak resident memory in kB, from the kernel's status of this process.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// A photo-like picture: a sky gradient, hills and a few discs, different for each variant.
QImage scene(const QSize &size, int variant)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((variant * 37) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((variant * 37 + 40) % 360, 60, 250));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv((variant * 53 + i * 29) % 360, 160, 150 + (i * 7) % 90));
        const double r = size.height() * (0.05 + (i % 5) * 0.03);
        p.drawEllipse(QPointF(size.width() * ((i * 0.137 + variant * 0.071) - int(i * 0.137 + variant * 0.071)),
                              size.height() * (0.2 + (i % 4) * 0.18)),
                      r, r);
    }
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (QByteArray(format) == "jpeg")
        writer.setQuality(85);
    else
        writer.setCompression(60);
    writer.write(image);
    return bytes;
}

// Measures the picker while it runs: the first paint, the first screen of thumbnails, scrolling.
class MeasuringResponder : public platform::DialogResponder {
public:
    QElapsedTimer sinceOpening;
    double windowUpMs = -1, firstScreenMs = -1, longestStallMs = 0, longestStallCpuMs = 0;
    int items = 0, firstScreenRows = 0;

    int runModal(QDialog &dialog) override
    {
        Image_Library *library = Image_Library::defaultInstance();
        ImageBrowserView *view = library->imageBrowser;
        dialog.resize(900, 700);
        dialog.show();
        QApplication::processEvents();
        view->viewport()->repaint();   // the first screen painted: placeholders asked for
        windowUpMs = sinceOpening.nsecsElapsed() / 1e6;
        items = library->numberOfItemsInImageBrowser();

        const auto rowsInView = [&] {
            return ImageBrowserView::Visible_Rows(view->verticalScrollBar()->value(), view->viewport()->size(),
                                                  view->gridSize(), library->numberOfItemsInImageBrowser());
        };
        const auto [first, last] = rowsInView();
        firstScreenRows = last - first + 1;
        while (sinceOpening.elapsed() < 20000) {
            bool all = true;
            for (int row = first; row <= last && all; ++row)
                all = library->images->hasThumbnail(row);
            if (all)
                break;
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        firstScreenMs = sinceOpening.nsecsElapsed() / 1e6;

        // Top to bottom in 50 steps, 40 ms apart, the GUI thread handling whatever arrives.
        QScrollBar *bar = view->verticalScrollBar();
        for (int step = 1; step <= 50; ++step) {
            QElapsedTimer stall;
            stall.start();
            const double cpu = threadCpuMs();
            bar->setValue(bar->maximum() * step / 50);
            view->viewport()->repaint();
            longestStallMs = std::max(longestStallMs, stall.nsecsElapsed() / 1e6);
            longestStallCpuMs = std::max(longestStallCpuMs, threadCpuMs() - cpu);
            QElapsedTimer pause;
            pause.start();
            while (pause.elapsed() < 40) {
                QElapsedTimer busy;
                busy.start();
                const double busyCpu = threadCpuMs();
                QApplication::processEvents(QEventLoop::AllEvents, 5);
                longestStallMs = std::max(longestStallMs, busy.nsecsElapsed() / 1e6);
                longestStallCpuMs = std::max(longestStallCpuMs, threadCpuMs() - busyCpu);
            }
        }
        library->Cancel_Clicked();
        return dialog.result();
    }

    int alert(const platform::AlertRequest &) override { return 0; }
    QStringList openPanel(const platform::OpenPanelRequest &) override { return {}; }
    QString savePanel(const platform::SavePanelRequest &) override { return {}; }
    bool openWithDefaultApplication(const QString &) override { return false; }
    QColor chooseColor(const QColor &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
};

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir resources;
    const QString library = resources.path() + QStringLiteral("/LibraryImage");
    QDir().mkpath(library);
    qputenv("TAGORA_RESOURCES", resources.path().toLocal8Bit());
    bench::Window bw(argc, argv);

    // Eight variants of each kind, each written to 125 files.
    std::vector<QByteArray> jpegs, pngs;
    for (int v = 0; v < 8; ++v) {
        jpegs.push_back(encoded(scene(QSize(1600, 1200), v), "jpeg"));
        pngs.push_back(encoded(scene(QSize(1024, 768), v + 8), "png"));
    }
    qint64 bytes = 0;
    for (int i = 0; i < kPictures; ++i) {
        const bool jpeg = i % 2 == 0;
        const QByteArray &data = jpeg ? jpegs[size_t(i / 2 % 8)] : pngs[size_t(i / 2 % 8)];
        QFile f(library + QStringLiteral("/picture_%1.%2").arg(i, 4, 10, QLatin1Char('0')).arg(jpeg ? "jpg" : "png"));
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
            std::fprintf(stderr, "could not write the library\n");
            return 1;
        }
        bytes += data.size();
    }
    // The reader on one large photograph, one core, 20 runs.
    const QString photo = resources.path() + QStringLiteral("/photo.jpg");
    {
        QFile f(photo);
        f.open(QIODevice::WriteOnly);
        f.write(encoded(scene(QSize(4000, 3000), 3), "jpeg"));
    }
    std::vector<double> readMs;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer t;
        t.start();
        const imagefile::Result r = imagefile::read(photo, 800);
        readMs.push_back(t.nsecsElapsed() / 1e6);
        if (r.image.size() != QSize(800, 600)) {
            std::fprintf(stderr, "the photograph read as %dx%d\n", r.image.width(), r.image.height());
            return 1;
        }
    }
    std::sort(readMs.begin(), readMs.end());

    auto responder = std::make_shared<MeasuringResponder>();
    platform::setDialogResponder(responder);
    Image_Library::defaultInstance()->control_or_BG = QStringLiteral("C");
    responder->sinceOpening.start();
    Image_Library::defaultInstance()->Open_Library_Window();
    platform::setDialogResponder(nullptr);
    const long peak = peakResidentKb();

    std::printf("library: %d pictures (JPEG 1600 x 1200 and PNG 1024 x 768 in turn), %.1f MB on disk\n", kPictures,
                bytes / 1048576.0);
    std::printf("window up with %d items: %.1f ms (target under 300 ms)\n", responder->items, responder->windowUpMs);
    std::printf("first screen of thumbnails (%d tiles) read: %.1f ms after opening (target within 1 s)\n",
                responder->firstScreenRows, responder->firstScreenMs);
    std::printf("longest GUI-thread stall scrolling top to bottom in 50 steps: %.1f ms wall clock, %.1f ms of the GUI "
                "thread's own CPU time (target under 30 ms)\n",
                responder->longestStallMs, responder->longestStallCpuMs);
    std::printf("peak resident memory: %.1f MB (target under 250 MB)\n", peak / 1024.0);
    std::printf("reader, 4000 x 3000 JPEG to its 800 x 600 preview: median %.1f ms, fastest %.1f ms (target under 40 ms)\n",
                readMs[readMs.size() / 2], readMs.front());
    return responder->items == kPictures ? 0 : 1;
}
