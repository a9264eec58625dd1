#include "WindowSplitHost.h"

#include "NameText.h"
#include "WindowServices.h"

#include <QGroupBox>
#include <QTimer>

namespace tarvolin {

namespace {

// Repaints the strip of the frame that holds its caption.
void repaintCaptionStrip(QGroupBox* frame)
{
    const int captionHeight = frame->fontMetrics().height() + 2;
    frame->update(0, 0, frame->width(), captionHeight);
}

} // namespace

WindowSplitHost::WindowSplitHost(WindowServices& services, QWidget* window,
                                 QGroupBox* progressFrame)
    : m_services(services), m_window(window), m_progressFrame(progressFrame)
{
}

void WindowSplitHost::showNotice(const std::string& text)
{
    // The notice shows the caption as it stands now.
    repaintCaption();
    m_services.showNotice(m_window, QString::fromStdString(NameText::readable(text)));
}

void WindowSplitHost::setProgressCaption(const std::string& text)
{
    // A frame's caption reads "&" as a mnemonic marker; a path shows it as it is.
    // Paths keep the bytes of their names; a GBK name reads as Chinese.
    QString caption = QString::fromStdString(NameText::readable(text));
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));

    // A new caption repaints the whole frame and the three lists inside it;
    // only the caption's strip needs it.
    m_progressFrame->setAttribute(Qt::WA_UpdatesDisabled, true);
    m_progressFrame->setTitle(caption);
    m_progressFrame->setAttribute(Qt::WA_UpdatesDisabled, false);

    if (!m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= repaintInterval) {
        repaintCaption();
    } else if (!*m_repaintScheduled) {
        *m_repaintScheduled = true;
        const int wait = repaintInterval - static_cast<int>(m_sinceRepaint.elapsed());
        QTimer::singleShot(wait, m_progressFrame,
                           [frame = m_progressFrame, scheduled = m_repaintScheduled] {
                               *scheduled = false;
                               repaintCaptionStrip(frame);
                           });
    }
}

void WindowSplitHost::repaintCaption()
{
    repaintCaptionStrip(m_progressFrame);
    m_sinceRepaint.start();
}

void WindowSplitHost::pumpEvents()
{
    m_services.pumpEvents();
}

} // namespace tarvolin
