#pragma once
// The testing screen: the twenty questions of one test, its completion and
// stored result, the results list and, for the administrator, the tools.
// Every successful sign-in makes a new one.
#include "platform/Screen.h"
#include "testing/CourseDatabase.h"
#include "testing/QuestionOrder.h"
#include <QTimer>
#include <memory>

namespace Ui { class TForm13; }
class QLabel;
class QPushButton;

class TForm13 : public Screen {
    Q_OBJECT
public:
    TForm13();  // connects and opens Vopros, Rezult and the results query; raises DatabaseError
    ~TForm13() override;
    void FormCreate() override;

    Ui::TForm13& ui() { return *ui_; }
    const TestingData& data() const { return data_; }
    QTimer& timer() { return Timer1; }
    void setSignedInLogin(const QString& login);
    bool administrator() const;

    void Timer1Timer();
    void BitBtn1Click() { answer(0); }
    void BitBtn2Click() { answer(1); }
    void BitBtn3Click() { answer(2); }
    void BitBtn4Click() { answer(3); }
    void BitBtn5Click() { answer(4); }
    void BitBtn14Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    bool ADOTable1FilterRecord(const QVariantMap& row) const;
    bool ADOQuery1FilterRecord(const QVariantMap& row) const;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void answer(int letter);
    void requestStep();
    void completeTest();
    void showQuestionArea(bool visible);
    void writeCounters();
    qint32 orderCell(int column) const;

    std::unique_ptr<Ui::TForm13> ui_;
    TestingData data_;
    QTimer Timer1;
    std::array<QPushButton*, 5> buttons_{};
    std::array<QLabel*, 5> answerLabels_{};
};
