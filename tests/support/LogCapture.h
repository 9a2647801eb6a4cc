#pragma once
// The log lines written while one lives, from any thread (batches log from their workers).

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>

namespace testsupport {

class LogCapture {
public:
    LogCapture()
    {
        const QMutexLocker lock(&mutex());
        store().clear();
        m_previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
            const QMutexLocker lock(&mutex());
            store() << m;
        });
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    static QStringList lines()
    {
        const QMutexLocker lock(&mutex());
        return store();
    }
    // Whether some line holds the part.
    static bool contains(const QString &part)
    {
        const QStringList all = lines();
        return std::any_of(all.cbegin(), all.cend(), [&](const QString &l) { return l.contains(part); });
    }

private:
    static QStringList &store()
    {
        static QStringList l;
        return l;
    }
    static QMutex &mutex()
    {
        static QMutex m;
        return m;
    }
    QtMessageHandler m_previous = nullptr;
};

} // namespace testsupport
