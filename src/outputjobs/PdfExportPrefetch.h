#pragma once
// The card pictures of a PDF export job fetched ahead: while the worker writes one sheet, a thread
// of its own asks the GUI thread for the next sheet's cards, in record order. At most `ahead`
// records past the last one taken are held, so a long run keeps no more than a sheet in hand.
// The worker takes records in rising order; records it passes over are not fetched.

#include "platform/Picture.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

class PdfExportPrefetch {
public:
    using Fetch = std::function<platform::Picture(int record)>;

    // Records first .. end-1; stop (the job's Stop) ends the fetching early.
    PdfExportPrefetch(Fetch fetch, int first, int end, int ahead, const std::atomic<bool> *stop = nullptr);
    // Stops fetching and waits for the fetch under way (it may be waiting for the GUI thread, which
    // must still be serving the job then).
    ~PdfExportPrefetch();
    PdfExportPrefetch(const PdfExportPrefetch &) = delete;
    PdfExportPrefetch &operator=(const PdfExportPrefetch &) = delete;

    // The picture of record, waiting for it if it is not fetched yet.
    platform::Picture take(int record);

private:
    void run();

    Fetch m_fetch;
    const int m_first, m_end, m_ahead;
    const std::atomic<bool> *m_stop;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<int, platform::Picture>> m_ready;
    int m_next;             // the next record to fetch
    int m_inFlight = -1;    // the record being fetched
    int m_taken;            // the last record taken
    bool m_quit = false;
    std::thread m_thread;
};
