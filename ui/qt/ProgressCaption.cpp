#include "ui/qt/ProgressCaption.h"

#include <QGroupBox>
#include <QTimer>

namespace tarvolin {

namespace {

// Repaints the strip of the frame that holds its caption.
void repaintCaptionStrip(QGroupBox* frame)
{
    if (frame == nullptr)
        return;
    const int captionHeight = frame->fontMetrics().height() + 2;
    frame->update(0, 0, frame->width(), captionHeight);
}

} // namespace

ProgressCaption::ProgressCaption(QGroupBox* frame) : m_frame(frame) {}

void ProgressCaption::set(const std::string& text)
{
    if (m_frame == nullptr)
        return;
    QString caption = QString::fromStdString(text);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));

    // A new caption repaints the whole frame and the three lists inside it;
    // only the caption's strip needs it.
    m_frame->setAttribute(Qt::WA_UpdatesDisabled, true);
    m_frame->setTitle(caption);
    m_frame->setAttribute(Qt::WA_UpdatesDisabled, false);

    const Clock::time_point now = Clock::now();
    if (m_throttle.paintNow(now)) {
        repaintNow();
    } else if (!*m_repaintScheduled) {
        *m_repaintScheduled = true;
        QTimer::singleShot(m_throttle.wait(now), m_frame,
                           [frame = m_frame, scheduled = m_repaintScheduled] {
                               *scheduled = false;
                               repaintCaptionStrip(frame);
                           });
    }
}

void ProgressCaption::repaintNow()
{
    repaintCaptionStrip(m_frame);
    m_throttle.painted(Clock::now());
}

} // namespace tarvolin
