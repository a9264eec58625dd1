#include "ui/qt/PathGroupBox.h"

#include "ui/CaptionText.h"
#include "ui/qt/ShortenedPath.h"

#include <QHelpEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QToolTip>

namespace tarvolin {

PathGroupBox::PathGroupBox(QWidget* parent) : QGroupBox(parent) {}

QString PathGroupBox::shownTitle() const
{
    return QString::fromStdString(CaptionText::shown(title().toStdString()));
}

QString PathGroupBox::displayedTitle() const
{
    // The caption is inset from both sides of the frame by the same margin.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.text.clear();
    const QRect empty =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const int width = rect().width() - 2 * (empty.left() - rect().left()) - 2;
    return shortenedPath(shownTitle(), fontMetrics(), width);
}

QStyleOptionGroupBox PathGroupBox::displayedOption() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.text = QString::fromStdString(CaptionText::escaped(displayedTitle().toStdString()));
    return option;
}

bool PathGroupBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QStyleOptionGroupBox option = displayedOption();
        const QRect caption =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        if (caption.contains(help->pos()) && displayedTitle() != shownTitle())
            QToolTip::showText(help->globalPos(), plainToolTip({shownTitle()}), this, caption);
        else
            QToolTip::hideText();
        return true;
    }
    return QGroupBox::event(event);
}

void PathGroupBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_GroupBox, displayedOption());
}

} // namespace tarvolin
