#include "outputjobs/PdfExportPrefetch.h"

#include "core/Messages.h"

#include <algorithm>
#include <exception>

PdfExportPrefetch::PdfExportPrefetch(Fetch fetch, int first, int end, int ahead, const std::atomic<bool> *stop)
    : m_fetch(std::move(fetch)), m_first(first), m_end(end), m_ahead(std::max(1, ahead)), m_stop(stop), m_next(first),
      m_taken(first - 1)
{
    m_thread = std::thread([this] { run(); });
}

PdfExportPrefetch::~PdfExportPrefetch()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void PdfExportPrefetch::run()
{
    for (;;) {
        int record;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return m_quit || (m_next < m_end && m_next <= m_taken + m_ahead); });
            if (m_quit || (m_stop && *m_stop))
                break;
            record = m_inFlight = m_next++;
        }
        platform::Picture picture;
        try {
            picture = m_fetch(record);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_ready.emplace_back(record, std::move(picture));
            m_inFlight = -1;
        }
        m_changed.notify_all();
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_inFlight = -1;
    m_quit = true;
    m_changed.notify_all();
}

platform::Picture PdfExportPrefetch::take(int record)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (record >= m_first && record < m_end) {
        m_taken = std::max(m_taken, record);
        // Records passed over are not fetched.
        if (m_next < record)
            m_next = record;
        m_changed.notify_all();
        for (;;) {
            while (!m_ready.empty() && m_ready.front().first < record)
                m_ready.pop_front();
            if (!m_ready.empty() && m_ready.front().first == record) {
                platform::Picture picture = std::move(m_ready.front().second);
                m_ready.pop_front();
                return picture;
            }
            // Not held and not coming: fetched here.
            if (m_quit || (record < m_next && record != m_inFlight))
                break;
            m_changed.wait(lock);
        }
    }
    lock.unlock();
    return m_fetch(record);
}
