#pragma once

#include <string>

namespace tarvolin {

// What the split run needs from the window that runs it. Texts are UTF-8.
class SplitHost
{
public:
    virtual ~SplitHost() = default;

    // Shows text in a modal notice; returns when the user has dismissed it.
    virtual void showNotice(const std::string& text) = 0;

    // Sets the caption of the progress frame.
    virtual void setProgressCaption(const std::string& text) = 0;

    // Handles every window event that is pending, then returns. A handler
    // run from here may start another split or end the program.
    virtual void pumpEvents() = 0;

    // The share of the run done, from 0 to 1, with every progress caption,
    // and once more, marked failed, before the run's error notice; the run
    // ends with endProgress. For a progress display beyond the caption (the
    // task-bar button); none by default.
    virtual void setProgressShare(double /*share*/, bool /*failed*/) {}
    virtual void endProgress() {}
};

} // namespace tarvolin
