#pragma once

#include "DbGrid.h"
#include "SearchQuery.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace data {
class DataSet;
}

namespace framework {

class KeyPreview;

// The attribute codes of one group, picked by description.
class TFrSearchAttrCode : public QDialog {
    Q_OBJECT
public:
    qlonglong AttrGroupId = 0;
    QString ChosenCode;

    QLineEdit *Description;
    QCheckBox *FullWord;
    QPushButton *BtOk;
    QPushButton *BtCancel;
    DbGrid *ListData;
    SearchQuery *QData;

    void Search();

protected:
    TFrSearchAttrCode(const QString &codeTable, const QString &groupColumn, const QString &caption, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QString m_codeTable, m_groupColumn;
    KeyPreview *m_preview;
};

class TFrSearchVenAttrCode : public TFrSearchAttrCode {
    Q_OBJECT
public:
    explicit TFrSearchVenAttrCode(QWidget *parent = nullptr);
};

class TFrSearchCusAttrCode : public TFrSearchAttrCode {
    Q_OBJECT
public:
    explicit TFrSearchCusAttrCode(QWidget *parent = nullptr);
};

// One range of attribute codes per attribute group, typed or picked.
struct AttrRange {
    QString groupCode;
    QString beginCode;
    QString endCode;
};

// The attribute selector: a grid of the attribute groups with an editable
// begin and end code each (never written to the database).
class TFaSelectAttr : public QWidget {
    Q_OBJECT
public:
    data::DataSet *QAttrGroup;
    QTableView *Grid;

    // Reopens the list of groups (the owner does it on show).
    void reopen();
    // The titles of the attribute, begin and end columns.
    void setTitles(const QString &attribute, const QString &begin, const QString &end);
    // Groups whose begin or end code is not blank, trimmed.
    QList<AttrRange> ranges() const;
    // Opens the attribute-code search for the current row's group and writes
    // the chosen code into the current begin or end column.
    void pickCode();
    // Recomputes BeginGroupCode and EndGroupCode of a row.
    void updateGroupCodes(int row);

protected:
    TFaSelectAttr(const QString &groupTable, const QString &codeTable, const QString &groupColumn,
                  const QString &gridName, QWidget *parent);
    virtual TFrSearchAttrCode &codeSearch() = 0;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

class TFaSelectVendorAttr : public TFaSelectAttr {
    Q_OBJECT
public:
    explicit TFaSelectVendorAttr(QWidget *parent = nullptr);
    data::DataSet *QVenAttrGroup() const { return QAttrGroup; }
    QTableView *DgSelectVenAttr() const { return Grid; }

protected:
    TFrSearchAttrCode &codeSearch() override;
};

class TFaSelectCustomerAttr : public TFaSelectAttr {
    Q_OBJECT
public:
    explicit TFaSelectCustomerAttr(QWidget *parent = nullptr);

protected:
    TFrSearchAttrCode &codeSearch() override;
};

// The range condition of a party search for one attribute row: from the
// group code + begin code to the group code + end code; a blank end code
// runs to the end of the group (group code + the character 255).
QString attrRangeUpper(const AttrRange &range);
QString attrRangeLower(const AttrRange &range);

} // namespace framework
