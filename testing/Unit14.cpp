#include "testing/Unit14.h"
#include "ui_Unit14.h"
#include "testing/CourseDatabase.h"

TForm14::TForm14() : ui_(std::make_unique<Ui::TForm14>())
{
    ui_->setupUi(this);
    setWindowTitle(QStringLiteral("База данных пользователей"));
    setBorder(Border::FixedDialog, QSize(671, 351));
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 251, 240));
    setPalette(p);
    setAutoFillBackground(true);

    const UsersEditorData data = openUsersEditorData(this);
    ADOConnection1 = data.connection;
    ADOTable1 = data.users;
    ui_->DBGrid1->setDataset(ADOTable1);
    ui_->DBGrid1->setColumns(ADOTable1->fields());
    ui_->DBNavigator1->setDataset(ADOTable1);
    ui_->DBNavigator1->setButtonCount(10);
}

TForm14::~TForm14() = default;

void TForm14::FormClose() {}
