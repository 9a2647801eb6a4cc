#pragma once
// The thumbnail requests of one image browser, shared by its GUI thread and its workers. Workers
// take the newest request first (what the user just scrolled to), and drop requests of an earlier
// generation (an earlier opening or zoom) and requests for rows far from the rows in view.

#include <QHash>
#include <QMutex>
#include <QString>

#include <vector>

class ThumbnailQueue {
public:
    struct Request {
        QString path;
        int side = 0;
        int row = 0;
        quint64 generation = 0;
        QString key() const { return key(path, side); }
        static QString key(const QString &path, int side);
    };

    // GUI thread. Queues a request of the current generation unless the same one is pending;
    // answers whether it was queued.
    bool push(const QString &path, int side, int row);
    // Worker. The newest request still wanted, dropping stale and far ones on the way; false when
    // none is left.
    bool takeNewest(Request &out);
    // GUI thread, when a worker's answer arrives: whether it is still wanted (its generation is
    // the current one). Its request stops being pending either way.
    bool finish(const Request &request);

    // The rows in view; first < 0: unknown, so no row is far.
    void setVisibleRows(int first, int last);
    // A new generation: every queued and pending request is forgotten.
    quint64 nextGeneration();
    quint64 generation() const;
    // Whether any request is queued or being read.
    bool busy() const;

private:
    bool far(int row) const;
    mutable QMutex m_mutex;
    std::vector<Request> m_stack;            // newest last
    QHash<QString, quint64> m_pending;       // key -> generation, queued or being read
    quint64 m_generation = 1;
    int m_first = -1;
    int m_last = -1;
};
