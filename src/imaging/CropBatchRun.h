#pragma once
// The crop wizard's batch run over its listed pictures: workers, one per core, read, cut and encode
// the pictures in parallel; the naming, the keep-or-replace answers, the writing and the report of
// each written path follow in list order, one picture at a time, so a run on N workers leaves
// exactly the files (and series lines) of a run on one. Decoded pixels in flight stay under a
// limit (one picture always proceeds, however large). Stop is read before each picture is begun
// and before each write; pictures begun finish but are not written once it is set.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

namespace crop {

// What a worker made of one picture: the encoded bytes, or why there are none.
struct BatchMade {
    QByteArray bytes;
    QString failure;
};

struct BatchPlan {
    int count = 0;
    int threads = 0;                                   // 0: one per core
    qint64 memoryLimit = qint64(512) * 1024 * 1024;    // decoded bytes in flight, at most
    // Made in the output folder without a name on the worker, named in list order; "" writes each
    // file whole at its path instead.
    QString folder;
    // That folder as checked, open: every file is made in it, never in what its name holds later
    // (-1: reached by its name once, by the rule for links).
    int folderFd = -1;
    // On a worker, any order: the memory the picture will take, then its bytes.
    std::function<qint64(int index)> cost;
    std::function<BatchMade(int index)> make;
    // In list order, before a picture is named (failed ones too): for the window to show it. It
    // must not wait for the GUI thread, so the run's pace never depends on the window.
    std::function<void(int index)> show;
    // In list order, for every picture (failed ones too): the path meant for it.
    std::function<QString(int index)> name;
    // In list order, for pictures to be written: the path to write ("" skips it).
    std::function<QString(const QString &path)> keepReplace;
    // In list order: the path written, "" when the picture was skipped or failed.
    std::function<void(int index, const QString &written)> settled;
    const std::atomic<bool> *stop = nullptr;
};

struct BatchOutcome {
    int written = 0;
    int failed = 0;
    QString firstFailure;   // the first picture's failure, in list order
    // Not empty: the disk reported an error while the files were written (the batch's closing sync,
    // its reason): some of those in place may be damaged (batchfiles::damagedFilesMessage).
    QString syncFailure;
    bool stopped = false;   // stop ended the run before its last picture
};

BatchOutcome runBatch(const BatchPlan &plan);

} // namespace crop
