#pragma once

#include "DbGrid.h"
#include "SearchQuery.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace data {
class DataSet;
}

namespace framework {

class KeyPreview;

// The remembered title-click sort: the field sorted last and whether the
// next click on it sorts descending.
struct SortState {
    QString LastSortField;
    bool DescendingNext = false;
};

// Rewrites every "ORDER BY " line of a statement to order by the result
// column at ordinal (1-based), ascending, or descending on a repeated click
// of the same field; updates the state. Lines without ORDER BY stay.
void sortByTitle(QStringList &lines, const QString &field, int ordinal, SortState &state);

// True when a title click on that field must not sort (memo or binary
// columns, and the named ones, compared upper-cased).
bool isUnsortable(const SearchQuery &query, int sourceColumn, const QStringList &excludedUpper);

// The search base: a typed filter, a list from the company database and the
// value of one column of the picked row handed back to the caller.
class TFrSearch : public QDialog {
    Q_OBJECT
public:
    explicit TFrSearch(QWidget *parent = nullptr);
    ~TFrSearch() override;

    // Caller's presets and the result.
    QString DelTable;
    QString ReturnField;
    QString ReturnValue;

    // One sort state shared by every search dialog of the program.
    static SortState &sharedSort();

    QWidget *PanelHeader;
    QLabel *Label3;
    QLineEdit *Code;
    QPushButton *BtSearch;
    QPushButton *BtOk;
    QPushButton *BtCancel;
    DbGrid *DgSearch;
    SearchQuery *QSearch;

    // Show step: members run the base first, then set their presets.
    virtual void FormShow();
    // Search step: members set parameters and lines, then run the base step.
    virtual void BtSearchClick();
    // The base search step: reopen the statement, focus the first row.
    void runSearch();
    // Title click on a grid column (by its position in the result).
    virtual void DgSearchTitleBtnClick(int sourceColumn);
    // Mouse press on the grid: Ctrl+Shift+right button purges a cancelled row.
    void DgSearchMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // Row colour from DelFlag, Clear or Active.
    RowColour DgSearchGetCellParams(int row) const;
    // The current row of the list, -1 when none.
    int currentRow() const { return DgSearch->currentRow(); }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    // Keys seen before the controls; true swallows the key.
    virtual bool FormKeyDown(QKeyEvent *event, QWidget *focused);
    // Purges the current cancelled row after two confirmations.
    void purgeCancelledRow();

    QVBoxLayout *MainLayout;
    QHBoxLayout *HeaderLayout;
    QHBoxLayout *ButtonLayout;
    KeyPreview *Preview;
    // Whether a title click sorts; members with their own rules replace it.
    SortState *Sort;
    QStringList SortExcluded = {QStringLiteral("REMARK"), QStringLiteral("MEMO")};
};

// A scratch one-row record ("Select 0 Id From NullTable") hosting lookup
// frames in dialogs; its cached updates are never applied.
data::DataSet *makeScratchRecord(const QString &selectSql, QObject *parent);

// The right-aligned "เลือก" (BtOk) and "ไม่เลือก" (BtCancel) buttons of a picking
// dialog, added below its list; returns the row that holds them.
QHBoxLayout *addChoiceButtons(QWidget *dialog, QBoxLayout *into, QPushButton **ok, QPushButton **cancel);
void reopenScratchRecord(data::DataSet *scratch);

} // namespace framework
