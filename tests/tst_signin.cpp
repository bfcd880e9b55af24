// Sign-in and registration through the real screens: the outcome of one
// click on "Войти в тестовую систему", and what registration stores.
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit5.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestingCourse.h"
#include "ui_Unit12.h"
#include "ui_Unit13.h"
#include "ui_Unit5.h"
#include <QStyle>
#include <optional>

namespace {

const QString kExtraUsers = QStringLiteral(
    "INSERT INTO Users (Login, Password) VALUES ('CHIEFEXAMINER', 'caps'), ('O''Brien', 'pw'), ('Ivanov', 'Secret');");
const QString kNoUser = QStringLiteral("Пользователя с таким логином не существует!");
const QString kWrongPassword = QStringLiteral("Вы ввели неверный пароль!");

Ui::TForm5& signInForm() { return screens().Form5->ui(); }
Ui::TForm12& registration() { return screens().Form12->ui(); }

QVariant fromFile(const QString& sql) { return scalar(QStringLiteral("Base.mdb"), sql); }

// Registration with the given fields; the boxes it showed.
std::vector<BoxRecord> registerUser(const QStringList& fields)
{
    ModalAnswerer answers;
    answers.press(QMessageBox::Ok);
    if (!screens().Form12->isVisible()) {
        openSignIn();
        clickLabel(signInForm().Label5);
    }
    auto& r = registration();
    QLineEdit* edits[] = {r.Login, r.Edit1, r.Edit2, r.Edit3, r.Edit4, r.Edit5};
    for (int i = 0; i < 6; ++i)
        typeInto(edits[i], fields.value(i));
    clickLabel(r.Label4);
    return answers.boxes();
}

} // namespace

class SignInTest : public QObject {
    Q_OBJECT
    std::optional<TestingCourse> course;
private slots:
    void init() { course.emplace(kExtraUsers); }
    void cleanup() { course.reset(); }

    void outcomes_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");  // empty: none
        QTest::addColumn<QString>("caption");  // empty: no testing screen
        QTest::newRow("student") << "student" << "student" << "" << "Тестируется пользователь - student";
        QTest::newRow("administrator") << "Chiefexaminer" << "Admin2026" << ""
                                       << "Вы вошли в систему под Администратором";
        QTest::newRow("administrator in capitals is a student")
            << "CHIEFEXAMINER" << "caps" << "" << "Тестируется пользователь - CHIEFEXAMINER";
        QTest::newRow("login with an apostrophe") << "O'Brien" << "pw" << "" << "Тестируется пользователь - O'Brien";
        QTest::newRow("login in other case") << "Student" << "student" << kNoUser << "";
        QTest::newRow("login with a trailing blank") << "student " << "student" << kNoUser << "";
        QTest::newRow("unknown login") << "nobody" << "student" << kNoUser << "";
        QTest::newRow("empty login") << "" << "" << kNoUser << "";
        QTest::newRow("password in other case") << "Ivanov" << "secret" << kWrongPassword << "";
        QTest::newRow("password with a trailing blank") << "Ivanov" << "Secret " << kWrongPassword << "";
        QTest::newRow("empty password") << "Ivanov" << "" << kWrongPassword << "";
    }
    void outcomes()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        TForm13* startup = screens().Form13;
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        TForm13* testing = signIn(login, password);

        QCOMPARE(answers.boxes().size(), size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty()) {
            const BoxRecord& box = answers.boxes()[0];
            QCOMPARE(box.text, message);
            QCOMPARE(box.caption, QString("Электронный интерактивный учебник"));
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QCOMPARE(box.buttons, QMessageBox::Ok);
        }
        if (caption.isEmpty()) {
            QCOMPARE(testing, startup);
            QVERIFY(screens().Form5->isVisible());
            QVERIFY(!testing->isVisible());
            QCOMPARE(signInForm().Login->text(), login);
            QCOMPARE(signInForm().Password->text(), password);
        } else {
            QVERIFY(testing != startup);
            QVERIFY(testing->isVisible());
            QVERIFY(!startup->isVisible());
            QVERIFY(!screens().Form5->isVisible());
            QVERIFY(!screens().Form1->isVisible());
            QCOMPARE(testing->windowTitle(), caption);
            QCOMPARE(testing->ui().Label13->text(), login);
        }
    }

    void fieldsEmptiedWhenShownAgainOnly()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        signIn("student", "wrong");
        // Shown while already visible: nothing emptied.
        showScreen(screens().Form5);
        QCOMPARE(signInForm().Login->text(), QString("student"));
        screens().Form5->close();
        QVERIFY(screens().Form1->isVisible());
        openSignIn();
        QVERIFY(screens().Form5->isVisible());
        QCOMPARE(signInForm().Login->text(), QString());
        QCOMPARE(signInForm().Password->text(), QString());
    }

    void enterInAFieldDoesNothing()
    {
        ModalAnswerer answers;
        signIn("nobody", "x");
        answers.clear();
        QTest::keyClick(signInForm().Password, Qt::Key_Return);
        QTest::keyClick(signInForm().Login, Qt::Key_Enter);
        QCOMPARE(answers.boxes().size(), size_t(0));
        QVERIFY(screens().Form5->isVisible());
    }

    void passwordIsMasked()
    {
        QLineEdit* password = signInForm().Password;
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(QChar(password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, password)),
                 QChar('*'));
        QCOMPARE(registration().Edit1->echoMode(), QLineEdit::Normal);
    }

    void twoSignInsGiveTwoScreensAndOrders()
    {
        TForm13* first = signIn("student", "student");
        QVERIFY(waitForStep(first));
        const QString firstTitle = first->windowTitle();
        first->close();
        QVERIFY(screens().Form1->isVisible());
        TForm13* second = signIn("Ivanov", "Secret");
        QVERIFY(second != first);
        QVERIFY(!first->isVisible());
        QVERIFY(!first->data().connection->connected());
        QString a, b;
        for (int column = 0; column < 21; ++column) {
            a += first->ui().StringGrid1->item(0, column)->text() + ' ';
            b += second->ui().StringGrid1->item(0, column)->text() + ' ';
        }
        QVERIFY2(a != b, qPrintable(a));
    }

    void registrationStoresEveryFieldCutToItsSize()
    {
        const QString login = QString(300, QChar(u'л'));
        const auto boxes = registerUser({login, QString(260, 'p'), QString(35, 'f'), QString(25, 'i'),
                                         QString(31, 'o'), QString(21, 'g')});
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].text, QString("Вы успешно зарегистрированы!"));
        QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
        QVERIFY(!screens().Form12->isVisible());
        QVERIFY(screens().Form5->isVisible());
        QCOMPARE(registration().Login->text(), QString());
        QCOMPARE(registration().Edit5->text(), QString());
        const QString where = " FROM Users WHERE Login = '" + login.left(255) + "'";
        QCOMPARE(fromFile("SELECT count(*)" + where).toInt(), 1);
        QCOMPARE(fromFile("SELECT length(Password) || ',' || length(Fam) || ',' || length(Imya) || ','"
                          " || length(Otch) || ',' || length(\"Group\")" + where).toString(),
                 QString("255,30,20,30,20"));
        QCOMPARE(screens().Form12->users()->filtered(), false);
    }

    void registeredUserSignsInAtOnce()
    {
        const QString login = QString(40, 'x');
        registerUser({login, "pass", "Петров"});
        ModalAnswerer answers;
        TForm13* testing = signIn(login, "pass");
        QCOMPARE(answers.boxes().size(), size_t(0));
        QCOMPARE(testing->windowTitle(), "Тестируется пользователь - " + login);
        QCOMPARE(fromFile("SELECT length(Login) FROM Users WHERE Fam = 'Петров'").toInt(), 40);
    }

    void duplicateCheck_data()
    {
        QTest::addColumn<QString>("first");   // registered before, empty: none
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("refused");
        QTest::newRow("existing login") << "" << "student" << true;
        QTest::newRow("existing login in other case") << "" << "STUDENT" << false;
        QTest::newRow("login registered in this run") << "новый" << "новый" << true;
        QTest::newRow("login with a trailing blank") << "" << "student " << false;
        QTest::newRow("empty login, twice") << "" << "" << false;
    }
    void duplicateCheck()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, refused);
        if (!first.isEmpty())
            registerUser({first, "a"});
        if (second.isEmpty())
            registerUser({second, "a"});
        const int before = fromFile("SELECT count(*) FROM Users").toInt();
        const auto boxes = registerUser({second, "b", "Фамилия"});
        QCOMPARE(boxes.size(), size_t(1));
        const int after = fromFile("SELECT count(*) FROM Users").toInt();
        if (refused) {
            QCOMPARE(boxes[0].text, QString("Пользователь с таким логином уже существует!"));
            QCOMPARE(after, before);
            QVERIFY(screens().Form12->isVisible());
            QCOMPARE(registration().Login->text(), second);
            QCOMPARE(registration().Edit2->text(), QString("Фамилия"));
        } else {
            QCOMPARE(boxes[0].text, QString("Вы успешно зарегистрированы!"));
            QCOMPARE(after, before + 1);
        }
        QVERIFY(!screens().Form12->users()->filtered());
    }

    void failedStoreKeepsEverythingAndCanBeRetried()
    {
        QVERIFY(execute("Base.mdb", "CREATE TRIGGER refuse BEFORE INSERT ON Users "
                                    "BEGIN SELECT RAISE(ABORT, 'no room for users'); END;"));
        const int before = fromFile("SELECT count(*) FROM Users").toInt();
        auto boxes = registerUser({"petrov", "pw", "Петров"});
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(fromFile("SELECT count(*) FROM Users").toInt(), before);
        QVERIFY(screens().Form12->isVisible());
        QCOMPARE(registration().Login->text(), QString("petrov"));
        QCOMPARE(registration().Edit2->text(), QString("Петров"));

        QVERIFY(execute("Base.mdb", "DROP TRIGGER refuse;"));
        boxes = registerUser({"petrov", "pw", "Петров"});
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].text, QString("Вы успешно зарегистрированы!"));
        QCOMPARE(fromFile("SELECT count(*) FROM Users WHERE Login = 'petrov'").toInt(), 1);
    }

    void closingRegistrationShowsSignInAndKeepsWhatWasTyped()
    {
        openSignIn();
        clickLabel(signInForm().Label5);
        QVERIFY(screens().Form12->isVisible());
        QVERIFY(screens().Form5->isVisible());
        typeInto(registration().Login, "half-done");
        screens().Form5->close();
        screens().Form12->close();
        QVERIFY(screens().Form5->isVisible());
        clickLabel(signInForm().Label5);
        QCOMPARE(registration().Login->text(), QString("half-done"));
    }
};

SHELL_TEST_MAIN(SignInTest)
#include "tst_signin.moc"
