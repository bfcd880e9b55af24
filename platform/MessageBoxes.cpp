#include "platform/MessageBoxes.h"
#include "platform/ShellApplication.h"
#include "platform/ShellError.h"
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

namespace {

QWidget* ownerWindow()
{
    QWidget* window = QApplication::activeWindow();
    // An open menu owns no box: it closes, and is deleted, while the box is up.
    while (window && window->windowType() == Qt::Popup)
        window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    return window;
}

// A box lives on the heap under a guard: should its owner go away while it
// is up, the owner takes the box along and the answer is its escape.
int exec(QMessageBox* created)
{
    QPointer<QMessageBox> box(created);
    box->setTextFormat(Qt::PlainText);  // texts carry logins, values, file names
    const int answer = box->exec();
    delete box.data();
    return answer;
}

// Reports raised while an error box is open (a timer tick, a nested event)
// wait their turn instead of stacking boxes on top of each other.
bool errorBoxOpen = false;
QStringList pendingErrors;

} // namespace

void showPlainMessage(const QString& text)
{
    exec(new QMessageBox(QMessageBox::NoIcon, ShellApplication::title(), text, QMessageBox::Ok, ownerWindow()));
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
        exec(new QMessageBox(QMessageBox::Critical, ShellApplication::title(), next, QMessageBox::Ok, ownerWindow()));
        if (pendingErrors.isEmpty())
            break;
        next = pendingErrors.takeFirst();
    }
    errorBoxOpen = false;
}

bool confirmExit(QWidget* owner)
{
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Выход"),
                                QStringLiteral("Вы действительно хотите выйти?"),
                                QMessageBox::Ok | QMessageBox::Cancel, owner);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setEscapeButton(QMessageBox::Cancel);
    return exec(box) == QMessageBox::Ok;
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
    exec(new QMessageBox(QMessageBox::Critical, QStringLiteral("Application Error"), startupFailureText(e),
                         QMessageBox::Ok));
}
