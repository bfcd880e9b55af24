#include "testing/CourseDatabase.h"
#include <memory>

namespace {

const char* const kResultsQuerySql = "select result,datatest,user from Rezult";

QList<FieldDef> userFields(int loginSize, bool titled)
{
    const auto t = [titled](const char* title) { return titled ? QString::fromUtf8(title) : QString(); };
    return {{"Login", FieldKind::Text, loginSize, t("Логин")},
            {"Password", FieldKind::Text, loginSize, t("Пароль")},
            {"Fam", FieldKind::Text, 30, t("Фамилия")},
            {"Imya", FieldKind::Text, 20, t("Имя")},
            {"Otch", FieldKind::Text, 30, t("Отчество")},
            {"Group", FieldKind::Text, 20, t("Номер группы")}};
}

// The connection is owned by `owner` only once everything has opened.
class Opening {
public:
    explicit Opening(bool keepConnection) : connection_(std::make_unique<DbConnection>())
    {
        connection_->setKeepConnection(keepConnection);
        connection_->open();
    }
    Dataset* table(const QString& name, QList<FieldDef> fields)
    {
        auto* ds = new Dataset(connection_.get(), std::move(fields), connection_.get());
        ds->setTableName(name);
        ds->open();
        return ds;
    }
    Dataset* query(const QString& sql, QList<FieldDef> fields)
    {
        auto* ds = new Dataset(connection_.get(), std::move(fields), connection_.get());
        ds->sql() << sql;
        ds->open();
        return ds;
    }
    DbConnection* release(QObject* owner)
    {
        connection_->setParent(owner);
        return connection_.release();
    }

private:
    std::unique_ptr<DbConnection> connection_;
};

} // namespace

QList<FieldDef> registrationUserFields()
{
    return userFields(255, false);
}

QList<FieldDef> editorUserFields()
{
    return userFields(30, true);
}

QList<FieldDef> questionFields()
{
    return {{"code", FieldKind::AutoInc, 0, QStringLiteral("Номер вопроса")},
            {"Tekst", FieldKind::Text, 255, QStringLiteral("Вопрос")},
            {"ans1", FieldKind::Text, 255, QStringLiteral("Правильный ответ")},
            {"ans2", FieldKind::Text, 255, QStringLiteral("Неправильный ответ")},
            {"ans3", FieldKind::Text, 255, QStringLiteral("Неправильный ответ")},
            {"ans4", FieldKind::Text, 255, QStringLiteral("Неправильный ответ")},
            {"ans5", FieldKind::Text, 255, QStringLiteral("Неправильный ответ")}};
}

QList<FieldDef> resultTableFields()
{
    return {{"Kod", FieldKind::AutoInc}, {"user", FieldKind::Text, 50}, {"result", FieldKind::Text, 50},
            {"datatest", FieldKind::DateTime}};
}

QList<FieldDef> resultQueryFields()
{
    return {{"user", FieldKind::Text, 50, QStringLiteral("Пользователь"), 32},
            {"datatest", FieldKind::DateTime, 0, QStringLiteral("Дата"), 34},
            {"result", FieldKind::Text, 50, QStringLiteral("Результат"), 16}};
}

RegistrationData openRegistrationData(QObject* owner)
{
    Opening o(true);
    RegistrationData d;
    d.users = o.table(QStringLiteral("Users"), registrationUserFields());
    d.connection = o.release(owner);
    return d;
}

TestingData openTestingData(QObject* owner)
{
    Opening o(false);
    TestingData d;
    d.questions = o.table(QStringLiteral("Vopros"), questionFields());
    d.results = o.table(QStringLiteral("Rezult"), resultTableFields());
    d.resultsQuery = o.query(QString::fromLatin1(kResultsQuerySql), resultQueryFields());
    d.connection = o.release(owner);
    return d;
}

UsersEditorData openUsersEditorData(QObject* owner)
{
    Opening o(true);
    UsersEditorData d;
    d.users = o.table(QStringLiteral("Users"), editorUserFields());
    d.connection = o.release(owner);
    return d;
}

QuestionEditorData openQuestionEditorData(QObject* owner)
{
    Opening o(true);
    QuestionEditorData d;
    d.questions = o.table(QStringLiteral("Vopros"), questionFields());
    d.connection = o.release(owner);
    return d;
}
