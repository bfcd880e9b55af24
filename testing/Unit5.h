#pragma once
// The sign-in screen.
#include "platform/Screen.h"

class TForm5 : public Screen {
    Q_OBJECT
public:
    TForm5();
protected:
    void FormClose() override;
};
