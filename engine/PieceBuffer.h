#pragma once

#include <cstddef>

namespace tarvolin {

// The one buffer that holds the piece being copied. It belongs to the main
// window and outlives every run; a run started inside another run's event
// pump shares it, which is safe because a piece is resized, read and written
// with no event pump in between.
class PieceBuffer
{
public:
    PieceBuffer() = default;
    ~PieceBuffer();
    PieceBuffer(const PieceBuffer&) = delete;
    PieceBuffer& operator=(const PieceBuffer&) = delete;

    // Makes the buffer exactly size bytes long. Its former contents are
    // discarded, and the new bytes are not cleared: the next read fills
    // them. Memory is kept when the buffer is already large enough. A size
    // that cannot be allocated is a failure.
    void resize(std::size_t size);

    char* data() { return m_data; }
    const char* data() const { return m_data; }
    std::size_t size() const { return m_size; }

private:
    void release();

    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace tarvolin
