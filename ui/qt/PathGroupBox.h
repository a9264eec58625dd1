#pragma once

#include <QGroupBox>

class QStyleOptionGroupBox;

namespace tarvolin {

// A frame whose caption may hold a path (Frame3, with the progress text of
// a split). Its title stays whole; what it draws is the caption shortened in
// the middle of the path to the frame's width (PathShortening), so the piece's
// name and the percentage always show; it is worked out afresh at every
// paint, so a resize or a new font shows the right part at once. While the
// caption is shortened, the pointer resting on it shows the whole caption
// as a tooltip.
class PathGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit PathGroupBox(QWidget* parent = nullptr);

    // The caption as drawn at the frame's present width and font ("&" as it
    // shows, not doubled).
    QString displayedTitle() const;

    // The whole caption as it shows ("&" not doubled).
    QString shownTitle() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The style's options for drawing the frame with its caption as displayed.
    QStyleOptionGroupBox displayedOption() const;
};

} // namespace tarvolin
