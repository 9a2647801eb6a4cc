#include "outputjobs/ImageBatchRun.h"

#include "core/BatchPool.h"
#include "core/BatchWriter.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "outputjobs/ImageExportWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <set>
#include <vector>

namespace imageexport {

namespace {

class Run {
    // One record between its making and its settling.
    struct Slot {
        Record record;
        bool threw = false;
        bool filled = false;
        bool staged = false;   // the file is made, waiting for its name
        batchfiles::BatchWriter::Staged file;
    };

public:
    Run(const BatchPlan &plan, int ring) : s(plan), m_next(plan.first), m_settled(plan.first), m_ring(std::size_t(ring)) {}

    // One worker: takes the next record and makes it; then, unless another worker is at it,
    // settles the records that are made, in record order. No worker waits for its turn: the
    // records a ring's length past the oldest unsettled one wait for room, which bounds memory.
    void work()
    {
        for (;;) {
            int index = 0;
            {
                std::unique_lock lock(m_mutex);
                m_room.wait(lock, [this] {
                    return m_next >= s.end || m_aborted || stopRequested() ||
                           m_next < m_settled + int(m_ring.size());
                });
                if (m_next >= s.end || m_aborted || stopRequested())
                    return;
                index = m_next++;
            }
            if (s.begun)
                s.begun();
            Slot slot;
            try {
                slot.record = s.make(index);
            } catch (const std::exception &e) {
                Show_NSLog_Message(QString::fromUtf8(e.what()));
                slot.threw = true;
            } catch (...) {
                slot.threw = true;
            }
            stage(slot);
            slot.filled = true;
            std::unique_lock lock(m_mutex);
            m_ring[std::size_t(index - s.first) % m_ring.size()] = std::move(slot);
            if (!m_settling)
                settleReady(lock);
        }
    }

    BatchOutcome finish()
    {
        QString why;
        if (!m_writer.finish(&why) && m_out.written > 0) {
            ++m_out.failed;
            if (m_out.firstFailure.isEmpty())
                m_out.firstFailure = why;
        }
        m_out.aborted = m_aborted;
        m_out.stopped = !m_aborted && (m_cancelledAll || (stopRequested() && m_next < s.end));
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
        if (m_out.firstFailure.isEmpty())
            m_out.firstFailure = path.isEmpty() ? why : QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), why);
    }

    // Record order, one record at a time.
    void settle(Slot &slot)
    {
        const Record &record = slot.record;
        if (record.skip)
            return;
        const exportnaming::TakenTest taken = [this](const QString &p) {
            return m_claimed.count(key(p)) > 0 || exportnaming::fileNameTakenOnDisk(p);
        };
        const int passed = m_out.passed++;
        QString path = s.name(m_settled, record, passed, taken);
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
        if (slot.threw || r.skip || !r.failure.isEmpty() || s.folder.isEmpty() || fileWriterOverride())
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

    // The made records from the oldest unsettled one on, one worker at a time, outside the lock.
    void settleReady(std::unique_lock<std::mutex> &lock)
    {
        m_settling = true;
        for (;;) {
            Slot &at = m_ring[std::size_t(m_settled - s.first) % m_ring.size()];
            if (!at.filled || m_settled >= m_next)
                break;
            Slot slot = std::move(at);
            at = Slot();
            lock.unlock();
            if (slot.threw) {
                m_aborted = true;
            } else if (!m_aborted && !m_cancelledAll) {
                try {
                    settle(slot);
                } catch (const std::exception &e) {
                    Show_NSLog_Message(QString::fromUtf8(e.what()));
                    m_aborted = true;
                } catch (...) {
                    m_aborted = true;
                }
            }
            if (slot.staged)
                batchfiles::BatchWriter::discard(slot.file);   // never named: nothing of it stays
            lock.lock();
            ++m_settled;
            m_room.notify_all();
        }
        m_settling = false;
    }

    const BatchPlan &s;
    std::mutex m_mutex;
    std::condition_variable m_room;
    int m_next;
    int m_settled;
    bool m_settling = false;
    std::vector<Slot> m_ring;
    std::atomic<bool> m_aborted{false};
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
    // Room for the records made while the one being written waits: a worker the system holds up
    // for a while does not stop the others.
    const int ahead = plan.ahead > 0 ? std::max(plan.ahead, 2 * threads) : std::max(2 * threads, std::min(256, 16 * threads));
    Run run(plan, ahead);
    batchfiles::runOnWorkers(threads, [&run] { run.work(); });
    return run.finish();
}

} // namespace imageexport
