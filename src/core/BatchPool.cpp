#include "core/BatchPool.h"

#include "core/BatchWriter.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include <sched.h>

namespace batchfiles {

namespace {

// One record between its job and its place on disk.
struct Slot {
    // Empty: its job runs; Staged: its file waits for the committing worker; Placing: its own worker
    // puts the file in place; Placed: in place; Failed: nothing written.
    enum State : unsigned char { Empty, Staged, Placing, Placed, Failed };
    State state = Empty;
    BatchWriter::Staged staged;
    QString path;
    QString why;
};

class Run {
public:
    Run(int count, const Job &job, const Options &options, int ahead)
        : m_count(count), m_job(job), m_options(options), m_ring(std::size_t(ahead))
    {
    }

    // One worker: takes the next record, runs it and stages its file, and puts the file in place
    // itself when no earlier record can still name the same file (every earlier record not yet in
    // place has staged or failed, under other names); else it leaves the file to the committing
    // worker, which puts files in place in record order. Then, unless another worker is at it, it
    // settles the records that are ready, in record order. Returns when no record is left or the
    // stop flag is seen.
    void work()
    {
        for (;;) {
            int index = 0;
            {
                std::unique_lock lock(m_mutex);
                // A record a ring's length past the oldest unsettled one waits for that one, which
                // is running or being put in place: its settling wakes this worker.
                auto mayStart = [this] {
                    return m_next >= m_count || stopRequested() || m_next < m_settled + int(m_ring.size());
                };
                if (!mayStart()) {
                    ++m_waiting;
                    m_wake.wait(lock, mayStart);
                    --m_waiting;
                }
                if (m_next >= m_count || stopRequested())
                    return;
                index = m_next++;
            }
            Slot slot = runOne(index);
            std::unique_lock lock(m_mutex);
            Slot &mine = m_ring[std::size_t(index) % m_ring.size()];
            const bool place = slot.state == Slot::Staged && mayPlace(index, slot.path);
            if (place)
                slot.state = Slot::Placing;
            mine = std::move(slot);
            if (place) {
                // The slot is this worker's until it leaves Placing: no one else reads it.
                lock.unlock();
                QString why;
                const bool ok = m_writer.commit(mine.staged, &why);
                lock.lock();
                mine.state = ok ? Slot::Placed : Slot::Failed;
                if (!ok)
                    mine.why = why;
            }
            if (!m_committing)
                commitReady(lock);
        }
    }

    Outcome finish()
    {
        Outcome out;
        out.done = m_settled;
        out.failed = m_failed;
        out.stopped = m_settled < m_count && stopRequested();
        QString why;
        if (!m_writer.finish(&why))
            out.syncError = why;
        return out;
    }

private:
    bool stopRequested() const { return m_options.stop && m_options.stop->load(std::memory_order_relaxed); }

    // Under the lock: whether record index may be put in place now, out of record order. Every
    // record before it that is not settled must be known (staged, placed or failed) and name
    // another file, so that no earlier record can put its file there later.
    bool mayPlace(int index, const QString &path) const
    {
        for (int i = m_settled; i < index; ++i) {
            const Slot &other = i < m_taken ? m_ready[std::size_t(i - m_settled)] : m_ring[std::size_t(i) % m_ring.size()];
            if (other.state == Slot::Empty || other.state == Slot::Placing || other.path == path)
                return false;
        }
        return true;
    }

    Slot runOne(int index)
    {
        Slot slot;
        JobResult result;
        try {
            result = m_job(index);
        } catch (const std::exception &e) {
            result = JobResult::failed(QString::fromUtf8(e.what()));
        } catch (...) {
            result = JobResult::failed(QStringLiteral("The record could not be made."));
        }
        slot.path = result.path;
        if (result.failure.isEmpty() && result.path.isEmpty())
            result.failure = QStringLiteral("No file name.");
        if (!result.failure.isEmpty()) {
            slot.state = Slot::Failed;
            slot.why = result.failure;
        } else if (m_writer.stage(result.path, result.bytes, &slot.staged, &slot.why)) {
            slot.state = Slot::Staged;
        } else {
            slot.state = Slot::Failed;
        }
        return slot;   // the bytes go with result: only the temporary file's name waits
    }

    // Puts in place the records that are ready, in record order, until none is: one worker at a time
    // does it, outside the lock, so that renames never hold up the workers taking records; a worker
    // that finds another one committing leaves its record to it.
    void commitReady(std::unique_lock<std::mutex> &lock)
    {
        m_committing = true;
        for (;;) {
            m_ready.clear();
            while (m_taken < m_next) {
                Slot &slot = m_ring[std::size_t(m_taken) % m_ring.size()];
                if (slot.state == Slot::Empty || slot.state == Slot::Placing)
                    break;
                m_ready.push_back(std::move(slot));
                slot = Slot();
                ++m_taken;
            }
            if (m_ready.empty())
                break;
            const int first = m_settled;
            lock.unlock();
            for (std::size_t n = 0; n < m_ready.size(); ++n)
                settle(first + int(n), m_ready[n]);
            lock.lock();
            m_settled += int(m_ready.size());
            if (m_waiting)
                m_wake.notify_all();
        }
        m_committing = false;
    }

    // In record order, by the one committing worker.
    void settle(int index, const Slot &slot)
    {
        QString why = slot.why;
        const bool ok = slot.state == Slot::Placed || (slot.state == Slot::Staged && m_writer.commit(slot.staged, &why));
        if (!ok) {
            ++m_failed;
            if (m_options.progress)
                m_options.progress->failed.store(m_failed, std::memory_order_relaxed);
            if (m_options.onFailure) {
                try {
                    m_options.onFailure(index, slot.path, why);
                } catch (...) {
                    // a report that fails must not end the batch half-way
                }
            }
        }
        if (m_options.progress)
            m_options.progress->done.store(index + 1, std::memory_order_relaxed);
    }

    const int m_count;
    const Job &m_job;
    const Options &m_options;
    BatchWriter m_writer;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_next = 0;      // the next record to start
    int m_taken = 0;     // records handed to the committing worker: 0 .. m_taken - 1
    int m_settled = 0;   // records whose outcome is final: 0 .. m_settled - 1
    bool m_committing = false;
    int m_waiting = 0;   // workers waiting for room in the ring
    std::vector<Slot> m_ring;    // records m_taken .. m_next - 1, at index % size
    std::vector<Slot> m_ready;   // the committing worker's records, m_settled .. m_taken - 1
    int m_failed = 0;            // the committing worker's count
};

} // namespace

int availableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        const int n = CPU_COUNT(&set);
        if (n > 0)
            return n;
    }
    return std::max(1, int(std::thread::hardware_concurrency()));
}

Outcome runFileBatch(int count, const Job &job, const Options &options)
{
    count = std::max(0, count);
    int threads = options.threads > 0 ? options.threads : availableCores();
    threads = std::max(1, std::min(threads, count));
    // A record waiting for its file to be put in place holds only the file's descriptor: room for
    // many, so that a worker the system holds up for a while does not stop the others.
    const int ahead = options.maxAhead > 0 ? options.maxAhead : std::max(4 * threads, std::min(256, 16 * threads));
    if (options.progress) {
        options.progress->done.store(0);
        options.progress->failed.store(0);
    }

    Run run(count, job, options, ahead);
    std::vector<std::thread> workers;
    workers.reserve(std::size_t(threads - 1));
    for (int i = 1; i < threads; ++i) {
        try {
            workers.emplace_back([&run] { run.work(); });
        } catch (const std::system_error &) {
            break;   // fewer threads than asked: the ones running do the work
        }
    }
    run.work();
    for (std::thread &t : workers)
        t.join();
    return run.finish();
}

} // namespace batchfiles
