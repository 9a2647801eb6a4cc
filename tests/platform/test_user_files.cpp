#include "platform/Files.h"
#include "platform/PdfFileWriter.h"
#include "platform/Temporaries.h"
#include "platform/UserFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(UserFiles, OnlyRegularFilesAreReadAndNoFurtherThanTheCap)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("values.txt"), ten = dir.filePath("ten");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(platform::writeFileAtomically(ten, QByteArray(10, 'x')));
    using S = platform::UserFileRead::Status;
    const struct { QString path; qint64 cap; S status; qsizetype bytes; } cases[] = {
        {ten, 10, S::Read, 10}, {ten, 9, S::TooLarge, 0}, {fifo, 10, S::NotAFile, 0},
        {"/dev/zero", 10, S::NotAFile, 0}, {dir.path(), 10, S::NotAFile, 0}, {dir.filePath("none"), 10, S::NotAFile, 0},
    };
    for (const auto &c : cases) {
        const platform::UserFileRead read = platform::readUserFile(c.path, c.cap);
        EXPECT_EQ(std::pair(read.status, read.bytes.size()), std::pair(c.status, c.bytes)) << c.path.toStdString();
    }
}

TEST(Temporaries, AWriteRemovesWhatEndedProcessesLeftInItsFolder)
{
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);   // a process id no process has
    const std::function<bool(const QString &)> writers[] = {
        [](const QString &path) { return platform::writeFileAtomically(path, "new"); },
        [](const QString &path) { platform::PdfFileWriter pdf(path, {}); return pdf.begin({10, 10}) && pdf.finish(); }};
    for (const auto &write : writers) {
        QTemporaryDir dir;
        const QString live = ".a.txt.tagora-" + QString::number(::getpid()) + "-0.part";
        for (const QString &name : {live, ".a.txt.tagora-" + QString::number(ended) + "-0.part"})
            ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        ASSERT_TRUE(write(dir.filePath("a.txt")));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), QStringList({live, "a.txt"}));
    }
    qint64 pid = 0;
    EXPECT_TRUE(platform::isTemporaryName(platform::temporaryName("x.pdf", "part"), nullptr, &pid));
    EXPECT_EQ(pid, ::getpid());
}
