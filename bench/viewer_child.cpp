// One run of a lecture page load, either through the lectures screen (a
// click in its tree) or through a bare QWebEngineView of the same size.
// Prints the first (cold) load and the median of the later (warm) loads,
// each in milliseconds from the click or the load call to loadFinished.
#include "bench/BenchSupport.h"
#include "platform/ShellApplication.h"
#include "platform/WebBrowser.h"
#include "shell/ScreenRegistry.h"
#include "viewer/TopicViewer.h"
#include "viewer/Unit8.h"
#include <QDir>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <functional>

namespace {

constexpr int kWarmLoads = 20;
// The user reads the tree a moment before clicking; the window is up by then.
constexpr int kPauseBeforeFirstClickMs = 500;

// Runs `start` and waits for the signal-emitting object's loadFinished.
template <class Sender>
double timeLoad(Sender* sender, const std::function<void()>& start)
{
    QEventLoop loop;
    const auto c = QObject::connect(sender, &Sender::loadFinished, &loop, [&] { loop.quit(); });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    const long long t0 = monotonicNs();
    start();
    loop.exec();
    const long long t1 = monotonicNs();
    QObject::disconnect(c);
    return (t1 - t0) / 1e6;
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void report(double cold, std::vector<double> warm)
{
    std::printf("%.3f %.3f\n", cold, median(std::move(warm)));
    std::fflush(stdout);
}

int shell(int argc, char** argv)
{
    ShellApplication app(argc, argv);
    createScreens();
    TopicViewer* viewer = screens().Form8;
    showScreen(viewer);
    pause(kPauseBeforeFirstClickMs);
    QTreeWidget* tree = viewer->controls().TreeView1;
    viewer->nodeAt(0)->setExpanded(true);
    const auto clickNode = [&](int flatIndex) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(viewer->nodeAt(flatIndex)).center());
    };
    WebBrowser* browser = viewer->controls().WebBrowser1;
    const double cold = timeLoad(browser, [&] { clickNode(1); });
    std::vector<double> warm;
    for (int i = 0; i < kWarmLoads; ++i)
        warm.push_back(timeLoad(browser, [&] { clickNode(1 + (i + 1) % 2); }));
    report(cold, warm);
    releaseScreens();
    return 0;
}

int bare(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(752, 620);
    view.show();
    pause(kPauseBeforeFirstClickMs);
    const QUrl pages[] = {QUrl::fromLocalFile(QDir::current().absoluteFilePath("HTML/telecom/page1_L.html")),
                          QUrl::fromLocalFile(QDir::current().absoluteFilePath("HTML/telecom/page2_L.html"))};
    const double cold = timeLoad(&view, [&] { view.load(pages[0]); });
    std::vector<double> warm;
    for (int i = 0; i < kWarmLoads; ++i)
        warm.push_back(timeLoad(&view, [&] { view.load(pages[(i + 1) % 2]); }));
    report(cold, warm);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    ShellApplication::prepare();
    if (argc > 1 && qstrcmp(argv[1], "bare") == 0)
        return bare(argc, argv);
    return shell(argc, argv);
}
