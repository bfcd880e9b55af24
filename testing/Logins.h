#pragma once
// Who is signed in, and how logins, passwords and searches compare: exactly,
// same characters in the same case, nothing trimmed; an absent value (no row
// found, a Null field) equals nothing, not even an empty text.
#include <QString>
#include <QVariant>

inline const QString kAdministratorLogin = QStringLiteral("Chiefexaminer");

inline bool exactlyEquals(const QVariant& value, const QString& text)
{
    return !value.isNull() && value.isValid() && value.toString() == text;
}
