#include "ui/qt/ShortenedPath.h"

#include "ui/PathShortening.h"

#include <QFontMetrics>
#include <QStringList>

namespace tarvolin {

QString shortenedPath(const QString& text, const QFontMetrics& metrics, int width)
{
    const PathShortening rule([&metrics](std::string_view utf8) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    });
    return QString::fromStdString(rule.shortened(text.toStdString(), width));
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
