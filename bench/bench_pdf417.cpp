// PDF417 throughput: 1,000 URLs made into PNG files, and one 1,800-byte symbol at level 5.
// Run with --urls-out=FILE to write the same URLs, one a line, for a comparison with other tools.

#include "../tests/tools/SymbolRender.h"
#include "engines/pdf417/pdf417Tool.h"
#include "barcodemode/pdf417View.h"
#include "engines/pdf417/pdf417lib.h"
#include "platform/PngWriter.h"
#include "core/GlobalsReset.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <cstring>
#include <random>

namespace {

QStringList urls()
{
    static const QStringList list = [] {
        std::mt19937 rng(2024);
        const char *hosts[] = {"example.com", "shop.example.org", "labels.example.net", "tagora.example"};
        const char *paths[] = {"products", "orders", "track", "catalog/items", "p"};
        QStringList out;
        for (int i = 0; i < 1000; ++i) {
            QString u = QStringLiteral("https://%1/%2/%3?ref=%4&lang=%5")
                            .arg(QLatin1String(hosts[rng() % 4]), QLatin1String(paths[rng() % 5]))
                            .arg(rng() % 1000000)
                            .arg(QString::number(rng() % 0xffffff, 16), QLatin1String(i % 3 ? "en" : "de"));
            out << u;
        }
        return out;
    }();
    return list;
}

// PNG data as the application writes it.
QByteArray png(const QImage &image)
{
    return platform::pngData(image, image.dotsPerMeterX(), image.dotsPerMeterY());
}

// 1,800 bytes of order data: long digit runs between short texts, so level 5 fits.
QByteArray orderData()
{
    std::mt19937 rng(7);
    QByteArray out;
    while (out.size() < 1800) {
        out += "ITEM;";
        for (int i = 0; i < 100; ++i)
            out += char('0' + rng() % 10);
        out += ";Qty:";
        out += QByteArray::number(int(rng() % 100));
        out += '\n';
    }
    out.truncate(1800);
    return out;
}

// URL -> symbol -> PNG file, two pixels per module (the usual raster default of other tools).
void BM_UrlsToPngFiles(benchmark::State &state)
{
    const QStringList list = urls();
    QTemporaryDir dir;
    size_t bytes = 0;
    for (auto _ : state) {
        int n = 0;
        for (const QString &u : list) {
            QString error;
            const platform::Picture picture = pdf417::renderSymbolForTool(u, 2, 144, &error);
            const QByteArray data = png(picture.image());
            QFile file(dir.filePath(QStringLiteral("%1.png").arg(++n, 4, 10, QLatin1Char('0'))));
            if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
                state.SkipWithError("cannot write the PNG files");
                return;
            }
            bytes += size_t(data.size());
        }
    }
    state.counters["symbols/s"] = benchmark::Counter(double(state.iterations()) * list.size(), benchmark::Counter::kIsRate);
    state.counters["png_bytes_avg"] = double(bytes) / double(state.iterations() * list.size());
}

// The application's road: the view at a 144 x 72 point frame raised to 600 DPI, then PNG data.
void BM_UrlsToPngThroughTheView600Dpi(benchmark::State &state)
{
    const QStringList list = urls();
    resetGlobalsForTests();
    pdf417View view(QRectF(0, 0, 144, 72));
    for (auto _ : state) {
        for (const QString &u : list) {
            view.drawWithText(u);
            const QByteArray data = png(view.getImage().image());
            benchmark::DoNotOptimize(data.data());
        }
    }
    state.counters["symbols/s"] = benchmark::Counter(double(state.iterations()) * list.size(), benchmark::Counter::kIsRate);
}

// The view alone (encode, stretch to the frame, raise to 600 DPI), without the PNG step.
void BM_UrlsThroughTheView600DpiNoPng(benchmark::State &state)
{
    const QStringList list = urls();
    resetGlobalsForTests();
    pdf417View view(QRectF(0, 0, 144, 72));
    for (auto _ : state) {
        for (const QString &u : list) {
            view.drawWithText(u);
            benchmark::DoNotOptimize(view.getImage().image().constBits());
        }
    }
    state.counters["symbols/s"] = benchmark::Counter(double(state.iterations()) * list.size(), benchmark::Counter::kIsRate);
}

// The Barcode mode's whole route as the batch takes it: view, module picture, framing, 600 DPI, PNG
// file.
void BM_UrlsThroughThePipeline600Dpi(benchmark::State &state)
{
    const QStringList list = urls();
    resetGlobalsForTests();
    QTemporaryDir dir;
    qint64 bytes = 0;
    for (auto _ : state) {
        int n = 0;
        for (const QString &u : list) {
            const QString path = dir.filePath(QStringLiteral("%1.png").arg(++n, 4, 10, QLatin1Char('0')));
            if (symboltool::writeSymbol(QStringLiteral("PDF417"), u, path, 600) != symboltool::Status::Written) {
                state.SkipWithError("the pipeline failed");
                return;
            }
            bytes += QFileInfo(path).size();
        }
    }
    state.counters["symbols/s"] = benchmark::Counter(double(state.iterations()) * list.size(), benchmark::Counter::kIsRate);
    state.counters["png_bytes_avg"] = double(bytes) / double(state.iterations() * list.size());
}


// The same route in memory: the per-symbol work without the file system.
void BM_UrlsThroughThePipeline600DpiInMemory(benchmark::State &state)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QString &u : urls()) {
            symboltool::Status status = symboltool::Status::Written;
            const platform::Picture picture = symboltool::renderSymbol(QStringLiteral("PDF417"), u, status);
            const QByteArray png = Encode_gen_image(Increase_DPI(picture, 600), QStringLiteral("s.png"), nullptr);
            if (png.isEmpty()) {
                state.SkipWithError("the pipeline failed");
                return;
            }
            bytes += png.size();
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(urls().size()));
    state.counters["png_bytes_avg"] = double(bytes) / double(state.iterations() * std::int64_t(urls().size()));
}

// Encoding only (segmentation, compaction, correction, bitmap) of the URLs.
void BM_UrlsEncodeOnly(benchmark::State &state)
{
    QList<QByteArray> data;
    for (const QString &u : urls())
        data << u.toLatin1();
    pdf417::_pdf417param p;
    for (auto _ : state) {
        for (const QByteArray &d : data) {
            pdf417::pdf417init(&p);
            p.text = d.constData();
            p.lenText = int(d.size());
            p.options = pdf417::OptionUseErrorLevel | pdf417::OptionInvertBitmap;
            p.errorLevel = 2;
            p.aspectRatio = 1.0f;
            pdf417::paintCode(&p);
            benchmark::DoNotOptimize(p.outBits.data());
        }
    }
    state.counters["symbols/s"] = benchmark::Counter(double(state.iterations()) * data.size(), benchmark::Counter::kIsRate);
}

// One large symbol: 1,800 bytes at level 5, encoded and written as PNG data.
void BM_Large1800BytesLevel5(benchmark::State &state)
{
    const QByteArray data = orderData();
    pdf417::_pdf417param p;
    for (auto _ : state) {
        pdf417::pdf417init(&p);
        p.text = data.constData();
        p.lenText = int(data.size());
        p.options = pdf417::OptionUseErrorLevel | pdf417::OptionInvertBitmap;
        p.errorLevel = 5;
        p.aspectRatio = 1.0f;
        pdf417::paintCode(&p);
        if (p.error || p.errorLevel < 5) {
            state.SkipWithError("the 1,800-byte symbol did not encode at level 5");
            return;
        }
        const QImage modules = pdf417::bitmapImage(p).scaled(p.bitColumns * 2, p.codeRows * 6);
        benchmark::DoNotOptimize(png(modules).data());
    }
    state.counters["symbols/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["codewords"] = p.lenCodewords;
    state.counters["level"] = p.errorLevel;
}

BENCHMARK(BM_UrlsToPngFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UrlsToPngThroughTheView600Dpi)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_UrlsThroughTheView600DpiNoPng)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_UrlsThroughThePipeline600Dpi)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_UrlsThroughThePipeline600DpiInMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UrlsEncodeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Large1800BytesLevel5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--urls-out=", 11) == 0) {
            QFile file(QString::fromLocal8Bit(argv[i] + 11));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                return 1;
            for (const QString &u : urls())
                file.write(u.toLatin1() + '\n');
            return 0;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
