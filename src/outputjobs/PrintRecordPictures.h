#pragma once
// The record pictures of one print job, in record order. The records themselves are fetched on the
// GUI thread, one after another (a card is filled into the window to be rendered); raising each
// to the job's resolution, the costly part, runs ahead on a pool of worker threads, so that the
// next cells are ready when the page reaches them. At most twice as many raised pictures as there
// are threads wait at any time, and a picture is dropped once its cell has taken it.

#include "platform/Picture.h"

#include <functional>
#include <future>
#include <map>
#include <memory>

class QThreadPool;

class PrintRecordPictures {
public:
    // fetch: the picture of record i (GUI thread). raise: the picture at the job's resolution (any
    // thread); empty draws the pictures as they come, without workers. Records first .. limit - 1.
    PrintRecordPictures(std::function<platform::Picture(int)> fetch, std::function<platform::Picture(const platform::Picture &)> raise,
                        int first, int limit, int threads = 0);
    ~PrintRecordPictures();

    // The picture of the record, raised; records are taken in increasing order. Null for a record
    // outside first .. limit - 1 or one that yields no picture.
    platform::Picture take(int record);

    int threads() const { return m_threads; }

private:
    void fetchAhead(int upTo);

    std::function<platform::Picture(int)> m_fetch;
    std::function<platform::Picture(const platform::Picture &)> m_raise;
    int m_next = 0;   // the next record to fetch
    int m_limit = 0;
    int m_threads = 1;
    std::unique_ptr<QThreadPool> m_pool;
    std::map<int, std::shared_future<platform::Picture>> m_waiting;
};
