#include "outputjobs/PrintRecordPictures.h"

#include "core/BatchPool.h"

#include <QThreadPool>

#include <algorithm>

PrintRecordPictures::PrintRecordPictures(std::function<platform::Picture(int)> fetch,
                                         std::function<platform::Picture(const platform::Picture &)> raise, int first,
                                         int limit, int threads)
    : m_fetch(std::move(fetch)), m_raise(std::move(raise)), m_next(std::max(0, first)), m_limit(limit)
{
    if (!m_raise)
        return;
    m_threads = threads > 0 ? threads : batchfiles::availableCores();
    m_pool = std::make_unique<QThreadPool>();
    m_pool->setMaxThreadCount(m_threads);
}

PrintRecordPictures::~PrintRecordPictures()
{
    // Workers still raising records the job no longer needs finish before their results go.
    if (m_pool)
        m_pool->waitForDone();
}

void PrintRecordPictures::fetchAhead(int upTo)
{
    while (m_next < m_limit && m_next <= upTo) {
        const int record = m_next++;
        const platform::Picture picture = m_fetch ? m_fetch(record) : platform::Picture();
        auto promise = std::make_shared<std::promise<platform::Picture>>();
        m_waiting[record] = promise->get_future().share();
        if (picture.isNull()) {
            promise->set_value(platform::Picture());
            continue;
        }
        m_pool->start([promise, picture, raise = m_raise] {
            try {
                promise->set_value(raise(picture));
            } catch (...) {
                promise->set_value(platform::Picture());
            }
        });
    }
}

platform::Picture PrintRecordPictures::take(int record)
{
    if (record < 0 || record >= m_limit)
        return platform::Picture();
    if (!m_raise) {
        m_next = record + 1;
        return m_fetch ? m_fetch(record) : platform::Picture();
    }
    // Records are fetched in order up to twice the threads past the one asked for.
    fetchAhead(record + 2 * m_threads - 1);
    const auto it = m_waiting.find(record);
    if (it == m_waiting.end())
        return platform::Picture();   // asked again for a record already taken
    const platform::Picture picture = it->second.get();
    m_waiting.erase(m_waiting.begin(), std::next(it));
    return picture;
}
