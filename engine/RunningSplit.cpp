#include "engine/RunningSplit.h"

#include "engine/PiecePlan.h"
#include "engine/ReassemblyScript.h"
#include "platform/Failure.h"
#include "platform/FileServices.h"

#include <algorithm>

namespace tarvolin {

namespace {

// The splits under way, the outermost first.
std::vector<const RunningSplit*>& running()
{
    static std::vector<const RunningSplit*> splits;
    return splits;
}

[[noreturn]] void throwStillRunning(const std::string& path)
{
    throw Failure("同一批文件的另一次分割还在进行中（“" + path + "”），请等它完成后再开始分割");
}

} // namespace

RunningSplit::RunningSplit(const OpenFile::Identity& source, const std::string& oname,
                           std::int32_t count)
    : m_source(source), m_oname(oname), m_count(count), m_name(ReassemblyScript::bareName(oname))
{
    // The folder part keeps its last separator: a drive's root stays a root.
    std::string folder = oname.substr(0, oname.size() - m_name.size());
    if (const std::optional<OpenFile::Status> status =
            OpenFile::statusAt(folder.empty() ? "." : folder))
        m_folder = status->identity;

    for (const RunningSplit* other : running()) {
        if (sameOutputs(*other))
            throwStillRunning(m_oname);
        if (const auto shared = other->outputThatIs(m_source))
            throwStillRunning(*shared);
        if (const auto shared = outputThatIs(other->m_source))
            throwStillRunning(*shared);
    }
    running().push_back(this);
}

RunningSplit::~RunningSplit()
{
    std::vector<const RunningSplit*>& splits = running();
    splits.erase(std::remove(splits.begin(), splits.end(), this), splits.end());
}

std::vector<std::string> RunningSplit::outputs() const
{
    std::vector<std::string> paths;
    for (std::int32_t i = 1; i <= m_count; ++i)
        paths.push_back(PiecePlan::piecePath(m_oname, i));
    paths.push_back(m_oname + ".BAT");
    return paths;
}

bool RunningSplit::sameOutputs(const RunningSplit& other) const
{
    // Two outputs are named alike only where the names of oname are: a
    // piece's suffix and ".BAT" hold no "." of their own.
    return m_folder && other.m_folder && *m_folder == *other.m_folder &&
           FileServices::sameName(m_name, other.m_name);
}

std::optional<std::string> RunningSplit::outputThatIs(const OpenFile::Identity& file) const
{
    for (const std::string& path : outputs()) {
        const std::optional<OpenFile::Status> status = OpenFile::statusAt(path);
        if (status && status->identity == file)
            return path;
    }
    return std::nullopt;
}

} // namespace tarvolin
