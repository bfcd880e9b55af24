#pragma once
// The one error type of the program: every failure is raised as a
// ShellError (or a std::exception) and shown by the default error report.
#include <QString>
#include <exception>

class ShellError : public std::exception {
public:
    explicit ShellError(QString message, QString className = QStringLiteral("ShellError"));
    const char* what() const noexcept override { return utf8_.constData(); }
    const QString& message() const noexcept { return message_; }
    const QString& className() const noexcept { return className_; }
    // Offset of the raising code inside the program module, for the
    // startup failure box.
    quintptr codeAddress() const noexcept { return address_; }

private:
    QString message_;
    QString className_;
    QByteArray utf8_;
    quintptr address_ = 0;
};

// The text of any exception as the user should read it.
QString errorText(const std::exception& e);
QString errorClassName(const std::exception& e);
