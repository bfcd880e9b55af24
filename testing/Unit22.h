#pragma once
// The question bank editor: the administrator edits Vopros directly through
// its own connection, opened at program start. Closing it only hides it.
#include "platform/Screen.h"
#include <memory>

namespace Ui { class TForm22; }
class DbConnection;
class Dataset;

class TForm22 : public Screen {
    Q_OBJECT
public:
    TForm22();
    ~TForm22() override;
    Ui::TForm22& ui() { return *ui_; }

    DbConnection* ADOConnection1 = nullptr;
    Dataset* ADOTable1 = nullptr;  // Vopros

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::TForm22> ui_;
};
