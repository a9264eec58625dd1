#pragma once

#include <string>
#include <string_view>

namespace tarvolin {

// The program speaks UTF-8; the wide-character API of Windows speaks UTF-16.
// These two carry a text across, either way; an empty text stays empty.
std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

} // namespace tarvolin
