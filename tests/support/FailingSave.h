#pragma once

#include <cstdint>
#include <filesystem>

#if defined(_WIN32)
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#endif

namespace qv::test {

// While it lives, a save of the file at path fails the way the system lets a test make it fail: on
// Linux the file size limit is maxBytes, as on a disk that fills up while the file is written; on
// Windows another program holds the file open without sharing it.
class FailingSave {
public:
#if defined(_WIN32)
    FailingSave(const std::filesystem::path& path, std::uint64_t /*maxBytes*/)
        : m_handle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~FailingSave() { CloseHandle(m_handle); }
    bool Active() const { return m_handle != INVALID_HANDLE_VALUE; }
#else
    FailingSave(const std::filesystem::path& /*path*/, std::uint64_t maxBytes)
        : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        m_active = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        rlimit small = m_saved;
        small.rlim_cur = maxBytes;
        m_active = m_active && setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FailingSave() {
        if (m_active) {
            setrlimit(RLIMIT_FSIZE, &m_saved);
        }
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool Active() const { return m_active; }
#endif
    FailingSave(const FailingSave&) = delete;
    FailingSave& operator=(const FailingSave&) = delete;

private:
#if defined(_WIN32)
    HANDLE m_handle;
#else
    void (*m_previousHandler)(int);
    rlimit m_saved{};
    bool m_active = false;
#endif
};

} // namespace qv::test
