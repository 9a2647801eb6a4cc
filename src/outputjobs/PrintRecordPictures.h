#pragma once
// The record pictures of one print job, in record order, for the thread that draws the pages.
// With a raise, the job's records go through the ordered worker pipeline (pipeline::run): the
// records are fetched in record order, a few at a time (cards are filled into the window, so a
// batch is one visit to the GUI thread through fetchOn), and each is raised to the job's
// resolution on a worker, the costly part, while the workers raise the next ones. The pictures
// come to the drawing thread in order; at most twice as many as there are workers are made ahead
// and as many wait for it, and a picture is dropped once its cell has taken it. Without a raise,
// take() fetches on the calling thread.
//
// With a raise and fetchOn, the drawing thread must not be the thread fetchOn waits for: the
// workers fetch while it waits.

#include "platform/Picture.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

class PrintRecordPictures {
public:
    using Fetch = std::function<platform::Picture(int)>;
    using Raise = std::function<platform::Picture(const platform::Picture &)>;

    // Runs a batch of fetches where they must run and waits for it (the GUI thread's runner).
    using RunFetches = std::function<void(const std::function<void()> &)>;

    struct Options {
        int threads = 0;                          // the workers; 0: one per core this process may use
        bool fetchInParallel = false;             // the fetch may run on several workers at once
        RunFetches fetchOn;                       // empty: the fetches run on the workers
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
    // A record fetched and not yet raised: its picture, or what its fetch threw.
    struct Fetched {
        platform::Picture picture;
        std::exception_ptr thrown;
    };
    // A record made for the drawing thread.
    struct Made {
        int record = -1;
        platform::Picture picture;
        std::exception_ptr thrown;
    };

    void start();
    void run(const std::atomic<bool> *hold);
    Fetched fetched(int record);
    platform::Picture make(int record);

    Fetch m_fetch;
    Raise m_raise;
    RunFetches m_fetchOn;
    const int m_first, m_limit;
    int m_next;   // without a raise: the next record to fetch
    int m_threads = 1;
    int m_ahead = 2;   // records fetched in one batch, and pictures waiting for the drawing thread
    bool m_ordered = true;
    bool m_started = false;
    const std::atomic<bool> *m_hold = nullptr;

    std::atomic<bool> m_quit{false};
    // The records fetched ahead, in order; one worker fetches the next batch while others wait.
    std::mutex m_fetchMutex;
    std::condition_variable m_fetchChanged;
    std::map<int, Fetched> m_fetched;
    int m_nextFetch = 0;
    bool m_fetching = false;
    // The pictures handed to the drawing thread, in record order.
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Made> m_made;
    bool m_finished = false;
    std::thread m_coordinator;
};
