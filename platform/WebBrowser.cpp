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
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>
#include <utility>

namespace {
// A page that never finishes rendering must not hold the preview, or the
// closing of the program, forever.
constexpr int kPreviewRenderTimeoutMs = 30000;
constexpr int kPrintEndTimeoutMs = 30000;
// The engine turns printed pages into pictures through one PDF renderer
// for the whole process: one print at a time, whichever viewer asks.
const WebBrowser* browserPrinting = nullptr;
// A preview dialog is open (and runs its own event loop).
bool previewOpen = false;

// The engine goes on using the printed page's frame until its print has
// ended; a navigation meanwhile (a link clicked in the page, Back) replaces
// that frame, and stopping or saving the page drops the print's state under
// the engine's feet: either kills the program. While its browser prints, the
// page stays where it is and does neither.
class HeldPage : public QWebEnginePage {
public:
    HeldPage(std::function<bool()> printing, std::function<void(const QUrl&)> hold, QObject* parent)
        : QWebEnginePage(parent), printing_(std::move(printing)), hold_(std::move(hold))
    {
    }

    void triggerAction(WebAction action, bool checked) override
    {
        if (printing_() && (action == Stop || action == SavePage))
            return;
        QWebEnginePage::triggerAction(action, checked);
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        if (!printing_())
            return true;
        if (isMainFrame)
            hold_(url);
        return false;
    }

private:
    std::function<bool()> printing_;
    std::function<void(const QUrl&)> hold_;
};

} // namespace

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

WebBrowser::~WebBrowser()
{
    if (printing() && view_) {
        // The engine's worker draws into the printer from another thread:
        // give the print a bounded time to end before the printer goes.
        QEventLoop loop;
        connect(view_, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kPrintEndTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (printing()) {
        // Still drawing: leave the printers to the worker rather than
        // destroy a device it paints on.
        static auto* leftToTheWorker = new std::vector<std::shared_ptr<QPrinter>>();
        leftToTheWorker->insert(leftToTheWorker->end(), previewPrinters_.begin(), previewPrinters_.end());
        if (printer_)
            leftToTheWorker->push_back(std::shared_ptr<QPrinter>(printer_.release()));
    }
    if (browserPrinting == this)
        browserPrinting = nullptr;
}

bool WebBrowser::printing() const
{
    return browserPrinting == this;
}

void WebBrowser::startPrinting()
{
    browserPrinting = this;
}

QWebEngineView* WebBrowser::ensureView()
{
    if (view_)
        return view_;
    view_ = new QWebEngineView(this);
    view_->setObjectName(QStringLiteral("view"));
    // A page asked for during a print is shown once the print has ended.
    view_->setPage(new HeldPage([this] { return printing(); }, [this](const QUrl& url) { pendingPage_ = url; }, view_));
    // Courses copied from Windows name files in other letter cases and
    // keep pages in their old code page.
    resolveCourseFileNames(view_->page()->profile());
    layout()->addWidget(view_);
    setFocusProxy(view_);
    connect(view_, &QWebEngineView::loadFinished, this, &WebBrowser::loadFinished);
    connect(view_, &QWebEngineView::printFinished, this, [this](bool) {
        if (printing())
            browserPrinting = nullptr;
        if (!previewOpen)
            previewPrinters_.clear();
        // Loaded from the event loop, once the engine's print callback has
        // returned.
        if (!pendingPage_.isEmpty())
            QTimer::singleShot(0, view_, [this] {
                if (!printing() && !pendingPage_.isEmpty())
                    view_->load(std::exchange(pendingPage_, QUrl()));
            });
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
    if (printing()) {
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
    if (browserPrinting)
        throw ShellError(QStringLiteral("Страница ещё печатается, повторите команду позже"));
}

void WebBrowser::print()
{
    requireDocument(QStringLiteral("Печать"));
    requireIdle();
    // The print runs on after print() returns: the printer must outlive it.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The engine draws every page as a picture at the printer's
        // resolution: 300 dpi prints text sharply, where the 1200 dpi of a
        // PDF file would take half a gigabyte and seconds for each page.
        printer_->setResolution(300);
    }
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    requireIdle();  // the other viewer may have started one meanwhile
    startPrinting();
    view_->print(printer_.get());
}

void WebBrowser::printPreview()
{
    requireDocument(QStringLiteral("Предварительный просмотр"));
    requireIdle();
    if (previewOpen)
        throw ShellError(QStringLiteral("Предварительный просмотр уже открыт"));
    // Each preview draws on a printer of its own: Qt's preview switches its
    // printer into a preview mode, and a second preview on the same printer
    // would make that printer forward to itself without end.
    auto* printer = new QPrinter();
    printer->setResolution(300);
    previewPrinters_.push_back(std::shared_ptr<QPrinter>(printer));
    const QScopeGuard release([this, printer] {
        previewOpen = false;
        if (!printing())
            std::erase_if(previewPrinters_, [printer](const auto& p) { return p.get() == printer; });
    });
    previewOpen = true;
    QPrintPreviewDialog dialog(printer, this);
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
    if (browserPrinting)
        return;
    startPrinting();
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
