#include "platform/qt/QtWindowServices.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdlib>

namespace tarvolin {

void QtWindowServices::showNotice(QWidget* owner, const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarvolin"), shown, QMessageBox::Ok,
                    owner);
    // A path is shown as written, even one that looks like markup ("<b>", "&lt;").
    box.setTextFormat(Qt::PlainText);
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
