#pragma once
// The database password of a course file, stored as a salted SHA-256 hash in
// the file's own metadata table, never in clear:
//   CREATE TABLE CourseShellMeta (key TEXT PRIMARY KEY, value TEXT NOT NULL)
//   ('password_salt', lower-case hex of 16 random bytes)
//   ('password_hash', lower-case hex of SHA-256(salt bytes + UTF-8 password))
#include <QString>


extern const char* const kMetaTable;  // "CourseShellMeta"

// The two values to store for a password; a fresh salt each call.
struct PasswordRecord {
    QString salt;
    QString hash;
};
PasswordRecord makePasswordRecord(const QString& password);
bool passwordMatches(const PasswordRecord& stored, const QString& password);

// SQL that creates the metadata table and stores the password in it.
QString passwordSetupSql(const QString& password);
