#pragma once

#include <cstdint>
#include <string>

namespace tarvolin {

class PieceBuffer;
class SplitHost;

// Cuts sfile into pieces of splitsize bytes named oname.000, oname.001, ...,
// writes the joining script oname.BAT, shows progress through the host and
// ends with one notice: the completion, the refusal of a source too small to
// split (result false), or "错误提示信息:" and what failed. Only the refusals
// return false.
//
// A failure closes every file the run opened and deletes nothing: pieces
// already written stay, and no script is written.
bool splitlt(SplitHost& host, PieceBuffer& buffer, const std::string& sfile, std::int32_t splitsize,
             const std::string& oname);

} // namespace tarvolin
