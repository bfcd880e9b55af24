// Process start to the main menu's first paint, against an empty Qt window
// started the same way; and the resident memory of each at that moment.
#include "bench/BenchSupport.h"
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
    std::vector<double> menuMs, emptyMs;
    std::vector<long> menuKb, emptyKb;
    once(*args, "menu");  // warm the file cache for both
    once(*args, "empty");
    for (int i = 0; i < rounds; ++i) {
        const Run m = once(*args, "menu");
        const Run e = once(*args, "empty");
        menuMs.push_back(m.ms);
        emptyMs.push_back(e.ms);
        menuKb.push_back(m.rssKb);
        emptyKb.push_back(e.rssKb);
    }
    const double m = median(menuMs), e = median(emptyMs);
    const double mk = median(menuKb) / 1024.0, ek = median(emptyKb) / 1024.0;
    std::printf("%-44s %12s %12s %7s\n", "figure (median of 15)", "ours", "floor", "ratio");
    std::printf("%-44s %9.1f ms %9.1f ms %7.2f\n", "process start to main menu first paint", m, e, m / e);
    std::printf("%-44s %9.1f MB %9.1f MB %7.2f\n", "resident memory at first paint", mk, ek, mk / ek);
    return 0;
}
