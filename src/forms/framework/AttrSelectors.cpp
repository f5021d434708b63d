#include "AttrSelectors.h"
#include "FrSearch.h"

#include "Connection.h"
#include "DataSet.h"
#include "KeptDialogs.h"
#include "KeyPreview.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace framework {

QString attrRangeLower(const AttrRange &range)
{
    return range.groupCode + range.beginCode;
}

QString attrRangeUpper(const AttrRange &range)
{
    return range.endCode.isEmpty() ? range.groupCode + QChar(0xFF) : range.groupCode + range.endCode;
}

// ---- attribute-code search ----------------------------------------------

TFrSearchAttrCode::TFrSearchAttrCode(const QString &codeTable, const QString &groupColumn, const QString &caption,
                                     QWidget *parent)
    : QDialog(parent), m_codeTable(codeTable), m_groupColumn(groupColumn)
{
    setWindowTitle(caption);
    resize(460, 300);
    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("ค้นหารายละเอียด"), this));
    Description = new QLineEdit(this);
    Description->setObjectName(QStringLiteral("Description"));
    header->addWidget(Description, 1);
    FullWord = new QCheckBox(QStringLiteral("หาเต็มคำ"), this);
    FullWord->setObjectName(QStringLiteral("FullWord"));
    header->addWidget(FullWord);
    layout->addLayout(header);
    ListData = new DbGrid(this);
    ListData->setObjectName(QStringLiteral("ListData"));
    QData = new SearchQuery(QStringLiteral("DMDATA"), this);
    ListData->setDataModel(QData);
    ListData->setColumns({{QStringLiteral("DESCRIPTION"), QStringLiteral("รายละเอียด"), 300},
                          {QStringLiteral("CODE"), QStringLiteral("รหัส"), 100}});
    layout->addWidget(ListData, 1);
    addChoiceButtons(this, layout, &BtOk, &BtCancel);
    connect(BtOk, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(BtCancel, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(ListData, &QAbstractItemView::doubleClicked, this, [this] { done(Accepted); });
    m_preview = new KeyPreview(this, [this](QKeyEvent *e, QWidget *focused) {
        if (e->key() == Qt::Key_Escape) {
            done(Rejected);
            return true;
        }
        if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
            return false;
        if (focused == ListData)
            done(Accepted);
        else
            Search();
        return true;
    });
}

void TFrSearchAttrCode::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_preview->refresh();
    FullWord->setChecked(false);
    Description->clear();
    Description->setFocus();
    Search();
}

void TFrSearchAttrCode::Search()
{
    const QString text = Description->text().trimmed();
    QData->SQL = {QStringLiteral("Select Id,Code,Description From %1").arg(m_codeTable),
                  QStringLiteral("Where %1 = :GroupId").arg(m_groupColumn)};
    QData->params().clear();
    QData->setParam(QStringLiteral("GroupId"), AttrGroupId);
    if (!text.isEmpty()) {
        QData->SQL << (FullWord->isChecked() ? QStringLiteral("And Description = :Text")
                                             : QStringLiteral("And Description Like :Text"));
        QData->setParam(QStringLiteral("Text"),
                        FullWord->isChecked() ? text : QStringLiteral("%") + text + QStringLiteral("%"));
    }
    QData->open();
    if (!QData->isEmpty()) {
        ListData->setFocus();
        ListData->setCurrentRow(0);
    }
}

void TFrSearchAttrCode::done(int result)
{
    const int row = ListData->currentRow();
    ChosenCode = result == Accepted && QData->isOpen() && row >= 0
                     ? QData->value(row, QStringLiteral("Code")).toString()
                     : QString();
    QData->close();
    QDialog::done(ChosenCode.isEmpty() && result == Accepted ? int(Rejected) : result);
}

TFrSearchVenAttrCode::TFrSearchVenAttrCode(QWidget *parent)
    : TFrSearchAttrCode(QStringLiteral("VenAttrCode"), QStringLiteral("VenAttrGroup"),
                        QStringLiteral("ค้นหาคุณสมบัติเจ้าหนี้"), parent)
{
    setObjectName(QStringLiteral("FrSearchVenAttrCode"));
}

TFrSearchCusAttrCode::TFrSearchCusAttrCode(QWidget *parent)
    : TFrSearchAttrCode(QStringLiteral("CusAttrCode"), QStringLiteral("CusAttrGroup"), QStringLiteral("ค้นหาคุณสมบัติลูกค้า"),
                        parent)
{
    setObjectName(QStringLiteral("FrSearchCusAttrCode"));
}

// ---- selector -------------------------------------------------------------

namespace {
constexpr int beginColumn = 1;
constexpr int endColumn = 2;

// Upper-case letters and digits; the ellipsis in the cell opens the search.
class AttrCodeDelegate : public QStyledItemDelegate {
public:
    explicit AttrCodeDelegate(TFaSelectAttr *selector) : QStyledItemDelegate(selector), m_selector(selector) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,20}")), edit));
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &t) {
            if (t != t.toUpper())
                edit->setText(t.toUpper());
        });
        QAction *pick = edit->addAction(parent->style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                        QLineEdit::TrailingPosition);
        pick->setToolTip(QStringLiteral("..."));
        QObject::connect(pick, &QAction::triggered, m_selector, [this, edit] {
            emit const_cast<AttrCodeDelegate *>(this)->commitData(edit);
            emit const_cast<AttrCodeDelegate *>(this)->closeEditor(edit);
            m_selector->pickCode();
        });
        return edit;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *edit = qobject_cast<QLineEdit *>(object);
        if (edit && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F5) {
                emit commitData(edit);
                emit closeEditor(edit);
                QKeyEvent again(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(m_selector->Grid, &again);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TFaSelectAttr *m_selector;
};
} // namespace

TFaSelectAttr::TFaSelectAttr(const QString &groupTable, const QString &codeTable, const QString &groupColumn,
                             const QString &gridName, QWidget *parent)
    : QWidget(parent)
{
    data::Connection &c = data::Connection::byAlias(QStringLiteral("DMDATA"));
    const QString begin = c.dialect().concat({QStringLiteral("G.Code"), QStringLiteral("C.Code")});
    QAttrGroup = new data::DataSet(
        c,
        QStringLiteral("SELECT G.Id, G.Code, G.Description, C.Id BeginAttrId, C.Code BeginAttrCode, C.Id EndAttrId, "
                       "C.Code EndAttrCode, %1 BeginGroupCode, %1 EndGroupCode FROM %2 G Left Outer Join %3 C On "
                       "(C.%4 = G.Id) And (C.Id = 0) ORDER By G.Description")
            .arg(begin, groupTable, codeTable, groupColumn),
        this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *grid = new DbGrid(this);
    Grid = grid;
    Grid->setObjectName(gridName);
    grid->setColumns({{QStringLiteral("Description"), QStringLiteral("คุณสมบัติ"), 150},
                      {QStringLiteral("BeginAttrCode"), QStringLiteral("เริ่มต้น"), 90},
                      {QStringLiteral("EndAttrCode"), QStringLiteral("สิ้นสุด"), 90}});
    grid->columnsProxy()->editableColumns = {beginColumn, endColumn};
    grid->setDataModel(QAttrGroup);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    grid->setItemDelegateForColumn(beginColumn, new AttrCodeDelegate(this));
    grid->setItemDelegateForColumn(endColumn, new AttrCodeDelegate(this));
    layout->addWidget(Grid);
    Grid->installEventFilter(this);
    connect(QAttrGroup, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &tl) {
        const int column = tl.column();
        if (column == QAttrGroup->fieldIndex(QStringLiteral("BeginAttrCode")) ||
            column == QAttrGroup->fieldIndex(QStringLiteral("EndAttrCode")))
            updateGroupCodes(tl.row());
    });
    // Entering a column or a cell never leaves the description selected.
    connect(Grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid() && current.column() == 0)
            Grid->setCurrentIndex(Grid->model()->index(current.row(), beginColumn));
    });
}

void TFaSelectAttr::reopen()
{
    QAttrGroup->close();
    QAttrGroup->open();
    Grid->setEnabled(!QAttrGroup->isEmpty());
    if (!QAttrGroup->isEmpty())
        Grid->setCurrentIndex(Grid->model()->index(0, beginColumn));
}

void TFaSelectAttr::setTitles(const QString &attribute, const QString &begin, const QString &end)
{
    auto *grid = static_cast<DbGrid *>(Grid);
    QList<GridColumn> columns = grid->columnsProxy()->columns();
    const QStringList titles = {attribute, begin, end};
    for (int i = 0; i < columns.size() && i < titles.size(); ++i)
        columns[i].title = titles[i];
    grid->setColumns(columns);
}

void TFaSelectAttr::updateGroupCodes(int row)
{
    const QString group = QAttrGroup->value(row, QStringLiteral("Code")).toString().trimmed();
    const QString begin = QAttrGroup->value(row, QStringLiteral("BeginAttrCode")).toString().trimmed();
    const QString end = QAttrGroup->value(row, QStringLiteral("EndAttrCode")).toString().trimmed();
    const QSignalBlocker block(QAttrGroup);
    QAttrGroup->setValue(row, QStringLiteral("BeginGroupCode"), group + begin);
    QAttrGroup->setValue(row, QStringLiteral("EndGroupCode"), attrRangeUpper({group, begin, end}));
}

QList<AttrRange> TFaSelectAttr::ranges() const
{
    QList<AttrRange> list;
    if (!QAttrGroup->isOpen())
        return list;
    for (int r = 0; r < QAttrGroup->recordCount(); ++r) {
        AttrRange range{QAttrGroup->value(r, QStringLiteral("Code")).toString().trimmed(),
                        QAttrGroup->value(r, QStringLiteral("BeginAttrCode")).toString().trimmed(),
                        QAttrGroup->value(r, QStringLiteral("EndAttrCode")).toString().trimmed()};
        if (!range.beginCode.isEmpty() || !range.endCode.isEmpty())
            list.append(range);
    }
    return list;
}

void TFaSelectAttr::pickCode()
{
    const QModelIndex current = Grid->currentIndex();
    if (!current.isValid() || QAttrGroup->isEmpty())
        return;
    TFrSearchAttrCode &dialog = codeSearch();
    dialog.AttrGroupId = QAttrGroup->value(current.row(), QStringLiteral("Id")).toLongLong();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int column = current.column() == endColumn ? endColumn : beginColumn;
    Grid->model()->setData(Grid->model()->index(current.row(), column), dialog.ChosenCode);
    Grid->setFocus();
}

bool TFaSelectAttr::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Grid && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QModelIndex current = Grid->currentIndex();
        if (key->key() == Qt::Key_F5) {
            pickCode();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && current.isValid()) {
            if (current.column() == endColumn) {
                if (current.row() + 1 < Grid->model()->rowCount())
                    Grid->setCurrentIndex(Grid->model()->index(current.row() + 1, beginColumn));
            } else {
                Grid->setCurrentIndex(Grid->model()->index(current.row(), endColumn));
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

TFaSelectVendorAttr::TFaSelectVendorAttr(QWidget *parent)
    : TFaSelectAttr(QStringLiteral("VenAttrGroup"), QStringLiteral("VenAttrCode"), QStringLiteral("VenAttrGroup"),
                    QStringLiteral("DgSelectVenAttr"), parent)
{
    setObjectName(QStringLiteral("FaSelectVendorAttr"));
    QAttrGroup->setObjectName(QStringLiteral("QVenAttrGroup"));
}

TFrSearchAttrCode &TFaSelectVendorAttr::codeSearch()
{
    return KeptDialogs::get<TFrSearchVenAttrCode>();
}

TFaSelectCustomerAttr::TFaSelectCustomerAttr(QWidget *parent)
    : TFaSelectAttr(QStringLiteral("CusAttrGroup"), QStringLiteral("CusAttrCode"), QStringLiteral("CusAttrGroup"),
                    QStringLiteral("DgSelectCusAttr"), parent)
{
    setObjectName(QStringLiteral("FaSelectCustomerAttr"));
    QAttrGroup->setObjectName(QStringLiteral("QCusAttrGroup"));
}

TFrSearchAttrCode &TFaSelectCustomerAttr::codeSearch()
{
    return KeptDialogs::get<TFrSearchCusAttrCode>();
}

} // namespace framework
