// The topic viewer screens: which page and caption each tree node brings
// up, what loads nothing, the state kept between showings, the status bar.
#include "platform/PanelStatusBar.h"
#include "platform/WebBrowser.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "ui_Unit1.h"
#include "viewer/TopicViewer.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestMain.h"
#include "tests/support/ViewerDriver.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QWebEngineView>
#include <QTreeWidget>
#include <memory>

namespace {

const QString kBefore = QStringLiteral("caption before the click");

QString shownFile(TopicViewer* v)
{
    return shownUrl(v).toLocalFile();
}

} // namespace

class ViewerTest : public QObject {
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
        QLocale::setDefault(QLocale::system());
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("node");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("caption");  // empty: left as it was
        const struct {
            const char* screen;
            int node;
            const char* text;
            const char* page;
            const char* caption;
        } rows[] = {
            {"Form8", 0, "ТЕЛЛЕКОММУНИКАЦИИ", "HTML/page0_L.html", ""},
            {"Form8", 1, "1 Телекоммуникации", "HTML/telecom/page1_L.html", "Тема  1. ТЕЛЕКОММУНИКАЦИИ"},
            {"Form8", 2, "2 Преобразователи. Линии связи", "HTML/telecom/page2_L.html", "Тема 2. ПРЕОБРАЗОВАТЕЛИ. ЛИНИИ СВЯЗИ"},
            {"Form8", 3, "3 Коммутация в телекоммуникациях", "HTML/telecom/page3_L.html", "Тема 3. КОММУТАЦИЯ В ТЕЛЕКОММУНИКАЦИЯХ"},
            {"Form8", 4, "4 Телекоммуникационные сети и технологии", "HTML/telecom/page4_L.html", "Тема 4. ТЕЛЕКОММУНИКАЦИОННЫЕ СЕТИ И ТЕХНОЛОГИИ"},
            {"Form8", 5, "5 Мобильные коммуникации", "HTML/telecom/page5_L.html", "Тема 5. МОБИЛЬНЫЕ КОММУНИКАЦИИ"},
            {"Form8", 6, "6 Системы мобильной связи", "HTML/telecom/page6_L.html", "Тема 6. СИСТЕМЫ МОБИЛЬНОЙ СВЯЗИ"},
            {"Form8", 7, "7 Системы IP-телефонии", "HTML/telecom/page7_L.html", "Тема 7. СИСТЕМЫ IP-ТЕЛЕФОНИИ"},
            {"Form8", 8, "ПРОГРАММИРОВАНИЕ НА JAVASCRIPT", "HTML/Page00_L.html", ""},
            {"Form8", 9, "1 Основы языка JavaScript", "HTML/JS/page8.html", "Тема 1. Основы языка JavaScript"},
            {"Form8", 10, "2 Операторы, выражения, функции", "HTML/JS/page9.html", "Тема 2. Операторы, выражения, функции"},
            {"Form8", 11, "3 Объектная модель", "HTML/JS/page10.html", ""},
            {"Form8", 12, "4 Классы и объекты языка JavaScript", "HTML/JS/page11.html", "Тема  4. Классы и объекты языка JavaScript"},
            {"Form8", 13, "5 Экранные формы", "HTML/JS/page12.html", "Тема 5. Экранные формы"},
            {"Form8", 14, "6 Классы для программной обработки данных", "HTML/JS/page13.html", "Тема 6. Классы для программной обработки данных"},
            {"Form24", 0, "О ПРОГРАММЕ", "HTML/index.html", "О программе"},
            {"Form24", 1, "1. Руководство пользователя", "HTML/rukovodstvo.html", "1. Руководство пользователя"},
            {"Form24", 2, "2. Авторы", "HTML/Avtory_.html", "2. Авторы"},
        };
        for (const auto& r : rows)
            QTest::addRow("%s node %d", r.screen, r.node) << r.screen << r.node << QString::fromUtf8(r.text)
                                                         << r.page << QString::fromUtf8(r.caption);
    }
    void catalogue()
    {
        QFETCH(QString, screen);
        QFETCH(int, node);
        QFETCH(QString, text);
        QFETCH(QString, page);
        QFETCH(QString, caption);
        TopicViewer* v = viewerScreen(qPrintable(screen));
        showScreen(v);
        QVERIFY(v->nodeAt(node));
        QCOMPARE(v->nodeAt(node)->text(0), text);
        v->setWindowTitle(kBefore);
        QVERIFY(clickNodeAndWait(v, node));
        QCOMPARE(shownFile(v), folder->file(page));
        QCOMPARE(browserOf(v).view()->title(), page);
        QCOMPARE(v->windowTitle(), caption.isEmpty() ? kBefore : caption);
    }

    void zoomBoxHiddenButReachedWithTab_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("lectures") << "Form8";
        QTest::newRow("about") << "Form24";
    }
    void zoomBoxHiddenButReachedWithTab()
    {
        QFETCH(QString, screen);
        TopicViewer* v = viewerScreen(qPrintable(screen));
        showScreen(v);
        QVERIFY(QTest::qWaitForWindowActive(v));
        const ViewerControls& c = v->controls();
        // Whatever point of the zoom box is tried, something lies on top:
        // the panel, and on the lectures screen the browser's top edge.
        const QRect box = c.ComboBoxEx1->geometry();
        for (const QPoint& p : {box.topLeft(), box.center(), box.bottomRight()}) {
            QWidget* hit = v->childAt(p);
            QVERIFY(hit);
            QVERIFY(hit != c.ComboBoxEx1 && !c.ComboBoxEx1->isAncestorOf(hit));
        }
        QCOMPARE(v->childAt(box.center())->parentWidget(), c.Panel1);
        const QList<QWidget*> order = {c.WebBrowser1, c.TreeView1, c.BitBtn1, c.BitBtn2,
                                       c.BitBtn3, c.BitBtn4, c.BitBtn5, c.ComboBoxEx1};
        c.WebBrowser1->setFocus();
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
    }

    void treeShape_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("nodes");
        QTest::addColumn<QList<int>>("roots");
        QTest::newRow("lectures") << "Form8" << 15 << QList<int>{0, 8};
        QTest::newRow("about") << "Form24" << 3 << QList<int>{0};
    }
    void treeShape()
    {
        QFETCH(QString, screen);
        QFETCH(int, nodes);
        QFETCH(QList<int>, roots);
        TopicViewer* v = viewerScreen(qPrintable(screen));
        QVERIFY(v->nodeAt(nodes - 1));
        QVERIFY(!v->nodeAt(nodes));
        for (int i = 0; i < nodes; ++i) {
            QCOMPARE(v->nodeAt(i)->parent() == nullptr, roots.contains(i));
            QVERIFY2(!v->nodeAt(i)->isExpanded(), "all nodes start collapsed");
        }
        QVERIFY(v->controls().TreeView1->selectedItems().isEmpty());
    }

    // A run of clicks, then the page shown and the caption.
    void sequences_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("caption");
        QTest::newRow("group page after a topic keeps the topic's caption")
            << "Form8" << QList<int>{10, 8} << "HTML/Page00_L.html" << "Тема 2. Операторы, выражения, функции";
        QTest::newRow("object model after topic 2")
            << "Form8" << QList<int>{10, 11} << "HTML/JS/page10.html" << "Тема 2. Операторы, выражения, функции";
        QTest::newRow("first group after a topic")
            << "Form8" << QList<int>{3, 0} << "HTML/page0_L.html" << "Тема 3. КОММУТАЦИЯ В ТЕЛЕКОММУНИКАЦИЯХ";
        QTest::newRow("same topic twice") << "Form8" << QList<int>{14, 14} << "HTML/JS/page13.html"
                                          << "Тема 6. Классы для программной обработки данных";
        QTest::newRow("about root after the authors") << "Form24" << QList<int>{2, 0} << "HTML/index.html" << "О программе";
    }
    void sequences()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, page);
        QFETCH(QString, caption);
        TopicViewer* v = viewerScreen(qPrintable(screen));
        showScreen(v);
        QSignalSpy loads(&browserOf(v), &WebBrowser::loadFinished);
        for (int node : clicks)
            QVERIFY(clickNodeAndWait(v, node));
        QCOMPARE(loads.size(), clicks.size());  // a second click loads again
        QCOMPARE(shownFile(v), folder->file(page));
        QCOMPARE(v->windowTitle(), caption);
    }

    void emptySpaceBeforeAnySelectionDoesNothing()
    {
        TopicViewer* v = viewerScreen("Form8");
        showScreen(v);
        clickEmptySpace(v);
        QVERIFY(!browserOf(v).hasDocument());
        QCOMPARE(v->windowTitle(), QString("Лекции"));
    }

    void keyboardAndOtherButtonsLoadNothing()
    {
        TopicViewer* v = viewerScreen("Form8");
        showScreen(v);
        QTreeWidget* tree = v->controls().TreeView1;
        v->nodeAt(8)->setExpanded(true);
        // The right and middle buttons neither load nor select.
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(v->nodeAt(9)).center());
            QVERIFY(!v->nodeAt(9)->isSelected());
        }
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Down);
        QVERIFY(v->nodeAt(9)->isSelected());
        QVERIFY(!browserOf(v).hasDocument());
        QCOMPARE(v->windowTitle(), QString("Лекции"));
        // The next click, even on empty space, loads the node then selected.
        QVERIFY(waitForLoad(browserOf(v), [&] { clickEmptySpace(v); }));
        QCOMPARE(shownFile(v), folder->file("HTML/JS/page8.html"));
        QCOMPARE(v->windowTitle(), QString("Тема 1. Основы языка JavaScript"));
    }

    void editedNodeTextChangesOnlyTheText()
    {
        TopicViewer* v = viewerScreen("Form8");
        showScreen(v);
        QTreeWidget* tree = v->controls().TreeView1;
        QVERIFY(clickNodeAndWait(v, 12));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "Moya tema");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(v->nodeAt(12)->text(0), QString("Moya tema"));
        QVERIFY(clickNodeAndWait(v, 1));
        QVERIFY(clickNodeAndWait(v, 12));
        QCOMPARE(shownFile(v), folder->file("HTML/JS/page11.html"));
        QCOMPARE(v->windowTitle(), QString("Тема  4. Классы и объекты языка JavaScript"));
    }

    void selectionShownOnlyWhileTheTreeHasFocus()
    {
        TopicViewer* v = viewerScreen("Form8");
        showScreen(v);
        QVERIFY(QTest::qWaitForWindowActive(v));
        QTreeWidget* tree = v->controls().TreeView1;
        const auto highlighted = [tree] {
            return tree->palette().color(QPalette::Highlight) != tree->palette().color(QPalette::Base);
        };
        QVERIFY(clickNodeAndWait(v, 1));
        tree->setFocus();
        QVERIFY(highlighted());
        v->controls().BitBtn3->setFocus();
        QVERIFY(!highlighted());
        QVERIFY(v->nodeAt(1)->isSelected());
        tree->setFocus();
        QVERIFY(highlighted());
    }

    void stateKeptAfterCloseAndReopen()
    {
        TopicViewer* v = viewerScreen("Form8");
        Ui::TForm1& menu = screens().Form1->ui();
        QTest::mouseClick(menu.Label1, Qt::LeftButton, {}, menu.Label1->rect().center());
        QVERIFY(v->isVisible());
        QVERIFY(clickNodeAndWait(v, 5));
        QTest::mouseClick(v->controls().BitBtn5, Qt::LeftButton, {}, QPoint(20, 15));
        const QPoint place = v->pos() + QPoint(17, 9);
        v->move(place);
        v->close();
        QVERIFY(!v->isVisible());
        QVERIFY(screens().Form1->isVisible());

        QTest::mouseClick(menu.Label1, Qt::LeftButton, {}, menu.Label1->rect().center());
        QVERIFY(v->isVisible());
        QCOMPARE(v->pos(), place);
        QCOMPARE(shownFile(v), folder->file("HTML/telecom/page5_L.html"));
        QVERIFY(v->nodeAt(5)->isSelected());
        QVERIFY(v->nodeAt(0)->isExpanded());
        QVERIFY(!v->nodeAt(8)->isExpanded());
        QCOMPARE(v->windowTitle(), QString("Тема 5. МОБИЛЬНЫЕ КОММУНИКАЦИИ"));
        QCOMPARE(v->controls().ComboBoxEx1->currentText(), QString("125%"));
        QCOMPARE(v->controls().Label1->text(), QString("125%"));
    }

    void missingPagesShowTheBrowsersOwnPage()
    {
        CourseFolder empty;  // no HTML folder here
        ModalAnswerer answers;
        TopicViewer* v = viewerScreen("Form24");
        showScreen(v);
        QSignalSpy loads(&browserOf(v), &WebBrowser::loadFinished);
        clickNode(v, 1);
        QVERIFY(loads.wait(20000));
        QCOMPARE(loads.first().first().toBool(), false);
        QCOMPARE(shownFile(v), empty.file("HTML/rukovodstvo.html"));
        QCOMPARE(v->windowTitle(), QString("1. Руководство пользователя"));
        QTest::qWait(100);
        QCOMPARE(answers.boxes().size(), size_t(0));
    }

    void statusBarFollowsLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::newRow("ru_RU") << "ru_RU" << R"(^\d\d:\d\d:\d\d$)" << R"(^\d\d\.\d\d\.\d{4}$)";
        QTest::newRow("en_US") << "en_US" << R"(^\d{1,2}:\d\d:\d\d\s?[AP]M$)" << R"(^\d{1,2}/\d{1,2}/\d\d$)";
        QTest::newRow("de_DE") << "de_DE" << R"(^\d\d:\d\d:\d\d$)" << R"(^\d\d\.\d\d\.\d\d$)";
    }
    void statusBarFollowsLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, time);
        QFETCH(QString, date);
        QLocale::setDefault(QLocale(locale));
        TopicViewer* v = viewerScreen("Form8");
        PanelStatusBar* bar = v->controls().StatusBar1;
        QCOMPARE(bar->panelCount(), 2);
        QCOMPARE(bar->panelText(0), QString());
        QCOMPARE(bar->panelText(1), QString());
        // The clock runs from creation, shown or not.
        QVERIFY(!v->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!bar->panelText(0).isEmpty(), 3000);
        QVERIFY2(QRegularExpression(time).match(bar->panelText(0)).hasMatch(), qPrintable(bar->panelText(0)));
        QCOMPARE(bar->panelText(1), QString());
        showScreen(v);
        QTRY_VERIFY(!bar->panelText(1).isEmpty());
        QVERIFY2(QRegularExpression(date).match(bar->panelText(1)).hasMatch(), qPrintable(bar->panelText(1)));
    }
};

SHELL_TEST_MAIN(ViewerTest)
#include "tst_viewer.moc"
