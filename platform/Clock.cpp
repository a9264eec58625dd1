#include "platform/Clock.h"

namespace tarvolin {

namespace {

Clock steadyClock;
Clock* inUse = &steadyClock;

} // namespace

void Clock::install(Clock* clock)
{
    inUse = clock != nullptr ? clock : &steadyClock;
}

const Clock& Clock::current()
{
    return *inUse;
}

} // namespace tarvolin
