#pragma once

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace tarvolin {

// The system calls behind the open files: the program makes the system's
// own; a test puts a stand-in in their place (install) to make one of them
// fail, come up short or be interrupted at the moment it chooses. Each call
// returns what the system call returns and leaves errno as it does.
class SystemCalls
{
public:
    virtual ~SystemCalls() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t read(int fd, void* buffer, std::size_t count);
    virtual ssize_t write(int fd, const void* data, std::size_t count);
    // Moves count bytes from in's position to out's position inside the
    // kernel; both positions advance.
    virtual ssize_t copyFileRange(int in, int out, std::size_t count);
    virtual int truncate(int fd, off_t length);
    // Reads up to count bytes from offset on, leaving the position as it is.
    virtual ssize_t readAt(int fd, void* buffer, std::size_t count, off_t offset);
    // Waits until the device holds fd's bytes (dataSync), or its bytes and
    // entries too (sync: for a folder); syncRange starts or waits for the
    // writing of a range as its flags say (sync_file_range).
    virtual int dataSync(int fd);
    virtual int sync(int fd);
    virtual int syncRange(int fd, off_t offset, off_t length, unsigned flags);
    // Writes every file of the file system that holds fd to its device and
    // commits them (syncfs); since Linux 5.8 it also reports a write the
    // device refused on that file system since fd was opened.
    virtual int syncFileSystem(int fd);
    // The running kernel's release, as uname tells it ("6.1.0-13-amd64").
    virtual std::string kernelRelease();
    // What the system tells of the file behind fd (its device, number,
    // kind and length).
    virtual int fileStatus(int fd, struct stat* info);
    // The type of the file system that holds path, as statfs tells it (its
    // magic number); -1 where the system cannot tell it.
    virtual long fileSystemType(const char* path);
    virtual int close(int fd);

    // True for the errors of a call that the system or the file system does
    // not offer (EINVAL, ESPIPE, ENOSYS, EOPNOTSUPP), as against a device
    // that failed.
    static bool unsupported(int error);

    // The calls in use.
    static SystemCalls& current();

    // Puts calls in use until it is uninstalled again (nullptr).
    static void install(SystemCalls* calls);
};

} // namespace tarvolin
