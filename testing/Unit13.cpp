#include "testing/Unit13.h"
#include "ui_Unit13.h"
#include "platform/Dataset.h"
#include "platform/DbConnection.h"
#include "platform/Guard.h"
#include "platform/LabelFit.h"
#include "platform/MessageBoxes.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/Logins.h"
#include "testing/TestRun.h"
#include "testing/Unit14.h"
#include "testing/Unit22.h"
#include <QDateTime>

namespace {
const QColor kMoneyGreen(192, 220, 192);
// Best first by the number the text holds, not by the text.
const QString kOrderClause = QStringLiteral("ORDER BY CInt([result]) desc");
const char* const kLetters[] = {"A", "B", "C", "D", "E"};
}

TForm13::TForm13() : ui_(std::make_unique<Ui::TForm13>())
{
    ui_->setupUi(this);
    setBorder(Border::Sizeable, QSize(890, 663));
    // The layout's style sheet paints the cream window and panel.
    setAttribute(Qt::WA_StyledBackground, true);
    for (QLabel* title : {ui_->Label32, ui_->Label34, ui_->Label2, ui_->Label4})
        widenToText(title);

    auto& u = *ui_;
    buttons_ = {u.BitBtn1, u.BitBtn2, u.BitBtn3, u.BitBtn4, u.BitBtn5};
    answerLabels_ = {u.Label5, u.Label6, u.Label7, u.Label8, u.Label9};
    connect(u.BitBtn1, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn1Click));
    connect(u.BitBtn2, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn2Click));
    connect(u.BitBtn3, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn3Click));
    connect(u.BitBtn4, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn4Click));
    connect(u.BitBtn5, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn5Click));
    connect(u.BitBtn14, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn14Click));
    connect(u.BitBtn6, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn6Click));
    connect(u.BitBtn7, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn7Click));
    connect(u.BitBtn8, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn8Click));
    connect(u.BitBtn9, &QPushButton::clicked, this, handler(this, &TForm13::BitBtn9Click));

    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, handler(this, &TForm13::Timer1Timer));

    data_ = openTestingData(this);
    data_.questions->setOnFilterRecord(
        [this](const Dataset&, const QVariantMap& row) { return ADOTable1FilterRecord(row); });
    data_.resultsQuery->setOnFilterRecord(
        [this](const Dataset&, const QVariantMap& row) { return ADOQuery1FilterRecord(row); });
    u.DBGrid3->setDataset(data_.resultsQuery);
    u.DBGrid3->setColumns(QList<GridColumn>{
        {QStringLiteral("user"), QStringLiteral("Пользователь"), 32, false, true},
        {QStringLiteral("datatest"), QStringLiteral("Дата"), 34, false, false},
        {QStringLiteral("result"), QStringLiteral("Результат"), 16, false, true},
    });
    u.DBGrid3->setTitleColor(kMoneyGreen);
    u.DBNavigator1->setDataset(data_.resultsQuery);
    u.DBNavigator1->setButtonCount(9);

    Timer1.start();  // the first step waits for the event loop
}

TForm13::~TForm13() = default;

void TForm13::setSignedInLogin(const QString& login)
{
    ui_->Label13->setText(login);
}

bool TForm13::administrator() const
{
    return ui_->Label13->text() == kAdministratorLogin;
}

qint32 TForm13::orderCell(int column) const
{
    const QTableWidgetItem* item = ui_->StringGrid1->item(0, column);
    return item ? item->text().toInt() : 0;
}

void TForm13::FormCreate()
{
    hideScreen(screens().Form1);
    data_.connection->open();
    data_.questions->open();
    data_.results->open();

    testingRandom::seedFromClock();
    const QuestionOrder order = generateQuestionOrder([] { return testingRandom::bounded(101) + 1; });
    for (int column = 0; column < kOrderCells; ++column)
        ui_->StringGrid1->setItem(0, column, new QTableWidgetItem(cellText(order[column])));
    resetTestState(orderCell(0));

    Dataset& query = *data_.resultsQuery;
    query.close();
    query.sql().insert(1, kOrderClause);
    query.open();
}

bool TForm13::ADOTable1FilterRecord(const QVariantMap& row) const
{
    const QVariant code = row.value(QStringLiteral("code"));
    return !code.isNull() && code.toInt() == testState().CurrentCode;
}

bool TForm13::ADOQuery1FilterRecord(const QVariantMap& row) const
{
    const QString wanted = administrator() ? ui_->Edit1->text() : ui_->Label13->text();
    return exactlyEquals(row.value(QStringLiteral("user")), wanted);
}

void TForm13::showQuestionArea(bool visible)
{
    auto& u = *ui_;
    for (QWidget* w : {static_cast<QWidget*>(u.Panel1), static_cast<QWidget*>(u.Memo1), static_cast<QWidget*>(u.Panel2)})
        w->setVisible(visible);
    for (int i = 0; i < kAnswerCount; ++i) {
        buttons_[i]->setVisible(visible);
        answerLabels_[i]->setVisible(visible);
    }
}

void TForm13::FormShow()
{
    data_.questions->open();
    data_.results->open();
    data_.resultsQuery->open();
    auto& u = *ui_;
    if (administrator()) {
        setWindowTitle(QStringLiteral("Вы вошли в систему под Администратором"));
        requestStep();
        u.DBGrid3->show();
        u.DBNavigator1->show();
        u.DBGrid3->setReadOnly(false);
        u.GroupBox1->show();
        showQuestionArea(false);
    } else {
        u.DBGrid3->hide();
        u.DBNavigator1->hide();
        showQuestionArea(true);
        u.GroupBox1->hide();
    }
}

void TForm13::requestStep()
{
    if (!Timer1.isActive())
        Timer1.start();
}

void TForm13::writeCounters()
{
    const TestState& s = testState();
    ui_->Label29->setText(QString::number(s.AskedCount));
    ui_->Label20->setText(QString::number(s.CorrectCount));
    ui_->Label21->setText(QString::number(s.WrongCount));
}

void TForm13::Timer1Timer()
{
    // Stopped first: a step that fails is reported once, not on every tick
    // while its error box is open.
    Timer1.stop();
    auto& u = *ui_;
    TestState& s = testState();
    if (administrator() && u.BitBtn14->isHidden())
        u.BitBtn14->show();
    if (s.AskedCount > kQuestionsPerTest - 1) {
        completeTest();
        return;
    }

    Dataset& questions = *data_.questions;
    questions.setFiltered(true);
    questions.refilter();
    u.Label11->setText(questions.value("Tekst").toString());
    u.Label23->setText(questions.value("ans1").toString());
    u.Memo1->setPlainText(u.Label11->text());
    Answers bank;
    for (int i = 0; i < kAnswerCount; ++i)
        bank[i] = questions.value(QStringLiteral("ans%1").arg(i + 1)).toString();
    s.ArrangementNumber = testingRandom::bounded(5) + 1;
    const Answers shown = arrange(bank, s.ArrangementNumber);
    for (int i = 0; i < kAnswerCount; ++i)
        buttons_[i]->setText(shown[i]);
    u.Label12->setText(QString::number(s.ArrangementNumber));
    s.ArrangementNumber = 0;
    questions.setFiltered(false);

    ++s.AskedCount;
    s.CurrentCode = orderCell(s.AskedCount);
    for (int i = 0; i < kAnswerCount; ++i) {
        answerLabels_[i]->setText(buttons_[i]->text());
        answerLabels_[i]->adjustSize();
        buttons_[i]->setText(QString::fromLatin1(kLetters[i]));
    }
    writeCounters();
}

void TForm13::answer(int letter)
{
    QLabel* verdict = ui_->Label22;
    verdict->setText(judgeAnswer(testState(), answerLabels_[letter]->text(), ui_->Label23->text()));
    verdict->adjustSize();
    verdict->show();
    requestStep();
}

void TForm13::BitBtn14Click()
{
    testState().AskedCount = kQuestionsPerTest;
    requestStep();
}

void TForm13::completeTest()
{
    auto& u = *ui_;
    TestState& s = testState();
    writeCounters();
    s.ScorePercent = scorePercent(s.CorrectCount, s.AskedCount);
    Timer1.stop();

    Dataset& results = *data_.results;
    try {
        results.insert();
        results.setValue("user", u.Label13->text());
        results.setValue("result", resultText(s.ScorePercent, QLocale::system()));
        results.setValue("datatest", QDateTime::currentDateTime());
        results.post();
    } catch (...) {
        // A row that could not be stored is dropped, so that a further
        // answer completes the test afresh instead of finding it pending.
        if (results.state() == Dataset::State::Insert)
            results.cancel();
        throw;
    }

    Dataset& query = *data_.resultsQuery;
    query.close();
    query.open();
    u.BitBtn14->hide();
    showPlainMessage(summaryMessage(u.Label20->text(), s.ScorePercent, QLocale::system()));

    query.setFiltered(true);
    query.refilter();
    u.DBGrid3->show();
    u.DBGrid3->setReadOnly(true);
    showQuestionArea(false);
    u.GroupBox1->hide();
}

void TForm13::BitBtn6Click()
{
    Dataset& query = *data_.resultsQuery;
    if (query.state() == Dataset::State::Edit || query.state() == Dataset::State::Insert)
        query.post();
    query.setFiltered(!query.filtered());
    query.first();
}

void TForm13::BitBtn7Click()
{
    makeScreenVisible(screens().Form14);
}

void TForm13::BitBtn9Click()
{
    showScreen(screens().Form22);
}

void TForm13::BitBtn8Click()
{
    data_.connection->close();
    closeScreen(this);
}

void TForm13::FormClose()
{
    // This instance is never shown again; its timer must not step the
    // test state the next instance shares.
    Timer1.stop();
    data_.connection->close();
    showScreen(screens().Form1);
}
