#pragma once

#include <QString>

class QWidget;

namespace tarvolin {

// The window system's services that the windows call. The program uses
// QtWindowServices; tests put a recording stand-in in its place.
class WindowServices
{
public:
    virtual ~WindowServices() = default;

    // A modal notice over owner: the warning icon, one OK button, the
    // caption "Tarvolin". Returns when the user has dismissed it.
    virtual void showNotice(QWidget* owner, const QString& text) = 0;

    // Handles every pending window event, then returns.
    virtual void pumpEvents() = 0;

    // Ends the program at once: its windows go, the system closes every file
    // it holds open, and no further code of the caller runs.
    virtual void endProgram() = 0;

    // Shows window without an owner, modeless, and brings it to the front.
    virtual void showWindow(QWidget* window) = 0;
};

} // namespace tarvolin
