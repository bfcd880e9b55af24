#include "testing/Unit22.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"


TForm22::TForm22()
{
    setWindowTitle(QStringLiteral("Тестовая база"));
    setBorder(Border::FixedDialog, QSize(932, 569));
}

void TForm22::FormClose() {}
