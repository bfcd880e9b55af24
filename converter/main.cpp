// courseshell-convert: turns a course's Access (Jet 4) Base.mdb into the
// SQLite Base.mdb the course shell opens.
#include "converter/Conversion.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const auto print = [](std::FILE* stream) {
        return [stream](const QString& line) {
            std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
            std::fflush(stream);
        };
    };
    return runConverter(app.arguments().mid(1), print(stdout), print(stderr));
}
