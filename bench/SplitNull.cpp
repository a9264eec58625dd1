// One split through the engine with a host that does nothing: no notices
// shown, no caption, no events. For the benchmarks.
//
// Usage: tarvolin-split-null SOURCE SPLITSIZE ONAME
// Prints its peak resident set in KiB; exits 0 when the run completed, 1
// when it was refused or failed.

#include "bench/PeakMemory.h"
#include "engine/PieceBuffer.h"
#include "engine/SplitHost.h"
#include "engine/SplitRun.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class NullHost : public tarvolin::SplitHost
{
public:
    void showNotice(const std::string& text) override { lastNotice = text; }
    void setProgressCaption(const std::string&) override {}
    void pumpEvents() override {}

    std::string lastNotice;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE SPLITSIZE ONAME\n", argv[0]);
        return 2;
    }
    NullHost host;
    tarvolin::PieceBuffer buffer;
    tarvolin::splitlt(host, buffer, argv[1], std::atoi(argv[2]), argv[3]);
    const bool completed = host.lastNotice.find("成功完成") != std::string::npos;
    if (!completed)
        std::fprintf(stderr, "%s\n", host.lastNotice.c_str());
    std::printf("peak_rss_kib %ld\n", peakResidentKib());
    return completed ? 0 : 1;
}
