// One split through the real main window's host on the current Qt platform:
// the progress caption of Frame3 is set and every pending event handled
// after each piece. Notices are kept, not shown. For the benchmarks.
//
// Usage: tarvolin-split-window SOURCE SPLITSIZE ONAME
// Prints its peak resident set in KiB and the longest time the window went
// without handling its events (a timer that asks every 5 ms measures it);
// exits 0 when the run completed, 1 when it was refused or failed.

#include "bench/PeakMemory.h"
#include "ui/qt/Form1.h"
#include "ui/qt/services/QtWindowServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

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

    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    ticker.start(5);
    sinceTick.start();
    form.splitlt(argv[1], std::atoi(argv[2]), argv[3]);
    ticker.stop();
    std::printf("longest_gap_ms %lld\n", static_cast<long long>(longestGap));
    const bool completed = services.lastNotice.contains(QStringLiteral("成功完成"));
    if (!completed)
        std::fprintf(stderr, "%s\n", services.lastNotice.toLocal8Bit().constData());
    std::printf("peak_rss_kib %ld\n", peakResidentKib());
    return completed ? 0 : 1;
}
