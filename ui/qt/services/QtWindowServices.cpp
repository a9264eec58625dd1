#include "ui/qt/services/QtWindowServices.h"

#include "ui/NoticeLines.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace tarvolin {

void QtWindowServices::showNotice(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarvolin"), QString(), QMessageBox::Ok,
                    owner);
    // A path is shown as written, even one that looks like markup ("<b>", "&lt;").
    box.setTextFormat(Qt::PlainText);
    // A long path breaks into lines that fit on the screen. The box breaks
    // its text at spaces itself where it would grow wider than half the
    // screen or 500 pixels, which leaves its text that less its icon,
    // button and margins: the lines stay within that too.
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen->availableGeometry().width();
    const int room = std::min(NoticeLines::widthOn(screenWidth),
                              std::min(screenWidth / 2, 500) - box.layout()->minimumSize().width());
    const QFontMetrics metrics = box.fontMetrics();
    const NoticeLines lines([&metrics](std::string_view utf8) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    });
    QString shown = QString::fromStdString(lines.wrapped(text.toStdString(), room));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(shown);
    box.exec();
}

void QtWindowServices::pumpEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtWindowServices::endProgram()
{
    // Every piece on disk is complete whenever this can run (between two
    // pieces, or outside a split), and nothing is kept that needs saving, so
    // the process goes at once: the system closes its files and windows, and
    // no code of the caller, nor any destructor, runs after this.
    std::_Exit(EXIT_SUCCESS);
}

void QtWindowServices::showWindow(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tarvolin
