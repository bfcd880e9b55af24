#pragma once
// A status bar of fixed panels, each a width and an alignment; the last
// panel reaches to the right edge of the bar.
#include <QStatusBar>
#include <vector>

class QLabel;

class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit PanelStatusBar(QWidget* parent = nullptr);
    void addPanel(int width, Qt::Alignment alignment);
    int panelCount() const { return int(panels_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

private:
    std::vector<QLabel*> panels_;
};
