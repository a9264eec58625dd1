#pragma once

#include "platform/OpenFile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tarvolin {

// The files one split writes, worked out once from oname: the pieces
// oname.000, oname.001, ... and the joining script oname.BAT, all in the
// folder of oname.
class SplitOutputs
{
public:
    // The outputs of count pieces. An oname of more than 32767 characters is
    // an overflow. The folder's identity is looked up here, once.
    SplitOutputs(const std::string& oname, std::int32_t count);

    const std::string& oname() const { return m_oname; }
    std::int32_t count() const { return m_count; }

    // The folder as oname writes it, its last separator kept; "." where
    // oname names none.
    const std::string& folder() const { return m_folder; }

    // The folder as the file system knows it; none where it cannot be reached.
    const std::optional<OpenFile::Identity>& folderIdentity() const { return m_folderIdentity; }

    // The bare name of oname: the name of the file the pieces join into.
    const std::string& bareName() const { return m_bareName; }

    // The piece with the one-based index: D:\a\movie.avi gives
    // D:\a\movie.avi.000 for index 1, and movie.avi.000 as its bare name.
    std::string piecePath(std::int32_t index) const;
    std::string pieceName(std::int32_t index) const;

    const std::string& scriptPath() const { return m_scriptPath; }

    // The output, if any, whose bare name is name as Windows compares names
    // (letters in any case).
    std::optional<std::string> outputNamed(const std::string& name) const;

private:
    std::string m_oname;
    std::int32_t m_count;
    std::string m_folder;
    std::string m_bareName;
    std::string m_scriptPath;
    std::optional<OpenFile::Identity> m_folderIdentity;
};

} // namespace tarvolin
