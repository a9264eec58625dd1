#include "ui/CaptionText.h"

namespace tarvolin {

std::string CaptionText::escaped(std::string_view text)
{
    std::string caption;
    caption.reserve(text.size());
    for (const char c : text) {
        caption += c;
        if (c == '&')
            caption += '&';
    }
    return caption;
}

std::string CaptionText::shown(std::string_view caption)
{
    std::string text;
    text.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        text += caption[i];
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&')
            ++i;
    }
    return text;
}

} // namespace tarvolin
