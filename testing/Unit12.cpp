#include "testing/Unit12.h"
#include "ui_Unit12.h"
#include "platform/Dataset.h"
#include "platform/Guard.h"
#include "platform/LabelFit.h"
#include "platform/MessageBoxes.h"
#include "shell/ScreenRegistry.h"
#include "testing/Logins.h"
#include "testing/Unit5.h"

TForm12::TForm12() : ui_(std::make_unique<Ui::TForm12>())
{
    ui_->setupUi(this);
    setBorder(Border::ToolWindow, QSize(384, 490));
    setPlacement(Placement::CentreOnEveryShow);
    for (QLabel* title : {ui_->Label10, ui_->Label11, ui_->Label1, ui_->Label2, ui_->Label5, ui_->Label6, ui_->Label7,
                          ui_->Label8})
        widenToText(title);
    data_ = openRegistrationData(this);
    data_.users->setOnFilterRecord([this](const Dataset&, const QVariantMap& row) { return ADOTable1FilterRecord(row); });
    ui_->DBText1->setDataSource(data_.users, QStringLiteral("Login"));
    connect(ui_->Label4, &MenuLabel::clicked, this, handler(this, &TForm12::Label4Click));
}

TForm12::~TForm12() = default;

bool TForm12::ADOTable1FilterRecord(const QVariantMap& row) const
{
    return exactlyEquals(row.value(QStringLiteral("Login")), ui_->Login->text());
}

void TForm12::FormClose()
{
    showScreen(screens().Form5);
}

void TForm12::Label4Click()
{
    Dataset& users = *data_.users;
    users.setFiltered(true);
    users.refilter();  // the typed login may differ from the last attempt's
    if (!ui_->DBText1->text().isEmpty()) {
        showPlainMessage(QStringLiteral("Пользователь с таким логином уже существует!"));
        users.setFiltered(false);
        return;
    }
    try {
        users.insert();
        users.setValue("Login", ui_->Login->text());
        users.setValue("Password", ui_->Edit1->text());
        users.setValue("Fam", ui_->Edit2->text());
        users.setValue("Imya", ui_->Edit3->text());
        users.setValue("Otch", ui_->Edit4->text());
        users.setValue("Group", ui_->Edit5->text());
        users.post();
    } catch (...) {
        // Nothing half-stored stays pending: the next attempt starts clean
        // and the fields keep what was typed.
        if (users.state() == Dataset::State::Insert)
            users.cancel();
        users.setFiltered(false);
        throw;
    }
    showPlainMessage(QStringLiteral("Вы успешно зарегистрированы!"));
    for (QLineEdit* field : {ui_->Login, ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5})
        field->clear();
    closeScreen(this);
    users.setFiltered(false);
}
