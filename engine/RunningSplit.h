#pragma once

#include "platform/OpenFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvolin {

// A split under way in this program. The event pump of one split may start
// another; the inner one must not write the files the outer one writes or
// reads, nor read the files it writes.
class RunningSplit
{
public:
    // Refuses, with a failure, a split of the source into oname's count
    // pieces and its script when a running split would share its files: the
    // same output names (the same folder as the file system sees it, however
    // the path spells it, and the same file name), a source that is one of
    // that split's outputs, or an output that is that split's source.
    // Otherwise the split counts as running while this object lives.
    RunningSplit(const OpenFile::Identity& source, const std::string& oname, std::int32_t count);
    ~RunningSplit();
    RunningSplit(const RunningSplit&) = delete;
    RunningSplit& operator=(const RunningSplit&) = delete;

private:
    // The paths of every piece, then of the script.
    std::vector<std::string> outputs() const;
    bool sameOutputs(const RunningSplit& other) const;
    // The output that is file, if one is.
    std::optional<std::string> outputThatIs(const OpenFile::Identity& file) const;

    OpenFile::Identity m_source;
    std::string m_oname;
    std::int32_t m_count;
    std::string m_name; // the bare name of oname
    std::optional<OpenFile::Identity> m_folder;
};

} // namespace tarvolin
