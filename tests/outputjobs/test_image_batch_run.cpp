#include "outputjobs/ImageBatchRun.h"

#include "core/BatchWriter.h"
#include "outputjobs/ImageExportWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

using namespace imageexport;

namespace {

enum Answer { Keep, Replace, Cancel, KeepAll, CancelAll };

const exportnaming::TakenTest onDisk = [](const QString &p) { return exportnaming::fileNameTakenOnDisk(p); };

// The keep-or-replace prompt as a script: each existing file takes the next answer; an apply-to-all
// answer stands for the rest of the run.
struct ScriptedPrompt {
    QList<Answer> script;
    int asked = 0;
    int standing = -1;
    bool cancelledAll = false;
    std::atomic<bool> *stop = nullptr;

    QString answer(const QString &path)
    {
        if (!QFileInfo::exists(path))
            return path;
        Answer a = standing >= 0 ? Answer(standing) : script.value(asked++, Keep);
        if (a == KeepAll)
            standing = KeepAll;
        switch (a) {
        case Keep:
        case KeepAll:
            return exportnaming::Check_Exist_Path_and_Create_New(path, 1, onDisk);
        case Replace:
            return path;
        case Cancel:
            return QString();
        case CancelAll:
            cancelledAll = true;
            stop->store(true);
            return QString();
        }
        return QString();
    }
};

// Records named by their value (many repeat), the bytes the record's number.
QMap<QString, QByteArray> runInFolder(const QString &folder, int threads, const QList<Answer> &answers, int records = 12)
{
    std::atomic<bool> stop{false};
    ScriptedPrompt prompt;
    prompt.script = answers;
    prompt.stop = &stop;
    BatchPlan plan;
    plan.first = 0;
    plan.end = records;
    plan.threads = threads;
    plan.stop = &stop;
    plan.folder = folder;   // files made on the workers, named in record order
    plan.make = [](int i) {
        Record r;
        r.value = QStringLiteral("V%1").arg(i % 3);
        r.bytes = QByteArray::number(i);
        return r;
    };
    plan.name = [&](int, const Record &r, int, const exportnaming::TakenTest &taken) {
        exportnaming::Settings s;
        s.token = QStringLiteral("<BV>");
        s.folder = folder;
        s.ext = QStringLiteral("PNG");
        return exportnaming::barcodeName(s, r.value, {}, {}, {}, 1, true, taken);
    };
    plan.keepReplace = [&](const QString &p, bool) { return prompt.answer(p); };
    plan.cancelledAll = [&] { return prompt.cancelledAll; };
    runBatch(plan);
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile f(QDir(folder).filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files.insert(name, f.readAll());
    }
    return files;
}

} // namespace

TEST(ImageBatchRun, ManyWorkersLeaveTheFilesOfOne)
{
    const QList<QList<Answer>> scripts = {
        {}, {Keep, Keep, Replace, Cancel, Keep}, {KeepAll}, {Replace, Replace, Replace}, {Keep, CancelAll}, {Cancel, Cancel}};
    for (const QList<Answer> &script : scripts) {
        QTemporaryDir one, many;
        const QMap<QString, QByteArray> sequential = runInFolder(one.path(), 1, script);
        const QMap<QString, QByteArray> parallel = runInFolder(many.path(), 4, script);
        EXPECT_FALSE(sequential.isEmpty());
        EXPECT_EQ(parallel, sequential) << "script of " << script.size();
    }
}

TEST(ImageBatchRun, CancelAllEndsTheRunAndKeepAllNeverAsksAgain)
{
    QTemporaryDir dir;
    const QMap<QString, QByteArray> cancelled = runInFolder(dir.path(), 3, {CancelAll});
    EXPECT_EQ(cancelled.keys(), (QStringList{QStringLiteral("V0.PNG"), QStringLiteral("V1.PNG"), QStringLiteral("V2.PNG")}));
    QTemporaryDir kept;
    const QMap<QString, QByteArray> all = runInFolder(kept.path(), 3, {KeepAll, Cancel, Cancel});
    EXPECT_EQ(all.size(), 12);   // every record written: the later clashes took free names
    EXPECT_TRUE(all.contains(QStringLiteral("V0 (3).PNG")));
}

TEST(ImageBatchRun, StopFinishesTheRecordsBegunAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    std::atomic<bool> stop{false};
    std::atomic<int> begun{0};
    BatchPlan plan;
    plan.end = 100;
    plan.threads = 3;
    plan.stop = &stop;
    plan.folder = dir.path();
    plan.begun = [&] {
        if (++begun == 5)
            stop = true;
    };
    plan.make = [](int i) {
        Record r;
        r.bytes = QByteArray::number(i);
        return r;
    };
    plan.name = [&](int i, const Record &, int, const exportnaming::TakenTest &) {
        return QDir(dir.path()).filePath(QStringLiteral("%1.png").arg(i));
    };
    const BatchOutcome out = runBatch(plan);
    EXPECT_TRUE(out.stopped);
    EXPECT_EQ(out.written, begun.load());
    EXPECT_LT(out.written, 100);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left.size(), out.written);
    for (const QString &name : left)
        EXPECT_FALSE(batchfiles::BatchWriter::isTemporary(name)) << name.toStdString();
}

TEST(ImageBatchRun, AnExceptionEndsTheRun)
{
    QTemporaryDir dir;
    BatchPlan plan;
    plan.end = 50;
    plan.threads = 2;
    plan.make = [](int i) {
        if (i == 3)
            throw std::runtime_error("broken record");
        Record r;
        r.bytes = "x";
        return r;
    };
    plan.name = [&](int i, const Record &, int, const exportnaming::TakenTest &) {
        return QDir(dir.path()).filePath(QStringLiteral("%1.png").arg(i));
    };
    const BatchOutcome out = runBatch(plan);
    EXPECT_TRUE(out.aborted);
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(out.written, 3);   // records 0 to 2, nothing after the broken one
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(ImageBatchRun, FailuresAreCountedAndTheFirstNamed)
{
    QTemporaryDir dir;
    fileWriterOverride() = [](const QString &p, const QByteArray &b, QString *error) {
        if (p.contains(QLatin1String("/2.")) || p.contains(QLatin1String("/4."))) {
            *error = QStringLiteral("No space left on device");
            return false;
        }
        return writeWhole(p, b, error);
    };
    BatchPlan plan;
    plan.end = 6;
    plan.threads = 2;
    plan.make = [](int i) {
        Record r;
        r.skip = i == 5;   // an invalid record that is skipped: not counted
        if (i == 1)
            r.failure = QStringLiteral("Invalid image");
        else
            r.bytes = "x";
        return r;
    };
    QList<int> passedSeen;
    plan.name = [&](int i, const Record &, int passed, const exportnaming::TakenTest &) {
        passedSeen << passed;
        return QDir(dir.path()).filePath(QStringLiteral("%1.png").arg(i));
    };
    const BatchOutcome out = runBatch(plan);
    fileWriterOverride() = nullptr;
    EXPECT_EQ(out.written, 2);   // 0 and 3
    EXPECT_EQ(out.failed, 3);    // 1 (no bytes), 2 and 4 (write)
    EXPECT_EQ(out.passed, 5);
    EXPECT_EQ(passedSeen, (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(out.firstFailure, QStringLiteral("1.png: Invalid image"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (QStringList{QStringLiteral("0.png"), QStringLiteral("3.png")}));
    // A reason that names its file already (another's link refused) is not named twice.
    plan.make = [](int) { Record r; r.failure = QStringLiteral("0.png: Permission denied"); return r; };
    EXPECT_EQ(runBatch(plan).firstFailure, QStringLiteral("0.png: Permission denied"));
}
