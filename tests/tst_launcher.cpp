// Course files: every trigger hands its own absolute path to the desktop.
#include "shell/CourseFiles.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "shell/Unit44.h"
#include "shell/Unit45.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestMain.h"
#include <QPushButton>

namespace {

// Presses the trigger the way a user would: a click on a menu label, a
// click on a button.
void press(const CourseFile& f)
{
    QWidget* screen = screenByEntry(f.screen.toLatin1().constData());
    auto* trigger = screen->findChild<QWidget*>(f.control);
    QVERIFY2(trigger, qPrintable(f.control));
    if (auto* button = qobject_cast<QPushButton*>(trigger)) {
        QCOMPARE(button->text(), f.caption);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        QCOMPARE(trigger->property("text").toString(), f.caption);
        QTest::mouseClick(trigger, Qt::LeftButton, {}, QPoint(3, 3));
    }
}

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT
private slots:
    void init() { createScreens(); }
    void cleanup() { releaseScreens(); }

    void catalogueHasFifteenFiles() { QCOMPARE(courseFileCatalogue().size(), size_t(15)); }

    void everyTriggerOpensItsFile_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < courseFileCatalogue().size(); ++i) {
            const CourseFile& f = courseFileCatalogue()[i];
            QTest::newRow(qPrintable(f.screen + "." + f.control)) << int(i);
        }
    }
    void everyTriggerOpensItsFile()
    {
        QFETCH(int, row);
        const CourseFile& f = courseFileCatalogue()[row];
        CourseFolder folder;
        QString expected = folder.path() + "/" + QString(f.path).replace('\\', '/');
        folder.write(QString(f.path).replace('\\', '/'), "x");
        QWidget* screen = screenByEntry(f.screen.toLatin1().constData());
        showScreen(screen);
        press(f);
        QTRY_COMPARE(folder.launched(), QStringList{expected});
        // The triggering screen stays as it was; a second press hands the
        // same file over again.
        QVERIFY(screen->isVisible());
        press(f);
        QTRY_COMPARE(folder.launched(), (QStringList{expected, expected}));
    }

    // A focused button acts on Space, Return and the keypad's Enter alike.
    void focusedButtonActsOnItsKeys_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("key");
        for (const char* entry : {"Present", "Video"}) {
            QTest::addRow("%s, Space", entry) << entry << int(Qt::Key_Space);
            QTest::addRow("%s, Return", entry) << entry << int(Qt::Key_Return);
            QTest::addRow("%s, Enter", entry) << entry << int(Qt::Key_Enter);
        }
    }
    void focusedButtonActsOnItsKeys()
    {
        QFETCH(QString, entry);
        QFETCH(int, key);
        const QString file = courseFileOf(entry, "BitBtn2");
        CourseFolder folder;
        folder.write(QString(file).replace('\\', '/'), "x");
        QWidget* screen = screenByEntry(entry.toLatin1().constData());
        showScreen(screen);
        auto* button = screen->findChild<QPushButton*>("BitBtn2");
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
        QTRY_COMPARE(folder.launched(), QStringList{folder.path() + "/" + QString(file).replace('\\', '/')});
    }

    void exactNamesWhereCaptionsDiffer()
    {
        QCOMPARE(courseFileOf("Present", "BitBtn5"), QString("docs\\Беспроводная локальная сеть.ppt"));
        QCOMPARE(courseFileOf("Form1", "Label6"), QString("docs\\Материалы СРС.doc"));
        QCOMPARE(courseFileOf("Present", "BitBtn9"), QString("docs\\Методы, функции и события JavaScript.ppt"));
    }

    void withoutDocsTheProgramSaysNothing()
    {
        CourseFolder folder;  // no docs folder here
        ModalAnswerer answers;
        QTest::mouseClick(screens().Form1->findChild<QWidget*>("btnUchebnik"), Qt::LeftButton, {}, QPoint(3, 3));
        QTRY_COMPARE(folder.launched().size(), 1);
        QTest::qWait(100);
        QVERIFY(answers.boxes().empty());
        QVERIFY(screens().Form1->isVisible());
    }

    void closingEitherScreenBringsBackTheMainMenu()
    {
        for (const char* entry : {"Present", "Video"}) {
            hideScreen(screenByEntry("Form1"));
            showScreen(screenByEntry(entry));
            screenByEntry(entry)->close();
            QVERIFY(screenByEntry("Form1")->isVisible());
            QVERIFY(!screenByEntry(entry)->isVisible());
        }
    }

    void tabOrderFollowsTheButtons()
    {
        QStringList order;
        QWidget* w = screens().Present->findChild<QWidget*>("BitBtn1");
        for (int i = 0; i < 8; ++i, w = w->nextInFocusChain())
            order << w->objectName();
        QCOMPARE(order, (QStringList{"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn7", "BitBtn8", "BitBtn9"}));
    }

    void videoKeepsItsClientSize()
    {
        QWidget* video = screenByEntry("Video");
        showScreen(video);
        video->resize(900, 600);
        QCOMPARE(video->size(), QSize(601, 209));
    }
};

SHELL_TEST_MAIN(LauncherTest)
#include "tst_launcher.moc"
