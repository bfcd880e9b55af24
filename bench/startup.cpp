// Process start to the main menu's first paint, against an empty Qt window
// started the same way; and the resident memory of each at that moment.
#include "bench/BenchSupport.h"
#include "bench/BenchTable.h"
#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double ms;
    long rssKb;
};

Run once(const BenchArguments& args, const QString& mode)
{
    long long start = 0;
    const QByteArrayList out = runChild(args, mode, 2, &start);
    if (out.isEmpty())
        return {-1, 0};
    return {(out[0].toLongLong() - start) / 1e6, out[1].toLong()};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<BenchArguments> args = benchArguments(argc, argv, "bench_startup");
    if (!args)
        return 2;
    const int rounds = 15;
    std::vector<double> menuMs, emptyMs, labelMs;
    std::vector<long> menuKb, emptyKb;
    once(*args, "menu");  // warm the file cache for both
    once(*args, "empty");
    for (int i = 0; i < rounds; ++i) {
        const Run m = once(*args, "menu");
        const Run e = once(*args, "empty");
        labelMs.push_back(once(*args, "label").ms);
        menuMs.push_back(m.ms);
        emptyMs.push_back(e.ms);
        menuKb.push_back(m.rssKb);
        emptyKb.push_back(e.rssKb);
    }
    const double m = median(menuMs), e = median(emptyMs);
    const double mk = median(menuKb) / 1024.0, ek = median(emptyKb) / 1024.0;
    const double l = median(labelMs);
    benchRow("start to main menu first paint / empty window", m, e, "ms");
    benchRow("start to main menu first paint / window with a label", m, l, "ms");
    benchRow("resident memory at main menu / empty window", mk, ek, "MB");
    return 0;
}
