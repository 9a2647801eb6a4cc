#pragma once
// Ends the test program when a step takes longer than it may: a read that never ends fails the run
// at once instead of holding it until the suite's timeout.

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace testsupport {

class Deadline {
public:
    Deadline(int seconds, const char *what)
    {
        std::thread([done = m_done, seconds, what] {
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            if (*done)
                return;
            std::fprintf(stderr, "timed out: %s\n", what);
            std::_Exit(1);
        }).detach();
    }
    ~Deadline() { *m_done = true; }

private:
    std::shared_ptr<std::atomic<bool>> m_done = std::make_shared<std::atomic<bool>>(false);
};

} // namespace testsupport
