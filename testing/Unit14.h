#pragma once
// The users table editor: the administrator edits Users directly through
// its own connection, opened at program start. Closing it only hides it.
#include "platform/Screen.h"
#include <memory>

namespace Ui { class TForm14; }
class DbConnection;
class Dataset;

class TForm14 : public Screen {
    Q_OBJECT
public:
    TForm14();
    ~TForm14() override;
    Ui::TForm14& ui() { return *ui_; }

    DbConnection* ADOConnection1 = nullptr;
    Dataset* ADOTable1 = nullptr;  // Users, Login and Password 30 characters

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::TForm14> ui_;
};
