#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <utility>

namespace tarvolin {

class BatchFlush;
class OutputFile;

// The pieces whose bytes are still on their way to the device. Each stays
// open until its write-back has been waited for (and it is flushed, where
// the system flushes piece by piece), once it lies the copier's write-back
// lag behind the copy or too many pieces wait: the device writes the last
// pieces while the next ones are copied, and a write it refuses still fails
// on the piece's own handle, which names it.
class PendingPieces
{
public:
    // Pieces that wait at the most, whatever their size.
    static constexpr std::size_t mostWaiting = 64;

    // Settles the pieces through flushes; with dropCaches, lets the system
    // forget their bytes once they are on the device, so that reading them
    // again reads the device.
    PendingPieces(BatchFlush& flushes, bool dropCaches);
    ~PendingPieces();
    PendingPieces(const PendingPieces&) = delete;
    PendingPieces& operator=(const PendingPieces&) = delete;

    // Takes piece, copied up to end bytes into the run, and settles and
    // closes the pieces that lie far enough behind it.
    void add(std::unique_ptr<OutputFile> piece, std::int64_t end);

    // Settles and closes every piece still waiting, oldest first.
    void settleAll();

private:
    void settleOldest();

    BatchFlush& m_flushes;
    bool m_dropCaches;
    std::deque<std::pair<std::unique_ptr<OutputFile>, std::int64_t>> m_waiting; // piece, end
};

} // namespace tarvolin
