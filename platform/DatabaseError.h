#pragma once
// A failure of the course database, worded for the user: it names the file,
// and where it matters the table and the field.
#include "platform/ShellError.h"

class DatabaseError : public ShellError {
public:
    enum class Kind {
        Other,
        FileMissing,
        NotADatabase,
        JetFormat,      // an Access file that has not been converted yet
        WrongPassword,
        Schema,         // a table or field missing or of another kind
        ReadOnly,
        Locked,         // busy past the busy timeout
        DiskFull,
        RowMissing,     // the row was deleted by someone else meanwhile
        BadValue,       // a value the field or the engine refuses
        State           // an operation the dataset's state does not allow
    };
    explicit DatabaseError(QString message, Kind kind = Kind::Other);
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};
