#pragma once

#include "ui/RepaintThrottle.h"

#include <QPointer>
#include <QTimer>

#include <string>

class QGroupBox;

namespace tarvolin {

// The caption of the progress frame (Frame3) while a split runs, as the
// split sets it for every piece.
class ProgressCaption
{
public:
    explicit ProgressCaption(QGroupBox* frame);

    // The caption changes at once, for every piece; "&" in it shows as it is
    // (a frame's caption would read it as a mnemonic marker). Its strip of
    // the frame is repainted as RepaintThrottle says, by the time on Clock.
    void set(const std::string& text);

    // Repaints the caption's strip now, for example before a notice, which
    // shows the caption as it stands.
    void repaintNow();

private:
    QPointer<QGroupBox> m_frame;
    RepaintThrottle m_throttle;
    // Makes up a repaint that the throttle put off.
    QTimer m_putOff;
};

} // namespace tarvolin
