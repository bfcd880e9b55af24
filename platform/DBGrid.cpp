#include "platform/DBGrid.h"
#include "platform/Dataset.h"
#include "platform/Guard.h"
#include <QAbstractTableModel>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

QString dateTimeText(const QDateTime& d)
{
    const QLocale locale;
    return locale.toString(d.date(), QLocale::ShortFormat) + QLatin1Char(' ')
         + d.time().toString(locale.timeFormat(QLocale::LongFormat).remove(QStringLiteral(" t")));
}

// Remembers the open editor so that the grid can hand its text to the
// dataset before the dataset posts.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(QPointer<QWidget>* slot, QObject* parent) : QStyledItemDelegate(parent), slot_(slot) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* e = QStyledItemDelegate::createEditor(parent, option, index);
        *slot_ = e;
        return e;
    }

private:
    QPointer<QWidget>* slot_;
};

} // namespace

class DatasetModel : public QAbstractTableModel {
public:
    explicit DatasetModel(DBGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        Dataset* ds = grid_->dataset_;
        return parent.isValid() || !ds || !ds->active() ? 0 : ds->recordCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(columns.size());
    }
    int fieldOf(int column) const
    {
        Dataset* ds = grid_->dataset_;
        return ds && column >= 0 && column < columns.size() ? ds->fieldIndex(columns[column].field) : -1;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        Dataset* ds = grid_->dataset_;
        const int f = fieldOf(index.column());
        if (!ds || f < 0)
            return {};
        if (role == Qt::FontRole && columns[index.column()].bold) {
            QFont font = grid_->font();
            font.setBold(true);
            return font;
        }
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        const QVariant v = ds->valueAt(index.row(), f);
        if (v.typeId() == QMetaType::QDateTime)
            return dateTimeText(v.toDateTime());
        return v.isNull() ? QVariant(QString()) : QVariant(v.toString());
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags fl = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        Dataset* ds = grid_->dataset_;
        const int f = fieldOf(index.column());
        if (ds && f >= 0 && !grid_->readOnly_ && !columns[index.column()].readOnly && ds->canModify()
            && ds->fields()[f].kind != FieldKind::AutoInc)
            fl |= Qt::ItemIsEditable;
        return fl;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        Dataset* ds = grid_->dataset_;
        const int f = fieldOf(index.column());
        if (role != Qt::EditRole || !ds || f < 0)
            return false;
        // An unchanged cell leaves the row as it is.
        if (data(index, Qt::EditRole).toString() == value.toString())
            return false;
        return guardedReportLater([&] {
            ds->setRecNo(index.row());
            if (ds->state() == Dataset::State::Browse)
                ds->edit();
            ds->setValue(ds->fields()[f].name, value);
        });
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        Dataset* ds = grid_->dataset_;
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal) {
            if (section < 0 || section >= columns.size())
                return {};
            const GridColumn& c = columns[section];
            return c.title.isEmpty() ? c.field : c.title;
        }
        // The row indicator: current row, row being edited, row being inserted.
        if (!ds || section != ds->recNo())
            return QString();
        switch (ds->state()) {
        case Dataset::State::Edit:
            return QStringLiteral("I");
        case Dataset::State::Insert:
            return QStringLiteral("*");
        default:
            return QStringLiteral("▶");
        }
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    void rowChanged(int row)
    {
        if (row < 0 || row >= rowCount())
            return;
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    void indicatorChanged()
    {
        if (rowCount() > 0)
            emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }

    QList<GridColumn> columns;

private:
    DBGrid* grid_;
};

DBGrid::DBGrid(QWidget* parent) : QTableView(parent), model_(new DatasetModel(this))
{
    setModel(model_);
    setItemDelegate(new GridDelegate(&editor_, this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    QFont cells(QStringLiteral("MS Sans Serif"));
    cells.setPixelSize(13);
    setFont(cells);
    QFont titles(QStringLiteral("MS Sans Serif"));
    titles.setPixelSize(11);
    horizontalHeader()->setFont(titles);
    verticalHeader()->setFont(titles);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(14);
    // Titles start at the column's left edge: a title centred over a
    // 255-character column sits far off screen.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
}

DBGrid::~DBGrid() = default;

const QList<GridColumn>& DBGrid::columns() const
{
    return model_->columns;
}

void DBGrid::setDataset(Dataset* dataset)
{
    if (dataset_)
        dataset_->disconnect(this);
    dataset_ = dataset;
    if (dataset) {
        connect(dataset, &Dataset::dataChanged, this, [this] {
            syncing_ = true;
            model_->reset();
            syncing_ = false;
            followDataset();
        });
        connect(dataset, &Dataset::recordChanged, this, [this](int row) {
            model_->rowChanged(row);
            model_->indicatorChanged();
        });
        connect(dataset, &Dataset::currentChanged, this, &DBGrid::followDataset);
        connect(dataset, &Dataset::stateChanged, this, [this] { model_->indicatorChanged(); });
        connect(dataset, &Dataset::updateRecord, this, &DBGrid::handOverEditor);
        connect(dataset, &QObject::destroyed, this, [this] { model_->reset(); });
    }
    model_->reset();
    followDataset();
}

void DBGrid::setColumns(const QList<GridColumn>& columns)
{
    model_->columns = columns;
    model_->reset();
    applyWidths();
    followDataset();
}

void DBGrid::setColumns(const QList<FieldDef>& fields)
{
    QList<GridColumn> cols;
    for (const FieldDef& f : fields) {
        // Widths the declarations leave open: a counter as ten characters,
        // a date and time as eighteen, as the original grids had them.
        int width = f.displayWidth > 0 ? f.displayWidth : f.size;
        if (width <= 0)
            width = f.kind == FieldKind::DateTime ? 18 : 10;
        cols.append({f.name, f.title, width, f.kind == FieldKind::AutoInc, false});
    }
    setColumns(cols);
}

int DBGrid::widthOfChars(int chars) const
{
    // The desktop's average character width is that of "x"; the fonts'
    // own average runs wider for families that carry many scripts.
    return chars * fontMetrics().horizontalAdvance(QLatin1Char('x')) + 4;
}

void DBGrid::applyWidths()
{
    const QFontMetrics titles(horizontalHeader()->font());
    for (int i = 0; i < model_->columns.size(); ++i) {
        const GridColumn& c = model_->columns[i];
        const QString title = c.title.isEmpty() ? c.field : c.title;
        setColumnWidth(i, std::max(widthOfChars(c.width), titles.horizontalAdvance(title) + 6));
    }
}

void DBGrid::setReadOnly(bool on)
{
    readOnly_ = on;
    if (on && editor_)
        closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
    model_->reset();
    followDataset();
}

void DBGrid::setTitleColor(const QColor& colour)
{
    const QString css = QStringLiteral("QHeaderView::section { background-color: %1; border: 1px solid #808080; "
                                       "border-top: none; border-left: none; padding: 1px 3px; }")
                            .arg(colour.name());
    horizontalHeader()->setStyleSheet(css);
    verticalHeader()->setStyleSheet(css);
}

void DBGrid::followDataset()
{
    if (!dataset_ || !dataset_->active() || dataset_->recNo() < 0)
        return;
    const int column = std::max(currentIndex().column(), 0);
    const QModelIndex target = model_->index(dataset_->recNo(), column);
    if (!target.isValid() || target == currentIndex())
        return;
    syncing_ = true;
    setCurrentIndex(target);
    syncing_ = false;
}

void DBGrid::handOverEditor()
{
    if (!editor_)
        return;
    QWidget* e = editor_;
    editor_ = nullptr;
    commitData(e);
    closeEditor(e, QAbstractItemDelegate::NoHint);
}

void DBGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == editor_)
        editor_ = nullptr;
    QTableView::closeEditor(editor, hint);
}

void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (syncing_ || !dataset_ || !dataset_->active() || !current.isValid() || current.row() == dataset_->recNo())
        return;
    const bool moved = guardedReportLater([&] { dataset_->setRecNo(current.row()); });
    // A row that could not be stored stays current, with its edit.
    if (!moved)
        QTimer::singleShot(0, this, &DBGrid::followDataset);
}

void DBGrid::keyPressEvent(QKeyEvent* event)
{
    if (dataset_ && dataset_->active() && state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Escape && dataset_->state() != Dataset::State::Browse) {
            guarded([this] { dataset_->cancel(); });
            return;
        }
        if (event->key() == Qt::Key_Insert && !readOnly_) {
            guarded([this] { dataset_->insert(); });
            return;
        }
    }
    QTableView::keyPressEvent(event);
}
