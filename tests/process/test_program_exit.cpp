// The program run as a whole process: Quit on a fresh start ends it by itself, with status 0, in
// every edition's build and whichever way the user quits.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The built programs, one per edition, separated by "|".
QStringList programs() { return QStringLiteral(TAGORA_PROGRAMS).split(QLatin1Char('|'), Qt::SkipEmptyParts); }

TEST(ProgramExit, QuitOnAFreshStartEndsTheProcessWithStatusZero)
{
    const QStringList ways = {QStringLiteral("menu"), QStringLiteral("close")};
    ASSERT_FALSE(programs().isEmpty());
    for (const QString &program : programs()) {
        for (const QString &way : ways) {
            SCOPED_TRACE((program + QLatin1Char(' ') + way).toStdString());
            QTemporaryDir home;
            ASSERT_TRUE(home.isValid());
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
            environment.insert(QStringLiteral("TAGORA_TEST_QUIT"), way);
            QProcess process;
            process.setProcessEnvironment(environment);
            process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process.setStandardOutputFile(QProcess::nullDevice());
            process.start(program, {});
            ASSERT_TRUE(process.waitForStarted(10000));
            // Start-up on a loaded machine takes a few seconds; a program that does not end spins.
            const bool ended = process.waitForFinished(30000);
            if (!ended) {
                process.kill();
                process.waitForFinished(5000);
            }
            EXPECT_TRUE(ended) << "the program did not end after Quit";
            if (ended) {
                EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
                EXPECT_EQ(process.exitCode(), 0);
            }
        }
    }
}

} // namespace
