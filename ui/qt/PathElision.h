#pragma once

#include <QString>

class QFontMetrics;

namespace tarvolin {

// text, which ends in a path (a source path, or a progress caption such as
// "正在处理:/home/a/movie.avi.003 45.00%"), shortened to width pixels by
// putting "…" in the middle of its folders, so that its start and everything
// after the last separator ('/' or '\') stay whole. When even that part
// does not fit, the middle of the whole text gives way instead. A text that
// fits comes back as it is.
QString elidePath(const QString& text, const QFontMetrics& metrics, int width);

// A tooltip that shows lines exactly as written, one under the other: a
// path holding "<b>" is not taken for rich text, and no line is wrapped.
QString plainToolTip(const QStringList& lines);

} // namespace tarvolin
