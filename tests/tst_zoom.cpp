// The zoom of the shown page: the steps of the two magnifier buttons over
// the zoom list, typed values, the conversion error, and the zoom living
// in the document rather than in the screen.
#include "platform/ShellApplication.h"
#include "platform/WebBrowser.h"
#include "shell/ScreenRegistry.h"
#include "viewer/TopicViewer.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestMain.h"
#include "tests/support/ViewerDriver.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

const QString kBodyZoom = QStringLiteral("document.body.style.zoom");

void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }

// Typed into the zoom box and ended with Enter, or by leaving the box.
void type(QComboBox* box, const QString& text, Qt::Key ending)
{
    box->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(box->window()));
    box->setFocus();
    box->lineEdit()->clear();
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, ending);
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ViewerCourse> course;
    CourseFolder* folder = nullptr;
    TopicViewer* v = nullptr;

    QComboBox* box() const { return v->controls().ComboBoxEx1; }
    // The factor the document's body carries; "" while none was written.
    QString appliedZoom() const { return evaluate(v, kBodyZoom).toString(); }

private slots:
    void initTestCase()
    {
        course = std::make_unique<ViewerCourse>();
        folder = &course->folder;
        v = viewerScreen("Form8");
        showScreen(v);
        QVERIFY(clickNodeAndWait(v, 1));
    }
    void cleanupTestCase()
    {
        course.reset();
    }
    void init()
    {
        evaluate(v, kBodyZoom + " = ''");
        QCOMPARE(appliedZoom(), QString());
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("afterIn");
        QTest::addColumn<double>("factorIn");
        QTest::addColumn<QString>("afterOut");
        QTest::addColumn<double>("factorOut");
        QTest::newRow("50%") << "50%" << "75%" << 0.75 << "70%" << 0.7;
        QTest::newRow("70%") << "70%" << "75%" << 0.75 << "70%" << 0.7;
        QTest::newRow("75%") << "75%" << "100%" << 1.0 << "70%" << 0.7;
        QTest::newRow("80%") << "80%" << "100%" << 1.0 << "75%" << 0.75;
        QTest::newRow("100%") << "100%" << "125%" << 1.25 << "75%" << 0.75;
        QTest::newRow("110%") << "110%" << "125%" << 1.25 << "100%" << 1.0;
        QTest::newRow("125%") << "125%" << "150%" << 1.5 << "100%" << 1.0;
        QTest::newRow("140%") << "140%" << "150%" << 1.5 << "125%" << 1.25;
        QTest::newRow("150%") << "150%" << "175%" << 1.75 << "125%" << 1.25;
        QTest::newRow("160%") << "160%" << "175%" << 1.75 << "150%" << 1.5;
        QTest::newRow("175%") << "175%" << "175%" << 1.75 << "150%" << 1.5;
        QTest::newRow("200%") << "200%" << "175%" << 1.75 << "175%" << 1.75;
        QTest::newRow("100 without %") << "100" << "125%" << 1.25 << "75%" << 0.75;
        QTest::newRow("-10%") << "-10%" << "75%" << 0.75 << "70%" << 0.7;
        QTest::newRow("percent first") << "%150" << "175%" << 1.75 << "125%" << 1.25;
    }
    void buttons()
    {
        QFETCH(QString, before);
        QFETCH(QString, afterIn);
        QFETCH(double, factorIn);
        QFETCH(QString, afterOut);
        QFETCH(double, factorOut);
        const struct {
            QPushButton* button;
            QString text;
            double factor;
        } steps[] = {{v->controls().BitBtn5, afterIn, factorIn}, {v->controls().BitBtn4, afterOut, factorOut}};
        for (const auto& step : steps) {
            box()->setEditText(before);
            click(step.button);
            QCOMPARE(box()->currentText(), step.text);
            QCOMPARE(v->controls().Label1->text(), step.text);
            QCOMPARE(appliedZoom().toDouble(), step.factor);
        }
    }

    void repeatedSteps()
    {
        box()->setEditText("75%");
        click(v->controls().BitBtn4);
        click(v->controls().BitBtn4);
        QCOMPARE(box()->currentText(), QString("70%"));
        QCOMPARE(appliedZoom().toDouble(), 0.7);
        click(v->controls().BitBtn5);
        QCOMPARE(box()->currentText(), QString("75%"));
        click(v->controls().BitBtn5);
        click(v->controls().BitBtn5);
        click(v->controls().BitBtn5);
        click(v->controls().BitBtn5);
        click(v->controls().BitBtn5);
        QCOMPARE(box()->currentText(), QString("175%"));
        QCOMPARE(appliedZoom().toDouble(), 1.75);
        QCOMPARE(box()->count(), 5);  // nothing typed or stepped joins the list
    }

    void typed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("text");   // the zoom text afterwards
        QTest::addColumn<QString>("factor"); // "" when nothing was applied
        QTest::addColumn<QString>("error");  // "" when none is shown
        QTest::newRow("125") << "125" << int(Qt::Key_Return) << "125%" << "1.25" << "";
        QTest::newRow("12%5") << "12%5" << int(Qt::Key_Return) << "12%5" << "1.25" << "";
        QTest::newRow("150%") << "150%" << int(Qt::Key_Return) << "150%" << "1.5" << "";
        QTest::newRow("150 then Tab") << "150" << int(Qt::Key_Tab) << "150%" << "1.5" << "";
        QTest::newRow("bad text then Tab") << "1x" << int(Qt::Key_Tab) << "1x" << "" << "'1x' is not a valid integer value.";
        QTest::newRow("100%%") << "100%%" << int(Qt::Key_Return) << "100%%" << "" << "'100%' is not a valid integer value.";
        QTest::newRow("letters") << "big" << int(Qt::Key_Return) << "big" << "" << "'big' is not a valid integer value.";
        QTest::newRow("blank inside") << "1 25" << int(Qt::Key_Return) << "1 25" << "" << "'1 25' is not a valid integer value.";
        QTest::newRow("only %") << "%" << int(Qt::Key_Return) << "%" << "" << "'' is not a valid integer value.";
        QTest::newRow("too large") << "99999999999%" << int(Qt::Key_Return) << "99999999999%" << ""
                                   << "'99999999999' is not a valid integer value.";
    }
    void typed()
    {
        QFETCH(QString, typed);
        QFETCH(int, ending);
        QFETCH(QString, text);
        QFETCH(QString, factor);
        QFETCH(QString, error);
        ModalAnswerer answers;
        type(box(), typed, Qt::Key(ending));
        QCOMPARE(box()->currentText(), text);
        QCOMPARE(v->controls().Label1->text(), text);
        QCOMPARE(appliedZoom(), factor);
        if (error.isEmpty()) {
            QCOMPARE(answers.boxes().size(), size_t(0));
        } else {
            QCOMPARE(answers.boxes().size(), size_t(1));
            QCOMPARE(answers.boxes()[0].text, error);
            QCOMPARE(answers.boxes()[0].caption, ShellApplication::title());
            QCOMPARE(answers.boxes()[0].icon, QMessageBox::Critical);
        }
    }

    void badTextStopsTheButtons_data()
    {
        QTest::addColumn<bool>("zoomIn");
        QTest::newRow("zoom in") << true;
        QTest::newRow("zoom out") << false;
    }
    void badTextStopsTheButtons()
    {
        QFETCH(bool, zoomIn);
        ModalAnswerer answers;
        box()->setEditText("");
        click(zoomIn ? v->controls().BitBtn5 : v->controls().BitBtn4);
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].text, QString("'' is not a valid integer value."));
        QCOMPARE(box()->currentText(), QString());
        QCOMPARE(appliedZoom(), QString());
    }

    void zoomBelongsToTheDocument()
    {
        box()->setEditText("125%");
        click(v->controls().BitBtn5);
        QCOMPARE(appliedZoom().toDouble(), 1.5);
        QVERIFY(clickNodeAndWait(v, 2));
        QCOMPARE(appliedZoom(), QString());  // the new page at its natural size
        QCOMPARE(v->controls().Label1->text(), QString("150%"));
        click(v->controls().BitBtn5);
        QCOMPARE(appliedZoom().toDouble(), 1.75);
    }

    void documentWithoutBodyIsReported()
    {
        folder->write("picture.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>");
        QVERIFY(waitForLoad(browserOf(v), [&] { browserOf(v).navigate(folder->file("picture.svg")); }));
        ModalAnswerer answers;
        box()->setEditText("100%");
        click(v->controls().BitBtn5);
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].icon, QMessageBox::Critical);
        QCOMPARE(box()->currentText(), QString("125%"));  // the text the button set stays
        QVERIFY(clickNodeAndWait(v, 1));
    }

    void zoomBeforeAnyPageIsHarmless()
    {
        ModalAnswerer answers;
        box()->setEditText("175%");
        TopicViewer* about = viewerScreen("Form24");
        QVERIFY(!browserOf(about).hasDocument());
        click(about->controls().BitBtn5);
        QCOMPARE(about->controls().ComboBoxEx1->currentText(), QString("125%"));
        QCOMPARE(about->controls().Label1->text(), QString("125%"));
        QTest::qWait(50);
        QCOMPARE(answers.boxes().size(), size_t(0));
        // Each screen has its own zoom value.
        QCOMPARE(box()->currentText(), QString("175%"));
    }
};

SHELL_TEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
