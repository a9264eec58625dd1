// One split through the real main window's host on the current Qt platform:
// the progress caption of Frame3 is set and every pending event handled
// after each piece. Notices are kept, not shown. For the benchmarks.
//
// Usage: tarvolin-split-window SOURCE SPLITSIZE ONAME
// Prints its peak resident set in KiB; exits 0 when the run completed, 1
// when it was refused or failed.

#include "Form1.h"
#include "PeakMemory.h"
#include "QtWindowServices.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

class QuietServices : public tarvolin::QtWindowServices
{
public:
    void showNotice(QWidget*, const QString& text) override { lastNotice = text; }

    QString lastNotice;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE SPLITSIZE ONAME\n", argv[0]);
        return 2;
    }
    QuietServices services;
    tarvolin::Form1 form(services);
    form.show();
    QApplication::processEvents();
    form.splitlt(argv[1], std::atoi(argv[2]), argv[3]);
    const bool completed = services.lastNotice.contains(QStringLiteral("成功完成"));
    if (!completed)
        std::fprintf(stderr, "%s\n", services.lastNotice.toLocal8Bit().constData());
    std::printf("peak_rss_kib %ld\n", peakResidentKib());
    return completed ? 0 : 1;
}
