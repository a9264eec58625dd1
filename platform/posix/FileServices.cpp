#include "platform/FileServices.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/Utf8.h"
#include "platform/posix/SystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <locale.h>
#include <unistd.h>
#include <wctype.h>

namespace tarvolin {

bool FileServices::sameName(const std::string& a, const std::string& b)
{
    // The pieces and the script are made for Windows, and for the disks
    // that Linux shares with it (exFAT, FAT, NTFS): there names alike but
    // for the case of their letters are one file.
    if (a == b)
        return true;
    static const locale_t characters = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    // Names that are not UTF-8 (GBK bytes) have only their ASCII letters folded.
    const bool utf8 = Utf8::isWellFormed(a) && Utf8::isWellFormed(b);
    const auto charactersOf = [&](const std::string& name) {
        if (utf8)
            return Utf8::codePoints(name);
        std::u32string bytes;
        for (const char c : name)
            bytes += static_cast<unsigned char>(c);
        return bytes;
    };
    const auto upper = [&](char32_t c) -> char32_t {
        if (c < 0x80)
            return Utf8::asciiUpper(c);
        if (!utf8 || characters == nullptr)
            return c;
        return static_cast<char32_t>(::towupper_l(static_cast<wint_t>(c), characters));
    };
    const std::u32string x = charactersOf(a), y = charactersOf(b);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [&](char32_t p, char32_t q) { return upper(p) == upper(q); });
}

namespace {

// Opens path as flags say and waits until the device holds it, by the call
// sync; a file system that keeps nothing to sync (EINVAL) writes by itself.
template <typename Sync>
void flushAt(const std::string& path, int flags, Sync sync, const char* cannotOpen,
             const char* cannotFlush)
{
    SystemCalls& calls = SystemCalls::current();
    const int handle = calls.open(path.c_str(), flags | O_CLOEXEC, 0);
    if (handle < 0)
        throw Failure(SystemErrorText::describe(cannotOpen, path, errno));
    int error = 0;
    while (sync(calls, handle) != 0 && (error = errno) == EINTR)
        error = 0;
    calls.close(handle);
    if (error != 0 && error != EINVAL)
        throw Failure(SystemErrorText::describe(cannotFlush, path, error));
}

} // namespace

void FileServices::flushFolder(const std::string& folder)
{
    flushAt(
        folder, O_RDONLY | O_DIRECTORY, [](SystemCalls& calls, int fd) { return calls.sync(fd); },
        "无法打开文件夹", "无法把文件夹存到磁盘上");
}

void FileServices::flushFile(const std::string& path)
{
    flushAt(
        path, O_RDONLY, [](SystemCalls& calls, int fd) { return calls.dataSync(fd); },
        "无法打开文件", "无法把文件存到磁盘上");
}

std::string FileServices::currentFolder()
{
    std::string folder(256, '\0');
    while (::getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        folder.resize(folder.size() * 2);
    }
    folder.resize(std::char_traits<char>::length(folder.c_str()));
    return folder;
}

} // namespace tarvolin
