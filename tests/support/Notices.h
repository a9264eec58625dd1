#pragma once

// The texts of the split's notices, as the user must read them, written once
// for every test that checks them.

#include <string>

namespace testsupport {

inline const std::string tooSmallNotice = "朋友！“被分割文件”比“分割后文件”还小，请重新设置吧！";
inline const std::string errorPrefix = "错误提示信息:";

inline std::string completionNotice(int count, const std::string& script)
{
    return "朋友！文件分割已经成功完成！\r\n合计生成" + std::to_string(count) +
           "个分割文件:\r\n生成自动组装文件" + script +
           "\r\n朋友，请妥善保存分割后的文件——一个也不能少哦！";
}

inline bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace testsupport
