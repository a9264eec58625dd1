#include "platform/SystemErrorText.h"

#include "platform/NameText.h"

namespace tarvolin {

std::string SystemErrorText::reason(int code)
{
    if (std::string known = detail::knownReason(code); !known.empty())
        return known;
    return "系统错误（代码 " + std::to_string(code) + "）";
}

std::string SystemErrorText::describe(const std::string& what, const std::string& path, int code)
{
    return what + NameText::quoted(path) + "：" + reason(code);
}

} // namespace tarvolin
