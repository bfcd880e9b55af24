// A click on a lecture in the lectures screen's tree to the page's
// loadFinished, against a bare QWebEngineView loading the same file, each
// cold (first page of a fresh process) and warm (later pages).
#include "bench/BenchSupport.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double coldMs = -1;
    double warmMs = -1;
};

Run once(const QString& child, const QString& mode, const QString& dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(child, {mode});
    p.waitForFinished(120000);
    const QList<QByteArray> out = p.readAllStandardOutput().trimmed().split(' ');
    if (out.size() < 2) {
        std::fprintf(stderr, "%s run failed: %s\n", qPrintable(mode), p.readAllStandardError().constData());
        return {};
    }
    return {out[0].toDouble(), out[1].toDouble()};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_viewer <child> <course dir>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const QString child = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString dir = QString::fromLocal8Bit(argv[2]);
    const int rounds = 7;
    once(child, "shell", dir);  // warm the file cache for both
    once(child, "bare", dir);
    std::vector<double> shellCold, shellWarm, bareCold, bareWarm;
    for (int i = 0; i < rounds; ++i) {
        const Run s = once(child, "shell", dir);
        const Run b = once(child, "bare", dir);
        shellCold.push_back(s.coldMs);
        shellWarm.push_back(s.warmMs);
        bareCold.push_back(b.coldMs);
        bareWarm.push_back(b.warmMs);
    }
    const double sc = median(shellCold), sw = median(shellWarm), bc = median(bareCold), bw = median(bareWarm);
    std::printf("%-44s %12s %12s %7s\n", "figure (median of 7 processes)", "ours", "bare view", "ratio");
    std::printf("%-44s %9.1f ms %9.1f ms %7.2f\n", "lecture load, cold (first page of the run)", sc, bc, sc / bc);
    std::printf("%-44s %9.1f ms %9.1f ms %7.2f\n", "lecture load, warm (median of 20 pages)", sw, bw, sw / bw);
    return 0;
}
