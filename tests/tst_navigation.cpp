// Moving between screens: every row of the navigation table, driven through
// the real controls, compared by the set of screens left visible.
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "ui_Unit1.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestMain.h"
#include <QApplication>
#include <functional>

namespace {

QWidget* entry(const char* name) { return screenByEntry(name); }
Ui::TForm1& menu() { return screens().Form1->ui(); }

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

QStringList visibleScreens()
{
    QStringList names;
    for (const char* e : {"Form1", "Form5", "Form12", "Form13", "Form14", "Form22", "Form8", "Form24", "Present", "Video"})
        if (entry(e)->isVisible())
            names << e;
    return names;
}

struct Case {
    const char* name;
    std::function<void()> before;
    std::function<void()> trigger;
    QStringList visibleAfter;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> table = {
        {"Лекции", {}, [] { click(menu().Label1); }, {"Form8"}},
        {"Презентации", {}, [] { click(menu().Label2); }, {"Present"}},
        {"Видеоматериалы", {}, [] { click(menu().Label9); }, {"Video"}},
        {"Об авторе", {}, [] { click(menu().Label3); }, {"Form24"}},
        {"F1", {}, [] { QTest::keyClick(entry("Form1"), Qt::Key_F1); }, {"Form1", "Form24"}},
        {"F1 with modifiers", {}, [] { QTest::keyClick(entry("Form1"), Qt::Key_F1, Qt::ShiftModifier | Qt::ControlModifier); }, {"Form1", "Form24"}},
        {"Тестирование", {}, [] { click(menu().Label10); }, {"Form5"}},
        {"Силлабус", {}, [] { click(menu().btnUchebnik); }, {"Form1"}},
        {"Лабораторные работы", {}, [] { click(menu().Label5); }, {"Form1"}},
        {"СРО", {}, [] { click(menu().Label6); }, {"Form1"}},
        {"Рубежный контроль", {}, [] { click(menu().Label7); }, {"Form1"}},
        {"Литература", {}, [] { click(menu().Label8); }, {"Form1"}},
        {"close lectures", [] { click(menu().Label1); }, [] { entry("Form8")->close(); }, {"Form1"}},
        {"close about", [] { click(menu().Label3); }, [] { entry("Form24")->close(); }, {"Form1"}},
        {"close presentations", [] { click(menu().Label2); }, [] { entry("Present")->close(); }, {"Form1"}},
        {"close video", [] { click(menu().Label9); }, [] { entry("Video")->close(); }, {"Form1"}},
        {"close sign-in", [] { click(menu().Label10); }, [] { entry("Form5")->close(); }, {"Form1"}},
        {"close registration", [] { click(menu().Label10); showScreen(entry("Form12")); },
         [] { entry("Form12")->close(); }, {"Form5"}},
        {"close registration after sign-in closed", [] { showScreen(entry("Form12")); hideScreen(entry("Form1")); },
         [] { entry("Form12")->close(); }, {"Form5"}},
        {"close testing", [] { hideScreen(entry("Form1")); showScreen(entry("Form13")); },
         [] { entry("Form13")->close(); }, {"Form1"}},
        {"close users editor", [] { hideScreen(entry("Form1")); showScreen(entry("Form14")); },
         [] { entry("Form14")->close(); }, {}},
        {"close question editor", [] { hideScreen(entry("Form1")); showScreen(entry("Form22")); },
         [] { entry("Form22")->close(); }, {}},
        {"F1, Лекции, close about", [] { QTest::keyClick(entry("Form1"), Qt::Key_F1); click(menu().Label1); },
         [] { entry("Form24")->close(); }, {"Form1", "Form8"}},
        {"F1 then close about", [] { QTest::keyClick(entry("Form1"), Qt::Key_F1); },
         [] { entry("Form24")->close(); }, {"Form1"}},
    };
    return table;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void init() { createScreens(); }
    void cleanup() { releaseScreens(); }

    void navigation_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void navigation()
    {
        QFETCH(int, row);
        CourseFolder folder;
        const Case& c = cases()[row];
        if (c.before)
            c.before();
        c.trigger();
        QCOMPARE(visibleScreens(), c.visibleAfter);
    }

    void openedScreenIsActive()
    {
        click(menu().Label1);
        QTRY_COMPARE(QApplication::activeWindow(), entry("Form8"));
    }
};

SHELL_TEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
