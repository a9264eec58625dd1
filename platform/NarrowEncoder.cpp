#include "platform/NarrowEncoder.h"

#include "platform/Failure.h"
#include "platform/NameText.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace tarvolin {

void NarrowEncoder::throwUnrepresentable(const std::string& utf8) const
{
    // The first character that the code page cannot hold, tried one at a
    // time (a text of one character is that character; a byte that begins
    // no well-formed character is tried alone).
    std::string character;
    for (std::size_t at = 0, length = 0; at < utf8.size() && character.empty(); at += length) {
        length = std::max<std::size_t>(1, Utf8::sequenceAt(utf8, at));
        if (at == 0 && length >= utf8.size()) {
            character = utf8;
            break;
        }
        try {
            encode(utf8.substr(at, length));
        } catch (const Failure&) {
            character = utf8.substr(at, length);
        }
    }
    const std::string which = character.empty() ? "有字符" : "的字符" + NameText::quoted(character);
    throw Failure(NameText::quoted(utf8) + "中" + which + "无法用代码页 " +
                  std::to_string(m_codePage) + " 写入组装文件，请先给文件改名");
}

} // namespace tarvolin
