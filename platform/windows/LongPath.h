#pragma once

#include <string>
#include <string_view>

namespace tarvolin {

// Paths for the Windows file calls, of any length up to the system's 32767
// characters: every file and folder call takes its path through here. The
// path the user sees never carries the "\\?\" prefix; only the calls do.
namespace LongPath {

// The full path: a relative, drive-relative ("C:data") or rooted
// ("\data") path is completed from the current folder that
// GetFullPathNameW knows; "." and ".." are resolved, "/" becomes "\"
// and doubled separators go. Every other name is kept exactly as
// given, a blank or a dot at its end included. A path that already
// carries "\\?\" or "\\.\", and the empty path, come back as they are.
std::wstring full(std::wstring_view path);

// The full path for the file calls: "\\?\C:\data\a.bin" for a drive
// path, "\\?\UNC\server\share\a.bin" for a share.
std::wstring of(std::wstring_view path);
// The same for a UTF-8 path.
std::wstring of(const std::string& utf8);

} // namespace LongPath

} // namespace tarvolin
