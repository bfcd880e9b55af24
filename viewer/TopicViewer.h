#pragma once
// The topic viewer: a tree of topics beside an embedded browser, with print,
// preview, find and zoom buttons, a zoom read-out and a status bar with the
// time and date. The lectures and the about screens are both this pattern;
// each brings its own layout and catalogue.
#include "platform/Screen.h"
#include "viewer/ViewerCatalogue.h"
#include <QPixmap>
#include <QTimer>
#include <array>

class PanelStatusBar;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class WebBrowser;

struct ViewerControls {
    QComboBox* ComboBoxEx1;
    QFrame* Panel1;
    QLabel* Label2;
    QLabel* Label1;
    WebBrowser* WebBrowser1;
    QTreeWidget* TreeView1;
    PanelStatusBar* StatusBar1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
};

template <class Ui>
ViewerControls viewerControls(Ui& u)
{
    return {u.ComboBoxEx1, u.Panel1, u.Label2, u.Label1, u.WebBrowser1, u.TreeView1, u.StatusBar1,
            u.BitBtn1, u.BitBtn2, u.BitBtn3, u.BitBtn4, u.BitBtn5};
}

class TopicViewer : public Screen {
    Q_OBJECT
public:
    const ViewerControls& controls() const { return c_; }
    const ViewerCatalogue& catalogue() const { return catalogue_; }
    // The node at a flat index, or null past the last node.
    QTreeWidgetItem* nodeAt(int flatIndex) const;
    QTimer& timer() { return Timer1; }

    void TreeView1Click();
    void Timer1Timer();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void ComboBoxEx1Change(const QString& text);
    void ComboBoxEx1EndEdit();

protected:
    explicit TopicViewer(const ViewerCatalogue& catalogue);
    // Wires the controls of the screen's layout, once it has been set up.
    void attach(const ViewerControls& controls);

    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillTree();
    void showSelectionHighlight(bool shown);
    QStringList zoomList() const;
    void applyZoom(int percent);
    void endEdit();

    const ViewerCatalogue& catalogue_;
    ViewerControls c_{};
    std::array<QPixmap, 4> ImageList1;
    QTimer Timer1;
    bool endingEdit_ = false;
};
