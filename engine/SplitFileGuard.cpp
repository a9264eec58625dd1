#include "engine/SplitFileGuard.h"

#include "engine/SplitOutputs.h"
#include "platform/Failure.h"
#include "platform/FileServices.h"
#include "platform/NameText.h"

#include <algorithm>
#include <vector>

namespace tarvolin {

namespace {

// The splits under way, the outermost first.
std::vector<const SplitFileGuard*>& running()
{
    static std::vector<const SplitFileGuard*> splits;
    return splits;
}

[[noreturn]] void throwStillRunning(const std::string& path)
{
    throw Failure("同一批文件的另一次分割还在进行中（" + NameText::quoted(path) +
                  "），请等它完成后再开始分割");
}

// Two splits write the same names only where their onames are alike: a
// piece's suffix and ".BAT" hold no "." of their own.
bool sameNames(const SplitOutputs& a, const SplitOutputs& b)
{
    return a.folderIdentity() && b.folderIdentity() && *a.folderIdentity() == *b.folderIdentity() &&
           FileServices::sameName(a.bareName(), b.bareName());
}

} // namespace

SplitFileGuard::SplitFileGuard(const OpenFile::Identity& source, const SplitOutputs& outputs)
    : m_source(source), m_outputs(outputs)
{
    for (const SplitFileGuard* other : running()) {
        if (sameNames(m_outputs, other->m_outputs))
            throwStillRunning(m_outputs.oname());
        if (const auto opened = other->m_opened.find(m_source); opened != other->m_opened.end())
            throwStillRunning(opened->second);
    }
    running().push_back(this);
}

SplitFileGuard::~SplitFileGuard()
{
    std::vector<const SplitFileGuard*>& splits = running();
    splits.erase(std::remove(splits.begin(), splits.end(), this), splits.end());
}

OutputFile::Check SplitFileGuard::outputCheck()
{
    return [this](const std::string& path, const OpenFile::Identity& file) {
        checkOutput(path, file);
    };
}

void SplitFileGuard::checkOutput(const std::string& path, const OpenFile::Identity& file)
{
    for (const SplitFileGuard* other : running()) {
        if (other != this && (other->m_source == file || other->m_opened.count(file) != 0))
            throwStillRunning(path);
    }
    m_opened.emplace(file, path);
}

} // namespace tarvolin
