#include "tests/support/CourseFolder.h"
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cmath>

CourseFolder::CourseFolder() : oldCwd_(QDir::currentPath()), oldPath_(qgetenv("PATH"))
{
    QDir(dir_.path()).mkpath(QStringLiteral(".bin"));
    const QString recorder = dir_.filePath(QStringLiteral(".bin/xdg-open"));
    QFile script(recorder);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/launched.log\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", dir_.filePath(QStringLiteral(".bin")).toUtf8() + ":" + oldPath_);
    QDir::setCurrent(dir_.path());
}

CourseFolder::~CourseFolder()
{
    QDir::setCurrent(oldCwd_);
    qputenv("PATH", oldPath_);
}

void CourseFolder::write(const QString& relative, const QByteArray& content)
{
    QDir(dir_.path()).mkpath(QFileInfo(relative).path());
    QFile f(file(relative));
    f.open(QIODevice::WriteOnly);
    f.write(content);
}

void CourseFolder::writeSound(const QString& relative)
{
    const int rate = 22050, samples = rate / 20;
    QByteArray pcm;
    QDataStream s(&pcm, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < samples; ++i)
        s << qint16(3000 * std::sin(2 * M_PI * 880 * i / rate));
    QByteArray wav;
    QDataStream w(&wav, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    w.writeRawData("RIFF", 4);
    w << quint32(36 + pcm.size());
    w.writeRawData("WAVEfmt ", 8);
    w << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2) << quint16(16);
    w.writeRawData("data", 4);
    w << quint32(pcm.size());
    wav += pcm;
    write(relative, wav);
}

QStringList CourseFolder::launched() const
{
    QFile log(dir_.filePath(QStringLiteral(".bin/launched.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
