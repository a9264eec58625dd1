// Start-up: create the main window from its layout, run its load handler,
// show it with the focus on the start button, choose the file named on the
// command line (a file manager's "Open With" runs "tarvolin FILE"), and hand
// over to the event loop. The program ends from the main window (its close button or its
// closing), never by returning from here in ordinary use.

#include "Version.h"
#include "ui/qt/Form1.h"
#include "ui/qt/services/QtTranslations.h"
#include "ui/qt/services/QtWindowServices.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // A file that reaches the system's size limit must fail its write, which
    // the split reports, rather than kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(resources); // the icon lives in the windows' static library
    QApplication::setApplicationName(QStringLiteral("Tarvolin"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLIN_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvolin.png")));
    tarvolin::QtTranslations::install();
    // The classic style draws a frame's caption on its top line, as the
    // layout's twips expect.
    QApplication::setStyle(QStringLiteral("Windows"));

    tarvolin::QtWindowServices services;
    tarvolin::Form1 form(services);
    form.show();
    // The arguments' bytes as they are (a GBK name too), Qt's own options
    // already taken out of them.
    const std::vector<std::string> names(argv + 1, argv + argc);
    form.chooseHanded(names);
    return application.exec();
}
