// Print, print preview and find of the viewer screens: what they do with a
// page shown and what they do before the first page.
#include "platform/FindDialog.h"
#include "platform/ShellApplication.h"
#include "platform/ShellError.h"
#include "platform/WebBrowser.h"
#include "shell/ScreenRegistry.h"
#include "viewer/TopicViewer.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestMain.h"
#include "tests/support/ViewerDriver.h"
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

namespace {

void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }

// Runs `act` on the first modal dialog of type T that comes up, from the
// event loop, while the code that opened it waits in its own loop.
template <class T>
class DialogWatcher {
public:
    explicit DialogWatcher(std::function<bool(T*)> act) : act_(std::move(act))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog || done_)
                return;
            if (act_(dialog)) {
                done_ = true;
                dialog->reject();
            }
        });
        timer_.start();
    }
    bool seen() const { return done_; }

private:
    std::function<bool(T*)> act_;
    QTimer timer_;
    bool done_ = false;
};

} // namespace

class BrowserTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ViewerCourse> course;
    CourseFolder* folder = nullptr;

private slots:
    void init()
    {
        course = std::make_unique<ViewerCourse>();
        folder = &course->folder;
    }
    void cleanup()
    {
        course.reset();
    }

    void beforeAnyPage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("reports");
        QTest::newRow("print") << "BitBtn1" << true;
        QTest::newRow("preview") << "BitBtn2" << true;
        QTest::newRow("find") << "BitBtn3" << false;
    }
    void beforeAnyPage()
    {
        QFETCH(QString, button);
        QFETCH(bool, reports);
        TopicViewer* v = viewerScreen("Form8");
        showScreen(v);
        ModalAnswerer answers;
        click(v->findChild<QPushButton*>(button));
        QTest::qWait(50);
        QCOMPARE(answers.boxes().size(), size_t(reports ? 1 : 0));
        if (reports) {
            QCOMPARE(answers.boxes()[0].caption, ShellApplication::title());
            QCOMPARE(answers.boxes()[0].icon, QMessageBox::Critical);
            QCOMPARE(answers.boxes()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QVERIFY(!browserOf(v).findDialog());
        // The screen goes on working.
        QVERIFY(clickNodeAndWait(v, 3));
        QCOMPARE(v->windowTitle(), QString("Тема 3. КОММУТАЦИЯ В ТЕЛЕКОММУНИКАЦИЯХ"));
    }

    void navigateRefusesARelativePath()
    {
        WebBrowser& browser = browserOf(viewerScreen("Form8"));
        QVERIFY_THROWS_EXCEPTION(ShellError, browser.navigate("HTML/page0_L.html"));
        QVERIFY(!browser.hasDocument());
    }

    void previewRendersTheShownPage()
    {
        TopicViewer* v = viewerScreen("Form24");
        showScreen(v);
        QVERIFY(clickNodeAndWait(v, 1));
        int pages = 0;
        DialogWatcher<QPrintPreviewDialog> watcher([&](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            pages = preview ? preview->pageCount() : 0;
            return pages > 0;
        });
        click(v->controls().BitBtn2);
        QVERIFY(watcher.seen());
        QVERIFY(pages >= 1);
        // A second preview is drawn again, not refused as still printing.
        pages = 0;
        DialogWatcher<QPrintPreviewDialog> again([&](QPrintPreviewDialog* dialog) {
            pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
            return pages > 0;
        });
        click(v->controls().BitBtn2);
        QVERIFY(again.seen());
    }

    void previewTakesNoInputWhileItsPagesAreDrawn()
    {
        // Input reaching Qt's preview while the engine still draws into its
        // printer (a new orientation, say) crashed the engine's print worker.
        TopicViewer* v = viewerScreen("Form24");
        showScreen(v);
        QVERIFY(clickNodeAndWait(v, 1));
        bool busy = false, redrawn = false, enabledWhileDrawing = true;
        DialogWatcher<QPrintPreviewDialog> watcher([&](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            if (busy || !preview || preview->pageCount() == 0)
                return false;
            busy = true;
            QTimer::singleShot(0, dialog, [&, dialog] { enabledWhileDrawing = dialog->isEnabled(); });
            preview->setLandscapeOrientation();  // draws the pages again, waiting for the engine
            busy = false;
            redrawn = true;
            return dialog->isEnabled();
        });
        click(v->controls().BitBtn2);
        QVERIFY(watcher.seen());
        QVERIFY(redrawn);
        QVERIFY(!enabledWhileDrawing);
    }

    void aPageAskedForWhilePrintingWaitsForThePrint()
    {
        // A page loaded under a running print left the engine's print
        // worker with no pages, and it crashed on them.
        TopicViewer* v = viewerScreen("Form24");
        showScreen(v);
        QVERIFY(clickNodeAndWait(v, 1));
        WebBrowser& browser = browserOf(v);
        const QString next = folder->file(QStringLiteral("HTML/Avtory_.html"));
        QSignalSpy started(browser.view(), &QWebEngineView::loadStarted);
        int startedDuringPrint = -1;
        connect(browser.view(), &QWebEngineView::printFinished, this,
                [&] { startedDuringPrint = started.count(); }, Qt::SingleShotConnection);
        // Runs inside the wait for the preview's pages.
        QTimer::singleShot(0, v, [&] { browser.navigate(next); });
        DialogWatcher<QPrintPreviewDialog> watcher([](QPrintPreviewDialog* dialog) {
            return dialog->findChild<QPrintPreviewWidget*>()->pageCount() > 0;
        });
        click(v->controls().BitBtn2);
        QVERIFY(watcher.seen());
        QCOMPARE(startedDuringPrint, 0);
        QTRY_COMPARE_WITH_TIMEOUT(shownUrl(v).toLocalFile(), next, 20000);
    }

    // What else may happen to the page while it prints: a link followed in
    // it, Reload, Stop and Save page each took the print's frame or state
    // away from under the engine, and the program died.
    void thePageHoldsStillWhileItPrints_data()
    {
        QTest::addColumn<QString>("act");
        QTest::newRow("link followed") << "link";
        QTest::newRow("reload") << "reload";
        QTest::newRow("stop") << "stop";
        QTest::newRow("save page") << "save";
    }
    void thePageHoldsStillWhileItPrints()
    {
        QFETCH(QString, act);
        TopicViewer* v = viewerScreen("Form24");
        showScreen(v);
        QVERIFY(clickNodeAndWait(v, 1));
        WebBrowser& browser = browserOf(v);
        QWebEnginePage* page = browser.view()->page();
        const QUrl shown = shownUrl(v);
        const QString next = folder->file(QStringLiteral("HTML/Avtory_.html"));
        QSignalSpy loaded(&browser, &WebBrowser::loadFinished);
        QUrl shownAtPrintEnd;
        connect(browser.view(), &QWebEngineView::printFinished, this,
                [&] { shownAtPrintEnd = shownUrl(v); }, Qt::SingleShotConnection);
        // Runs inside the wait for the preview's pages.
        QTimer::singleShot(0, v, [&] {
            if (act == "link")
                page->setUrl(QUrl::fromLocalFile(next));  // as a link in the page asks
            else if (act == "reload")
                page->triggerAction(QWebEnginePage::Reload);
            else if (act == "stop")
                page->triggerAction(QWebEnginePage::Stop);
            else
                page->triggerAction(QWebEnginePage::SavePage);
        });
        DialogWatcher<QPrintPreviewDialog> watcher([](QPrintPreviewDialog* dialog) {
            return dialog->findChild<QPrintPreviewWidget*>()->pageCount() > 0;
        });
        click(v->controls().BitBtn2);
        QVERIFY(watcher.seen());
        QCOMPARE(shownAtPrintEnd, shown);
        if (act == "link") {
            // Followed once the print has ended.
            QTRY_VERIFY_WITH_TIMEOUT(shownUrl(v).toLocalFile() == next && !loaded.isEmpty()
                                         && loaded.last().first().toBool(),
                                     20000);
        } else {
            QTest::qWait(300);
            QCOMPARE(shownUrl(v), shown);
        }
        // Nothing is left pending: the page prints again.
        ModalAnswerer answers;
        DialogWatcher<QPrintPreviewDialog> again([](QPrintPreviewDialog* dialog) {
            return dialog->findChild<QPrintPreviewWidget*>()->pageCount() > 0;
        });
        click(v->controls().BitBtn2);
        QVERIFY(again.seen());
        QCOMPARE(answers.boxes().size(), size_t(0));
    }

    void printOpensThePrintDialog()
    {
        TopicViewer* v = viewerScreen("Form8");
        showScreen(v);
        QVERIFY(clickNodeAndWait(v, 9));
        ModalAnswerer answers;
        DialogWatcher<QPrintDialog> watcher([](QPrintDialog*) { return true; });
        click(v->controls().BitBtn1);
        QVERIFY(watcher.seen());
        QCOMPARE(answers.boxes().size(), size_t(0));  // cancelled: nothing to report
    }

    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("outcome");
        // The page reads "Альфа бета альфа. АЛЬФА-канал."; each search goes
        // on from the match of "бета" found before it.
        QTest::newRow("any case") << "альфа" << false << "Совпадение 2 из 3";
        QTest::newRow("matching case") << "альфа" << true << "Совпадение 1 из 1";
        QTest::newRow("capitals") << "АЛЬФА" << true << "Совпадение 1 из 1";
        QTest::newRow("absent") << "гамма" << false << "Не удаётся найти «гамма»";
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(QString, outcome);
        TopicViewer* v = viewerScreen("Form8");
        showScreen(v);
        QVERIFY(clickNodeAndWait(v, 2));
        ModalAnswerer answers;
        click(v->controls().BitBtn3);
        FindDialog* dialog = browserOf(v).findDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        // Another search first, with other flags, must not steer this one.
        dialog->textField()->setText("бета");
        QSignalSpy searched(dialog, &FindDialog::searched);
        click(dialog->findNextButton());
        QVERIFY(searched.wait(5000));
        dialog->textField()->setText(text);
        dialog->findChild<QCheckBox*>()->setChecked(matchCase);
        click(dialog->findNextButton());
        QVERIFY(searched.wait(5000));
        QCOMPARE(dialog->outcome(), outcome);
        // Clicking find again brings up the same dialog.
        dialog->close();
        click(v->controls().BitBtn3);
        QCOMPARE(browserOf(v).findDialog(), dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(answers.boxes().size(), size_t(0));
    }
};

SHELL_TEST_MAIN(BrowserTest)
#include "tst_browser.moc"
