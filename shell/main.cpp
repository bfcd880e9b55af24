// The course shell: run from the folder that holds the course.
#include "platform/MessageBoxes.h"
#include "platform/ShellApplication.h"
#include "shell/ScreenRegistry.h"

int main(int argc, char** argv)
{
    ShellApplication::prepare();
    ShellApplication app(argc, argv);
    try {
        createScreens();
    } catch (const std::exception& e) {
        releaseScreens();
        showStartupFailure(e);
        return 1;
    }
    const int status = app.exec();
    releaseScreens();
    return status;
}
