#pragma once
// The lectures viewer.
#include "platform/Screen.h"

class TForm8 : public Screen {
    Q_OBJECT
public:
    TForm8();

protected:
    void FormClose() override;
};
