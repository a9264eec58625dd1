#include "engine/PieceBuffer.h"

#include "platform/Failure.h"

#include <new>
#include <string>

namespace tarvolin {

void PieceBuffer::resize(std::size_t size)
{
    if (size > m_capacity) {
        m_data.reset();
        m_capacity = m_size = 0;
        // Nothing is cleared: the read that follows fills every byte.
        m_data.reset(
            static_cast<char*>(::operator new[](size, std::align_val_t{alignment}, std::nothrow)));
        if (m_data == nullptr)
            throw Failure("内存不足：无法为分割文件分配 " + std::to_string(size) + " 字节的缓冲区");
        m_capacity = size;
    }
    m_size = size;
}

} // namespace tarvolin
