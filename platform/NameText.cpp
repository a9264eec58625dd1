#include "platform/NameText.h"

#include "platform/Utf8.h"

#include <algorithm>

namespace tarvolin {

namespace {

// One piece of text: UTF-8 as it is, else GB18030, else U+FFFD for each
// byte that is not UTF-8.
std::string readablePiece(const std::string& bytes)
{
    if (Utf8::isWellFormed(bytes))
        return bytes;
    std::string decoded;
    if (NameText::detail::fromGb18030(bytes, decoded))
        return decoded;
    std::string shown;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = Utf8::sequenceAt(bytes, at);
        if (length == 0) {
            shown += "\xEF\xBF\xBD";
            ++at;
        } else {
            shown.append(bytes, at, length);
            at += length;
        }
    }
    return shown;
}

} // namespace

std::string NameText::quoted(const std::string& bytes)
{
    std::string shown = "“";
    for (const char c : readable(bytes)) {
        const auto byte = static_cast<unsigned char>(c);
        // U+2400 to U+241F picture the codes 0 to 31, U+2421 the delete.
        if (byte < 0x20)
            shown += {'\xE2', '\x90', static_cast<char>(0x80 + byte)};
        else if (byte == 0x7F)
            shown += "\xE2\x90\xA1";
        else
            shown += c;
    }
    return shown + "”";
}

std::string NameText::readable(const std::string& bytes)
{
    if (Utf8::isWellFormed(bytes))
        return bytes;
    // Bytes below 0x40 (blanks, "/", ":", ".", digits) are ASCII in UTF-8
    // and GBK alike and never the second byte of a GBK character: the text
    // is read piece by piece between them, so that a UTF-8 caption around a
    // GBK path reads right on both sides.
    std::string shown;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = start;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x40)
            ++end;
        shown += readablePiece(bytes.substr(start, end - start));
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x40)
            shown += bytes[end++];
        start = end;
    }
    return shown;
}

} // namespace tarvolin
