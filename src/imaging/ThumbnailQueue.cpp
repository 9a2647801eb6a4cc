#include "imaging/ThumbnailQueue.h"

#include <QMutexLocker>

QString ThumbnailQueue::Request::key(const QString &path, int side) { return QString::number(side) + QLatin1Char(':') + path; }

bool ThumbnailQueue::push(const QString &path, int side, int row)
{
    QMutexLocker lock(&m_mutex);
    const QString key = Request::key(path, side);
    if (m_pending.contains(key))
        return false;
    m_pending.insert(key, m_generation);
    m_stack.push_back({path, side, row, m_generation});
    return true;
}

bool ThumbnailQueue::takeNewest(Request &out)
{
    QMutexLocker lock(&m_mutex);
    while (!m_stack.empty()) {
        Request request = std::move(m_stack.back());
        m_stack.pop_back();
        if (request.generation != m_generation)
            continue;   // forgotten with its generation
        if (far(request.row)) {
            // Asked again when the row comes back into view.
            m_pending.remove(request.key());
            continue;
        }
        out = std::move(request);
        return true;
    }
    return false;
}

bool ThumbnailQueue::finish(const Request &request)
{
    QMutexLocker lock(&m_mutex);
    if (request.generation != m_generation)
        return false;
    const auto found = m_pending.constFind(request.key());
    if (found != m_pending.constEnd() && *found == request.generation)
        m_pending.erase(found);
    return true;
}

void ThumbnailQueue::setVisibleRows(int first, int last)
{
    QMutexLocker lock(&m_mutex);
    m_first = first;
    m_last = last;
}

quint64 ThumbnailQueue::nextGeneration()
{
    QMutexLocker lock(&m_mutex);
    m_stack.clear();
    m_pending.clear();
    return ++m_generation;
}

quint64 ThumbnailQueue::generation() const
{
    QMutexLocker lock(&m_mutex);
    return m_generation;
}

bool ThumbnailQueue::busy() const
{
    QMutexLocker lock(&m_mutex);
    return !m_pending.isEmpty();
}

bool ThumbnailQueue::far(int row) const
{
    if (m_first < 0 || m_last < m_first)
        return false;
    // One screen of rows either side stays wanted.
    const int span = m_last - m_first + 1;
    return row < m_first - span || row > m_last + span;
}
