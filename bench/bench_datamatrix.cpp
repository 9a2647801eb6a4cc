// DataMatrix throughput: 1,000 URLs to PNG (in memory and as files in the private temporary
// folder), and one full 144x144 symbol. The URLs come from a fixed seed;
// `bench_datamatrix --write-urls=FILE` writes them one a line (for comparing other encoders on the
// same data) and exits.

#include "../tests/tools/SymbolRender.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "platform/Files.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstring>
#include <random>
#include <vector>

namespace {

const std::vector<QByteArray> &urls()
{
    static const std::vector<QByteArray> list = [] {
        std::mt19937 rng(1000);
        const char *hosts[] = {"example.com", "shop.example.org", "tagora.example.net", "labels.example.co.uk"};
        const char *paths[] = {"product", "item", "p", "catalogue/item", "track"};
        const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::vector<QByteArray> out;
        for (int i = 0; i < 1000; ++i) {
            QByteArray u = QByteArray("https://") + hosts[rng() % 4] + "/" + paths[rng() % 5] + "/";
            const int n = 6 + int(rng() % 20);
            for (int k = 0; k < n; ++k)
                u += letters[rng() % 36];
            u += "?id=" + QByteArray::number(int(rng() % 1000000)) + "&ref=" + QByteArray::number(i);
            out.push_back(u);
        }
        return out;
    }();
    return list;
}

datamatrix::Ecc200Result encodeAuto(const QByteArray &data)
{
    datamatrix::Ecc200Request r;
    r.printErrors = false;
    return datamatrix::iec16022ecc200(data, r);
}

void BM_UrlsEncodeOnly(benchmark::State &state)
{
    for (auto _ : state)
        for (const QByteArray &u : urls())
            benchmark::DoNotOptimize(encodeAuto(u).grid.data());
    state.SetItemsProcessed(state.iterations() * std::int64_t(urls().size()));
}
BENCHMARK(BM_UrlsEncodeOnly)->Unit(benchmark::kMillisecond);

void BM_UrlsToPngInMemory(benchmark::State &state)
{
    QByteArray png;
    for (auto _ : state)
        for (const QByteArray &u : urls()) {
            const datamatrix::Ecc200Result s = encodeAuto(u);
            if (!datamatrix::symbolPng(s, 0x00FFFFFFu, 0, u, 9, &png))
                state.SkipWithError("PNG failed");
            benchmark::DoNotOptimize(png.data());
        }
    state.SetItemsProcessed(state.iterations() * std::int64_t(urls().size()));
}
BENCHMARK(BM_UrlsToPngInMemory)->Unit(benchmark::kMillisecond);

void BM_UrlsToPngFiles(benchmark::State &state)
{
    std::vector<QString> paths;
    for (std::size_t i = 0; i < urls().size(); ++i)
        paths.push_back(platform::privateTempPath(QStringLiteral("bench%1.png").arg(i, 4, 10, QLatin1Char('0'))));
    for (auto _ : state)
        for (std::size_t i = 0; i < urls().size(); ++i) {
            const datamatrix::Ecc200Result s = encodeAuto(urls()[i]);
            if (!datamatrix::writeSymbolPngFile(s, 0x00FFFFFFu, 0, urls()[i], 9, paths[i]))
                state.SkipWithError("PNG file failed");
        }
    state.SetItemsProcessed(state.iterations() * std::int64_t(urls().size()));
    for (const QString &p : paths)
        QFile::remove(p);
}
BENCHMARK(BM_UrlsToPngFiles)->Unit(benchmark::kMillisecond);

// The Barcode mode's whole route as the batch takes it: encoder, module picture, framing, 600 DPI,
// PNG file.
void BM_UrlsThroughThePipeline600Dpi(benchmark::State &state)
{
    QTemporaryDir dir;
    qint64 bytes = 0;
    for (auto _ : state) {
        int n = 0;
        for (const QByteArray &u : urls()) {
            const QString path = dir.filePath(QStringLiteral("%1.png").arg(++n, 4, 10, QLatin1Char('0')));
            if (symboltool::writeSymbol(QStringLiteral("DataMatrix"), QString::fromLatin1(u), path, 600)
                != symboltool::Status::Written) {
                state.SkipWithError("the pipeline failed");
                return;
            }
            bytes += QFileInfo(path).size();
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(urls().size()));
    state.counters["png_bytes_avg"] = double(bytes) / double(state.iterations() * std::int64_t(urls().size()));
}
BENCHMARK(BM_UrlsThroughThePipeline600Dpi)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same route in memory: the per-symbol work without the file system.
void BM_UrlsThroughThePipeline600DpiInMemory(benchmark::State &state)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QByteArray &u : urls()) {
            symboltool::Status status = symboltool::Status::Written;
            const platform::Picture picture = symboltool::renderSymbol(QStringLiteral("DataMatrix"), QString::fromLatin1(u), status);
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
BENCHMARK(BM_UrlsThroughThePipeline600DpiInMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Largest144(benchmark::State &state)
{
    // Mixed text that fills the largest size under the automatic encodation.
    std::mt19937 rng(144);
    const char text[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 .,;:-/";
    QByteArray data;
    while (true) {
        QByteArray more = data;
        for (int k = 0; k < 16; ++k)
            more += text[rng() % (sizeof text - 1)];
        if (!encodeAuto(more).ok())
            break;   // the last text that fitted fills the largest size
        data = more;
    }
    QByteArray png;
    for (auto _ : state) {
        const datamatrix::Ecc200Result s = encodeAuto(data);
        if (s.width != 144 || !datamatrix::symbolPng(s, 0x00FFFFFFu, 0, data, 9, &png))
            state.SkipWithError("no 144x144 symbol");
        benchmark::DoNotOptimize(png.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["bytes"] = double(data.size());
}
BENCHMARK(BM_Largest144)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-urls=", 13) == 0) {
            QFile f(QString::fromLocal8Bit(argv[i] + 13));
            if (!f.open(QIODevice::WriteOnly))
                return 1;
            for (const QByteArray &u : urls())
                f.write(u + '\n');
            return f.flush() ? 0 : 1;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
