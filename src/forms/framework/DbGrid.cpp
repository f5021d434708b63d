#include "DbGrid.h"

#include "DataWidgets.h"

#include <QDateTime>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

namespace framework {

// ---- GridColumnsProxy --------------------------------------------------

GridColumnsProxy::GridColumnsProxy(QObject *parent) : QAbstractProxyModel(parent) {}

void GridColumnsProxy::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    remap();
    endResetModel();
}

void GridColumnsProxy::setSourceModel(QAbstractItemModel *model)
{
    beginResetModel();
    for (const auto &c : std::as_const(m_links))
        disconnect(c);
    m_links.clear();
    QAbstractProxyModel::setSourceModel(model);
    if (model) {
        m_links << connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &GridColumnsProxy::beginResetModel)
                << connect(model, &QAbstractItemModel::modelReset, this,
                           [this] {
                               remap();
                               endResetModel();
                           })
                << connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
                           [this](const QModelIndex &, int first, int last) { beginInsertRows({}, first, last); })
                << connect(model, &QAbstractItemModel::rowsInserted, this, &GridColumnsProxy::endInsertRows)
                << connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                           [this](const QModelIndex &, int first, int last) { beginRemoveRows({}, first, last); })
                << connect(model, &QAbstractItemModel::rowsRemoved, this, &GridColumnsProxy::endRemoveRows)
                << connect(model, &QAbstractItemModel::dataChanged, this,
                           [this](const QModelIndex &tl, const QModelIndex &br) {
                               emit dataChanged(index(tl.row(), 0), index(br.row(), columnCount() - 1));
                           });
    }
    remap();
    endResetModel();
}

void GridColumnsProxy::remap()
{
    m_map.clear();
    const QAbstractItemModel *m = sourceModel();
    if (m_columns.isEmpty()) {
        for (int i = 0; m && i < m->columnCount(); ++i)
            m_map.append(i);
        return;
    }
    for (const GridColumn &c : std::as_const(m_columns)) {
        int found = -1;
        for (int i = 0; m && i < m->columnCount(); ++i)
            if (m->headerData(i, Qt::Horizontal).toString().compare(c.field, Qt::CaseInsensitive) == 0) {
                found = i;
                break;
            }
        m_map.append(found);
    }
}

int GridColumnsProxy::sourceColumn(int viewColumn) const
{
    return m_map.value(viewColumn, -1);
}

QString GridColumnsProxy::fieldOf(int viewColumn) const
{
    const int s = sourceColumn(viewColumn);
    if (s >= 0 && sourceModel())
        return sourceModel()->headerData(s, Qt::Horizontal).toString();
    return viewColumn < m_columns.size() ? m_columns[viewColumn].field : QString();
}

QModelIndex GridColumnsProxy::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

int GridColumnsProxy::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->rowCount();
}

int GridColumnsProxy::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_map.size());
}

QModelIndex GridColumnsProxy::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || !sourceModel())
        return {};
    const int s = sourceColumn(proxyIndex.column());
    return s < 0 ? QModelIndex() : sourceModel()->index(proxyIndex.row(), s);
}

QModelIndex GridColumnsProxy::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const int v = int(m_map.indexOf(sourceIndex.column()));
    return v < 0 ? QModelIndex() : index(sourceIndex.row(), v);
}

QVariant GridColumnsProxy::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !sourceModel())
        return {};
    const int s = sourceColumn(index.column());
    if (s < 0)
        return {};
    const QVariant v = sourceModel()->index(index.row(), s).data(Qt::DisplayRole);
    const QString format = index.column() < m_columns.size() ? m_columns[index.column()].displayFormat : QString();
    const bool number = v.typeId() == QMetaType::Double || (!format.isEmpty() && v.canConvert<double>());
    if (role == Qt::TextAlignmentRole)
        return number && !v.isNull() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role == Qt::EditRole)
        return v;
    if (role != Qt::DisplayRole)
        return {};
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (!format.isEmpty() && number)
        return formatNumber(v.toDouble(), format);
    return v;
}

QVariant GridColumnsProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (section < m_columns.size())
            return m_columns[section].title;
        return fieldOf(section);
    }
    return QAbstractProxyModel::headerData(section, orientation, role);
}

bool GridColumnsProxy::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && sourceModel() && sourceModel()->canFetchMore({});
}

void GridColumnsProxy::fetchMore(const QModelIndex &parent)
{
    if (!parent.isValid() && sourceModel())
        sourceModel()->fetchMore({});
}

Qt::ItemFlags GridColumnsProxy::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (editableColumns.contains(index.column()))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool GridColumnsProxy::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !editableColumns.contains(index.column()) || !sourceModel())
        return false;
    return sourceModel()->setData(mapToSource(index), value, role);
}

// ---- painting of row colours -------------------------------------------

namespace {
class RowColourDelegate : public QStyledItemDelegate {
public:
    RowColourDelegate(DbGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const RowColour colour = m_grid->rowColour ? m_grid->rowColour(index.row()) : RowColour::Own;
        if (colour == RowColour::Own) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem o(option);
        const bool selected = o.state & QStyle::State_Selected;
        o.state &= ~QStyle::State_Selected;
        QColor background = o.palette.color(QPalette::Base);
        QColor text = o.palette.color(QPalette::Text);
        if (colour == RowColour::Normal && selected)
            std::swap(background, text);
        else if (colour == RowColour::Red)
            background = QColor(Qt::red);
        else if (colour == RowColour::Blue) {
            background = QColor(Qt::blue);
            text = QColor(Qt::white);
        }
        if (selected && colour != RowColour::Normal)
            o.font.setBold(true);
        painter->fillRect(o.rect, background);
        o.palette.setColor(QPalette::Text, text);
        o.backgroundBrush = background;
        QStyledItemDelegate::paint(painter, o, index);
    }

private:
    DbGrid *m_grid;
};
} // namespace

// ---- DbGrid ------------------------------------------------------------

DbGrid::DbGrid(QWidget *parent) : QTableView(parent), m_proxy(new GridColumnsProxy(this))
{
    setModel(m_proxy);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setItemDelegate(new RowColourDelegate(this));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        emit titleClicked(section, m_proxy->fieldOf(section), m_proxy->sourceColumn(section));
    });
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &DbGrid::applyWidths);
}

void DbGrid::setColumns(const QList<GridColumn> &columns)
{
    m_proxy->setColumns(columns);
    applyWidths();
}

void DbGrid::setDataModel(QAbstractItemModel *model)
{
    m_proxy->setSourceModel(model);
    applyWidths();
}

void DbGrid::applyWidths()
{
    const auto &cols = m_proxy->columns();
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].width > 0)
            setColumnWidth(i, cols[i].width);
}

int DbGrid::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void DbGrid::setCurrentRow(int row)
{
    if (row < 0 || row >= m_proxy->rowCount()) {
        setCurrentIndex({});
        return;
    }
    const int column = qMax(0, currentIndex().column());
    setCurrentIndex(m_proxy->index(row, column));
    selectRow(row);
}

QStringList DbGrid::titles() const
{
    QStringList t;
    for (int i = 0; i < m_proxy->columnCount(); ++i)
        t.append(m_proxy->headerData(i, Qt::Horizontal).toString());
    return t;
}

void DbGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && at.isValid())
        setCurrentRow(at.row());
    QTableView::mousePressEvent(event);
    emit mousePressed(event->button(), event->modifiers());
}

} // namespace framework
