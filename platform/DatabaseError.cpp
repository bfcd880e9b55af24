#include "platform/DatabaseError.h"

DatabaseError::DatabaseError(QString message, Kind kind)
    : ShellError(std::move(message), QStringLiteral("EOleException")), kind_(kind)
{
}
