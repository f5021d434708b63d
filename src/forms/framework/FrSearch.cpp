#include "FrSearch.h"

#include "Connection.h"
#include "DataSet.h"
#include "DmConfig.h"
#include "KeyPreview.h"
#include "Prompter.h"

#include <QKeyEvent>
#include <QShowEvent>

namespace framework {

void sortByTitle(QStringList &lines, const QString &field, int ordinal, SortState &state)
{
    const QString upper = field.toUpper();
    for (QString &line : lines) {
        const int at = line.toUpper().indexOf(QLatin1String("ORDER BY "));
        if (at < 0)
            continue;
        line = line.left(at) + QStringLiteral("Order By ") + QString::number(ordinal);
        if (upper != state.LastSortField) {
            state.DescendingNext = true;
        } else {
            if (state.DescendingNext)
                line += QStringLiteral(" Desc");
            state.DescendingNext = !state.DescendingNext;
        }
        state.LastSortField = upper;
    }
}

bool isUnsortable(const SearchQuery &query, int sourceColumn, const QStringList &excludedUpper)
{
    if (sourceColumn < 0 || query.isBlobField(sourceColumn))
        return true;
    return excludedUpper.contains(query.fieldNames().value(sourceColumn).toUpper());
}

SortState &TFrSearch::sharedSort()
{
    static SortState state;
    return state;
}

TFrSearch::TFrSearch(QWidget *parent) : QDialog(parent), Sort(&sharedSort())
{
    setObjectName(QStringLiteral("FrSearch"));
    setWindowTitle(QStringLiteral("ค้นหา"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(528, 279);

    MainLayout = new QVBoxLayout(this);
    MainLayout->setContentsMargins(4, 4, 4, 4);
    PanelHeader = new QWidget(this);
    PanelHeader->setObjectName(QStringLiteral("PanelHeader"));
    PanelHeader->setMinimumHeight(32);
    HeaderLayout = new QHBoxLayout(PanelHeader);
    HeaderLayout->setContentsMargins(2, 2, 2, 2);
    Label3 = new QLabel(QStringLiteral("รหัส"), PanelHeader);
    Label3->setObjectName(QStringLiteral("Label3"));
    Code = new QLineEdit(PanelHeader);
    Code->setObjectName(QStringLiteral("Code"));
    connect(Code, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (Code->property("upperCase").toBool() && text != text.toUpper()) {
            const int pos = Code->cursorPosition();
            Code->setText(text.toUpper());
            Code->setCursorPosition(pos);
        }
    });
    Code->setProperty("upperCase", true);
    BtSearch = new QPushButton(QStringLiteral("ค้นหา"), PanelHeader);
    BtSearch->setObjectName(QStringLiteral("BtSearch"));
    BtSearch->setFocusPolicy(Qt::NoFocus);
    BtSearch->setAutoDefault(false);
    HeaderLayout->addWidget(Label3);
    HeaderLayout->addWidget(Code, 1);
    HeaderLayout->addWidget(BtSearch);
    MainLayout->addWidget(PanelHeader);

    DgSearch = new DbGrid(this);
    DgSearch->setObjectName(QStringLiteral("DgSearch"));
    DgSearch->setToolTip(QStringLiteral("สีแดง : เอกสารยกเลิก\r\nสีน้ำเงิน : เอกสารรับ/จ่ายแล้ว"));
    QSearch = new SearchQuery(QStringLiteral("DMDATA"), this);
    QSearch->setObjectName(QStringLiteral("QSearch"));
    DgSearch->setDataModel(QSearch);
    DgSearch->rowColour = [this](int row) { return DgSearchGetCellParams(row); };
    MainLayout->addWidget(DgSearch, 1);

    ButtonLayout = addChoiceButtons(this, MainLayout, &BtOk, &BtCancel);

    connect(BtSearch, &QPushButton::clicked, this, [this] { BtSearchClick(); });
    connect(BtOk, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(BtCancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(DgSearch, &QAbstractItemView::doubleClicked, this, [this] { done(QDialog::Accepted); });
    connect(DgSearch, &DbGrid::titleClicked, this,
            [this](int, const QString &, int sourceColumn) { DgSearchTitleBtnClick(sourceColumn); });
    connect(DgSearch, &DbGrid::mousePressed, this, &TFrSearch::DgSearchMouseDown);

    Preview = new KeyPreview(this, [this](QKeyEvent *e, QWidget *focused) { return FormKeyDown(e, focused); });
}

TFrSearch::~TFrSearch() = default;

void TFrSearch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Preview->refresh();
    FormShow();
}

void TFrSearch::FormShow()
{
    if (!app::TDMConfig::instance().ThaiPrompts) {
        const QStringList captions = {QStringLiteral("Search"), QStringLiteral("Choose"), QStringLiteral("Cancel")};
        const QList<QPushButton *> buttons = {BtSearch, BtOk, BtCancel};
        for (int i = 0; i < 3; ++i) {
            buttons[i]->setText(captions[i]);
            QFont f = buttons[i]->font();
            f.setPointSize(8);
            buttons[i]->setFont(f);
        }
        DgSearch->setToolTip(QString());
    }
    QSearch->close();
    Code->clear();
    Code->setFocus();
}

void TFrSearch::BtSearchClick()
{
    runSearch();
}

void TFrSearch::runSearch()
{
    QSearch->close();
    QSearch->open();
    if (!QSearch->isEmpty()) {
        DgSearch->setFocus();
        DgSearch->setCurrentRow(0);
    }
}

bool TFrSearch::FormKeyDown(QKeyEvent *event, QWidget *focused)
{
    const QString active = focused ? focused->objectName().toUpper() : QString();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (active == QLatin1String("DGSEARCH"))
            done(QDialog::Accepted);
        else
            BtSearch->click();
        return true;
    case Qt::Key_Escape:
        done(QDialog::Rejected);
        return true;
    case Qt::Key_Down:
        if (active == QLatin1String("CODE")) {
            DgSearch->setFocus();
            if (DgSearch->currentRow() < 0)
                DgSearch->setCurrentRow(0);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TFrSearch::done(int result)
{
    const int row = DgSearch->currentRow();
    if (result != QDialog::Accepted || !QSearch->isOpen() || QSearch->isEmpty() || row < 0) {
        ReturnValue.clear();
        QSearch->release();
        QDialog::done(QDialog::Rejected);
        return;
    }
    ReturnValue = QSearch->value(row, ReturnField).toString();
    if (QSearch->hasField(QStringLiteral("DelFlag")) &&
        QSearch->value(row, QStringLiteral("DelFlag")).toString() == QLatin1String("Y")) {
        app::Prompter &prompter = app::Prompter::instance();
        prompter.message(app::TDMConfig::instance().ThaiPrompts ? QStringLiteral("เอกสารถูกยกเลิกแล้ว")
                                                                : QStringLiteral("Document Was Deleted"));
        if (QSearch->hasField(QStringLiteral("DelRemark")))
            prompter.message(QStringLiteral("สาเหตุยกเลิก : ") +
                             QSearch->value(row, QStringLiteral("DelRemark")).toString());
        ReturnValue.clear();
        return; // the dialog stays open on the list
    }
    QSearch->release();
    QDialog::done(QDialog::Accepted);
}

RowColour TFrSearch::DgSearchGetCellParams(int row) const
{
    if (QSearch->hasField(QStringLiteral("DelFlag")))
        return QSearch->value(row, QStringLiteral("DelFlag")).toString() == QLatin1String("Y") ? RowColour::Red
                                                                                               : RowColour::Normal;
    if (QSearch->hasField(QStringLiteral("Clear")))
        return QSearch->value(row, QStringLiteral("Clear")).toString() == QLatin1String("Y") ? RowColour::Blue
                                                                                             : RowColour::Normal;
    if (QSearch->hasField(QStringLiteral("Active")))
        return QSearch->value(row, QStringLiteral("Active")).toString() == QLatin1String("N") ? RowColour::Red
                                                                                              : RowColour::Normal;
    return RowColour::Own;
}

void TFrSearch::DgSearchTitleBtnClick(int sourceColumn)
{
    if (isUnsortable(*QSearch, sourceColumn, SortExcluded))
        return;
    sortByTitle(QSearch->SQL, QSearch->fieldNames().value(sourceColumn), sourceColumn + 1, *Sort);
    runSearch();
}

void TFrSearch::DgSearchMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::RightButton || modifiers != (Qt::ShiftModifier | Qt::ControlModifier))
        return;
    purgeCancelledRow();
}

void TFrSearch::purgeCancelledRow()
{
    const int row = DgSearch->currentRow();
    if (row < 0 || !QSearch->hasField(QStringLiteral("Id")) || !QSearch->hasField(QStringLiteral("Delflag")))
        return;
    const qlonglong id = QSearch->value(row, QStringLiteral("Id")).toLongLong();
    if (id <= 0 || QSearch->value(row, QStringLiteral("Delflag")).toString() != QLatin1String("Y"))
        return;
    app::Prompter &prompter = app::Prompter::instance();
    if (!prompter.confirm(QStringLiteral("Confirm Delete #1/2 ?"), Qt::blue, Qt::white))
        return;
    if (!prompter.confirm(QStringLiteral("Confirm Delete #2/2 ?"), Qt::blue, Qt::white))
        return;
    const QString table = DelTable.trimmed();
    if (table.isEmpty())
        return;
    QStringList script;
    if (table.toUpper() == QLatin1String("IVHD"))
        script << QStringLiteral("Delete From IvShip Where IvHd=:Id");
    if (table.toUpper() == QLatin1String("SOHD"))
        script << QStringLiteral("Delete From SoShip Where SoHd=:Id");
    script << QStringLiteral("Delete From %1 Where Id=:Id").arg(table);
    data::Params p;
    p.set(QStringLiteral("Id"), id);
    QSearch->release();
    // The lines and their header go together or not at all: a failing
    // header delete must not leave a header without its lines.
    data::Connection &c = data::Connection::byAlias(QSearch->alias());
    const bool ownTransaction = !c.inTransaction();
    if (ownTransaction)
        c.startTransaction();
    try {
        c.runScript(script.join(QStringLiteral("\n/\n")), p);
        if (ownTransaction)
            c.commit();
    } catch (...) {
        if (ownTransaction)
            c.rollback();
        throw;
    }
    runSearch();
}

QHBoxLayout *addChoiceButtons(QWidget *dialog, QBoxLayout *into, QPushButton **ok, QPushButton **cancel)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    *ok = new QPushButton(QStringLiteral("เลือก"), dialog);
    (*ok)->setObjectName(QStringLiteral("BtOk"));
    *cancel = new QPushButton(QStringLiteral("ไม่เลือก"), dialog);
    (*cancel)->setObjectName(QStringLiteral("BtCancel"));
    for (QPushButton *b : {*ok, *cancel}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    into->addLayout(row);
    return row;
}

data::DataSet *makeScratchRecord(const QString &selectSql, QObject *parent)
{
    auto *ds = new data::DataSet(QStringLiteral("DMDATA"), selectSql, parent);
    ds->setObjectName(QStringLiteral("QNull"));
    return ds;
}

void reopenScratchRecord(data::DataSet *scratch)
{
    scratch->close();
    scratch->open();
    scratch->edit();
}

} // namespace framework
