#pragma once
// A label that shows one field of its dataset's current row.
#include <QLabel>
#include <QPointer>

class Dataset;

class DBText : public QLabel {
    Q_OBJECT
public:
    explicit DBText(QWidget* parent = nullptr);
    void setDataSource(Dataset* dataset, const QString& field);

private:
    void refresh();
    QPointer<Dataset> dataset_;
    QString field_;
};
