// Hostile texts typed through every text field of the program: sign-in,
// registration, the administrator's search, the three grids and the zoom
// boxes. Nothing crashes, nothing typed is interpreted, and every stored
// value is the typed text cut to its field's size.
#include "platform/DBGrid.h"
#include "platform/Dataset.h"
#include "shell/ScreenRegistry.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit14.h"
#include "testing/Unit22.h"
#include "testing/Unit5.h"
#include "viewer/TopicViewer.h"
#include "tests/support/HostileStrings.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestingCourse.h"
#include "tests/support/ViewerDriver.h"
#include "ui_Unit12.h"
#include "ui_Unit13.h"
#include "ui_Unit14.h"
#include "ui_Unit22.h"
#include "ui_Unit5.h"
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

namespace {

const QString kNoUser = QStringLiteral("Пользователя с таким логином не существует!");
const QString kWrongPassword = QStringLiteral("Вы ввели неверный пароль!");
const QString kRegistered = QStringLiteral("Вы успешно зарегистрированы!");

QVariant fromFile(const QString& sql) { return scalar(QStringLiteral("Base.mdb"), sql); }

// What a field of `size` characters keeps of `text`: a character outside
// the Basic Multilingual Plane is kept whole or not at all.
QString keptOf(const QString& text, int size)
{
    if (text.size() <= size)
        return text;
    const bool splitsPair = text.at(size - 1).isHighSurrogate() && text.at(size).isLowSurrogate();
    return text.left(splitsPair ? size - 1 : size);
}

// Types `text` into `field` key by key, a character outside the Basic
// Multilingual Plane as the one key event that carries its pair. Control
// characters (tab, line breaks, bell), which no key types into a line
// edit, go in as pasted text.
void typeHostile(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    field->del();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        if (ch.at(0).category() == QChar::Other_Control) {
            field->insert(ch);
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, ch);
            QApplication::sendEvent(field, &press);
            QApplication::sendEvent(field, &release);
        }
        i += n;
    }
}

QString sqlLiteral(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

void corpusRows()
{
    QTest::addColumn<QString>("text");
    const QStringList corpus = hostileStrings();
    for (int i = 0; i < corpus.size(); ++i)
        QTest::newRow(qPrintable(QString::number(i) + " " + corpus[i].left(24).toHtmlEscaped())) << corpus[i];
}

// The results list as the users it shows.
QStringList listedUsers(TForm13* t)
{
    Dataset& q = *t->data().resultsQuery;
    QStringList out;
    for (int row = 0; row < q.recordCount(); ++row)
        out << q.valueAt(row, q.fieldIndex("user")).toString();
    return out;
}

} // namespace

class HostileTest : public QObject {
    Q_OBJECT
    std::optional<TestingCourse> course;
    std::optional<TestingCourse> viewers;  // kept across the zoom rows

private slots:
    void cleanup() { course.reset(); }
    void cleanupTestCase() { viewers.reset(); }

    // Before registering, the text signs no one in; registered in all six
    // fields, each column holds the text cut to its size, and the text
    // signs in when the stored login is the whole of it.
    void signInAndRegistration_data() { corpusRows(); }
    void signInAndRegistration()
    {
        QFETCH(QString, text);
        course.emplace();
        ModalAnswerer answers;
        TForm13* startup = screens().Form13;
        auto& s = screens().Form5->ui();
        const auto attempt = [&](const QString& login, const QString& password) {
            answers.clear();
            openSignIn();
            typeHostile(s.Login, login);
            typeHostile(s.Password, password);
            QCOMPARE(s.Login->text(), login);
            QCOMPARE(s.Password->text(), password);
            clickLabel(s.Label4);
        };
        attempt(text, text);
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].text, kNoUser);
        attempt("student", text);
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].text, kWrongPassword);
        QCOMPARE(screens().Form13, startup);

        const int before = fromFile("SELECT count(*) FROM Users").toInt();
        answers.clear();
        clickLabel(s.Label5);
        auto& r = screens().Form12->ui();
        QLineEdit* fields[] = {r.Login, r.Edit1, r.Edit2, r.Edit3, r.Edit4, r.Edit5};
        for (QLineEdit* field : fields) {
            typeHostile(field, text);
            QCOMPARE(field->text(), text);
        }
        clickLabel(r.Label4);
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].text, kRegistered);
        QCOMPARE(fromFile("SELECT count(*) FROM Users").toInt(), before + 1);
        const struct {
            const char* column;
            int size;
        } columns[] = {{"Login", 255}, {"Password", 255}, {"Fam", 30}, {"Imya", 20}, {"Otch", 30}, {"\"Group\"", 20}};
        for (const auto& c : columns)
            QCOMPARE(fromFile(QStringLiteral("SELECT %1 FROM Users ORDER BY rowid DESC LIMIT 1").arg(c.column)).toString(),
                     keptOf(text, c.size));

        const bool whole = keptOf(text, 255) == text;
        attempt(text, text + "x");
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].text, whole ? kWrongPassword : kNoUser);
        attempt(text, text);
        QCOMPARE(answers.boxes().size(), size_t(whole ? 0 : 1));
        QCOMPARE(screens().Form13 != startup, whole);
        if (whole) {
            QCOMPARE(screens().Form13->windowTitle(), "Тестируется пользователь - " + text);
            QVERIFY(waitForStep(screens().Form13));
        }
    }

    // The administrator's search matches the whole user text exactly:
    // wildcards and quotes are plain characters.
    void searchMatchesTheTextLiterally_data() { corpusRows(); }
    void searchMatchesTheTextLiterally()
    {
        QFETCH(QString, text);
        QStringList rows;
        const QStringList corpus = hostileStrings();
        for (int i = 0; i < corpus.size(); ++i)
            rows << QStringLiteral("(%1, '%2', '2026-02-01 10:00:00')").arg(sqlLiteral(corpus[i])).arg(i + 1);
        course.emplace("INSERT INTO Rezult (user, result, datatest) VALUES " + rows.join(", ") + ";");
        ModalAnswerer answers;
        TForm13* t = signIn("Chiefexaminer", "Admin2026");
        typeHostile(t->ui().Edit1, text);
        QCOMPARE(t->ui().Edit1->text(), text);
        QTest::mouseClick(t->ui().BitBtn6, Qt::LeftButton);
        QVERIFY(t->data().resultsQuery->filtered());
        QCOMPARE(listedUsers(t), QStringList{text});
        QCOMPARE(answers.boxes().size(), size_t(0));
    }

    // A cell edited through its editor and stored by moving to another row
    // holds the typed text cut to the field's size.
    void gridsStoreTheTextCut_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("text");
        const QStringList corpus = hostileStrings();
        for (const char* grid : {"users", "questions", "results"})
            for (int i = 0; i < corpus.size(); ++i)
                QTest::newRow(qPrintable(QString("%1 %2 %3").arg(grid).arg(i).arg(corpus[i].left(20).toHtmlEscaped())))
                    << grid << corpus[i];
    }
    void gridsStoreTheTextCut()
    {
        QFETCH(QString, grid);
        QFETCH(QString, text);
        course.emplace();
        ModalAnswerer answers;
        Screen* screen = nullptr;
        DBGrid* view = nullptr;
        int row = 0, column = 0, size = 0;
        QString readBack;
        if (grid == "users") {
            screen = screens().Form14;
            view = screens().Form14->ui().DBGrid1;
            row = 1;  // student's login
            size = 30;
            readBack = "SELECT Login FROM Users WHERE rowid = 2";
        } else if (grid == "questions") {
            screen = screens().Form22;
            view = screens().Form22->ui().DBGrid1;
            column = 1;  // the first question's text
            size = 255;
            readBack = "SELECT Tekst FROM Vopros ORDER BY rowid LIMIT 1";
        } else {
            screen = signIn("Chiefexaminer", "Admin2026");
            view = screens().Form13->ui().DBGrid3;
            size = 50;  // the best result's user
            readBack = "SELECT user FROM Rezult WHERE result = '100'";
        }
        showScreen(screen);
        QApplication::setActiveWindow(screen);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        const QModelIndex cell = view->model()->index(row, column);
        view->setCurrentIndex(cell);
        view->edit(cell);
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        typeHostile(editor, text);
        QCOMPARE(editor->text(), text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(view, row == 0 ? Qt::Key_Down : Qt::Key_Up);
        QTRY_COMPARE(fromFile(readBack).toString(), keptOf(text, size));
        QCOMPARE(view->model()->index(row, column).data().toString(), keptOf(text, size));
        QCOMPARE(answers.boxes().size(), size_t(0));
        QCOMPARE(fromFile("PRAGMA integrity_check").toString(), QString("ok"));
    }

    // The zoom boxes take any text: a number is applied, anything else is
    // refused with the conversion message; the list stays as it was.
    void zoomBoxesRefuseWhatIsNoNumber_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("text");
        const QStringList corpus = hostileStrings();
        for (const char* screen : {"Form8", "Form24"})
            for (int i = 0; i < corpus.size(); ++i)
                QTest::newRow(qPrintable(QString("%1 %2 %3").arg(screen).arg(i).arg(corpus[i].left(20).toHtmlEscaped())))
                    << screen << corpus[i];
    }
    void zoomBoxesRefuseWhatIsNoNumber()
    {
        QFETCH(QString, screen);
        QFETCH(QString, text);
        if (!viewers)
            viewers.emplace();
        TopicViewer* v = viewerScreen(screen.toLatin1().constData());
        showScreen(v);
        QApplication::setActiveWindow(v);
        QVERIFY(QTest::qWaitForWindowActive(v));
        QComboBox* box = v->controls().ComboBoxEx1;
        const int items = box->count();
        ModalAnswerer answers;
        box->setFocus();
        typeHostile(box->lineEdit(), text);
        QCOMPARE(box->currentText(), text);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].icon, QMessageBox::Critical);
        QVERIFY2(answers.boxes()[0].text.startsWith('\'') && answers.boxes()[0].text.endsWith("' is not a valid integer value."),
                 qPrintable(answers.boxes()[0].text));
        QCOMPARE(box->currentText(), text);
        QCOMPARE(v->controls().Label1->text(), text);
        QCOMPARE(box->count(), items);
        box->setEditText("100%");
    }
};

SHELL_TEST_MAIN(HostileTest)
#include "tst_hostile.moc"
