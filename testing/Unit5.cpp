#include "testing/Unit5.h"
#include "ui_Unit5.h"
#include "platform/Dataset.h"
#include "platform/Guard.h"
#include "platform/LabelFit.h"
#include "platform/MessageBoxes.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/Logins.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"

TForm5::TForm5() : ui_(std::make_unique<Ui::TForm5>())
{
    ui_->setupUi(this);
    setBorder(Border::ToolWindow, QSize(393, 435));
    setPlacement(Placement::CentreOnEveryShow);
    for (QLabel* title : {ui_->Label1, ui_->Label2})
        widenToText(title);
    connect(ui_->Label4, &MenuLabel::clicked, this, handler(this, &TForm5::Label4Click));
    connect(ui_->Label5, &MenuLabel::clicked, this, handler(this, &TForm5::Label5Click));
}

TForm5::~TForm5() = default;

void TForm5::FormShow()
{
    ui_->Login->clear();
    ui_->Password->clear();
}

void TForm5::FormClose()
{
    showScreen(screens().Form1);
}

void TForm5::Label5Click()
{
    showScreen(screens().Form12);
}

void TForm5::Label4Click()
{
    const QString login = ui_->Login->text();
    const QString password = ui_->Password->text();
    // Sign-in sees the users the registration screen read at start and the
    // ones it registered since.
    const Dataset& users = *screens().Form12->users();
    const auto loginFound = [&] { return exactlyEquals(users.lookup("Login", login, "Login"), login); };
    const auto passwordRight = [&] {
        return loginFound() && exactlyEquals(users.lookup("Login", login, "Password"), password);
    };

    if (loginFound() && passwordRight())
        openTestingScreen(login);
    if (!loginFound())
        showPlainMessage(QStringLiteral("Пользователя с таким логином не существует!"));
    if (loginFound() && !passwordRight())
        showPlainMessage(QStringLiteral("Вы ввели неверный пароль!"));
}

void TForm5::openTestingScreen(const QString& login)
{
    // A failure to connect ends the sign-in here: no testing screen opens.
    auto created = std::make_unique<TForm13>();
    TForm13* testing = created.get();
    registerTestingScreen(std::move(created));
    // The login is in place before anything can run the screen's first step,
    // even an error box of its creation handler.
    testing->setSignedInLogin(login);
    guarded([testing] { testing->FormCreate(); });
    testing->setWindowTitle(login == kAdministratorLogin
                                ? QStringLiteral("Вы вошли в систему под Администратором")
                                : QStringLiteral("Тестируется пользователь - ") + login);
    hideScreen(this);
    showScreen(testing);
}
