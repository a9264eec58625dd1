#pragma once

// System calls that misbehave on purpose: one kind of call fails, comes up
// short, is interrupted or throws at the moment a test chooses, while every
// other call goes to the system. Installed for the lifetime of the object.
// Besides, the copies may be slow, the files may all tell one number, and
// every file system may tell one type.

#include "platform/posix/SystemCalls.h"
#include "tests/support/TestClock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <map>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace testsupport {

class FaultyCalls : public tarvolin::SystemCalls
{
public:
    enum class Call {
        open,
        read,
        write,
        copyFileRange,
        truncate,
        close,
        readAt,
        dataSync,
        sync,
        syncRange,
        syncFileSystem
    };
    enum class Effect {
        fail,        // returns -1 with the error (a close still releases the descriptor)
        half,        // moves half the bytes asked for
        nothing,     // returns 0: the file ended, or nothing could be written
        outOfMemory, // throws std::bad_alloc
        strange      // throws an exception the run does not know
    };
    struct Fault
    {
        Call call;
        int nth; // the nth call of that kind, from 1; 0 for every call
        Effect effect = Effect::fail;
        int error = 0;
    };

    explicit FaultyCalls(std::vector<Fault> faults = {}) : m_faults(std::move(faults))
    {
        install(this);
    }
    ~FaultyCalls() override { install(nullptr); }
    FaultyCalls(const FaultyCalls&) = delete;
    FaultyCalls& operator=(const FaultyCalls&) = delete;

    int count(Call call) const { return m_counts.count(call) ? m_counts.at(call) : 0; }

    int open(const char* path, int flags, mode_t mode) override
    {
        const Fault* fault = hit(Call::open);
        return fault ? misbehave<int>(*fault, 0) : SystemCalls::open(path, flags, mode);
    }
    ssize_t read(int fd, void* buffer, std::size_t count) override
    {
        if (const Fault* fault = hit(Call::read))
            return misbehave<ssize_t>(
                *fault, count, [&](std::size_t n) { return SystemCalls::read(fd, buffer, n); });
        return SystemCalls::read(fd, buffer, count);
    }
    ssize_t write(int fd, const void* data, std::size_t count) override
    {
        note("write", fd);
        if (const Fault* fault = hit(Call::write))
            return misbehave<ssize_t>(
                *fault, count, [&](std::size_t n) { return SystemCalls::write(fd, data, n); });
        return SystemCalls::write(fd, data, count);
    }
    ssize_t copyFileRange(int in, int out, std::size_t count) override
    {
        if (slowCopies != nullptr)
            slowCopies->advance(copyTime);
        if (const Fault* fault = hit(Call::copyFileRange))
            return misbehave<ssize_t>(*fault, count, [&](std::size_t n) {
                return SystemCalls::copyFileRange(in, out, n);
            });
        return SystemCalls::copyFileRange(in, out, count);
    }
    int truncate(int fd, off_t length) override
    {
        const Fault* fault = hit(Call::truncate);
        return fault ? misbehave<int>(*fault, 0) : SystemCalls::truncate(fd, length);
    }
    ssize_t readAt(int fd, void* buffer, std::size_t count, off_t offset) override
    {
        if (const Fault* fault = hit(Call::readAt))
            return misbehave<ssize_t>(*fault, count, [&](std::size_t n) {
                return SystemCalls::readAt(fd, buffer, n, offset);
            });
        return SystemCalls::readAt(fd, buffer, count, offset);
    }
    int dataSync(int fd) override
    {
        note("dataSync", fd);
        const Fault* fault = hit(Call::dataSync);
        return fault ? misbehave<int>(*fault, 0) : SystemCalls::dataSync(fd);
    }
    int sync(int fd) override
    {
        note("sync", fd);
        const Fault* fault = hit(Call::sync);
        return fault ? misbehave<int>(*fault, 0) : SystemCalls::sync(fd);
    }
    int syncRange(int fd, off_t offset, off_t length, unsigned flags) override
    {
        if ((flags & SYNC_FILE_RANGE_WAIT_AFTER) != 0)
            note("writeOut", fd);
        if (length != 0)
            writeBacks.push_back({offset, length, (flags & SYNC_FILE_RANGE_WAIT_AFTER) != 0});
        const Fault* fault = hit(Call::syncRange);
        return fault ? misbehave<int>(*fault, 0)
                     : SystemCalls::syncRange(fd, offset, length, flags);
    }
    int syncFileSystem(int fd) override
    {
        note("syncFileSystem", fd);
        const Fault* fault = hit(Call::syncFileSystem);
        return fault ? misbehave<int>(*fault, 0) : SystemCalls::syncFileSystem(fd);
    }
    std::string kernelRelease() override
    {
        return release.empty() ? SystemCalls::kernelRelease() : release;
    }
    int fileStatus(int fd, struct stat* info) override
    {
        const int result = SystemCalls::fileStatus(fd, info);
        if (oneNumberPerDevice) {
            info->st_dev = static_cast<dev_t>(info->st_ino);
            info->st_ino = 1;
        }
        return result;
    }
    long fileSystemType(const char* path) override
    {
        return toldFileSystemType != 0 ? toldFileSystemType : SystemCalls::fileSystemType(path);
    }
    int close(int fd) override
    {
        note("close", fd);
        const Fault* fault = hit(Call::close);
        if (fault == nullptr)
            return SystemCalls::close(fd);
        SystemCalls::close(fd); // a failed close releases the descriptor all the same
        return misbehave<int>(*fault, 0);
    }

    // What was written, flushed and closed, in order: "write a.bin.000",
    // "writeOut a.bin.000" (a wait for a range's write-back), "close
    // a.bin.000", "syncFileSystem <folder>", "dataSync a.bin.BAT",
    // "sync <folder>"; a test may add its own.
    std::vector<std::string> log;
    // Each range whose write-back was started (waited: false) or waited
    // for (waited: true), in order; a whole file's is in the log.
    struct WriteBack
    {
        off_t offset, length;
        bool waited;
        bool operator==(const WriteBack&) const = default;
        friend void PrintTo(const WriteBack& range, std::ostream* out)
        {
            *out << (range.waited ? "waited " : "started ") << range.offset << "+" << range.length;
        }
    };
    std::vector<WriteBack> writeBacks;

    // The kernel's release as the run is told it; the real one where empty.
    std::string release;
    // A slow disk: each copy between two files moves this clock on by copyTime.
    TestClock* slowCopies = nullptr;
    std::chrono::milliseconds copyTime{0};
    // Every file tells the number 1, each on a device of its own (its real
    // number): only the device tells two files apart.
    bool oneNumberPerDevice = false;
    // Where not 0, the type every file system tells (statfs's magic number).
    long toldFileSystemType = 0;

private:
    void note(const char* call, int fd)
    {
        char target[4096];
        const ssize_t n =
            ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target);
        const std::string path(target, n > 0 ? static_cast<std::size_t>(n) : 0);
        const std::string entry = call + (" " + path.substr(path.find_last_of('/') + 1));
        if (log.empty() || log.back() != entry)
            log.push_back(entry);
    }

    // The fault that this call of the kind meets, if any.
    const Fault* hit(Call call)
    {
        const int n = ++m_counts[call];
        for (const Fault& fault : m_faults) {
            if (fault.call == call && (fault.nth == 0 || fault.nth == n))
                return &fault;
        }
        return nullptr;
    }

    template <typename R, typename Move = R (*)(std::size_t)>
    R misbehave(const Fault& fault, std::size_t count, Move move = nullptr)
    {
        switch (fault.effect) {
        case Effect::half:
            return move(count > 1 ? count / 2 : count);
        case Effect::nothing:
            return 0;
        case Effect::outOfMemory:
            throw std::bad_alloc();
        case Effect::strange:
            throw std::runtime_error("意外的异常");
        case Effect::fail:
            break;
        }
        errno = fault.error;
        return -1;
    }

    std::vector<Fault> m_faults;
    std::map<Call, int> m_counts;
};

} // namespace testsupport
