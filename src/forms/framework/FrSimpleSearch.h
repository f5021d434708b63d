#pragma once

#include "FrSearch.h"

namespace framework {

// A search over any code table, its statement built from a table name and
// two column names handed over by the caller (the shared data module's
// OpenSimpleSearch). The names and the condition are the program's own
// texts; what the user types is bound as :GetCode.
class TFrSimpleSearch : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSimpleSearch(QWidget *parent = nullptr);

    QString SearchCaption;
    QString CodeField;
    QString DescField;
    QString ExtraCondition;
    QString SearchTable;
    // Every column of the row chosen last, by name.
    QVariantMap ChosenRow;

    void FormShow() override;
    void BtSearchClick() override;

protected:
    void done(int result) override;
};

// The shared data module's OpenSimpleSearch on the kept instance; the chosen
// code is then in that instance's ReturnValue.
bool openSimpleSearch(const QString &caption, const QString &codeField, const QString &descField,
                      const QString &condition, const QString &table);
QString simpleSearchValue();

} // namespace framework
