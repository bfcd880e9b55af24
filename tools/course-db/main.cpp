// Builds the course database Base.mdb from its SQL source, protected by the
// database password of the course connection string.
//   course-db <Base.sql> <Base.mdb>
#include "platform/ConnectionString.h"
#include "platform/DatabaseFile.h"
#include "platform/ShellError.h"
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: course-db <source.sql> <output.mdb>\n");
        return 2;
    }
    try {
        QFile source(QFile::decodeName(argv[1]));
        if (!source.open(QIODevice::ReadOnly))
            throw ShellError(QStringLiteral("cannot read %1").arg(source.fileName()));
        const QString password =
            ConnectionString(kCourseConnectionString).value(QStringLiteral("Jet OLEDB:Database Password"));
        writeDatabaseFile(QFile::decodeName(argv[2]), QString::fromUtf8(source.readAll()), password);
    } catch (const ShellError& e) {
        std::fprintf(stderr, "course-db: %s\n", e.what());
        return 1;
    }
    return 0;
}
