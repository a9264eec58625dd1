#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace tarvolin {

class InputFile;
class OutputFile;
class PieceBuffer;
class SplitHost;

// Copies the pieces of one run from the source into their files, a step at
// a time: inside the system where it can copy between the two files, else
// through the piece buffer. Memory stays the same whatever the piece size,
// and between steps the window's events are pumped at most every
// pumpInterval, so the window repaints, moves and closes during a piece of
// gigabytes as it does between pieces.
class PieceCopier
{
public:
    // Bytes a step moves. (A gigabyte in pieces of 10 MiB took the same time
    // with steps of 256 KiB up to 8 MiB; smaller steps cost more calls.)
    static constexpr std::size_t step = std::size_t{1} << 20;
    static constexpr std::chrono::milliseconds pumpInterval{50};

    PieceCopier(SplitHost& host, PieceBuffer& buffer);

    // Copies the next count bytes of source to the end of piece. Before each
    // pump inside the piece, progress (if given) learns the bytes copied so far.
    void copy(InputFile& source, OutputFile& piece, std::int64_t count,
              const std::function<void(std::int64_t copied)>& progress = {});

    // Pumps the window's events now; the interval starts anew.
    void pumpEvents();

private:
    SplitHost& m_host;
    PieceBuffer& m_buffer;
    // Cleared when the system refuses to copy between the run's files.
    bool m_inSystem = true;
    std::chrono::steady_clock::time_point m_lastPump = std::chrono::steady_clock::now();
};

} // namespace tarvolin
