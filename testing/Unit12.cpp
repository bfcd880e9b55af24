#include "testing/Unit12.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/Unit5.h"


TForm12::TForm12()
{
    setWindowTitle(QStringLiteral("Регистрация пользователя"));
    setBorder(Border::ToolWindow, QSize(384, 490));
}

void TForm12::FormClose()
{
    showScreen(screens().Form5);
}
