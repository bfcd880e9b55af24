// One start of either the course shell's screens or an empty window; prints
// the monotonic clock and the resident memory at the window's first paint.
#include "bench/BenchSupport.h"
#include "platform/ShellApplication.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include <QFile>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* w) : target_(w) { w->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == target_ && e->type() == QEvent::Paint && !done_) {
            done_ = true;
            // After this paint has been drawn and flushed.
            QTimer::singleShot(0, [] {
                std::printf("%lld %ld\n", monotonicNs(), residentKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* target_;
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    const bool empty = argc > 1 && qstrcmp(argv[1], "empty") == 0;
    const bool label = argc > 1 && qstrcmp(argv[1], "label") == 0;
    ShellApplication::prepare();
    if (empty || label) {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(804, 495);
        // The same window with one line of text: what the font system costs.
        QLabel text(QStringLiteral("Учебник"), &window);
        text.setVisible(label);
        FirstPaint probe(&window);
        window.show();
        return app.exec();
    }
    ShellApplication app(argc, argv);
    createScreens();
    FirstPaint probe(screens().Form1);
    const int status = app.exec();
    releaseScreens();
    return status;
}
