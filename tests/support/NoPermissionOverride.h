#pragma once
// For the life of the object the file permissions bind this thread and the threads it starts, also
// for root: the overriding capabilities are dropped from the effective set and then raised again;
// given sticky, also the override of a sticky folder (another's entry of another's sticky folder).

#include <cstring>
#include <initializer_list>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

class NoPermissionOverride {
public:
    explicit NoPermissionOverride(bool sticky = false)
    {
        if (geteuid() != 0) {
            m_ok = true;
            return;
        }
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        if (syscall(SYS_capget, &header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2];
        std::memcpy(reduced, m_saved, sizeof reduced);
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, sticky ? CAP_FOWNER : CAP_DAC_OVERRIDE})
            reduced[cap / 32].effective &= ~(1u << (cap % 32));
        m_dropped = m_ok = syscall(SYS_capset, &header, reduced) == 0;
    }
    ~NoPermissionOverride()
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        if (m_dropped)
            syscall(SYS_capset, &header, m_saved);
    }
    NoPermissionOverride(const NoPermissionOverride &) = delete;
    NoPermissionOverride &operator=(const NoPermissionOverride &) = delete;
    bool ok() const { return m_ok; }

private:
    __user_cap_data_struct m_saved[2]{};
    bool m_ok = false, m_dropped = false;
};

} // namespace testsupport
