// The crop batch engine on its own: all cores leave the bytes of one worker, the memory limit holds
// (one picture always proceeds), and Stop is read before each write.

#include "support/ImageFileMakers.h"
#include "support/SyncFailure.h"

#include "core/ImageServices.h"
#include "imaging/CropBatchListModel.h"
#include "imaging/CropBatchRun.h"
#include "imaging/CropOperation.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>

namespace {

struct Folder {
    QTemporaryDir dir;
    std::map<QString, QByteArray> files() const
    {
        std::map<QString, QByteArray> out;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            QFile f(dir.filePath(name));
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            out[name] = f.readAll();
        }
        return out;
    }
};

TEST(CropBatchRun, AllCoresWriteTheBytesAndLinesOfOneWorker)
{
    QTemporaryDir in;
    QStringList inputs;
    for (int i = 0; i < 12; ++i) {
        const QString path = in.filePath(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0')));
        if (i == 5)
            imagefiles::writeBytes(path, "not a picture");
        else
            imagefiles::writeImage(path, imagefiles::quadrants({200 + 37 * i, 150 + 11 * i}));
        inputs << path;
    }
    crop::OperationPlan op;
    op.cropRect = QRectF(10, 10, 100, 80);
    op.drawingSize = QSizeF(300, 200);
    const auto run = [&](int threads, qint64 limit, Folder &out, QStringList &lines) {
        crop::BatchPlan plan;
        plan.count = int(inputs.size());
        plan.threads = threads;
        plan.memoryLimit = limit;
        plan.folder = out.dir.path();
        plan.cost = [&](int i) { return crop::operationBytes(op, inputs.at(i)); };
        plan.make = [&](int i) {
            QString why;
            const QImage image = crop::cutFromOriginal(op, inputs.at(i), &why);
            crop::BatchMade made;
            made.failure = why;
            if (!image.isNull())
                made.bytes = Encode_gen_image(platform::Picture::fromImage(image), QStringLiteral("x.JPG"), &why);
            return made;
        };
        plan.name = [&](int i) { return out.dir.filePath(QStringLiteral("c%1.JPG").arg(i)); };
        plan.settled = [&](int, const QString &written) { lines << QFileInfo(written).fileName(); };
        return crop::runBatch(plan);
    };
    Folder one, all, tight;
    QStringList oneLines, allLines, tightLines;
    const crop::BatchOutcome a = run(1, qint64(512) << 20, one, oneLines);
    const crop::BatchOutcome b = run(8, qint64(512) << 20, all, allLines);
    const crop::BatchOutcome c = run(8, 1000, tight, tightLines);   // below one picture: one at a time
    EXPECT_EQ(a.written, 11);
    EXPECT_EQ(a.failed, 1);
    EXPECT_TRUE(a.firstFailure.startsWith(QStringLiteral("The image could not be read: p05.png ("))) << a.firstFailure.toStdString();
    EXPECT_EQ(oneLines.at(5), QString()) << "a skipped picture has no line";
    EXPECT_EQ(oneLines.size(), 12);
    EXPECT_EQ(one.files().size(), 11u) << "no temporary file left";
    EXPECT_EQ(one.files(), all.files());
    EXPECT_EQ(one.files(), tight.files());
    EXPECT_EQ(oneLines, allLines);
    EXPECT_EQ(oneLines, tightLines);
    EXPECT_EQ(b.written, a.written);
    EXPECT_EQ(c.written, a.written);
}

TEST(CropBatchRun, TheMemoryLimitBoundsPicturesInFlight)
{
    const struct {
        qint64 limit;
        int most;   // pictures being made at once, at most
    } cases[] = {{250, 2}, {50, 1}, {10000, 8}};
    for (const auto &k : cases) {
        std::atomic<int> now{0}, peak{0};
        crop::BatchPlan plan;
        plan.count = 40;
        plan.threads = 8;
        plan.memoryLimit = k.limit;
        plan.cost = [](int) { return qint64(100); };
        plan.make = [&](int) {
            const int n = ++now;
            int p = peak;
            while (n > p && !peak.compare_exchange_weak(p, n)) {
            }
            QThread::usleep(2000);
            --now;
            return crop::BatchMade{{}, QStringLiteral("made")};
        };
        plan.name = [](int) { return QStringLiteral("/nowhere/x.JPG"); };
        const crop::BatchOutcome out = crop::runBatch(plan);
        EXPECT_EQ(out.failed, 40) << k.limit << ": every picture reached its turn";
        EXPECT_LE(peak.load(), k.most) << k.limit;
        EXPECT_GE(peak.load(), 1) << k.limit;
    }
}

// Stop is read before each write; a write-back error at the batch's end leaves the pictures
// written, and the run says the disk failed.
TEST(CropBatchRun, StopIsReadBeforeEachWrite)
{
    for (const bool syncFails : {false, true}) {
        Folder out;
        std::atomic<bool> stop{false};
        QStringList lines;
        crop::BatchPlan plan;
        plan.count = 20;
        plan.threads = 4;
        plan.folder = out.dir.path();
        plan.stop = &stop;
        plan.make = [](int) { return crop::BatchMade{QByteArray("bytes"), {}}; };
        plan.name = [&](int i) { return out.dir.filePath(QStringLiteral("f%1.JPG").arg(i, 2, 10, QLatin1Char('0'))); };
        plan.settled = [&](int, const QString &written) {
            if (!written.isEmpty())
                lines << written;
            if (lines.size() == 2)
                stop = true;
        };
        const testsupport::SyncFailure disk(out.dir.path(), syncFails);
        const crop::BatchOutcome o = crop::runBatch(plan);
        EXPECT_TRUE(o.stopped);
        EXPECT_EQ(o.written, 2);
        EXPECT_EQ(o.failed, 0) << "pictures begun before the stop are not failures";
        EXPECT_EQ(o.syncFailure, syncFails ? testsupport::SyncFailure::reason() : QString());
        EXPECT_EQ(lines.size(), 2);
        EXPECT_EQ(out.files().size(), 2u) << "nothing written after the stop, no temporary file left";
    }
}

} // namespace

namespace {

TEST(CropBatchListModel, RecordsNumberTrimAndNameTheirPictures)
{
    CropBatchListModel list;
    list.Create_List(QStringLiteral("  /pics/a.jpg \n"));
    list.Create_List(QStringLiteral("   "));
    list.Create_List(QStringLiteral("/pics/sub/b.PNG"));
    ASSERT_EQ(list.count(), 2);
    const struct {
        int row;
        const char *key;
        QString value;
    } cells[] = {{0, "SNO", "1"}, {0, "Image_Path", "/pics/a.jpg"}, {0, "IMG_NAME", "a.jpg"},
                 {1, "SNO", "2"}, {1, "IMG_NAME", "b.PNG"}};
    for (const auto &c : cells) {
        EXPECT_EQ(list.record(c.row).value(QString::fromLatin1(c.key)), c.value) << c.key;
        const int column = int(CropBatchListModel::columnKeys().indexOf(QString::fromLatin1(c.key)));
        EXPECT_EQ(list.data(list.index(c.row, column)).toString(), c.value) << c.key;
    }
    EXPECT_EQ(list.Get_Item_Text(1), QStringLiteral("/pics/sub/b.PNG"));
    EXPECT_EQ(list.Get_Item_Text(2), QString()) << "outside the list";
    EXPECT_EQ(list.Get_Item_Text(-1), QString());
    // An edited cell stores its text under its column's key.
    const int path = int(CropBatchListModel::columnKeys().indexOf(QStringLiteral("Image_Path")));
    EXPECT_TRUE(list.setData(list.index(0, path), QStringLiteral("/other/c.tif")));
    EXPECT_EQ(list.Get_Item_Text(0), QStringLiteral("/other/c.tif"));
}

} // namespace
