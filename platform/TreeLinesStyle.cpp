#include "platform/TreeLinesStyle.h"
#include <QStyleFactory>
#include <QTreeView>

TreeLinesStyle::TreeLinesStyle() : lines_(QStyleFactory::create(QStringLiteral("Windows"))) {}

TreeLinesStyle::~TreeLinesStyle() = default;

void TreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element == PE_IndicatorBranch && lines_)
        lines_->drawPrimitive(element, option, painter, widget);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void showTreeLines(QTreeView* tree)
{
    auto* style = new TreeLinesStyle;
    style->setParent(tree);
    tree->setStyle(style);
}
