#include "tests/support/TestingCourse.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/Unit13.h"
#include "testing/Unit5.h"
#include "tests/support/TestDatabase.h"
#include "ui_Unit1.h"
#include "ui_Unit13.h"
#include "ui_Unit5.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

TestingCourse::TestingCourse(const QString& extraSql)
{
    writeSampleDatabase(database(), extraSql);
    createScreens();
    // As in the program, the event loop runs before anyone can sign in: the
    // start-up testing screen takes its invisible first step now.
    waitForStep(screens().Form13);
}

TestingCourse::~TestingCourse()
{
    releaseScreens();
}

void typeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    // QTest types Latin-1 only; other letters go as the key events a
    // Russian keyboard layout sends: no key code, just the text.
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

void clickLabel(QWidget* label)
{
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
}

void openSignIn()
{
    if (screens().Form5->isVisible())
        return;
    QWidget* item = screens().Form1->ui().Label10;
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(20, 10));
}

TForm13* signIn(const QString& login, const QString& password)
{
    openSignIn();
    auto& form = screens().Form5->ui();
    typeInto(form.Login, login);
    typeInto(form.Password, password);
    clickLabel(form.Label4);
    return screens().Form13;
}

bool waitForStep(TForm13* screen)
{
    return QTest::qWaitFor([screen] { return !screen->timer().isActive(); }, 5000);
}

QList<QPushButton*> answerButtons(TForm13* screen)
{
    auto& u = screen->ui();
    return {u.BitBtn1, u.BitBtn2, u.BitBtn3, u.BitBtn4, u.BitBtn5};
}

QList<QLabel*> answerLabels(TForm13* screen)
{
    auto& u = screen->ui();
    return {u.Label5, u.Label6, u.Label7, u.Label8, u.Label9};
}

int correctLetter(TForm13* screen)
{
    const auto labels = answerLabels(screen);
    for (int i = 0; i < labels.size(); ++i)
        if (labels[i]->text() == screen->ui().Label23->text())
            return i;
    return -1;
}
