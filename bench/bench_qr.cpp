// QR Code throughput: 1,000 symbols of about 40 characters written as PNG files through the module
// image, and one version-40-H symbol. A timed program; prints symbols per second.
//
//   bench_qr [--values FILE]   also writes the 1,000 values, one a line, for a comparison run
//                              (for example: zint -b 58 --secure=2 --batch --filetype=png -o DIR/~~~~.png -i FILE)

#include "../tests/tools/SymbolRender.h"
#include "engines/qr/QREncoder.h"
#include "engines/qr/QR_Encode.h"
#include "platform/PngWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

QStringList makeValues(int count)
{
    std::mt19937 rng(42);
    static const char kLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ";
    QStringList values;
    for (int i = 0; i < count; ++i) {
        QString lot;
        for (int k = 0; k < 4; ++k)
            lot += QLatin1Char(kLetters[rng() % 24]);
        // 40 characters: a product link with an item number and a lot code.
        values << QStringLiteral("https://tagora.example/p/%1?lot=%2")
                      .arg(int(rng() % 1000000), 6, 10, QLatin1Char('0'))
                      .arg(lot)
                      .leftJustified(40, QLatin1Char('x'));
    }
    return values;
}

bool writePng(const QImage &image, const QString &path)
{
    QFile file(path);
    const QByteArray png = platform::pngData(image, image.dotsPerMeterX(), image.dotsPerMeterY());
    return !png.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

struct Run {
    double seconds = 0;
    int written = 0;
};

// side: the symbol side in points; quick: the module image itself (no raise to 600 DPI).
Run runBatch(const QStringList &values, const QString &folder, int side, bool quick, bool twoPixelModules)
{
    Run run;
    QElapsedTimer timer;
    timer.start();
    int index = 0;
    for (const QString &value : values) {
        const auto grid = QREncoder::encodeWithECLevel(1, -1, value);
        if (!grid)
            continue;
        const int dimension = twoPixelModules ? int(grid->dimension()) * 2 + 16 : side;
        const platform::Picture picture = QREncoder::renderDataMatrix(grid.get(), dimension, Qt::black, Qt::white, false, quick ? 0 : 600);
        const QString path = QDir(folder).filePath(QStringLiteral("%1.png").arg(++index, 4, 10, QLatin1Char('0')));
        if (!picture.isNull() && writePng(picture.image(), path))
            ++run.written;
    }
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList values = makeValues(1000);

    const QStringList args = app.arguments();
    const qsizetype valuesAt = args.indexOf(QStringLiteral("--values"));
    if (valuesAt >= 0 && valuesAt + 1 < args.size()) {
        QFile out(args[valuesAt + 1]);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
        out.write(values.join(QLatin1Char('\n')).toUtf8() + '\n');
    }

    QTemporaryDir temp;
    if (!temp.isValid())
        return 1;

    // Encoding alone.
    {
        QElapsedTimer timer;
        timer.start();
        int ok = 0;
        for (const QString &value : values)
            ok += QREncoder::encodeWithECLevel(1, -1, value) ? 1 : 0;
        const double s = double(timer.nsecsElapsed()) / 1e9;
        std::printf("encode only            : %4d symbols in %7.3f s = %8.0f symbols/s\n", ok, s, ok / s);
    }

    struct Case {
        const char *name;
        int side;
        bool quick;
        bool twoPixel;
    };
    const Case cases[] = {
        {"2 px modules, PNG     ", 0, true, true},
        {"60 pt at 600 DPI, PNG ", 60, false, false},
    };
    int folder = 0;
    for (const Case &c : cases) {
        const QString dir = QDir(temp.path()).filePath(QString::number(++folder));
        QDir().mkpath(dir);
        const Run run = runBatch(values, dir, c.side, c.quick, c.twoPixel);
        std::printf("%s : %4d symbols in %7.3f s = %8.0f symbols/s\n", c.name, run.written, run.seconds,
                    run.written / run.seconds);
    }

    // The Barcode mode's whole route as the batch takes it: generator, framing, 600 DPI, PNG file.
    {
        const QString dir = QDir(temp.path()).filePath(QStringLiteral("pipeline"));
        QDir().mkpath(dir);
        QElapsedTimer timer;
        timer.start();
        int written = 0;
        qint64 bytes = 0;
        for (const QString &value : values) {
            const QString path = QDir(dir).filePath(QStringLiteral("%1.png").arg(written + 1, 4, 10, QLatin1Char('0')));
            if (symboltool::writeSymbol(QStringLiteral("QR Code"), value, path, 600) == symboltool::Status::Written) {
                ++written;
                bytes += QFileInfo(path).size();
            }
        }
        const double s = double(timer.nsecsElapsed()) / 1e9;
        std::printf("pipeline 600 DPI, PNG  : %4d symbols in %7.3f s = %8.0f symbols/s, %lld bytes a file\n", written, s,
                    written / s, static_cast<long long>(written ? bytes / written : 0));
    }

    // The same route in memory: the per-symbol work without the file system.
    {
        QElapsedTimer timer;
        timer.start();
        int made = 0;
        qint64 bytes = 0;
        for (const QString &value : values) {
            symboltool::Status status = symboltool::Status::Written;
            const platform::Picture picture = symboltool::renderSymbol(QStringLiteral("QR Code"), value, status);
            const QByteArray png = Encode_gen_image(Increase_DPI(picture, 600), QStringLiteral("s.png"), nullptr);
            if (!png.isEmpty()) {
                ++made;
                bytes += png.size();
            }
        }
        const double s = double(timer.nsecsElapsed()) / 1e9;
        std::printf("pipeline 600 DPI, memory: %4d symbols in %7.3f s = %8.0f symbols/s, %lld bytes a symbol\n", made, s,
                    made / s, static_cast<long long>(made ? bytes / made : 0));
    }

    // One version-40-H symbol: 1,273 bytes, the most that level holds.
    {
        QByteArray bytes;
        std::mt19937 rng(7);
        for (int i = 0; i < 1273; ++i)
            bytes += char('a' + rng() % 26);
        QElapsedTimer timer;
        timer.start();
        const int repeats = 20;
        int64_t version = 0;
        for (int i = 0; i < repeats; ++i) {
            CQR_Encode encoder;
            if (encoder.EncodeData(3, 0, true, -1, reinterpret_cast<const uint8_t *>(bytes.constData()), bytes.size()))
                version = encoder.m_nVersion;
        }
        const double encodeSeconds = double(timer.nsecsElapsed()) / 1e9 / repeats;
        timer.restart();
        const auto grid = QREncoder::encodeCStringWithECLevel(3, 0, bytes.constData());
        const platform::Picture picture = QREncoder::renderDataMatrix(grid.get(), 400, Qt::black, Qt::white, false, 600);
        const bool written = !picture.isNull() && writePng(picture.image(), QDir(temp.path()).filePath(QStringLiteral("v40h.png")));
        const double pngSeconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("version %lld-H encode     : %7.2f ms per symbol\n", static_cast<long long>(version), encodeSeconds * 1e3);
        std::printf("version 40-H 400 pt at 600 DPI (%dx%d px) to PNG: %7.2f ms (%s)\n", picture.image().width(),
                    picture.image().height(), pngSeconds * 1e3, written ? "written" : "FAILED");
    }
    return 0;
}
