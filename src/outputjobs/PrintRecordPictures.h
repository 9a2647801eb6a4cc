#pragma once
// The record pictures of one print job, in record order, for the thread that draws the pages.
// With a raise, the job's records go through the ordered worker pipeline (pipeline::run): each
// record is fetched, one after another in record order (a card is filled into the window, which
// the fetch asks of the GUI thread), then raised to the job's resolution on the worker, the costly
// part, while the workers fetch and raise the next ones. The pictures come to the drawing thread
// in order; at most twice as many as there are workers are made ahead, and a picture is dropped
// once its cell has taken it. Without a raise, take() fetches on the calling thread.
//
// With a raise, the drawing thread must not be the one the fetch waits for (the GUI thread when a
// card is filled): the workers fetch while it waits.

#include "platform/Picture.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class PrintRecordPictures {
public:
    using Fetch = std::function<platform::Picture(int)>;
    using Raise = std::function<platform::Picture(const platform::Picture &)>;

    struct Options {
        int threads = 0;                          // the workers; 0: one per core this process may use
        bool fetchInParallel = false;             // the fetch may run on several workers at once
        const std::atomic<bool> *hold = nullptr;  // while set, no record starts (the Stop question is open)
    };

    // fetch: the picture of record i. raise: the picture at the job's resolution (any thread);
    // empty draws the pictures as they come, without workers. Records first .. limit - 1.
    PrintRecordPictures(Fetch fetch, Raise raise, int first, int limit, Options options);
    PrintRecordPictures(Fetch fetch, Raise raise, int first, int limit)
        : PrintRecordPictures(std::move(fetch), std::move(raise), first, limit, Options{})
    {
    }
    // Starts no more records, waits for those begun (their fetches may wait for the GUI thread,
    // which must be serving the job then) and lets their pictures go.
    ~PrintRecordPictures();
    PrintRecordPictures(const PrintRecordPictures &) = delete;
    PrintRecordPictures &operator=(const PrintRecordPictures &) = delete;

    // The picture of the record, raised; records are taken in increasing order. Null for a record
    // outside first .. limit - 1, one already passed, or one that yields no picture. What the
    // record's fetch threw is thrown here.
    platform::Picture take(int record);

    int threads() const { return m_threads; }

private:
    void run(const std::atomic<bool> *hold);
    platform::Picture make(int record);
    bool deliver(int record, platform::Picture picture, std::exception_ptr thrown);

    Fetch m_fetch;
    Raise m_raise;
    const int m_first, m_limit;
    int m_next;   // without a raise: the next record to fetch
    int m_threads = 1;
    bool m_ordered = true;

    std::atomic<bool> m_quit{false};
    // Fetches one at a time, in record order: the record whose turn it is.
    std::mutex m_turnMutex;
    std::condition_variable m_turnChanged;
    int m_turn = 0;
    // The picture handed to the drawing thread: at most one waits there.
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    int m_heldRecord = -1;
    platform::Picture m_heldPicture;
    std::exception_ptr m_heldThrown;
    bool m_finished = false;
    std::thread m_coordinator;
};
