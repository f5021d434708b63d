#pragma once

#include <QAbstractProxyModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace framework {

struct GridColumn {
    GridColumn(const QString &field = {}, const QString &title = {}, int width = 0, const QString &format = {})
        : field(field), title(title), width(width), displayFormat(format)
    {}
    QString field;         // result column, matched without regard to case
    QString title;         // shown in the title row
    int width = 0;         // pixels; 0 leaves the default
    QString displayFormat; // numbers, e.g. "#,##0.00"; empty shows the value as it is
};

// How a row is painted: the grid's own colours, the plain window colours
// (inverted when highlighted), or a signal colour.
enum class RowColour { Own, Normal, Red, Blue };

// Shows chosen columns of a table model (a DataSet or a SearchQuery) under
// their titles, formatting numbers and dates. Columns left unnamed show
// every column of the model under its field name.
class GridColumnsProxy : public QAbstractProxyModel {
    Q_OBJECT
public:
    explicit GridColumnsProxy(QObject *parent = nullptr);

    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    void setSourceModel(QAbstractItemModel *model) override;
    // Source column of a view column, -1 when the field is not in the result.
    int sourceColumn(int viewColumn) const;
    QString fieldOf(int viewColumn) const;
    // View columns the user may edit (the rest are read-only).
    QList<int> editableColumns;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &) const override { return {}; }
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void remap();
    QList<GridColumn> m_columns;
    QVector<int> m_map; // view column -> source column
    QList<QMetaObject::Connection> m_links;
};

// Read-only grid: whole-row selection always shown, per-row colours through
// a hook, title clicks reported with the clicked field, mouse presses
// reported with buttons and modifiers.
class DbGrid : public QTableView {
    Q_OBJECT
public:
    explicit DbGrid(QWidget *parent = nullptr);

    void setColumns(const QList<GridColumn> &columns);
    void setDataModel(QAbstractItemModel *model);
    GridColumnsProxy *columnsProxy() const { return m_proxy; }
    QAbstractItemModel *dataModel() const { return m_proxy->sourceModel(); }

    std::function<RowColour(int sourceRow)> rowColour;

    // The current row of the data model, -1 when none.
    int currentRow() const;
    void setCurrentRow(int row);
    // Column titles in view order (tests, screenshots).
    QStringList titles() const;

signals:
    // A title was clicked: the view column, its field and its position in the result.
    void titleClicked(int viewColumn, const QString &field, int sourceColumn);
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyWidths();
    GridColumnsProxy *m_proxy;
};

} // namespace framework
