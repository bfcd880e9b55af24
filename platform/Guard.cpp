#include "platform/Guard.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellError.h"
#include <exception>

void reportEscapedError()
{
    try {
        throw;
    } catch (const std::exception& e) {
        showErrorReport(errorText(e));
    } catch (...) {
        showErrorReport(QStringLiteral("Неизвестная ошибка"));
    }
}
