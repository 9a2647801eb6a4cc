#pragma once
// The batch run of the image exports: workers make each record's file bytes in parallel, and the
// naming, the keep-or-replace answers and the writing follow in record order, one record at a time,
// against the folder as the earlier records left it. So a run on N workers leaves exactly the
// files of a run on one, whatever the answers. Stop hands out no more records; those begun finish.

#include "outputjobs/ExportNaming.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

namespace imageexport {

// What a worker made of one record.
struct Record {
    bool skip = false;      // an invalid record that is skipped: no file, not counted
    QString value, header, footer, column;
    QByteArray bytes;
    QString failure;        // the bytes could not be made
};

// The path the keep-or-replace rule leaves for a path: the path, a free one, or "" (cancel).
using KeepReplace = std::function<QString(const QString &path, bool showApplyAll)>;

struct BatchPlan {
    int first = 0, end = 0;   // records first .. end - 1
    int threads = 0;          // 0: one per core
    // Records made but not yet written, at most (0: 16 a worker, up to 256; at least 2 a worker).
    int ahead = 0;
    // On a worker, any order: the record's bytes.
    std::function<Record(int index)> make;
    // In record order: the record's path; passed counts the records passed before it.
    std::function<QString(int index, const Record &record, int passed, const exportnaming::TakenTest &taken)> name;
    KeepReplace keepReplace;
    const std::atomic<bool> *stop = nullptr;
    // While set (the progress sheet asks whether to stop), no record is begun or written.
    const std::atomic<bool> *hold = nullptr;
    // The folder the files go to: when set, each record's file is made there on its worker, without a
    // name, and only named in record order.
    QString folder;
    // The folder as checked, open (platform::openWritableFolder): every name is decided (taken or
    // free) and every file made in it, never in what its name holds later. -1: reached by its name
    // once, by the rule for links.
    int folderFd = -1;
    // A record is begun (the progress figure).
    std::function<void()> begun;
    // Answers whether the last keep-or-replace answer was cancel for all.
    std::function<bool()> cancelledAll;
};

struct BatchOutcome {
    int written = 0;
    int failed = 0;
    int passed = 0;             // records that were not skipped
    QString firstFailure;       // "path: reason" of the first failed file
    // Not empty: the disk reported an error while the files were written (the batch's closing sync,
    // its reason): some of those in place may be damaged (batchfiles::damagedFilesMessage).
    QString syncFailure;
    bool stopped = false;       // the stop flag ended the run before its last record
    bool aborted = false;       // an exception ended it
};

BatchOutcome runBatch(const BatchPlan &plan);

} // namespace imageexport
