#pragma once
// The data navigator: a row of buttons bound to a dataset, one per action,
// each with a hint. Delete asks "Delete record?" (OK, Cancel) and deletes
// only on OK.
#include <QList>
#include <QPointer>
#include <QWidget>

class Dataset;
class QToolButton;

class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtonCount = 10;

    explicit DBNavigator(QWidget* parent = nullptr);
    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return dataset_; }
    // Shows the first `count` buttons in their order (nine: all but Refresh).
    void setButtonCount(int count);
    void setVisibleButtons(const QList<Button>& buttons);
    void setHints(const QStringList& hints);  // in button order
    QToolButton* button(Button b) const { return buttons_[b]; }
    // What pressing a button does; raises what the dataset raises.
    void perform(Button b);

signals:
    void clicked(DBNavigator::Button button);

private:
    void updateButtons();

    QPointer<Dataset> dataset_;
    QToolButton* buttons_[kButtonCount];
};
