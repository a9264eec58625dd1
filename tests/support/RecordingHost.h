#pragma once

#include "engine/SplitHost.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A split host that keeps every notice and caption, and whose event pump
// can act between two pieces (for example change the source).
class RecordingHost : public tarvolin::SplitHost
{
public:
    void showNotice(const std::string& text) override { notices.push_back(text); }
    void setProgressCaption(const std::string& text) override { captions.push_back(text); }
    void pumpEvents() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }

    std::vector<std::string> notices;
    std::vector<std::string> captions;
    int pumps = 0;
    // Called from the event pump with the number of pieces written so far.
    std::function<void(int)> onPump;
};

} // namespace testsupport
