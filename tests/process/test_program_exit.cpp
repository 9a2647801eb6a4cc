// The program run as a whole process: Quit on a fresh start ends it by itself, with status 0, in
// every edition's build and whichever way the user quits; a save beyond a file-size limit is a
// failed save, not the end of the program.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

// The built programs, one per edition, separated by "|".
QStringList programs() { return QStringLiteral(TAGORA_PROGRAMS).split(QLatin1Char('|'), Qt::SkipEmptyParts); }

struct Outcome {
    bool ended = false;
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = -1;
    QByteArray output;
};

// Runs the program with the test hooks of the environment, under a file-size limit where one is
// given, with SIGXFSZ's default action as a shell gives it (whatever this process does with it).
Outcome run(const QString &program, const QList<std::pair<QString, QString>> &hooks, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    for (const auto &[name, value] : hooks)
        environment.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setChildProcessModifier([fileSizeLimit] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        if (fileSizeLimit != RLIM_INFINITY && ::getrlimit(RLIMIT_FSIZE, &limit) == 0) {
            limit.rlim_cur = fileSizeLimit;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
    });
    process.start(program, {});
    Outcome r;
    if (!home.isValid() || !process.waitForStarted(10000))
        return r;
    // Start-up on a loaded machine takes a few seconds; a program that does not end spins.
    r.ended = process.waitForFinished(30000);
    if (!r.ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    r.status = process.exitStatus();
    r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -process.exitCode();
    r.output = process.readAllStandardOutput();
    return r;
}

TEST(ProgramExit, QuitOnAFreshStartEndsTheProcessWithStatusZero)
{
    ASSERT_FALSE(programs().isEmpty());
    for (const QString &program : programs()) {
        for (const QString &way : {QStringLiteral("menu"), QStringLiteral("close")}) {
            SCOPED_TRACE((program + QLatin1Char(' ') + way).toStdString());
            const Outcome r = run(program, {{QStringLiteral("TAGORA_TEST_QUIT"), way}});
            EXPECT_TRUE(r.ended) << "the program did not end after Quit";
            EXPECT_EQ(std::pair(r.status, r.code), std::pair(QProcess::NormalExit, 0));
        }
    }
}

// Save As over a design under a limit smaller than the new one: the old file stays whole and
// alone, the user is told, and the program goes on to its Quit (the signal would end it: -25).
TEST(ProgramExit, ASaveBeyondAFileSizeLimitKeepsTheOldFileAndTheProgram)
{
    for (const QString &program : programs()) {
        SCOPED_TRACE(program.toStdString());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("design.lbl"));
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the old design") > 0);
        old.close();
        const Outcome r = run(program, {{QStringLiteral("TAGORA_TEST_SAVE_AS"), path}, {QStringLiteral("TAGORA_TEST_QUIT"), QStringLiteral("menu")}},
                          1000);
        EXPECT_TRUE(r.ended);
        EXPECT_EQ(std::pair(r.status, r.code), std::pair(QProcess::NormalExit, 0));
        EXPECT_TRUE(r.output.contains("could not be saved.\ndesign.lbl: File too large")) << r.output.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "design.lbl");
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("the old design"));
        old.close();
    }
}

} // namespace
