#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#ifdef __linux__
#include <sys/statfs.h>
#endif
#include <sys/utsname.h>
#include <unistd.h>

namespace tarvolin {

namespace {

SystemCalls systemOwn;
SystemCalls* inUse = &systemOwn;

} // namespace

int SystemCalls::open(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t SystemCalls::read(int fd, void* buffer, std::size_t count)
{
    return ::read(fd, buffer, count);
}

ssize_t SystemCalls::write(int fd, const void* data, std::size_t count)
{
    return ::write(fd, data, count);
}

ssize_t SystemCalls::copyFileRange(int in, int out, std::size_t count)
{
#ifdef __linux__
    return ::copy_file_range(in, nullptr, out, nullptr, count, 0);
#else
    (void)in, (void)out, (void)count;
    errno = ENOSYS;
    return -1;
#endif
}

int SystemCalls::truncate(int fd, off_t length)
{
    return ::ftruncate(fd, length);
}

ssize_t SystemCalls::readAt(int fd, void* buffer, std::size_t count, off_t offset)
{
    return ::pread(fd, buffer, count, offset);
}

int SystemCalls::dataSync(int fd)
{
    return ::fdatasync(fd);
}

int SystemCalls::sync(int fd)
{
    return ::fsync(fd);
}

int SystemCalls::syncRange(int fd, off_t offset, off_t length, unsigned flags)
{
#ifdef __linux__
    return ::sync_file_range(fd, offset, length, flags);
#else
    (void)fd, (void)offset, (void)length, (void)flags;
    errno = ENOSYS;
    return -1;
#endif
}

int SystemCalls::syncFileSystem(int fd)
{
#ifdef __linux__
    return ::syncfs(fd);
#else
    (void)fd;
    errno = ENOSYS;
    return -1;
#endif
}

std::string SystemCalls::kernelRelease()
{
    struct utsname names;
    return ::uname(&names) == 0 ? names.release : "";
}

int SystemCalls::fileStatus(int fd, struct stat* info)
{
    return ::fstat(fd, info);
}

long SystemCalls::fileSystemType(const char* path)
{
#ifdef __linux__
    struct statfs info;
    return ::statfs(path, &info) == 0 ? static_cast<long>(info.f_type) : -1;
#else
    (void)path;
    errno = ENOSYS;
    return -1;
#endif
}

int SystemCalls::close(int fd)
{
    return ::close(fd);
}

bool SystemCalls::unsupported(int error)
{
    return error == EINVAL || error == ESPIPE || error == ENOSYS || error == EOPNOTSUPP;
}

SystemCalls& SystemCalls::current()
{
    return *inUse;
}

void SystemCalls::install(SystemCalls* calls)
{
    inUse = calls != nullptr ? calls : &systemOwn;
}

} // namespace tarvolin
