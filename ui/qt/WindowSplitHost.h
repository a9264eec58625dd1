#pragma once

#include "SplitHost.h"

#include <QElapsedTimer>
#include <QPointer>

#include <memory>

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

    // The caption changes at once, for every piece. Its strip of the frame
    // is repainted at most once in repaintInterval, and a repaint skipped is
    // made up when the interval is over: a caption painted for each of
    // thousands of small pieces would cost more than the pieces themselves,
    // and no eye follows faster than the screen.
    void setProgressCaption(const std::string& text) override;

    void pumpEvents() override;

    static constexpr int repaintInterval = 20; // milliseconds

private:
    void repaintCaption();

    WindowServices& m_services;
    QWidget* m_window;
    QPointer<QGroupBox> m_progressFrame;
    QElapsedTimer m_sinceRepaint;
    // Set while a repaint is scheduled; shared with the timer, which may
    // fire after this run has ended.
    std::shared_ptr<bool> m_repaintScheduled = std::make_shared<bool>(false);
};

} // namespace tarvolin
