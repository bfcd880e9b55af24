#include "platform/PanelStatusBar.h"
#include <QLabel>

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

void PanelStatusBar::addPanel(int width, Qt::Alignment alignment)
{
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(panels_.size()));
    panel->setAlignment(alignment | Qt::AlignVCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(width);
    // Every panel keeps its width but the last, which takes what is left.
    if (!panels_.empty())
        panels_.back()->setFixedWidth(panels_.back()->minimumWidth());
    addWidget(panel, 1);
    panels_.push_back(panel);
}

QString PanelStatusBar::panelText(int panel) const
{
    return panels_.at(size_t(panel))->text();
}

void PanelStatusBar::setPanelText(int panel, const QString& text)
{
    panels_.at(size_t(panel))->setText(text);
}
