#pragma once

#include <cstddef>
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
    // What the system tells of the file behind fd (its device, number,
    // kind and length).
    virtual int fileStatus(int fd, struct stat* info);
    virtual int close(int fd);

    // The calls in use.
    static SystemCalls& current();

    // Puts calls in use until it is uninstalled again (nullptr).
    static void install(SystemCalls* calls);
};

} // namespace tarvolin
