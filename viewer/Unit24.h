#pragma once
// The about screen: the user guide and the authors.
#include "viewer/TopicViewer.h"
#include <memory>

namespace Ui { class TForm24; }

class TForm24 : public TopicViewer {
    Q_OBJECT
public:
    TForm24();
    ~TForm24() override;
    Ui::TForm24& ui() { return *ui_; }

private:
    std::unique_ptr<Ui::TForm24> ui_;
};
