#include "WindowSplitHost.h"

#include "WindowServices.h"

#include <QGroupBox>

namespace tarvolin {

WindowSplitHost::WindowSplitHost(WindowServices& services, QWidget* window,
                                 QGroupBox* progressFrame)
    : m_services(services), m_window(window), m_progressFrame(progressFrame)
{
}

void WindowSplitHost::showNotice(const std::string& text)
{
    m_services.showNotice(m_window, QString::fromStdString(text));
}

void WindowSplitHost::setProgressCaption(const std::string& text)
{
    m_progressFrame->setTitle(QString::fromStdString(text));
}

void WindowSplitHost::pumpEvents()
{
    m_services.pumpEvents();
}

} // namespace tarvolin
