#include "platform/FileServices.h"

#include "platform/Failure.h"
#include "platform/NameText.h"
#include "platform/SystemErrorText.h"

namespace tarvolin {

std::int64_t FileServices::fileLength(const std::string& path)
{
    const detail::Lookup found = detail::lookUp(path);
    if (found.error != 0)
        throw Failure(SystemErrorText::describe("无法读取文件长度", path, found.error));
    if (found.isFolder)
        throwIsFolder(path);
    return found.length;
}

void FileServices::throwIsFolder(const std::string& path)
{
    throw Failure(NameText::quoted(path) + "是一个文件夹，不是文件");
}

std::int64_t FileServices::fullLength(const std::string& path)
{
    const detail::Lookup found = detail::lookUp(path);
    return found.error != 0 || found.isFolder ? -1 : found.length;
}

} // namespace tarvolin
