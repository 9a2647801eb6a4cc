// The card pictures of a PDF export fetched ahead on a thread of their own: in record order, the
// next sheet while the current one is written, never more than a sheet held, records passed over
// not fetched, Stop ending the fetching.

#include "outputjobs/PdfExportPrefetch.h"

#include <QImage>

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <vector>

namespace {

// The picture of record i: i + 1 points wide.
platform::Picture pictureOf(int i)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
    return platform::Picture::fromImage(image, QSizeF(i + 1, 1));
}
int recordOf(const platform::Picture &p) { return int(p.size().width()) - 1; }

// A fetch that notes each record, its thread, and how far past the last record taken it went.
struct Fetcher {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> fetched;
    std::vector<std::thread::id> threads;
    std::atomic<int> taken{-1};
    int furthest = 0;   // the most records fetched past the last one taken

    PdfExportPrefetch::Fetch fetch()
    {
        return [this](int i) {
            std::lock_guard<std::mutex> lock(mutex);
            fetched.push_back(i);
            threads.push_back(std::this_thread::get_id());
            furthest = std::max(furthest, i - taken.load());
            changed.notify_all();
            return pictureOf(i);
        };
    }
    int take(PdfExportPrefetch &ahead, int i)
    {
        taken = i;
        return recordOf(ahead.take(i));
    }
    // Waits (at most 10 s) until n records are fetched.
    bool waitFor(size_t n)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10), [&] { return fetched.size() >= n; });
    }
};

std::vector<int> range(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i < to; ++i)
        v.push_back(i);
    return v;
}

TEST(PdfExportPrefetch, EachRecordOnceInOrderOnAThreadOfItsOwn)
{
    struct Case { int first, end, ahead; };
    const Case cases[] = {{0, 25, 20}, {2, 5, 20}, {0, 12, 1}};
    for (const Case &k : cases) {
        SCOPED_TRACE(k.first * 10000 + k.end * 100 + k.ahead);
        Fetcher f;
        std::vector<int> got;
        {
            PdfExportPrefetch ahead(f.fetch(), k.first, k.end, k.ahead);
            for (int i = k.first; i < k.end; ++i)
                got.push_back(f.take(ahead, i));
        }
        EXPECT_EQ(got, range(k.first, k.end));
        EXPECT_EQ(f.fetched, range(k.first, k.end));
        for (const std::thread::id &t : f.threads)
            EXPECT_NE(t, std::this_thread::get_id());
        EXPECT_LE(f.furthest, k.ahead);
    }
}

TEST(PdfExportPrefetch, TheNextSheetIsFetchedWhileThisOneIsWritten)
{
    Fetcher f;
    PdfExportPrefetch ahead(f.fetch(), 0, 12, 4);
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(f.take(ahead, i), i);
    // The sheet of records 0-3 is being written: 4-7 come without being asked for, and no more.
    ASSERT_TRUE(f.waitFor(8));
    {
        std::lock_guard<std::mutex> lock(f.mutex);
        EXPECT_EQ(f.fetched, range(0, 8));
        EXPECT_LE(f.furthest, 4);
    }
    for (int i = 4; i < 12; ++i)
        EXPECT_EQ(f.take(ahead, i), i);
}

TEST(PdfExportPrefetch, RecordsPassedOverAreNotFetched)
{
    Fetcher f;
    {
        PdfExportPrefetch ahead(f.fetch(), 0, 20, 2);
        EXPECT_EQ(f.take(ahead, 0), 0);
        EXPECT_EQ(f.take(ahead, 10), 10);   // a file not written: records 1-9 passed over
        EXPECT_EQ(f.take(ahead, 11), 11);
    }
    for (int i : f.fetched)
        EXPECT_TRUE(i < 3 || i >= 10) << i;
    EXPECT_LE(f.furthest, 2);
}

TEST(PdfExportPrefetch, StopEndsTheFetching)
{
    Fetcher f;
    std::atomic<bool> stop{false};
    {
        PdfExportPrefetch ahead(f.fetch(), 0, 1000, 3, &stop);
        EXPECT_EQ(f.take(ahead, 0), 0);
        stop = true;
        // A record still asked for is fetched, on the caller's thread if need be.
        EXPECT_EQ(f.take(ahead, 1), 1);
    }
    EXPECT_LE(f.fetched.size(), 5u);
}

} // namespace
