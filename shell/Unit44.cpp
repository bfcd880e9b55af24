#include "shell/Unit44.h"
#include "ui_Unit44.h"
#include "platform/Guard.h"
#include "shell/CourseFiles.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"

TPresent::TPresent() : ui_(std::make_unique<Ui::TPresent>())
{
    ui_->setupUi(this);
    setBorder(Border::FixedDialog, QSize(459, 203));
    setPlacement(Placement::AsCreated);
    move(412, 146);

    auto& u = *ui_;
    connect(u.BitBtn1, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn1Click));
    connect(u.BitBtn2, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn2Click));
    connect(u.BitBtn3, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn3Click));
    connect(u.BitBtn4, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn4Click));
    connect(u.BitBtn5, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn5Click));
    connect(u.BitBtn7, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn7Click));
    connect(u.BitBtn8, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn8Click));
    connect(u.BitBtn9, &QPushButton::clicked, this, handler(this, &TPresent::BitBtn9Click));
}

TPresent::~TPresent() = default;

void TPresent::BitBtn1Click() { launchCourseFile("Present", "BitBtn1"); }
void TPresent::BitBtn2Click() { launchCourseFile("Present", "BitBtn2"); }
void TPresent::BitBtn3Click() { launchCourseFile("Present", "BitBtn3"); }
void TPresent::BitBtn4Click() { launchCourseFile("Present", "BitBtn4"); }
void TPresent::BitBtn5Click() { launchCourseFile("Present", "BitBtn5"); }
void TPresent::BitBtn7Click() { launchCourseFile("Present", "BitBtn7"); }
void TPresent::BitBtn8Click() { launchCourseFile("Present", "BitBtn8"); }
void TPresent::BitBtn9Click() { launchCourseFile("Present", "BitBtn9"); }

void TPresent::FormClose()
{
    makeScreenVisible(screens().Form1);
}
