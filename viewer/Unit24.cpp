#include "viewer/Unit24.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"


TForm24::TForm24()
{
    setWindowTitle(QStringLiteral("О программе"));
    setBorder(Border::FixedDialog, QSize(869, 684));
}

void TForm24::FormClose()
{
    makeScreenVisible(screens().Form1);
}
