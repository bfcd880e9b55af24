#pragma once
// The platform style of a tree, but with the dotted lines between nodes and
// the boxed expand buttons of the classic desktop tree, which the default
// style leaves out.
#include <QProxyStyle>
#include <memory>

class TreeLinesStyle : public QProxyStyle {
public:
    TreeLinesStyle();
    ~TreeLinesStyle() override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    std::unique_ptr<QStyle> lines_;
};

// Gives the tree its lines; the style belongs to the tree from then on.
void showTreeLines(class QTreeView* tree);
