#pragma once
// Driving a viewer screen as a user would: clicks on tree nodes, waiting for
// the page, and reading the shown document back through the engine.
#include <QString>
#include <QUrl>
#include <QVariant>
#include <functional>

#include "tests/support/CourseFolder.h"

class TopicViewer;
class WebBrowser;

TopicViewer* viewerScreen(const char* entry);  // "Form8" or "Form24"
WebBrowser& browserOf(TopicViewer* viewer);

// Writes every page both catalogues name, each titled with its own path
// and holding the words the find tests look for.
void writeCoursePages(CourseFolder& folder);

// A course folder holding those pages, made the current directory, with
// the program's screens created in it for the life of the object.
struct ViewerCourse {
    ViewerCourse();
    ~ViewerCourse();
    CourseFolder folder;
};

// A left click on the node (its group expanded first so it can be hit).
void clickNode(TopicViewer* viewer, int flatIndex);
// A left click on the tree's empty space below the last visible node.
void clickEmptySpace(TopicViewer* viewer);
// Clicks the node and waits for its page to finish loading.
bool clickNodeAndWait(TopicViewer* viewer, int flatIndex);
// Waits for the next load the browser finishes; false on time-out.
bool waitForLoad(WebBrowser& browser, const std::function<void()>& trigger);

QUrl shownUrl(TopicViewer* viewer);
// Runs a script in the shown page and returns its value.
QVariant evaluate(TopicViewer* viewer, const QString& script);
