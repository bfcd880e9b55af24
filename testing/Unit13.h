#pragma once
// The testing screen: the test, its results and the administrator tools.
#include "platform/Screen.h"

class TForm13 : public Screen {
    Q_OBJECT
public:
    TForm13();
    void FormCreate() override;

protected:
    void FormClose() override;
};
