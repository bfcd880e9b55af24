#pragma once
// The users table editor.
#include "platform/Screen.h"

class TForm14 : public Screen {
    Q_OBJECT
public:
    TForm14();

protected:
    void FormClose() override;
};
