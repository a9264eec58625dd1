#include "engine/SplitOutputs.h"

#include "engine/CheckedArithmetic.h"
#include "engine/PiecePlan.h"
#include "platform/FileServices.h"
#include "platform/PathName.h"
#include "platform/Utf8.h"

namespace tarvolin {

namespace {

// The characters of a path are counted in 16 bits: a longer one overflows.
const std::string& counted(const std::string& path)
{
    std::int16_t characters = 0;
    for (const char c : path) {
        if (Utf8::startsCharacter(c))
            characters = checkedAdd(characters, std::int16_t{1}, "路径最长只能有 32767 个字符");
    }
    return path;
}

} // namespace

SplitOutputs::SplitOutputs(const std::string& oname, std::int32_t count)
    : m_oname(counted(oname)), m_count(count), m_folder(PathName::folderOf(oname)),
      m_bareName(PathName::bareName(oname)), m_scriptPath(oname + ".BAT")
{
    if (const std::optional<OpenFile::Status> status = OpenFile::statusAt(m_folder))
        m_folderIdentity = status->identity;
}

std::string SplitOutputs::piecePath(std::int32_t index) const
{
    return m_oname + "." + PiecePlan::suffix(index);
}

std::string SplitOutputs::pieceName(std::int32_t index) const
{
    return m_bareName + "." + PiecePlan::suffix(index);
}

std::optional<std::string> SplitOutputs::outputNamed(const std::string& name) const
{
    // Only a name that is the bare name and a piece's suffix or ".BAT" can
    // be one: the one output to compare is found by its suffix.
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || !FileServices::sameName(name.substr(0, dot), m_bareName))
        return std::nullopt;
    const std::string suffix = name.substr(dot + 1);
    if (FileServices::sameName(suffix, "BAT"))
        return m_scriptPath;
    if (suffix.empty() || suffix.size() > 5 ||
        suffix.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const std::int32_t index = std::stoi(suffix) + 1;
    if (index > m_count || PiecePlan::suffix(index) != suffix)
        return std::nullopt;
    return piecePath(index);
}

} // namespace tarvolin
