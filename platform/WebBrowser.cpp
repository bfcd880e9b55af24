#include "platform/WebBrowser.h"
#include "platform/CourseUrlInterceptor.h"
#include "platform/FindDialog.h"
#include "platform/Guard.h"
#include "platform/ShellError.h"
#include <QDir>
#include <QEventLoop>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <utility>

namespace {
// A page that never finishes rendering must not hold the preview forever.
constexpr int kPreviewRenderTimeoutMs = 30000;
}

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

WebBrowser::~WebBrowser() = default;

QWebEngineView* WebBrowser::ensureView()
{
    if (view_)
        return view_;
    view_ = new QWebEngineView(this);
    view_->setObjectName(QStringLiteral("view"));
    // Courses copied from Windows name files in other letter cases and
    // keep pages in their old code page.
    resolveCourseFileNames(view_->page()->profile());
    layout()->addWidget(view_);
    setFocusProxy(view_);
    connect(view_, &QWebEngineView::loadFinished, this, &WebBrowser::loadFinished);
    connect(view_, &QWebEngineView::printFinished, this, [this](bool) {
        printing_ = false;
        if (!pendingPage_.isEmpty())
            view_->load(std::exchange(pendingPage_, QUrl()));
    });
    return view_;
}

void WebBrowser::prepareEngine()
{
    ensureView();
}

void WebBrowser::navigate(const QString& absolutePath)
{
    if (!QDir::isAbsolutePath(absolutePath))
        throw ShellError(QStringLiteral("Недопустимый адрес страницы: %1").arg(absolutePath));
    const QUrl page = QUrl::fromLocalFile(absolutePath);
    hasDocument_ = true;
    // A page loaded under a running print leaves the engine's print worker
    // with no pages, and it crashes on them: the page waits for the print.
    if (printing_) {
        pendingPage_ = page;
        return;
    }
    ensureView()->load(page);
}

void WebBrowser::requireDocument(const QString& command) const
{
    if (!hasDocument_)
        throw ShellError(QStringLiteral("Команда «%1» недоступна: страница не загружена").arg(command));
}

void WebBrowser::requireIdle() const
{
    if (printing_)
        throw ShellError(QStringLiteral("Страница ещё печатается, повторите команду позже"));
}

void WebBrowser::print()
{
    requireDocument(QStringLiteral("Печать"));
    requireIdle();
    // The print runs on after print() returns: the printer must outlive it.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printing_ = true;
    view_->print(printer_.get());
}

void WebBrowser::printPreview()
{
    requireDocument(QStringLiteral("Предварительный просмотр"));
    requireIdle();
    if (!previewPrinter_)
        previewPrinter_ = std::make_unique<QPrinter>();
    QPrintPreviewDialog dialog(previewPrinter_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Предварительный просмотр"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, &dialog](QPrinter* printer) { guarded([&] { renderForPreview(printer, &dialog); }); });
    dialog.exec();
}

void WebBrowser::renderForPreview(QPrinter* printer, QWidget* preview)
{
    // The preview wants its pages drawn before paintRequested returns, but
    // the engine prints asynchronously: wait for it here, without a second
    // print on top of one still running.
    if (printing_)
        return;
    printing_ = true;
    QEventLoop loop;
    bool done = false;
    const auto finished = connect(view_, &QWebEngineView::printFinished, &loop, [&] {
        done = true;
        loop.quit();
    });
    QTimer::singleShot(kPreviewRenderTimeoutMs, &loop, &QEventLoop::quit);
    // Clicks on the preview while the engine draws into its printer re-enter
    // Qt's preview and crash it: the preview takes no input until then.
    preview->setEnabled(false);
    view_->print(printer);
    if (!done)
        loop.exec();
    disconnect(finished);
    preview->setEnabled(true);
}

void WebBrowser::showFindDialog()
{
    requireDocument(QStringLiteral("Поиск"));
    if (!findDialog_)
        findDialog_ = new FindDialog(view_->page(), this);
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void WebBrowser::setDocumentZoom(double factor)
{
    if (!hasDocument_)
        return;
    const QString script = QStringLiteral(
        "(function () {"
        "  var body = document.body;"
        "  if (!body || !body.style) return false;"
        "  body.style.zoom = %1;"
        "  return true;"
        "})()").arg(QString::number(factor, 'g', 17));
    // The page answers later; only an explicit "no body" is an error (a
    // page torn down meanwhile answers with nothing).
    view_->page()->runJavaScript(script, [](const QVariant& applied) {
        if (applied.typeId() == QMetaType::Bool && !applied.toBool())
            guarded([] { throw ShellError(QStringLiteral("Документ не поддерживает масштаб: у него нет тела (body)")); });
    });
}
