#pragma once

#include <QLabel>

namespace tarvolin {

// A label for a path (Lab1, the source path). Its text stays the full path,
// as the program reads it back; what it draws is the path shortened in the
// middle to the label's width (PathShortening), worked out afresh at every paint,
// so a resize or a new font shows the right part at once. While the path is
// shortened, its tooltip shows the full path above the tooltip text.
class PathLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PathLabel(QWidget* parent = nullptr);

    // The text as drawn at the label's present width and font.
    QString displayedText() const;

    // The tooltip as shown when the pointer rests on the label.
    QString shownToolTip() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvolin
