#include "outputjobs/ImageBatchRun.h"

#include "core/BatchPool.h"
#include "core/BatchWriter.h"
#include "core/Messages.h"
#include "core/OrderedPipeline.h"
#include "core/Utilities.h"
#include "outputjobs/ImageExportWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <set>

namespace imageexport {

namespace {

// One record between its making and its naming.
struct Slot {
    Record record;
    bool staged = false;   // the file is made, waiting for its name
    batchfiles::BatchWriter::Staged file;
};

class Run {
public:
    explicit Run(const BatchPlan &plan) : s(plan)
    {
        if (!plan.folder.isEmpty() && plan.folderFd >= 0)
            m_writer.adoptFolder(plan.folder, plan.folderFd);
    }

    // On a worker, any order: the record's bytes and, with a folder, its file without a name.
    Slot make(int index)
    {
        if (s.begun)
            s.begun();
        Slot slot;
        slot.record = s.make(index);
        stage(slot);
        return slot;
    }

    // Record order, one record at a time. A record whose making threw ends the run; after a
    // cancel-all, records are made but no longer named.
    bool take(int index, pipeline::Item<Slot> &item)
    {
        if (item.failed()) {
            if (item.ending == pipeline::Ending::Threw)
                Show_NSLog_Message(item.why);
            m_aborted = true;
            return false;
        }
        Slot &slot = item.value;
        pipeline::waitWhileHeld(s.hold);
        if (!m_aborted && !m_cancelledAll) {
            try {
                settle(index, slot);
            } catch (const std::exception &e) {
                Show_NSLog_Message(QString::fromUtf8(e.what()));
                m_aborted = true;
            } catch (...) {
                m_aborted = true;
            }
        }
        if (slot.staged)
            batchfiles::BatchWriter::discard(slot.file);   // never named: nothing of it stays
        return !m_aborted;
    }

    BatchOutcome finish(int started)
    {
        QString why;
        if (!m_writer.finish(&why) && m_out.written > 0)
            m_out.syncFailure = why;   // a failure, though the files have their names
        m_out.aborted = m_aborted;
        m_out.stopped = !m_aborted && (m_cancelledAll || (stopRequested() && started < s.end - s.first));
        return m_out;
    }

private:
    // Claimed: a path this run has written (or tried to) counts as taken, in any case of its extension.
    static QString key(const QString &path)
    {
        const QFileInfo info(path);
        return QDir(info.path()).filePath(info.completeBaseName() + QLatin1Char('.') + info.suffix().toUpper());
    }

    void fail(const QString &path, const QString &why)
    {
        ++m_out.failed;
        if (!m_out.firstFailure.isEmpty())
            return;
        // A writer's refusal of a link, or of a temporary taken over, begins with the name already.
        const QString name = QFileInfo(path).fileName();
        const bool named = why.startsWith(name + QLatin1Char(':')) || why.startsWith(name + QLatin1Char(' '));
        m_out.firstFailure = path.isEmpty() || named ? why : QStringLiteral("%1: %2").arg(name, why);
    }

    void settle(int index, Slot &slot)
    {
        const Record &record = slot.record;
        if (record.skip)
            return;
        const exportnaming::TakenTest taken = [this](const QString &p) {
            return m_claimed.count(key(p)) > 0 || exportnaming::fileNameTakenOnDisk(p, s.folderFd);
        };
        const int passed = m_out.passed++;
        QString path = s.name(index, record, passed, taken);
        if (!path.isEmpty() && s.keepReplace)
            path = Trim_Str(s.keepReplace(path, true));
        if (path.isEmpty()) {
            if (s.cancelledAll && s.cancelledAll())
                m_cancelledAll = true;
            return;
        }
        if (!record.failure.isEmpty()) {
            fail(path, record.failure);
            return;
        }
        m_claimed.insert(key(path));
        QString why;
        bool ok = false;
        if (slot.staged) {
            slot.staged = false;   // committed or, on failure, gone
            slot.file.path = path;
            slot.file.target = QFile::encodeName(path);
            ok = m_writer.commit(slot.file, &why);
        } else {
            ok = fileWriterOverride() ? fileWriterOverride()(path, record.bytes, &why)
                                      : m_writer.write(path, record.bytes, &why);
        }
        if (ok)
            ++m_out.written;
        else
            fail(path, why);
    }

    // On the worker: the record's file made in the folder without its name (the costly part of a
    // new file), so that the ordered step only names it.
    void stage(Slot &slot)
    {
        Record &r = slot.record;
        if (r.skip || !r.failure.isEmpty() || s.folder.isEmpty() || fileWriterOverride())
            return;
        QString why;
        if (m_writer.stage(QDir(s.folder).filePath(QStringLiteral(".unnamed")), r.bytes, &slot.file, &why)) {
            slot.staged = true;
            r.bytes = QByteArray();
        } else {
            r.failure = why;
        }
    }

    bool stopRequested() const { return s.stop && s.stop->load(); }

    const BatchPlan &s;
    bool m_aborted = false;
    bool m_cancelledAll = false;
    std::set<QString> m_claimed;
    batchfiles::BatchWriter m_writer;
    BatchOutcome m_out;
};

} // namespace

BatchOutcome runBatch(const BatchPlan &plan)
{
    const int count = std::max(0, plan.end - plan.first);
    const int threads = batchfiles::workerCount(plan.threads, count);
    pipeline::Options options;
    options.workers = threads;
    // Room for the records made while the one being written waits: a worker the system holds up
    // for a while does not stop the others.
    options.maxInFlight = plan.ahead > 0 ? std::max(plan.ahead, 2 * threads) : std::max(2 * threads, std::min(256, 16 * threads));
    options.stop = plan.stop;
    options.hold = plan.hold;
    Run run(plan);
    const pipeline::Outcome ran = pipeline::run<Slot>(
        count, options, [&](int i) { return run.make(plan.first + i); },
        [&](int i, pipeline::Item<Slot> &item) { return run.take(plan.first + i, item); });
    return run.finish(ran.started);
}

} // namespace imageexport
