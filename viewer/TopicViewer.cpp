#include "viewer/TopicViewer.h"
#include "platform/CoursePath.h"
#include "platform/Guard.h"
#include "platform/IntegerText.h"
#include "platform/LocaleText.h"
#include "platform/PanelStatusBar.h"
#include "platform/TreeLinesStyle.h"
#include "platform/WebBrowser.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "viewer/PageZoom.h"
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>

TopicViewer::TopicViewer(const ViewerCatalogue& catalogue) : catalogue_(catalogue)
{
    ImageList1 = {QPixmap(QStringLiteral(":/pictures/tree_folder.png")),
                  QPixmap(QStringLiteral(":/pictures/tree_sheet.png")),
                  QPixmap(QStringLiteral(":/pictures/tree_drawing.png")),
                  QPixmap(QStringLiteral(":/pictures/tree_text.png"))};
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1000);
}

void TopicViewer::attach(const ViewerControls& controls)
{
    c_ = controls;

    c_.TreeView1->installEventFilter(this);
    showSelectionHighlight(false);
    // Long node texts scroll sideways rather than being cut short.
    c_.TreeView1->setTextElideMode(Qt::ElideNone);
    c_.TreeView1->header()->setStretchLastSection(false);
    c_.TreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    showTreeLines(c_.TreeView1);
    fillTree();
    c_.TreeView1->viewport()->installEventFilter(this);

    // The zoom list is fixed data: typing must neither add to it nor be
    // completed from it.
    c_.ComboBoxEx1->setCompleter(nullptr);
    for (int i = 0; i < c_.ComboBoxEx1->count(); ++i)
        c_.ComboBoxEx1->setItemData(i, QSize(0, 16), Qt::SizeHintRole);
    c_.ComboBoxEx1->setEditText(c_.ComboBoxEx1->itemText(1));

    c_.StatusBar1->addPanel(800, Qt::AlignRight);
    c_.StatusBar1->addPanel(50, Qt::AlignHCenter);

    connect(c_.BitBtn1, &QPushButton::clicked, this, handler(this, &TopicViewer::BitBtn1Click));
    connect(c_.BitBtn2, &QPushButton::clicked, this, handler(this, &TopicViewer::BitBtn2Click));
    connect(c_.BitBtn3, &QPushButton::clicked, this, handler(this, &TopicViewer::BitBtn3Click));
    connect(c_.BitBtn4, &QPushButton::clicked, this, handler(this, &TopicViewer::BitBtn4Click));
    connect(c_.BitBtn5, &QPushButton::clicked, this, handler(this, &TopicViewer::BitBtn5Click));
    connect(c_.ComboBoxEx1, &QComboBox::editTextChanged, this, handler(this, &TopicViewer::ComboBoxEx1Change));
    // The end of an edit is Enter or the focus leaving the box, each once
    // (QLineEdit::editingFinished comes twice for one Enter). The box, not
    // its text field, has the focus and sees the keys first.
    c_.ComboBoxEx1->installEventFilter(this);
    connect(&Timer1, &QTimer::timeout, this, handler(this, &TopicViewer::Timer1Timer));
    Timer1.start();
}

void TopicViewer::fillTree()
{
    const auto iconOf = [this](const TreeNode& node) {
        QIcon icon(ImageList1[size_t(node.picture)]);
        icon.addPixmap(ImageList1[size_t(node.selectedPicture)], QIcon::Selected);
        return icon;
    };
    const auto itemOf = [&](const TreeNode& node) {
        auto* item = new QTreeWidgetItem(QStringList{node.text});
        item->setIcon(0, iconOf(node));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        return item;
    };
    for (const TreeNode& root : catalogue_.roots) {
        QTreeWidgetItem* item = itemOf(root);
        for (const TreeNode& child : root.children)
            item->addChild(itemOf(child));
        c_.TreeView1->addTopLevelItem(item);
    }
    c_.TreeView1->collapseAll();
}

void TopicViewer::showSelectionHighlight(bool shown)
{
    // The tree shows its selection only while it has the keyboard.
    QPalette tree = c_.TreeView1->palette();
    const QPalette standard = QApplication::palette(c_.TreeView1);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        tree.setColor(group, QPalette::Highlight, standard.color(group, shown ? QPalette::Highlight : QPalette::Base));
        tree.setColor(group, QPalette::HighlightedText,
                      standard.color(group, shown ? QPalette::HighlightedText : QPalette::Text));
    }
    c_.TreeView1->setPalette(tree);
}

QTreeWidgetItem* TopicViewer::nodeAt(int flatIndex) const
{
    int index = 0;
    for (int r = 0; r < c_.TreeView1->topLevelItemCount(); ++r) {
        QTreeWidgetItem* root = c_.TreeView1->topLevelItem(r);
        if (index++ == flatIndex)
            return root;
        for (int k = 0; k < root->childCount(); ++k)
            if (index++ == flatIndex)
                return root->child(k);
    }
    return nullptr;
}

bool TopicViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.ComboBoxEx1) {
        const bool enter = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        const bool leaving = event->type() == QEvent::FocusOut
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        if (enter || leaving)
            endEdit();
    } else if (watched == c_.TreeView1) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            showSelectionHighlight(event->type() == QEvent::FocusIn);
    } else if (watched == c_.TreeView1->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // Only the left button selects; the others leave the selection
            // alone, so a later click cannot load a node chosen by them.
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                return true;
            break;
        case QEvent::MouseButtonRelease: {
            const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
            if (button == Qt::RightButton)
                return true;
            // The press has already selected what it hit.
            if (button == Qt::LeftButton)
                guarded([this] { TreeView1Click(); });
            break;
        }
        default:
            break;
        }
    }
    return Screen::eventFilter(watched, event);
}

void TopicViewer::TreeView1Click()
{
    // Each pass reads every entry's selected state afresh; the tree has at
    // most one selected node, so at most one page and one caption apply.
    for (const PageEntry& entry : catalogue_.pages) {
        QTreeWidgetItem* node = nodeAt(entry.flatIndex);
        if (node && node->isSelected())
            c_.WebBrowser1->navigate(courseFilePath(entry.path));
    }
    for (const CaptionEntry& entry : catalogue_.captions) {
        QTreeWidgetItem* node = nodeAt(entry.flatIndex);
        if (node && node->isSelected())
            setWindowTitle(entry.caption);
    }
}

void TopicViewer::Timer1Timer()
{
    c_.StatusBar1->setPanelText(0, longTimeText(QTime::currentTime()));
}

void TopicViewer::FormShow()
{
    // The engine starts once the window is up, so the first page is quick.
    QTimer::singleShot(0, c_.WebBrowser1, [browser = c_.WebBrowser1] { guarded([&] { browser->prepareEngine(); }); });
}

void TopicViewer::FormActivate()
{
    c_.StatusBar1->setPanelText(1, shortDateText(QDate::currentDate()));
}

void TopicViewer::FormClose()
{
    makeScreenVisible(screens().Form1);
}

void TopicViewer::BitBtn1Click()
{
    c_.WebBrowser1->print();
}

void TopicViewer::BitBtn2Click()
{
    c_.WebBrowser1->printPreview();
}

void TopicViewer::BitBtn3Click()
{
    if (!c_.WebBrowser1->hasDocument())
        return;
    // Find never reports anything.
    try {
        c_.WebBrowser1->showFindDialog();
    } catch (...) {
    }
}

QStringList TopicViewer::zoomList() const
{
    QStringList items;
    for (int i = 0; i < c_.ComboBoxEx1->count(); ++i)
        items << c_.ComboBoxEx1->itemText(i);
    return items;
}

void TopicViewer::applyZoom(int percent)
{
    c_.WebBrowser1->setDocumentZoom(percent / 100.0);
}

void TopicViewer::ComboBoxEx1Change(const QString& text)
{
    c_.Label1->setText(text);
}

void TopicViewer::endEdit()
{
    // The error box of a bad zoom text takes the focus from the text field,
    // which must not end the same edit a second time.
    if (endingEdit_)
        return;
    const QScopedValueRollback busy(endingEdit_, true);
    guarded([this] { ComboBoxEx1EndEdit(); });
}

void TopicViewer::ComboBoxEx1EndEdit()
{
    const QString text = c_.ComboBoxEx1->currentText();
    if (text.contains(QLatin1Char('%'))) {
        applyZoom(zoomNumber(text));
        return;
    }
    applyZoom(integerFromText(text));
    c_.ComboBoxEx1->setEditText(c_.ComboBoxEx1->currentText() + QLatin1Char('%'));
}

void TopicViewer::BitBtn4Click()
{
    c_.ComboBoxEx1->setEditText(zoomedOutText(zoomList(), c_.ComboBoxEx1->currentText()));
    ComboBoxEx1EndEdit();
}

void TopicViewer::BitBtn5Click()
{
    c_.ComboBoxEx1->setEditText(zoomedInText(zoomList(), c_.ComboBoxEx1->currentText()));
    ComboBoxEx1EndEdit();
}
