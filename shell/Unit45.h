#pragma once
// The video screen: two buttons, each opening one video.
#include "platform/Screen.h"
#include <memory>

namespace Ui { class TVideo; }

class TVideo : public Screen {
    Q_OBJECT
public:
    TVideo();
    ~TVideo() override;
    Ui::TVideo& ui() { return *ui_; }

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::TVideo> ui_;
};
