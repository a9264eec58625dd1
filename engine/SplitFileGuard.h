#pragma once

#include "platform/OpenFile.h"
#include "platform/OutputFile.h"

#include <map>
#include <string>

namespace tarvolin {

class SplitOutputs;

// Guards the files of the splits under way in this program. The event pump
// of one split may start another; the inner one must not write the files
// the outer one writes or reads, nor read the files it writes.
//
// What each split has opened for writing is recorded as it opens it, so
// the checks cost a look-up, not a look at every file of the other split.
class SplitFileGuard
{
public:
    // Refuses, with a failure, a split of source into outputs when a running
    // split writes the same names (the same folder as the file system sees
    // it, however the path spells it, and the same name as Windows compares
    // them) or has written source as one of its outputs. Otherwise the split
    // counts as running while this object lives.
    SplitFileGuard(const OpenFile::Identity& source, const SplitOutputs& outputs);
    ~SplitFileGuard();
    SplitFileGuard(const SplitFileGuard&) = delete;
    SplitFileGuard& operator=(const SplitFileGuard&) = delete;

    // The check of each output as it is opened, before it changes: it
    // refuses the source of a running split and an output that another one
    // has opened, and records the rest as this split's.
    OutputFile::Check outputCheck();

private:
    void checkOutput(const std::string& path, const OpenFile::Identity& file);

    OpenFile::Identity m_source;
    const SplitOutputs& m_outputs;
    std::map<OpenFile::Identity, std::string> m_opened; // each output opened, by identity
};

} // namespace tarvolin
