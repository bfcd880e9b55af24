#include "platform/DBNavigator.h"
#include "platform/Dataset.h"
#include "platform/Guard.h"
#include <QHBoxLayout>
#include <QMessageBox>
#include <QToolButton>

namespace {

const char* const kPictures[DBNavigator::kButtonCount] = {
    "first", "prior", "next", "last", "insert", "delete", "edit", "post", "cancel", "refresh"};
const char* const kHints[DBNavigator::kButtonCount] = {
    "Первая запись", "Предыдущая запись", "Следующая запись", "Последняя запись", "Вставить",
    "Удалить", "Иизменить", "Запомнить", "Отменить", "Обновить"};
const char* const kNames[DBNavigator::kButtonCount] = {
    "nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete", "nbEdit", "nbPost", "nbCancel", "nbRefresh"};

} // namespace

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < kButtonCount; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(kNames[i]));
        b->setIcon(QIcon(QStringLiteral(":/pictures/nav_%1.png").arg(QLatin1String(kPictures[i]))));
        b->setToolTip(QString::fromUtf8(kHints[i]));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
        buttons_[i] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { guarded([&] { perform(Button(i)); }); });
    }
    updateButtons();
}

void DBNavigator::setDataset(Dataset* dataset)
{
    if (dataset_)
        dataset_->disconnect(this);
    dataset_ = dataset;
    if (dataset) {
        connect(dataset, &Dataset::dataChanged, this, &DBNavigator::updateButtons);
        connect(dataset, &Dataset::currentChanged, this, &DBNavigator::updateButtons);
        connect(dataset, &Dataset::stateChanged, this, &DBNavigator::updateButtons);
        connect(dataset, &Dataset::recordChanged, this, &DBNavigator::updateButtons);
    }
    updateButtons();
}

void DBNavigator::setButtonCount(int count)
{
    QList<Button> shown;
    for (int i = 0; i < std::min(count, kButtonCount); ++i)
        shown.append(Button(i));
    setVisibleButtons(shown);
}

void DBNavigator::setVisibleButtons(const QList<Button>& buttons)
{
    for (int i = 0; i < kButtonCount; ++i)
        buttons_[i]->setVisible(buttons.contains(Button(i)));
}

void DBNavigator::setHints(const QStringList& hints)
{
    for (int i = 0; i < kButtonCount && i < hints.size(); ++i)
        buttons_[i]->setToolTip(hints[i]);
}

void DBNavigator::perform(Button b)
{
    Dataset* ds = dataset_;
    if (!ds)
        return;
    switch (b) {
    case First:
        ds->first();
        break;
    case Prior:
        ds->prior();
        break;
    case Next:
        ds->next();
        break;
    case Last:
        ds->last();
        break;
    case Insert:
        ds->insert();
        break;
    case Delete: {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Delete record?"),
                        QMessageBox::Ok | QMessageBox::Cancel, window());
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        if (box.exec() == QMessageBox::Ok && dataset_)
            dataset_->remove();
        break;
    }
    case Edit:
        ds->edit();
        break;
    case Post:
        ds->post();
        break;
    case Cancel:
        ds->cancel();
        break;
    case Refresh:
        ds->refresh();
        break;
    }
    emit clicked(b);
}

void DBNavigator::updateButtons()
{
    Dataset* ds = dataset_;
    const bool active = ds && ds->active();
    const bool editing = active && (ds->state() == Dataset::State::Edit || ds->state() == Dataset::State::Insert);
    const bool modify = active && ds->canModify();
    const bool upward = active && ds->recNo() > 0;
    const bool downward = active && ds->recNo() < ds->recordCount() - 1;
    buttons_[First]->setEnabled(upward);
    buttons_[Prior]->setEnabled(upward);
    buttons_[Next]->setEnabled(downward);
    buttons_[Last]->setEnabled(downward);
    buttons_[Insert]->setEnabled(modify);
    buttons_[Delete]->setEnabled(modify && ds->recordCount() > 0);
    buttons_[Edit]->setEnabled(modify && !editing);
    buttons_[Post]->setEnabled(editing);
    buttons_[Cancel]->setEnabled(editing);
    buttons_[Refresh]->setEnabled(active);
}
