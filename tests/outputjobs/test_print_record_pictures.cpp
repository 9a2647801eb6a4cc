#include "outputjobs/PrintRecordPictures.h"

#include <gtest/gtest.h>

#include <mutex>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {

// Record i's picture: one pixel of grey i; record 5 has none, record 7's fetch throws.
platform::Picture recordPicture(int i)
{
    if (i == 7)
        throw std::runtime_error("record 8 could not be filled");
    QImage pixel(1, 1, QImage::Format_Grayscale8);
    pixel.fill(uint(i));
    return i == 5 ? platform::Picture() : platform::Picture::fromImage(pixel, QSizeF(1, 1));
}

TEST(PrintRecordPictures, RecordsComeInOrderFetchedInOrderAFewAVisit)
{
    for (const int threads : {1, 3}) {
        std::mutex mutex;
        std::vector<int> fetched, expected(38);
        std::iota(expected.begin(), expected.end(), 2);
        int visits = 0;   // one worker visits at a time
        const auto fetch = [&](int i) {
            std::lock_guard lock(mutex);
            fetched.push_back(i);
            return recordPicture(i);
        };
        const auto raise = [](const platform::Picture &p) { return platform::Picture::fromImage(p.image(), QSizeF(2, 2)); };
        PrintRecordPictures pictures(fetch, raise, 2, 40,
                                     {.threads = threads, .fetchOn = [&](const std::function<void()> &fetches) { ++visits; fetches(); }});
        for (int record = 2; record < 40; ++record) {
            if (record == 7) {
                EXPECT_THROW(pictures.take(record), std::runtime_error);
                continue;
            }
            const platform::Picture p = pictures.take(record);
            EXPECT_EQ(p.isNull() ? -1 : qGray(p.image().pixel(0, 0)), record == 5 ? -1 : record) << threads;
            EXPECT_EQ(p.isNull() ? QSizeF() : p.size(), record == 5 ? QSizeF() : QSizeF(2, 2));
        }
        EXPECT_TRUE(pictures.take(3).isNull()) << "a record already taken";
        EXPECT_EQ(fetched, expected) << threads;
        EXPECT_LE(visits, 38 / 2) << threads;
    }
}

} // namespace
