#include "testing/Unit13.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"


TForm13::TForm13()
{
    setWindowTitle(QStringLiteral("Тестирование"));
    setBorder(Border::Sizeable, QSize(890, 663));
}

void TForm13::FormCreate()
{
    hideScreen(screens().Form1);
}

void TForm13::FormClose()
{
    showScreen(screens().Form1);
}
