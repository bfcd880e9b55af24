// Random mouse and key input across every screen of the program: whatever
// anyone clicks or types, nothing crashes, no window is left stranded and
// the program never ends behind the user's back. Every message box is
// answered (the exit question with Cancel) and every other modal window is
// closed after a while, so that nothing blocks the run.
//
//   MONKEY_EVENTS  number of input actions (default 6000)
//   MONKEY_SEED    seed of the run (default: from the clock; always printed)
//   MONKEY_TRACE   when set, every action is written to stderr before it
//                  runs, so that a crash names the action that caused it
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestingCourse.h"
#include "tests/support/ViewerDriver.h"
#include "platform/Screen.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <optional>

namespace {

qint64 envNumber(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

struct Key {
    int code;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// The keys a user reaches for: focus moves, confirmations, the help key,
// editing keys, Latin and Cyrillic letters, digits and a few shortcuts.
QList<Key> keyboard()
{
    QList<Key> keys{
        {Qt::Key_Tab, Qt::NoModifier, "\t"},        {Qt::Key_Backtab, Qt::ShiftModifier, {}},
        {Qt::Key_Return, Qt::NoModifier, "\r"},     {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b"},   {Qt::Key_Space, Qt::NoModifier, " "},
        {Qt::Key_F1, Qt::NoModifier, {}},           {Qt::Key_F2, Qt::NoModifier, {}},
        {Qt::Key_Up, Qt::NoModifier, {}},           {Qt::Key_Down, Qt::NoModifier, {}},
        {Qt::Key_Left, Qt::NoModifier, {}},         {Qt::Key_Right, Qt::NoModifier, {}},
        {Qt::Key_PageUp, Qt::NoModifier, {}},       {Qt::Key_PageDown, Qt::NoModifier, {}},
        {Qt::Key_Home, Qt::NoModifier, {}},         {Qt::Key_End, Qt::NoModifier, {}},
        {Qt::Key_Backspace, Qt::NoModifier, "\b"},  {Qt::Key_Delete, Qt::NoModifier, "\x7f"},
        {Qt::Key_Insert, Qt::NoModifier, {}},       {Qt::Key_A, Qt::ControlModifier, {}},
        {Qt::Key_C, Qt::ControlModifier, {}},       {Qt::Key_V, Qt::ControlModifier, {}},
        {Qt::Key_F, Qt::ControlModifier, {}},       {Qt::Key_Z, Qt::ControlModifier, {}},
        {Qt::Key_Plus, Qt::NoModifier, "+"},        {Qt::Key_Minus, Qt::NoModifier, "-"},
        {Qt::Key_Apostrophe, Qt::NoModifier, "'"},  {Qt::Key_Percent, Qt::NoModifier, "%"},
    };
    for (char c = 'a'; c <= 'z'; ++c)
        keys.append({Qt::Key_A + (c - 'a'), Qt::NoModifier, QString(QChar(c))});
    for (char c = '0'; c <= '9'; ++c)
        keys.append({Qt::Key_0 + (c - '0'), Qt::NoModifier, QString(QChar(c))});
    // A Russian layout sends the text with no key code of its own.
    for (const QChar c : QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАЯ"))
        keys.append({0, Qt::NoModifier, QString(c)});
    return keys;
}

// The windows the user can see and reach now. Message boxes are left to
// the answerer: a random Tab and Space on the exit question would end the
// program, which no run of this test may do.
QList<QWidget*> reachableWindows()
{
    QList<QWidget*> result;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle() && !qobject_cast<QMessageBox*>(w))
            result << w;
    return result;
}

constexpr qint64 kJumpEvery = 150;

class Monkey : public QObject {
public:
    Monkey(qint64 events, quint64 seed) : events_(events), random_(seed), keys_(keyboard())
    {
        answerer_.setInterval(10);
        connect(&answerer_, &QTimer::timeout, this, [this] { answerModals(); });
    }

    // Runs to the last action; false with a reason when the run went wrong.
    bool run(QString* failure)
    {
        answerer_.start();
        QTimer::singleShot(0, this, [this] { step(); });
        loop_.exec();
        // The last actions may have left boxes open: answer them all.
        QElapsedTimer drain;
        drain.start();
        while (QApplication::activeModalWidget() && drain.elapsed() < 10000)
            QTest::qWait(20);
        answerer_.stop();
        *failure = failure_;
        return failure_.isEmpty();
    }

    qint64 sent() const { return sent_; }
    qint64 stranded() const { return stranded_; }
    qint64 modalsClosed() const { return modalsClosed_; }
    const QMap<QString, qint64>& perWindow() const { return perWindow_; }

private:
    void step()
    {
        if (sent_ >= events_ || !failure_.isEmpty()) {
            loop_.quit();
            return;
        }
        // The next step is due before this one acts: an action that opens a
        // modal window runs its own event loop, and the run goes on in it.
        QTimer::singleShot(0, this, [this] { step(); });
        ++sent_;

        if (sent_ % kJumpEvery == 0 && !QApplication::activeModalWidget())
            jump();
        QList<QWidget*> windows = reachableWindows();
        if (windows.isEmpty()) {
            if (QApplication::activeModalWidget())
                return;  // only a message box is up: the answerer's turn
            // No window left to the user: note it and bring the menu back.
            ++stranded_;
            qWarning("monkey: no window on screen after action %lld (%s)", sent_, qPrintable(lastAction_));
            showScreen(screens().Form1);
            return;
        }
        QWidget* window = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && windows.contains(modal) && random_.bounded(10) < 8)
            window = modal;
        else
            window = windows[random_.bounded(int(windows.size()))];
        perWindow_[QString::fromLatin1(window->metaObject()->className())]++;
        act(window);

        if (screens().Form1 && screens().Form1->exiting())
            failure_ = QStringLiteral("the program was ended after action %1 (%2)").arg(sent_).arg(lastAction_);
    }

    // Now and then the user goes somewhere else the way the menu and the
    // sign-in screen lead: one of the screens the menu opens, or the testing
    // screens after a student's or the administrator's sign-in. Random
    // clicks alone stay on the first dialog they open for too long.
    void jump()
    {
        for (QWidget* w : reachableWindows())
            hideScreen(w);
        const int where = random_.bounded(8);
        const char* entries[] = {"Form1", "Form5", "Form8", "Form24", "Present", "Video"};
        if (where < 6) {
            showScreen(screenByEntry(entries[where]));
        } else {
            showScreen(screens().Form1);
            if (where == 6)
                signIn(QStringLiteral("student"), QStringLiteral("student"));
            else
                signIn(QStringLiteral("Chiefexaminer"), QStringLiteral("Admin2026"));
        }
        note(QStringLiteral("jump %1").arg(where));
    }

    // A point inside the window, half of the time inside one of its visible
    // controls so that small buttons get their share of clicks.
    QPoint pointIn(QWidget* window)
    {
        const QList<QWidget*> children = window->findChildren<QWidget*>();
        if (!children.isEmpty() && random_.bounded(2) == 0) {
            QWidget* child = children[random_.bounded(int(children.size()))];
            if (child->isVisible() && child->width() > 0 && child->height() > 0) {
                const QPoint inside(random_.bounded(child->width()), random_.bounded(child->height()));
                return child->mapTo(window, inside);
            }
        }
        return QPoint(random_.bounded(qMax(1, window->width())), random_.bounded(qMax(1, window->height())));
    }

    void mouse(QWindow* w, QPoint at, QEvent::Type type, Qt::MouseButton button)
    {
        if (type == QEvent::MouseButtonPress)
            buttons_ |= button;
        else if (type == QEvent::MouseButtonRelease)
            buttons_ &= ~button;
        timestamp_ += 1 + random_.bounded(60);
        qt_handleMouseEvent(w, at, w->mapToGlobal(at), buttons_, type == QEvent::MouseMove ? Qt::NoButton : button,
                            type, modifiers_, int(timestamp_));
    }

    void act(QWidget* window)
    {
        // Delivered at once, like the window system's own events, without a
        // pass of the event loop in between: timers and page loads run
        // between the steps.
        QPointer<QWindow> w = window->windowHandle();
        const QPoint at = pointIn(window);
        const int roll = random_.bounded(100);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                           Qt::MiddleButton};
        const Qt::MouseButton button = buttons[random_.bounded(5)];
        modifiers_ = random_.bounded(20) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        const Key& key = keys_[random_.bounded(int(keys_.size()))];
        QWidget* under = window->childAt(at);
        note(QStringLiteral("%1 (button %2, key %3) at %4,%5 on %6 in %7")
                 .arg(roll).arg(int(button)).arg(key.code, 0, 16).arg(at.x()).arg(at.y())
                 .arg(under ? under->metaObject()->className() : "-").arg(window->metaObject()->className()));
        if (roll < 20) {
            mouse(w, at, QEvent::MouseMove, Qt::NoButton);
        } else if (roll < 50) {
            mouse(w, at, QEvent::MouseButtonPress, button);
            if (w)
                mouse(w, at, QEvent::MouseButtonRelease, button);
        } else if (roll < 58) {
            // Two clicks within the double-click time.
            for (int i = 0; i < 2 && w; ++i) {
                mouse(w, at, QEvent::MouseButtonPress, Qt::LeftButton);
                if (w)
                    mouse(w, at, QEvent::MouseButtonRelease, Qt::LeftButton);
            }
        } else if (roll < 64) {
            // A drag: pressed here, released somewhere else.
            mouse(w, at, QEvent::MouseButtonPress, Qt::LeftButton);
            const QPoint to = pointIn(window);
            if (w)
                mouse(w, to, QEvent::MouseMove, Qt::NoButton);
            if (w)
                mouse(w, to, QEvent::MouseButtonRelease, Qt::LeftButton);
        } else if (roll < 67) {
            const QPoint angle(0, random_.bounded(2) ? 120 : -120);
            QWidget* target = under ? under : window;
            QWheelEvent wheel(target->mapFrom(window, at), window->mapToGlobal(at), QPoint(), angle, buttons_,
                              modifiers_, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        } else {
            const QString text = key.modifiers & Qt::ControlModifier ? QString() : key.text;
            qt_handleKeyEvent(w, QEvent::KeyPress, key.code, key.modifiers, text);
            if (w)
                qt_handleKeyEvent(w, QEvent::KeyRelease, key.code, key.modifiers, text);
        }
        buttons_ = Qt::NoButton;
    }

    // Message boxes are answered within a tick or two, Cancel where there
    // is one; other modal windows (printing, preview) are closed after the
    // monkey has had a few goes at them.
    void answerModals()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            openModal_.clear();
            return;
        }
        if (modal != openModal_) {
            openModal_ = modal;
            modalSince_ = sent_;
            modalLife_ = qobject_cast<QMessageBox*>(modal) ? 0 : 1 + random_.bounded(30);
            modalClock_.start();
            return;
        }
        if (sent_ - modalSince_ < modalLife_ && modalClock_.elapsed() < 3000)
            return;
        ++modalsClosed_;
        openModal_.clear();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* answer = box->button(QMessageBox::Cancel);
            if (!answer)
                answer = box->escapeButton();
            if (answer)
                answer->click();
            else
                box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    void note(const QString& action)
    {
        lastAction_ = action;
        if (trace_)
            fprintf(stderr, "monkey %lld: %s\n", sent_, qPrintable(action));
    }

    const qint64 events_;
    const bool trace_ = qEnvironmentVariableIsSet("MONKEY_TRACE");
    QRandomGenerator random_;
    const QList<Key> keys_;
    QEventLoop loop_;
    QTimer answerer_;
    QPointer<QWidget> openModal_;
    qint64 modalSince_ = 0;
    int modalLife_ = 0;
    QElapsedTimer modalClock_;
    qint64 sent_ = 0;
    qint64 stranded_ = 0;
    qint64 modalsClosed_ = 0;
    qint64 timestamp_ = 1000;
    Qt::MouseButtons buttons_ = Qt::NoButton;
    Qt::KeyboardModifiers modifiers_ = Qt::NoModifier;
    QString lastAction_;
    QString failure_;
    QMap<QString, qint64> perWindow_;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomInputAcrossAllScreens()
    {
        const qint64 events = envNumber("MONKEY_EVENTS", 6000);
        const quint64 seed = quint64(envNumber("MONKEY_SEED", QDateTime::currentMSecsSinceEpoch()));
        qInfo("monkey: %lld actions, seed %llu (MONKEY_SEED=%llu repeats the run)", events, seed, seed);

        TestingCourse course;
        writeCoursePages(course.folder());
        Monkey monkey(events, seed);
        QElapsedTimer clock;
        clock.start();
        QString failure;
        const bool ok = monkey.run(&failure);
        const double seconds = clock.elapsed() / 1000.0;
        qInfo("monkey: %lld actions in %.1f s (%.0f/s), %lld modal windows answered, %lld times stranded",
              monkey.sent(), seconds, monkey.sent() / qMax(seconds, 0.001), monkey.modalsClosed(), monkey.stranded());
        for (auto it = monkey.perWindow().begin(); it != monkey.perWindow().end(); ++it)
            qInfo("monkey:   %-24s %lld", qPrintable(it.key()), it.value());
        QVERIFY2(ok, qPrintable(failure));
        QCOMPARE(monkey.sent(), events);
        QCOMPARE(monkey.stranded(), qint64(0));
        // Still a working program: the menu comes back and answers.
        QVERIFY(!screens().Form1->exiting());
    }
};

SHELL_TEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
