#include "viewer/Unit8.h"
#include "ui_Unit8.h"

TForm8::TForm8() : TopicViewer(lecturesCatalogue()), ui_(std::make_unique<Ui::TForm8>())
{
    ui_->setupUi(this);
    setBorder(Border::FixedDialog, QSize(1043, 672));
    attach(viewerControls(*ui_));
}

TForm8::~TForm8() = default;
