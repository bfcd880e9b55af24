#include "tests/support/ViewerDriver.h"
#include "platform/WebBrowser.h"
#include "shell/ScreenRegistry.h"
#include "viewer/TopicViewer.h"
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>
#include <memory>

TopicViewer* viewerScreen(const char* entry)
{
    return static_cast<TopicViewer*>(screenByEntry(entry));
}

WebBrowser& browserOf(TopicViewer* viewer)
{
    return *viewer->controls().WebBrowser1;
}

void writeCoursePages(CourseFolder& folder)
{
    for (const ViewerCatalogue* catalogue : {&lecturesCatalogue(), &aboutCatalogue()})
        for (const PageEntry& page : catalogue->pages)
            folder.write(page.path, "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + page.path.toUtf8()
                                        + "</title></head><body><p>Альфа бета альфа.</p><p>АЛЬФА-канал.</p></body></html>");
}

ViewerCourse::ViewerCourse()
{
    writeCoursePages(folder);
    createScreens();
}

ViewerCourse::~ViewerCourse()
{
    releaseScreens();
}

void clickNode(TopicViewer* viewer, int flatIndex)
{
    QTreeWidget* tree = viewer->controls().TreeView1;
    QTreeWidgetItem* node = viewer->nodeAt(flatIndex);
    QVERIFY(node);
    if (node->parent())
        node->parent()->setExpanded(true);
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

void clickEmptySpace(TopicViewer* viewer)
{
    QWidget* viewport = viewer->controls().TreeView1->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() - 5, viewport->height() - 5));
}

bool waitForLoad(WebBrowser& browser, const std::function<void()>& trigger)
{
    QSignalSpy loaded(&browser, &WebBrowser::loadFinished);
    trigger();
    return loaded.wait(20000);
}

bool clickNodeAndWait(TopicViewer* viewer, int flatIndex)
{
    return waitForLoad(browserOf(viewer), [&] { clickNode(viewer, flatIndex); });
}

QUrl shownUrl(TopicViewer* viewer)
{
    QWebEngineView* view = browserOf(viewer).view();
    return view ? view->url() : QUrl();
}

QVariant evaluate(TopicViewer* viewer, const QString& script)
{
    // The answer may come after a time-out: keep its slot alive for it.
    struct Answer {
        bool done = false;
        QVariant value;
    };
    auto answer = std::make_shared<Answer>();
    browserOf(viewer).view()->page()->runJavaScript(script, [answer](const QVariant& v) {
        answer->value = v;
        answer->done = true;
    });
    if (!QTest::qWaitFor([&] { return answer->done; }, 10000))
        qWarning("the page did not answer the script in time");
    return answer->value;
}
