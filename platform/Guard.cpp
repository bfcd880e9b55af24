#include "platform/Guard.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellError.h"
#include <QCoreApplication>
#include <QTimer>
#include <exception>

namespace {
QString escapedErrorText()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return errorText(e);
    } catch (...) {
        return QStringLiteral("Неизвестная ошибка");
    }
}
} // namespace

void reportEscapedError()
{
    showErrorReport(escapedErrorText());
}

void reportEscapedErrorLater()
{
    QTimer::singleShot(0, qApp, [text = escapedErrorText()] { showErrorReport(text); });
}
