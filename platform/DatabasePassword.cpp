#include "platform/DatabasePassword.h"
#include <QCryptographicHash>
#include <QRandomGenerator>

const char* const kMetaTable = "CourseShellMeta";

namespace {

QString hashOf(const QByteArray& salt, const QString& password)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(salt);
    h.addData(password.toUtf8());
    return QString::fromLatin1(h.result().toHex());
}

} // namespace

PasswordRecord makePasswordRecord(const QString& password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    return {QString::fromLatin1(salt.toHex()), hashOf(salt, password)};
}

bool passwordMatches(const PasswordRecord& stored, const QString& password)
{
    return hashOf(QByteArray::fromHex(stored.salt.toLatin1()), password) == stored.hash;
}

QString passwordSetupSql(const QString& password)
{
    const PasswordRecord r = makePasswordRecord(password);
    // Salt and hash are hex digits only: nothing here needs quoting.
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (key TEXT PRIMARY KEY, value TEXT NOT NULL);\n"
                          "INSERT OR REPLACE INTO %1 VALUES ('password_salt', '%2');\n"
                          "INSERT OR REPLACE INTO %1 VALUES ('password_hash', '%3');\n")
        .arg(QLatin1String(kMetaTable), r.salt, r.hash);
}
