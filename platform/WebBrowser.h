#pragma once
// The embedded HTML browser of the viewer screens, on QtWebEngine. It offers
// what the screens ask of a browser and nothing more: go to a local file,
// print and preview the shown page, the find dialog, and the zoom of the
// document's body. The engine starts on first need, not with the screen.
#include <QUrl>
#include <QWidget>
#include <memory>
#include <vector>

class FindDialog;
class QPrinter;
class QWebEngineView;

class WebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // Starts the engine ahead of the first page so that it shows promptly.
    void prepareEngine();

    // Starts loading the file; the load is not awaited. Raises for a path
    // that is not absolute.
    void navigate(const QString& absolutePath);

    // A page has been asked for: there is a document to print, find in and zoom.
    bool hasDocument() const { return hasDocument_; }
    QWebEngineView* view() const { return view_; }

    // The print dialog, then the shown page to the chosen printer. Raises
    // while there is no document or while a print is still running.
    void print();
    // The print preview of the shown page; raises like print().
    void printPreview();
    // The find dialog for the shown page, shown and brought to the front.
    // Raises while there is no document.
    void showFindDialog();
    FindDialog* findDialog() const { return findDialog_; }

    // Writes the zoom of the document body's style. Without a document
    // nothing is written. A document without a body (or a style on it)
    // is reported when the page answers.
    void setDocumentZoom(double factor);

signals:
    void loadFinished(bool ok);

private:
    QWebEngineView* ensureView();
    void requireDocument(const QString& command) const;
    void requireIdle() const;
    bool printing() const;  // this browser's print runs
    void startPrinting();
    void renderForPreview(QPrinter* printer, QWidget* preview);

    QWebEngineView* view_ = nullptr;
    FindDialog* findDialog_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    // Printers of preview dialogs, kept while the engine may still draw on them.
    std::vector<std::shared_ptr<QPrinter>> previewPrinters_;
    bool hasDocument_ = false;
    QUrl pendingPage_;  // asked for while a print ran
};
