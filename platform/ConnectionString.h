#pragma once
// The course database's connection string, kept exactly as the original
// desktop wrote it, and the parser that our engine reads it with.
#include <QString>
#include <utility>
#include <vector>

extern const QString kCourseConnectionString;

class ConnectionString {
public:
    // Raises ShellError for text that is not a list of key=value pairs.
    explicit ConnectionString(const QString& text);
    // Keys compare without regard to letter case, as the provider's did;
    // a missing key gives an empty value.
    QString value(const QString& key) const;
    bool contains(const QString& key) const;
    const std::vector<std::pair<QString, QString>>& pairs() const { return pairs_; }

private:
    std::vector<std::pair<QString, QString>> pairs_;
};
