#pragma once
// The sign-in screen: login and password, the way to registration, and the
// decision that opens a fresh testing screen.
#include "platform/Screen.h"
#include <memory>

namespace Ui { class TForm5; }

class TForm5 : public Screen {
    Q_OBJECT
public:
    TForm5();
    ~TForm5() override;
    Ui::TForm5& ui() { return *ui_; }

    void Label4Click();  // sign-in decision
    void Label5Click();  // registration

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void openTestingScreen(const QString& login);

    std::unique_ptr<Ui::TForm5> ui_;
};
