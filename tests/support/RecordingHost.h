#pragma once

#include "engine/SplitHost.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// A split host that keeps every notice and caption, and whose event pump
// can act between two pieces (for example change the source).
class RecordingHost : public tarvolin::SplitHost
{
public:
    void showNotice(const std::string& text) override
    {
        notices.push_back(text);
        if (onNotice)
            onNotice();
    }
    void setProgressCaption(const std::string& text) override { captions.push_back(text); }
    void setProgressShare(double share, bool failed) override { shares.push_back({share, failed}); }
    void endProgress() override { ++progressEnds; }
    void pumpEvents() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }

    std::vector<std::string> notices;
    std::vector<std::string> captions;
    std::vector<std::pair<double, bool>> shares; // share done, failed
    int progressEnds = 0;
    int pumps = 0;
    // Called from the event pump with the number of pieces written so far.
    std::function<void(int)> onPump;
    std::function<void()> onNotice;
};

} // namespace testsupport
