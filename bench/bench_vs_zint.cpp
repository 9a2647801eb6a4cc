// Renders 1,000 values to PNG files with ours (the Barcode mode's pipeline on the batch path) and,
// when zint is on PATH, with zint in the same run, at equal module size in pixels, for Code 128,
// EAN-13, QR Code, DataMatrix and PDF417; single-threaded and with every core this process may run
// on. Prints symbols per second, the ratios ours / zint and the peak memory (ru_maxrss) of each run.
//
//   bench_vs_zint [--count N] [--only TITLE] [--dir DIR]
//
// --dir: where the files go (default the temporary folder); each run's files are emptied once
// measured and removed at the end. The scratch folder's sub-folders are spread over the disk (see
// spreadFolders).
//
// Every run is a process of its own, so that its peak memory is its own, and starts with the
// scratch file system written back (see runProcesses): ours runs this program with --child, zint
// runs `zint --batch`; "all cores" runs ours with one worker per core and zint as one process per
// core on an equal share of the values. Our child ends with _Exit once its files are synced. Rates are the wall time of the whole process
// (start-up included) for both. Linear symbols: 15 mil modules at 600 DPI, 9 pixels, for both. 2D
// symbols: ours at the resolution that makes its module 9 pixels, zint at the same module pixels.
// The second table splits our single-threaded time into rendering (model, picture, raising to the
// resolution), PNG encoding, and the batch path's own share (writing, placing, the final sync and
// the pool), with the tail from the last job's end to the batch's.

#include "../tests/tools/SymbolRender.h"
#include "core/BatchPool.h"
#include "core/BatchWriter.h"
#include "platform/Files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The peak resident memory of this process, from its own address space. ru_maxrss will not do for
// a spawned child: the kernel carries into it the peak of the process it was spawned from (vfork and
// exec keep the parent's high-water mark), so a small program started from this one reports this one.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// ---- The child: one batch of ours -------------------------------------------------------------

int runChild(const QStringList &args)
{
    // --child TITLE DPI VALUES OUTDIR THREADS
    const QString title = args.at(0);
    const double dpi = args.at(1).toDouble();
    QFile file(args.at(2));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 1;
    QStringList values;
    QTextStream in(&file);
    while (!in.atEnd())
        values << in.readLine();
    const QDir outdir(args.at(3));
    batchfiles::Options options;
    options.threads = args.at(4).toInt();
    std::atomic<long long> renderNs{0}, encodeNs{0};
    // When the last record's job ended: what follows is the batch's wait for its files to be in
    // place and synced.
    std::atomic<long long> lastJobEnd{0};
    const auto start = Clock::now();
    const batchfiles::Outcome outcome = batchfiles::runFileBatch(
        int(values.size()),
        [&](int i) {
            const auto t0 = Clock::now();
            symboltool::Status status = symboltool::Status::Written;
            const platform::Picture picture = symboltool::renderSymbol(title, values.at(i), status);
            if (status != symboltool::Status::Written)
                return batchfiles::JobResult::failed(QStringLiteral("refused"));
            const platform::Picture raised = Increase_DPI(picture, dpi);
            const auto t1 = Clock::now();
            batchfiles::JobResult r;
            r.path = outdir.filePath(QStringLiteral("%1.png").arg(i + 1, 4, 10, QLatin1Char('0')));
            QString why;
            r.bytes = Encode_gen_image(raised, r.path, &why);
            const auto t2 = Clock::now();
            renderNs += std::chrono::duration_cast<std::chrono::nanoseconds>(t1 - t0).count();
            encodeNs += std::chrono::duration_cast<std::chrono::nanoseconds>(t2 - t1).count();
            const long long end = std::chrono::duration_cast<std::chrono::nanoseconds>(t2 - start).count();
            for (long long seen = lastJobEnd; end > seen && !lastJobEnd.compare_exchange_weak(seen, end);) {
            }
            if (r.bytes.isEmpty())
                return batchfiles::JobResult::failed(why);
            return r;
        },
        options);
    const double batch = secondsSince(start);
    std::printf("%.6f %.6f %.6f %d %d %ld %.6f\n", batch, double(renderNs) * 1e-9, double(encodeNs) * 1e-9, outcome.done,
                outcome.failed, peakKb(), batch - double(lastJobEnd) * 1e-9);
    return outcome.ok() ? 0 : 1;
}

// ---- Processes ----------------------------------------------------------------------------------

struct ProcessRun {
    bool ok = false;
    double seconds = 0;     // wall time until the last process ended
    long maxRssKb = 0;      // the largest peak of the processes; 0 when not measured
    QByteArray output;      // the first process's standard output
};

// Starts every command at once, waits for all; each one's standard output goes to a file. With
// gnuTime (GNU time's path) each command runs under it and its peak memory is read from there: time
// forks the command from its own small address space, so the count is the command's.
ProcessRun runProcesses(std::vector<QStringList> commands, const QString &scratch, const QString &gnuTime = QString())
{
    if (!gnuTime.isEmpty())
        for (std::size_t n = 0; n < commands.size(); ++n)
            commands[n] = QStringList{gnuTime, QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"),
                                      scratch + QStringLiteral("/rss-%1.txt").arg(n)}
                          + commands[n];
    // Every run, ours and zint's alike, starts with nothing left to write back on the scratch file
    // system: what other programs of the machine wrote before would otherwise fall to the first
    // run that syncs (ours syncs its batch once at the end; zint does not sync).
    const int scratchFd = ::open(QFile::encodeName(scratch).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (scratchFd >= 0) {
        ::syncfs(scratchFd);
        ::close(scratchFd);
    }
    ProcessRun run;
    run.ok = true;
    std::vector<pid_t> pids;
    const auto start = Clock::now();
    for (std::size_t n = 0; n < commands.size(); ++n) {
        std::vector<QByteArray> args;
        for (const QString &a : commands[n])
            args.push_back(QFile::encodeName(a));
        std::vector<char *> argv;
        for (QByteArray &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const QByteArray out = QFile::encodeName(scratch + QStringLiteral("/out-%1.txt").arg(n));
        const QByteArray err = QFile::encodeName(scratch + QStringLiteral("/err-%1.txt").arg(n));
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
            pids.push_back(pid);
        else
            run.ok = false;
        posix_spawn_file_actions_destroy(&actions);
    }
    for (pid_t pid : pids) {
        int status = 0;
        rusage usage {};
        if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            run.ok = false;
    }
    run.seconds = secondsSince(start);
    for (std::size_t n = 0; n < commands.size() && !gnuTime.isEmpty(); ++n) {
        QFile rss(scratch + QStringLiteral("/rss-%1.txt").arg(n));
        if (rss.open(QIODevice::ReadOnly))
            run.maxRssKb = std::max(run.maxRssKb, rss.readAll().trimmed().split('\n').last().toLong());
    }
    QFile out(scratch + QStringLiteral("/out-0.txt"));
    if (out.open(QIODevice::ReadOnly))
        run.output = out.readAll();
    if (!run.ok) {
        QFile err(scratch + QStringLiteral("/err-0.txt"));
        if (err.open(QIODevice::ReadOnly))
            std::fprintf(stderr, "%s", err.readAll().constData());
    }
    return run;
}

// ---- Module size in pixels, measured on the files ---------------------------------------------------

enum class Kind { Linear, Qr, DataMatrix, Pdf417 };

struct Ink {
    QImage grey;
    int left = 0, top = 0, right = -1, bottom = -1;
    bool dark(int x, int y) const { return grey.constScanLine(y)[x] < 128; }
};

Ink inkOf(const QImage &image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    Ink ink;
    ink.grey = flat.convertToFormat(QImage::Format_Grayscale8);
    ink.left = ink.grey.width();
    ink.top = ink.grey.height();
    for (int y = 0; y < ink.grey.height(); ++y)
        for (int x = 0; x < ink.grey.width(); ++x)
            if (ink.dark(x, y)) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

// Dark runs along row y inside the ink's box.
std::vector<int> darkRuns(const Ink &ink, int y)
{
    std::vector<int> runs;
    int run = 0;
    for (int x = ink.left; x <= ink.right + 1; ++x) {
        if (x <= ink.right && ink.dark(x, y)) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

// Linear: the narrowest bar across the bars; QR: the finder's first row is 7 modules; DataMatrix:
// the top timing row alternates module by module; PDF417: the start pattern's first bar is 8 modules.
double modulePixels(const QString &path, Kind kind)
{
    const QImage image(path);
    if (image.isNull())
        return 0;
    const Ink ink = inkOf(image);
    if (ink.right < ink.left)
        return 0;
    switch (kind) {
    case Kind::Linear: {
        const std::vector<int> runs = darkRuns(ink, ink.top + (ink.bottom - ink.top) / 4);
        return runs.empty() ? 0 : *std::min_element(runs.begin(), runs.end());
    }
    case Kind::Qr: {
        const std::vector<int> runs = darkRuns(ink, ink.top);
        return runs.empty() ? 0 : runs.front() / 7.0;
    }
    case Kind::DataMatrix: {
        int changes = 0;
        for (int x = ink.left + 1; x <= ink.right; ++x)
            changes += ink.dark(x, ink.top) != ink.dark(x - 1, ink.top);
        return double(ink.right - ink.left + 1) / double(changes + 1);
    }
    case Kind::Pdf417: {
        const std::vector<int> runs = darkRuns(ink, (ink.top + ink.bottom) / 2);
        return runs.empty() ? 0 : runs.front() / 8.0;
    }
    }
    return 0;
}

// Frees a measured run's disk space without deleting its files: ext4 without a journal skips
// recently deleted inodes when it allocates new ones, which would slow the runs that follow. The
// temporary folder goes at the end.
void emptyFiles(const QString &folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::resize(it.next(), 0);
}

qint64 folderBytes(const QString &folder)
{
    qint64 total = 0;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files))
        total += info.size();
    return total;
}

// Marks the scratch folder as a top of a tree (the ext4 "T" attribute): its sub-folders, one per
// symbology, are then placed in block groups of their own, away from the temporary folder's group,
// where the other programs of a shared machine create and delete their files. On ext4 without a
// journal every new inode of a group skips the inodes deleted there in the last minutes, at a
// cost that then swamps what a file's writing costs ours and zint alike. Where the attribute is
// not supported nothing changes.
void spreadFolders(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags |= FS_TOPDIR_FL;
        (void)::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    ::close(fd);
}

// ---- The symbologies ----------------------------------------------------------------------------

struct Symbology {
    QString title;
    Kind kind;
    QStringList zint;   // zint's symbology and options, less the scale
    std::function<QString(int)> value;
};

std::vector<Symbology> symbologies()
{
    auto n6 = [](int i) { return QStringLiteral("%1").arg((i * 7919 + 12345) % 1000000, 6, 10, QLatin1Char('0')); };
    return {
        {QStringLiteral("Code 128"), Kind::Linear, {QStringLiteral("-b"), QStringLiteral("20")},
         [n6](int i) { return QStringLiteral("TAGORA-") + n6(i); }},
        {QStringLiteral("EAN-13"), Kind::Linear, {QStringLiteral("-b"), QStringLiteral("13")},
         [n6](int i) { return QStringLiteral("400638") + n6(i); }},
        {QStringLiteral("QR Code"), Kind::Qr, {QStringLiteral("-b"), QStringLiteral("58"), QStringLiteral("--secure=1")},
         [n6](int i) { return QStringLiteral("https://example.com/item/") + n6(i); }},
        {QStringLiteral("DataMatrix"), Kind::DataMatrix, {QStringLiteral("-b"), QStringLiteral("71"), QStringLiteral("--square")},
         [n6](int i) { return QStringLiteral("TAGORA") + n6(i); }},
        {QStringLiteral("PDF417"), Kind::Pdf417, {QStringLiteral("-b"), QStringLiteral("55"), QStringLiteral("--secure=2")},
         [n6](int i) { return QStringLiteral("TAGORA PDF417 ") + n6(i); }},
    };
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) > 0;
}

// Our module in pixels at a resolution, from one symbol encoded as the batch encodes it.
double ourModuleAt(const Symbology &s, const QString &value, double dpi, const QString &scratch)
{
    symboltool::Status status = symboltool::Status::Written;
    const platform::Picture picture = symboltool::renderSymbol(s.title, value, status);
    if (status != symboltool::Status::Written)
        return 0;
    const QString path = scratch + QStringLiteral("/probe.png");
    QString why;
    const QByteArray bytes = Encode_gen_image(Increase_DPI(picture, dpi), path, &why);
    QFile f(path);
    if (bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return 0;
    f.close();
    return modulePixels(path, s.kind);
}

struct Row {
    QString title;
    double dpi = 0, oursModule = 0, zintModule = 0;
    ProcessRun ours1, oursN, zint1, zintN;
    double render = 0, encode = 0, batch = 0;   // seconds, ours single-threaded, inside the process
    double tail1 = 0, tailN = 0;                // seconds from the last job's end to the batch's
    double oursKb = 0, zintKb = 0;              // mean file size
};

double rate(int count, const ProcessRun &run)
{
    return run.ok && run.seconds > 0 ? count / run.seconds : 0;
}

QString ratio(double a, double b)
{
    return a > 0 && b > 0 ? QString::number(a / b, 'f', 2) : QStringLiteral("-");
}

QString number(double v, int decimals = 0)
{
    return v > 0 ? QString::number(v, 'f', decimals) : QStringLiteral("-");
}

// The batch path alone, on files of a given size with no rendering: microseconds per file.
struct WriterCost {
    double saveFile = 0;     // one QSaveFile per file (a sync per file), as a single export writes
    double writer = 0;       // BatchWriter: write and rename
    double syncMs = 0;       // its one sync at the end, in all
    double pool1 = 0, poolN = 0;   // runFileBatch with 1 and N threads, the sync included
};

WriterCost writerCost(const QDir &root, int count, int size, int cores)
{
    WriterCost cost;
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 2654435761u) >> 24);
    auto folder = [&](const QString &name) {
        const QString path = root.filePath(QStringLiteral("writer-%1-%2").arg(size).arg(name));
        root.mkpath(path);
        return QDir(path);
    };
    auto name = [](int i) { return QStringLiteral("%1.png").arg(i + 1, 4, 10, QLatin1Char('0')); };
    // QSaveFile syncs each file: a tenth of the files is enough to see its cost.
    const int saved = std::max(1, count / 10);
    QDir dir = folder(QStringLiteral("qsavefile"));
    auto start = Clock::now();
    for (int i = 0; i < saved; ++i)
        platform::writeFileAtomically(dir.filePath(name(i)), bytes);
    cost.saveFile = secondsSince(start) * 1e6 / saved;
    emptyFiles(dir.path());

    dir = folder(QStringLiteral("writer"));
    batchfiles::BatchWriter writer;
    QString why;
    start = Clock::now();
    for (int i = 0; i < count; ++i)
        writer.write(dir.filePath(name(i)), bytes, &why);
    cost.writer = secondsSince(start) * 1e6 / count;
    start = Clock::now();
    writer.finish(&why);
    cost.syncMs = secondsSince(start) * 1e3;
    emptyFiles(dir.path());

    for (int threads : {1, cores}) {
        dir = folder(QStringLiteral("pool-%1").arg(threads));
        batchfiles::Options options;
        options.threads = threads;
        start = Clock::now();
        batchfiles::runFileBatch(
            count,
            [&](int i) {
                batchfiles::JobResult r;
                r.path = dir.filePath(name(i));
                r.bytes = bytes;
                return r;
            },
            options);
        (threads == 1 ? cost.pool1 : cost.poolN) = secondsSince(start) * 1e6 / count;
        emptyFiles(dir.path());
    }
    return cost;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.value(0) == QLatin1String("--child") && args.size() == 6) {
        // The child's files are written and synced and its report is out: it ends there, as a
        // command-line batch may, without Qt's teardown (which, for a symbology without text,
        // would load the whole fontconfig configuration only to free it: 5 ms that a batch inside
        // the running application never pays).
        const int rc = runChild(args.mid(1));
        std::fflush(stdout);
        std::_Exit(rc);
    }

    int count = 1000;
    QString only, base = QDir::tempPath();
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--count"))
            count = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--only"))
            only = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--dir"))
            base = args.at(i + 1);
    }
    const int cores = batchfiles::availableCores();
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString zint = QStandardPaths::findExecutable(QStringLiteral("zint"));
    // GNU time (Debian's "time") measures zint's peak memory; without it that column stays empty.
    const QString gnuTime = QFileInfo::exists(QStringLiteral("/usr/bin/time")) ? QStringLiteral("/usr/bin/time") : QString();
    QTemporaryDir temp(base + QStringLiteral("/bench-vs-zint-XXXXXX"));
    if (!temp.isValid())
        return 1;
    spreadFolders(temp.path());
    const QDir root(temp.path());
    std::printf("%d values per run, %d cores, zint: %s\n", count, cores,
                zint.isEmpty() ? "not installed" : qPrintable(zint));
    std::fflush(stdout);

    std::vector<Row> rows;
    for (const Symbology &s : symbologies()) {
        if (!only.isEmpty() && s.title != only)
            continue;
        Row row;
        row.title = s.title;
        // The folder's name carries the run's own suffix: ext4 places a top folder by a hash of its
        // name, and the same name would land every run where the previous run deleted its files.
        const QString key = QString(s.title).remove(QLatin1Char(' ')).remove(QLatin1Char('-')) + QLatin1Char('-')
                            + QFileInfo(temp.path()).fileName().section(QLatin1Char('-'), -1);
        QStringList values;
        for (int i = 0; i < count; ++i)
            values << s.value(i);
        const QString valuesPath = root.filePath(key + QStringLiteral(".txt"));
        root.mkpath(key);
        if (!writeLines(valuesPath, values))
            return 1;
        // 9-pixel modules: 15 mil at 600 DPI for the linear symbols; the 2D ones at the resolution
        // that gives theirs 9 pixels.
        row.dpi = 600;
        if (s.kind != Kind::Linear) {
            const double at600 = ourModuleAt(s, values.first(), 600, root.filePath(key));
            if (at600 > 0)
                row.dpi = 600.0 * 9.0 / at600;
        }
        row.oursModule = ourModuleAt(s, values.first(), row.dpi, root.filePath(key));

        // Ours, single-threaded then with a worker per core (once when there is one core).
        for (int threads : {1, cores}) {
            const QString outdir = root.filePath(key + QStringLiteral("/ours-%1").arg(threads));
            root.mkpath(outdir);
            ProcessRun run = runProcesses({{self, QStringLiteral("--child"), s.title, QString::number(row.dpi, 'g', 10),
                                            valuesPath, outdir, QString::number(threads)}},
                                          root.filePath(key));
            // The child's line: batch, render and encode seconds, done, failed, peak KB, tail seconds.
            const QList<QByteArray> f = run.output.trimmed().split(' ');
            run.maxRssKb = f.value(5).toLong();
            (threads == 1 ? row.tail1 : row.tailN) = f.value(6).toDouble();
            if (threads == 1) {
                row.ours1 = run;
                row.batch = f.value(0).toDouble();
                row.render = f.value(1).toDouble();
                row.encode = f.value(2).toDouble();
                row.oursKb = folderBytes(outdir) / 1024.0 / count;
            }
            row.oursN = run;
            emptyFiles(outdir);
            if (cores == 1)
                break;
        }

        if (!zint.isEmpty()) {
            // zint's raster module is twice its scale in pixels; it takes steps of a half.
            const double scale = std::max(0.5, std::round(row.oursModule) / 2.0);
            auto zintCommand = [&](const QString &input, const QString &outdir) {
                QStringList c{zint};
                c << s.zint << QStringLiteral("--scale=%1").arg(scale) << QStringLiteral("--batch")
                  << QStringLiteral("-i") << input << QStringLiteral("-o") << outdir + QStringLiteral("/~~~~~~.png");
                return c;
            };
            const QString one = root.filePath(key + QStringLiteral("/zint-1"));
            root.mkpath(one);
            row.zint1 = runProcesses({zintCommand(valuesPath, one)}, root.filePath(key), gnuTime);
            row.zintModule = modulePixels(one + QStringLiteral("/000001.png"), s.kind);
            row.zintKb = folderBytes(one) / 1024.0 / count;
            emptyFiles(one);
            // All cores: one process per core on an equal share of the values.
            std::vector<QStringList> commands;
            for (int p = 0; p < cores; ++p) {
                QStringList share;
                for (int i = p; i < count; i += cores)
                    share << values.at(i);
                if (share.isEmpty())
                    continue;
                const QString input = root.filePath(key + QStringLiteral("/share-%1.txt").arg(p));
                const QString outdir = root.filePath(key + QStringLiteral("/zint-n/%1").arg(p));
                root.mkpath(outdir);
                writeLines(input, share);
                commands.push_back(zintCommand(input, outdir));
            }
            row.zintN = runProcesses(commands, root.filePath(key), gnuTime);
            emptyFiles(root.filePath(key + QStringLiteral("/zint-n")));
        }
        std::printf("  %s done\n", qPrintable(s.title));
        std::fflush(stdout);
        rows.push_back(row);
    }

    std::printf("\nsymbols per second (whole processes, %d values; N = %d)\n", count, cores);
    std::printf("%-11s %7s %9s | %9s %9s %6s | %9s %9s %8s %8s | %8s %8s %8s | %8s %8s\n", "symbology", "DPI",
                "module px", "ours 1T", "zint 1P", "ratio", "ours NT", "zint NP", "NT/z1P", "NT/zNP", "MB o1T",
                "MB oNT", "MB zint", "KB ours", "KB zint");
    for (const Row &r : rows) {
        const double o1 = rate(count, r.ours1), oN = rate(count, r.oursN), z1 = rate(count, r.zint1),
                     zN = rate(count, r.zintN);
        std::printf("%-11s %7.1f %4s/%-4s | %9s %9s %6s | %9s %9s %8s %8s | %8s %8s %8s | %8s %8s\n", qPrintable(r.title),
                    r.dpi, qPrintable(number(r.oursModule, 1)), qPrintable(number(r.zintModule, 1)),
                    qPrintable(number(o1)), qPrintable(number(z1)), qPrintable(ratio(o1, z1)), qPrintable(number(oN)),
                    qPrintable(number(zN)), qPrintable(ratio(oN, z1)), qPrintable(ratio(oN, zN)),
                    qPrintable(number(r.ours1.maxRssKb / 1024.0, 1)), qPrintable(number(r.oursN.maxRssKb / 1024.0, 1)),
                    qPrintable(number(std::max(r.zint1.maxRssKb, r.zintN.maxRssKb) / 1024.0, 1)),
                    qPrintable(number(r.oursKb, 1)), qPrintable(number(r.zintKb, 1)));
    }
    std::printf("\nours single-threaded, per symbol inside the process (ms)\n");
    std::printf("%-11s %9s %9s %12s %9s %12s %10s %10s\n", "symbology", "render", "PNG", "write+pool", "batch", "start-up",
                "tail 1T", "tail NT");
    for (const Row &r : rows) {
        const double per = 1000.0 / count;
        std::printf("%-11s %9.3f %9.3f %12.3f %9.3f %12.3f %10.1f %10.1f\n", qPrintable(r.title), r.render * per,
                    r.encode * per, (r.batch - r.render - r.encode) * per, r.batch * per,
                    (r.ours1.seconds - r.batch) * 1000.0, r.tail1 * 1000.0, r.tailN * 1000.0);
    }
    std::printf("(render: model, picture and raising to the resolution; PNG: encoding; write+pool: the batch\n"
                " path's writing, placing, final sync and pool; start-up: the process's, once, in ms; tail: ms\n"
                " from the last job's end to the batch's, mostly the wait for the final sync, 1 and N threads)\n");

    std::printf("\nthe batch path alone, %d files of each size, no rendering (us per file; sync in ms)\n", count);
    std::printf("%9s %14s %14s %10s %12s %12s\n", "bytes", "QSaveFile", "writer", "sync ms", "pool 1T", "pool NT");
    for (int size : {1024, 16 * 1024, 256 * 1024}) {
        const WriterCost c = writerCost(root, count, size, cores);
        std::printf("%9d %14.1f %14.1f %10.1f %12.1f %12.1f\n", size, c.saveFile, c.writer, c.syncMs, c.pool1, c.poolN);
    }
    std::printf("(QSaveFile: a sync per file, as single exports write; writer: write and put in place, the sync apart;\n"
                " pool: the whole batch path, its one sync included)\n");

    // The scratch goes, then its deletions are written back: ext4 without a journal passes over a
    // deleted inode for a minute, or six while its table block is dirty, so a run right after
    // this one would otherwise pay for this one's files.
    const int rootFd = ::open(QFile::encodeName(root.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    temp.remove();
    if (rootFd >= 0) {
        ::syncfs(rootFd);
        ::close(rootFd);
    }

    bool ok = true;
    for (const Row &r : rows)
        ok = ok && r.ours1.ok && r.oursN.ok && (zint.isEmpty() || (r.zint1.ok && r.zintN.ok));
    return ok ? 0 : 1;
}
