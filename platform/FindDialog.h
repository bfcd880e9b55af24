#pragma once
// The browser's dialog for finding text in the shown page: the engine has
// none of its own, only findText.
#include <QDialog>
#include <QWebEnginePage>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(QWebEnginePage* page, QWidget* parent);
    QLineEdit* textField() const { return text_; }
    QPushButton* findNextButton() const { return findNext_; }
    // What the last search found, as the dialog shows it ("" while none ran).
    QString outcome() const;

    void findNext();

signals:
    void searched(int matches);

private:
    QWebEnginePage* page_;
    QLineEdit* text_;
    QCheckBox* matchCase_;
    QRadioButton* up_;
    QRadioButton* down_;
    QPushButton* findNext_;
    QLabel* outcome_;
    QString lastText_;
    QWebEnginePage::FindFlags lastFlags_;
};
