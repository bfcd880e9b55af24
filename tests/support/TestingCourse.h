#pragma once
// A course folder with a sample Base.mdb (plus extra SQL) and the program's
// screens created on it, as at program start; released again at the end.
#include "tests/support/CourseFolder.h"
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TForm13;

class TestingCourse {
public:
    explicit TestingCourse(const QString& extraSql = {});
    ~TestingCourse();
    QString database() const { return folder_.file(QStringLiteral("Base.mdb")); }
    CourseFolder& folder() { return folder_; }

private:
    CourseFolder folder_;
};

// What a user does: replace a field's text by typing, click a caption label.
void typeInto(QLineEdit* field, const QString& text);
void clickLabel(QWidget* label);
// The sign-in screen, reached from the main menu when it is not on screen.
void openSignIn();
// Main menu item "Тестирование", then login and password on the sign-in
// screen and a click on "Войти в тестовую систему". The testing screen
// entry afterwards (the start-up one when the sign-in failed).
TForm13* signIn(const QString& login, const QString& password);
// Waits for the pending next-question step.
bool waitForStep(TForm13* screen);
// The answer buttons A to E, their answer labels, and the letter whose
// label holds the correct answer (-1 when none does).
QList<QPushButton*> answerButtons(TForm13* screen);
QList<QLabel*> answerLabels(TForm13* screen);
int correctLetter(TForm13* screen);
