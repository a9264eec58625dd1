#pragma once

#include <string>

namespace tarvolin {

// File names as the file system keeps them and as the user reads them. On
// Linux a name is any run of bytes; archives from Chinese Windows machines
// bring names in GBK. The bytes stay the name for every file operation; the
// readable form is only shown.
namespace NameText {

// The name (or a text around names) as UTF-8 to show: UTF-8 as it is;
// otherwise each run between ASCII punctuation, digits and blanks that is
// not UTF-8 decoded as GB18030 (which holds GBK and GB2312); failing
// that, each of its bytes that is not UTF-8 shown as U+FFFD.
std::string readable(const std::string& bytes);

// A name (or path) as a notice shows it, between Chinese quotation marks:
// readable, and with every control character shown as its picture (a line
// feed as U+240A), so that no name breaks a notice's lines or hides a byte.
std::string quoted(const std::string& bytes);

namespace detail {

// bytes decoded from GB18030 (or Windows' code page 936, which differs
// from it at 0x80, the euro sign) into UTF-8 (platform/posix,
// platform/windows); false when they are neither or the system decodes no
// names.
bool fromGb18030(const std::string& bytes, std::string& utf8);

} // namespace detail

} // namespace NameText

} // namespace tarvolin
