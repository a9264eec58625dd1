#include "ui/qt/PathElision.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace tarvolin {

QString elidePath(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const qsizetype tailStart =
        std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\'))) + 1;
    const QString tail = text.mid(tailStart);
    // One pixel of slack: the advance of two parts may exceed their sum.
    const int headWidth = width - metrics.horizontalAdvance(tail) - 1;
    if (tailStart > 0 && headWidth > metrics.horizontalAdvance(QChar(0x2026))) {
        const QString head = metrics.elidedText(text.left(tailStart), Qt::ElideMiddle, headWidth);
        if (!head.isEmpty() && head != QString(QChar(0x2026)))
            return head + tail;
    }
    return metrics.elidedText(text, Qt::ElideMiddle, width);
}

QString plainToolTip(const QStringList& lines)
{
    QStringList escaped;
    for (const QString& line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<p style='white-space:pre'>%1</p>")
        .arg(escaped.join(QStringLiteral("<br>")));
}

} // namespace tarvolin
