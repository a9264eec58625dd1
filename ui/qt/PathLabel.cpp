#include "ui/qt/PathLabel.h"

#include "ui/PathShortening.h"
#include "ui/qt/ShortenedPath.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace tarvolin {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {}

QString PathLabel::displayedText() const
{
    return shortenedPath(text(), fontMetrics(), contentsRect().width() - 2 * margin());
}

QString PathLabel::shownToolTip() const
{
    const bool shortened = displayedText() != text();
    if (!shortened)
        return toolTip();
    QStringList lines;
    for (const std::string& line :
         PathShortening::toolTipLines(text().toStdString(), shortened, toolTip().toStdString()))
        lines << QString::fromStdString(line);
    return plainToolTip(lines);
}

bool PathLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString shown = shownToolTip();
        if (shown.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, this);
        return true;
    }
    return QLabel::event(event);
}

void PathLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          displayedText(), foregroundRole());
}

} // namespace tarvolin
