#include "shell/Unit1.h"
#include "ui_Unit1.h"
#include "platform/Guard.h"
#include "platform/MessageBoxes.h"
#include "shell/CourseFiles.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit44.h"
#include "shell/Unit45.h"
#include "testing/Unit5.h"
#include "viewer/Unit24.h"
#include "viewer/Unit8.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {
const QString kHoverSound = QStringLiteral("Audio\\movve.wav");
}

TForm1::TForm1() : ui_(std::make_unique<Ui::TForm1>())
{
    ui_->setupUi(this);
    setBorder(Border::FixedSingle, QSize(804, 495));
    setFocusPolicy(Qt::StrongFocus);  // no control takes the keyboard: the window does

    for (MenuLabel* label : findChildren<MenuLabel*>())
        label->fitToText();

    auto& u = *ui_;
    connect(u.btnUchebnik, &MenuLabel::clicked, this, handler(this, &TForm1::btnUchebnikClick));
    connect(u.Label1, &MenuLabel::clicked, this, handler(this, &TForm1::Label1Click));
    connect(u.Label2, &MenuLabel::clicked, this, handler(this, &TForm1::Label2Click));
    connect(u.Label3, &MenuLabel::clicked, this, handler(this, &TForm1::Label3Click));
    connect(u.Label5, &MenuLabel::clicked, this, handler(this, &TForm1::Label5Click));
    connect(u.Label6, &MenuLabel::clicked, this, handler(this, &TForm1::Label6Click));
    connect(u.Label7, &MenuLabel::clicked, this, handler(this, &TForm1::Label7Click));
    connect(u.Label8, &MenuLabel::clicked, this, handler(this, &TForm1::Label8Click));
    connect(u.Label9, &MenuLabel::clicked, this, handler(this, &TForm1::Label9Click));
    connect(u.Label10, &MenuLabel::mouseUp, this, handler(this, &TForm1::Label10MouseUp));
    connect(u.Label4, &MenuLabel::mouseUp, this, handler(this, &TForm1::Label4MouseUp));
    for (StretchedPicture* strip : {u.Image2, u.Image3, u.Image4, u.Image5, u.Image6, u.Image7, u.Image8,
                                    u.Image9, u.Image10, u.Image11, u.Image12})
        connect(strip, &StretchedPicture::mouseMoved, this, handler(this, &TForm1::ImageMouseMove));
}

TForm1::~TForm1() = default;

void TForm1::btnUchebnikClick() { launchCourseFile("Form1", "btnUchebnik"); }
void TForm1::Label5Click() { launchCourseFile("Form1", "Label5"); }
void TForm1::Label6Click() { launchCourseFile("Form1", "Label6"); }
void TForm1::Label7Click() { launchCourseFile("Form1", "Label7"); }
void TForm1::Label8Click() { launchCourseFile("Form1", "Label8"); }

void TForm1::Label1Click()
{
    hideScreen(this);
    showScreen(screens().Form8);
}

void TForm1::Label2Click()
{
    hideScreen(this);
    showScreen(screens().Present);
}

void TForm1::Label9Click()
{
    hideScreen(this);
    showScreen(screens().Video);
}

void TForm1::Label3Click()
{
    showScreen(screens().Form24);
    hideScreen(this);
}

void TForm1::Label10MouseUp(Qt::MouseButton, QPoint position)
{
    // The accepted area is wider and taller than the label itself.
    const int x = position.x();
    const int y = position.y();
    if (x >= 1 && x <= 192 && y >= 1 && y <= 48) {
        hideScreen(this);
        showScreen(screens().Form5);
    }
}

void TForm1::Label4MouseUp(Qt::MouseButton, QPoint)
{
    exitConfirmation();
}

void TForm1::ImageMouseMove(QPoint)
{
    ++hoverCalls_;
    lastHover_ = hoverSound_.play(kHoverSound);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        guarded([] { showScreen(screens().Form24); });
        return;
    }
    Screen::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing the main window asks to end the program; ending it never
    // closes the window through this path, so there is no second question.
    if (exiting_) {
        event->accept();
        return;
    }
    event->ignore();
    guarded([this] { exitConfirmation(); });
}

void TForm1::exitConfirmation()
{
    if (asking_ || exiting_)
        return;
    asking_ = true;
    const bool ok = confirmExit(this);
    asking_ = false;
    if (ok) {
        exiting_ = true;
        QCoreApplication::exit(0);
        return;
    }
    if (!isVisible())
        makeScreenVisible(this);
}
