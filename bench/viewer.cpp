// A click on a lecture in the lectures screen's tree to the page's
// loadFinished, against a bare QWebEngineView loading the same file, each
// cold (first page of a fresh process) and warm (later pages).
#include "bench/BenchSupport.h"
#include "bench/BenchTable.h"
#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double coldMs = -1;
    double warmMs = -1;
};

Run once(const BenchArguments& args, const QString& mode)
{
    const QByteArrayList out = runChild(args, mode, 2);
    if (out.isEmpty())
        return {};
    return {out[0].toDouble(), out[1].toDouble()};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<BenchArguments> args = benchArguments(argc, argv, "bench_viewer");
    if (!args)
        return 2;
    const int rounds = 7;
    once(*args, "shell");  // warm the file cache for both
    once(*args, "bare");
    std::vector<double> shellCold, shellWarm, bareCold, bareWarm;
    for (int i = 0; i < rounds; ++i) {
        const Run s = once(*args, "shell");
        const Run b = once(*args, "bare");
        shellCold.push_back(s.coldMs);
        shellWarm.push_back(s.warmMs);
        bareCold.push_back(b.coldMs);
        bareWarm.push_back(b.warmMs);
    }
    const double sc = median(shellCold), sw = median(shellWarm), bc = median(bareCold), bw = median(bareWarm);
    benchRow("tree click to page loaded, cold / bare QWebEngineView", sc, bc, "ms");
    benchRow("tree click to page loaded, warm / bare QWebEngineView", sw, bw, "ms");
    return 0;
}
