#include "core/OrderedPipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using pipeline::Ending;

void pause(int micros) { std::this_thread::sleep_for(std::chrono::microseconds(micros)); }

void raise(std::atomic<int> &peak, int now)
{
    for (int p = peak; now > p && !peak.compare_exchange_weak(p, now);) {}
}

TEST(OrderedPipeline, DeliversInOrderOnTheCallingThreadWithFailuresInTheirTurnUntilStopOrEnd)
{
    // endAt: the consumer ends the run there; stopAt: Stop is pressed while the item is made (-1: never).
    const struct { int workers, count, endAt, stopAt; } cases[] = {
        {4, 60, -1, -1}, {1, 20, -1, -1}, {3, 0, -1, -1}, {4, 60, 12, -1}, {1, 60, 12, -1}, {4, 400, -1, 30}, {1, 400, -1, 30}};
    const Ending endings[] = {Ending::Made, Ending::Failed, Ending::Threw, Ending::ThrewOther, Ending::Made};
    for (const auto &k : cases) {
        std::atomic<bool> stop{false};
        std::atomic<int> staged{0};
        std::vector<int> order;
        const auto caller = std::this_thread::get_id();
        const pipeline::Outcome out = pipeline::run<int>(
            k.count, {.workers = k.workers, .maxInFlight = 8, .cost = {}, .stop = &stop},
            [&](int i) -> pipeline::Item<int> {
                ++staged;
                stop = stop || i == k.stopAt;
                pause((k.count - i) % 7 * 150);   // later items finish first
                if (i % 5 == 1)
                    return pipeline::Failure{QStringLiteral("refused %1").arg(i)};
                if (i % 5 == 2)
                    throw std::runtime_error("broken");
                if (i % 5 == 3)
                    throw 7;
                return i * 10;
            },
            [&](int i, pipeline::Item<int> &item) {
                EXPECT_EQ(std::this_thread::get_id(), caller);
                EXPECT_EQ(item.ending, endings[i % 5]) << i;
                EXPECT_EQ(item.value, item.failed() ? 0 : i * 10) << i;
                EXPECT_EQ(item.why, i % 5 == 1 ? QStringLiteral("refused %1").arg(i) : i % 5 == 2 ? QStringLiteral("broken") : QString());
                order.push_back(i);
                return i != k.endAt;
            });
        std::vector<int> expected(std::size_t(out.started));   // every item started is delivered, in order
        std::iota(expected.begin(), expected.end(), 0);
        EXPECT_EQ(order, expected) << k.workers << " workers";
        EXPECT_EQ(staged.load(), out.started);
        EXPECT_EQ(out.ended, k.endAt >= 0);
        EXPECT_EQ(out.stopped, k.stopAt >= 0);
        // None starts once Stop is seen (the other workers' items may be under way), nor once the
        // end is delivered (a ring's worth may be); without either, all do.
        const int most = k.stopAt >= 0 ? k.stopAt + k.workers : k.endAt >= 0 ? k.endAt + 1 + (k.workers > 1 ? 8 : 0) : k.count;
        const int least = k.stopAt >= 0 || k.endAt >= 0 ? std::max(k.stopAt, k.endAt) + 1 : k.count;
        EXPECT_TRUE(out.started <= most && out.started >= least) << out.started;
    }
}

TEST(OrderedPipeline, CapsTheItemsAndTheCostInFlightLettingOneLargeItemThrough)
{
    // maxCost 0: no cost asked; item 9 is larger than any cap.
    const struct { int maxInFlight; qint64 maxCost; int mostRunning; } cases[] = {{3, 0, 3}, {12, 250, 2}, {12, 50, 1}, {12, 100000, 6}};
    for (const auto &k : cases) {
        std::atomic<int> delivered{0}, running{0}, peakItems{0}, peakRunning{0};
        std::atomic<qint64> cost{0};
        std::atomic<bool> beside{false};   // the cost passed the cap, other than by one item alone
        pipeline::Options options{.workers = 6, .maxInFlight = k.maxInFlight, .cost = {}, .maxCost = k.maxCost};
        if (k.maxCost > 0)
            options.cost = [](int i) { return i == 9 ? qint64(1000000) : qint64(100); };
        const auto stage = [&](int i) {
            raise(peakItems, i + 1 - delivered);
            raise(peakRunning, ++running);
            const qint64 mine = options.cost ? options.cost(i) : 0, now = cost += mine;
            beside = beside || (now > k.maxCost && now != mine);
            pause(1000);
            cost -= mine;
            --running;
            return i;
        };
        EXPECT_EQ(pipeline::run<int>(40, options, stage, [&](int, auto &) { return ++delivered > 0; }).started, 40)
            << "the large item went too";
        EXPECT_LE(peakItems.load(), k.maxInFlight);
        EXPECT_LE(peakRunning.load(), k.mostRunning) << k.maxCost;
        EXPECT_GE(peakRunning.load(), std::min(2, k.mostRunning)) << k.maxCost << ": the workers ran side by side";
        EXPECT_FALSE(beside.load()) << k.maxCost;
    }
}

} // namespace
