#pragma once
// The ordered worker pipeline of the batch runs (file batches, image export, crop): a stage makes
// items 0 .. count - 1 on a pool of worker threads, in whatever order they finish, and a consumer
// takes them one at a time, in item order, on the calling thread (the coordinator).
//
// - Stop: the flag is read before each item starts. Items started are finished and delivered;
//   none starts after it is seen.
// - Hold: while its flag is set (the progress sheet asks whether to stop), no item starts; the
//   workers wait until it is cleared, then read the stop flag.
// - In flight: at most maxInFlight items are started and not yet delivered, and the stages running
//   at once cost at most maxCost together; one item always runs, however costly, so that a single
//   large item cannot hold the run up for ever.
// - Failure: a stage that returns a Failure or throws gives a failed item, delivered in its turn.
//   The consumer decides whether that ends the run: it returns false, and no item starts after.
//   Every item started is delivered, also after the consumer ended the run (so that it can let go
//   of what the item holds).
//
// Stages run on worker threads and get copies, never widgets. With one worker (or when no thread
// can be started) the calling thread makes each item and delivers it before starting the next.

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <utility>
#include <vector>

namespace pipeline {

// What a stage returns for an item it could not make.
struct Failure {
    QString why;
};

// How an item's stage ended.
enum class Ending : unsigned char {
    Made,
    Failed,       // it returned a Failure
    Threw,        // it threw a std::exception (why: its what())
    ThrewOther,   // it threw anything else
};

// One item as the consumer gets it. A stage returns the value, a Failure, or an Item.
template <class T>
struct Item {
    T value{};   // default when the stage failed
    Ending ending = Ending::Made;
    QString why;

    Item() = default;
    Item(T made) : value(std::move(made)) {}
    Item(Failure failure) : ending(Ending::Failed), why(std::move(failure.why)) {}
    bool failed() const { return ending != Ending::Made; }
};

struct Options {
    int workers = 0;                          // 0: one per core this process may run on; at most one per item
    int maxInFlight = 0;                      // 0: 16 a worker, at most 256 (and at least 2 a worker)
    // Set: each item's cost, asked on its worker before its stage; the stages running at once cost
    // at most maxCost together (one always runs).
    std::function<qint64(int index)> cost;
    qint64 maxCost = 0;
    const std::atomic<bool> *stop = nullptr;  // read before each item starts
    const std::atomic<bool> *hold = nullptr;  // while set, no item starts (cleared with notify_all())
};

// Waits while the hold flag is set; at once without one.
inline void waitWhileHeld(const std::atomic<bool> *hold)
{
    if (!hold)
        return;
    while (hold->load())
        hold->wait(true);
}

struct Outcome {
    int started = 0;        // items begun, all of them delivered
    bool stopped = false;   // the stop flag kept items from starting
    bool ended = false;     // the consumer ended the run
};

namespace detail {
// The items in flight at most for a run of count items (at least 1).
int inFlightLimit(const Options &options, int count);
// The run by index: stage(i) fills item i's place on a worker (it must not throw); deliver(i), on
// the calling thread in index order, answers false to end the run. A deliver that throws ends the
// run: the items begun are finished, not delivered, and the exception is thrown on from here.
Outcome runIndexed(int count, const Options &options, int inFlight, const std::function<void(int)> &stage,
                   const std::function<bool(int)> &deliver);
} // namespace detail

// Runs stage(i) -> Item<T> (or T, or Failure) for the items and consume(i, Item<T> &) -> bool for
// each, in order. Blocks until every item begun is delivered.
template <class T, class Stage, class Consume>
Outcome run(int count, const Options &options, Stage &&stage, Consume &&consume)
{
    count = std::max(0, count);
    const int inFlight = detail::inFlightLimit(options, count);
    // A ring of inFlight places: item i takes place i % inFlight, free again once i - inFlight is delivered.
    std::vector<Item<T>> ring(static_cast<std::size_t>(inFlight));
    const auto place = [&ring](int i) -> Item<T> & { return ring[std::size_t(i) % ring.size()]; };
    return detail::runIndexed(
        count, options, inFlight,
        [&](int i) {
            Item<T> &at = place(i);
            try {
                at = Item<T>(stage(i));
            } catch (const std::exception &e) {
                at = Item<T>();
                at.ending = Ending::Threw;
                at.why = QString::fromUtf8(e.what());
            } catch (...) {
                at = Item<T>();
                at.ending = Ending::ThrewOther;
            }
        },
        [&](int i) {
            Item<T> item = std::move(place(i));
            return bool(consume(i, item));
        });
}

} // namespace pipeline
