#pragma once

#include "ui/qt/services/WindowServices.h"

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace testsupport {

// Window services that record notices and the end of the program instead
// of blocking on a message box or ending the test. The event pump is real.
class RecordingWindowServices : public tarvolin::WindowServices
{
public:
    void showNotice(QWidget* owner, const QString& text) override
    {
        owners << owner;
        notices << text;
    }
    void pumpEvents() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    void endProgram() override { ++programEnds; }
    void showWindow(QWidget* window) override { window->show(); }

    QStringList notices;
    QList<QWidget*> owners;
    int pumps = 0;
    int programEnds = 0;
    // Run at the start of the pump, with the number of pumps so far.
    std::function<void(int)> onPump;
};

} // namespace testsupport
