#include "platform/FileServices.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace tarvolin {

FileServices::detail::Lookup FileServices::detail::lookUp(const std::string& path)
{
    Lookup result;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        result.error = errno;
        return result;
    }
    result.isFolder = S_ISDIR(st.st_mode);
    result.length = static_cast<std::int64_t>(st.st_size);
    return result;
}

bool FileServices::sameName(const std::string& a, const std::string& b)
{
    return a == b;
}

void FileServices::flushFolder(const std::string& folder)
{
    SystemCalls& calls = SystemCalls::current();
    const int handle = calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (handle < 0)
        throw Failure(SystemErrorText::describe("无法打开文件夹", folder, errno));
    int error = 0;
    while (calls.sync(handle) != 0 && (error = errno) == EINTR)
        error = 0;
    calls.close(handle);
    // A file system that keeps no folder to sync (EINVAL) writes names by itself.
    if (error != 0 && error != EINVAL)
        throw Failure(SystemErrorText::describe("无法把文件夹存到磁盘上", folder, error));
}

} // namespace tarvolin
