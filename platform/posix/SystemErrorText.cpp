#include "platform/SystemErrorText.h"

#include <cerrno>

namespace tarvolin {

std::string SystemErrorText::detail::knownReason(int code)
{
    switch (code) {
    case ENOENT:
        return "文件或文件夹不存在";
    case ENOTDIR:
        return "路径中有一段不是文件夹";
    case EISDIR:
        return "这是一个文件夹，不是文件";
    case EACCES:
    case EPERM:
        return "没有访问权限";
    case EROFS:
        return "磁盘是只读的";
    case ENOSPC:
    case EDQUOT:
        return "磁盘空间不足";
    case EFBIG:
        return "文件太大";
    case ENAMETOOLONG:
        return "文件名太长";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    case ENOMEM:
        return "内存不足";
    case EIO:
        return "磁盘读写出错";
    case ETXTBSY:
    case EBUSY:
        return "文件正被其他程序使用";
    default:
        return {};
    }
}

int SystemErrorText::lastError()
{
    return errno;
}

} // namespace tarvolin
