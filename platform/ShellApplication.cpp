#include "platform/ShellApplication.h"
#include "platform/FontMap.h"
#include "platform/Guard.h"
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

static void loadPictures()
{
    // The pictures live in the static core library: register them by hand.
    Q_INIT_RESOURCE(resources);
}

ShellApplication::ShellApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    loadPictures();
    // The window class; never a display name, which the toolkit would
    // append to every window caption.
    setApplicationName(QStringLiteral("courseshell"));
    setDesktopFileName(QStringLiteral("courseshell"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.png")));
    setQuitOnLastWindowClosed(false);  // only the exit confirmation ends the program

    // The program speaks Russian whatever the desktop's language.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);

    installFontMap();
}

QString ShellApplication::title()
{
    return QStringLiteral("Электронный интерактивный учебник");
}

void ShellApplication::prepare()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

bool ShellApplication::notify(QObject* receiver, QEvent* event)
{
    // Handlers guard themselves; this only catches what slipped past them.
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
