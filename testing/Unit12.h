#pragma once
// The registration screen.
#include "platform/Screen.h"

class TForm12 : public Screen {
    Q_OBJECT
public:
    TForm12();
protected:
    void FormClose() override;
};
