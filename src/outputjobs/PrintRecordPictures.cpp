#include "outputjobs/PrintRecordPictures.h"

#include "core/BatchPool.h"
#include "core/OrderedPipeline.h"

#include <algorithm>
#include <system_error>
#include <vector>

PrintRecordPictures::PrintRecordPictures(Fetch fetch, Raise raise, int first, int limit, Options options)
    : m_fetch(std::move(fetch)), m_raise(std::move(raise)), m_fetchOn(std::move(options.fetchOn)),
      m_first(std::max(0, first)), m_limit(limit), m_next(m_first), m_nextFetch(m_first)
{
    if (!m_raise)
        return;
    m_threads = options.threads > 0 ? options.threads : batchfiles::availableCores();
    m_ahead = std::max(2, 2 * m_threads);
    m_ordered = !options.fetchInParallel;
    m_hold = options.hold;
    if (m_limit <= m_first)
        m_finished = true;
}

void PrintRecordPictures::start()
{
    // The first take starts the records: a job set up and started again fetches nothing twice.
    m_started = true;
    try {
        m_coordinator = std::thread([this] { run(m_hold); });
    } catch (const std::system_error &) {
        // No thread to be had: take() makes each record itself.
    }
}

PrintRecordPictures::~PrintRecordPictures()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    if (m_coordinator.joinable())
        m_coordinator.join();
}

void PrintRecordPictures::run(const std::atomic<bool> *hold)
{
    pipeline::Options options;
    options.workers = m_threads;
    options.maxInFlight = m_ahead;
    options.stop = &m_quit;
    options.hold = hold;
    pipeline::run<Made>(
        m_limit - m_first, options,
        [this](int i) {
            Made made;
            made.record = m_first + i;
            try {
                made.picture = make(made.record);
            } catch (...) {
                made.thrown = std::current_exception();
            }
            return made;
        },
        [this](int, pipeline::Item<Made> &item) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_made.size() < size_t(m_ahead) || m_quit; });
            if (m_quit)
                return false;
            m_made.push_back(std::move(item.value));
            m_changed.notify_all();
            return true;
        });
    std::lock_guard lock(m_mutex);
    m_finished = true;
    m_changed.notify_all();
}

PrintRecordPictures::Fetched PrintRecordPictures::fetched(int record)
{
    const auto fetchOne = [this](int r, Fetched &into) {
        if (m_quit || !m_fetch)
            return;
        try {
            into.picture = m_fetch(r);
        } catch (...) {
            into.thrown = std::current_exception();
        }
    };
    if (!m_ordered) {
        Fetched one;
        fetchOne(record, one);
        return one;
    }
    std::unique_lock lock(m_fetchMutex);
    for (;;) {
        const auto it = m_fetched.find(record);
        if (it != m_fetched.end()) {
            Fetched one = std::move(it->second);
            m_fetched.erase(it);
            return one;
        }
        if (m_fetching) {
            m_fetchChanged.wait(lock);
            continue;
        }
        // This worker fetches the next records in order, its own among them, in one visit.
        m_fetching = true;
        const int from = m_nextFetch, to = std::min(m_limit, std::max(record + 1, from + m_ahead));
        lock.unlock();
        std::vector<Fetched> batch(size_t(std::max(0, to - from)));
        const auto fetchAll = [&] {
            for (int r = from; r < to; ++r)
                fetchOne(r, batch[size_t(r - from)]);
        };
        std::exception_ptr failed;
        try {
            if (m_fetchOn)
                m_fetchOn(fetchAll);
            else
                fetchAll();
        } catch (...) {
            failed = std::current_exception();
        }
        lock.lock();
        for (int r = from; r < to; ++r) {
            Fetched &one = batch[size_t(r - from)];
            if (failed && !one.thrown)
                one.thrown = failed;
            m_fetched.emplace(r, std::move(one));
        }
        m_nextFetch = to;
        m_fetching = false;
        m_fetchChanged.notify_all();
    }
}

platform::Picture PrintRecordPictures::make(int record)
{
    Fetched one = fetched(record);
    if (one.thrown)
        std::rethrow_exception(one.thrown);
    if (one.picture.isNull())
        return {};
    try {
        return m_raise(one.picture);
    } catch (...) {
        return {};
    }
}

platform::Picture PrintRecordPictures::take(int record)
{
    if (record < m_first || record >= m_limit)
        return platform::Picture();
    if (!m_raise) {
        m_next = record + 1;
        return m_fetch ? m_fetch(record) : platform::Picture();
    }
    if (!m_started && !m_finished)
        start();
    if (!m_coordinator.joinable() && !m_finished) {
        if (record < m_next)
            return platform::Picture();
        m_next = record + 1;
        return make(record);
    }
    std::unique_lock lock(m_mutex);
    for (;;) {
        // Records passed over go.
        while (!m_made.empty() && m_made.front().record < record) {
            m_made.pop_front();
            m_changed.notify_all();
        }
        if (!m_made.empty()) {
            if (m_made.front().record > record)
                return platform::Picture();   // asked again for a record already taken
            Made made = std::move(m_made.front());
            m_made.pop_front();
            m_changed.notify_all();
            lock.unlock();
            if (made.thrown)
                std::rethrow_exception(made.thrown);
            return made.picture;
        }
        if (m_finished)
            return platform::Picture();
        m_changed.wait(lock);
    }
}
