// The course shell: run from the folder that holds the course.
#include "platform/ShellApplication.h"
#include "shell/ScreenRegistry.h"

int main(int argc, char** argv)
{
    ShellApplication::prepare();
    ShellApplication app(argc, argv);
    if (const int failed = startScreens())
        return failed;
    const int status = app.exec();
    releaseScreens();
    return status;
}
