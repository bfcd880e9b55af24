#include "testing/Unit14.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"


TForm14::TForm14()
{
    setWindowTitle(QStringLiteral("База данных пользователей"));
    setBorder(Border::FixedDialog, QSize(671, 351));
}

void TForm14::FormClose() {}
