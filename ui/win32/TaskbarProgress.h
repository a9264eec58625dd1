#pragma once

#include <windows.h>

struct ITaskbarList3;

namespace tarvolin {

// The share of a split done on a window's task-bar button (Windows 7 and
// later; where the system has no such list, nothing shows).
class TaskbarProgress
{
public:
    explicit TaskbarProgress(HWND window) : m_window(window) {}
    ~TaskbarProgress();
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;

    // Shows share (0 to 1), in the error state when failed.
    void show(double share, bool failed);
    // Takes the progress off the button.
    void clear();

private:
    // The system's task-bar list, made at the first use; null without one.
    ITaskbarList3* list();

    HWND m_window;
    ITaskbarList3* m_list = nullptr;
    bool m_looked = false;
};

} // namespace tarvolin
