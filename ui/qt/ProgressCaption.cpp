#include "ui/qt/ProgressCaption.h"

#include "ui/CaptionText.h"

#include <QGroupBox>

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

ProgressCaption::ProgressCaption(QGroupBox* frame) : m_frame(frame)
{
    m_putOff.setSingleShot(true);
    QObject::connect(&m_putOff, &QTimer::timeout, [this] { repaintNow(); });
}

void ProgressCaption::set(const std::string& text)
{
    if (m_frame == nullptr)
        return;
    const QString caption = QString::fromStdString(CaptionText::escaped(text));

    // A new caption repaints the whole frame and the three lists inside it;
    // only the caption's strip needs it.
    m_frame->setAttribute(Qt::WA_UpdatesDisabled, true);
    m_frame->setTitle(caption);
    m_frame->setAttribute(Qt::WA_UpdatesDisabled, false);

    const RepaintThrottle::Repaint repaint = m_throttle.changed(Clock::now());
    if (repaint.kind == RepaintThrottle::Repaint::Kind::now)
        repaintNow();
    else if (repaint.kind == RepaintThrottle::Repaint::Kind::later)
        m_putOff.start(repaint.after);
}

void ProgressCaption::repaintNow()
{
    m_putOff.stop();
    repaintCaptionStrip(m_frame);
    m_throttle.painted(Clock::now());
}

} // namespace tarvolin
