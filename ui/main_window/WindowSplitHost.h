#pragma once

#include "SplitHost.h"

class QGroupBox;
class QWidget;

namespace tarvolin {

class WindowServices;

// Connects a split run to the main window: notices over the window, the
// progress text in the progress frame's caption, and the window system's
// event pump.
class WindowSplitHost : public SplitHost
{
public:
    WindowSplitHost(WindowServices& services, QWidget* window, QGroupBox* progressFrame);

    void showNotice(const std::string& text) override;
    void setProgressCaption(const std::string& text) override;
    void pumpEvents() override;

private:
    WindowServices& m_services;
    QWidget* m_window;
    QGroupBox* m_progressFrame;
};

} // namespace tarvolin
