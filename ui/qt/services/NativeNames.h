#pragma once

#include <QString>

#include <string>

namespace tarvolin {

// Paths and names between Qt's text and the file system's native form: the
// bytes the file system holds, which need not be UTF-8.
namespace NativeNames {

// The native form of a path Qt holds.
std::string native(const QString& path);

// The readable form to show: a name in GBK reads as Chinese.
QString shown(const std::string& native);

// The form Qt's own file classes take; exact where the bytes are UTF-8.
QString forQt(const std::string& native);

} // namespace NativeNames

} // namespace tarvolin
