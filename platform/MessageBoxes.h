#pragma once
// The program's modal boxes. Captions, texts, icons, buttons and default
// buttons are fixed here so every screen asks and tells the same way.
#include <QString>
#include <exception>

class QWidget;

// A plain OK message: application title as caption, no icon, one OK button.
void showPlainMessage(const QString& text);

// The default error report: application title, error icon, one OK button;
// a full stop is appended when the last character sorts after ".".
void showErrorReport(const QString& text);
QString errorReportText(const QString& text);

// "Вы действительно хотите выйти?": true for OK. Enter, Esc and the close
// box all answer Cancel.
bool confirmExit(QWidget* owner);

// The box that ends the program when a screen cannot be created at startup.
void showStartupFailure(const std::exception& e);
QString startupFailureText(const std::exception& e);
