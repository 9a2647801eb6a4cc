// The crop wizard's batch run, timed through its window: a folder of generated photo-like JPEGs of
// 4000 x 3000 pixels, the centre quarter cropped to JPG with one worker and with every core, the
// peak resident memory of each run, a 100-photo run beside the 500-photo one, and resizes of
// 20 photos to 10 000 x 10 000. Generating the photos is not timed.
//
//   bench_crop_batch [photos=500] [cores=0 (all)]

#include "BenchWindow.h"
#include "core/BatchPool.h"
#include "imagetools/Cropping_Tool.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "platform/Dialogs.h"
#include "platform/PictureView.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QThread>
#include <QBuffer>

#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

// Peak resident memory since the last reset, in kB.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// A photo-like picture: soft gradients, a few shapes and fine noise, so the JPEG is not trivial.
QByteArray photo(int seed)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(quint32(seed + 1));
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const quint32 n = random.generate();
            const int r = (x * 255 / 4000 + seed * 13 + int(n & 31)) & 255;
            const int g = (y * 255 / 3000 + int((n >> 8) & 31)) & 255;
            const int b = ((x + y) * 255 / 7000 + int((n >> 16) & 31)) & 255;
            row[x] = qRgb(r, g, b);
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor::fromHsv(int(random.bounded(360)), 160, 200, 120));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(random.bounded(4000), random.bounded(3000)), random.bounded(50, 600), random.bounded(50, 400));
    }
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

// Drives the wizard: folder input, Next, then the crop or resize, then Crop All; the done box closes.
class Responder : public platform::DialogResponder {
public:
    std::function<void(QDialog &)> wizard;
    int alert(const platform::AlertRequest &r) override
    {
        std::fprintf(stderr, "alert: %s\n", qPrintable(r.message));
        return 0;
    }
    QStringList openPanel(const platform::OpenPanelRequest &) override { return {}; }
    QString savePanel(const platform::SavePanelRequest &) override { return {}; }
    int runModal(QDialog &dialog) override
    {
        if (&dialog != Cropping_Tool::defaultInstance()->window())
            return 0;   // the done box
        dialog.setResult(0);
        dialog.show();
        wizard(dialog);
        dialog.hide();
        return 0;
    }
    bool openWithDefaultApplication(const QString &) override { return true; }
    QColor chooseColor(const QColor &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
};

struct Figures {
    double seconds = 0;
    long peakMb = 0;
    int files = 0;
};

Figures runWizard(Responder &responder, const QString &input, const QString &output, int threads, bool resize)
{
    QDir(output).removeRecursively();
    QDir().mkpath(output);
    Cropping_Tool &tool = *Cropping_Tool::defaultInstance();
    tool.batchThreads = threads;
    Figures f;
    responder.wizard = [&](QDialog &w) {
        const auto button = [&w](const char *name) { return w.findChild<QAbstractButton *>(QString::fromLatin1(name)); };
        const auto field = [&w](const char *name) { return w.findChild<QLineEdit *>(QString::fromLatin1(name)); };
        button("input_folder_radio")->click();
        field("folder_path")->setText(input);
        field("output_path")->setText(output);
        button("Next_Btn")->click();
        if (resize) {
            button("crop_size_radio")->click();
            w.findChild<QSpinBox *>(QStringLiteral("width_Stepper"))->setValue(10000);
            w.findChild<QSpinBox *>(QStringLiteral("height_Stepper"))->setValue(10000);
        } else {
            // The centre quarter of the drawn preview.
            const QRectF c = tool.canvasController()->canvasFrame();
            tool.canvasController()->currentSelector()->Set_Selector_frame(
                QRectF(c.width() / 4, c.height() / 4, c.width() / 2, c.height() / 2));
        }
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        button("crop_all_btn")->click();
        f.seconds = timer.elapsed() / 1000.0;
        f.peakMb = peakKb() / 1024;
    };
    tool.Open_Wnd();
    f.files = int(QDir(output).entryList(QDir::Files).size());
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    const int photos = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const int cores = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : batchfiles::availableCores();
    bench::Window app(argc, argv);
    app.shown(1200, 800);
    auto responder = std::make_shared<Responder>();
    platform::setDialogResponder(responder);

    QTemporaryDir work;
    const QString all = work.filePath("photos"), hundred = work.filePath("hundred"), twenty = work.filePath("twenty");
    for (const QString &d : {all, hundred, twenty})
        QDir().mkpath(d);
    // Sixteen distinct photos, made in parallel, then copied under 500 names.
    std::vector<QByteArray> made(16);
    std::vector<std::thread> makers;
    for (int i = 0; i < 16; ++i)
        makers.emplace_back([&made, i] { made[std::size_t(i)] = photo(i); });
    for (std::thread &t : makers)
        t.join();
    const auto fill = [&](const QString &folder, int count) {
        for (int i = 0; i < count; ++i) {
            QFile f(QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QLatin1Char('0'))));
            f.open(QIODevice::WriteOnly);
            f.write(made[std::size_t(i % 16)]);
        }
    };
    fill(all, photos);
    fill(hundred, std::min(100, photos));
    fill(twenty, std::min(20, photos));
    std::printf("photos: %d of 4000 x 3000 (JPEG %lld kB each on average), cores: %d\n", photos,
                qint64(made[0].size() + made[7].size()) / 2048, cores);

    const QString out = work.filePath("out");
    const Figures one = runWizard(*responder, all, out, 1, false);
    std::printf("crop, 1 worker:   %d photos  %7.2f s  %6.1f photos/s  peak RSS %ld MB  (%d files)\n", photos, one.seconds,
                photos / one.seconds, one.peakMb, one.files);
    const Figures many = runWizard(*responder, all, out, cores, false);
    std::printf("crop, %d workers:  %d photos  %7.2f s  %6.1f photos/s  peak RSS %ld MB  (%d files)  speed-up %.2fx\n",
                cores, photos, many.seconds, photos / many.seconds, many.peakMb, many.files, one.seconds / many.seconds);
    const Figures small = runWizard(*responder, hundred, out, cores, false);
    std::printf("crop, %d workers:  100 photos  %7.2f s  peak RSS %ld MB  (%d files); 500 vs 100: %+ld MB\n", cores,
                small.seconds, small.peakMb, small.files, many.peakMb - small.peakMb);
    const Figures big = runWizard(*responder, twenty, out, cores, true);
    std::printf("resize to 10000 x 10000, %d workers: 20 photos  %7.2f s  peak RSS %ld MB  (%d files)\n", cores,
                big.seconds, big.peakMb, big.files);
    return 0;
}
