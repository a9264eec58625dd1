#include "PieceBuffer.h"

#include "Failure.h"

#include <cstdlib>
#include <new>
#include <string>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace tarvolin {

namespace {

#ifdef __linux__
// Large buffers are aligned to huge pages and ask for them: a piece of
// 100 MiB then takes 50 page faults instead of 25600, and the copies in and
// out of it miss the TLB far less.
constexpr std::size_t hugePage = std::size_t{2} << 20;

char* allocate(std::size_t size)
{
    if (size < hugePage)
        return new (std::nothrow) char[size];
    const std::size_t rounded = (size + hugePage - 1) / hugePage * hugePage;
    void* memory = std::aligned_alloc(hugePage, rounded);
    if (memory != nullptr)
        ::madvise(memory, rounded, MADV_HUGEPAGE);
    return static_cast<char*>(memory);
}

void deallocate(char* memory, std::size_t size)
{
    if (size < hugePage)
        delete[] memory;
    else
        std::free(memory);
}
#else
char* allocate(std::size_t size)
{
    return new (std::nothrow) char[size];
}
void deallocate(char* memory, std::size_t)
{
    delete[] memory;
}
#endif

} // namespace

PieceBuffer::~PieceBuffer()
{
    release();
}

void PieceBuffer::release()
{
    if (m_data != nullptr)
        deallocate(m_data, m_capacity);
    m_data = nullptr;
    m_size = m_capacity = 0;
}

void PieceBuffer::resize(std::size_t size)
{
    if (size > m_capacity) {
        release();
        // Nothing is cleared: the read that follows fills every byte.
        m_data = allocate(size);
        if (m_data == nullptr)
            throw Failure("内存不足：无法为分割文件分配 " + std::to_string(size) + " 字节的缓冲区");
        m_capacity = size;
    }
    m_size = size;
}

} // namespace tarvolin
