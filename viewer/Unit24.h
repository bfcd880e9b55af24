#pragma once
// The about screen.
#include "platform/Screen.h"

class TForm24 : public Screen {
    Q_OBJECT
public:
    TForm24();

protected:
    void FormClose() override;
};
