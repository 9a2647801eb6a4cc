// Renders one symbol, or one per line of a file, through the Barcode mode's model (or 2D drawing)
// and renderer and writes it in the format of the file's extension.
//
//   symbol_png --symbology TITLE --value VALUE --out FILE [--dpi N] [2D options]
//   symbol_png --symbology TITLE --batch VALUES.txt --outdir DIR [--jobs N] [--dpi N] [2D options]
//
// A batch writes line n to DIR/000n.png through the application's batch path: --jobs worker threads
// (default one per core), files put in place in line order.
//
// 2D options: --qr-level L|M|Q|H (QR Code, default L); --dm-size ITEM ("Auto", "C10X10" ...
// "C144X144", "C8X18" ... "C16X48") and --dm-encoding ITEM ("Auto", "Ascii", "C40", "Text",
// "Base256") for DataMatrix, default "Auto".
//
// Exit status: 0 written; 2 and the line "invalid" when the symbology refuses a value (in a batch,
// one line per refused value, in line order), or a --jobs that is not a number of at least 1; 1
// for anything else (usage, unknown symbology, unwritable file).

#include "barcodemode/BarcodeEditorForm.h"
#include "core/BatchPool.h"
#include "tools/SymbolRender.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <atomic>
#include <cstdio>
#include <vector>

namespace {

int usage(const char *why)
{
    std::fprintf(stderr, "%s\nusage: symbol_png --symbology TITLE (--value VALUE --out FILE | --batch VALUES.txt "
                         "--outdir DIR [--jobs N]) [--dpi N] [--qr-level L|M|Q|H] [--dm-size ITEM] [--dm-encoding ITEM]\n"
                         "formats: png jpg bmp tif gif pdf eps\n", why);
    return 1;
}

int report(symboltool::Status status, const QString &path)
{
    switch (status) {
    case symboltool::Status::Written:
        return 0;
    case symboltool::Status::Invalid:
        std::printf("invalid\n");
        std::fflush(stdout);
        return 2;
    case symboltool::Status::UnknownSymbology:
        std::fprintf(stderr, "no engine for this symbology\n");
        return 1;
    case symboltool::Status::WriteFailed:
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return 1;
    }
    return 1;
}

// One line's PNG, rendered and encoded on a worker; status tells why when it fails.
batchfiles::JobResult renderJob(const QString &title, const QString &value, const QString &path, double dpi,
                                const symboltool::TwoDOptions &options, symboltool::Status &status)
{
    QString why;
    batchfiles::JobResult result;
    result.path = path;
    result.bytes = symboltool::encodeSymbol(title, value, path, dpi, status, &why, options);
    if (status != symboltool::Status::Written)
        return batchfiles::JobResult::failed(status == symboltool::Status::WriteFailed ? why : QStringLiteral("refused"));
    return result;
}

int runBatch(const QString &title, const QStringList &lines, const QString &outdir, double dpi,
             const symboltool::TwoDOptions &options, int jobs)
{
    const QDir dir(outdir);
    // One status per line, each written by the one worker that runs the line.
    std::vector<symboltool::Status> statuses(std::size_t(lines.size()), symboltool::Status::Written);
    int worst = 0;
    batchfiles::Options batch;
    batch.threads = jobs;
    // Called in line order, so the messages come out as a sequential run would print them.
    batch.onFailure = [&](int index, const QString &, const QString &) {
        symboltool::Status &status = statuses[std::size_t(index)];
        if (status == symboltool::Status::Written)   // the job succeeded, putting the file in place did not
            status = symboltool::Status::WriteFailed;
        worst = std::max(worst, report(status, dir.filePath(QStringLiteral("%1.png").arg(index + 1, 4, 10, QLatin1Char('0')))));
    };
    const batchfiles::Outcome outcome = batchfiles::runFileBatch(
        int(lines.size()),
        [&](int index) {
            const QString path = dir.filePath(QStringLiteral("%1.png").arg(index + 1, 4, 10, QLatin1Char('0')));
            return renderJob(title, lines.at(index), path, dpi, options, statuses[std::size_t(index)]);
        },
        batch);
    std::fflush(stdout);
    if (!outcome.syncError.isEmpty()) {
        std::fprintf(stderr, "the files could not be synced: %s\n", qPrintable(outcome.syncError));
        worst = std::max(worst, 1);
    }
    return worst;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString title, value, out, batch, outdir;
    double dpi = 600;
    bool haveValue = false;
    int jobs = 0;   // one per core
    symboltool::TwoDOptions options;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (i + 1 >= args.size())
            return usage("missing argument");
        const QString next = args.at(++i);
        if (a == QLatin1String("--symbology")) {
            title = next;
        } else if (a == QLatin1String("--value")) {
            value = next;
            haveValue = true;
        } else if (a == QLatin1String("--out")) {
            out = next;
        } else if (a == QLatin1String("--dpi")) {
            bool ok = false;
            dpi = next.toDouble(&ok);
            if (!ok || dpi <= 0 || dpi > 10000)
                return usage("bad --dpi");
        } else if (a == QLatin1String("--batch")) {
            batch = next;
        } else if (a == QLatin1String("--outdir")) {
            outdir = next;
        } else if (a == QLatin1String("--jobs")) {
            bool ok = false;
            jobs = next.toInt(&ok);
            if (!ok || jobs < 1) {
                std::fprintf(stderr, "--jobs wants a number of worker threads of at least 1, not \"%s\"\n",
                             qPrintable(next));
                return 2;
            }
        } else if (a == QLatin1String("--qr-level")) {
            if (!barcode_editor_items::qrLevels().contains(next))
                return usage("bad --qr-level");
            options.qrLevel = next;
        } else if (a == QLatin1String("--dm-size")) {
            if (!barcode_editor_items::dataMatrixSizes().contains(next))
                return usage("bad --dm-size");
            options.dmSize = next;
        } else if (a == QLatin1String("--dm-encoding")) {
            if (!barcode_editor_items::dataMatrixEncodings().contains(next))
                return usage("bad --dm-encoding");
            options.dmEncoding = next;
        } else {
            return usage("unknown option");
        }
    }
    if (title.isEmpty())
        return usage("--symbology is required");

    if (!batch.isEmpty()) {
        if (outdir.isEmpty() || haveValue || !out.isEmpty())
            return usage("--batch goes with --outdir only");
        QFile file(batch);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return usage("cannot read the batch file");
        if (!QDir().mkpath(outdir))
            return usage("cannot create the output folder");
        QTextStream in(&file);
        QStringList lines;
        while (!in.atEnd())
            lines << in.readLine();
        return runBatch(title, lines, outdir, dpi, options, jobs);
    }

    if (!haveValue || out.isEmpty())
        return usage("--value and --out are required");
    if (!symboltool::fileFormats().contains(QFileInfo(out).suffix().toLower()))
        return usage("unknown file format");
    return report(symboltool::writeSymbol(title, value, out, dpi, nullptr, options), out);
}
