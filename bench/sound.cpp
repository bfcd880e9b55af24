// The main menu's hover sound: 1,000 calls of the program's sound call,
// each restarting the sound, against 1,000 restarts of a bare QSoundEffect
// on the same file. Run from the course folder.
#include "bench/BenchTable.h"
#include "platform/AsyncSound.h"
#include "platform/CoursePath.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QUrl>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString sound = QStringLiteral("Audio\\movve.wav");
    constexpr int kCalls = 1000;

    AsyncSound ours;
    ours.play(sound);  // the first call starts the audio back end: not what a hover costs
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kCalls; ++i)
        ours.play(sound);
    const double oursUs = t.nsecsElapsed() / 1e3 / kCalls;

    QSoundEffect bare;
    bare.setSource(QUrl::fromLocalFile(courseFilePath(sound)));
    bare.play();
    t.restart();
    for (int i = 0; i < kCalls; ++i)
        bare.play();
    const double bareUs = t.nsecsElapsed() / 1e3 / kCalls;

    benchRow("hover sound call, 1,000 calls / bare QSoundEffect", oursUs, bareUs, "us");
    return 0;
}
