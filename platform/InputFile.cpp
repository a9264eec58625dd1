#include "platform/InputFile.h"

#include "platform/Failure.h"
#include "platform/FileServices.h"
#include "platform/SystemErrorText.h"

namespace tarvolin {

InputFile::InputFile(const std::string& path, Caching caching)
    : OpenFile(openForReading(path, caching), path), m_caching(caching)
{
}

std::int64_t InputFile::length() const
{
    const std::optional<Status> status = statusOf(handle());
    if (!status)
        throw Failure(
            SystemErrorText::describe("无法读取文件长度", path(), SystemErrorText::lastError()));
    if (status->folder)
        FileServices::throwIsFolder(path());
    return status->length;
}

void InputFile::read(char* buffer, std::size_t count)
{
    transfer(Direction::in, buffer, count);
}

} // namespace tarvolin
