#pragma once
// The batch path of file output (value lists, series, image export of many files): a job renders
// record i to the bytes of one file on a pool of worker threads, and each worker writes its
// record's file through a BatchWriter and puts it in place at once, whatever order the workers
// finish in; records naming the same file end as a sequential run would (the later record's
// content). Records are counted, and their failures reported, in record order.
//
// Jobs run on worker threads: they get copies (settings snapshots, values), never widgets. Memory
// stays bounded: a worker drops its bytes once they are on disk, and no worker starts a record more
// than maxAhead records past the oldest one not yet counted.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

namespace batchfiles {

// What a job answers for its record: the file's path and bytes, or a failure text.
struct JobResult {
    QString path;
    QByteArray bytes;
    QString failure;   // not empty: the record failed, nothing is written

    static JobResult failed(const QString &why)
    {
        JobResult r;
        r.failure = why;
        return r;
    }
};
using Job = std::function<JobResult(int index)>;

// Read by a GUI-thread timer while the batch runs. A record counts once its outcome is final: its file
// is in place, or it failed.
struct Progress {
    std::atomic<int> done{0};     // records finished, written or failed
    std::atomic<int> failed{0};   // of those, the ones that failed (job, write or rename)
};

struct Options {
    int threads = 0;                            // 0: one per core this process may run on
    const std::atomic<bool> *stop = nullptr;    // polled between jobs (the application passes Stop_Processing_Now)
    Progress *progress = nullptr;               // optional counters to show
    int maxAhead = 0;                           // 0: 16 per thread, at most 256 (and at least 4 per thread)
    // Told of each failed record, in record order, on the thread that runs the batch, away from
    // widgets. path is empty when the job gave none.
    std::function<void(int index, const QString &path, const QString &why)> onFailure;
};

struct Outcome {
    int done = 0;         // records finished (written + failed)
    int failed = 0;
    bool stopped = false; // the stop flag ended the batch before its last record
    QString syncError;    // not empty: the final sync failed, the files may not be on disk
    bool ok() const { return failed == 0 && !stopped && syncError.isEmpty(); }
};

// What the user is told of a batch whose closing sync failed (Outcome::syncError,
// BatchWriter::finish): the disk reported an error while the files were written, so some of them may
// be damaged. Unlike a single file whose folder sync failed (platform::unsyncedWarning), their data
// itself may be lost. what names the files, as in a sentence ("the exported files").
QString damagedFilesMessage(const QString &what, const QString &why);

// The number of cores this process may run on (its CPU affinity), at least 1.
int availableCores();

// The workers for count records: threads (0: one per available core), at least 1, at most count.
int workerCount(int threads, int count);

// Runs job(0) ... job(count - 1) and writes their files, then syncs once, on the ordered pipeline
// (core/OrderedPipeline.h). Blocks until the batch ends; the calling thread counts the records (and
// with one worker runs them), so call it off the GUI thread. Records not started when the stop flag
// is seen are left out; those started are finished and counted.
Outcome runFileBatch(int count, const Job &job, const Options &options = {});

} // namespace batchfiles
