#pragma once
// The lectures viewer.
#include "viewer/TopicViewer.h"
#include <memory>

namespace Ui { class TForm8; }

class TForm8 : public TopicViewer {
    Q_OBJECT
public:
    TForm8();
    ~TForm8() override;
    Ui::TForm8& ui() { return *ui_; }

private:
    std::unique_ptr<Ui::TForm8> ui_;
};
