#pragma once
// A full disk for tests: while a FileSizeLimit lives, no file of this
// process may grow beyond the given size (RLIMIT_FSIZE, with SIGXFSZ
// ignored).  A write past the limit comes back short with EFBIG, just as one
// on a full disk does, and it works whether or not the tests run as root.

#include <csignal>
#include <sys/resource.h>

namespace cw::test {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
    bool m_active = false;
};

} // namespace cw::test
