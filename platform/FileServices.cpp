#include "platform/FileServices.h"

#include "platform/Failure.h"
#include "platform/NameText.h"
#include "platform/OpenFile.h"

namespace tarvolin {

void FileServices::throwIsFolder(const std::string& path)
{
    throw Failure(NameText::quoted(path) + "是一个文件夹，不是文件");
}

std::optional<std::int64_t> FileServices::fullLength(const std::string& path)
{
    const std::optional<OpenFile::Status> status = OpenFile::statusAt(path);
    if (!status || status->folder)
        return std::nullopt;
    return status->length;
}

bool FileServices::isFolder(const std::string& path)
{
    const std::optional<OpenFile::Status> status = OpenFile::statusAt(path);
    return status && status->folder;
}

} // namespace tarvolin
