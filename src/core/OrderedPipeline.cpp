#include "core/OrderedPipeline.h"

#include "core/BatchPool.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace pipeline {

namespace {

class Engine {
public:
    Engine(int count, const Options &options, int inFlight, const std::function<void(int)> &stage,
           const std::function<bool(int)> &deliver)
        : m_count(count), m_options(options), m_stage(stage), m_deliver(deliver), m_done(std::size_t(inFlight), 0)
    {
    }

    // One worker on the calling thread: each item made and delivered before the next starts.
    Outcome runHere()
    {
        for (int i = 0; i < m_count && !m_out.ended; ++i) {
            waitWhileHeld(m_options.hold);
            if (stopRequested()) {
                m_out.stopped = true;
                break;
            }
            ++m_out.started;
            m_stage(i);
            if (!m_deliver(i))
                m_out.ended = true;
        }
        return m_out;
    }

    // The workers on threads of their own, the calling thread delivering.
    Outcome runOn(int workers)
    {
        std::vector<std::thread> threads;
        threads.reserve(std::size_t(workers));
        for (int i = 0; i < workers; ++i) {
            {
                std::lock_guard lock(m_mutex);
                ++m_live;
            }
            try {
                threads.emplace_back([this] { work(); });
            } catch (const std::system_error &) {
                std::lock_guard lock(m_mutex);
                --m_live;
                break;   // fewer threads than asked: the ones running do the work
            }
        }
        if (threads.empty())
            return runHere();
        coordinate();
        for (std::thread &t : threads)
            t.join();
        if (m_thrown)
            std::rethrow_exception(m_thrown);
        return m_out;
    }

private:
    bool stopRequested() const { return m_options.stop && m_options.stop->load(std::memory_order_relaxed); }

    void work()
    {
        const int ring = int(m_done.size());
        for (;;) {
            waitWhileHeld(m_options.hold);
            int index = 0;
            {
                std::unique_lock lock(m_mutex);
                // An item a ring's length past the oldest undelivered one waits for that one to be
                // delivered, which bounds the items in flight.
                const auto mayStart = [&] { return m_out.ended || m_next >= m_count || m_next < m_delivered + ring; };
                if (!mayStart()) {
                    ++m_roomWaiters;
                    m_room.wait(lock, [&] { return mayStart() || stopRequested(); });
                    --m_roomWaiters;
                }
                if (m_out.ended || m_next >= m_count)
                    break;
                if (m_options.hold && m_options.hold->load())
                    continue;   // held while waiting for room: wait again outside the lock
                if (stopRequested()) {
                    m_out.stopped = true;
                    break;
                }
                index = m_next++;
                ++m_out.started;
            }
            const qint64 cost = reserveCost(index);
            m_stage(index);
            std::lock_guard lock(m_mutex);
            if (m_options.cost) {
                m_costInFlight -= cost;
                if (m_costWaiters)
                    m_costRoom.notify_all();
            }
            m_done[std::size_t(index % ring)] = 1;
            if (m_coordinatorWaiting && index == m_delivered)
                m_ready.notify_one();
        }
        std::lock_guard lock(m_mutex);
        if (--m_live == 0 && m_coordinatorWaiting)
            m_ready.notify_one();
    }

    // Waits until the item's cost fits beside the stages running (alone, any cost does): the
    // stages give their cost back as they end, whatever the delivery order, so this never waits
    // on the consumer.
    qint64 reserveCost(int index)
    {
        if (!m_options.cost)
            return 0;
        qint64 cost = 0;
        try {
            cost = std::max<qint64>(0, m_options.cost(index));
        } catch (...) {
            cost = 0;   // the stage meets the same trouble and reports it
        }
        std::unique_lock lock(m_mutex);
        const auto fits = [&] { return m_costInFlight == 0 || m_costInFlight + cost <= m_options.maxCost; };
        if (!fits()) {
            ++m_costWaiters;
            m_costRoom.wait(lock, fits);
            --m_costWaiters;
        }
        m_costInFlight += cost;
        return cost;
    }

    // Delivers the items made from the oldest undelivered one on, in order, outside the lock,
    // until the workers are gone and nothing is left.
    void coordinate()
    {
        const int ring = int(m_done.size());
        std::unique_lock lock(m_mutex);
        for (;;) {
            int ready = 0;
            while (m_delivered + ready < m_next && m_done[std::size_t((m_delivered + ready) % ring)])
                ++ready;
            if (ready == 0) {
                if (m_live == 0)
                    break;   // the workers mark their items made before they leave: all are delivered
                m_coordinatorWaiting = true;
                m_ready.wait(lock);
                m_coordinatorWaiting = false;
                continue;
            }
            lock.unlock();
            bool end = false;
            for (int n = 0; n < ready; ++n) {
                if (m_thrown)
                    continue;   // a consumer that threw is not called again
                try {
                    if (!m_deliver(m_delivered + n))
                        end = true;
                } catch (...) {
                    m_thrown = std::current_exception();
                    end = true;
                }
            }
            lock.lock();
            for (int n = 0; n < ready; ++n)
                m_done[std::size_t((m_delivered + n) % ring)] = 0;
            m_delivered += ready;
            if (end)
                m_out.ended = true;
            if (m_roomWaiters)
                m_room.notify_all();
        }
    }

    const int m_count;
    const Options &m_options;
    const std::function<void(int)> &m_stage;
    const std::function<bool(int)> &m_deliver;

    std::mutex m_mutex;
    std::condition_variable m_room;       // workers waiting for the ring to have room
    std::condition_variable m_costRoom;   // workers waiting for their cost to fit
    std::condition_variable m_ready;      // the coordinator waiting for its next item
    std::vector<char> m_done;             // made and not yet delivered, at index % size
    int m_next = 0;                       // the next item to start
    int m_delivered = 0;                  // items delivered: 0 .. m_delivered - 1
    int m_live = 0;                       // workers not yet gone
    int m_roomWaiters = 0;
    int m_costWaiters = 0;
    bool m_coordinatorWaiting = false;
    qint64 m_costInFlight = 0;
    std::exception_ptr m_thrown;          // what the consumer threw (coordinator only)
    Outcome m_out;
};

} // namespace

namespace detail {

int inFlightLimit(const Options &options, int count)
{
    const int workers = batchfiles::workerCount(options.workers, count);
    const int limit = options.maxInFlight > 0 ? options.maxInFlight : std::max(2 * workers, std::min(256, 16 * workers));
    // No more places than items: a short run needs no larger ring.
    return std::max(1, std::min(limit, count));
}

Outcome runIndexed(int count, const Options &options, int inFlight, const std::function<void(int)> &stage,
                   const std::function<bool(int)> &deliver)
{
    if (count <= 0)
        return {};
    Engine engine(count, options, inFlight, stage, deliver);
    const int workers = batchfiles::workerCount(options.workers, count);
    return workers <= 1 ? engine.runHere() : engine.runOn(workers);
}

} // namespace detail

} // namespace pipeline
