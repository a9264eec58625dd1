#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace tarvolin {

// The one buffer through which the bytes of a piece pass on their way from
// the source to the piece file, a step of at most PieceCopier::step bytes at
// a time. It belongs to the main window and outlives every run; a run
// started inside another run's event pump shares it, which is safe because a
// step is resized, read and written with no event pump in between.
class PieceBuffer
{
public:
    // Makes the buffer exactly size bytes long. Its former contents are
    // discarded, and the new bytes are not cleared: the next read fills
    // them. Memory is kept when the buffer is already large enough. A size
    // that cannot be allocated is a failure.
    void resize(std::size_t size);

    // Aligned as reads past the system's cache need it (the read-back on Windows).
    char* data() { return m_data.get(); }
    std::size_t size() const { return m_size; }

    static constexpr std::size_t alignment = 4096;

private:
    struct Release
    {
        void operator()(char* data) const
        {
            ::operator delete[](data, std::align_val_t{alignment});
        }
    };
    std::unique_ptr<char[], Release> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace tarvolin
