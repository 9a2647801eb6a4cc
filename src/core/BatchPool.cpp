#include "core/BatchPool.h"

#include "core/BatchWriter.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

#include <sched.h>

namespace batchfiles {

namespace {

// One record's outcome, waiting to be counted in record order.
struct Slot {
    // Empty: its job runs or its file is being put in place; Placed: its file is in place (or was
    // replaced by a later record's before it got there); Failed: nothing of it was written.
    enum State : unsigned char { Empty, Placed, Failed };
    State state = Empty;
    QString path;
    QString why;
};

class Run {
public:
    Run(int count, const Job &job, const Options &options, int ahead)
        : m_count(count), m_job(job), m_options(options), m_ring(std::size_t(ahead))
    {
    }

    // One worker: takes the next record, runs it, writes its file and puts it in place at once
    // (see place()); then, unless another worker is at it, settles the records that are done, in
    // record order. Returns when no record is left or the stop flag is seen.
    void work()
    {
        for (;;) {
            int index = 0;
            {
                std::unique_lock lock(m_mutex);
                // A record a ring's length past the oldest unsettled one waits for that one, which
                // is still running: its settling wakes this worker.
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
            m_ring[std::size_t(index) % m_ring.size()] = std::move(slot);
            if (!m_settling)
                settleReady(lock);
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
        BatchWriter::Staged staged;
        if (!result.failure.isEmpty()) {
            slot.state = Slot::Failed;
            slot.why = result.failure;
        } else if (m_writer.stage(result.path, result.bytes, &staged, &slot.why)) {
            result.bytes = QByteArray();   // on disk: the memory goes now
            slot.state = place(index, staged, &slot.why) ? Slot::Placed : Slot::Failed;
        } else {
            slot.state = Slot::Failed;
        }
        return slot;
    }

    // Puts a record's complete file in place, on its worker, in whatever order the records finish:
    // files of different names do not wait for each other. For one name the outcome is a sequential
    // run's: each name keeps the highest record that put a file there, and an earlier record that
    // comes later is dropped (a sequential run would have replaced its file). The check and the
    // placing go together under the name's lock.
    bool place(int index, const BatchWriter::Staged &staged, QString *why)
    {
        Names &names = m_names[std::size_t(qHash(staged.path)) % m_names.size()];
        std::lock_guard lock(names.mutex);
        const auto it = names.placed.find(staged.path);
        if (it != names.placed.end() && it->second > index) {
            BatchWriter::discard(staged);
            return true;
        }
        if (!m_writer.commit(staged, why))
            return false;
        names.placed[staged.path] = index;
        // A name whose record is counted can no longer meet an earlier record: forget it.
        if (names.placed.size() > 256) {
            const int settled = m_settledSoFar.load(std::memory_order_relaxed);
            for (auto n = names.placed.begin(); n != names.placed.end();)
                n = n->second < settled ? names.placed.erase(n) : std::next(n);
        }
        return true;
    }

    // Counts the records that are done, in record order, until one is not: one worker at a time
    // does it, outside the lock for the failure reports.
    void settleReady(std::unique_lock<std::mutex> &lock)
    {
        m_settling = true;
        for (;;) {
            m_ready.clear();
            for (int i = m_settled; i < m_next; ++i) {
                Slot &slot = m_ring[std::size_t(i) % m_ring.size()];
                if (slot.state == Slot::Empty)
                    break;
                m_ready.push_back(std::move(slot));
                slot = Slot();
            }
            if (m_ready.empty())
                break;
            const int first = m_settled;
            lock.unlock();
            for (std::size_t n = 0; n < m_ready.size(); ++n)
                settle(first + int(n), m_ready[n]);
            lock.lock();
            m_settled += int(m_ready.size());
            m_settledSoFar.store(m_settled, std::memory_order_relaxed);
            if (m_waiting)
                m_wake.notify_all();
        }
        m_settling = false;
    }

    // In record order, by the one settling worker.
    void settle(int index, const Slot &slot)
    {
        if (slot.state != Slot::Placed) {
            ++m_failed;
            if (m_options.progress)
                m_options.progress->failed.store(m_failed, std::memory_order_relaxed);
            if (m_options.onFailure) {
                try {
                    m_options.onFailure(index, slot.path, slot.why);
                } catch (...) {
                    // a report that fails must not end the batch half-way
                }
            }
        }
        if (m_options.progress)
            m_options.progress->done.store(index + 1, std::memory_order_relaxed);
    }

    // The records that put a file in place, by name, in stripes with a lock each.
    struct Names {
        std::mutex mutex;
        std::unordered_map<QString, int> placed;
    };

    const int m_count;
    const Job &m_job;
    const Options &m_options;
    BatchWriter m_writer;
    std::array<Names, 64> m_names;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_next = 0;      // the next record to start
    int m_settled = 0;   // records counted: 0 .. m_settled - 1
    std::atomic<int> m_settledSoFar{0};   // the same, read without the lock
    bool m_settling = false;
    int m_waiting = 0;   // workers waiting for room in the ring
    std::vector<Slot> m_ring;    // records m_settled .. m_next - 1, at index % size
    std::vector<Slot> m_ready;   // the settling worker's records
    int m_failed = 0;            // the settling worker's count
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
    const int threads = workerCount(options.threads, count);
    // A record waiting for its file to be put in place holds only the file's descriptor: room for
    // many, so that a worker the system holds up for a while does not stop the others.
    const int ahead = options.maxAhead > 0 ? options.maxAhead : std::max(4 * threads, std::min(256, 16 * threads));
    if (options.progress) {
        options.progress->done.store(0);
        options.progress->failed.store(0);
    }

    Run run(count, job, options, ahead);
    runOnWorkers(threads, [&run] { run.work(); });
    return run.finish();
}

int workerCount(int threads, int count)
{
    return std::max(1, std::min(threads > 0 ? threads : availableCores(), count));
}

void runOnWorkers(int threads, const std::function<void()> &work)
{
    std::vector<std::thread> workers;
    workers.reserve(std::size_t(std::max(0, threads - 1)));
    for (int i = 1; i < threads; ++i) {
        try {
            workers.emplace_back(work);
        } catch (const std::system_error &) {
            break;   // fewer threads than asked: the ones running do the work
        }
    }
    work();
    for (std::thread &t : workers)
        t.join();
}

} // namespace batchfiles
