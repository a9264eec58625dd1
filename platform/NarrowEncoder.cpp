#include "platform/NarrowEncoder.h"

#include "platform/Failure.h"

namespace tarvolin {

void NarrowEncoder::throwUnrepresentable(const std::string& utf8, unsigned codePage)
{
    throw Failure("“" + utf8 + "”中有字符无法用代码页 " + std::to_string(codePage) +
                  " 写入组装文件，请先给文件改名");
}

} // namespace tarvolin
