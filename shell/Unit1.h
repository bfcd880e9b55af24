#pragma once
// The main menu: the program's main window.
#include "platform/AsyncSound.h"
#include "platform/Screen.h"
#include <memory>

namespace Ui { class TForm1; }

class TForm1 : public Screen {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;
    Ui::TForm1& ui() { return *ui_; }
    AsyncSound::Outcome lastHoverOutcome() const { return lastHover_; }
    int hoverCalls() const { return hoverCalls_; }
    bool exiting() const { return exiting_; }

    void btnUchebnikClick();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label5Click();
    void Label6Click();
    void Label7Click();
    void Label8Click();
    void Label9Click();
    void Label10MouseUp(Qt::MouseButton button, QPoint position);
    void Label4MouseUp(Qt::MouseButton button, QPoint position);
    void ImageMouseMove(QPoint position);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void exitConfirmation();

    std::unique_ptr<Ui::TForm1> ui_;
    AsyncSound hoverSound_;
    AsyncSound::Outcome lastHover_ = AsyncSound::Outcome::Played;
    int hoverCalls_ = 0;
    bool asking_ = false;
    bool exiting_ = false;
};
