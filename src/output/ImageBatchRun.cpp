#include "output/ImageBatchRun.h"

#include "core/BatchPool.h"
#include "core/BatchWriter.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "output/ImageExportWriter.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace imageexport {

namespace {

class Run {
public:
    explicit Run(const BatchSpec &spec) : s(spec), m_next(spec.first), m_turn(spec.first) {}

    void work()
    {
        for (;;) {
            int index = 0;
            {
                std::lock_guard lock(m_mutex);
                if (m_next >= s.end || m_aborted || (s.stop && s.stop->load()))
                    return;
                index = m_next++;
            }
            if (s.begun)
                s.begun();
            Record record;
            bool threw = false;
            try {
                record = s.make(index);
            } catch (const std::exception &e) {
                Show_NSLog_Message(QString::fromUtf8(e.what()));
                threw = true;
            } catch (...) {
                threw = true;
            }
            std::unique_lock lock(m_mutex);
            m_turnWake.wait(lock, [&] { return m_turn == index; });
            lock.unlock();
            if (threw)
                m_aborted = true;
            else if (!m_aborted && !m_cancelledAll) {
                try {
                    settle(index, record);
                } catch (const std::exception &e) {
                    Show_NSLog_Message(QString::fromUtf8(e.what()));
                    m_aborted = true;
                } catch (...) {
                    m_aborted = true;
                }
            }
            lock.lock();
            ++m_turn;
            m_turnWake.notify_all();
        }
    }

    BatchOutcome finish()
    {
        QString why;
        if (!m_writer.finish(&why) && m_out.written > 0) {
            ++m_out.failed;
            if (m_out.firstFailure.isEmpty())
                m_out.firstFailure = why;
        }
        m_out.aborted = m_aborted;
        m_out.stopped = !m_aborted && (m_cancelledAll || (s.stop && s.stop->load() && m_next < s.end));
        return m_out;
    }

private:
    // Claimed: a path this run has written (or tried to) counts as taken, in any case of its extension.
    static QString key(const QString &path)
    {
        const QFileInfo info(path);
        return QDir(info.path()).filePath(info.completeBaseName() + QLatin1Char('.') + info.suffix().toUpper());
    }

    void fail(const QString &path, const QString &why)
    {
        ++m_out.failed;
        if (m_out.firstFailure.isEmpty())
            m_out.firstFailure = path.isEmpty() ? why : QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), why);
    }

    // Record order, one record at a time.
    void settle(int index, const Record &record)
    {
        if (record.skip)
            return;
        const exportnaming::TakenTest taken = [this](const QString &p) {
            return m_claimed.count(key(p)) > 0 || exportnaming::fileNameTakenOnDisk(p);
        };
        const int passed = m_out.passed++;
        QString path = s.name(index, record, passed, taken);
        if (!path.isEmpty() && s.keepReplace)
            path = Trim_Str(s.keepReplace(path, true));
        if (path.isEmpty()) {
            if (s.cancelledAll && s.cancelledAll())
                m_cancelledAll = true;
            return;
        }
        if (!record.failure.isEmpty()) {
            fail(path, record.failure);
            return;
        }
        m_claimed.insert(key(path));
        QString why;
        const bool ok = fileWriterOverride() ? fileWriterOverride()(path, record.bytes, &why)
                                             : m_writer.write(path, record.bytes, &why);
        if (ok)
            ++m_out.written;
        else
            fail(path, why);
    }

    const BatchSpec &s;
    std::mutex m_mutex;
    std::condition_variable m_turnWake;
    int m_next;
    int m_turn;
    std::atomic<bool> m_aborted{false};
    bool m_cancelledAll = false;
    std::set<QString> m_claimed;
    batchfiles::BatchWriter m_writer;
    BatchOutcome m_out;
};

} // namespace

BatchOutcome runBatch(const BatchSpec &spec)
{
    Run run(spec);
    const int count = std::max(0, spec.end - spec.first);
    int threads = spec.threads > 0 ? spec.threads : batchfiles::availableCores();
    threads = std::max(1, std::min(threads, count));
    std::vector<std::thread> workers;
    for (int i = 1; i < threads; ++i) {
        try {
            workers.emplace_back([&run] { run.work(); });
        } catch (const std::system_error &) {
            break;
        }
    }
    run.work();
    for (std::thread &t : workers)
        t.join();
    return run.finish();
}

} // namespace imageexport
