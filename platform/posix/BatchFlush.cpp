#include "platform/BatchFlush.h"

#include "platform/Failure.h"
#include "platform/OutputFile.h"
#include "platform/SystemErrorText.h"
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/statfs.h>

namespace tarvolin {

namespace {

// Since 5.8 a flush of the file system reports a write the device refused
// since the handle it is called on was opened; before, only its own.
bool flushReportsEarlierFailures(const std::string& release)
{
    int major = 0, minor = 0;
    if (std::sscanf(release.c_str(), "%d.%d", &major, &minor) != 2)
        return false;
    return major > 5 || (major == 5 && minor >= 8);
}

// File systems of a local disk whose flush commits every file's size and
// blocks: elsewhere (FUSE, network shares) the flush may not reach the disk
// that a file's own flush reaches.
bool commitsEveryFile(int handle)
{
    struct statfs info;
    if (::fstatfs(handle, &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0xEF53UL:     // ext2, ext3, ext4
    case 0x58465342UL: // XFS
    case 0x9123683EUL: // Btrfs
    case 0xF2F52010UL: // F2FS
    case 0x4D44UL:     // FAT
    case 0x2011BAB0UL: // exFAT
    case 0x7366746EUL: // NTFS (ntfs3)
    case 0x01021994UL: // tmpfs: no device at all
        return true;
    default:
        return false;
    }
}

} // namespace

BatchFlush::BatchFlush(const std::string& folder) : m_folder(folder), m_handle(-1)
{
    SystemCalls& calls = SystemCalls::current();
    if (!flushReportsEarlierFailures(calls.kernelRelease()))
        return;
    m_handle = calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    m_batched = m_handle >= 0 && commitsEveryFile(m_handle);
}

BatchFlush::~BatchFlush()
{
    if (m_handle >= 0)
        SystemCalls::current().close(m_handle);
}

bool BatchFlush::finish()
{
    if (m_lastWrittenOut.empty())
        return true;
    int error = 0;
    while (SystemCalls::current().syncFileSystem(m_handle) != 0 && (error = errno) == EINTR)
        error = 0;
    if (error != 0 && SystemCalls::unsupported(error))
        return false;
    if (error != 0)
        throw Failure(SystemErrorText::describe("无法把分割后的文件存到磁盘上", m_folder, error));
    return true;
}

} // namespace tarvolin
