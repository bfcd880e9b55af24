#include "tests/support/ModalAnswerer.h"
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

ModalAnswerer::ModalAnswerer()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

void ModalAnswerer::queue(Action action)
{
    actions_.push_back(std::move(action));
}

void ModalAnswerer::press(QMessageBox::StandardButton button)
{
    queue([button](QMessageBox* box) {
        if (QAbstractButton* b = box->button(button))
            b->click();
    });
}

void ModalAnswerer::key(int key)
{
    queue([key](QMessageBox* box) {
        QWidget* target = box->focusWidget() ? box->focusWidget() : box;
        QTest::keyClick(target, Qt::Key(key));
    });
}

void ModalAnswerer::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    // Boxes come and go on the stack, often at the same address: mark each.
    if (!box || !box->isVisible() || box->property("seenByTest").toBool())
        return;
    box->setProperty("seenByTest", true);
    BoxRecord r;
    r.caption = box->windowTitle();
    r.text = box->text();
    r.icon = box->icon();
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        r.textAsMarkup = label->textFormat() == Qt::RichText
                         || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    r.buttons = box->standardButtons();
    if (box->defaultButton())
        r.defaultButton = box->standardButton(box->defaultButton());
    boxes_.push_back(r);
    Action action;
    if (!actions_.empty()) {
        action = actions_.front();
        actions_.erase(actions_.begin());
    }
    // Answer from the event loop, not from inside this poll.
    QTimer::singleShot(0, box, [box, action] {
        if (action)
            action(box);
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
}
