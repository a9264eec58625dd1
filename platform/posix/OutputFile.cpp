#include "platform/OutputFile.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>

namespace tarvolin {

OpenFile::Handle OutputFile::openChecked(const std::string& path, const std::optional<Identity>&)
{
    const int handle = SystemCalls::current().open(
        path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (handle < 0) {
        if (errno == ENXIO) // a pipe that nobody reads
            throwNotRegular(path);
        throw Failure(SystemErrorText::describe("无法创建文件", path, errno));
    }
    return handle;
}

void OutputFile::startWriting(std::int64_t length)
{
    // Opened without waiting; from here on writes wait as usual.
    if (::fcntl(handle(), F_SETFL, 0) != 0 ||
        (length > 0 && SystemCalls::current().truncate(handle(), 0) != 0))
        throw Failure(SystemErrorText::describe("无法清空文件", path(), errno));
}

} // namespace tarvolin
