#pragma once
// What the benchmarks share: a monotonic clock, the median, the arguments
// of a parent that times child processes, and one run of such a child.
#include <QByteArrayList>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

template <class T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct BenchArguments {
    QString child;  // absolute path of the child program
    QString course; // the course folder it runs in
};

// "<name> <child> <course dir>"; also readies the children's environment
// (offscreen without a display, the browser's sandbox off as root).
inline std::optional<BenchArguments> benchArguments(int argc, char** argv, const char* name)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <child> <course dir>\n", name);
        return std::nullopt;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return BenchArguments{QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(),
                          QString::fromLocal8Bit(argv[2])};
}

// Runs the child once in the course folder and returns the words of its
// output; fewer than `words` is a failed run, reported on stderr. The
// child's start time is stored in *startNs when asked for.
inline QByteArrayList runChild(const BenchArguments& args, const QString& mode, qsizetype words,
                               long long* startNs = nullptr)
{
    QProcess p;
    p.setWorkingDirectory(args.course);
    if (startNs)
        *startNs = monotonicNs();
    p.start(args.child, {mode});
    p.waitForFinished(120000);
    const QByteArrayList out = p.readAllStandardOutput().trimmed().split(' ');
    if (out.size() < words) {
        std::fprintf(stderr, "%s run failed: %s\n", qPrintable(mode), p.readAllStandardError().constData());
        return {};
    }
    return out;
}
