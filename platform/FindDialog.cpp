#include "platform/FindDialog.h"
#include "platform/Guard.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWebEngineFindTextResult>

FindDialog::FindDialog(QWebEnginePage* page, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), page_(page)
{
    setWindowTitle(QStringLiteral("Найти"));
    setModal(false);

    text_ = new QLineEdit(this);
    matchCase_ = new QCheckBox(QStringLiteral("С учётом &регистра"), this);
    up_ = new QRadioButton(QStringLiteral("&Вверх"), this);
    down_ = new QRadioButton(QStringLiteral("В&низ"), this);
    down_->setChecked(true);
    findNext_ = new QPushButton(QStringLiteral("&Найти далее"), this);
    findNext_->setDefault(true);
    findNext_->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    outcome_ = new QLabel(this);

    auto* direction = new QGroupBox(QStringLiteral("Направление"), this);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);

    auto* what = new QLabel(QStringLiteral("&Что:"), this);
    what->setBuddy(text_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(what, 0, 0);
    grid->addWidget(text_, 0, 1, 1, 2);
    grid->addWidget(findNext_, 0, 3);
    grid->addWidget(matchCase_, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2);
    grid->addWidget(cancel, 1, 3, Qt::AlignTop);
    grid->addWidget(outcome_, 2, 0, 1, 4);

    connect(text_, &QLineEdit::textChanged, this, [this](const QString& t) { findNext_->setEnabled(!t.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this, handler(this, &FindDialog::findNext));
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::outcome() const
{
    return outcome_->text();
}

void FindDialog::findNext()
{
    const QString text = text_->text();
    if (text.isEmpty())
        return;
    QWebEnginePage::FindFlags flags;
    if (matchCase_->isChecked())
        flags |= QWebEnginePage::FindCaseSensitively;
    if (up_->isChecked())
        flags |= QWebEnginePage::FindBackward;
    // The engine keeps stepping through the matches of its last search;
    // another text or other flags must start a new one.
    if (text != lastText_ || flags != lastFlags_)
        page_->findText(QString());
    lastText_ = text;
    lastFlags_ = flags;
    QPointer<FindDialog> self(this);
    page_->findText(text, flags, [self, text](const QWebEngineFindTextResult& result) {
        if (!self)
            return;
        const int matches = result.numberOfMatches();
        self->outcome_->setText(matches > 0
            ? QStringLiteral("Совпадение %1 из %2").arg(result.activeMatch()).arg(matches)
            : QStringLiteral("Не удаётся найти «%1»").arg(text));
        emit self->searched(matches);
    });
}
