#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace tarvolin {

class InputFile;
class OutputFile;
class PieceBuffer;
class SplitHost;

// Moves the bytes of one run a step at a time: copies the pieces from the
// source into their files (inside the system where it can copy between the
// two files, else through the piece buffer), and reads them back from the
// device to compare them with the source. Memory stays the same whatever
// the piece size, and between steps the window's events are pumped at most
// every pumpInterval (on Clock), so the window repaints, moves and closes during a
// piece of gigabytes as it does between pieces.
//
// While a piece is copied the system is asked to write each step to the
// device at once, and the copy waits for the step OutputFile::writeBackLag
// behind: what
// the progress shows is never much ahead of what the device holds, and a
// slow stick sets the pace instead of the memory that the system lends.
class PieceCopier
{
public:
    // Bytes a step moves. (A gigabyte in pieces of 10 MiB took the same time
    // with steps of 256 KiB up to 8 MiB; smaller steps cost more calls.)
    static constexpr std::size_t step = std::size_t{1} << 20;
    static constexpr std::chrono::milliseconds pumpInterval{50};

    // Learns the bytes done so far, before each pump inside a piece.
    using Progress = std::function<void(std::int64_t done)>;

    PieceCopier(SplitHost& host, PieceBuffer& buffer);

    // Copies the next count bytes of source to the end of piece, a new file.
    void copy(InputFile& source, OutputFile& piece, std::int64_t count,
              const Progress& progress = {});

    // Reads the count bytes of piece, opened to read from the device, and
    // compares them with the bytes of source from sourceOffset on. A piece
    // that differs is a failure that names the piece and the first byte that
    // differs; one that ends early, the piece and both lengths.
    void compare(InputFile& source, std::int64_t sourceOffset, InputFile& piece, std::int64_t count,
                 const Progress& progress = {});

    // Pumps the window's events now; the interval starts anew.
    void pumpEvents();

private:
    // Pumps the events, with progress first, once the interval has passed.
    void pumpInside(const Progress& progress, std::int64_t done);

    SplitHost& m_host;
    PieceBuffer& m_buffer;
    // Cleared when the system refuses to copy between the run's files.
    bool m_inSystem = true;
    Clock::time_point m_lastPump = Clock::now();
};

} // namespace tarvolin
