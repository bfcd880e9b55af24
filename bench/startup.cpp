// Process start to the main menu's first paint, against an empty Qt window
// started the same way; and the resident memory of each at that moment.
#include "bench/BenchSupport.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double ms;
    long rssKb;
};

Run once(const QString& child, const QString& mode, const QString& dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    const long long start = monotonicNs();
    p.start(child, {mode});
    p.waitForFinished(60000);
    const QList<QByteArray> out = p.readAllStandardOutput().trimmed().split(' ');
    if (out.size() < 2) {
        std::fprintf(stderr, "%s run failed: %s\n", qPrintable(mode), p.readAllStandardError().constData());
        return {-1, 0};
    }
    return {(out[0].toLongLong() - start) / 1e6, out[1].toLong()};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup <child> <course dir>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const QString child = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString dir = QString::fromLocal8Bit(argv[2]);
    const int rounds = 15;
    std::vector<double> menuMs, emptyMs;
    std::vector<long> menuKb, emptyKb;
    once(child, "menu", dir);  // warm the file cache for both
    once(child, "empty", dir);
    for (int i = 0; i < rounds; ++i) {
        const Run m = once(child, "menu", dir);
        const Run e = once(child, "empty", dir);
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
