#include "platform/Screen.h"
#include "platform/Guard.h"
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

Screen::Screen(QWidget* parent) : QWidget(parent, Qt::Window) {}

namespace {

// A focused button acts on Enter as well as on Space, as buttons do on the
// desktop the course comes from; Qt does that by itself only inside dialogs.
void pressButtonsOnEnter(QWidget* screen)
{
    for (QPushButton* button : screen->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

} // namespace

void Screen::setBorder(Border border, QSize clientSize)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (border) {
    case Border::FixedSingle:
        flags |= Qt::WindowMinimizeButtonHint;
        break;
    case Border::FixedDialog:
        break;
    case Border::ToolWindow:
        flags = (flags & ~Qt::Window) | Qt::Tool;
        break;
    case Border::Sizeable:
    case Border::FittedSizeable:
        flags |= Qt::WindowMinMaxButtonsHint;
        break;
    }
    setWindowFlags(flags);
    if (border == Border::Sizeable) {
        resize(clientSize);
    } else {
        setFixedSize(clientSize);
    }
}

void Screen::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (!shownBefore_)
            pressButtonsOnEnter(this);
        if (placement_ == Placement::CentreOnEveryShow
            || (placement_ == Placement::CentreOnFirstShow && !shownBefore_))
            centreOnDesktop(this);
        shownBefore_ = true;
    }
    QWidget::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void Screen::closeEvent(QCloseEvent* event)
{
    bool ok = false;
    guarded([&] {
        FormClose();
        ok = true;
    });
    if (ok)
        event->accept();
    else
        event->ignore();
}

void Screen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guarded([this] { FormActivate(); });
}

void showScreen(QWidget* screen)
{
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void makeScreenVisible(QWidget* screen)
{
    if (screen->isVisible())
        return;
    screen->show();
    screen->activateWindow();
}

void hideScreen(QWidget* screen)
{
    screen->hide();
}

void closeScreen(QWidget* screen)
{
    screen->close();
}

void centreOnDesktop(QWidget* window)
{
    QScreen* desktop = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!desktop)
        return;
    const QRect area = desktop->availableGeometry();
    const QSize frame = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}
