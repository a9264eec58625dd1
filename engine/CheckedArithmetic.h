#pragma once

#include "platform/Failure.h"

#include <string>

namespace tarvolin {

// Integer arithmetic of the split run: every overflow is a failure that the
// run reports like any other, saying what overflowed and its limit.
inline const char* const overflowDescription = "数值计算溢出";

// The failure of an overflow: "数值计算溢出：" followed by limit, which says
// what overflowed and how far it may go ("分割后文件最大只能是 2147483646 字节").
[[noreturn]] inline void throwOverflow(const std::string& limit)
{
    throw Failure(std::string(overflowDescription) + "：" + limit);
}

template <typename T> T checkedAdd(T a, T b, const char* limit)
{
    T result;
    if (__builtin_add_overflow(a, b, &result))
        throwOverflow(limit);
    return result;
}

template <typename T> T checkedSub(T a, T b, const char* limit)
{
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        throwOverflow(limit);
    return result;
}

template <typename T> T checkedMul(T a, T b, const char* limit)
{
    T result;
    if (__builtin_mul_overflow(a, b, &result))
        throwOverflow(limit);
    return result;
}

} // namespace tarvolin
