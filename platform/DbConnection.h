#pragma once
// One connection to the course database, opened from the course connection
// string: Provider selects our engine (SQLite under the file's own name),
// Data Source is resolved against the current directory, and the database
// password must match the salted hash the file stores. Every connection has
// a busy timeout, so that a writer waits for another instead of failing, and
// CInt registered.
#include "platform/ConnectionString.h"
#include "platform/DatabaseError.h"
#include <QList>
#include <QObject>
#include <QSqlDatabase>

struct sqlite3;
class Dataset;

class DbConnection : public QObject {
    Q_OBJECT
public:
    explicit DbConnection(QObject* parent = nullptr, QString connectionString = kCourseConnectionString);
    ~DbConnection() override;

    // false: the connection closes itself when none of its datasets is open.
    void setKeepConnection(bool keep) { keep_ = keep; }
    bool keepConnection() const { return keep_; }
    // How long a statement waits for another connection's lock; applies at
    // once when connected.
    void setBusyTimeout(int ms);
    int busyTimeout() const { return busyMs_; }

    void open();   // no-op when open; throws DatabaseError
    void close();  // closes its datasets, then disconnects
    bool connected() const { return handle_ != nullptr; }
    QSqlDatabase database() const;

    // Valid after a successful open.
    QString filePath() const { return path_; }
    QString fileName() const;
    bool readOnly() const { return readOnly_; }
    sqlite3* handle() const { return handle_; }

    // The error for a failed engine call, worded for the user. `what` names
    // the table (or query) concerned; `writing` chooses the wording of lost
    // changes.
    DatabaseError errorFor(int rc, const QString& what, bool writing) const;

private:
    friend class Dataset;
    void attach(Dataset* ds) { datasets_.append(ds); }
    void detach(Dataset* ds) { datasets_.removeAll(ds); }
    void datasetClosed();
    void checkFile() const;
    void checkPassword(const QString& password);
    static int waitForLock(void* self, int attempt);

    QString connectionString_;
    QString connectionName_;
    QString path_;
    bool keep_ = true;
    bool readOnly_ = false;
    bool closing_ = false;
    int busyMs_ = 15000;
    qint64 busySince_ = 0;  // steady clock, ms: when the current wait began
    sqlite3* handle_ = nullptr;
    QList<Dataset*> datasets_;
};
