#include "testing/Unit22.h"
#include "ui_Unit22.h"
#include "testing/CourseDatabase.h"

TForm22::TForm22() : ui_(std::make_unique<Ui::TForm22>())
{
    ui_->setupUi(this);
    setWindowTitle(QStringLiteral("Тестовая база"));
    setBorder(Border::FixedDialog, QSize(932, 569));

    const QuestionEditorData data = openQuestionEditorData(this);
    ADOConnection1 = data.connection;
    ADOTable1 = data.questions;
    ui_->DBGrid1->setDataset(ADOTable1);
    ui_->DBGrid1->setColumns(ADOTable1->fields());  // the counter column is read-only
    ui_->DBNavigator1->setDataset(ADOTable1);
    ui_->DBNavigator1->setButtonCount(9);
}

TForm22::~TForm22() = default;

void TForm22::FormClose() {}
