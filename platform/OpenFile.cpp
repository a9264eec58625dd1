#include "platform/OpenFile.h"

#include "platform/Failure.h"
#include "platform/NameText.h"
#include "platform/SystemErrorText.h"

namespace tarvolin {

OpenFile::OpenFile(Handle handle, std::string path) : m_handle(handle), m_path(std::move(path)) {}

bool OpenFile::isOpen() const
{
    return m_handle != closed;
}

void OpenFile::throwShortRead() const
{
    throw Failure("文件" + NameText::quoted(m_path) + "读取不完整：文件在分割过程中变短了");
}

void OpenFile::throwTransferFailure(Direction direction, int code) const
{
    const char* verb = direction == Direction::in ? "无法读取文件" : "无法写入文件";
    throw Failure(SystemErrorText::describe(verb, m_path, code));
}

OpenFile::Identity OpenFile::identity() const
{
    const std::optional<Status> known = statusOf(m_handle);
    if (!known)
        throw Failure(
            SystemErrorText::describe("无法读取文件信息", m_path, SystemErrorText::lastError()));
    return known->identity;
}

} // namespace tarvolin
