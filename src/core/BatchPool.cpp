#include "core/BatchPool.h"

#include "core/BatchWriter.h"
#include "core/OrderedPipeline.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <iterator>
#include <mutex>
#include <thread>
#include <unordered_map>

#include <sched.h>

namespace batchfiles {

namespace {

// One record's outcome, on its way to be counted in record order: its file is in place (or was
// replaced by a later record's before it got there), or nothing of it was written.
struct Slot {
    bool placed = false;
    QString path;
    QString why;
};

// The files of a batch: each record's file written and put in place on its worker.
class Files {
public:
    Files(const Job &job, const std::atomic<int> &settled) : m_job(job), m_settled(settled) {}

    // On a worker; what the job throws is the pipeline's to report.
    Slot make(int index)
    {
        JobResult result = m_job(index);
        Slot slot;
        slot.path = result.path;
        if (result.failure.isEmpty() && result.path.isEmpty())
            result.failure = QStringLiteral("No file name.");
        BatchWriter::Staged staged;
        if (!result.failure.isEmpty()) {
            slot.why = result.failure;
        } else if (m_writer.stage(result.path, result.bytes, &staged, &slot.why)) {
            result.bytes = QByteArray();   // on disk: the memory goes now
            slot.placed = place(index, staged, &slot.why);
        }
        return slot;
    }

    BatchWriter &writer() { return m_writer; }

private:
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
            const int settled = m_settled.load(std::memory_order_relaxed);
            for (auto n = names.placed.begin(); n != names.placed.end();)
                n = n->second < settled ? names.placed.erase(n) : std::next(n);
        }
        return true;
    }

    // The records that put a file in place, by name, in stripes with a lock each.
    struct Names {
        std::mutex mutex;
        std::unordered_map<QString, int> placed;
    };

    const Job &m_job;
    const std::atomic<int> &m_settled;
    BatchWriter m_writer;
    std::array<Names, 64> m_names;
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
    pipeline::Options run;
    run.workers = threads;
    // A record waiting for its turn to be counted holds only its outcome: room for many, so that a
    // worker the system holds up for a while does not stop the others.
    run.maxInFlight = options.maxAhead > 0 ? options.maxAhead : std::max(4 * threads, std::min(256, 16 * threads));
    run.stop = options.stop;
    if (options.progress) {
        options.progress->done.store(0);
        options.progress->failed.store(0);
    }

    std::atomic<int> settled{0};
    Files files(job, settled);
    int failed = 0;
    const pipeline::Outcome ran = pipeline::run<Slot>(
        count, run, [&files](int index) { return files.make(index); },
        [&](int index, pipeline::Item<Slot> &item) {
            Slot &slot = item.value;
            if (item.failed())
                slot.why = item.ending == pipeline::Ending::ThrewOther ? QStringLiteral("The record could not be made.") : item.why;
            if (!slot.placed) {
                ++failed;
                if (options.progress)
                    options.progress->failed.store(failed, std::memory_order_relaxed);
                if (options.onFailure) {
                    try {
                        options.onFailure(index, slot.path, slot.why);
                    } catch (...) {
                        // a report that fails must not end the batch half-way
                    }
                }
            }
            settled.store(index + 1, std::memory_order_relaxed);
            if (options.progress)
                options.progress->done.store(index + 1, std::memory_order_relaxed);
            return true;
        });

    Outcome out;
    out.done = ran.started;
    out.failed = failed;
    out.stopped = out.done < count && options.stop && options.stop->load(std::memory_order_relaxed);
    QString why;
    if (!files.writer().finish(&why))
        out.syncError = why;
    return out;
}

QString damagedFilesMessage(const QString &what, const QString &why)
{
    return QStringLiteral("The disk reported an error while %1 were written (%2): some of them may be damaged. "
                          "Please export them again.").arg(what, why);
}

int workerCount(int threads, int count)
{
    return std::max(1, std::min(threads > 0 ? threads : availableCores(), count));
}

} // namespace batchfiles
