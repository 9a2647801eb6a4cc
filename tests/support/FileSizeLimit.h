#pragma once
// A file size limit for the life of the object: the kernel refuses a write part way, as a full disk
// would (also for root).

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit{bytes, m_saved.rlim_max};
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved), std::signal(SIGXFSZ, m_handler); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool ok() const { return m_ok; }

private:
    void (*m_handler)(int);
    rlimit m_saved{};
    bool m_ok = false;
};

} // namespace testsupport
