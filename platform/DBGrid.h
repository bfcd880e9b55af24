#pragma once
// A grid over a dataset: one column per listed field, titles and widths in
// average characters, in-place editing unless read-only. The row being
// edited is stored when the current row changes (or by the navigator's
// post), as the dataset stores a pending edit whenever it moves.
#include "platform/DbField.h"
#include <QColor>
#include <QPointer>
#include <QTableView>

class Dataset;
class DatasetModel;

struct GridColumn {
    QString field;
    QString title;       // the field name when empty
    int width = 0;       // average characters; the field's display width or size when 0
    bool readOnly = false;
    bool bold = false;
};

class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);
    ~DBGrid() override;

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return dataset_; }
    void setColumns(const QList<GridColumn>& columns);
    void setColumns(const QList<FieldDef>& fields);  // titles and widths from the declarations
    const QList<GridColumn>& columns() const;
    void setReadOnly(bool on);
    bool isReadOnly() const { return readOnly_; }
    void setTitleColor(const QColor& colour);
    // Pixel width of `chars` average characters of the cell font.
    int widthOfChars(int chars) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class DatasetModel;
    void followDataset();
    void handOverEditor();
    void applyWidths();

    QPointer<Dataset> dataset_;
    DatasetModel* model_;
    bool readOnly_ = false;
    bool syncing_ = false;
    QPointer<QWidget> editor_;
};
