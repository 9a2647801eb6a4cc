#include "outputjobs/PrintRecordPictures.h"

#include "core/BatchPool.h"
#include "core/OrderedPipeline.h"

#include <algorithm>
#include <system_error>

namespace {

// A record as the workers made it: its raised picture, or what its fetch threw.
struct Made {
    platform::Picture picture;
    std::exception_ptr thrown;
};

} // namespace

PrintRecordPictures::PrintRecordPictures(Fetch fetch, Raise raise, int first, int limit, Options options)
    : m_fetch(std::move(fetch)), m_raise(std::move(raise)), m_first(std::max(0, first)), m_limit(limit),
      m_next(m_first), m_turn(m_first)
{
    if (!m_raise)
        return;
    m_threads = options.threads > 0 ? options.threads : batchfiles::availableCores();
    m_ordered = !options.fetchInParallel;
    if (m_limit <= m_first) {
        m_finished = true;
        return;
    }
    try {
        m_coordinator = std::thread([this, hold = options.hold] { run(hold); });
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
    options.maxInFlight = 2 * m_threads;
    options.stop = &m_quit;
    options.hold = hold;
    pipeline::run<Made>(
        m_limit - m_first, options,
        [this](int i) {
            Made made;
            try {
                made.picture = make(m_first + i);
            } catch (...) {
                made.thrown = std::current_exception();
            }
            return made;
        },
        [this](int i, pipeline::Item<Made> &item) {
            return deliver(m_first + i, std::move(item.value.picture), item.value.thrown);
        });
    std::lock_guard lock(m_mutex);
    m_finished = true;
    m_changed.notify_all();
}

platform::Picture PrintRecordPictures::make(int record)
{
    platform::Picture fetched;
    if (m_ordered) {
        std::unique_lock lock(m_turnMutex);
        m_turnChanged.wait(lock, [&] { return m_turn == record; });
    }
    // The next record's turn comes once this fetch is over, however it ends; the raise runs after.
    struct NextTurn {
        PrintRecordPictures *self;
        int record;
        ~NextTurn()
        {
            if (!self->m_ordered)
                return;
            {
                std::lock_guard lock(self->m_turnMutex);
                self->m_turn = record + 1;
            }
            self->m_turnChanged.notify_all();
        }
    };
    {
        const NextTurn next{this, record};
        if (m_quit || !m_fetch)
            return {};
        fetched = m_fetch(record);
    }
    if (fetched.isNull())
        return {};
    try {
        return m_raise(fetched);
    } catch (...) {
        return {};
    }
}

bool PrintRecordPictures::deliver(int record, platform::Picture picture, std::exception_ptr thrown)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return !m_held || m_quit; });
    if (m_quit)
        return false;
    m_held = true;
    m_heldRecord = record;
    m_heldPicture = std::move(picture);
    m_heldThrown = std::move(thrown);
    m_changed.notify_all();
    return true;
}

platform::Picture PrintRecordPictures::take(int record)
{
    if (record < m_first || record >= m_limit)
        return platform::Picture();
    if (!m_raise) {
        m_next = record + 1;
        return m_fetch ? m_fetch(record) : platform::Picture();
    }
    if (!m_coordinator.joinable() && !m_finished) {
        if (record < m_next)
            return platform::Picture();
        m_next = record + 1;
        m_turn = record;
        return make(record);
    }
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (m_held) {
            if (m_heldRecord > record)
                return platform::Picture();   // asked again for a record already taken
            const bool asked = m_heldRecord == record;
            platform::Picture picture = std::move(m_heldPicture);
            const std::exception_ptr thrown = std::move(m_heldThrown);
            m_heldPicture = platform::Picture();
            m_heldThrown = nullptr;
            m_held = false;
            m_changed.notify_all();
            if (!asked)
                continue;   // a record passed over
            lock.unlock();
            if (thrown)
                std::rethrow_exception(thrown);
            return picture;
        }
        if (m_finished)
            return platform::Picture();
        m_changed.wait(lock);
    }
}
