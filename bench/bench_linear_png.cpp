// Renders and writes 1,000 Code 128 and 1,000 EAN-13 symbols as PNG at 600 DPI through the Barcode
// mode's pipeline (model, picture renderer, raising to 600 DPI, PNG writer), and reports symbols per
// second and the peak resident memory.
//
//   bench_linear_png [--count N] [--values DIR] [--in-memory]
// --in-memory skips the file runs: only the per-symbol work (render and PNG encoding) is timed.
// --values DIR also writes the generated values, one per line, to DIR/code128.txt and DIR/ean13.txt
// (for comparing with other generators on the same input).

#include "../tests/tools/SymbolRender.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <random>

namespace {

QStringList code128Values(int n, std::mt19937 &rng)
{
    std::uniform_int_distribution<int> digits(0, 999999);
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QStringLiteral("TAGORA-%1").arg(digits(rng), 6, 10, QLatin1Char('0'));
    return out;
}

QStringList ean13Values(int n, std::mt19937 &rng)
{
    std::uniform_int_distribution<int> digit(0, 9);
    QStringList out;
    for (int i = 0; i < n; ++i) {
        QString v;
        for (int d = 0; d < 12; ++d)
            v += QChar(u'0' + digit(rng));
        out << v;
    }
    return out;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool run(const QString &title, const QStringList &values, const QString &folder)
{
    QDir().mkpath(folder);
    QElapsedTimer timer;
    timer.start();
    int n = 0;
    qint64 bytes = 0;
    for (const QString &value : values) {
        const QString path = QDir(folder).filePath(QStringLiteral("%1.png").arg(++n, 4, 10, QLatin1Char('0')));
        if (symboltool::writeSymbol(title, value, path, 600) != symboltool::Status::Written) {
            std::fprintf(stderr, "%s: could not write %s\n", qPrintable(title), qPrintable(value));
            return false;
        }
        bytes += QFileInfo(path).size();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%-10s %5d PNGs at 600 DPI in %7.2f s: %7.1f symbols/s, %lld bytes a file, peak memory so far %ld KB\n",
                qPrintable(title), int(values.size()), seconds, values.size() / seconds,
                static_cast<long long>(bytes / std::max<qsizetype>(values.size(), 1)), peakKilobytes());
    return true;
}

// The same symbols made and encoded as PNG in memory: the per-symbol work without the file system.
bool runInMemory(const QString &title, const QStringList &values)
{
    QElapsedTimer timer;
    timer.start();
    qint64 bytes = 0;
    for (const QString &value : values) {
        symboltool::Status status = symboltool::Status::Written;
        const platform::Picture picture = symboltool::renderSymbol(title, value, status);
        QString error;
        const QByteArray png = status == symboltool::Status::Written
                                   ? Encode_gen_image(Increase_DPI(picture, 600), QStringLiteral("s.png"), &error)
                                   : QByteArray();
        if (png.isEmpty()) {
            std::fprintf(stderr, "%s: could not encode %s\n", qPrintable(title), qPrintable(value));
            return false;
        }
        bytes += png.size();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%-10s %5d PNGs at 600 DPI in memory in %7.2f s: %7.1f symbols/s, %lld bytes a symbol\n",
                qPrintable(title), int(values.size()), seconds, values.size() / seconds,
                static_cast<long long>(bytes / std::max<qsizetype>(values.size(), 1)));
    return true;
}

void writeValues(const QString &path, const QStringList &values)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Text))
        f.write((values.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int count = 1000;
    QString valuesDir;
    QStringList args = app.arguments();
    const bool inMemoryOnly = args.removeAll(QStringLiteral("--in-memory")) > 0;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--count"))
            count = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--values"))
            valuesDir = args[i + 1];
    }
    std::mt19937 rng(20240607);   // fixed seed: the same values on every run
    const QStringList code128 = code128Values(count, rng);
    const QStringList ean13 = ean13Values(count, rng);
    if (!valuesDir.isEmpty()) {
        QDir().mkpath(valuesDir);
        writeValues(QDir(valuesDir).filePath(QStringLiteral("code128.txt")), code128);
        writeValues(QDir(valuesDir).filePath(QStringLiteral("ean13.txt")), ean13);
    }
    QTemporaryDir out;
    if (!out.isValid())
        return 1;
    if (inMemoryOnly)
        return runInMemory(QStringLiteral("Code 128"), code128) && runInMemory(QStringLiteral("EAN-13"), ean13) ? 0 : 1;
    QElapsedTimer total;
    total.start();
    if (!run(QStringLiteral("Code 128"), code128, out.filePath(QStringLiteral("code128"))))
        return 1;
    if (!run(QStringLiteral("EAN-13"), ean13, out.filePath(QStringLiteral("ean13"))))
        return 1;
    const double seconds = total.nsecsElapsed() / 1e9;
    std::printf("total      %5d PNGs in %7.2f s: %7.1f symbols/s, peak memory %ld KB\n", 2 * count, seconds,
                2 * count / seconds, peakKilobytes());
    if (!runInMemory(QStringLiteral("Code 128"), code128) || !runInMemory(QStringLiteral("EAN-13"), ean13))
        return 1;
    return 0;
}
