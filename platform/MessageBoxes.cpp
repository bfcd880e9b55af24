#include "platform/MessageBoxes.h"
#include "platform/ShellApplication.h"
#include "platform/ShellError.h"
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace {

QWidget* ownerWindow()
{
    return QApplication::activeWindow();
}

// Reports raised while an error box is open (a timer tick, a nested event)
// wait their turn instead of stacking boxes on top of each other.
bool errorBoxOpen = false;
QStringList pendingErrors;

} // namespace

// Texts carry logins, field values and file names: always shown as typed,
// never read as markup.
void showPlainMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, ShellApplication::title(), text, QMessageBox::Ok, ownerWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString errorReportText(const QString& text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

void showErrorReport(const QString& text)
{
    const QString shown = errorReportText(text);
    if (errorBoxOpen) {
        if (!pendingErrors.contains(shown))
            pendingErrors << shown;
        return;
    }
    errorBoxOpen = true;
    QString next = shown;
    for (;;) {
        QMessageBox box(QMessageBox::Critical, ShellApplication::title(), next, QMessageBox::Ok, ownerWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
        if (pendingErrors.isEmpty())
            break;
        next = pendingErrors.takeFirst();
    }
    errorBoxOpen = false;
}

bool confirmExit(QWidget* owner)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Выход"),
                    QStringLiteral("Вы действительно хотите выйти?"),
                    QMessageBox::Ok | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

QString startupFailureText(const std::exception& e)
{
    quintptr address = 0;
    if (auto* se = dynamic_cast<const ShellError*>(&e))
        address = se->codeAddress();
    const QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QStringLiteral("Exception %1 in module %2 at %3.\n%4")
        .arg(errorClassName(e), module, QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper(),
             errorReportText(errorText(e)));
}

void showStartupFailure(const std::exception& e)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), startupFailureText(e),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
