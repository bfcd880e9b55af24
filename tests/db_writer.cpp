// A second program on the course database, for the tests that need other
// processes writing into the same file.
//   db_writer insert <folder> <tag> <count>   results rows user=<tag>, result=1..count
//   db_writer fill <folder> <max file bytes>  questions until the disk is "full"
//   db_writer session <folder> <tag> <count>  per iteration i, as the screens
//       do it: registers user <tag>-<i> (Users insert, fields, post) and
//       stores that user's result i (Rezult insert, user/result/datatest,
//       post). Prints "ready" once the database is open, then "user <tag>-<i>"
//       and "result <tag>-<i>" each as soon as post() has returned.
#include "testing/CourseDatabase.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

int insertResults(const QString& tag, int count)
{
    QObject owner;
    TestingData data = openTestingData(&owner);
    for (int i = 1; i <= count; ++i) {
        data.results->append();
        data.results->setValue("user", tag);
        data.results->setValue("result", QString::number(i));
        data.results->setValue("datatest", QDateTime::currentDateTime());
        data.results->post();
    }
    return 0;
}

// A line on stdout the moment it is true: a killed writer's last word.
void confirm(const char* what, const QString& login)
{
    std::printf("%s %s\n", what, login.toUtf8().constData());
    std::fflush(stdout);
}

int runSessions(const QString& tag, int count)
{
    QObject owner;
    RegistrationData registration = openRegistrationData(&owner);
    confirm("ready", tag);
    for (int i = 1; i <= count; ++i) {
        const QString login = QStringLiteral("%1-%2").arg(tag).arg(i);
        Dataset* users = registration.users;
        users->insert();
        users->setValue("Login", login);
        users->setValue("Password", QStringLiteral("пароль-") + login);
        users->setValue("Fam", QStringLiteral("Фамилия"));
        users->setValue("Imya", QStringLiteral("Имя"));
        users->setValue("Otch", QStringLiteral("Отчество"));
        users->setValue("Group", QStringLiteral("Группа"));
        users->post();
        confirm("user", login);

        // Signing in opens the testing screen's datasets anew each time.
        QObject session;
        TestingData testing = openTestingData(&session);
        testing.results->insert();
        testing.results->setValue("user", login);
        testing.results->setValue("result", QString::number(i));
        testing.results->setValue("datatest", QDateTime::currentDateTime());
        testing.results->post();
        confirm("result", login);
    }
    return 0;
}

int fillDisk(qint64 limit)
{
    QObject owner;
    QuestionEditorData data = openQuestionEditorData(&owner);
    // Past the limit a write fails with EFBIG instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lim{rlim_t(limit), rlim_t(limit)};
    setrlimit(RLIMIT_FSIZE, &lim);
    int posted = 0;
    for (;;) {
        data.questions->append();
        data.questions->setValue("Tekst", QString("Вопрос номер %1 ").arg(posted).leftJustified(255, QChar(0x0436)));
        try {
            data.questions->post();
        } catch (const DatabaseError& e) {
            std::printf("%d\n%d\n%s\n", posted, int(e.kind()), e.what());
            return e.kind() == DatabaseError::Kind::DiskFull ? 0 : 3;
        }
        ++posted;
        if (posted > 100000)
            return 4;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    QDir::setCurrent(args[2]);
    try {
        if (args[1] == "insert" && args.size() == 5)
            return insertResults(args[3], args[4].toInt());
        if (args[1] == "session" && args.size() == 5)
            return runSessions(args[3], args[4].toInt());
        if (args[1] == "fill")
            return fillDisk(args[3].toLongLong());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 2;
}
