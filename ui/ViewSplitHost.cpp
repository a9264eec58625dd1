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

void ViewSplitHost::pumpEvents()
{
    m_view.pumpEvents();
}

} // namespace tarvolin
