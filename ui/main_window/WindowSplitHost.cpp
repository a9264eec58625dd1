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
    // A frame's caption reads "&" as a mnemonic marker; a path shows it as it is.
    QString caption = QString::fromStdString(text);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));

    // Only the caption's line changes. A new caption would repaint the whole
    // frame and the three lists inside it, after every piece; the strip that
    // holds the caption is enough.
    m_progressFrame->setAttribute(Qt::WA_UpdatesDisabled, true);
    m_progressFrame->setTitle(caption);
    m_progressFrame->setAttribute(Qt::WA_UpdatesDisabled, false);
    const int captionHeight = m_progressFrame->fontMetrics().height() + 2;
    m_progressFrame->update(0, 0, m_progressFrame->width(), captionHeight);
}

void WindowSplitHost::pumpEvents()
{
    m_services.pumpEvents();
}

} // namespace tarvolin
