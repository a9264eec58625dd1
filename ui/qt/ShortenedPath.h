#pragma once

#include <QString>

class QFontMetrics;

namespace tarvolin {

// text, which ends in a path, shortened to width pixels of metrics' font by
// the program's one rule (PathShortening).
QString shortenedPath(const QString& text, const QFontMetrics& metrics, int width);

// A tooltip that shows lines exactly as written, one under the other: a
// path holding "<b>" is not taken for rich text, and no line is wrapped.
QString plainToolTip(const QStringList& lines);

} // namespace tarvolin
