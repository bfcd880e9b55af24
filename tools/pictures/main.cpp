// Generates the decorative pictures of the course shell: window backgrounds,
// menu and button plates, the application icon and the small button, tree
// and navigator pictures. Everything is painted with QPainter from fixed
// seeds, so a rebuild gives the same files.
//
// Usage: make_pictures OUTPUT_DIR   (normally run through make.sh)
#include "paint.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace pics {
QImage menuBackground(QColor *stripSurround);
QImage windowBackground();
QImage stripPlate(const QColor &surround);
QImage buttonFace();
QImage appIcon(int size);
QImage printIcon();
QImage previewIcon();
QImage findIcon();
QImage zoomOutIcon();
QImage zoomInIcon();
QImage treeFolder();
QImage treeSheet();
QImage treeDrawing();
QImage treeText();
QImage searchGoIcon();
QImage usersIcon();
QImage questionBaseIcon();
QImage exitIcon();
QImage navFirst();
QImage navPrior();
QImage navNext();
QImage navLast();
QImage navInsert();
QImage navDelete();
QImage navEdit();
QImage navPost();
QImage navCancel();
QImage navRefresh();
} // namespace pics

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_pictures OUTPUT_DIR\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    using namespace pics;

    bool ok = true;
    // The strip's rounded corners blend into the menu picture behind them.
    QColor surround;
    ok &= save(menuBackground(&surround), out, "menu_background.bmp");
    ok &= save(stripPlate(surround), out, "strip.jpg", 92);
    ok &= save(windowBackground(), out, "background.bmp");
    ok &= save(buttonFace(), out, "button_face.jpg", 92);

    ok &= save(appIcon(256), out, "app_icon.png");
    ok &= save(appIcon(48), out, "app_icon_48.png");
    ok &= save(appIcon(32), out, "app_icon_32.png");

    ok &= save(printIcon(), out, "print.png");
    ok &= save(previewIcon(), out, "preview.png");
    ok &= save(findIcon(), out, "find.png");
    ok &= save(zoomOutIcon(), out, "zoom_out.png");
    ok &= save(zoomInIcon(), out, "zoom_in.png");

    ok &= save(treeFolder(), out, "tree_folder.png");
    ok &= save(treeSheet(), out, "tree_sheet.png");
    ok &= save(treeDrawing(), out, "tree_drawing.png");
    ok &= save(treeText(), out, "tree_text.png");

    ok &= save(searchGoIcon(), out, "search_go.png");
    ok &= save(usersIcon(), out, "users.png");
    ok &= save(questionBaseIcon(), out, "question_base.png");
    ok &= save(exitIcon(), out, "exit.png");

    ok &= save(navFirst(), out, "nav_first.png");
    ok &= save(navPrior(), out, "nav_prior.png");
    ok &= save(navNext(), out, "nav_next.png");
    ok &= save(navLast(), out, "nav_last.png");
    ok &= save(navInsert(), out, "nav_insert.png");
    ok &= save(navDelete(), out, "nav_delete.png");
    ok &= save(navEdit(), out, "nav_edit.png");
    ok &= save(navPost(), out, "nav_post.png");
    ok &= save(navCancel(), out, "nav_cancel.png");
    ok &= save(navRefresh(), out, "nav_refresh.png");
    return ok ? 0 : 1;
}
