#pragma once
// The question bank editor.
#include "platform/Screen.h"

class TForm22 : public Screen {
    Q_OBJECT
public:
    TForm22();

protected:
    void FormClose() override;
};
