#pragma once

#include "engine/SplitHost.h"

namespace tarvolin {

class MainWindowView;

// Connects a split run to the main window's view: notices, the progress
// caption of Frame3, and the event pump.
class ViewSplitHost : public SplitHost
{
public:
    explicit ViewSplitHost(MainWindowView& view) : m_view(view) {}

    void showNotice(const std::string& text) override;
    void setProgressCaption(const std::string& text) override;
    void pumpEvents() override;
    void setProgressShare(double share, bool failed) override;
    void endProgress() override;

private:
    MainWindowView& m_view;
};

} // namespace tarvolin
