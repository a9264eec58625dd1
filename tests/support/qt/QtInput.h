#pragma once

// Input that reaches a widget through the event queue, as a user's does: it
// is handled by the next event pump, for example inside a running split.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace testsupport {

inline void postClick(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    QCoreApplication::postEvent(widget,
                                new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget,
                                new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

} // namespace testsupport
