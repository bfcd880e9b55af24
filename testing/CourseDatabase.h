#pragma once
// The course database as each screen sees it: its own connection and its own
// datasets, declared field by field, connected and opened while the screen
// is constructed so that a failure there ends the program at startup (or the
// sign-in that creates a testing screen). Each factory raises DatabaseError
// and leaves nothing behind on failure; on success everything is owned by
// `owner`.
#include "platform/Dataset.h"
#include "platform/DbConnection.h"

// Field declarations of each screen's datasets.
QList<FieldDef> registrationUserFields();  // TForm12: Login, Password 255
QList<FieldDef> editorUserFields();        // TForm14: Login, Password 30, with titles
QList<FieldDef> questionFields();          // TForm13 and TForm22, with titles
QList<FieldDef> resultTableFields();       // TForm13's Rezult table: Kod, user, result, datatest
QList<FieldDef> resultQueryFields();       // TForm13's results query: user, datatest, result

struct RegistrationData {
    DbConnection* connection = nullptr;
    Dataset* users = nullptr;       // ADOTable1 on Users
};
struct TestingData {
    DbConnection* connection = nullptr;  // KeepConnection off
    Dataset* questions = nullptr;        // ADOTable1 on Vopros
    Dataset* results = nullptr;          // ADOTable2 on Rezult
    Dataset* resultsQuery = nullptr;     // ADOQuery1: "select result,datatest,user from Rezult", open
};
struct UsersEditorData {
    DbConnection* connection = nullptr;
    Dataset* users = nullptr;
};
struct QuestionEditorData {
    DbConnection* connection = nullptr;
    Dataset* questions = nullptr;
};

RegistrationData openRegistrationData(QObject* owner);
TestingData openTestingData(QObject* owner);
UsersEditorData openUsersEditorData(QObject* owner);
QuestionEditorData openQuestionEditorData(QObject* owner);
