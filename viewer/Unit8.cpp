#include "viewer/Unit8.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"


TForm8::TForm8()
{
    setWindowTitle(QStringLiteral("Лекции"));
    setBorder(Border::FixedDialog, QSize(1043, 672));
}

void TForm8::FormClose()
{
    makeScreenVisible(screens().Form1);
}
