#include "shell/Unit45.h"
#include "ui_Unit45.h"
#include "platform/Guard.h"
#include "shell/CourseFiles.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"

TVideo::TVideo() : ui_(std::make_unique<Ui::TVideo>())
{
    ui_->setupUi(this);
    // The frame is sizeable, but the window fits itself to its content.
    setBorder(Border::FittedSizeable, QSize(601, 209));
    setPlacement(Placement::AsCreated);
    move(419, 181);

    connect(ui_->BitBtn1, &QPushButton::clicked, this, handler(this, &TVideo::BitBtn1Click));
    connect(ui_->BitBtn2, &QPushButton::clicked, this, handler(this, &TVideo::BitBtn2Click));
}

TVideo::~TVideo() = default;

void TVideo::BitBtn1Click() { launchCourseFile("Video", "BitBtn1"); }
void TVideo::BitBtn2Click() { launchCourseFile("Video", "BitBtn2"); }

void TVideo::FormClose()
{
    makeScreenVisible(screens().Form1);
}
