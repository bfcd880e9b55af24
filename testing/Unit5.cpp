#include "testing/Unit5.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"


TForm5::TForm5()
{
    setWindowTitle(QStringLiteral("Авторизация пользователя"));
    setBorder(Border::ToolWindow, QSize(393, 435));
}

void TForm5::FormClose()
{
    showScreen(screens().Form1);
}
