#include "platform/OutputFile.h"

#include "platform/Failure.h"
#include "platform/NameText.h"
#include "platform/SystemErrorText.h"

namespace tarvolin {

void OutputFile::throwNotRegular(const std::string& path)
{
    throw Failure(NameText::quoted(path) +
                  "不是普通文件（是文件夹、管道或设备），不能写入分割后的文件");
}

void OutputFile::throwIsSource(const std::string& path, const std::string& how)
{
    throw Failure(NameText::quoted(path) + "就是被分割文件本身" + how +
                  "，不能用分割后的文件覆盖它");
}

void OutputFile::throwNotSaved(const std::string& path, int code)
{
    throw Failure(SystemErrorText::describe("无法把文件存到磁盘上", path, code));
}

OutputFile::OutputFile(const std::string& path, std::optional<Identity> keep, const Check& check)
    : OpenFile(openChecked(path, keep, check), path)
{
    const std::optional<Status> status = statusOf(handle());
    if (!status)
        throw Failure(
            SystemErrorText::describe("无法读取文件信息", path, SystemErrorText::lastError()));
    if (!status->regular)
        throwNotRegular(path);
    if (keep && status->identity == *keep)
        throwIsSource(path);
    if (check)
        check(path, status->identity);
    startWriting(status->length);
}

void OutputFile::write(const char* data, std::size_t count)
{
    transfer(Direction::out, const_cast<char*>(data), count);
}

} // namespace tarvolin
