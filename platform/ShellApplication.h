#pragma once
#include <QApplication>

// The application object: the program's title, its Russian standard
// buttons, the font map, and the last safety net for escaped errors.
class ShellApplication : public QApplication {
public:
    ShellApplication(int& argc, char** argv);
    static QString title();
    // Must run before the application object exists (the browser needs it).
    static void prepare();
    bool notify(QObject* receiver, QEvent* event) override;
};
