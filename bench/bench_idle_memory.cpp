// The resident memory of the application idle after start: each edition built beside the full one
// is started as a user would start it (a fresh home with no user data, the offscreen platform
// unless QT_QPA_PLATFORM says otherwise), left to settle, read from the kernel's status of the
// process and ended. Prints every run and the median of each edition: the resident total, its peak,
// the anonymous part (heap, pixel buffers, stacks), the file-backed part (the code of the program
// and its libraries, fonts) and the shared memory (the window's pixels shared with an X server).
// Target for the full edition: under 150 MB.
//
//   bench_idle_memory [--runs N] [--settle SECONDS] [--app PATH]...
//
// --app replaces the editions found beside the full one; it may be given more than once.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kTargetMb = 150.0;

// One reading of the kernel's status fields that make up the resident memory, in kB.
struct Resident {
    long rss = -1, hwm = -1, anon = -1, file = -1, shmem = -1;
};

long field(const QList<QByteArray> &lines, const QByteArray &name)
{
    for (const QByteArray &line : lines)
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').first().toLong();
    return -1;
}

Resident readResident(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = status.readAll().split('\n');
    return {field(lines, "VmRSS:"), field(lines, "VmHWM:"), field(lines, "RssAnon:"), field(lines, "RssFile:"),
            field(lines, "RssShmem:")};
}

// A fresh user: nothing of the bench's own home, settings or data reaches the application.
QProcessEnvironment freshUser(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *sub : {"data", "config", "cache", "runtime"})
        QDir(home).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(home + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                QFileDevice::ExeOwner);
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("TAGORA_TEST_QUIT"));
    return env;
}

// Starts the program, waits until it has settled and reads it; the program must still be running
// then (one that ended or crashed gives an empty reading).
Resident measureOnce(const QString &program, int settleMs)
{
    QTemporaryDir home;
    QProcess app;
    app.setProcessEnvironment(freshUser(home.path()));
    app.setStandardOutputFile(QProcess::nullDevice());
    app.setStandardErrorFile(QProcess::nullDevice());
    app.start(program, {});
    if (!app.waitForStarted(10000))
        return {};
    QThread::msleep(static_cast<unsigned long>(settleMs));
    Resident r;
    if (app.state() == QProcess::Running)
        r = readResident(app.processId());
    app.terminate();
    if (!app.waitForFinished(10000)) {
        app.kill();
        app.waitForFinished(10000);
    }
    return r;
}

double mb(long kb) { return kb < 0 ? -1.0 : kb / 1024.0; }

long median(std::vector<long> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

void printRow(const QString &name, const QString &run, const Resident &r)
{
    std::printf("%-12s %-7s %9.1f %9.1f %9.1f %9.1f %9.1f\n", qPrintable(name), qPrintable(run), mb(r.rss),
                mb(r.hwm), mb(r.anon), mb(r.file), mb(r.shmem));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int runs = 5;
    double settle = 5.0;
    QStringList programs;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--settle"))
            settle = std::max(0.5, args[i + 1].toDouble());
        else if (args[i] == QLatin1String("--app"))
            programs << args[i + 1];
    }
    if (programs.isEmpty()) {
        const QFileInfo full(QStringLiteral(TAGORA_APP));
        for (const QString &name : {full.fileName(), full.fileName() + QStringLiteral("-std"),
                                    full.fileName() + QStringLiteral("-qr")})
            if (QFileInfo(full.dir(), name).isExecutable())
                programs << full.dir().filePath(name);
    }
    if (programs.isEmpty()) {
        std::fprintf(stderr, "no application to start (build the tagora target or give --app)\n");
        return 1;
    }

    std::printf("idle after %.1f s, %d runs each, platform %s (MB)\n", settle, runs,
                qPrintable(freshUser(QDir::tempPath()).value(QStringLiteral("QT_QPA_PLATFORM"))));
    std::printf("%-12s %-7s %9s %9s %9s %9s %9s\n", "program", "run", "resident", "peak", "anon", "file", "shmem");
    bool allMeasured = true;
    long fullMedian = -1;
    for (const QString &program : programs) {
        const QString name = QFileInfo(program).fileName();
        std::vector<long> rss, hwm, anon, file, shmem;
        for (int i = 0; i < runs; ++i) {
            const Resident r = measureOnce(program, static_cast<int>(settle * 1000));
            printRow(name, QString::number(i + 1), r);
            if (r.rss < 0) {
                allMeasured = false;
                continue;
            }
            rss.push_back(r.rss), hwm.push_back(r.hwm), anon.push_back(r.anon), file.push_back(r.file),
                shmem.push_back(r.shmem);
        }
        const Resident m{median(rss), median(hwm), median(anon), median(file), median(shmem)};
        printRow(name, QStringLiteral("median"), m);
        if (program == programs.first())
            fullMedian = m.rss;
    }
    std::printf("%s: %.1f MB resident (target under %.0f MB): %s\n", qPrintable(QFileInfo(programs.first()).fileName()),
                mb(fullMedian), kTargetMb, fullMedian >= 0 && mb(fullMedian) < kTargetMb ? "met" : "NOT met");
    return allMeasured ? 0 : 1;
}
