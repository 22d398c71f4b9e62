#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

/// While it lives, no file of this process may grow beyond limit bytes (no limit when limit is 0): a write past it
/// fails with "File too large", as on a disk that fills up. Pipes and terminals are not affected.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(std::int64_t limit)
    {
        if (limit > 0 && getrlimit(RLIMIT_FSIZE, &m_before) == 0) {
            std::signal(SIGXFSZ, SIG_IGN); // a failing write, not the end of the process
            rlimit lowered = m_before;
            lowered.rlim_cur = static_cast<rlim_t>(limit);
            m_set = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        }
    }
    ~FileSizeLimit()
    {
        if (m_set) {
            setrlimit(RLIMIT_FSIZE, &m_before);
        }
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    bool m_set = false;
};
