#include "platform/OutputFile.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"

#include <windows.h>

namespace tarvolin {

namespace {

OpenFile::Handle openForWriting(const std::string& path)
{
    HANDLE handle = CreateFileW(LongPath::of(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法创建文件", path, SystemErrorText::lastError()));
    return handle;
}

// NtFlushBuffersFileEx (Windows 8 and later) with FLUSH_FLAGS_NO_SYNC
// writes a file's bytes and what the file system keeps of it to the device
// without the device's own cache; looked up at run time, for Windows 7.
struct IoStatus
{
    union {
        LONG status;
        void* pointer;
    };
    ULONG_PTR information;
};
using FlushBuffersFileEx = LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, IoStatus*);
using NtStatusToDosError = ULONG(WINAPI*)(LONG);
constexpr ULONG flushNoSync = 0x2;

template <typename Function> Function fromNtdll(const char* name)
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(ntdll, name)))
               : nullptr;
}

} // namespace

OpenFile::Handle OutputFile::openChecked(const std::string& path,
                                         const std::optional<Identity>& keep, const Check& check)
{
    try {
        return openForWriting(path);
    } catch (const Failure&) {
        // A file that another program (or this one: the source of a split)
        // holds open without write sharing fails to open as shared; what it
        // is tells the clearer failure.
        if (GetLastError() != ERROR_SHARING_VIOLATION)
            throw;
        if (const std::optional<Status> status = statusAt(path)) {
            if (keep && status->identity == *keep)
                throwIsSource(path);
            if (check)
                check(path, status->identity);
        }
        throw;
    }
}

void OutputFile::startWriting(std::int64_t length)
{
    // The position is at the start: the end moves there.
    if (length > 0 && !SetEndOfFile(handle()))
        throw Failure(
            SystemErrorText::describe("无法清空文件", path(), SystemErrorText::lastError()));
}

void OutputFile::startWriteBack(std::int64_t, std::int64_t)
{
    // Windows starts writing by itself; awaitWriteBack flushes in steps.
}

void OutputFile::awaitWriteBack(std::int64_t offset, std::int64_t length)
{
    // A flush writes every byte so far: once for each lag's worth of bytes.
    if (offset + length - m_flushedUpTo < writeBackLag)
        return;
    if (!writeOut())
        flush();
    m_flushedUpTo = offset + length;
}

void OutputFile::flush()
{
    if (!FlushFileBuffers(handle()))
        throwNotSaved(path(), SystemErrorText::lastError());
}

bool OutputFile::writeOut()
{
    static const auto flushEx = fromNtdll<FlushBuffersFileEx>("NtFlushBuffersFileEx");
    static const auto toDosError = fromNtdll<NtStatusToDosError>("RtlNtStatusToDosError");
    if (flushEx == nullptr || toDosError == nullptr)
        return false;
    IoStatus done{};
    const LONG status = flushEx(handle(), flushNoSync, nullptr, 0, &done);
    if (status >= 0)
        return true;
    const auto error = static_cast<int>(toDosError(status));
    // A file system that cannot flush without the device's cache.
    if (error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED ||
        error == ERROR_INVALID_FUNCTION || error == ERROR_CALL_NOT_IMPLEMENTED)
        return false;
    throwNotSaved(path(), error);
}

void OutputFile::dropCache()
{
    // The read-back opens the file past the cache instead.
}

void OutputFile::empty()
{
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(handle(), start, nullptr, FILE_BEGIN) || !SetEndOfFile(handle()))
        throw Failure(
            SystemErrorText::describe("无法清空文件", path(), SystemErrorText::lastError()));
    flush();
}

} // namespace tarvolin
