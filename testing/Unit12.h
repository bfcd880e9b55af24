#pragma once
// The registration screen: adds a user to Users unless the very same login
// is there already. Its Users dataset also serves every sign-in lookup.
#include "platform/Screen.h"
#include "testing/CourseDatabase.h"
#include <memory>

namespace Ui { class TForm12; }
class Dataset;

class TForm12 : public Screen {
    Q_OBJECT
public:
    TForm12();  // connects and opens Users; raises DatabaseError
    ~TForm12() override;
    Ui::TForm12& ui() { return *ui_; }
    Dataset* users() const { return data_.users; }

    void Label4Click();  // registration
    bool ADOTable1FilterRecord(const QVariantMap& row) const;

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::TForm12> ui_;
    RegistrationData data_;
};
