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
// Before the first piece it refuses what would go wrong later: a name the
// joining script cannot carry or its code page cannot hold, more pieces than
// the count holds, a split started from the event pump of a running one
// over the same files, and an output in the source's folder named as the
// source whatever the case of its letters. It never writes into anything
// but a regular file, never empties its own source under any name, and
// copies a piece in steps of bounded memory, pumping window events during a
// long piece.
//
// Just before the first piece it empties an older script of the same name.
// A failure closes every file the run opened and deletes nothing: pieces
// already written stay, the piece being written stays as far as it got, and
// no script joins them.
bool splitlt(SplitHost& host, PieceBuffer& buffer, const std::string& sfile, std::int32_t splitsize,
             const std::string& oname);

} // namespace tarvolin
