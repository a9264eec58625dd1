#pragma once

#include <string>
#include <string_view>

namespace tarvolin {

// A frame's caption on both toolkits reads "&" as the marker of a mnemonic
// and "&&" as one "&". A caption that holds a path (Frame3's progress text)
// shows every "&" of the path as it is: it is written doubled.
class CaptionText
{
public:
    // text as a caption that shows it as it is: every "&" doubled.
    static std::string escaped(std::string_view text);

    // What a caption written as escaped shows: every "&&" one "&".
    static std::string shown(std::string_view caption);
};

} // namespace tarvolin
