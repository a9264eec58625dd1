#include "ui/ViewSplitHost.h"

#include "ui/MainWindowView.h"

namespace tarvolin {

void ViewSplitHost::showNotice(const std::string& text)
{
    m_view.showNotice(text);
}

void ViewSplitHost::setProgressCaption(const std::string& text)
{
    m_view.setFrame3Caption(text);
}

void ViewSplitHost::setProgressShare(double share, bool failed)
{
    m_view.setProgressShare(share, failed);
}

void ViewSplitHost::endProgress()
{
    m_view.endProgress();
}

void ViewSplitHost::pumpEvents()
{
    m_view.pumpEvents();
}

} // namespace tarvolin
