#include "platform/DBText.h"
#include "platform/Dataset.h"

DBText::DBText(QWidget* parent) : QLabel(parent) {}

void DBText::setDataSource(Dataset* dataset, const QString& field)
{
    if (dataset_)
        dataset_->disconnect(this);
    dataset_ = dataset;
    field_ = field;
    if (dataset) {
        connect(dataset, &Dataset::dataChanged, this, &DBText::refresh);
        connect(dataset, &Dataset::currentChanged, this, &DBText::refresh);
        connect(dataset, &Dataset::recordChanged, this, &DBText::refresh);
        connect(dataset, &Dataset::stateChanged, this, &DBText::refresh);
    }
    refresh();
}

void DBText::refresh()
{
    const bool known = dataset_ && dataset_->active() && dataset_->fieldIndex(field_) >= 0;
    setText(known ? dataset_->value(field_).toString() : QString());
}
