#pragma once
// A course folder in a temporary directory, made the current directory for
// the life of the object, with a recording xdg-open first on PATH.
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

class CourseFolder {
public:
    CourseFolder();
    ~CourseFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    void write(const QString& relative, const QByteArray& content = {});
    void writeSound(const QString& relative);  // a short valid WAV file
    // The paths handed to xdg-open so far, in order.
    QStringList launched() const;

private:
    QTemporaryDir dir_;
    QString oldCwd_;
    QByteArray oldPath_;
};
