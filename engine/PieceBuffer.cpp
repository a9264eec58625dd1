#include "PieceBuffer.h"

#include "Failure.h"

#include <new>
#include <string>

namespace tarvolin {

void PieceBuffer::resize(std::size_t size)
{
    if (size > m_capacity) {
        m_data.reset();
        m_size = m_capacity = 0;
        // new char[] without () leaves the bytes as they come: nothing to clear.
        char* memory = new (std::nothrow) char[size];
        if (memory == nullptr)
            throw Failure("内存不足：无法为分割文件分配 " + std::to_string(size) + " 字节的缓冲区");
        m_data.reset(memory);
        m_capacity = size;
    }
    m_size = size;
}

} // namespace tarvolin
