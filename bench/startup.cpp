// Process start to the main menu's first paint, against an empty Qt window
// started the same way; and the resident memory of each at that moment.
#include "BenchTable.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

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

template <class T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
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
    std::vector<double> menuMs, emptyMs, labelMs;
    std::vector<long> menuKb, emptyKb;
    once(child, "menu", dir);  // warm the file cache for both
    once(child, "empty", dir);
    for (int i = 0; i < rounds; ++i) {
        const Run m = once(child, "menu", dir);
        const Run e = once(child, "empty", dir);
        labelMs.push_back(once(child, "label", dir).ms);
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
