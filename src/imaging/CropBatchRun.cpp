#include "imaging/CropBatchRun.h"

#include "core/BatchPool.h"
#include "core/BatchWriter.h"
#include "core/Messages.h"
#include "core/OrderedPipeline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

namespace crop {

namespace {

struct Slot {
    BatchMade made;
    bool staged = false;
    batchfiles::BatchWriter::Staged file;
};

class Run {
public:
    explicit Run(const BatchPlan &plan) : s(plan)
    {
        if (!plan.folder.isEmpty() && plan.folderFd >= 0)
            m_writer.adoptFolder(plan.folder, plan.folderFd);
    }

    // On a worker, once the picture's memory fits: its bytes and, with a folder, its file without a
    // name. A picture begun after Stop is left unmade.
    Slot make(int index)
    {
        Slot slot;
        if (!stopRequested())
            slot.made = s.make(index);
        stage(slot);
        return slot;
    }

    // List order, one picture at a time.
    bool take(int index, pipeline::Item<Slot> &item)
    {
        Slot &slot = item.value;
        if (item.failed())
            slot.made = BatchMade{{}, item.ending == pipeline::Ending::ThrewOther ? QStringLiteral("unknown failure") : item.why};
        QString written;
        try {
            written = settle(index, slot);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
            fail(QString::fromUtf8(e.what()));
        }
        if (slot.staged)
            batchfiles::BatchWriter::discard(slot.file);   // never named: nothing of it stays
        if (s.settled)
            s.settled(index, written);
        return true;
    }

    BatchOutcome finish()
    {
        QString why;
        if (!m_writer.finish(&why) && m_out.written > 0)
            m_out.syncFailure = why;   // a failure, though the files have their names
        m_out.stopped = stopRequested();
        return m_out;
    }

private:
    bool stopRequested() const { return s.stop && s.stop->load(); }

    void stage(Slot &slot)
    {
        BatchMade &m = slot.made;
        if (!m.failure.isEmpty() || m.bytes.isEmpty() || s.folder.isEmpty())
            return;
        QString why;
        if (m_writer.stage(QDir(s.folder).filePath(QStringLiteral(".unnamed")), m.bytes, &slot.file, &why)) {
            slot.staged = true;
            m.bytes = QByteArray();
        } else {
            m.failure = why;
        }
    }

    void fail(const QString &why)
    {
        ++m_out.failed;
        if (m_out.firstFailure.isEmpty())
            m_out.firstFailure = why;
    }

    // Answers the path written.
    QString settle(int index, Slot &slot)
    {
        if (s.show && !stopRequested())
            s.show(index);
        const QString meant = s.name ? s.name(index) : QString();
        if (meant.isEmpty() || stopRequested())
            return {};
        const BatchMade &m = slot.made;
        if (!m.failure.isEmpty() || (m.bytes.isEmpty() && !slot.staged)) {
            fail(m.failure.isEmpty() ? QStringLiteral("%1: no image").arg(QFileInfo(meant).fileName()) : m.failure);
            return {};
        }
        const QString path = s.keepReplace ? s.keepReplace(meant) : meant;
        if (path.isEmpty() || stopRequested())
            return {};
        QString why;
        bool ok = false;
        if (slot.staged) {
            slot.staged = false;   // committed or, on failure, gone
            slot.file.path = path;
            slot.file.target = QFile::encodeName(path);
            ok = m_writer.commit(slot.file, &why);
        } else {
            ok = m_writer.write(path, m.bytes, &why);
        }
        if (!ok) {
            fail(QStringLiteral("The image could not be written: %1 (%2).").arg(QFileInfo(path).fileName(), why));
            return {};
        }
        ++m_out.written;
        return path;
    }

    const BatchPlan &s;
    batchfiles::BatchWriter m_writer;
    BatchOutcome m_out;
};

} // namespace

BatchOutcome runBatch(const BatchPlan &plan)
{
    if (plan.count <= 0)
        return {};
    const int threads = batchfiles::workerCount(plan.threads, plan.count);
    pipeline::Options options;
    options.workers = threads;
    options.maxInFlight = 4 * threads;   // a few finished pictures per worker may wait for the one being written
    options.stop = plan.stop;
    if (plan.cost) {
        // Pixels are given back once a picture is encoded, whatever its turn to be written.
        options.cost = plan.cost;
        options.maxCost = plan.memoryLimit;
    }
    Run run(plan);
    pipeline::run<Slot>(
        plan.count, options, [&](int i) { return run.make(i); },
        [&](int i, pipeline::Item<Slot> &item) { return run.take(i, item); });
    return run.finish();
}

} // namespace crop
