#pragma once
// The presentations screen: eight buttons, each opening one presentation.
#include "platform/Screen.h"
#include <memory>

namespace Ui { class TPresent; }

class TPresent : public Screen {
    Q_OBJECT
public:
    TPresent();
    ~TPresent() override;
    Ui::TPresent& ui() { return *ui_; }

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::TPresent> ui_;
};
