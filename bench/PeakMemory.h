#pragma once

// The process's peak resident set in KiB, as /proc/self/status tells it
// (VmHWM). Unlike getrusage(), it counts only this program's own memory, not
// that of a parent it was started from (getrusage() keeps the high-water
// mark across exec).

#include <fstream>
#include <string>

inline long peakResidentKib()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            break;
        }
        status.ignore(4096, '\n');
    }
    return value;
}
