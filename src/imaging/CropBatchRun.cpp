#include "imaging/CropBatchRun.h"

#include "core/BatchPool.h"
#include "core/BatchWriter.h"
#include "core/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <vector>

namespace crop {

namespace {

class Run {
    struct Slot {
        BatchMade made;
        bool filled = false;
        bool staged = false;
        batchfiles::BatchWriter::Staged file;
    };

public:
    Run(const BatchPlan &plan, int ahead) : s(plan), m_ring(std::size_t(ahead)) {}

    void work()
    {
        for (;;) {
            int index = 0;
            {
                std::unique_lock lock(m_mutex);
                m_room.wait(lock, [this] { return ended() || m_next < m_settled + int(m_ring.size()); });
                if (ended())
                    return;
                index = m_next++;
            }
            const qint64 cost = s.cost ? std::max<qint64>(0, s.cost(index)) : 0;
            {
                // Pixels are given back once a picture is encoded, whatever its turn to be written,
                // so waiting here never waits on the writing order. Alone, any picture proceeds.
                std::unique_lock lock(m_mutex);
                m_room.wait(lock, [&] { return m_inFlight == 0 || m_inFlight + cost <= s.memoryLimit; });
                m_inFlight += cost;
            }
            Slot slot;
            try {
                if (!stopRequested())
                    slot.made = s.make(index);
            } catch (const std::exception &e) {
                slot.made = BatchMade{{}, QString::fromUtf8(e.what())};
            } catch (...) {
                slot.made = BatchMade{{}, QStringLiteral("unknown failure")};
            }
            stage(slot);
            slot.filled = true;
            std::unique_lock lock(m_mutex);
            m_inFlight -= cost;
            m_room.notify_all();
            m_ring[std::size_t(index) % m_ring.size()] = std::move(slot);
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
        m_out.stopped = stopRequested();
        return m_out;
    }

private:
    bool stopRequested() const { return s.stop && s.stop->load(); }
    bool ended() const { return m_next >= s.count || stopRequested(); }

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

    // List order, one picture at a time; answers the path written.
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

    void settleReady(std::unique_lock<std::mutex> &lock)
    {
        m_settling = true;
        for (;;) {
            if (m_settled >= m_next)
                break;
            Slot &at = m_ring[std::size_t(m_settled) % m_ring.size()];
            if (!at.filled)
                break;
            Slot slot = std::move(at);
            at = Slot();
            const int index = m_settled;
            lock.unlock();
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
            lock.lock();
            ++m_settled;
            m_room.notify_all();
        }
        m_settling = false;
    }

    const BatchPlan &s;
    std::mutex m_mutex;
    std::condition_variable m_room;
    int m_next = 0;
    int m_settled = 0;
    bool m_settling = false;
    qint64 m_inFlight = 0;
    std::vector<Slot> m_ring;
    batchfiles::BatchWriter m_writer;
    BatchOutcome m_out;
};

} // namespace

BatchOutcome runBatch(const BatchPlan &plan)
{
    if (plan.count <= 0)
        return {};
    const int threads = batchfiles::workerCount(plan.threads, plan.count);
    // A few finished pictures per worker may wait for the one being written.
    Run run(plan, 4 * threads);
    batchfiles::runOnWorkers(threads, [&run] { run.work(); });
    return run.finish();
}

} // namespace crop
