#pragma once

// A fake-capacity stick (fake-stick, beside the tests) mounted on a scratch
// folder for as long as the object lives. Mounting needs root and FUSE;
// tests skip where it cannot be had.

#include "tests/support/TestFiles.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <sys/mount.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

class FakeStickMount
{
public:
    // A stick that tells it has room for claims bytes and holds holds bytes.
    FakeStickMount(std::int64_t claims, std::int64_t holds)
    {
#ifdef TARVOLIN_FAKE_STICK
        const std::string folder = toUtf8(m_dir.path());
        const std::string claimed = std::to_string(claims), held = std::to_string(holds);
        m_child = ::fork();
        if (m_child == 0) {
            ::execl(TARVOLIN_FAKE_STICK, TARVOLIN_FAKE_STICK, folder.c_str(), claimed.c_str(),
                    held.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Mounted once the folder is a FUSE file system; the stick ends
        // early where FUSE cannot be had.
        constexpr long fuseMagic = 0x65735546;
        for (int tries = 0; tries < 500 && m_child > 0; ++tries) {
            struct statfs info;
            if (::statfs(folder.c_str(), &info) == 0 && info.f_type == fuseMagic) {
                m_mounted = true;
                break;
            }
            if (::waitpid(m_child, nullptr, WNOHANG) == m_child) {
                m_child = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
#else
        (void)claims, (void)holds;
#endif
    }
    ~FakeStickMount()
    {
        if (m_mounted)
            ::umount2(m_dir.path().c_str(), MNT_DETACH);
        if (m_child > 0)
            ::waitpid(m_child, nullptr, 0);
    }
    FakeStickMount(const FakeStickMount&) = delete;
    FakeStickMount& operator=(const FakeStickMount&) = delete;

    bool mounted() const
    {
        return m_mounted;
    }
    std::string operator/(const std::string& name) const
    {
        return m_dir / name;
    }

private:
    TempDir m_dir;
    pid_t m_child = -1;
    bool m_mounted = false;
};

} // namespace testsupport
