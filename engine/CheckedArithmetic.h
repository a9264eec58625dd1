#pragma once

#include "platform/Failure.h"

namespace tarvolin {

// Integer arithmetic of the split run: every overflow is a failure that the
// run reports like any other.
inline const char* const overflowDescription = "数值计算溢出";

template <typename T> T checkedAdd(T a, T b)
{
    T result;
    if (__builtin_add_overflow(a, b, &result))
        throw Failure(overflowDescription);
    return result;
}

template <typename T> T checkedSub(T a, T b)
{
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        throw Failure(overflowDescription);
    return result;
}

template <typename T> T checkedMul(T a, T b)
{
    T result;
    if (__builtin_mul_overflow(a, b, &result))
        throw Failure(overflowDescription);
    return result;
}

} // namespace tarvolin
