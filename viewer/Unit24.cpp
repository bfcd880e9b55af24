#include "viewer/Unit24.h"
#include "ui_Unit24.h"

TForm24::TForm24() : TopicViewer(aboutCatalogue()), ui_(std::make_unique<Ui::TForm24>())
{
    ui_->setupUi(this);
    setBorder(Border::FixedDialog, QSize(869, 684));
    attach(viewerControls(*ui_));
}

TForm24::~TForm24() = default;
