#pragma once
// Answers the program's modal message boxes the way a user would, and
// records what each box showed.
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

struct BoxRecord {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool textAsMarkup = false;  // the box draws its text as rich text
};

class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(QMessageBox*)>;
    ModalAnswerer();
    // The next boxes, in order, get these actions; boxes beyond them are
    // answered with their escape button.
    void queue(Action action);
    void press(QMessageBox::StandardButton button);
    void key(int key);  // a key sent to the box, such as Qt::Key_Return
    const std::vector<BoxRecord>& boxes() const { return boxes_; }
    void clear() { boxes_.clear(); actions_.clear(); }

private:
    void poll();
    QTimer timer_;
    std::vector<Action> actions_;
    std::vector<BoxRecord> boxes_;
};
