// The error report, the guard around handlers and the startup failure box.
#include "platform/ConnectionString.h"
#include "platform/DatabasePassword.h"
#include "platform/Guard.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellError.h"
#include "platform/ShellApplication.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestMain.h"
#include <QAbstractButton>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <stdexcept>

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void fullStopRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Нет файла" << "Нет файла.";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("exclamation sorts before") << "Ошибка!" << "Ошибка!";
        QTest::newRow("closing bracket sorts before") << "(x)" << "(x)";
        QTest::newRow("digit sorts after") << "code 5" << "code 5.";
        QTest::newRow("quote sorts before") << "'abc' is not a valid integer value"
                                            << "'abc' is not a valid integer value.";
        QTest::newRow("apostrophe last") << "'x'" << "'x'";
        QTest::newRow("empty") << "" << "";
    }
    void fullStopRule()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(errorReportText(text), shown);
    }

    void guardReportsAndGoesOn()
    {
        ModalAnswerer answers;
        bool after = false;
        guarded([] { throw ShellError("Файл не найден"); });
        guarded([] { throw std::runtime_error("plain"); });
        after = true;
        QVERIFY(after);
        QCOMPARE(answers.boxes().size(), size_t(2));
        const BoxRecord& box = answers.boxes()[0];
        QCOMPARE(box.caption, ShellApplication::title());
        QCOMPARE(box.text, QString("Файл не найден."));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(answers.boxes()[1].text, QString("plain."));
    }

    void reportsRaisedWhileABoxIsOpenWaitTheirTurn()
    {
        ModalAnswerer answers;
        // A timer fails while the first report is on screen.
        QTimer::singleShot(30, [] { guarded([] { throw ShellError("second"); }); });
        answers.queue([](QMessageBox* box) {
            QTimer::singleShot(80, box, [box] { box->button(QMessageBox::Ok)->click(); });
        });
        showErrorReport("first");
        QCOMPARE(answers.boxes().size(), size_t(2));
        QCOMPARE(answers.boxes()[0].text, QString("first."));
        QCOMPARE(answers.boxes()[1].text, QString("second."));
    }

    void plainMessageHasNoIcon()
    {
        ModalAnswerer answers;
        showPlainMessage("Вы успешно зарегистрированы!");
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].icon, QMessageBox::NoIcon);
        QCOMPARE(answers.boxes()[0].caption, QString("Электронный интерактивный учебник"));
        QCOMPARE(answers.boxes()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // Texts of boxes carry logins, field values and file names: a user's
    // "<b>" must reach the screen as typed, not as markup.
    void boxesShowTheirTextAsTyped_data()
    {
        QTest::addColumn<bool>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain, tag") << false << "<b>Иванов</b>";
        QTest::newRow("plain, script") << false << "<script src=\"app.js\"></script>";
        QTest::newRow("error, tag") << true << "Поле <i>Login</i> слишком длинное";
        QTest::newRow("error, entity") << true << "<p>&amp; &lt;";
    }
    void boxesShowTheirTextAsTyped()
    {
        QFETCH(bool, error);
        QFETCH(QString, text);
        ModalAnswerer answers;
        error ? showErrorReport(text) : showPlainMessage(text);
        QCOMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].text, error ? errorReportText(text) : text);
        QVERIFY(!answers.boxes()[0].textAsMarkup);
    }

    // A box raised from a menu's action: the menu closes and is deleted
    // while the box is up, and must not take the box along with it.
    void boxOutlivesTheMenuItWasRaisedFrom()
    {
        QWidget window;
        window.show();
        QPointer<QMenu> menu = new QMenu(&window);
        menu->addAction(QStringLiteral("Вставить"));
        menu->popup(window.mapToGlobal(QPoint(5, 5)));
        QApplication::setActiveWindow(menu);  // as while its action runs
        ModalAnswerer answers;
        answers.queue([menu](QMessageBox* box) {
            delete menu.data();
            box->button(QMessageBox::Ok)->click();
        });
        showErrorReport(QStringLiteral("Ошибка"));
        QCOMPARE(answers.boxes().size(), size_t(1));
        QVERIFY(menu.isNull());
    }

    void startupFailureNamesClassModuleAddressAndMessage()
    {
        const QString text = startupFailureText(ShellError("Не найден файл базы данных", "EDatabaseError"));
        QVERIFY2(QRegularExpression("^Exception EDatabaseError in module tst_platform at [0-9A-F]{8}\\.\n"
                                    "Не найден файл базы данных\\.$").match(text).hasMatch(), qPrintable(text));
    }

    void courseConnectionStringParsesKeyByKey()
    {
        const ConnectionString cs(kCourseConnectionString);
        QCOMPARE(cs.pairs().size(), size_t(18));
        QCOMPARE(cs.value("Provider"), QString("Microsoft.Jet.OLEDB.4.0"));
        QCOMPARE(cs.value("Data Source"), QString("Base.mdb"));
        QCOMPARE(cs.value("Mode"), QString("Share Deny None"));
        QCOMPARE(cs.value("Jet OLEDB:Database Password"), QString("K#m4t"));
        QCOMPARE(cs.value("jet oledb:system database"), QString(""));
        QVERIFY(cs.contains("Jet OLEDB:New Database Password"));
        QCOMPARE(cs.value("Jet OLEDB:Don't Copy Locale on Compact"), QString("False"));
        QCOMPARE(cs.pairs().back().first, QString("Jet OLEDB:SFP"));
    }

    void connectionStringQuotesAndFaults()
    {
        QCOMPARE(ConnectionString("A=\"x;y=z\";B=1").value("A"), QString("x;y=z"));
        QCOMPARE(ConnectionString("A=\"say \"\"hi\"\"\"").value("A"), QString("say \"hi\""));
        QCOMPARE(ConnectionString("A=1;").pairs().size(), size_t(1));
        QVERIFY_THROWS_EXCEPTION(ShellError, ConnectionString("Provider"));
        QVERIFY_THROWS_EXCEPTION(ShellError, ConnectionString("=x"));
        QVERIFY_THROWS_EXCEPTION(ShellError, ConnectionString("A=\"open"));
        QVERIFY_THROWS_EXCEPTION(ShellError, ConnectionString("A=\"x\"tail;B=1"));
        // A pair without "=" is refused, not glued to the next key.
        try {
            ConnectionString("Provider=P;garbage;Data Source=Base.mdb");
            QFAIL("a pair without a value was accepted");
        } catch (const ShellError& e) {
            QVERIFY2(e.message().contains("«garbage»"), qPrintable(e.message()));
        }
        const ConnectionString empties(" ;A=1;; ;B=2");
        QCOMPARE(empties.pairs().size(), size_t(2));
        QCOMPARE(empties.pairs().at(1).first, QString("B"));
        QCOMPARE(empties.value("B"), QString("2"));
    }

    void passwordRecordsAreSaltedAndExact()
    {
        const PasswordRecord a = makePasswordRecord("K#m4t");
        const PasswordRecord b = makePasswordRecord("K#m4t");
        QVERIFY(a.salt != b.salt && a.hash != b.hash);
        QVERIFY(!a.hash.contains("K#m4t"));
        QVERIFY(passwordMatches(a, "K#m4t"));
        QVERIFY(!passwordMatches(a, "k#m4t"));
        QVERIFY(!passwordMatches(a, "K#m4t "));
    }

    void russianStandardButtons()
    {
        ModalAnswerer answers;
        QString cancelText;
        answers.queue([&](QMessageBox* box) {
            cancelText = box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        confirmExit(nullptr);
        QCOMPARE(cancelText, QString("Отмена"));
    }
};

SHELL_TEST_MAIN(PlatformTest)
#include "tst_platform.moc"
